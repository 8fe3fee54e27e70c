// Test support: real mouse and keyboard input, as a person gives it.  The
// X pointer and keyboard of the test session's display are driven with
// xdotool (a Linux program, which Wine starts like any other); the program
// under test receives the input through the X server like a user's.
#pragma once

#include <windows.h>

#include <string>

namespace kxtest {

// Runs xdotool with `arguments` and waits for it; false when it could not run.
bool XdoTool(const std::string& arguments);

// Moves the pointer to a screen point; presses and releases a button
// (1 left, 3 right).
bool MoveMouse(POINT to);
bool PressButton(int button);
bool ReleaseButton(int button);
// Presses at `from`, moves to `to` in a few steps, releases there; this
// thread's messages are handled all the while.
bool DragMouse(POINT from, POINT to, int steps = 8);
// Types a key by its X name ("Escape", "ctrl+b").
bool PressKey(const std::string& key);

}  // namespace kxtest
