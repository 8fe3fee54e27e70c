// The reduced picture the preview dialog shows: on displays of at most 256
// colours an 8-bit reduction whose colour table follows the sliders,
// otherwise a 24-bit copy of the whole source.
#pragma once
#include <windows.h>
#include <vfw.h>

#include <cstdint>
#include <vector>

#include "color_model.h"
#include "services.h"

namespace htfx {

class CMeterDialog;

class CPreviewPicture {
public:
    // False when there is no memory for it.
    bool Build(const PreviewJob& job, bool palette_display);
    bool Paletted() const { return paletted_; }
    // Unadjusted: the source as it is.
    void ShowUnadjusted();
    // Adjusts the saved colour table into the picture's table (8-bit).
    void AdjustTable(const Amounts& amounts);
    // Adjusts every source row into the picture (24-bit), moving the meter.
    void AdjustRows(const Amounts& amounts, CMeterDialog* meter);
    void Draw(HDRAWDIB context, HDC dc, const RECT& area);
    const BITMAPINFOHEADER* Header() const { return reinterpret_cast<const BITMAPINFOHEADER*>(dib_.data()); }

private:
    uint8_t* Table() { return dib_.data() + sizeof(BITMAPINFOHEADER); }
    uint8_t* Bits() { return dib_.data() + bits_offset_; }

    const PreviewJob* job_ = nullptr;
    bool paletted_ = false;
    std::vector<uint8_t> dib_;
    size_t bits_offset_ = 0;
    size_t row_bytes_ = 0;
    std::vector<uint8_t> saved_table_;
};

}  // namespace htfx
