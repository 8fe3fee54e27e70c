#include "config_store.h"

#include <windows.h>

#include <vector>

namespace kxmci {

namespace {
const wchar_t kKey[] = L"Software\\KX310\\Simulated Card";
} // namespace

bool StoreConfig(const std::string& text)
{
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    LONG rc = RegSetValueExA(key, "Config", 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                             static_cast<DWORD>(text.size() + 1));
    RegCloseKey(key);
    return rc == ERROR_SUCCESS;
}

namespace {

std::string LoadText(const char* name)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return {};
    DWORD type = 0, size = 0;
    std::string text;
    if (RegQueryValueExA(key, name, nullptr, &type, nullptr, &size) == ERROR_SUCCESS && type == REG_SZ &&
        size < 4096) {
        std::vector<char> buf(size + 2, '\0');
        DWORD got = size + 1;
        if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buf.data()), &got) ==
            ERROR_SUCCESS)
            text = buf.data();
    }
    RegCloseKey(key);
    return text;
}

} // namespace

std::string LoadConfig()
{
    return LoadText("Config");
}

std::string LoadInputs()
{
    return LoadText("Inputs");
}

} // namespace kxmci
