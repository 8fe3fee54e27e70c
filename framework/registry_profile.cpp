#include "registry_profile.h"
#include "handles.h"
#include <cstring>

namespace framework {
namespace {

constexpr REGSAM kAccess = KEY_READ | KEY_CREATE_SUB_KEY | KEY_SET_VALUE;

HKEY CreateChild(HKEY parent, const std::string& name)
{
    HKEY key = nullptr;
    DWORD disposition = 0;
    if (RegCreateKeyExA(parent, name.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, kAccess, nullptr, &key,
                        &disposition) != ERROR_SUCCESS)
        return nullptr;
    return key;
}

}  // namespace

HKEY CRegistryProfile::OpenSection(const char* section) const
{
    if (!IsSet())
        return nullptr;
    HKEY raw = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, kAccess, &raw) != ERROR_SUCCESS)
        return nullptr;
    RegKey software(raw);
    RegKey company(CreateChild(software.get(), company_));
    if (!company)
        return nullptr;
    RegKey app(CreateChild(company.get(), application_));
    if (!app)
        return nullptr;
    return CreateChild(app.get(), section);
}

DWORD CRegistryProfile::ReadNumber(const char* section, const char* name, DWORD fallback) const
{
    RegKey key(OpenSection(section));
    if (!key)
        return fallback;
    DWORD value = 0, type = 0, size = sizeof value;
    if (RegQueryValueExA(key.get(), name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof value)
        return fallback;
    return value;
}

std::string CRegistryProfile::ReadText(const char* section, const char* name, const char* fallback) const
{
    RegKey key(OpenSection(section));
    if (!key)
        return fallback;
    DWORD type = 0, size = 0;
    if (RegQueryValueExA(key.get(), name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS || type != REG_SZ)
        return fallback;
    std::string text(size + 1, '\0');
    if (RegQueryValueExA(key.get(), name, nullptr, &type, reinterpret_cast<BYTE*>(text.data()), &size) !=
        ERROR_SUCCESS)
        return fallback;
    text.resize(strnlen(text.c_str(), size));
    return text;
}

bool CRegistryProfile::WriteNumber(const char* section, const char* name, DWORD value) const
{
    RegKey key(OpenSection(section));
    return key && RegSetValueExA(key.get(), name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                                 sizeof value) == ERROR_SUCCESS;
}

bool CRegistryProfile::WriteText(const char* section, const char* name, const char* text) const
{
    RegKey key(OpenSection(section));
    if (!key)
        return false;
    if (!text)
        return RegDeleteValueA(key.get(), name) == ERROR_SUCCESS;
    return RegSetValueExA(key.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                          static_cast<DWORD>(strlen(text) + 1)) == ERROR_SUCCESS;
}

}  // namespace framework
