#include "preview_picture.h"

#include <cstring>
#include <new>

#include "median_cut.h"
#include "meter_dialog.h"
#include "pixel_operation.h"

namespace htfx {

bool CPreviewPicture::Build(const PreviewJob& job, bool palette_display)
{
    job_ = &job;
    paletted_ = palette_display;
    try {
        BITMAPINFOHEADER header{};
        header.biSize = sizeof header;
        header.biWidth = job.width;
        header.biHeight = job.rows;
        header.biPlanes = 1;
        header.biCompression = BI_RGB;
        if (paletted_) {
            ReducedPicture reduced;
            ReduceColours(job.source, job.width, job.rows, job.row_bytes, 256, &reduced);
            row_bytes_ = size_t(reduced.row_bytes);
            header.biBitCount = 8;
            header.biClrUsed = DWORD(reduced.colours);
            header.biSizeImage = DWORD(row_bytes_ * size_t(job.rows));
            bits_offset_ = sizeof header + 256 * 4;
            dib_.assign(bits_offset_ + header.biSizeImage, 0);
            std::memcpy(dib_.data(), &header, sizeof header);
            std::memcpy(Table(), reduced.table, 256 * 4);
            saved_table_.assign(Table(), Table() + 256 * 4);
            // Bitmap rows count from the bottom.
            for (int y = 0; y < job.rows; ++y)
                std::memcpy(Bits() + size_t(job.rows - 1 - y) * row_bytes_, &reduced.pixels[size_t(y) * row_bytes_],
                            row_bytes_);
        } else {
            row_bytes_ = size_t(job.row_bytes);
            header.biBitCount = 24;
            header.biSizeImage = DWORD(row_bytes_ * size_t(job.rows));
            bits_offset_ = sizeof header;
            dib_.assign(bits_offset_ + header.biSizeImage, 0);
            std::memcpy(dib_.data(), &header, sizeof header);
        }
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

void CPreviewPicture::ShowUnadjusted()
{
    if (paletted_) {
        std::memcpy(Table(), saved_table_.data(), saved_table_.size());
        return;
    }
    for (int y = 0; y < job_->rows; ++y)
        std::memcpy(Bits() + size_t(job_->rows - 1 - y) * row_bytes_, job_->source + size_t(y) * row_bytes_,
                    row_bytes_);
}

void CPreviewPicture::AdjustTable(const Amounts& amounts)
{
    std::memcpy(Table(), saved_table_.data(), saved_table_.size());
    CombinedOperation(amounts).AdjustRow(Table(), Table(), 256, 4);
}

void CPreviewPicture::AdjustRows(const Amounts& amounts, CMeterDialog* meter)
{
    const CombinedOperation operation(amounts);
    for (int y = 0; y < job_->rows; ++y) {
        const uint8_t* from = job_->source + size_t(y) * row_bytes_;
        uint8_t* to = Bits() + size_t(job_->rows - 1 - y) * row_bytes_;
        operation.AdjustRow(from, to, job_->width, 3);
        if (meter)
            meter->SetPosition(y + 1);
    }
}

void CPreviewPicture::Draw(HDRAWDIB context, HDC dc, const RECT& area)
{
    auto* header = reinterpret_cast<BITMAPINFOHEADER*>(dib_.data());
    const int width = area.right - area.left, height = area.bottom - area.top;
    DrawDibBegin(context, dc, width, height, header, job_->width, job_->rows, 0);
    DrawDibRealize(context, dc, FALSE);
    DrawDibDraw(context, dc, area.left, area.top, width, height, header, Bits(), 0, 0, job_->width, job_->rows, 0);
}

}  // namespace htfx
