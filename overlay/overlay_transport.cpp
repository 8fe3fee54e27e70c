#include "overlay_transport.h"

namespace overlay {

MCIERROR CWinmmTransport::Send(const char* command, char* reply, UINT replyLength, HWND callback)
{
    return mciSendStringA(command, reply, replyLength, callback);
}

void CWinmmTransport::ErrorText(MCIERROR error, char* text, UINT textLength)
{
    if (textLength == 0)
        return;
    text[0] = '\0';
    if (!mciGetErrorStringA(error, text, textLength))
        text[0] = '\0';
}

}  // namespace overlay
