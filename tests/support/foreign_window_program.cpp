// Another program for the tests and benchmarks: a top-level window with two
// child windows, in solid colours, in a process of its own.
//   kx_foreign_window TITLE [LEFT TOP WIDTH HEIGHT]
// Closing its window ends it.  foreign_program.h starts it and finds its
// windows by their classes and the title.
#include <windows.h>

#include <cstdlib>

#include "foreign_program.h"

namespace {

LRESULT CALLBACK TopLevelProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(wnd, msg, wp, lp);
}

ATOM RegisterSolidClass(const char* name, COLORREF colour, WNDPROC proc)
{
    WNDCLASSA wc{};
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = CreateSolidBrush(colour);
    wc.lpszClassName = name;
    return RegisterClassA(&wc);
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    const int argc = __argc;
    char** const argv = __argv;
    using kxtest::ForeignProgram;
    const char* title = argc > 1 ? argv[1] : "Foreign window";
    int place[4] = {120, 120, 480, 360};
    for (int i = 0; i < 4 && i + 2 < argc; ++i)
        place[i] = std::atoi(argv[i + 2]);
    RegisterSolidClass(ForeignProgram::kTopLevelClass, ForeignProgram::kClientColour, TopLevelProc);
    RegisterSolidClass(ForeignProgram::kChildClass, ForeignProgram::kChildColour, DefWindowProcA);
    RegisterSolidClass(ForeignProgram::kSiblingClass, ForeignProgram::kSiblingColour, DefWindowProcA);
    HWND top = CreateWindowA(ForeignProgram::kTopLevelClass, title, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, place[0],
                             place[1], place[2], place[3], nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!top)
        return 1;
    const RECT child = ForeignProgram::kChildPlace;
    CreateWindowA(ForeignProgram::kChildClass, "", WS_CHILD | WS_VISIBLE, child.left, child.top,
                  child.right - child.left, child.bottom - child.top, top, nullptr, GetModuleHandleA(nullptr),
                  nullptr);
    const RECT sibling = ForeignProgram::kSiblingPlace;
    CreateWindowA(ForeignProgram::kSiblingClass, "", WS_CHILD | WS_VISIBLE, sibling.left, sibling.top,
                  sibling.right - sibling.left, sibling.bottom - sibling.top, top, nullptr,
                  GetModuleHandleA(nullptr), nullptr);
    ShowWindow(top, SW_SHOWNORMAL);
    UpdateWindow(top);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
