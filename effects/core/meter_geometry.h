// What the progress meter shows for a range and a position: the percentage
// text and the width of the filled part.
#pragma once
#include <cstdio>

#include "mul_div.h"

namespace htfx {

struct MeterFigures {
    int percent;
    int filled_width;
};

inline MeterFigures MeterFor(int range, int position, int client_width)
{
    MeterFigures figures{0, 0};
    if (range > 0) {
        figures.percent = position * 100 / range;
        figures.filled_width = MulDiv(client_width, position, range);
    }
    return figures;
}

// The meter's text, "%d%%".
inline void MeterText(int percent, char* text, int size)
{
    std::snprintf(text, size_t(size), "%d%%", percent);
}

}  // namespace htfx
