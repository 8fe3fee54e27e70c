// The type words of the driver's "copy" command, from the clipboard options:
// colour 0 24-bit true colour, 1 8-bit palettized, 2 8-bit grayscale,
// 3 4-bit palettized; format 0 DIB, 1 DDB.  Returned as string-table entries
// in the order they are joined.
#pragma once
#include "resource.h"
#include <vector>

enum ClipboardTypeEntry : unsigned {
    kTypeDib = IDS_TYPE_DIB,      // "DIB"
    kTypeDdb = IDS_TYPE_DDB,      // "DDB"
    kType24Bit = IDS_TYPE_24BIT,  // " 24-bit"
    kType8Bit = IDS_TYPE_8BIT,    // " 8-bit"
    kType4Bit = IDS_TYPE_4BIT,    // " 4-bit"
    kTypeGray = IDS_TYPE_GRAY,    // " gray"
};

constexpr unsigned kClipboardColours = 4;
constexpr unsigned kClipboardFormats = 2;

// Kind word, depth word, then " gray" for the grayscale colour.  A 24-bit
// copy is always a DIB, whatever the format says.
std::vector<unsigned> ClipboardTypeEntries(unsigned colour, unsigned format);
