// The Find File dialog's owner-drawn lists: the drive drop-down list and the
// directory list (the current directory's path from the root down, then its
// subdirectories), with their pictures.
#pragma once
#include "find_file_rules.h"
#include "handles.h"

#include <windows.h>

#include <string>

namespace find_file {

// The list pictures, loaded from the dialog's module for one run.
class ListBitmaps {
public:
    explicit ListBitmaps(HINSTANCE instance);
    HBITMAP ForDirectory(DirKind kind) const;
    HBITMAP ForDrive(UINT driveType) const;  // null for a type without a picture
    int Height() const { return height_; }   // of the tallest picture

private:
    static constexpr int kDriveTypes = 5;  // removable, fixed, remote, CD-ROM, RAM disk
    framework::GdiBitmap subdirectory_, parent_, current_;
    framework::GdiBitmap drives_[kDriveTypes];
    int height_ = 0;
};

// The texts the lists are made of, from the string table.
struct ListTexts {
    std::string driveFormat;  // "%c%s"
    std::string driveGap;     // ":  "
    std::string drive;        // "%c:"
    std::string allFiles;     // "*.*"
};

// The drive number (0 = a) of the current directory; -1 when unknown.
int CurrentDrive();
// Changes to drive `number`'s current directory, without the system's
// "no disk" box; false when that fails.
bool ChangeToDrive(int number, const ListTexts& texts);
// The current directory, lower-cased; empty when it cannot be read.
std::string CurrentDirectory();

// Fills the drive list with every present drive and selects the current one.
void FillDrives(HWND combo, const ListTexts& texts);
// Selects the entry of drive `number`; false when the list has none.
bool SelectDrive(HWND combo, int number);
// The drive number of the selected entry; -1 when none is selected.
int SelectedDrive(HWND combo);

// Shows the current directory in the directory list (subdirectories listed
// through the hidden `scratch` list) and in `pathText`.  With `topFirst` the
// list starts at its first line; otherwise the line above the current
// directory is the top line when the list scrolls.
void ShowDirectory(HWND list, HWND scratch, HWND pathText, bool topFirst, const ListTexts& texts);
// The path a double-click on the list's selected entry changes to; empty for
// the current directory itself or when nothing is selected.
std::string PathForSelection(HWND list);

// The text of a list box's (or, with the combo box messages, a combo
// box's) item `index`, read whole; empty when there is no such item.
std::string ItemText(HWND list, UINT getLength, UINT getText, WPARAM index);

// The height of both lists' items: the larger of the font's and the
// pictures' height.
int ItemHeight(HWND dialog, const ListBitmaps& bitmaps);
// Draws one item of either list.
void DrawDriveItem(const DRAWITEMSTRUCT& item, const ListBitmaps& bitmaps);
void DrawDirectoryItem(const DRAWITEMSTRUCT& item, const ListBitmaps& bitmaps);

}  // namespace find_file
