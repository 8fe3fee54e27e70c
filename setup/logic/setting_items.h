// The settings the setup tool's bars adjust: for each, the format of its set
// command, the query that reads its value and the number of the value in the
// reply, and the query of its range and the number of the maximum.
#pragma once

#include "overlay_vocabulary.h"

namespace setup {

struct SettingItem {
    unsigned setFormat;
    unsigned readFormat;
    int valueNumber;
    unsigned limitFormat;
    int maximumNumber;
};

constexpr SettingItem kHue = {overlay::kFmtHue, overlay::kFmtDisplay, 4, overlay::kFmtLimitHue, 2};
constexpr SettingItem kBrightness = {overlay::kFmtBrightness, overlay::kFmtDisplay, 1, overlay::kFmtLimitBrightness, 2};
constexpr SettingItem kSaturation = {overlay::kFmtSaturation, overlay::kFmtDisplay, 2, overlay::kFmtLimitSaturation, 2};
constexpr SettingItem kContrast = {overlay::kFmtContrast, overlay::kFmtDisplay, 3, overlay::kFmtLimitContrast, 2};
constexpr SettingItem kWindowX = {overlay::kFmtSkewWinX, overlay::kFmtSkew, 1, overlay::kFmtLimitDisplay, 2};
constexpr SettingItem kWindowY = {overlay::kFmtSkewWinY, overlay::kFmtSkew, 2, overlay::kFmtLimitDisplay, 4};
constexpr SettingItem kDisplayX = {overlay::kFmtSkewDispX, overlay::kFmtSkew, 3, overlay::kFmtLimitVideo, 2};
constexpr SettingItem kDisplayY = {overlay::kFmtSkewDispY, overlay::kFmtSkew, 4, overlay::kFmtLimitVideo, 4};
constexpr SettingItem kKeyCorrect = {overlay::kFmtVideoKeyCorrect, overlay::kFmtVideoKey, 2, overlay::kFmtLimitVideoKeyCorrect, 2};

}  // namespace setup
