// Texts from the program's string table.
#pragma once
#include <windows.h>
#include <string>

namespace framework {

// The entry's text, or an empty text when the entry does not exist.
std::string LoadText(UINT id, HINSTANCE module = nullptr);
// Like LoadText, but says whether the entry exists (an entry may be empty).
bool TryLoadText(UINT id, std::string& text, HINSTANCE module = nullptr);
// The part of a command prompt entry "status line text\ntool tip" before
// (part 0) or after (part 1) the line break.
std::string PromptPart(const std::string& prompt, int part);
// A message box whose text and caption are string-table entries.
int MessageBoxFromTable(HWND owner, UINT textId, UINT captionId, UINT type);

}  // namespace framework
