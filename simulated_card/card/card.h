// The simulated card itself, without any window or file behind it: its
// settings, its frame memory with the live test picture, the placement of
// frame memory in the caller's window, and the replies of its queries.
#pragma once

#include <cstdint>
#include <string>

#include "card_settings.h"
#include "picture.h"
#include "placement.h"
#include "test_picture.h"

namespace kxcard {

enum class CardError { None, OutOfRange, BadValue };

// Settings that take one number ("set" ... "to %d").
enum class NumberItem {
    Red, Green, Blue, Hue, Brightness, Saturation, Contrast,
    KeyColour, SourceNumber, CardType,
    ChromaRedLimit, ChromaGreenLimit, ChromaBlueLimit,
    SkewWinX, SkewWinY, SkewDispX, SkewDispY,
    SignalType, KeyCorrect,
};

// Queries ("get") answered from the settings alone.
enum class QueryItem {
    Display, Rgb, VideoKey, Video, Skew, LimitDisplay, LimitVideoKeyCorrect, LimitVideo,
    LimitRed, LimitGreen, LimitBlue, LimitHue, LimitBrightness, LimitSaturation, LimitContrast,
    LimitChromaKey, ChromaKey,
};

class Card {
public:
    Card();

    const CardSettings& Settings() const { return settings_; }
    void ReplaceSettings(const CardSettings& s);

    // The signals at the inputs (from the "Inputs" value at each open): -1
    // leaves an input without a signal, any other type becomes the input's
    // signal type.  An input without a signal answers -1 and shows a dark
    // picture, whatever signal type is set for it.
    void ConnectInputs(const int types[3]);
    bool HasSignal(int source) const;

    CardError SetNumber(NumberItem item, long long value);
    void SetVerticalFlip(bool on);
    void SetVideoKey(bool on) { settings_.videoKey = on; }
    // "chroma key to %d %d %d %d": 0 and a Y, U, V key switch chroma keying
    // on, -1 switches it off.
    CardError SetChromaKey(long long mode, long long y, long long u, long long v);

    std::string Reply(QueryItem item) const;

    // Frame memory and the live picture.  Live() brings frame memory up to
    // the picture of time `ms` unless it is frozen.
    void Live(std::uint64_t ms);
    void Freeze(std::uint64_t ms);
    void Unfreeze() { frozen_ = false; }
    bool Frozen() const { return frozen_; }
    unsigned FrameNumber() const { return frameNumber_; }
    const Picture& Memory() const { return memory_; }
    // Frame memory for a writer: counts as a change of the picture.
    Picture& WriteMemory()
    {
        ++memoryVersion_;
        return memory_;
    }
    void ClearMemory() { WriteMemory().Fill(Pixel{}); }
    // Changes whenever frame memory may have changed: a new live frame or a
    // write.  The presenter sends a picture again only after a change.
    std::uint64_t MemoryVersion() const { return memoryVersion_; }

    // Placement: "put" with "frame at"/"source at" (deferred until
    // "destination", or at once), "destination at" for the frame rectangle.
    void PutFrame(const Rect& r, bool deferred);
    void PutSource(const Rect& r, bool deferred);
    void PutDestination(const Rect* frame);
    const Placement& CurrentPlacement() const { return placement_; }

private:
    void Redraw(unsigned frame);

    CardSettings settings_;
    ColourMap map_;
    Picture memory_;
    Placement placement_;
    Rect pendingFrame_, pendingSource_;
    bool noSignal_[3] = {false, false, false};
    bool frozen_ = false;
    bool dirty_ = true;
    unsigned frameNumber_ = 0;
    std::uint64_t memoryVersion_ = 0;
};

} // namespace kxcard
