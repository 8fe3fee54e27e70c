// The window class of the setup sheet, "KX310SetupClass": a dialog class
// with the program's icon, by which the viewer and a second setup tool find
// the sheet.
#pragma once

#include <windows.h>

constexpr char kSetupClassName[] = "KX310SetupClass";

// Registers the class (once per process); its atom, or 0.
ATOM RegisterSheetWindowClass();
// Makes the sheet's dialog template (DLGTEMPLATE or DLGTEMPLATEEX, writable)
// name the class `atom`.  The template's caption loses its last character
// to make room; the sheet sets its own caption anyway.  False when the
// template already names a class or has no caption to shorten.
bool UseWindowClass(void* dialogTemplate, ATOM atom);
