// Services for tests: recorded trace lines, allocations that fail above a
// size, a scripted window capture and a scripted preview.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "services.h"

namespace htfx_test {

class FakeCapture : public htfx::WindowCapture {
public:
    FakeCapture(int width, int rows, uint8_t shade) : width_(width), rows_(rows), shade_(shade) {}
    int Width() const override { return width_; }
    int Rows() const override { return rows_; }
    void ReadRow(int y, uint8_t* pixels) override
    {
        for (int x = 0; x < width_; ++x) {
            pixels[3 * x] = uint8_t(shade_ + x);
            pixels[3 * x + 1] = uint8_t(y);
            pixels[3 * x + 2] = shade_;
        }
    }

private:
    int width_, rows_;
    uint8_t shade_;
};

class FakeServices : public htfx::Services {
public:
    FakeServices() { htfx::InstallServices(this); }
    ~FakeServices() override { htfx::InstallServices(nullptr); }

    void Trace(const char* line) override { trace.push_back(line); }
    void* Allocate(size_t bytes) override
    {
        if (bytes > allocation_limit)
            return nullptr;
        return Services::Allocate(bytes);
    }
    int CaptureWindow(void*, std::unique_ptr<htfx::WindowCapture>* capture) override
    {
        if (capture_width <= 0)
            return 4;
        *capture = std::make_unique<FakeCapture>(capture_width, capture_rows, capture_shade);
        return 0;
    }
    int DisplayBitsPerPixel() override { return display_bits; }
    int RunPreview(htfx::PreviewJob& job) override { return preview ? preview(job) : 5; }
    std::unique_ptr<htfx::SpillFile> CreateSpillFile() override
    {
        ++spill_files;
        return no_spill_file ? nullptr : Services::CreateSpillFile();
    }

    std::vector<std::string> trace;
    size_t allocation_limit = size_t(-1);
    int capture_width = 0;
    int capture_rows = 0;
    uint8_t capture_shade = 100;
    int display_bits = 24;
    int spill_files = 0;
    bool no_spill_file = false;
    std::function<int(htfx::PreviewJob&)> preview;
};

}  // namespace htfx_test
