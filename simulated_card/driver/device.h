// One open of the simulated card: the command handlers behind winmm.  Each
// command arrives as its message number, its flags and its parameter block
// (params.h); the handler checks everything it is given, acts on the card
// and returns 0 or a standard MCI error code.  Every command is written to
// the command log as command_words.h describes it.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "card/dib_rows.h"
#include "holder.h"
#include "params.h"
#include "progress.h"
#include "video_cover.h"
#include "video_presenter.h"

namespace kxmci {

class Device {
public:
    explicit Device(HINSTANCE module);
    ~Device();
    Device(const Device&) = delete;
    Device& operator=(const Device&) = delete;

    DWORD Open(UINT deviceId);
    void Close();
    DWORD Command(UINT message, DWORD flags, DWORD_PTR params);

private:
    DWORD Dispatch(UINT message, DWORD flags, DWORD_PTR params, std::wstring& reply);

    // Settings and queries (device_settings.cpp).
    DWORD Set(DWORD flags, const SetParams& p);
    DWORD Get(DWORD flags, const GetParams& p, std::wstring& reply);
    DWORD StoreConfiguration();

    // Pictures in and out of frame memory (device_pictures.cpp).
    DWORD Save(DWORD flags, const SaveParams& p);
    DWORD Load(DWORD flags, const LoadParams& p);
    DWORD Copy(DWORD flags, const CopyParams& p);
    DWORD Paste(DWORD flags, const RegionParams& p);
    DWORD Delete(DWORD flags, const RegionParams& p, bool copyFirst);
    DWORD Freeze(DWORD flags, bool freeze);
    // Frame memory, live, as a picture: the region seen through the
    // placement, or all of it.
    kxcard::Picture ReadMemory(const std::optional<kxcard::Rect>& region);
    // Freezes the video and writes the picture into the region.
    void WriteFrozen(const kxcard::Rect& region, const kxcard::Picture& pic);
    // The window the clipboard is opened for: the video window, when any.
    HWND ClipboardOwner();

    // Where and whether the video shows, and what the device is.
    DWORD Put(DWORD flags, const PutParams& p);
    DWORD Window(DWORD flags, const WindowParams& p);
    DWORD Where(DWORD flags, std::wstring& reply);
    DWORD Status(DWORD flags, std::wstring& reply);
    DWORD Info(DWORD flags, std::wstring& reply);
    DWORD Capability(DWORD flags, std::wstring& reply);
    // Takes the cover away from a foreign window that is gone, or when
    // `window` (the window named now) is not the covered one.
    void DropCover(HWND window);

    std::wstring Text(UINT id) const;

    HINSTANCE module_;
    Holder holder_;
    LiveCard live_;
    VideoPresenter presenter_;
    VideoCover cover_;   // over a foreign window named with "window" / "handle"
    Progress progress_;
    kxcard::BufferFormat bufferFormat_ = kxcard::BufferFormat::Rgb;
    bool open_ = false;
    UINT deviceId_ = 0;
};

} // namespace kxmci
