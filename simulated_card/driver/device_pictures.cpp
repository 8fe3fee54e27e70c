// Pictures in and out of frame memory: "save", "load", the clipboard's
// "copy", "paste", "cut" and "delete", and "freeze"/"unfreeze".
#include "device.h"

#include <mmsystem.h>

#include <cstdint>

#include "buffer_check.h"
#include "clipboard.h"
#include "command_items.h"
#include "command_table.h"
#include "device_support.h"
#include "image_files.h"
#include "regions.h"
#include "resource.h"
#include "type_words.h"

namespace kxmci {

using kxcard::Picture;
using kxcard::Rect;

Picture Device::ReadMemory(const std::optional<Rect>& region)
{
    Lock lock(live_.mutex);
    live_.card.Live(NowMs());
    return region ? kxcard::ReadRegion(live_.card.Memory(), live_.card.CurrentPlacement(), *region)
                  : live_.card.Memory();
}

void Device::WriteFrozen(const Rect& region, const Picture& pic)
{
    Lock lock(live_.mutex);
    live_.card.Freeze(NowMs());
    kxcard::WriteRegion(live_.card.WriteMemory(), live_.card.CurrentPlacement(), region, pic);
}

HWND Device::ClipboardOwner()
{
    HWND owner;
    {
        Lock lock(live_.mutex);
        owner = live_.window;
    }
    return owner && IsWindow(owner) ? owner : nullptr;
}

DWORD Device::Save(DWORD flags, const SaveParams& p)
{
    const std::string type = TypeWords((flags & KXF_TYPE) ? p.type : nullptr, flags, p.tiffOption, &p.jpegOption);
    if (type == "config")
        return StoreConfiguration();

    std::optional<Rect> region;
    if (DWORD rc = AtRegion(flags, p.at, region))
        return rc;

    if (flags & KXF_MEMORY_BUFFER) {
        // Into the caller's buffer, in the buffer format.
        if (!region || !(flags & KXF_ADDRESS))
            return MCIERR_MISSING_PARAMETER;
        void* buffer = BufferAddress(p.address);
        if (!IsWritableRange(buffer, kxcard::DibSize(region->w, region->h)))
            return MCIERR_OUTOFRANGE;
        ProgressRun run(progress_, IDS_PROGRESS_COPY);
        Picture pic = ReadMemory(region);
        run.Step(500);
        kxcard::PictureToDib(pic, bufferFormat_, static_cast<std::uint8_t*>(buffer));
        return 0;
    }

    if (!(flags & KXF_FILE) || !p.file || !*p.file)
        return MCIERR_FILENAME_REQUIRED;
    ProgressRun run(progress_, IDS_PROGRESS_SAVE);
    Picture pic;
    if (flags & KXF_ADDRESS) {
        // The caller's buffer into the file.
        if (!region)
            return MCIERR_MISSING_PARAMETER;
        const void* buffer = BufferAddress(p.address);
        if (!IsReadableRange(buffer, kxcard::DibSize(region->w, region->h)))
            return MCIERR_OUTOFRANGE;
        pic = kxcard::DibToPicture(static_cast<const std::uint8_t*>(buffer), region->w, region->h, bufferFormat_);
    } else {
        pic = ReadMemory(region);
    }
    run.Step(300);
    return WriteImageFile(p.file, type.empty() ? std::string("dib 24-bit") : type, pic);
}

DWORD Device::Load(DWORD flags, const LoadParams& p)
{
    std::optional<Rect> region;
    if (DWORD rc = AtRegion(flags, p.at, region))
        return rc;

    if (flags & KXF_MEMORY_BUFFER) {
        // From the caller's buffer, in the buffer format.
        if (!region || !(flags & KXF_ADDRESS))
            return MCIERR_MISSING_PARAMETER;
        const void* buffer = BufferAddress(p.address);
        if (!IsReadableRange(buffer, kxcard::DibSize(region->w, region->h)))
            return MCIERR_OUTOFRANGE;
        ProgressRun run(progress_, IDS_PROGRESS_COPY);
        Picture pic = kxcard::DibToPicture(static_cast<const std::uint8_t*>(buffer), region->w, region->h, bufferFormat_);
        run.Step(500);
        WriteFrozen(*region, pic);
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
    if (region) {
        WriteFrozen(*region, pic);
        return 0;
    }
    // The whole picture: frame memory holds it from its top-left corner.
    Lock lock(live_.mutex);
    live_.card.Freeze(NowMs());
    Picture& memory = live_.card.WriteMemory();
    live_.card.ClearMemory();
    for (int y = 0; y < pic.Height() && y < memory.Height(); ++y)
        for (int x = 0; x < pic.Width() && x < memory.Width(); ++x)
            memory.Set(x, y, pic.At(x, y));
    return 0;
}

DWORD Device::Copy(DWORD flags, const CopyParams& p)
{
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

    std::optional<Rect> region;
    if (DWORD rc = AtRegion(flags, p.at, region))
        return rc;
    ProgressRun run(progress_, IDS_PROGRESS_COPY);
    Picture pic = ReadMemory(region);
    run.Step(500);
    return CopyToClipboard(ClipboardOwner(), pic, format);
}

DWORD Device::Paste(DWORD flags, const RegionParams& p)
{
    std::optional<Rect> region;
    if (DWORD rc = AtRegion(flags, p.at, region))
        return rc;
    HWND owner = ClipboardOwner();
    ProgressRun run(progress_, IDS_PROGRESS_COPY);
    Picture pic;
    if (DWORD rc = PasteFromClipboard(owner, pic))
        return rc;
    run.Step(500);
    // Without a region the picture goes to the top-left corner at its own size.
    WriteFrozen(region.value_or(Rect{0, 0, pic.Width(), pic.Height()}), pic);
    return 0;
}

DWORD Device::Delete(DWORD flags, const RegionParams& p, bool copyFirst)
{
    std::optional<Rect> region;
    if (DWORD rc = AtRegion(flags, p.at, region))
        return rc;
    if (copyFirst) {
        // "cut": onto the clipboard first, in the clipboard's default format.
        CopyParams copy{p.callback, nullptr, p.at};
        if (DWORD rc = Copy(flags & (KXF_AT | kCommonFlags), copy))
            return rc;
    }
    Lock lock(live_.mutex);
    live_.card.Freeze(NowMs());
    if (region)
        kxcard::ClearRegion(live_.card.WriteMemory(), live_.card.CurrentPlacement(), *region);
    else
        live_.card.ClearMemory();
    return 0;
}

// The region of "freeze"/"unfreeze" is accepted and logged; the whole
// picture freezes or goes live.
DWORD Device::Freeze(DWORD, bool freeze)
{
    Lock lock(live_.mutex);
    if (freeze)
        live_.card.Freeze(NowMs());
    else
        live_.card.Unfreeze();
    return 0;
}

} // namespace kxmci
