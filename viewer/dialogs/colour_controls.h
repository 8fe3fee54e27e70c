// The card's picture controls that the Color Settings dialog moves: one
// process-wide table of four rows (hue, brightness, saturation, contrast),
// ended by a row whose bar id is 0, and the reading of the driver's replies
// that fill it.  Windows-free, so that the rules are tested natively.
#pragma once

struct ColourControlRow {
    int bar;         // scroll bar id (0 ends the table)
    int valueText;   // the static that shows the position
    int opening;     // the value the card had when the dialog opened
    int minimum;
    int maximum;
    int page;        // the page step, (maximum + 1) / 8
    unsigned limitQuery;  // argument entry sent with "get" for the range
    unsigned setCommand;  // argument entry sent with "set" for a new value
    bool known;      // the last opening read this row's value and range
};

constexpr int kColourControlCount = 4;
enum ColourControl { kControlHue, kControlBrightness, kControlSaturation, kControlContrast };

// The table, in table order, and its end row.
ColourControlRow* ColourControls();

// The page step of a range ending at `maximum`, truncated toward zero.
int ColourPageStep(int maximum);

// Reads the "display" reply (brightness, saturation, contrast, hue, in that
// order) into the rows' opening values.  False, nothing changed, when the
// reply does not hold four integers.
bool ReadDisplayReply(const char* reply, ColourControlRow* rows);

// Reads a "limit ..." reply (minimum, maximum) into the row and works out
// its page step.  False, nothing changed, when it does not hold two integers
// or the minimum lies above the maximum.
bool ReadLimitReply(const char* reply, ColourControlRow& row);
