// The chroma key kept for the life of the program (never stored): the
// colour last picked, as red, green, blue (the dialog's swatch) and as Y, U,
// V (the key sent to the card), and the three tolerances the bars show.
// And the table of the tolerance bars.
#pragma once

struct ChromaState {
    int red = 0, green = 0, blue = 0;
    int y = 0, u = 0, v = 0;
    int tolerance[3] = {0, 0, 0};  // Y, U, V
};

ChromaState& ProcessChromaState();

// The tolerance a pick or a Stop starts the bars at.
constexpr int kDefaultTolerance = 10;

// One tolerance bar: its control, its value text, the "set" argument entry
// that sends it (Y, U and V go out as the red, green and blue limits), its
// range and page step.  The table ends with a row whose bar id is 0.
struct ToleranceRow {
    int bar;
    int valueText;
    unsigned setFormat;
    int minimum;
    int maximum;
    int page;
};

extern const ToleranceRow kToleranceRows[4];
constexpr int kToleranceCount = 3;
