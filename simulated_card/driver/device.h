// One open of the simulated card: the command handlers behind winmm.  Each
// command arrives as its message number, its flags and its parameter block
// (params.h); the handler checks everything it is given, acts on the card
// and returns 0 or a standard MCI error code.
#pragma once

#include <windows.h>

#include <string>

#include "card/dib_rows.h"
#include "holder.h"
#include "params.h"
#include "progress.h"
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
    DWORD Dispatch(UINT message, DWORD flags, DWORD_PTR params, std::string& words, std::wstring& reply);

    DWORD Set(DWORD flags, const SetParams& p, std::string& words);
    DWORD Get(DWORD flags, const GetParams& p, std::string& words, std::wstring& reply);
    DWORD Save(DWORD flags, const SaveParams& p, std::string& words);
    DWORD Load(DWORD flags, const LoadParams& p, std::string& words);
    DWORD Copy(DWORD flags, const CopyParams& p, std::string& words);
    DWORD Paste(DWORD flags, const RegionParams& p, std::string& words);
    DWORD Delete(DWORD flags, const RegionParams& p, std::string& words, bool copyFirst);
    DWORD Freeze(DWORD flags, const RegionParams& p, std::string& words, bool freeze);
    DWORD Put(DWORD flags, const PutParams& p, std::string& words);
    DWORD Window(DWORD flags, const WindowParams& p, std::string& words);
    DWORD Where(DWORD flags, std::string& words, std::wstring& reply);
    DWORD Status(DWORD flags, std::string& words, std::wstring& reply);
    DWORD Info(DWORD flags, std::string& words, std::wstring& reply);
    DWORD Capability(DWORD flags, std::string& words, std::wstring& reply);

    DWORD StoreConfiguration();
    std::wstring Text(UINT id) const;

    HINSTANCE module_;
    Holder holder_;
    LiveCard live_;
    VideoPresenter presenter_;
    Progress progress_;
    kxcard::BufferFormat bufferFormat_ = kxcard::BufferFormat::Rgb;
    bool open_ = false;
    UINT deviceId_ = 0;
};

} // namespace kxmci
