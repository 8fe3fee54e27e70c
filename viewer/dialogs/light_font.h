// The lighter font the viewer's dialogs give their information texts on
// Windows versions other than 4: the dialog's own font at weight 300.
#pragma once
#include "handles.h"
#include <initializer_list>

// Sets the light font on the dialog's controls `ids` and returns it; the
// caller keeps it for as long as the dialog lives.  Nothing (an empty owner)
// on version 4 or when the dialog has no font.
framework::GdiFont ApplyLightFont(HWND dialog, std::initializer_list<int> ids);
