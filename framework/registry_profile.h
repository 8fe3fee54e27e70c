// A per-user store of numbers and texts by section and name, kept in the
// registry under HKEY_CURRENT_USER\Software\<company key>\<application>\<section>.
// Every operation opens the keys it needs (creating them) and closes them
// again; nothing is cached.
#pragma once
#include <windows.h>
#include <string>

namespace framework {

class CRegistryProfile {
public:
    CRegistryProfile() = default;
    CRegistryProfile(std::string companyKey, std::string application)
        : company_(std::move(companyKey)), application_(std::move(application)) {}

    bool IsSet() const { return !company_.empty(); }

    DWORD ReadNumber(const char* section, const char* name, DWORD fallback) const;
    std::string ReadText(const char* section, const char* name, const char* fallback = "") const;
    bool WriteNumber(const char* section, const char* name, DWORD value) const;
    // A null text deletes the value.
    bool WriteText(const char* section, const char* name, const char* text) const;

private:
    HKEY OpenSection(const char* section) const;

    std::string company_;
    std::string application_;
};

}  // namespace framework
