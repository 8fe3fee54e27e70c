// Reading a switch or a choice from the settings store: a value outside its
// range counts as missing and reads as the default.
#pragma once
#include "viewer_settings.h"

inline int ReadChoice(UINT section, UINT value, int fallback, int count)
{
    DWORD stored = ViewerSettings().ReadNumber(section, value, static_cast<DWORD>(fallback));
    return stored < static_cast<DWORD>(count) ? static_cast<int>(stored) : fallback;
}

inline int ReadSwitch(UINT section, UINT value, int fallback)
{
    return ReadChoice(section, value, fallback, 2);
}
