#include "card_settings.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>

namespace kxcard {

int InputIndex(int source)
{
    for (int i = 0; i < 3; ++i)
        if (kInputs[i] == source)
            return i;
    return -1;
}

KeyingOptions CardSettings::Keying() const
{
    KeyingOptions k;
    k.videoKey = videoKey;
    k.keyColour = keyColour;
    k.chromaKey = chromaKey;
    k.chroma = chroma;
    k.tolerance = tolerance;
    return k;
}

namespace {

struct Field {
    const char* name;
    int min, max;
    int* (*get)(CardSettings&);
};

// The stored fields; booleans are kept as 0 and 1, the key colour as a
// Windows colour value.
int* Hue(CardSettings& s) { return &s.colour.hue; }
int* Brightness(CardSettings& s) { return &s.colour.brightness; }
int* Saturation(CardSettings& s) { return &s.colour.saturation; }
int* Contrast(CardSettings& s) { return &s.colour.contrast; }
int* Red(CardSettings& s) { return &s.colour.red; }
int* Green(CardSettings& s) { return &s.colour.green; }
int* Blue(CardSettings& s) { return &s.colour.blue; }
int* Source(CardSettings& s) { return &s.source; }
int* Signal0(CardSettings& s) { return &s.signalType[0]; }
int* Signal1(CardSettings& s) { return &s.signalType[1]; }
int* Signal3(CardSettings& s) { return &s.signalType[2]; }
int* SkewWinX(CardSettings& s) { return &s.skewWinX; }
int* SkewWinY(CardSettings& s) { return &s.skewWinY; }
int* SkewDispX(CardSettings& s) { return &s.skewDispX; }
int* SkewDispY(CardSettings& s) { return &s.skewDispY; }
int* KeyCorrect(CardSettings& s) { return &s.keyCorrect; }

const Field kFields[] = {
    {"hue", kColourMin, kColourMax, Hue},
    {"brightness", kColourMin, kColourMax, Brightness},
    {"saturation", kColourMin, kColourMax, Saturation},
    {"contrast", kColourMin, kColourMax, Contrast},
    {"red", kColourMin, kColourMax, Red},
    {"green", kColourMin, kColourMax, Green},
    {"blue", kColourMin, kColourMax, Blue},
    {"source", 0, 3, Source},
    {"signal0", kSignalNone, kSignalMax, Signal0},
    {"signal1", kSignalNone, kSignalMax, Signal1},
    {"signal3", kSignalNone, kSignalMax, Signal3},
    {"skewwinx", 0, kSkewMax, SkewWinX},
    {"skewwiny", 0, kSkewMax, SkewWinY},
    {"skewdispx", 0, kSkewMax, SkewDispX},
    {"skewdispy", 0, kSkewMax, SkewDispY},
    {"keycorrect", 0, kKeyCorrectMax, KeyCorrect},
};

std::uint32_t ColourRef(Pixel p) { return p.r | (p.g << 8) | (static_cast<std::uint32_t>(p.b) << 16); }

} // namespace

std::string ConfigText(const CardSettings& in)
{
    CardSettings s = in;
    std::ostringstream out;
    for (const Field& f : kFields)
        out << f.name << '=' << *f.get(s) << ' ';
    out << "flip=" << (s.verticalFlip ? 1 : 0) << " videokey=" << (s.videoKey ? 1 : 0)
        << " keycolour=" << ColourRef(s.keyColour);
    return out.str();
}

void ApplyConfigText(const std::string& text, CardSettings& s)
{
    std::istringstream in(text);
    std::string word;
    while (in >> word) {
        auto eq = word.find('=');
        if (eq == std::string::npos)
            continue;
        std::string name = word.substr(0, eq), value = word.substr(eq + 1);
        char* end = nullptr;
        long long v = std::strtoll(value.c_str(), &end, 10);
        if (value.empty() || *end != '\0')
            continue;
        for (const Field& f : kFields)
            if (name == f.name && v >= f.min && v <= f.max)
                *f.get(s) = static_cast<int>(v);
        if (name == "flip" && (v == 0 || v == 1))
            s.verticalFlip = v == 1;
        if (name == "videokey" && (v == 0 || v == 1))
            s.videoKey = v == 1;
        if (name == "keycolour" && v >= 0 && v <= 0xFFFFFF)
            s.keyColour = Rgb(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF);
    }
    if (InputIndex(s.source) < 0)
        s.source = 0;
}

bool ParseInputsText(const std::string& text, int types[3])
{
    std::istringstream in(text);
    int read[3];
    for (int& t : read)
        if (!(in >> t) || t < kSignalNone || t > kSignalMax)
            return false;
    std::string rest;
    if (in >> rest)
        return false;
    std::copy(read, read + 3, types);
    return true;
}

} // namespace kxcard
