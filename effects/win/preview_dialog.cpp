#include "preview_dialog.h"

#include <cstdio>

#include "meter_control.h"
#include "meter_dialog.h"
#include "module.h"
#include "mul_div.h"
#include "pixel_operation.h"
#include "row_streams.h"
#include "strings.h"
#include "wait_cursor.h"

namespace htfx {

namespace {

int Hold(int value, int low, int high)
{
    return value < low ? low : value > high ? high : value;
}

// Slider rows with controls: hue, brightness, saturation, contrast.
constexpr int kFirstSliderRow = 3;
constexpr int kLastSliderRow = 6;

const struct {
    int id;
    UINT text;
} kTexts[] = {
    {IDC_HUE_LABEL, IDS_HUE}, {IDC_BRIGHTNESS_LABEL, IDS_BRIGHTNESS}, {IDC_SATURATION_LABEL, IDS_SATURATION},
    {IDC_CONTRAST_LABEL, IDS_CONTRAST}, {IDOK, IDS_OK}, {IDCANCEL, IDS_CANCEL}, {IDC_UPDATE, IDS_UPDATE},
};

}  // namespace

CPreviewDialog::~CPreviewDialog()
{
    CleanUp();
}

int CPreviewDialog::Run()
{
    // A dialog that never opened (no owner window, no template) is a
    // preview that could not be set up.
    const INT_PTR result = RunModal(IDD_PREVIEWBOX, static_cast<HWND>(job_.owner));
    CleanUp();
    return result == -1 || !opened_ ? HTFX_NO_PREVIEW : int(result);
}

LRESULT CPreviewDialog::OnInitDialog(const framework::Message&)
{
    opened_ = true;
    SetWindowTextA(hwnd_, framework::LoadText(IDS_PREVIEW_CAPTION, ModuleInstance()).c_str());
    for (const auto& text : kTexts)
        SetDlgItemTextA(hwnd_, text.id, framework::LoadText(text.text, ModuleInstance()).c_str());

    class_registered_ = CMeterControl::Register(ModuleInstance());
    const bool paletted = job_.display_colours <= 256;
    drawing_ = DrawDibOpen();
    if (!class_registered_ || !drawing_ || !picture_.Build(job_, paletted)) {
        CleanUp();
        EndDialog(hwnd_, HTFX_NO_PREVIEW);
        return TRUE;
    }
    if (job_.start_state == 1) {
        working_ = job_.amounts;
        if (picture_.Paletted())
            picture_.AdjustTable(working_);
        else
            picture_.AdjustRows(working_, nullptr);
    } else {
        working_ = Amounts{};
        picture_.ShowUnadjusted();
    }
    base_ = working_;
    for (int k = 0; k < 7; ++k) {
        rows_[k] = SliderRow{};
        if (!HasRow(k) || k < kFirstSliderRow || k > kLastSliderRow)
            continue;
        HWND slider = GetDlgItem(hwnd_, IDC_SLIDER_FIRST + k);
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_RANGE | SIF_POS;
        info.nMin = rows_[k].minimum;
        info.nMax = rows_[k].maximum;
        info.nPos = 0;
        SetScrollInfo(slider, SB_CTL, &info, TRUE);
        SetValueText(k, 0);
    }
    EnableWindow(GetDlgItem(hwnd_, IDC_UPDATE), !picture_.Paletted());
    return TRUE;
}

LRESULT CPreviewDialog::OnHScroll(const framework::Message& m)
{
    const int k = GetDlgCtrlID(m.ScrollBar()) - IDC_SLIDER_FIRST;
    if (k < kFirstSliderRow || k > kLastSliderRow || !HasRow(k))
        return FALSE;
    SliderRow& row = rows_[k];
    int position = row.position;
    switch (m.ScrollCode()) {
    case SB_LINELEFT: position -= 1; break;
    case SB_LINERIGHT: position += 1; break;
    case SB_PAGELEFT: position -= row.page; break;
    case SB_PAGERIGHT: position += row.page; break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: position = m.ScrollPos(); break;
    default: return TRUE;
    }
    position = Hold(position, row.minimum, row.maximum);
    if (position == row.position)
        return TRUE;
    row.position = row.pending = position;
    SetScrollPos(m.ScrollBar(), SB_CTL, position, TRUE);
    SetValueText(k, position);
    working_.value[k] = Hold(base_.value[k] + position + MulDiv(base_.value[k], position, 100), -99, 99);
    changed_ = true;
    if (picture_.Paletted()) {
        picture_.AdjustTable(working_);
        InvalidatePreview();
    }
    return TRUE;
}

void CPreviewDialog::OnUpdate()
{
    if (picture_.Paletted())
        return;
    framework::CWaitCursor busy;
    CMeterDialog meter;
    const bool shown = meter.Open(hwnd_, job_.rows);
    if (shown)
        meter.SetPosition(0);
    picture_.AdjustRows(working_, shown ? &meter : nullptr);
    meter.Close();
    InvalidatePreview();
}

void CPreviewDialog::OnOk()
{
    if (changed_) {
        Amounts applied = base_;
        for (int k = 0; k < 7; ++k) {
            if (!HasRow(k))
                continue;
            const int p = rows_[k].pending, b = base_.value[k];
            applied.value[k] = b + MulDiv(b, p, 99) + p;
        }
        WriteDestination(&applied);
        job_.applied_amounts = applied;
    } else {
        WriteDestination(nullptr);
        job_.applied_amounts = base_;
    }
    job_.applied = true;
    CleanUp();
    EndDialog(hwnd_, HTFX_OK);
}

void CPreviewDialog::OnCancel()
{
    working_ = base_;
    for (int k = kFirstSliderRow; k <= kLastSliderRow; ++k) {
        rows_[k].position = rows_[k].pending = 0;
        if (HasRow(k)) {
            SetScrollPos(GetDlgItem(hwnd_, IDC_SLIDER_FIRST + k), SB_CTL, 0, TRUE);
            SetValueText(k, 0);
        }
    }
    WriteDestination(nullptr);
    job_.applied = false;
    CleanUp();
    EndDialog(hwnd_, HTFX_OK);
}

LRESULT CPreviewDialog::OnClose(const framework::Message&)
{
    OnCancel();
    return TRUE;
}

void CPreviewDialog::WriteDestination(const Amounts* amounts)
{
    RowSink& sink = *job_.destination;
    if (!amounts) {
        // Unchanged: a copy, unless the destination is the source itself.
        if (job_.same_address)
            return;
        std::vector<uint8_t> row(size_t(job_.row_bytes));
        for (int y = 0; y < job_.rows; ++y) {
            std::copy(job_.source + size_t(y) * job_.row_bytes, job_.source + size_t(y + 1) * job_.row_bytes,
                      row.begin());
            sink.Put(row.data(), job_.row_bytes);
        }
        return;
    }
    framework::CWaitCursor busy;
    CMeterDialog meter;
    const bool shown = meter.Open(hwnd_, job_.rows);
    const CombinedOperation operation(*amounts);
    std::vector<uint8_t> row(size_t(job_.row_bytes) + 50);
    for (int y = 0; y < job_.rows; ++y) {
        const uint8_t* from = job_.source + size_t(y) * job_.row_bytes;
        std::copy(from, from + job_.row_bytes, row.begin());
        operation.AdjustRow(row.data(), row.data(), job_.width, 3);
        sink.Put(row.data(), job_.row_bytes);
        if (shown)
            meter.SetPosition(y + 1);
    }
}

LRESULT CPreviewDialog::OnPaint(const framework::Message&)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd_, &paint);
    RECT area = PreviewArea();
    DrawEdge(dc, &area, EDGE_SUNKEN, BF_RECT);
    InflateRect(&area, -2, -2);
    if (drawing_)
        picture_.Draw(drawing_, dc, area);
    EndPaint(hwnd_, &paint);
    return TRUE;
}

LRESULT CPreviewDialog::OnPaletteChanged(const framework::Message&)
{
    InvalidatePreview();
    return TRUE;
}

LRESULT CPreviewDialog::OnQueryNewPalette(const framework::Message&)
{
    if (!drawing_)
        return FALSE;
    UINT changed;
    {
        framework::WindowDc dc(GetDlgItem(hwnd_, IDC_PREVIEW_AREA));
        changed = DrawDibRealize(drawing_, dc, FALSE);
    }
    if (changed)
        InvalidatePreview();
    return TRUE;
}

LRESULT CPreviewDialog::OnControlColour(const framework::Message& m)
{
    HDC dc = m.Dc();
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    SetBkMode(dc, TRANSPARENT);
    if (!face_brush_)
        face_brush_.reset(CreateSolidBrush(GetSysColor(COLOR_BTNFACE)));
    return reinterpret_cast<LRESULT>(face_brush_.get());
}

LRESULT CPreviewDialog::OnSysColorChange(const framework::Message&)
{
    face_brush_.reset(CreateSolidBrush(GetSysColor(COLOR_BTNFACE)));
    return TRUE;
}

RECT CPreviewDialog::PreviewArea() const
{
    RECT area{};
    HWND frame = GetDlgItem(hwnd_, IDC_PREVIEW_AREA);
    GetWindowRect(frame, &area);
    MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&area), 2);
    return area;
}

void CPreviewDialog::InvalidatePreview()
{
    RECT area = PreviewArea();
    InflateRect(&area, -2, -2);
    OffsetRect(&area, 1, 1);
    InvalidateRect(hwnd_, &area, FALSE);
}

void CPreviewDialog::SetValueText(int k, int value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    SetDlgItemTextA(hwnd_, IDC_VALUE_FIRST + k, text);
}

void CPreviewDialog::CleanUp()
{
    if (drawing_) {
        DrawDibClose(drawing_);
        drawing_ = nullptr;
    }
    if (class_registered_) {
        CMeterControl::Unregister(ModuleInstance());
        class_registered_ = false;
    }
}

}  // namespace htfx
