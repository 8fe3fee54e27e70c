// The type words of the driver's "copy" command, from the clipboard options:
// colour 0 24-bit true colour, 1 8-bit palettized, 2 8-bit grayscale,
// 3 4-bit palettized; format 0 DIB, 1 DDB.  Returned as string-table entries
// in the order they are joined.
#pragma once
#include <vector>

enum ClipboardTypeEntry : unsigned {
    kTypeDib = 442,     // "DIB"
    kTypeDdb = 443,     // "DDB"
    kType24Bit = 451,   // " 24-bit"
    kType8Bit = 453,    // " 8-bit"
    kType4Bit = 454,    // " 4-bit"
    kTypeGray = 455,    // " gray"
};

constexpr unsigned kClipboardColours = 4;
constexpr unsigned kClipboardFormats = 2;

// Kind word, depth word, then " gray" for the grayscale colour.  A 24-bit
// copy is always a DIB, whatever the format says.
std::vector<unsigned> ClipboardTypeEntries(unsigned colour, unsigned format);
