// Find File: a dialog that searches a directory tree for files matching a
// pattern, with a progress box the user can cancel, and hands the chosen
// file's full path back to the caller (the image Open dialog).
#pragma once
#include <windows.h>

// What the caller asks; the dialog reads it and writes the chosen file into
// the caller's buffers.  32-bit fields are DWORDs; handles and pointers are
// pointer-sized, so the block is 56 bytes in the 32-bit product.
struct FindFileRequest {
    DWORD structSize;          // sizeof(FindFileRequest)
    HWND owner;                // the window that owns the dialog
    HINSTANCE instance;        // where the templates, bitmaps and texts are loaded from
    const char* filter;        // description and pattern pairs; the last character separates them
    const char* customFilter;  // used instead of filter when given and filterIndex is 0
    DWORD customFilterSize;    // not read
    DWORD filterIndex;         // 1-based pair to take the pattern from; 0 = the first
    char* file;                // receives the chosen file's full path
    DWORD fileSize;            // size of file in characters, terminator included
    char* fileTitle;           // receives the file name part (may be null)
    DWORD fileTitleSize;       // size of fileTitle in characters
    const char* initialDir;    // where the dialog starts (may be null)
    const char* title;         // replaces the dialog's caption (may be null)
    DWORD fileOffset;          // receives the offset of the file name within file
};

#if defined(_WIN32) && !defined(_WIN64)
static_assert(sizeof(FindFileRequest) == 56, "the 32-bit request block is 56 bytes");
#endif

// Runs the Find File dialog modally.  Returns 1 when a file was chosen (its
// path is in request->file), 0 when the dialog was cancelled or could not be
// shown, or when the request is malformed.  The current drive and directory
// are the same afterwards as before.
int FindFile(FindFileRequest* request);
