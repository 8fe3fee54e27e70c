#include "row_streams.h"

#include <algorithm>
#include <cstring>

namespace htfx {

int RowSource::Open(const HtfxStream& stream, int pixels, int row_bytes, ProcCall call)
{
    kind_ = stream.kind;
    value_ = stream.value;
    memory_ = static_cast<const uint8_t*>(stream.value.address);
    call_ = call;
    pixels_ = pixels;
    row_bytes_ = row_bytes;
    y_ = 0;
    if (kind_ != HTFX_KIND_WINDOW)
        return 0;
    const int result = TheServices().CaptureWindow(stream.value.window, &capture_);
    if (result != 0)
        return result;
    if (!capture_ || capture_->Width() < 1 || capture_->Rows() < 1)
        return 4;
    captured_.assign(size_t(capture_->Width()) * 3, 0);
    return 0;
}

const uint8_t* RowSource::Next(uint8_t* buffer)
{
    switch (kind_) {
    case HTFX_KIND_MEMORY: {
        const uint8_t* row = memory_;
        memory_ += row_bytes_;
        return row;
    }
    case HTFX_KIND_FUNCTION:
        if (call_ == ProcCall::Twice)
            value_.proc2(buffer, buffer, row_bytes_);
        else
            value_.proc(buffer, row_bytes_);
        return buffer;
    default: {
        // Pixels outside the captured area are black.
        std::memset(buffer, 0, size_t(row_bytes_));
        if (y_ < capture_->Rows()) {
            capture_->ReadRow(y_, captured_.data());
            const int pixels = std::min(pixels_, capture_->Width());
            std::memcpy(buffer, captured_.data(), size_t(pixels) * 3);
        }
        ++y_;
        return buffer;
    }
    }
}

void RowSource::Skip(uint8_t* buffer)
{
    if (kind_ == HTFX_KIND_MEMORY)
        memory_ += row_bytes_;
    else if (kind_ == HTFX_KIND_WINDOW)
        ++y_;
    else
        Next(buffer);
}

void RowSink::Open(const HtfxStream& stream, ProcCall call)
{
    kind_ = stream.kind;
    value_ = stream.value;
    memory_ = static_cast<uint8_t*>(stream.value.address);
    call_ = call;
}

void RowSink::Put(uint8_t* row, int bytes, int advance)
{
    if (kind_ == HTFX_KIND_MEMORY) {
        if (row != memory_)
            std::memmove(memory_, row, size_t(bytes));
        memory_ += advance;
    } else if (call_ == ProcCall::Twice) {
        value_.proc2(row, row, bytes);
    } else {
        value_.proc(row, bytes);
    }
}

}  // namespace htfx
