// Rows read from and written to the picture streams of a request: the
// caller's memory (advancing by the row length), the caller's reader and
// writer functions, or a window captured from the screen.
#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "htfx32.h"
#include "services.h"

namespace htfx {

// How a reader or writer is called: (row, bytes) or (row, row, bytes).
enum class ProcCall { Once, Twice };

class RowSource {
public:
    // Rows of `pixels` 3-byte pixels, `row_bytes` apart (and the byte count
    // given to a reader).  Returns 0, or 4 when a window cannot be captured.
    int Open(const HtfxStream& stream, int pixels, int row_bytes, ProcCall call);

    // The next row: in the caller's memory, or filled into `buffer`.
    const uint8_t* Next(uint8_t* buffer);
    // Reads and discards a row (a reader is still called).
    void Skip(uint8_t* buffer);
    // Rows come straight from the caller's memory.
    bool InMemory() const { return kind_ == HTFX_KIND_MEMORY; }
    const uint8_t* MemoryAt() const { return memory_; }

private:
    int kind_ = HTFX_KIND_MEMORY;
    const uint8_t* memory_ = nullptr;
    HtfxStreamValue value_{};
    ProcCall call_ = ProcCall::Once;
    int pixels_ = 0;
    int row_bytes_ = 0;
    int y_ = 0;
    std::unique_ptr<WindowCapture> capture_;
    std::vector<uint8_t> captured_;
};

class RowSink {
public:
    void Open(const HtfxStream& stream, ProcCall call);
    // Writes `bytes` bytes of `row` and moves on by `advance` bytes in memory.
    void Put(uint8_t* row, int bytes, int advance);
    void Put(uint8_t* row, int bytes) { Put(row, bytes, bytes); }
    bool InMemory() const { return kind_ == HTFX_KIND_MEMORY; }
    // Where the next row goes in the caller's memory.
    uint8_t* MemoryAt() const { return memory_; }
    void Advance(int bytes) { memory_ += bytes; }

private:
    int kind_ = HTFX_KIND_MEMORY;
    uint8_t* memory_ = nullptr;
    HtfxStreamValue value_{};
    ProcCall call_ = ProcCall::Once;
};

// Bytes of a raw row (3 bytes per pixel, padded to 4), within the 8188-byte
// limit of the row buffers.
constexpr int kMaxRowBytes = 8188;
constexpr int kMaxRawWidth = 2729;
inline int RawRowBytes(int width)
{
    return (width * 3 + 3) & 0x1FFC;
}
inline bool RawWidthValid(int width)
{
    return width >= 1 && width <= kMaxRawWidth;
}

}  // namespace htfx
