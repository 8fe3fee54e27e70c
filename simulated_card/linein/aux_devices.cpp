#include "aux_devices.h"

#include <sstream>

namespace kxaux {
namespace {

const char kKey[] = "Software\\KX310\\Simulated Card";
constexpr DWORD kDefaultVolume = 0x80008000;
constexpr size_t kMaxDevices = 8;

std::string VolumeName(UINT device)
{
    return "AuxVolume" + std::to_string(device);
}

}  // namespace

std::vector<Kind> ReadDevices()
{
    std::string list = "cd linein";
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, KEY_QUERY_VALUE, &key) == ERROR_SUCCESS) {
        char text[256] = {};
        DWORD type = 0, size = sizeof text - 1;
        if (RegQueryValueExA(key, "AuxDevices", nullptr, &type, reinterpret_cast<BYTE*>(text), &size) ==
                ERROR_SUCCESS &&
            type == REG_SZ)
            list = text;
        RegCloseKey(key);
    }
    std::vector<Kind> devices;
    std::istringstream words(list);
    std::string word;
    while (devices.size() < kMaxDevices && words >> word) {
        if (word == "linein")
            devices.push_back(Kind::LineIn);
        else if (word == "linein-mono")
            devices.push_back(Kind::LineInMono);
        else if (word == "cd")
            devices.push_back(Kind::CdAudio);
    }
    return devices;
}

DWORD ReadVolume(UINT device)
{
    DWORD volume = kDefaultVolume;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, KEY_QUERY_VALUE, &key) == ERROR_SUCCESS) {
        DWORD type = 0, value = 0, size = sizeof value;
        if (RegQueryValueExA(key, VolumeName(device).c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value),
                             &size) == ERROR_SUCCESS &&
            type == REG_DWORD && size == sizeof value)
            volume = value;
        RegCloseKey(key);
    }
    return volume;
}

void WriteVolume(UINT device, DWORD volume)
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return;
    RegSetValueExA(key, VolumeName(device).c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&volume),
                   sizeof volume);
    RegCloseKey(key);
}

}  // namespace kxaux
