#include "device_open.h"
#include "overlay_viewer.h"
#include <cstdio>
#include <cstring>
#include <string>

namespace {

bool LoadEntry(UINT id, char* out, int size)
{
    out[0] = '\0';
    return LoadStringA(GetModuleHandleA(nullptr), id, out, size) > 0;
}

int ShowMessage(UINT textId, UINT captionId, UINT type)
{
    char text[512], caption[128];
    LoadEntry(textId, text, sizeof text);
    LoadEntry(captionId, caption, sizeof caption);
    return MessageBoxA(GetActiveWindow(), text, caption, type);
}

bool IsVersion4() { return OverlayWindowsMajorVersion() == 4; }

constexpr OverlayOpenEntries kViewerOpenEntries = {kIdsDriverName, kIdsOpenErrorCaption, kIdsCouldNotInitialize, 260};

}  // namespace

bool OpenOverlayDevice(char* text)
{
    if (text)
        text[0] = '\0';
    return OpenOverlayDeviceFor(ViewerOverlayLink(), kViewerOpenEntries, CheckDriverFree);
}

bool CheckDriverFree(const char* driverName)
{
    std::string file = std::string(driverName) + (IsVersion4() ? ".drv" : ".dll");
    OFSTRUCT of{};
    if (OpenFile(file.c_str(), &of, OF_EXIST) == HFILE_ERROR)
        return true;  // not found: the open command decides
    HFILE held = OpenFile(file.c_str(), &of, OF_READ | OF_SHARE_EXCLUSIVE);
    if (held != HFILE_ERROR) {
        _lclose(held);
        return true;  // nobody holds the driver
    }
    char setupClass[64];
    LoadEntry(kIdsSetupWindowClass, setupClass, sizeof setupClass);
    if (HWND setup = FindWindowA(setupClass, nullptr)) {
        // Synchronous: the setup tool has closed the device and is ending
        // when this returns.
        SendMessageA(setup, RegisterWindowMessageA(kHandOverMessageName), 0, 0);
        return true;
    }
    ShowMessage(kIdsDriverInUse, kIdsOpenErrorCaption, MB_OK | MB_ICONHAND);
    return false;
}

bool LaunchSetupTool()
{
    if (ShowMessage(kIdsOpenSetupQuestion, kIdsOpenSetupCaption, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return true;
    char program[MAX_PATH], marker[64];
    if (CurrentDeviceOpenEnvironment().setupProgram) {
        std::snprintf(program, sizeof program, "%s", CurrentDeviceOpenEnvironment().setupProgram);
    } else if (!LoadEntry(kIdsSetupProgram, program, sizeof program)) {
        return false;
    }
    if (!LoadEntry(kIdsHandOverMarker, marker, sizeof marker))
        return false;
    OFSTRUCT of{};
    if (OpenFile(program, &of, OF_EXIST) == HFILE_ERROR)
        return false;
    SetErrorMode(SEM_NOOPENFILEERRORBOX);
    // The setup tool will take the device from us; the commands that fail
    // while it goes away must raise no error boxes.
    const bool reportsBefore = ShowOverlayErrors(false);
    std::string command = std::string(program) + " L=" + marker;
    if (WinExec(command.c_str(), SW_SHOW) < 32) {
        // Nothing will take the device after all: later driver errors must
        // be reported again.
        ShowOverlayErrors(reportsBefore);
        return false;
    }
    return true;
}
