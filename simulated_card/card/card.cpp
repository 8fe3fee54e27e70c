#include "card.h"

#include <sstream>

namespace kxcard {

namespace {
constexpr unsigned kFramesPerSecond = 25;
bool InRange(long long v, long long lo, long long hi) { return v >= lo && v <= hi; }
} // namespace

Card::Card() : memory_(kFrameWidth, kFrameHeight) {}

void Card::ReplaceSettings(const CardSettings& s)
{
    settings_ = s;
    map_ = ColourMap(settings_.colour);
    dirty_ = true;
}

void Card::ConnectInputs(const int types[3])
{
    for (int i = 0; i < 3; ++i) {
        noSignal_[i] = types[i] == kSignalNone;
        if (!noSignal_[i])
            settings_.signalType[i] = types[i];
    }
    dirty_ = true;
}

bool Card::HasSignal(int source) const
{
    const int index = InputIndex(source);
    return index >= 0 && !noSignal_[index];
}

CardError Card::SetNumber(NumberItem item, long long v)
{
    CardSettings& s = settings_;
    auto colour = [&](int& field) {
        if (!InRange(v, kColourMin, kColourMax))
            return CardError::OutOfRange;
        field = static_cast<int>(v);
        map_ = ColourMap(s.colour);
        dirty_ = true;
        return CardError::None;
    };
    auto ranged = [&](int& field, int lo, int hi) {
        if (!InRange(v, lo, hi))
            return CardError::OutOfRange;
        field = static_cast<int>(v);
        dirty_ = true;
        return CardError::None;
    };
    switch (item) {
    case NumberItem::Red: return colour(s.colour.red);
    case NumberItem::Green: return colour(s.colour.green);
    case NumberItem::Blue: return colour(s.colour.blue);
    case NumberItem::Hue: return colour(s.colour.hue);
    case NumberItem::Brightness: return colour(s.colour.brightness);
    case NumberItem::Saturation: return colour(s.colour.saturation);
    case NumberItem::Contrast: return colour(s.colour.contrast);
    case NumberItem::KeyColour:
        if (!InRange(v, 0, 0xFFFFFF))
            return CardError::OutOfRange;
        s.keyColour = Rgb(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF);
        return CardError::None;
    case NumberItem::SourceNumber:
        if (InputIndex(static_cast<int>(v)) < 0 || !InRange(v, 0, 3))
            return CardError::OutOfRange;
        s.source = static_cast<int>(v);
        dirty_ = true;
        return CardError::None;
    case NumberItem::CardType: return ranged(s.cardType, 2, 3);
    case NumberItem::ChromaRedLimit: return ranged(s.tolerance.y, 0, 255);
    case NumberItem::ChromaGreenLimit: return ranged(s.tolerance.u, 0, 255);
    case NumberItem::ChromaBlueLimit: return ranged(s.tolerance.v, 0, 255);
    case NumberItem::SkewWinX: return ranged(s.skewWinX, 0, kSkewMax);
    case NumberItem::SkewWinY: return ranged(s.skewWinY, 0, kSkewMax);
    case NumberItem::SkewDispX: return ranged(s.skewDispX, 0, kSkewMax);
    case NumberItem::SkewDispY: return ranged(s.skewDispY, 0, kSkewMax);
    case NumberItem::SignalType: return ranged(s.signalType[InputIndex(s.source)], kSignalNone, kSignalMax);
    case NumberItem::KeyCorrect: return ranged(s.keyCorrect, 0, kKeyCorrectMax);
    }
    return CardError::BadValue;
}

void Card::SetVerticalFlip(bool on)
{
    settings_.verticalFlip = on;
    dirty_ = true;
}

CardError Card::SetChromaKey(long long mode, long long y, long long u, long long v)
{
    // The numbers arrive as 32-bit values; -1 may come as 4294967295.
    auto as_int = [](long long n) { return static_cast<long long>(static_cast<std::int32_t>(n)); };
    mode = as_int(mode);
    if (mode == -1) {
        settings_.chromaKey = false;
        return CardError::None;
    }
    y = as_int(y), u = as_int(u), v = as_int(v);
    // U and V may be given as signed values or as their low bytes.
    if (u > 127 && u <= 255)
        u -= 256;
    if (v > 127 && v <= 255)
        v -= 256;
    if (mode != 0 || !InRange(y, 0, 255) || !InRange(u, -128, 127) || !InRange(v, -128, 127))
        return CardError::OutOfRange;
    settings_.chromaKey = true;
    settings_.chroma = Yuv{static_cast<int>(y), static_cast<int>(u), static_cast<int>(v)};
    return CardError::None;
}

std::string Card::Reply(QueryItem item) const
{
    const CardSettings& s = settings_;
    std::ostringstream out;
    switch (item) {
    case QueryItem::Display:
        out << s.colour.brightness << ' ' << s.colour.saturation << ' ' << s.colour.contrast << ' ' << s.colour.hue;
        break;
    case QueryItem::Rgb: out << s.colour.red << ' ' << s.colour.green << ' ' << s.colour.blue; break;
    case QueryItem::VideoKey: out << (s.videoKey ? 1 : 0) << ' ' << s.keyCorrect; break;
    case QueryItem::Video:
        out << s.source << ' ' << (HasSignal(s.source) ? s.signalType[InputIndex(s.source)] : kSignalNone);
        break;
    case QueryItem::Skew: out << s.skewWinX << ' ' << s.skewWinY << ' ' << s.skewDispX << ' ' << s.skewDispY; break;
    case QueryItem::LimitDisplay:
    case QueryItem::LimitVideo: out << 0 << ' ' << kSkewMax << ' ' << 0 << ' ' << kSkewMax; break;
    case QueryItem::LimitVideoKeyCorrect: out << 0 << ' ' << kKeyCorrectMax; break;
    case QueryItem::LimitRed:
    case QueryItem::LimitGreen:
    case QueryItem::LimitBlue:
    case QueryItem::LimitHue:
    case QueryItem::LimitBrightness:
    case QueryItem::LimitSaturation:
    case QueryItem::LimitContrast: out << kColourMin << ' ' << kColourMax; break;
    case QueryItem::LimitChromaKey: out << 0 << ' ' << 255; break;
    case QueryItem::ChromaKey:
        out << (s.chromaKey ? 0 : -1) << ' ' << s.chroma.y << ' ' << s.chroma.u << ' ' << s.chroma.v << ' '
            << s.tolerance.y << ' ' << s.tolerance.u << ' ' << s.tolerance.v;
        break;
    }
    return out.str();
}

void Card::Redraw(unsigned frame)
{
    TestPictureOptions o;
    o.source = settings_.source;
    o.frame = frame;
    o.verticalFlip = settings_.verticalFlip;
    o.shiftX = kSkewNeutral - settings_.skewDispX;
    o.shiftY = kSkewNeutral - settings_.skewDispY;
    o.noSignal = !HasSignal(settings_.source);
    DrawTestPicture(o, map_, WriteMemory());
    frameNumber_ = frame;
    dirty_ = false;
}

void Card::Live(std::uint64_t ms)
{
    if (frozen_)
        return;
    unsigned frame = static_cast<unsigned>(ms * kFramesPerSecond / 1000);
    if (dirty_ || frame != frameNumber_)
        Redraw(frame);
}

void Card::Freeze(std::uint64_t ms)
{
    Live(ms);
    frozen_ = true;
}

void Card::PutFrame(const Rect& r, bool deferred)
{
    pendingFrame_ = r;
    if (!deferred)
        placement_.Set(pendingFrame_, pendingSource_);
}

void Card::PutSource(const Rect& r, bool deferred)
{
    pendingSource_ = r;
    if (!deferred)
        placement_.Set(pendingFrame_, pendingSource_);
}

void Card::PutDestination(const Rect* frame)
{
    if (frame)
        pendingFrame_ = *frame;
    placement_.Set(pendingFrame_, pendingSource_);
}

} // namespace kxcard
