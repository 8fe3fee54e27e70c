#include "settings_store.h"

#include "number_text.h"
#include "strings.h"

#include <cstring>
#include <vector>

namespace {

using framework::RegKey;

constexpr REGSAM kAccess = KEY_READ | KEY_CREATE_SUB_KEY | KEY_SET_VALUE;

// Opens or creates the key `name` below `parent`; null when that fails.
RegKey CreateBelow(HKEY parent, const std::string& name)
{
    HKEY key = nullptr;
    if (!parent || name.empty() ||
        RegCreateKeyExA(parent, name.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, kAccess, nullptr, &key, nullptr) !=
            ERROR_SUCCESS)
        return RegKey();
    return RegKey(key);
}

}  // namespace

CSettingsStore::CSettingsStore(std::string company, std::string application)
    : strings_(GetModuleHandleA(nullptr)), company_(std::move(company)), application_(std::move(application))
{
}

CSettingsStore::CSettingsStore(HINSTANCE strings, UINT companyEntry, UINT applicationEntry)
    : strings_(strings),
      company_(framework::LoadText(companyEntry, strings)),
      application_(framework::LoadText(applicationEntry, strings))
{
}

std::string CSettingsStore::Name(UINT entry) const
{
    return framework::LoadText(entry, strings_);
}

// Opens "Software", then opens or creates the company, application and
// section keys below it; returns the section key or null.
RegKey CSettingsStore::OpenSection(const char* section) const
{
    HKEY software = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, kAccess, &software) != ERROR_SUCCESS)
        return RegKey();
    RegKey softwareKey(software);
    RegKey company = CreateBelow(softwareKey.get(), company_);
    RegKey application = CreateBelow(company.get(), application_);
    return CreateBelow(application.get(), section ? section : "");
}

DWORD CSettingsStore::ReadNumber(const char* section, const char* value, DWORD fallback) const
{
    if (!value || !*value)
        return fallback;
    RegKey key = OpenSection(section);
    if (!key.get())
        return fallback;
    DWORD type = 0, number = 0, size = sizeof number;
    if (RegQueryValueExA(key.get(), value, nullptr, &type, reinterpret_cast<BYTE*>(&number), &size) != ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof number)
        return fallback;
    return number;
}

std::string CSettingsStore::ReadText(const char* section, const char* value, const char* fallback) const
{
    if (!value || !*value)
        return fallback;
    RegKey key = OpenSection(section);
    if (!key.get())
        return fallback;
    // The value may change size between the two calls; a few tries settle it.
    for (int attempt = 0; attempt < 3; ++attempt) {
        DWORD type = 0, size = 0;
        if (RegQueryValueExA(key.get(), value, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
            (type != REG_SZ && type != REG_EXPAND_SZ))
            return fallback;
        std::vector<char> data(size + 1, '\0');  // room for a terminator the value may lack
        DWORD got = size;
        LONG rc = RegQueryValueExA(key.get(), value, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &got);
        if (rc == ERROR_MORE_DATA)
            continue;
        if (rc != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ))
            return fallback;
        return std::string(data.data());
    }
    return fallback;
}

bool CSettingsStore::WriteNumber(const char* section, const char* value, DWORD number) const
{
    if (!value || !*value)
        return false;
    RegKey key = OpenSection(section);
    return key.get() && RegSetValueExA(key.get(), value, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                                       sizeof number) == ERROR_SUCCESS;
}

bool CSettingsStore::WriteText(const char* section, const char* value, const char* text) const
{
    if (!value || !*value)
        return false;
    RegKey key = OpenSection(section);
    if (!key.get())
        return false;
    if (!text)
        return RegDeleteValueA(key.get(), value) == ERROR_SUCCESS;
    return RegSetValueExA(key.get(), value, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                          static_cast<DWORD>(strlen(text) + 1)) == ERROR_SUCCESS;
}

size_t CSettingsStore::ReadNumbers(const char* section, const char* value, int* numbers, size_t capacity) const
{
    return ScanNumbers(ReadText(section, value), numbers, capacity);
}

bool CSettingsStore::WriteNumbers(const char* section, const char* value, const int* numbers, size_t count) const
{
    return WriteText(section, value, JoinNumbers(numbers, count).c_str());
}

DWORD CSettingsStore::ReadNumber(UINT section, UINT value, DWORD fallback) const
{
    return ReadNumber(Name(section).c_str(), Name(value).c_str(), fallback);
}

std::string CSettingsStore::ReadText(UINT section, UINT value) const
{
    return ReadText(Name(section).c_str(), Name(value).c_str());
}

bool CSettingsStore::WriteNumber(UINT section, UINT value, DWORD number) const
{
    return WriteNumber(Name(section).c_str(), Name(value).c_str(), number);
}

bool CSettingsStore::WriteText(UINT section, UINT value, const char* text) const
{
    return WriteText(Name(section).c_str(), Name(value).c_str(), text);
}

size_t CSettingsStore::ReadNumbers(UINT section, UINT value, int* numbers, size_t capacity) const
{
    return ReadNumbers(Name(section).c_str(), Name(value).c_str(), numbers, capacity);
}

bool CSettingsStore::WriteNumbers(UINT section, UINT value, const int* numbers, size_t count) const
{
    return WriteNumbers(Name(section).c_str(), Name(value).c_str(), numbers, count);
}
