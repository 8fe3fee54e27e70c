#include "device.h"

#include <mmsystem.h>
#include <mmddk.h>

#include <cstdlib>
#include <cwchar>
#include <optional>

#include "buffer_check.h"
#include "card/card_settings.h"
#include "card/yuv.h"
#include "clipboard.h"
#include "command_log.h"
#include "command_table.h"
#include "config_store.h"
#include "image_files.h"
#include "params.h"
#include "resource.h"
#include "type_words.h"

// winmm exports this but the mingw-w64 headers do not declare it.
extern "C" BOOL WINAPI mciDriverNotify(HANDLE callback, UINT deviceId, UINT status);

namespace kxmci {

using kxcard::CardError;
using kxcard::Picture;
using kxcard::Rect;

namespace {

// The largest region a command may name, in pixels per side.
constexpr int kMaxRegionSide = 8192;

using Lock = std::lock_guard<std::mutex>;

std::string RectText(const Rect4& r)
{
    return std::to_string(static_cast<std::int32_t>(r.x)) + " " + std::to_string(static_cast<std::int32_t>(r.y)) +
           " " + std::to_string(static_cast<std::int32_t>(r.w)) + " " + std::to_string(static_cast<std::int32_t>(r.h));
}

std::string Quoted(const wchar_t* text) { return "\"" + Narrow(text) + "\""; }

// A region as given (x, y, width, height); false when it is empty or huge.
bool ToRegion(const Rect4& r, Rect& out)
{
    out = Rect{static_cast<std::int32_t>(r.x), static_cast<std::int32_t>(r.y), static_cast<std::int32_t>(r.w),
               static_cast<std::int32_t>(r.h)};
    return out.w > 0 && out.h > 0 && out.w <= kMaxRegionSide && out.h <= kMaxRegionSide;
}

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

void* BufferAddress(DWORD address) { return reinterpret_cast<void*>(static_cast<std::uintptr_t>(address)); }

// Flags that every verb accepts and that change nothing here.
constexpr DWORD kCommonFlags = KXF_NOTIFY | KXF_WAIT;

struct FlagName {
    DWORD flag;
    const char* words;
};

std::string FlagWords(DWORD flags, std::initializer_list<FlagName> names)
{
    std::string out;
    for (const FlagName& n : names)
        if (flags & n.flag)
            out += std::string(out.empty() ? "" : " ") + n.words;
    return out;
}

void Append(std::string& words, const std::string& more)
{
    if (!more.empty())
        words += (words.empty() ? "" : " ") + more;
}

enum class SetKind { Number, OnOff, Format, Chroma, Alloc, Signal, Interval };

struct SetItem {
    DWORD flag;
    const char* words;
    SetKind kind;
    kxcard::NumberItem item;
};

const SetItem kSetItems[] = {
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

struct QueryFlag {
    DWORD flag;
    const char* words;
    kxcard::QueryItem item;
};

const QueryFlag kQueries[] = {
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

int CountBits(DWORD v)
{
    int n = 0;
    for (; v; v &= v - 1)
        ++n;
    return n;
}

// Words compare without regard to case: Wine lower-cases whole commands,
// Windows hands them over as the program wrote them ("DIB").
bool SameWord(const std::wstring& a, const wchar_t* b) { return _wcsicmp(a.c_str(), b) == 0; }

std::wstring Widen(const std::string& s) { return std::wstring(s.begin(), s.end()); }

} // namespace

Device::Device(HINSTANCE module) : module_(module), presenter_(live_), progress_(module) {}

Device::~Device() { Close(); }

DWORD Device::Open(UINT deviceId)
{
    deviceId_ = deviceId;
    if (!holder_.Acquire(module_))
        return MCIERR_MUST_USE_SHAREABLE;
    kxcard::CardSettings settings;
    kxcard::ApplyConfigText(LoadConfig(), settings);
    {
        Lock lock(live_.mutex);
        live_.card.ReplaceSettings(settings);
        live_.card.Live(NowMs());
    }
    presenter_.Start();
    open_ = true;
    return 0;
}

void Device::Close()
{
    presenter_.Stop();
    holder_.Release();
    open_ = false;
}

std::wstring Device::Text(UINT id) const
{
    wchar_t buf[128] = {};
    LoadStringW(module_, id, buf, 128);
    return buf;
}

DWORD Device::Command(UINT message, DWORD flags, DWORD_PTR params)
{
    static const struct {
        UINT message;
        const char* verb;
    } kVerbs[] = {{KXM_SET, "set"},       {KXM_GET, "get"},         {KXM_SAVE, "save"},         {KXM_LOAD, "load"},
                  {KXM_COPY, "copy"},     {KXM_PASTE, "paste"},     {KXM_DELETE, "delete"},     {KXM_CUT, "cut"},
                  {KXM_FREEZE, "freeze"}, {KXM_UNFREEZE, "unfreeze"}, {KXM_PUT, "put"},          {KXM_WINDOW, "window"},
                  {KXM_WHERE, "where"},   {KXM_STATUS, "status"},   {KXM_INFO, "info"},         {KXM_CAPABILITY, "capability"}};
    std::string verb = "message " + std::to_string(message);
    for (const auto& v : kVerbs)
        if (v.message == message)
            verb = v.verb;

    std::string words;
    std::wstring reply;
    DWORD rc = params ? Dispatch(message, flags, params, words, reply) : MCIERR_NULL_PARAMETER_BLOCK;
    if (rc == 0 && params && !reply.empty()) {
        auto* r = reinterpret_cast<ReplyParams*>(params);
        if (r->reply && r->replySize > 0) {
            std::size_t n = std::min<std::size_t>(reply.size(), r->replySize - 1);
            std::wmemcpy(r->reply, reply.data(), n);
            r->reply[n] = L'\0';
        }
    }
    std::string line = verb + (words.empty() ? "" : " " + words) + " -> " + std::to_string(rc);
    if (!reply.empty())
        line += " [" + Narrow(reply.c_str()) + "]";
    LogCommand(line);
    // "notify": the caller's window hears when the command has finished.
    if ((flags & KXF_NOTIFY) && params) {
        HWND callback = reinterpret_cast<HWND>(reinterpret_cast<GenericParams*>(params)->callback);
        if (callback)
            mciDriverNotify(callback, deviceId_, rc == 0 ? MCI_NOTIFY_SUCCESSFUL : MCI_NOTIFY_FAILURE);
    }
    return rc;
}

DWORD Device::Dispatch(UINT message, DWORD flags, DWORD_PTR params, std::string& words, std::wstring& reply)
{
    switch (message) {
    case KXM_SET: return Set(flags, *reinterpret_cast<const SetParams*>(params), words);
    case KXM_GET: return Get(flags, *reinterpret_cast<const GetParams*>(params), words, reply);
    case KXM_SAVE: return Save(flags, *reinterpret_cast<const SaveParams*>(params), words);
    case KXM_LOAD: return Load(flags, *reinterpret_cast<const LoadParams*>(params), words);
    case KXM_COPY: return Copy(flags, *reinterpret_cast<const CopyParams*>(params), words);
    case KXM_PASTE: return Paste(flags, *reinterpret_cast<const RegionParams*>(params), words);
    case KXM_DELETE: return Delete(flags, *reinterpret_cast<const RegionParams*>(params), words, false);
    case KXM_CUT: return Delete(flags, *reinterpret_cast<const RegionParams*>(params), words, true);
    case KXM_FREEZE: return Freeze(flags, *reinterpret_cast<const RegionParams*>(params), words, true);
    case KXM_UNFREEZE: return Freeze(flags, *reinterpret_cast<const RegionParams*>(params), words, false);
    case KXM_PUT: return Put(flags, *reinterpret_cast<const PutParams*>(params), words);
    case KXM_WINDOW: return Window(flags, *reinterpret_cast<const WindowParams*>(params), words);
    case KXM_WHERE: return Where(flags, words, reply);
    case KXM_STATUS: return Status(flags, words, reply);
    case KXM_INFO: return Info(flags, words, reply);
    case KXM_CAPABILITY: return Capability(flags, words, reply);
    default: return MCIERR_UNRECOGNIZED_COMMAND;
    }
}

DWORD Device::Set(DWORD flags, const SetParams& p, std::string& words)
{
    const SetItem* item = nullptr;
    int items = 0;
    for (const SetItem& s : kSetItems)
        if (flags & s.flag) {
            item = &s;
            ++items;
            Append(words, s.words);
        }
    if (item && item->kind == SetKind::Chroma)
        Append(words, RectText(p.chromaKey));
    if (item && item->kind == SetKind::Alloc)
        Append(words, RectText(p.alloc));
    if (flags & KXF_SET_VALUE)
        Append(words, Narrow(p.value));
    if (items == 0)
        return (flags & KXF_SET_VALUE) ? MCIERR_UNRECOGNIZED_KEYWORD : MCIERR_MISSING_PARAMETER;
    if (items > 1)
        return MCIERR_FLAGS_NOT_COMPATIBLE;
    if (item->kind == SetKind::Alloc) {
        // Frame memory is always there; a region inside it is all one can ask for.
        Rect region;
        return ToRegion(p.alloc, region) && region.x >= 0 && region.y >= 0 &&
                       region.x + region.w <= kxcard::kFrameWidth && region.y + region.h <= kxcard::kFrameHeight
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
        Append(words, p.callback ? "window " + std::to_string(static_cast<unsigned long long>(p.callback))
                                 : std::string("windows of the calling thread"));
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

DWORD Device::Get(DWORD flags, const GetParams& p, std::string& words, std::wstring& reply)
{
    const DWORD queryFlags = flags & ~kCommonFlags;
    for (const QueryFlag& q : kQueries)
        if (queryFlags & q.flag)
            Append(words, q.words);
    Append(words, FlagWords(queryFlags, {{KXF_GET_WINDOW_HANDLE, "window handle"}}));
    if (queryFlags & KXF_GET_PIXEL_RGB)
        Append(words, "pixel rgb at " + RectText(p.pixelAt));
    if (queryFlags & KXF_GET_YUV)
        Append(words, "yuv from " + RectText(p.yuvFrom));
    if (queryFlags & KXF_GET_FILE_INFO)
        Append(words, "file info " + Quoted(p.fileInfo));
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
        const Rect4& at = (queryFlags & KXF_GET_PIXEL_RGB) ? p.pixelAt : p.yuvFrom;
        Lock lock(live_.mutex);
        live_.card.Live(NowMs());
        int fx, fy;
        live_.card.CurrentPlacement().ToFrame(static_cast<std::int32_t>(at.x), static_cast<std::int32_t>(at.y), fx, fy);
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

DWORD Device::Save(DWORD flags, const SaveParams& p, std::string& words)
{
    const std::string type = TypeWords((flags & KXF_TYPE) ? p.type : nullptr, flags, p.tiffOption, &p.jpegOption);
    if (flags & KXF_FILE)
        Append(words, Quoted(p.file));
    Append(words, FlagWords(flags, {{KXF_MEMORY_BUFFER, "memory buffer"}}));
    if (!type.empty())
        Append(words, "type " + type);
    if (flags & KXF_AT)
        Append(words, "at " + RectText(p.at));
    if (flags & KXF_ADDRESS)
        Append(words, "address " + std::to_string(p.address));

    if (type == "config")
        return StoreConfiguration();

    Rect region;
    const bool hasRegion = (flags & KXF_AT) != 0;
    if (hasRegion && !ToRegion(p.at, region))
        return MCIERR_OUTOFRANGE;

    if (flags & KXF_MEMORY_BUFFER) {
        if (!hasRegion || !(flags & KXF_ADDRESS))
            return MCIERR_MISSING_PARAMETER;
        void* buffer = BufferAddress(p.address);
        if (!IsWritableRange(buffer, kxcard::DibSize(region.w, region.h)))
            return MCIERR_OUTOFRANGE;
        ProgressRun run(progress_, IDS_PROGRESS_COPY);
        Picture pic;
        {
            Lock lock(live_.mutex);
            live_.card.Live(NowMs());
            pic = kxcard::ReadRegion(live_.card.Memory(), live_.card.CurrentPlacement(), region);
        }
        run.Step(500);
        kxcard::PictureToDib(pic, bufferFormat_, static_cast<std::uint8_t*>(buffer));
        return 0;
    }

    if (!(flags & KXF_FILE) || !p.file || !*p.file)
        return MCIERR_FILENAME_REQUIRED;
    ProgressRun run(progress_, IDS_PROGRESS_SAVE);
    Picture pic;
    if (flags & KXF_ADDRESS) {
        if (!hasRegion)
            return MCIERR_MISSING_PARAMETER;
        const void* buffer = BufferAddress(p.address);
        if (!IsReadableRange(buffer, kxcard::DibSize(region.w, region.h)))
            return MCIERR_OUTOFRANGE;
        pic = kxcard::DibToPicture(static_cast<const std::uint8_t*>(buffer), region.w, region.h, bufferFormat_);
    } else {
        Lock lock(live_.mutex);
        live_.card.Live(NowMs());
        pic = hasRegion ? kxcard::ReadRegion(live_.card.Memory(), live_.card.CurrentPlacement(), region)
                        : live_.card.Memory();
    }
    run.Step(300);
    return WriteImageFile(p.file, type.empty() ? std::string("dib 24-bit") : type, pic);
}

DWORD Device::Load(DWORD flags, const LoadParams& p, std::string& words)
{
    if (flags & KXF_FILE)
        Append(words, Quoted(p.file));
    Append(words, FlagWords(flags, {{KXF_MEMORY_BUFFER, "memory buffer"}}));
    if (flags & KXF_AT)
        Append(words, "at " + RectText(p.at));
    if (flags & KXF_ADDRESS)
        Append(words, "address " + std::to_string(p.address));

    Rect region;
    const bool hasRegion = (flags & KXF_AT) != 0;
    if (hasRegion && !ToRegion(p.at, region))
        return MCIERR_OUTOFRANGE;

    if (flags & KXF_MEMORY_BUFFER) {
        if (!hasRegion || !(flags & KXF_ADDRESS))
            return MCIERR_MISSING_PARAMETER;
        const void* buffer = BufferAddress(p.address);
        if (!IsReadableRange(buffer, kxcard::DibSize(region.w, region.h)))
            return MCIERR_OUTOFRANGE;
        ProgressRun run(progress_, IDS_PROGRESS_COPY);
        Picture pic = kxcard::DibToPicture(static_cast<const std::uint8_t*>(buffer), region.w, region.h, bufferFormat_);
        run.Step(500);
        Lock lock(live_.mutex);
        live_.card.Freeze(NowMs());
        kxcard::WriteRegion(live_.card.Memory(), live_.card.CurrentPlacement(), region, pic);
        return 0;
    }

    if (!(flags & KXF_FILE) || !p.file || !*p.file)
        return MCIERR_FILENAME_REQUIRED;
    ProgressRun run(progress_, IDS_PROGRESS_LOAD);
    Picture pic;
    if (DWORD rc = ReadImageFile(p.file, pic))
        return rc;
    run.Step(700);
    if (flags & KXF_ADDRESS) {
        // Into the caller's buffer, as 24-bit rows of the picture's own size.
        void* buffer = BufferAddress(p.address);
        if (!IsWritableRange(buffer, kxcard::DibSize(pic.Width(), pic.Height())))
            return MCIERR_OUTOFRANGE;
        kxcard::PictureToDib(pic, kxcard::BufferFormat::Rgb, static_cast<std::uint8_t*>(buffer));
        return 0;
    }
    Lock lock(live_.mutex);
    live_.card.Freeze(NowMs());
    if (hasRegion) {
        kxcard::WriteRegion(live_.card.Memory(), live_.card.CurrentPlacement(), region, pic);
        return 0;
    }
    // The whole picture: frame memory holds it from its top-left corner.
    Picture& memory = live_.card.Memory();
    live_.card.ClearMemory();
    for (int y = 0; y < pic.Height() && y < memory.Height(); ++y)
        for (int x = 0; x < pic.Width() && x < memory.Width(); ++x)
            memory.Set(x, y, pic.At(x, y));
    return 0;
}

DWORD Device::Copy(DWORD flags, const CopyParams& p, std::string& words)
{
    const std::string type = TypeWords((flags & KXF_TYPE) ? p.type : nullptr, flags, 0, nullptr);
    if (!type.empty())
        Append(words, "type " + type);
    if (flags & KXF_AT)
        Append(words, "at " + RectText(p.at));

    ClipboardFormat format;
    if (flags & KXF_TYPE) {
        const std::wstring kind = p.type ? p.type : L"";
        if (SameWord(kind, L"ddb"))
            format.deviceDependent = true;
        else if (!SameWord(kind, L"dib"))
            return MCIERR_BAD_CONSTANT;
    }
    if (flags & (KXF_32BIT | KXF_16BIT))
        return MCIERR_UNSUPPORTED_FUNCTION;
    format.bits = (flags & KXF_8BIT) ? 8 : (flags & KXF_4BIT) ? 4 : 24;
    format.grey = (flags & KXF_GRAY) != 0;
    if (format.grey && format.bits != 8)
        return MCIERR_FLAGS_NOT_COMPATIBLE;

    Rect region;
    const bool hasRegion = (flags & KXF_AT) != 0;
    if (hasRegion && !ToRegion(p.at, region))
        return MCIERR_OUTOFRANGE;
    ProgressRun run(progress_, IDS_PROGRESS_COPY);
    Picture pic;
    HWND owner;
    {
        Lock lock(live_.mutex);
        live_.card.Live(NowMs());
        pic = hasRegion ? kxcard::ReadRegion(live_.card.Memory(), live_.card.CurrentPlacement(), region)
                        : live_.card.Memory();
        owner = live_.window;
    }
    run.Step(500);
    return CopyToClipboard(owner && IsWindow(owner) ? owner : nullptr, pic, format);
}

DWORD Device::Paste(DWORD flags, const RegionParams& p, std::string& words)
{
    if (flags & KXF_AT)
        Append(words, "at " + RectText(p.at));
    Rect region;
    const bool hasRegion = (flags & KXF_AT) != 0;
    if (hasRegion && !ToRegion(p.at, region))
        return MCIERR_OUTOFRANGE;
    HWND owner;
    {
        Lock lock(live_.mutex);
        owner = live_.window;
    }
    ProgressRun run(progress_, IDS_PROGRESS_COPY);
    Picture pic;
    if (DWORD rc = PasteFromClipboard(owner && IsWindow(owner) ? owner : nullptr, pic))
        return rc;
    run.Step(500);
    Lock lock(live_.mutex);
    live_.card.Freeze(NowMs());
    if (!hasRegion)
        region = Rect{0, 0, pic.Width(), pic.Height()};
    kxcard::WriteRegion(live_.card.Memory(), live_.card.CurrentPlacement(), region, pic);
    return 0;
}

DWORD Device::Delete(DWORD flags, const RegionParams& p, std::string& words, bool copyFirst)
{
    if (flags & KXF_AT)
        Append(words, "at " + RectText(p.at));
    Rect region;
    const bool hasRegion = (flags & KXF_AT) != 0;
    if (hasRegion && !ToRegion(p.at, region))
        return MCIERR_OUTOFRANGE;
    if (copyFirst) {
        CopyParams copy{p.callback, nullptr, p.at};
        std::string ignored;
        if (DWORD rc = Copy(flags & (KXF_AT | kCommonFlags), copy, ignored))
            return rc;
    }
    Lock lock(live_.mutex);
    live_.card.Freeze(NowMs());
    if (hasRegion)
        kxcard::ClearRegion(live_.card.Memory(), live_.card.CurrentPlacement(), region);
    else
        live_.card.ClearMemory();
    return 0;
}

DWORD Device::Freeze(DWORD flags, const RegionParams& p, std::string& words, bool freeze)
{
    if (flags & KXF_AT)
        Append(words, "at " + RectText(p.at));
    Lock lock(live_.mutex);
    if (freeze)
        live_.card.Freeze(NowMs());
    else
        live_.card.Unfreeze();
    return 0;
}

DWORD Device::Put(DWORD flags, const PutParams& p, std::string& words)
{
    if (flags & KXF_PUT_FRAME)
        Append(words, "frame at " + RectText(p.frame));
    if (flags & KXF_PUT_SOURCE)
        Append(words, "source at " + RectText(p.source));
    Append(words, FlagWords(flags, {{KXF_PUT_FRAME_DEFAULT, "frame"}, {KXF_PUT_SOURCE_DEFAULT, "source"}}));
    Append(words, FlagWords(flags, {{KXF_PUT_DEFERRED, "deferred"}}));
    if (flags & KXF_PUT_DESTINATION_AT)
        Append(words, "destination at " + RectText(p.destination));
    Append(words, FlagWords(flags, {{KXF_PUT_DESTINATION, "destination"}}));

    const DWORD used = KXF_PUT_FRAME | KXF_PUT_SOURCE | KXF_PUT_DESTINATION_AT | KXF_PUT_DESTINATION |
                       KXF_PUT_FRAME_DEFAULT | KXF_PUT_SOURCE_DEFAULT;
    if (!(flags & used))
        return MCIERR_MISSING_PARAMETER;
    auto plain = [](const Rect4& r) {
        return Rect{static_cast<std::int32_t>(r.x), static_cast<std::int32_t>(r.y), static_cast<std::int32_t>(r.w),
                    static_cast<std::int32_t>(r.h)};
    };
    auto valid = [](const Rect& r) { return r.w >= 0 && r.h >= 0 && r.w <= kMaxRegionSide && r.h <= kMaxRegionSide; };
    const bool deferred = (flags & KXF_PUT_DEFERRED) != 0;
    Lock lock(live_.mutex);
    // "frame" or "source" without a rectangle: back to the default, the
    // whole window and the whole frame memory.
    if (flags & KXF_PUT_FRAME_DEFAULT)
        live_.card.PutFrame(Rect{}, deferred);
    if (flags & KXF_PUT_SOURCE_DEFAULT)
        live_.card.PutSource(Rect{}, deferred);
    if (flags & KXF_PUT_FRAME) {
        if (!valid(plain(p.frame)))
            return MCIERR_OUTOFRANGE;
        live_.card.PutFrame(plain(p.frame), deferred);
    }
    if (flags & KXF_PUT_SOURCE) {
        if (!valid(plain(p.source)))
            return MCIERR_OUTOFRANGE;
        live_.card.PutSource(plain(p.source), deferred);
    }
    if (flags & KXF_PUT_DESTINATION_AT) {
        Rect r = plain(p.destination);
        if (!valid(r))
            return MCIERR_OUTOFRANGE;
        live_.card.PutDestination(&r);
    } else if (flags & KXF_PUT_DESTINATION) {
        live_.card.PutDestination(nullptr);
    }
    return 0;
}

DWORD Device::Window(DWORD flags, const WindowParams& p, std::string& words)
{
    if (flags & KXF_WINDOW_HANDLE)
        Append(words, "handle " + std::to_string(p.handle));
    Append(words, FlagWords(flags, {{KXF_WINDOW_SHOW, "state show"}, {KXF_WINDOW_HIDE, "state hide"}}));
    if (!(flags & (KXF_WINDOW_HANDLE | KXF_WINDOW_SHOW | KXF_WINDOW_HIDE)))
        return MCIERR_MISSING_PARAMETER;
    if ((flags & KXF_WINDOW_SHOW) && (flags & KXF_WINDOW_HIDE))
        return MCIERR_FLAGS_NOT_COMPATIBLE;
    // A window handle is a 32-bit value on every version of Windows.
    HWND window = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(p.handle));
    if ((flags & KXF_WINDOW_HANDLE) && window && !IsWindow(window))
        return MCIERR_NO_WINDOW;
    Lock lock(live_.mutex);
    if (flags & KXF_WINDOW_HANDLE)
        live_.window = window;
    if (flags & (KXF_WINDOW_SHOW | KXF_WINDOW_HIDE))
        live_.showVideo = (flags & KXF_WINDOW_SHOW) != 0;
    return 0;
}

DWORD Device::Where(DWORD flags, std::string& words, std::wstring& reply)
{
    Append(words, FlagWords(flags, {{KXF_WHERE_SOURCE, "source"},
                                    {KXF_WHERE_FRAME, "frame"},
                                    {KXF_WHERE_DESTINATION, "destination"}}));
    const DWORD which = flags & (KXF_WHERE_SOURCE | KXF_WHERE_FRAME | KXF_WHERE_DESTINATION);
    if (!which)
        return MCIERR_MISSING_PARAMETER;
    if (CountBits(which) > 1)
        return MCIERR_FLAGS_NOT_COMPATIBLE;
    Lock lock(live_.mutex);
    const kxcard::Placement& placement = live_.card.CurrentPlacement();
    Rect r = which == KXF_WHERE_SOURCE ? placement.Source() : placement.Frame();
    reply = std::to_wstring(r.x) + L" " + std::to_wstring(r.y) + L" " + std::to_wstring(r.w) + L" " + std::to_wstring(r.h);
    return 0;
}

DWORD Device::Status(DWORD flags, std::string& words, std::wstring& reply)
{
    Append(words, FlagWords(flags, {{KXF_STATUS_MODE, "mode"}, {KXF_STATUS_READY, "ready"}}));
    if (flags & KXF_STATUS_MODE) {
        Lock lock(live_.mutex);
        reply = Text(live_.card.Frozen() ? IDS_MODE_FROZEN : IDS_MODE_LIVE);
        return 0;
    }
    if (flags & KXF_STATUS_READY) {
        reply = L"true";
        return 0;
    }
    return MCIERR_MISSING_PARAMETER;
}

DWORD Device::Info(DWORD flags, std::string& words, std::wstring& reply)
{
    Append(words, FlagWords(flags, {{KXF_INFO_PRODUCT, "product"}}));
    reply = Text(IDS_PRODUCT);
    return 0;
}

DWORD Device::Capability(DWORD flags, std::string& words, std::wstring& reply)
{
    Append(words, FlagWords(flags, {{KXF_CAP_CAN_FREEZE, "can freeze"},
                                    {KXF_CAP_HAS_VIDEO, "has video"},
                                    {KXF_CAP_DEVICE_TYPE, "device type"},
                                    {KXF_CAP_CAN_SAVE, "can save"}}));
    const DWORD which = flags & (KXF_CAP_CAN_FREEZE | KXF_CAP_HAS_VIDEO | KXF_CAP_DEVICE_TYPE | KXF_CAP_CAN_SAVE);
    if (!which)
        return MCIERR_MISSING_PARAMETER;
    if (CountBits(which) > 1)
        return MCIERR_FLAGS_NOT_COMPATIBLE;
    reply = which == KXF_CAP_DEVICE_TYPE ? Text(IDS_DEVICE_TYPE) : L"true";
    return 0;
}

} // namespace kxmci
