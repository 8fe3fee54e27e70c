#include "device.h"

#include <mmsystem.h>
#include <mmddk.h>

#include <algorithm>
#include <cwchar>

#include "card/card_settings.h"
#include "command_log.h"
#include "command_table.h"
#include "command_words.h"
#include "config_store.h"
#include "device_support.h"
#include "regions.h"
#include "resource.h"

// winmm exports this but the mingw-w64 headers do not declare it.
extern "C" BOOL WINAPI mciDriverNotify(HANDLE callback, UINT deviceId, UINT status);

namespace kxmci {

using kxcard::Rect;

Device::Device(HINSTANCE module) : module_(module), presenter_(live_), cover_(module), progress_(module) {}

Device::~Device() { Close(); }

DWORD Device::Open(UINT deviceId)
{
    deviceId_ = deviceId;
    if (!holder_.Acquire(module_)) {
        LogCommand("open -> " + std::to_string(MCIERR_MUST_USE_SHAREABLE));
        return MCIERR_MUST_USE_SHAREABLE;
    }
    LogCommand("open -> 0");
    kxcard::CardSettings settings;
    kxcard::ApplyConfigText(LoadConfig(), settings);
    {
        Lock lock(live_.mutex);
        live_.card.ReplaceSettings(settings);
        // Every input has a signal unless "Inputs" says otherwise.
        int inputs[3] = {settings.signalType[0], settings.signalType[1], settings.signalType[2]};
        kxcard::ParseInputsText(LoadInputs(), inputs);
        live_.card.ConnectInputs(inputs);
        live_.card.Live(NowMs());
    }
    presenter_.Start();
    open_ = true;
    return 0;
}

void Device::Close()
{
    if (open_)
        LogCommand("close -> 0");
    presenter_.Stop();
    DropCover(nullptr);
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
    if (cover_.CoveredWindowGone())
        DropCover(nullptr);
    std::wstring reply;
    DWORD rc = params ? Dispatch(message, flags, params, reply) : MCIERR_NULL_PARAMETER_BLOCK;
    // Described before the reply goes into the caller's buffer, from the
    // parameters exactly as the command gave them.
    const std::string line = CommandLine(message, flags, params, rc, reply);
    if (rc == 0 && params && !reply.empty()) {
        auto* r = reinterpret_cast<ReplyParams*>(params);
        if (r->reply && r->replySize > 0) {
            std::size_t n = std::min<std::size_t>(reply.size(), r->replySize - 1);
            std::wmemcpy(r->reply, reply.data(), n);
            r->reply[n] = L'\0';
        }
    }
    LogCommand(line);
    // "notify": the caller's window hears when the command has finished.
    if ((flags & KXF_NOTIFY) && params) {
        HWND callback = reinterpret_cast<HWND>(reinterpret_cast<GenericParams*>(params)->callback);
        if (callback)
            mciDriverNotify(callback, deviceId_, rc == 0 ? MCI_NOTIFY_SUCCESSFUL : MCI_NOTIFY_FAILURE);
    }
    return rc;
}

DWORD Device::Dispatch(UINT message, DWORD flags, DWORD_PTR params, std::wstring& reply)
{
    switch (message) {
    case KXM_SET: return Set(flags, *reinterpret_cast<const SetParams*>(params));
    case KXM_GET: return Get(flags, *reinterpret_cast<const GetParams*>(params), reply);
    case KXM_SAVE: return Save(flags, *reinterpret_cast<const SaveParams*>(params));
    case KXM_LOAD: return Load(flags, *reinterpret_cast<const LoadParams*>(params));
    case KXM_COPY: return Copy(flags, *reinterpret_cast<const CopyParams*>(params));
    case KXM_PASTE: return Paste(flags, *reinterpret_cast<const RegionParams*>(params));
    case KXM_DELETE: return Delete(flags, *reinterpret_cast<const RegionParams*>(params), false);
    case KXM_CUT: return Delete(flags, *reinterpret_cast<const RegionParams*>(params), true);
    case KXM_FREEZE: return Freeze(flags, true);
    case KXM_UNFREEZE: return Freeze(flags, false);
    case KXM_PUT: return Put(flags, *reinterpret_cast<const PutParams*>(params));
    case KXM_WINDOW: return Window(flags, *reinterpret_cast<const WindowParams*>(params));
    case KXM_WHERE: return Where(flags, reply);
    case KXM_STATUS: return Status(flags, reply);
    case KXM_INFO: return Info(flags, reply);
    case KXM_CAPABILITY: return Capability(flags, reply);
    default: return MCIERR_UNRECOGNIZED_COMMAND;
    }
}

DWORD Device::Put(DWORD flags, const PutParams& p)
{
    const DWORD used = KXF_PUT_FRAME | KXF_PUT_SOURCE | KXF_PUT_DESTINATION_AT | KXF_PUT_DESTINATION |
                       KXF_PUT_FRAME_DEFAULT | KXF_PUT_SOURCE_DEFAULT;
    if (!(flags & used))
        return MCIERR_MISSING_PARAMETER;
    const bool deferred = (flags & KXF_PUT_DEFERRED) != 0;
    Lock lock(live_.mutex);
    // "frame" or "source" without a rectangle: back to the default, the
    // whole window and the whole frame memory.
    if (flags & KXF_PUT_FRAME_DEFAULT)
        live_.card.PutFrame(Rect{}, deferred);
    if (flags & KXF_PUT_SOURCE_DEFAULT)
        live_.card.PutSource(Rect{}, deferred);
    if (flags & KXF_PUT_FRAME) {
        const Rect frame = ToRect(p.frame);
        if (!IsPlacement(frame))
            return MCIERR_OUTOFRANGE;
        live_.card.PutFrame(frame, deferred);
    }
    if (flags & KXF_PUT_SOURCE) {
        const Rect source = ToRect(p.source);
        if (!IsPlacement(source))
            return MCIERR_OUTOFRANGE;
        live_.card.PutSource(source, deferred);
    }
    if (flags & KXF_PUT_DESTINATION_AT) {
        Rect destination = ToRect(p.destination);
        if (!IsPlacement(destination))
            return MCIERR_OUTOFRANGE;
        live_.card.PutDestination(&destination);
    } else if (flags & KXF_PUT_DESTINATION) {
        live_.card.PutDestination(nullptr);
    }
    // The cover follows its window: measured again at each destination.
    if (flags & (KXF_PUT_DESTINATION_AT | KXF_PUT_DESTINATION))
        cover_.Follow();
    return 0;
}

DWORD Device::Window(DWORD flags, const WindowParams& p)
{
    if (!(flags & (KXF_WINDOW_HANDLE | KXF_WINDOW_SHOW | KXF_WINDOW_HIDE)))
        return MCIERR_MISSING_PARAMETER;
    if ((flags & KXF_WINDOW_SHOW) && (flags & KXF_WINDOW_HIDE))
        return MCIERR_FLAGS_NOT_COMPATIBLE;
    // A window handle is a 32-bit value on every version of Windows.
    HWND window = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(p.handle));
    if ((flags & KXF_WINDOW_HANDLE) && window && !IsWindow(window))
        return MCIERR_NO_WINDOW;
    bool showVideo;
    {
        Lock lock(live_.mutex);
        if (flags & (KXF_WINDOW_SHOW | KXF_WINDOW_HIDE))
            live_.showVideo = (flags & KXF_WINDOW_SHOW) != 0;
        showVideo = live_.showVideo;
    }
    if (flags & KXF_WINDOW_HANDLE) {
        DropCover(window);
        // A window of another process cannot be drawn into: the video goes
        // into the cover over it (without one, into the window as before).
        HWND cover = nullptr;
        if (IsForeignWindow(window) && cover_.Cover(window, showVideo))
            cover = cover_.Window();
        Lock lock(live_.mutex);
        live_.window = window;
        live_.cover = cover;
    } else {
        cover_.Show(showVideo);
    }
    return 0;
}

void Device::DropCover(HWND window)
{
    if (!cover_.Window() || (window && window == cover_.Covered() && !cover_.CoveredWindowGone()))
        return;
    {
        // The presenter stops drawing into it before it goes.
        Lock lock(live_.mutex);
        live_.cover = nullptr;
    }
    cover_.Remove();
}

DWORD Device::Where(DWORD flags, std::wstring& reply)
{
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

DWORD Device::Status(DWORD flags, std::wstring& reply)
{
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

DWORD Device::Info(DWORD, std::wstring& reply)
{
    reply = Text(IDS_PRODUCT);
    return 0;
}

DWORD Device::Capability(DWORD flags, std::wstring& reply)
{
    const DWORD which = flags & (KXF_CAP_CAN_FREEZE | KXF_CAP_HAS_VIDEO | KXF_CAP_DEVICE_TYPE | KXF_CAP_CAN_SAVE);
    if (!which)
        return MCIERR_MISSING_PARAMETER;
    if (CountBits(which) > 1)
        return MCIERR_FLAGS_NOT_COMPATIBLE;
    reply = which == KXF_CAP_DEVICE_TYPE ? Text(IDS_DEVICE_TYPE) : L"true";
    return 0;
}

} // namespace kxmci
