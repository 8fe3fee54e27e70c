// The application's help: one help file next to the program, named like it
// with the extension ".hlp", opened at a context number.
#pragma once
#include <windows.h>
#include <string>

namespace framework {

// Help contexts of dialogs: this base plus the dialog's template id.
constexpr DWORD kHelpResourceBase = 0x20000;

// The program's help file: its own path with ".hlp" for ".exe".
std::string HelpFilePath();
// Opens the help file at `context`, owned by `owner`.  Without a help file
// there is nothing to show: the request only beeps, so that no error box of
// the help viewer appears.  Returns whether help was opened.
bool ShowHelpContext(HWND owner, DWORD context);

}  // namespace framework
