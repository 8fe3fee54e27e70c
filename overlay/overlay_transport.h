// The path of a command to the driver.  The real one is winmm's string
// interface; tests put a recorder in its place to see the exact text sent.
#pragma once

#include <windows.h>
#include <mmsystem.h>

namespace overlay {

class IOverlayTransport {
public:
    virtual ~IOverlayTransport() = default;
    virtual MCIERROR Send(const char* command, char* reply, UINT replyLength, HWND callback) = 0;
    virtual void ErrorText(MCIERROR error, char* text, UINT textLength) = 0;
};

// mciSendStringA / mciGetErrorStringA.
class CWinmmTransport final : public IOverlayTransport {
public:
    MCIERROR Send(const char* command, char* reply, UINT replyLength, HWND callback) override;
    void ErrorText(MCIERROR error, char* text, UINT textLength) override;
};

}  // namespace overlay
