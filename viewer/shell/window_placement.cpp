#include "window_placement.h"
#include <cstdio>

std::optional<WindowBox> ParseWindowPlacement(const std::string& text)
{
    WindowBox box{};
    if (std::sscanf(text.c_str(), "%d %d %d %d", &box.left, &box.top, &box.right, &box.bottom) != 4)
        return std::nullopt;
    return box;
}

std::string FormatWindowPlacement(const WindowBox& box)
{
    char text[64];
    std::snprintf(text, sizeof text, "%d %d %d %d", box.left, box.top, box.right, box.bottom);
    return text;
}

WindowBox DefaultWindowPlacement(int screenWidth, int screenHeight)
{
    constexpr int kWidth = 500, kHeight = 380;
    int left = (screenWidth - kWidth) / 2;
    int top = (screenHeight - kHeight) / 2;
    return WindowBox{left, top, left + kWidth, top + kHeight};
}

WindowBox WindowPlacementFromText(const std::string& text, int screenWidth, int screenHeight)
{
    if (auto box = ParseWindowPlacement(text))
        return *box;
    return DefaultWindowPlacement(screenWidth, screenHeight);
}
