#include "win_services.h"

#include <windows.h>

#include "handles.h"
#include "preview_dialog.h"
#include "temp_file.h"
#include "window_capture.h"

namespace htfx {

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
    const framework::WindowDc dc(nullptr);
    if (!dc)
        return 0;
    return GetDeviceCaps(dc, BITSPIXEL) * GetDeviceCaps(dc, PLANES);
}

long WinServices::DisplayColours()
{
    const framework::WindowDc dc(nullptr);
    if (!dc)
        return 0;
    if (GetDeviceCaps(dc, RASTERCAPS) & RC_PALETTE)
        return GetDeviceCaps(dc, SIZEPALETTE);
    const int bits = GetDeviceCaps(dc, BITSPIXEL) * GetDeviceCaps(dc, PLANES);
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
