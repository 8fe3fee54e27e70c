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

// Help files of their own name (the product's "readme.hlp", the system's
// "windows.hlp"), looked for in the program's folder, the Windows folder and
// its "help" folder.  Without the file the request only beeps, as above.
// With KX310HELP_LOG naming a file, every request also appends one line to
// it ("context FILE NUMBER" or "macro FILE TEXT"), so that tests can see what
// was asked of the help viewer.
bool ShowNamedHelpContext(HWND owner, const std::string& file, DWORD context);
// Runs the help macro JumpId(file, topic): the file opened at a named topic.
bool ShowNamedHelpTopic(HWND owner, const std::string& file, const std::string& topic);

}  // namespace framework
