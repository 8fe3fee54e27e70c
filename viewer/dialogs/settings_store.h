// The viewer's settings store: number and text values by section and name
// in the current user's registry, under
//   HKEY_CURRENT_USER\Software\<entry 310>\<application title>\<section>.
// Nothing is cached: every read goes to the registry, so a value written is
// seen by the next read at once.  A key that cannot be opened or created
// makes reads return their defaults and writes do nothing.
#pragma once

#include "handles.h"

#include <windows.h>

#include <string>

class CSettingsStore {
public:
    // `company` is the two-level path below "Software", `application` the
    // program's title; names by entry come from the program's own strings.
    CSettingsStore(std::string company, std::string application);
    // Both names from the string table of `strings`.
    CSettingsStore(HINSTANCE strings, UINT companyEntry, UINT applicationEntry);

    // A number counts only when it is a 4-byte REG_DWORD.
    DWORD ReadNumber(const char* section, const char* value, DWORD fallback) const;
    std::string ReadText(const char* section, const char* value, const char* fallback = "") const;
    bool WriteNumber(const char* section, const char* value, DWORD number) const;
    // Writing a null text deletes the value.
    bool WriteText(const char* section, const char* value, const char* text) const;

    // Several numbers in one text; returns how many were stored (missing or
    // damaged texts give fewer).
    size_t ReadNumbers(const char* section, const char* value, int* numbers, size_t capacity) const;
    bool WriteNumbers(const char* section, const char* value, const int* numbers, size_t count) const;

    // The same, with section and value named by string-table entries of the
    // module given at construction (see settings_names.h).
    DWORD ReadNumber(UINT section, UINT value, DWORD fallback) const;
    std::string ReadText(UINT section, UINT value) const;
    bool WriteNumber(UINT section, UINT value, DWORD number) const;
    bool WriteText(UINT section, UINT value, const char* text) const;
    size_t ReadNumbers(UINT section, UINT value, int* numbers, size_t capacity) const;
    bool WriteNumbers(UINT section, UINT value, const int* numbers, size_t count) const;

    const std::string& company() const { return company_; }
    const std::string& application() const { return application_; }

private:
    framework::RegKey OpenSection(const char* section) const;
    std::string Name(UINT entry) const;

    HINSTANCE strings_ = nullptr;
    std::string company_;
    std::string application_;
};
