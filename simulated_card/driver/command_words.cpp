#include "command_words.h"

#include <cstdint>
#include <initializer_list>

#include "command_items.h"
#include "params.h"
#include "type_words.h"

namespace kxmci {

namespace {

std::string RectText(const Rect4& r)
{
    return std::to_string(static_cast<std::int32_t>(r.x)) + " " + std::to_string(static_cast<std::int32_t>(r.y)) +
           " " + std::to_string(static_cast<std::int32_t>(r.w)) + " " + std::to_string(static_cast<std::int32_t>(r.h));
}

std::string Quoted(const wchar_t* text) { return "\"" + Narrow(text) + "\""; }

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

void AppendAt(std::string& words, DWORD flags, const Rect4& at)
{
    if (flags & KXF_AT)
        Append(words, "at " + RectText(at));
}

std::string SetWords(DWORD flags, const SetParams& p, DWORD rc)
{
    std::string words;
    for (const SetItem& s : kSetItems)
        if (flags & s.flag)
            Append(words, s.words);
    const SetItem* item = ChooseSetItem(flags).item;
    if (item && item->kind == SetKind::Chroma)
        Append(words, RectText(p.chromaKey));
    if (item && item->kind == SetKind::Alloc)
        Append(words, RectText(p.alloc));
    if (flags & KXF_SET_VALUE)
        Append(words, Narrow(p.value));
    // Which window hears the signal, once the command has set it.
    if (rc == 0 && item && item->kind == SetKind::Signal)
        Append(words, p.callback ? "window " + std::to_string(static_cast<unsigned long long>(p.callback))
                                 : std::string("windows of the calling thread"));
    return words;
}

std::string GetWords(DWORD flags, const GetParams& p)
{
    const DWORD queryFlags = flags & ~kCommonFlags;
    std::string words;
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
    return words;
}

std::string SaveWords(DWORD flags, const SaveParams& p)
{
    const std::string type = TypeWords((flags & KXF_TYPE) ? p.type : nullptr, flags, p.tiffOption, &p.jpegOption);
    std::string words;
    if (flags & KXF_FILE)
        Append(words, Quoted(p.file));
    Append(words, FlagWords(flags, {{KXF_MEMORY_BUFFER, "memory buffer"}}));
    if (!type.empty())
        Append(words, "type " + type);
    AppendAt(words, flags, p.at);
    if (flags & KXF_ADDRESS)
        Append(words, "address " + std::to_string(p.address));
    return words;
}

std::string LoadWords(DWORD flags, const LoadParams& p)
{
    std::string words;
    if (flags & KXF_FILE)
        Append(words, Quoted(p.file));
    Append(words, FlagWords(flags, {{KXF_MEMORY_BUFFER, "memory buffer"}}));
    AppendAt(words, flags, p.at);
    if (flags & KXF_ADDRESS)
        Append(words, "address " + std::to_string(p.address));
    return words;
}

std::string CopyWords(DWORD flags, const CopyParams& p)
{
    const std::string type = TypeWords((flags & KXF_TYPE) ? p.type : nullptr, flags, 0, nullptr);
    std::string words;
    if (!type.empty())
        Append(words, "type " + type);
    AppendAt(words, flags, p.at);
    return words;
}

// paste, delete, cut, freeze, unfreeze: an optional region.
std::string RegionWords(DWORD flags, const RegionParams& p)
{
    std::string words;
    AppendAt(words, flags, p.at);
    return words;
}

std::string PutWords(DWORD flags, const PutParams& p)
{
    std::string words;
    if (flags & KXF_PUT_FRAME)
        Append(words, "frame at " + RectText(p.frame));
    if (flags & KXF_PUT_SOURCE)
        Append(words, "source at " + RectText(p.source));
    Append(words, FlagWords(flags, {{KXF_PUT_FRAME_DEFAULT, "frame"}, {KXF_PUT_SOURCE_DEFAULT, "source"}}));
    Append(words, FlagWords(flags, {{KXF_PUT_DEFERRED, "deferred"}}));
    if (flags & KXF_PUT_DESTINATION_AT)
        Append(words, "destination at " + RectText(p.destination));
    Append(words, FlagWords(flags, {{KXF_PUT_DESTINATION, "destination"}}));
    return words;
}

std::string WindowWords(DWORD flags, const WindowParams& p)
{
    std::string words;
    if (flags & KXF_WINDOW_HANDLE)
        Append(words, "handle " + std::to_string(p.handle));
    Append(words, FlagWords(flags, {{KXF_WINDOW_SHOW, "state show"}, {KXF_WINDOW_HIDE, "state hide"}}));
    return words;
}

// The verbs without parameters of their own: their flags name what they ask.
std::string FlagOnlyWords(UINT message, DWORD flags)
{
    switch (message) {
    case KXM_WHERE:
        return FlagWords(flags, {{KXF_WHERE_SOURCE, "source"},
                                 {KXF_WHERE_FRAME, "frame"},
                                 {KXF_WHERE_DESTINATION, "destination"}});
    case KXM_STATUS: return FlagWords(flags, {{KXF_STATUS_MODE, "mode"}, {KXF_STATUS_READY, "ready"}});
    case KXM_INFO: return FlagWords(flags, {{KXF_INFO_PRODUCT, "product"}});
    case KXM_CAPABILITY:
        return FlagWords(flags, {{KXF_CAP_CAN_FREEZE, "can freeze"},
                                 {KXF_CAP_HAS_VIDEO, "has video"},
                                 {KXF_CAP_DEVICE_TYPE, "device type"},
                                 {KXF_CAP_CAN_SAVE, "can save"}});
    default: return {};
    }
}

template <typename Params>
const Params& Block(DWORD_PTR params)
{
    return *reinterpret_cast<const Params*>(params);
}

std::string Words(UINT message, DWORD flags, DWORD_PTR params, DWORD rc)
{
    switch (message) {
    case KXM_SET: return SetWords(flags, Block<SetParams>(params), rc);
    case KXM_GET: return GetWords(flags, Block<GetParams>(params));
    case KXM_SAVE: return SaveWords(flags, Block<SaveParams>(params));
    case KXM_LOAD: return LoadWords(flags, Block<LoadParams>(params));
    case KXM_COPY: return CopyWords(flags, Block<CopyParams>(params));
    case KXM_PASTE:
    case KXM_DELETE:
    case KXM_CUT:
    case KXM_FREEZE:
    case KXM_UNFREEZE: return RegionWords(flags, Block<RegionParams>(params));
    case KXM_PUT: return PutWords(flags, Block<PutParams>(params));
    case KXM_WINDOW: return WindowWords(flags, Block<WindowParams>(params));
    default: return FlagOnlyWords(message, flags);
    }
}

std::string Verb(UINT message)
{
    static const struct {
        UINT message;
        const char* verb;
    } kVerbs[] = {{KXM_SET, "set"},       {KXM_GET, "get"},         {KXM_SAVE, "save"},         {KXM_LOAD, "load"},
                  {KXM_COPY, "copy"},     {KXM_PASTE, "paste"},     {KXM_DELETE, "delete"},     {KXM_CUT, "cut"},
                  {KXM_FREEZE, "freeze"}, {KXM_UNFREEZE, "unfreeze"}, {KXM_PUT, "put"},          {KXM_WINDOW, "window"},
                  {KXM_WHERE, "where"},   {KXM_STATUS, "status"},   {KXM_INFO, "info"},         {KXM_CAPABILITY, "capability"}};
    for (const auto& v : kVerbs)
        if (v.message == message)
            return v.verb;
    return "message " + std::to_string(message);
}

} // namespace

std::string CommandLine(UINT message, DWORD flags, DWORD_PTR params, DWORD rc, const std::wstring& reply)
{
    // Without a parameter block nothing was read from it.
    const std::string words = params ? Words(message, flags, params, rc) : std::string();
    std::string line = Verb(message) + (words.empty() ? "" : " " + words) + " -> " + std::to_string(rc);
    if (!reply.empty())
        line += " [" + Narrow(reply.c_str()) + "]";
    return line;
}

} // namespace kxmci
