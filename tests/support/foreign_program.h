// Test support: another program, in a process of its own, whose windows a
// test watches, moves and closes: kx_foreign_window.exe (beside the test
// program), a top-level window with a child window and a sibling of the
// child, each in a solid colour.
#pragma once

#include <windows.h>

#include <string>

namespace kxtest {

class ForeignProgram {
public:
    static constexpr const char* kTopLevelClass = "KxForeignTopLevel";
    static constexpr const char* kChildClass = "KxForeignChild";
    static constexpr const char* kSiblingClass = "KxForeignSibling";
    static constexpr COLORREF kClientColour = RGB(0, 96, 160);
    static constexpr COLORREF kChildColour = RGB(240, 220, 0);
    static constexpr COLORREF kSiblingColour = RGB(0, 200, 80);
    // Where the child windows sit in the top-level window's client area.
    static constexpr RECT kChildPlace = {20, 20, 180, 120};
    static constexpr RECT kSiblingPlace = {220, 20, 300, 80};

    // Starts the program with its window titled `title` at `where` (screen
    // coordinates of the whole window) and waits until its windows exist.
    explicit ForeignProgram(const std::string& title, RECT where = {120, 120, 600, 480});
    // Closes the program if it still runs; ends its process if it does not end.
    ~ForeignProgram();
    ForeignProgram(const ForeignProgram&) = delete;
    ForeignProgram& operator=(const ForeignProgram&) = delete;

    bool Started() const { return topLevel_ && child_ && sibling_; }
    HWND TopLevel() const { return topLevel_; }
    HWND Child() const { return child_; }
    HWND Sibling() const { return sibling_; }
    DWORD ProcessId() const { return processId_; }

    // Closes the top-level window as its close box does (WM_CLOSE) and
    // waits for the process to end; true when it ended.
    bool Close(DWORD timeoutMs = 5000);
    bool Running() const;

private:
    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
    HWND topLevel_ = nullptr;
    HWND child_ = nullptr;
    HWND sibling_ = nullptr;
};

// Moves a window (of any process) to `topLeft` in its parent's client
// coordinates (the screen for a top-level window), keeping its size,
// stacking and activation.
bool MoveWindowTo(HWND window, POINT topLeft);

// The window's client area in screen coordinates.
RECT ClientOnScreen(HWND window);

} // namespace kxtest
