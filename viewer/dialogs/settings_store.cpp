#include "settings_store.h"

#include "number_text.h"

#include <cstring>
#include <utility>
#include <vector>

namespace {

// Keys are closed on every path out of an operation.
class CRegKey {
public:
    explicit CRegKey(HKEY key = nullptr) : key_(key) {}
    ~CRegKey()
    {
        if (key_)
            RegCloseKey(key_);
    }
    CRegKey(const CRegKey&) = delete;
    CRegKey& operator=(const CRegKey&) = delete;
    HKEY get() const { return key_; }
    HKEY* out() { return &key_; }
    HKEY release() { return std::exchange(key_, nullptr); }

private:
    HKEY key_;
};

constexpr REGSAM kAccess = KEY_READ | KEY_CREATE_SUB_KEY | KEY_SET_VALUE;

bool CreateBelow(HKEY parent, const std::string& name, CRegKey& key)
{
    return !name.empty() && RegCreateKeyExA(parent, name.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, kAccess,
                                            nullptr, key.out(), nullptr) == ERROR_SUCCESS;
}

std::string LoadText(HINSTANCE strings, UINT entry)
{
    char text[256] = {};
    LoadStringA(strings, entry, text, sizeof text);
    return text;
}

}  // namespace

CSettingsStore::CSettingsStore(std::string company, std::string application)
    : strings_(GetModuleHandleA(nullptr)), company_(std::move(company)), application_(std::move(application))
{
}

CSettingsStore::CSettingsStore(HINSTANCE strings, UINT companyEntry, UINT applicationEntry)
    : strings_(strings), company_(LoadText(strings, companyEntry)), application_(LoadText(strings, applicationEntry))
{
}

std::string CSettingsStore::Name(UINT entry) const
{
    return LoadText(strings_, entry);
}

// Opens "Software", then opens or creates the company, application and
// section keys below it; returns the section key (the caller closes it) or
// null.
HKEY CSettingsStore::OpenSection(const char* section) const
{
    CRegKey software, company, application, sectionKey;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, kAccess, software.out()) != ERROR_SUCCESS)
        return nullptr;
    if (!CreateBelow(software.get(), company_, company) || !CreateBelow(company.get(), application_, application) ||
        !CreateBelow(application.get(), section ? section : "", sectionKey))
        return nullptr;
    return sectionKey.release();
}

DWORD CSettingsStore::ReadNumber(const char* section, const char* value, DWORD fallback) const
{
    if (!value || !*value)
        return fallback;
    CRegKey key(OpenSection(section));
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
    CRegKey key(OpenSection(section));
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
    CRegKey key(OpenSection(section));
    return key.get() && RegSetValueExA(key.get(), value, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                                       sizeof number) == ERROR_SUCCESS;
}

bool CSettingsStore::WriteText(const char* section, const char* value, const char* text) const
{
    if (!value || !*value)
        return false;
    CRegKey key(OpenSection(section));
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
