#include "colour_controls.h"

#include "number_text.h"
#include "overlay_vocabulary.h"
#include "resource.h"

#include <string>

namespace {

ColourControlRow g_rows[kColourControlCount + 1] = {
    {IDC_COLOR_HUE, IDC_COLOR_HUE_VALUE, 0, 0, 0, 0, overlay::kFmtLimitHue, overlay::kFmtHue, false},
    {IDC_COLOR_BRIGHTNESS, IDC_COLOR_BRIGHTNESS_VALUE, 0, 0, 0, 0, overlay::kFmtLimitBrightness,
     overlay::kFmtBrightness, false},
    {IDC_COLOR_SATURATION, IDC_COLOR_SATURATION_VALUE, 0, 0, 0, 0, overlay::kFmtLimitSaturation,
     overlay::kFmtSaturation, false},
    {IDC_COLOR_CONTRAST, IDC_COLOR_CONTRAST_VALUE, 0, 0, 0, 0, overlay::kFmtLimitContrast, overlay::kFmtContrast,
     false},
    {0, 0, 0, 0, 0, 0, 0, 0, false},
};

}  // namespace

ColourControlRow* ColourControls() { return g_rows; }

int ColourPageStep(int maximum)
{
    // In 64 bits, so that the largest maximum does not overflow.
    return static_cast<int>((static_cast<long long>(maximum) + 1) / 8);
}

bool ReadDisplayReply(const char* reply, ColourControlRow* rows)
{
    int values[4] = {};
    if (!reply || ScanNumbers(reply, values, 4) != 4)
        return false;
    // The reply's order is not the table's.
    rows[kControlBrightness].opening = values[0];
    rows[kControlSaturation].opening = values[1];
    rows[kControlContrast].opening = values[2];
    rows[kControlHue].opening = values[3];
    return true;
}

bool ReadLimitReply(const char* reply, ColourControlRow& row)
{
    int range[2] = {};
    if (!reply || ScanNumbers(reply, range, 2) != 2 || range[0] > range[1])
        return false;
    row.minimum = range[0];
    row.maximum = range[1];
    row.page = ColourPageStep(range[1]);
    return true;
}
