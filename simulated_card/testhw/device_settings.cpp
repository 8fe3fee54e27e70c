#include "device_settings.h"

namespace testhw {

DWORD ReadDeviceValue(const DeviceValue& value)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kDeviceKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return value.fallback;
    DWORD data = 0;
    DWORD size = sizeof data;
    DWORD type = 0;
    LONG error = RegQueryValueExA(key, value.name, nullptr, &type, reinterpret_cast<BYTE*>(&data), &size);
    RegCloseKey(key);
    return error == ERROR_SUCCESS && type == REG_DWORD && size == sizeof data ? data : value.fallback;
}

}  // namespace testhw
