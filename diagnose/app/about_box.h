// The About box of the maker's resource library "htres32.dll", loaded for
// the request only; without the library or its entry nothing is shown.
#pragma once
#include <windows.h>

// The request block of the library's entry: fifteen 32-bit fields on 32-bit
// Windows (handles are pointer-sized elsewhere).
struct AboutBoxRequest {
    DWORD size;
    HINSTANCE instance;
    HWND owner;
    DWORD iconId;
    DWORD creditString;
    DWORD reserved1[4];
    DWORD style;          // 32
    DWORD reserved2[5];
};
#ifndef _WIN64
static_assert(sizeof(AboutBoxRequest) == 60, "the library expects a 60-byte block");
#endif

// True when the library's entry was called.
bool ShowAboutBox(HWND owner, HINSTANCE instance, UINT iconId, UINT creditString);
