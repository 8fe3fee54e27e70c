// Picture files through the codecs library: the seven formats, chosen on
// writing by the type words ("DIB 8-bit gray rle", "TIFF 24-bit lzw
// tiffopt 1", ...), recognised by content on reading.  Results are MCI
// error codes (0 on success).
#pragma once

#include <windows.h>

#include <string>

#include "card/picture.h"

namespace kxmci {

struct FileInfo {
    int format = 0;   // the format number of the file-information reply
    int width = 0;
    int height = 0;
};

DWORD IdentifyImageFile(const std::wstring& path, FileInfo& info);
DWORD ReadImageFile(const std::wstring& path, kxcard::Picture& pic);
DWORD WriteImageFile(const std::wstring& path, const std::string& typeWords, const kxcard::Picture& pic);

} // namespace kxmci
