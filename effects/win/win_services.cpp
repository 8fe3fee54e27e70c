#include "win_services.h"

#include <windows.h>

#include "preview_dialog.h"
#include "temp_file.h"
#include "window_capture.h"

namespace htfx {

namespace {

// A device context of the whole display, released on destruction.
class DisplayDc {
public:
    DisplayDc() : dc_(GetDC(nullptr)) {}
    ~DisplayDc()
    {
        if (dc_)
            ReleaseDC(nullptr, dc_);
    }
    DisplayDc(const DisplayDc&) = delete;
    DisplayDc& operator=(const DisplayDc&) = delete;
    HDC get() const { return dc_; }

private:
    HDC dc_;
};

}  // namespace

void WinServices::Trace(const char* line)
{
    OutputDebugStringA(line);
}

int WinServices::CaptureWindow(void* window, std::unique_ptr<WindowCapture>* capture)
{
    if (DisplayBitsPerPixel() == 0)
        return 4;
    return CaptureClientArea(static_cast<HWND>(window), capture);
}

int WinServices::DisplayBitsPerPixel()
{
    DisplayDc dc;
    if (!dc.get())
        return 0;
    return GetDeviceCaps(dc.get(), BITSPIXEL) * GetDeviceCaps(dc.get(), PLANES);
}

long WinServices::DisplayColours()
{
    DisplayDc dc;
    if (!dc.get())
        return 0;
    if (GetDeviceCaps(dc.get(), RASTERCAPS) & RC_PALETTE)
        return GetDeviceCaps(dc.get(), SIZEPALETTE);
    const int bits = GetDeviceCaps(dc.get(), BITSPIXEL) * GetDeviceCaps(dc.get(), PLANES);
    if (bits <= 0)
        return 0;
    return bits >= 24 ? 1L << 24 : 1L << bits;
}

std::unique_ptr<SpillFile> WinServices::CreateSpillFile()
{
    return TempFile::Create();
}

int WinServices::RunPreview(PreviewJob& job)
{
    return CPreviewDialog(job).Run();
}

}  // namespace htfx
