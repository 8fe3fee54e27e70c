// "set" and "get": the card's settings, the indicator's, the buffer format,
// and the queries the card answers.
#include "device.h"

#include <mmsystem.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <optional>

#include "card/card_settings.h"
#include "card/yuv.h"
#include "command_items.h"
#include "config_store.h"
#include "device_support.h"
#include "image_files.h"
#include "regions.h"

namespace kxmci {

using kxcard::CardError;
using kxcard::Picture;
using kxcard::Rect;

namespace {

std::optional<long long> ParseNumber(const wchar_t* text)
{
    if (!text || !*text)
        return std::nullopt;
    wchar_t* end = nullptr;
    errno = 0;
    long long v = std::wcstoll(text, &end, 10);
    if (*end != L'\0' || errno != 0 || v < INT32_MIN || v > UINT32_MAX)
        return std::nullopt;
    return v;
}

DWORD FromCardError(CardError e)
{
    switch (e) {
    case CardError::None: return 0;
    case CardError::OutOfRange: return MCIERR_OUTOFRANGE;
    case CardError::BadValue: return MCIERR_BAD_INTEGER;
    }
    return MCIERR_DRIVER_INTERNAL;
}

std::wstring Widen(const std::string& s) { return std::wstring(s.begin(), s.end()); }

} // namespace

DWORD Device::Set(DWORD flags, const SetParams& p)
{
    const SetChoice choice = ChooseSetItem(flags);
    const SetItem* item = choice.item;
    if (choice.count == 0)
        return (flags & KXF_SET_VALUE) ? MCIERR_UNRECOGNIZED_KEYWORD : MCIERR_MISSING_PARAMETER;
    if (choice.count > 1)
        return MCIERR_FLAGS_NOT_COMPATIBLE;
    if (item->kind == SetKind::Alloc) {
        // Frame memory is always there; a region inside it is all one can ask for.
        const Rect region = ToRect(p.alloc);
        return IsRegion(region) && region.x >= 0 && region.y >= 0 && region.x + region.w <= kxcard::kFrameWidth &&
                       region.y + region.h <= kxcard::kFrameHeight
                   ? 0
                   : MCIERR_OUTOFRANGE;
    }
    if (item->kind == SetKind::Chroma) {
        if (flags & KXF_SET_VALUE)
            return MCIERR_UNRECOGNIZED_KEYWORD;
        Lock lock(live_.mutex);
        return FromCardError(live_.card.SetChromaKey(p.chromaKey.x, p.chromaKey.y, p.chromaKey.w, p.chromaKey.h));
    }
    if (!(flags & KXF_SET_VALUE) || !p.value)
        return MCIERR_MISSING_PARAMETER;
    const std::wstring value = p.value;
    switch (item->kind) {
    case SetKind::OnOff: {
        if (!SameWord(value, L"on") && !SameWord(value, L"off"))
            return MCIERR_BAD_CONSTANT;
        const bool on = SameWord(value, L"on");
        if (item->flag == KXF_SET_INDICATOR) {
            progress_.SetIndicator(on);
            return 0;
        }
        Lock lock(live_.mutex);
        if (item->flag == KXF_SET_VERTICAL_FLIP)
            live_.card.SetVerticalFlip(on);
        else
            live_.card.SetVideoKey(on);
        return 0;
    }
    case SetKind::Format:
        if (SameWord(value, L"yuv"))
            bufferFormat_ = kxcard::BufferFormat::Yuv;
        else if (SameWord(value, L"rgb"))
            bufferFormat_ = kxcard::BufferFormat::Rgb;
        else
            return MCIERR_BAD_CONSTANT;
        return 0;
    default: break;
    }
    std::optional<long long> number = ParseNumber(p.value);
    if (!number)
        return MCIERR_BAD_INTEGER;
    switch (item->kind) {
    case SetKind::Signal:
        if (*number < 0xC000 || *number > 0xFFFF)
            return MCIERR_OUTOFRANGE;
        // The window to signal is the callback window given with this command.
        progress_.SetSignal(static_cast<UINT>(*number), reinterpret_cast<HWND>(p.callback), GetCurrentThreadId());
        return 0;
    case SetKind::Interval:
        if (*number < 0 || *number > 60000)
            return MCIERR_OUTOFRANGE;
        progress_.SetInterval(static_cast<DWORD>(*number));
        return 0;
    default: {
        Lock lock(live_.mutex);
        return FromCardError(live_.card.SetNumber(item->item, *number));
    }
    }
}

DWORD Device::Get(DWORD flags, const GetParams& p, std::wstring& reply)
{
    const DWORD queryFlags = flags & ~kCommonFlags;
    if (queryFlags == 0)
        return MCIERR_MISSING_PARAMETER;
    if (CountBits(queryFlags) > 1)
        return MCIERR_FLAGS_NOT_COMPATIBLE;

    for (const QueryFlag& q : kQueries)
        if (queryFlags & q.flag) {
            Lock lock(live_.mutex);
            reply = Widen(live_.card.Reply(q.item));
            return 0;
        }
    if (queryFlags & KXF_GET_WINDOW_HANDLE) {
        Lock lock(live_.mutex);
        reply = std::to_wstring(static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(live_.window)));
        return 0;
    }
    if (queryFlags & (KXF_GET_PIXEL_RGB | KXF_GET_YUV)) {
        const Rect at = ToRect((queryFlags & KXF_GET_PIXEL_RGB) ? p.pixelAt : p.yuvFrom);
        Lock lock(live_.mutex);
        live_.card.Live(NowMs());
        int fx, fy;
        live_.card.CurrentPlacement().ToFrame(at.x, at.y, fx, fy);
        const Picture& memory = live_.card.Memory();
        if (!memory.Contains(fx, fy))
            return MCIERR_OUTOFRANGE;
        kxcard::Pixel px = memory.At(fx, fy);
        if (queryFlags & KXF_GET_PIXEL_RGB) {
            reply = std::to_wstring(px.r) + L" " + std::to_wstring(px.g) + L" " + std::to_wstring(px.b);
        } else {
            kxcard::Yuv c = kxcard::ToYuv(px);
            reply = std::to_wstring(c.y) + L" " + std::to_wstring(c.u) + L" " + std::to_wstring(c.v);
        }
        return 0;
    }
    // The file-information query.
    if (!p.fileInfo || !*p.fileInfo)
        return MCIERR_FILENAME_REQUIRED;
    FileInfo info;
    DWORD rc = IdentifyImageFile(p.fileInfo, info);
    if (rc == 0)
        reply = std::to_wstring(info.format) + L" " + std::to_wstring(info.width) + L" " + std::to_wstring(info.height);
    return rc;
}

DWORD Device::StoreConfiguration()
{
    std::string text;
    {
        Lock lock(live_.mutex);
        text = kxcard::ConfigText(live_.card.Settings());
    }
    return StoreConfig(text) ? 0 : MCIERR_FILE_NOT_SAVED;
}

} // namespace kxmci
