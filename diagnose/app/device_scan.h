// CDeviceScan: the card's entries in the registry's device tree
// (HKLM\Enum\Root\<enumerator>\<instance>) and the problem code of each in
// the running configuration (HKEY_DYN_DATA\Config Manager\Enum).
#pragma once
#include "scan_rules.h"
#include <windows.h>

class CDeviceScan {
public:
    // Walks the device tree; returns 0, or the error of a key that could not be opened.
    LONG Scan();
    std::size_t Count() const { return entries_.Count(); }
    const std::string& Key(std::size_t i) const { return entries_.Key(i); }
    // Looks up the problem code of entry `i`; also kept as Problem().
    int LookUpProblem(std::size_t i);
    int Problem() const { return problem_; }

private:
    diag::CardEntries entries_;
    int problem_ = -1;
};

// The values of an open key, in enumeration order, with data buffers of at
// least `minimumData` bytes (names up to 128 characters); reading ends at the
// first value that cannot be enumerated, or after `limit` values.
std::vector<diag::RegValue> ReadValues(HKEY key, DWORD minimumData, DWORD limit);
