// The keywords of "set" and "get" with their flags: what the command log
// writes for each and what the card does with it.  One table per verb, read
// by the command words (command_words.cpp) and by the device.
#pragma once

#include <windows.h>

#include "card/card.h"
#include "command_table.h"

namespace kxmci {

// Flags that every verb accepts and that change nothing here.
constexpr DWORD kCommonFlags = KXF_NOTIFY | KXF_WAIT;

enum class SetKind { Number, OnOff, Format, Chroma, Alloc, Signal, Interval };

struct SetItem {
    DWORD flag;
    const char* words;
    SetKind kind;
    kxcard::NumberItem item;
};

inline constexpr SetItem kSetItems[] = {
    {KXF_SET_RED, "red to", SetKind::Number, kxcard::NumberItem::Red},
    {KXF_SET_GREEN, "green to", SetKind::Number, kxcard::NumberItem::Green},
    {KXF_SET_BLUE, "blue to", SetKind::Number, kxcard::NumberItem::Blue},
    {KXF_SET_HUE, "hue to", SetKind::Number, kxcard::NumberItem::Hue},
    {KXF_SET_BRIGHTNESS, "brightness to", SetKind::Number, kxcard::NumberItem::Brightness},
    {KXF_SET_SATURATION, "saturation to", SetKind::Number, kxcard::NumberItem::Saturation},
    {KXF_SET_CONTRAST, "contrast to", SetKind::Number, kxcard::NumberItem::Contrast},
    {KXF_SET_KEY_COLOR, "video key color to", SetKind::Number, kxcard::NumberItem::KeyColour},
    {KXF_SET_SOURCE_NUMBER, "source number to", SetKind::Number, kxcard::NumberItem::SourceNumber},
    {KXF_SET_CARD_TYPE, "card type to", SetKind::Number, kxcard::NumberItem::CardType},
    {KXF_SET_CHROMA_RED_LIMIT, "chroma key red limit to", SetKind::Number, kxcard::NumberItem::ChromaRedLimit},
    {KXF_SET_CHROMA_GREEN_LIMIT, "chroma key green limit to", SetKind::Number, kxcard::NumberItem::ChromaGreenLimit},
    {KXF_SET_CHROMA_BLUE_LIMIT, "chroma key blue limit to", SetKind::Number, kxcard::NumberItem::ChromaBlueLimit},
    {KXF_SET_SKEW_WIN_X, "skew win addr x to", SetKind::Number, kxcard::NumberItem::SkewWinX},
    {KXF_SET_SKEW_WIN_Y, "skew win addr y to", SetKind::Number, kxcard::NumberItem::SkewWinY},
    {KXF_SET_SKEW_DISP_X, "skew disp addr x to", SetKind::Number, kxcard::NumberItem::SkewDispX},
    {KXF_SET_SKEW_DISP_Y, "skew disp addr y to", SetKind::Number, kxcard::NumberItem::SkewDispY},
    {KXF_SET_SIGNAL, "source to", SetKind::Number, kxcard::NumberItem::SignalType},
    {KXF_SET_KEY_CORRECT, "video key correct to", SetKind::Number, kxcard::NumberItem::KeyCorrect},
    {KXF_SET_INDICATOR_SIGNAL, "indicator signal to", SetKind::Signal, {}},
    {KXF_SET_INDICATOR_INTERVAL, "indicator interval to", SetKind::Interval, {}},
    {KXF_SET_VERTICAL_FLIP, "vertical flip", SetKind::OnOff, {}},
    {KXF_SET_VIDEO_KEY, "video key", SetKind::OnOff, {}},
    {KXF_SET_INDICATOR, "indicator", SetKind::OnOff, {}},
    {KXF_SET_MEMORY_FORMAT, "memory buffer format to", SetKind::Format, {}},
    {KXF_SET_CHROMA_KEY, "chroma key to", SetKind::Chroma, {}},
    {KXF_SET_ALLOC, "alloc at", SetKind::Alloc, {}},
};

// The setting a "set" command names: the last of its keywords in table
// order, and how many it names (one is right).
struct SetChoice {
    const SetItem* item = nullptr;
    int count = 0;
};

inline SetChoice ChooseSetItem(DWORD flags)
{
    SetChoice choice;
    for (const SetItem& s : kSetItems)
        if (flags & s.flag) {
            choice.item = &s;
            ++choice.count;
        }
    return choice;
}

struct QueryFlag {
    DWORD flag;
    const char* words;
    kxcard::QueryItem item;
};

// The queries of "get" that the card answers from its settings; the others
// ("window handle", "pixel rgb at", "yuv from", "file info") have their own
// parameters.
inline constexpr QueryFlag kQueries[] = {
    {KXF_GET_DISPLAY, "display", kxcard::QueryItem::Display},
    {KXF_GET_RGB, "rgb", kxcard::QueryItem::Rgb},
    {KXF_GET_VIDEO_KEY, "video key", kxcard::QueryItem::VideoKey},
    {KXF_GET_VIDEO, "video", kxcard::QueryItem::Video},
    {KXF_GET_SKEW, "skew", kxcard::QueryItem::Skew},
    {KXF_GET_LIMIT_DISPLAY, "limit display", kxcard::QueryItem::LimitDisplay},
    {KXF_GET_LIMIT_KEY_CORRECT, "limit video key correct", kxcard::QueryItem::LimitVideoKeyCorrect},
    {KXF_GET_LIMIT_VIDEO, "limit video", kxcard::QueryItem::LimitVideo},
    {KXF_GET_LIMIT_RED, "limit red", kxcard::QueryItem::LimitRed},
    {KXF_GET_LIMIT_GREEN, "limit green", kxcard::QueryItem::LimitGreen},
    {KXF_GET_LIMIT_BLUE, "limit blue", kxcard::QueryItem::LimitBlue},
    {KXF_GET_LIMIT_HUE, "limit hue", kxcard::QueryItem::LimitHue},
    {KXF_GET_LIMIT_BRIGHTNESS, "limit brightness", kxcard::QueryItem::LimitBrightness},
    {KXF_GET_LIMIT_SATURATION, "limit saturation", kxcard::QueryItem::LimitSaturation},
    {KXF_GET_LIMIT_CONTRAST, "limit contrast", kxcard::QueryItem::LimitContrast},
    {KXF_GET_LIMIT_CHROMA_KEY, "limit chroma key", kxcard::QueryItem::LimitChromaKey},
    {KXF_GET_CHROMA_KEY, "chroma key", kxcard::QueryItem::ChromaKey},
};

} // namespace kxmci
