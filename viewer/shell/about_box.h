// The About box: the one of the card software's shared resource library when
// it is installed, else a plain box of our own.
#pragma once
#include <windows.h>

// The request block the library's entry takes: fifteen 32-bit fields on
// 32-bit Windows (handles are pointer-sized elsewhere).
struct AboutBoxRequest {
    DWORD size;
    HINSTANCE instance;
    HWND owner;
    DWORD resourceId;     // icon and title
    DWORD creditString;   // string entry of the credit line
    DWORD reserved1[4];
    DWORD style;          // 32
    DWORD reserved2[5];
};
#ifndef _WIN64
static_assert(sizeof(AboutBoxRequest) == 60, "the library expects a 60-byte block");
#endif

// Shows the library's box; false when the library or its entry is missing.
bool ShowLibraryAboutBox(HWND owner, HINSTANCE instance, UINT resourceId, UINT creditString);
// Our own box: icon, title and credit line from the program's resources.
void ShowPlainAboutBox(HWND owner, HINSTANCE instance, UINT resourceId, UINT creditString);
