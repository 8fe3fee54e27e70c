// Temporary stand-in for the overlay command layer's sender until that layer
// is merged.
#include "overlay_viewer.h"
#include <mmsystem.h>
#include <string>

namespace {
bool deviceOpen = false;
bool showErrors = true;
HWND callbackWindow = nullptr;
char reply[256];

bool Load(UINT id, char* out, int size)
{
    return LoadStringA(GetModuleHandleA(nullptr), id, out, size) > 0;
}
}  // namespace

namespace overlay_detail {
UINT SendFormatted(UINT verb, UINT format, const char* (*fill)(const char*, char*, size_t, const void*),
                   const void* values)
{
    if (!deviceOpen)
        return 0;
    char alias[10], word[80], fmt[129], args[256];
    if (!Load(520, alias, sizeof alias) || !Load(500 + verb, word, sizeof word))
        return 1;
    std::string command = std::string(word) + " " + alias + " ";
    if (format) {
        if (!Load(500 + format, fmt, sizeof fmt))
            return 1;
        command += fill(fmt, args, sizeof args, values);
    }
    MCIERROR error = mciSendStringA(command.c_str(), reply, sizeof reply, callbackWindow);
    if (error && showErrors && format != 67) {
        char text[256] = {}, caption[64] = {};
        mciGetErrorStringA(error, text, sizeof text);
        Load(340, caption, sizeof caption);
        MessageBoxA(GetActiveWindow(), text, caption, MB_OK);
    }
    return error;
}
}  // namespace overlay_detail

bool ShowOverlayErrors(bool on)
{
    bool previous = showErrors;
    showErrors = on;
    return previous;
}

void SetIndicatorSignal(UINT msg, HWND wnd)
{
    callbackWindow = wnd;
    SendOverlayCommand(kVerbSet, kFmtIndicatorSignal, static_cast<int>(msg));
    callbackWindow = nullptr;
    SendOverlayCommand(kVerbSet, kFmtIndicatorInterval, 100);
}

const char* OverlayReply() { return reply; }
void SetOverlayDeviceOpen() { deviceOpen = true; }
bool IsOverlayDeviceOpen() { return deviceOpen; }
