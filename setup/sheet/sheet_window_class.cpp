#include "sheet_window_class.h"

#include "resource.h"

#include <cstring>

ATOM RegisterSheetWindowClass()
{
    static ATOM atom = [] {
        HINSTANCE module = GetModuleHandleA(nullptr);
        WNDCLASSEXA cls{};
        cls.cbSize = sizeof cls;
        if (!GetClassInfoExA(nullptr, MAKEINTRESOURCEA(32770), &cls))
            return ATOM(0);
        cls.cbSize = sizeof cls;
        cls.hInstance = module;
        cls.lpszClassName = kSetupClassName;
        cls.hIcon = LoadIconA(module, MAKEINTRESOURCEA(IDI_SETUP));
        cls.hIconSm = nullptr;
        cls.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
        cls.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
        cls.lpszMenuName = nullptr;
        return RegisterClassExA(&cls);
    }();
    return atom;
}

bool UseWindowClass(void* dialogTemplate, ATOM atom)
{
    if (!dialogTemplate || !atom)
        return false;
    auto* words = static_cast<WORD*>(dialogTemplate);
    // DLGTEMPLATEEX starts with version 1 and the signature 0xFFFF.
    const bool extended = words[0] == 1 && words[1] == 0xFFFF;
    WORD* p = reinterpret_cast<WORD*>(static_cast<BYTE*>(dialogTemplate) + (extended ? 26 : 18));
    // The menu: none, an ordinal, or a name.
    if (*p == 0xFFFF) {
        p += 2;
    } else {
        while (*p)
            ++p;
        ++p;
    }
    WORD* cls = p;
    if (*cls != 0)
        return false;
    WORD* title = cls + 1;
    size_t length = 0;  // characters, terminator not counted
    while (title[length])
        ++length;
    if (length == 0)
        return false;
    // The caption moves one place on and loses its last character; what
    // follows it keeps its place.
    std::memmove(cls + 2, cls + 1, (length - 1) * sizeof(WORD));
    cls[1 + length] = 0;
    cls[0] = 0xFFFF;
    cls[1] = atom;
    return true;
}
