#include "clipboard_type.h"

std::vector<unsigned> ClipboardTypeEntries(unsigned colour, unsigned format)
{
    unsigned depth = colour == 0 ? kType24Bit : colour == 3 ? kType4Bit : kType8Bit;
    unsigned kind = colour != 0 && format == 1 ? kTypeDdb : kTypeDib;
    std::vector<unsigned> entries{kind, depth};
    if (colour == 2)
        entries.push_back(kTypeGray);
    return entries;
}
