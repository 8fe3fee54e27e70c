#include "preview_dialog.h"

#include <cstdio>

#include "busy_cursor.h"
#include "meter_control.h"
#include "meter_dialog.h"
#include "module.h"
#include "mul_div.h"
#include "pixel_operation.h"
#include "resource.h"
#include "row_streams.h"

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

const MessageEntry<CPreviewDialog> CPreviewDialog::kMessages[] = {
    {WM_INITDIALOG, &CPreviewDialog::OnInitDialog},
    {WM_HSCROLL, &CPreviewDialog::OnHScroll},
    {WM_PAINT, &CPreviewDialog::OnPaint},
    {WM_PALETTECHANGED, &CPreviewDialog::OnPaletteChanged},
    {WM_QUERYNEWPALETTE, &CPreviewDialog::OnQueryNewPalette},
    {WM_CTLCOLORSTATIC, &CPreviewDialog::OnControlColour},
    {WM_CTLCOLORDLG, &CPreviewDialog::OnControlColour},
    {WM_SYSCOLORCHANGE, &CPreviewDialog::OnSysColorChange},
    {WM_CLOSE, &CPreviewDialog::OnClose},
};

const CommandEntry<CPreviewDialog> CPreviewDialog::kCommands[] = {
    {IDOK, &CPreviewDialog::OnOk},
    {IDCANCEL, &CPreviewDialog::OnCancel},
    {IDC_UPDATE, &CPreviewDialog::OnUpdate},
};

CPreviewDialog::~CPreviewDialog()
{
    CleanUp();
    if (face_brush_)
        DeleteObject(face_brush_);
}

int CPreviewDialog::Run()
{
    // A dialog that never opened (no owner window, no template) is a
    // preview that could not be set up.
    const INT_PTR result = RunModal(IDD_PREVIEWBOX, static_cast<HWND>(job_.owner));
    CleanUp();
    return result == -1 || !opened_ ? HTFX_NO_PREVIEW : int(result);
}

bool CPreviewDialog::OnMessage(UINT message, WPARAM wparam, LPARAM lparam, INT_PTR* result)
{
    return RouteMessage(this, kMessages, kCommands, message, wparam, lparam, result);
}

INT_PTR CPreviewDialog::OnInitDialog(WPARAM, LPARAM)
{
    opened_ = true;
    SetWindowTextA(hwnd_, LoadText(IDS_PREVIEW_CAPTION).c_str());
    for (const auto& text : kTexts)
        SetDlgItemTextA(hwnd_, text.id, LoadText(text.text).c_str());

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

INT_PTR CPreviewDialog::OnHScroll(WPARAM wparam, LPARAM lparam)
{
    const int k = GetDlgCtrlID(reinterpret_cast<HWND>(lparam)) - IDC_SLIDER_FIRST;
    if (k < kFirstSliderRow || k > kLastSliderRow || !HasRow(k))
        return FALSE;
    SliderRow& row = rows_[k];
    int position = row.position;
    switch (LOWORD(wparam)) {
    case SB_LINELEFT: position -= 1; break;
    case SB_LINERIGHT: position += 1; break;
    case SB_PAGELEFT: position -= row.page; break;
    case SB_PAGERIGHT: position += row.page; break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: position = short(HIWORD(wparam)); break;
    default: return TRUE;
    }
    position = Hold(position, row.minimum, row.maximum);
    if (position == row.position)
        return TRUE;
    row.position = row.pending = position;
    SetScrollPos(reinterpret_cast<HWND>(lparam), SB_CTL, position, TRUE);
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
    CBusyCursor busy;
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

INT_PTR CPreviewDialog::OnClose(WPARAM, LPARAM)
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
    CBusyCursor busy;
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

INT_PTR CPreviewDialog::OnPaint(WPARAM, LPARAM)
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

INT_PTR CPreviewDialog::OnPaletteChanged(WPARAM, LPARAM)
{
    InvalidatePreview();
    return TRUE;
}

INT_PTR CPreviewDialog::OnQueryNewPalette(WPARAM, LPARAM)
{
    if (!drawing_)
        return FALSE;
    HWND area = GetDlgItem(hwnd_, IDC_PREVIEW_AREA);
    HDC dc = GetDC(area);
    const UINT changed = DrawDibRealize(drawing_, dc, FALSE);
    ReleaseDC(area, dc);
    if (changed)
        InvalidatePreview();
    return TRUE;
}

INT_PTR CPreviewDialog::OnControlColour(WPARAM wparam, LPARAM)
{
    HDC dc = reinterpret_cast<HDC>(wparam);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    SetBkMode(dc, TRANSPARENT);
    if (!face_brush_)
        face_brush_ = CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<INT_PTR>(face_brush_);
}

INT_PTR CPreviewDialog::OnSysColorChange(WPARAM, LPARAM)
{
    if (face_brush_)
        DeleteObject(face_brush_);
    face_brush_ = CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
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
