// The driver's description of a picture file: "get" with the file
// information query answers its format number, width and height.  The query
// never raises the command layer's error box: a file the driver cannot read
// is an answer, not an error.
#pragma once
#include <windows.h>
#include <optional>
#include <string>

struct PictureFileInfo {
    int format = 0;  // the format names are entries 400 + format
    int width = 0;
    int height = 0;
};

// Nothing when the driver cannot read the file or its answer is not three
// numbers.
std::optional<PictureFileInfo> QueryPictureFileInfo(const std::string& path);

// Tells the user that the driver cannot read a file: "File format of %1 is
// not supported." with the path, captioned "Load Image".
void ShowFormatNotSupported(HWND owner, const std::string& path);
