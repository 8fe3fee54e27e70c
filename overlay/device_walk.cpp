#include "device_walk.h"
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

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

const DeviceOpenEnvironment& CurrentDeviceOpenEnvironment()
{
    return environment;
}

bool OpenOverlayDeviceFor(overlay::COverlayLink& link, const OverlayOpenEntries& entries,
                          bool (*checkFree)(const char* driverName))
{
    char entry[64];
    LoadEntry(entries.driverName, entry, sizeof entry);
    const std::string driver = Lower(entry);
    const char* section = OverlayWindowsMajorVersion() == 4 ? "MCI" : "MCI32";

    // The key names of the section, each ended by a terminator, the list
    // ended by an empty name.
    const DWORD size = entries.bufferSize;
    std::vector<char> keys(size + 1, '\0');
    GetPrivateProfileStringA(section, nullptr, "", keys.data(), size, environment.profileFile);
    constexpr size_t kListLimit = 256;
    size_t pos = 0;
    while (pos < kListLimit && pos < size && keys[pos] != '\0') {
        const char* key = keys.data() + pos;
        size_t length = strnlen(key, size - pos);
        pos += length + 1;
        if (Lower(key).find("overlay") == std::string::npos)
            continue;
        std::vector<char> value(size + 1, '\0');
        GetPrivateProfileStringA(section, key, "", value.data(), size, environment.profileFile);
        if (Lower(value.data()).find(driver) == std::string::npos)
            continue;
        if (checkFree && !checkFree(driver.c_str()))
            return false;
        char format[128], command[256];
        LoadEntry(kIdsOpenCommand, format, sizeof format);
        std::snprintf(command, sizeof command, format, key);
        if (environment.sendString(command, nullptr, 0, nullptr) == 0) {
            link.SetDeviceOpen(true);
            return true;
        }
    }
    char text[512], caption[128];
    LoadEntry(entries.couldNotInitialize, text, sizeof text);
    LoadEntry(entries.openErrorCaption, caption, sizeof caption);
    MessageBoxA(GetActiveWindow(), text, caption, MB_OK | MB_ICONHAND);
    return false;
}
