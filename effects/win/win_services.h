// The services of the Windows library: debugger trace, screen capture,
// display depth, temporary files and the preview dialog.
#pragma once
#include "services.h"

namespace htfx {

class WinServices : public Services {
public:
    void Trace(const char* line) override;
    int CaptureWindow(void* window, std::unique_ptr<WindowCapture>* capture) override;
    int DisplayBitsPerPixel() override;
    long DisplayColours() override;
    std::unique_ptr<SpillFile> CreateSpillFile() override;
    int RunPreview(PreviewJob& job) override;
};

}  // namespace htfx
