#include "device_open.h"
#include "overlay_viewer.h"
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

DeviceOpenEnvironment environment;

// Configuration key names and values are compared without regard to case.
std::string Lower(const char* text)
{
    std::string s(text);
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

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

}  // namespace

DWORD OverlayWindowsMajorVersion()
{
    if (environment.majorVersion)
        return environment.majorVersion;
    static const DWORD major = [] {
        OSVERSIONINFOA info{};
        info.dwOSVersionInfoSize = sizeof info;
        return GetVersionExA(&info) ? info.dwMajorVersion : 0;
    }();
    return major;
}

DeviceOpenEnvironment SetDeviceOpenEnvironment(const DeviceOpenEnvironment& next)
{
    DeviceOpenEnvironment previous = environment;
    environment = next;
    return previous;
}

bool OpenOverlayDevice(char* text)
{
    if (text)
        text[0] = '\0';
    char entry[64];
    LoadEntry(kIdsDriverName, entry, sizeof entry);
    const std::string driver = Lower(entry);
    const char* section = IsVersion4() ? "MCI" : "MCI32";

    // The key names of the section, each ended by a terminator, the list
    // ended by an empty name.
    char keys[260] = {};
    GetPrivateProfileStringA(section, nullptr, "", keys, sizeof keys, environment.profileFile);
    constexpr size_t kListLimit = 256;
    size_t pos = 0;
    while (pos < kListLimit && keys[pos] != '\0') {
        const char* key = keys + pos;
        size_t length = strnlen(key, sizeof keys - pos);
        pos += length + 1;
        if (Lower(key).find("overlay") == std::string::npos)
            continue;
        char value[260] = {};
        GetPrivateProfileStringA(section, key, "", value, sizeof value, environment.profileFile);
        if (Lower(value).find(driver) == std::string::npos)
            continue;
        if (!CheckDriverFree(driver.c_str()))
            return false;
        char format[128], command[256];
        LoadEntry(kIdsOpenCommand, format, sizeof format);
        std::snprintf(command, sizeof command, format, key);
        if (environment.sendString(command, nullptr, 0, nullptr) == 0) {
            SetOverlayDeviceOpen();
            return true;
        }
    }
    ShowMessage(kIdsCouldNotInitialize, kIdsOpenErrorCaption, MB_OK | MB_ICONHAND);
    return false;
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
    if (environment.setupProgram) {
        std::snprintf(program, sizeof program, "%s", environment.setupProgram);
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
