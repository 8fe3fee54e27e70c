// What the pixel logic needs from the system it runs on: memory, trace
// output, window capture, the display's depth, a temporary file and the
// preview dialog.  The Windows library installs its own; the defaults serve
// the native build and its tests.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>

#include "color_model.h"

namespace htfx {

// A window's client area captured from the screen, as 24-bit rows.
class WindowCapture {
public:
    virtual ~WindowCapture() = default;
    virtual int Width() const = 0;
    virtual int Rows() const = 0;
    // Writes Width() pixels (blue, green, red) of row y, top row first.
    virtual void ReadRow(int y, uint8_t* pixels) = 0;
};

// A temporary file that holds rows which do not fit into memory.
class SpillFile {
public:
    virtual ~SpillFile() = default;
    virtual bool Append(const uint8_t* data, uint32_t bytes, uint32_t* offset) = 0;
    virtual bool ReadAt(uint32_t offset, uint8_t* data, uint32_t bytes) = 0;
};

class RowSink;

// The interactive preview of the combined adjustment on raw rows in memory.
struct PreviewJob {
    const uint8_t* source = nullptr;
    int width = 0;
    int rows = 0;
    int row_bytes = 0;
    RowSink* destination = nullptr;
    bool same_address = false;  // destination memory is the source
    void* owner = nullptr;
    int channel_mask = 0;
    int start_state = 0;
    Amounts amounts{};  // normalised, as requested
    long display_colours = 0;
    // Results: whether the user applied the adjustment, and the amounts
    // finally applied (normalised).
    bool applied = false;
    Amounts applied_amounts{};
};

class Services {
public:
    virtual ~Services() = default;
    virtual void Trace(const char* line);
    // Zero-filled memory, or null.
    virtual void* Allocate(size_t bytes);
    virtual void Release(void* block);
    // A result code: 0 with the capture, 4 when the window cannot be captured.
    virtual int CaptureWindow(void* window, std::unique_ptr<WindowCapture>* capture);
    virtual int DisplayBitsPerPixel();
    // Colours the display shows at once (palette size or 2^depth); 0 unknown.
    virtual long DisplayColours();
    virtual std::unique_ptr<SpillFile> CreateSpillFile();
    virtual int RunPreview(PreviewJob& job);
};

Services& TheServices();
// Installs the services the library uses from now on; null restores the defaults.
void InstallServices(Services* services);

// A block from the services' allocator, released on destruction.
class Block {
public:
    Block() = default;
    Block(const Block&) = delete;
    Block& operator=(const Block&) = delete;
    ~Block() { Reset(); }
    bool Allocate(size_t bytes)
    {
        Reset();
        data_ = static_cast<uint8_t*>(TheServices().Allocate(bytes));
        return data_ != nullptr;
    }
    void Reset()
    {
        if (data_)
            TheServices().Release(data_);
        data_ = nullptr;
    }
    uint8_t* data() const { return data_; }

private:
    uint8_t* data_ = nullptr;
};

}  // namespace htfx
