// The main window's saved rectangle as the settings store keeps it: the
// text "left top right bottom" of the normal (restored) window rectangle.
// Pure logic, without windows, so that it is tested natively.
#pragma once
#include <optional>
#include <string>

struct WindowBox {
    int left, top, right, bottom;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const WindowBox& o) const
    {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

// The rectangle of a saved text, or nothing unless it holds four integers.
std::optional<WindowBox> ParseWindowPlacement(const std::string& text);
std::string FormatWindowPlacement(const WindowBox& box);
// The window when nothing usable was saved: 500 by 380, centred on the screen.
WindowBox DefaultWindowPlacement(int screenWidth, int screenHeight);
// The saved rectangle when it can be read, else the default.
WindowBox WindowPlacementFromText(const std::string& text, int screenWidth, int screenHeight);
