// Everything the simulated card can be set to, the ranges it reports for
// them, and the text form in which the driver stores them as the card's
// configuration ("save" with the type "Config").
#pragma once

#include <optional>
#include <string>

#include "colour.h"
#include "keying.h"

namespace kxcard {

// The inputs: composite 0, composite 1 and S-Video (numbered 3).
constexpr int kInputs[3] = {0, 1, 3};
int InputIndex(int source);   // 0..2, or -1 for no such input

// Signal types as the setup tool shows them: 0 NTSC ... 5 SECAM; -1 none.
constexpr int kSignalNone = -1;
constexpr int kSignalMax = 5;

constexpr int kSkewMax = 63;
constexpr int kSkewNeutral = 32;
constexpr int kKeyCorrectMax = 15;

struct CardSettings {
    ColourSettings colour;
    int source = 0;
    int signalType[3] = {1, 1, 1};   // PAL on every input
    bool verticalFlip = false;
    int cardType = 3;
    bool videoKey = true;
    Pixel keyColour = Rgb(255, 0, 255);
    bool chromaKey = false;
    Yuv chroma;
    Yuv tolerance{10, 10, 10};
    int skewWinX = kSkewNeutral, skewWinY = kSkewNeutral;
    int skewDispX = kSkewNeutral, skewDispY = kSkewNeutral;
    int keyCorrect = 0;

    KeyingOptions Keying() const;
};

// The "Inputs" text: the signal arriving at input 0, input 1 and S-Video,
// three signal types (-1: no signal) separated by blanks.  False, `types`
// untouched, for anything else.
bool ParseInputsText(const std::string& text, int types[3]);

// The stored configuration: "name=value" words separated by blanks.  The
// chroma key and the choice of window are per session and not stored.
std::string ConfigText(const CardSettings& s);

// Reads a stored configuration over `s`; names it does not know and values
// out of range are skipped, so a damaged store never leaves a bad setting.
void ApplyConfigText(const std::string& text, CardSettings& s);

} // namespace kxcard
