#include "device_tree.h"
#include <cstring>

namespace testhw {
namespace {

LONG SetString(HKEY key, const char* name, const char* text)
{
    return RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                          static_cast<DWORD>(std::strlen(text) + 1));
}

LONG WriteKey(HKEY root, const char* path, LONG (*fill)(HKEY))
{
    HKEY key = nullptr;
    LONG error = RegCreateKeyExA(root, path, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr);
    if (error != ERROR_SUCCESS)
        return error;
    error = fill(key);
    RegCloseKey(key);
    return error;
}

LONG FillInstance(HKEY key)
{
    LONG error = SetString(key, "DeviceDesc", kDeviceDesc);
    if (error == ERROR_SUCCESS)
        error = SetString(key, "Class", kClass);
    if (error == ERROR_SUCCESS)
        error = SetString(key, "Mfg", kMfg);
    return error;
}

LONG FillNode(HKEY key)
{
    LONG error = SetString(key, "HardWareKey", kHardwareKey);
    const BYTE problem[4] = {0, 0, 0, 0};
    if (error == ERROR_SUCCESS)
        error = RegSetValueExA(key, "Problem", 0, REG_BINARY, problem, sizeof problem);
    return error;
}

// Deletes a key with all its subkeys; a key that is not there is no error.
LONG DeleteTree(HKEY root, const char* path)
{
    HKEY key = nullptr;
    LONG error = RegOpenKeyExA(root, path, 0, KEY_READ | KEY_WRITE, &key);
    if (error == ERROR_FILE_NOT_FOUND)
        return ERROR_SUCCESS;
    if (error != ERROR_SUCCESS)
        return error;
    char name[256];
    for (;;) {
        DWORD length = sizeof name;
        if (RegEnumKeyExA(key, 0, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        error = DeleteTree(key, name);
        if (error != ERROR_SUCCESS)
            break;
    }
    RegCloseKey(key);
    return error != ERROR_SUCCESS ? error : RegDeleteKeyA(root, path);
}

}  // namespace

LONG InstallDeviceTree()
{
    LONG error = WriteKey(HKEY_LOCAL_MACHINE, kInstanceKey, FillInstance);
    if (error == ERROR_SUCCESS)
        error = WriteKey(HKEY_DYN_DATA, kConfigNode, FillNode);
    return error;
}

LONG RemoveDeviceTree()
{
    LONG error = DeleteTree(HKEY_LOCAL_MACHINE, "Enum\\Root\\KX310");
    LONG second = DeleteTree(HKEY_DYN_DATA, kConfigNode);
    return error != ERROR_SUCCESS ? error : second;
}

}  // namespace testhw
