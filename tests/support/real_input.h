// Test support: real mouse and keyboard input, as a person gives it.  The
// test's Wine session runs on an X server; xdotool moves its pointer and
// presses its buttons and keys, and Wine delivers them to the program as
// ordinary input (WM_MOUSEMOVE, WM_LBUTTONDOWN, capture, WM_KEYDOWN, ...).
// Inside Wine's virtual desktop, screen coordinates are X coordinates.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace kxtest {

// Runs xdotool with `arguments` (its command chain, e.g. "mousemove 10 20
// click 1") and returns when it has finished, calling `whileWaiting` (say, a
// message pump) as it waits.  False when it could not be run or did not
// finish within `timeoutMs`.
bool RunXdotool(const std::string& arguments, const std::function<void()>& whileWaiting = {},
                DWORD timeoutMs = 15000);

// Runs a command line of the test machine's shell (/bin/sh -c; no double
// quotes in it) in the same way.
bool RunUnixCommand(const std::string& command, const std::function<void()>& whileWaiting = {},
                    DWORD timeoutMs = 15000);

// Command chains for RunXdotool.
std::string MoveTo(POINT screen);
std::string ClickAt(POINT screen, int button = 1);
// Presses the left button at `from`, moves in steps to `to`, releases there.
std::string DragFromTo(POINT from, POINT to);

// The middle of a window's client area (or the given client point), on screen.
POINT ScreenPoint(HWND window, POINT client);
POINT ClientCentre(HWND window);

}  // namespace kxtest
