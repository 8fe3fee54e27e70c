#include "chroma_key_dlg.h"
#include "finder_icon.h"
#include "light_font.h"

#include "chroma_state.h"
#include "device_open.h"
#include "frame_wnd.h"
#include "inverted_frame.h"
#include "number_text.h"
#include "overlay_viewer.h"
#include "scroll_position.h"
#include "viewer_settings.h"
#include "win_app.h"

using framework::Message;
using namespace overlay;

namespace {


// Three integers of the driver's reply to the last command.
bool ReplyTriple(int (&values)[3])
{
    return ScanNumbers(OverlayReply(), values, 3) == 3;
}

const ToleranceRow* RowOfBar(int barId)
{
    for (const ToleranceRow* row = kToleranceRows; row->bar; ++row)
        if (row->bar == barId)
            return row;
    return nullptr;
}

}  // namespace

CChromaKeyDlg::CChromaKeyDlg(HWND parent, IChromaView& view, std::optional<POINT> picked)
    : Routed(IDD_CHROMA_KEY, parent), view_(view), picked_(picked), rememberedFreeze_(view.Frozen())
{
    const ChromaState& state = ProcessChromaState();
    for (int i = 0; i < kToleranceCount; ++i)
        tolerance_[i] = state.tolerance[i];
}

bool CChromaKeyDlg::PickChromaColor(POINT at)
{
    int rgb[3] = {}, yuv[3] = {};
    if (SendOverlayCommand(kVerbGet, kFmtPixelRgbAt, static_cast<int>(at.x), static_cast<int>(at.y)) != 0 ||
        !ReplyTriple(rgb))
        return false;
    if (SendOverlayCommand(kVerbGet, kFmtYuvFrom, static_cast<int>(at.x), static_cast<int>(at.y)) != 0 ||
        !ReplyTriple(yuv))
        return false;
    ChromaState& state = ProcessChromaState();
    state.red = rgb[0];
    state.green = rgb[1];
    state.blue = rgb[2];
    state.y = yuv[0];
    state.u = yuv[1];
    state.v = yuv[2];
    SendOverlayCommand(kVerbSet, kFmtChromaKey, 0, state.y, state.u, state.v);
    return true;
}

void CChromaKeyDlg::SuspendChromaKey(bool freeze)
{
    rememberedFreeze_ = view_.Frozen();
    if (freeze)
        view_.SetFreeze(true, true);
    SendOverlayCommand(kVerbSet, kFmtChromaKey, -1, 0, 0, 0);
    SendOverlayCommand(kVerbSet, kFmtVideoKeyOn);
}

void CChromaKeyDlg::ResumeChromaKey()
{
    const ChromaState& state = ProcessChromaState();
    if (view_.ChromaKeyActive())
        SendOverlayCommand(kVerbSet, kFmtChromaKey, 0, state.y, state.u, state.v);
    if (!view_.KeyLock())
        SendOverlayCommand(kVerbSet, kFmtVideoKeyOff);
    view_.SetFreeze(rememberedFreeze_, true);
}

void CChromaKeyDlg::DoDataExchange(framework::CDataExchange& dx)
{
    dx.Check(IDC_USE_COLOR_KEY, keyLockCheck_);
    dx.Check(IDC_HIDE_VIDEO_DECK, hideCheck_);
    for (int i = 0; i < kToleranceCount; ++i)
        dx.ScrollPosition(kToleranceRows[i].bar, tolerance_[i]);
}

bool CChromaKeyDlg::OnInitDialog()
{
    dragging_ = false;
    colourPicked_ = false;
    keyLockCheck_ = view_.KeyLock() ? 1 : 0;
    rememberedKeyLock_ = view_.KeyLock();
    hideCheck_ = ViewerSettings().ReadNumber(kSetChromaKey, kSetHide, 0) ? 1 : 0;

    if (!view_.ExportTarget())
        ShowWindow(Item(IDC_HIDE_VIDEO_DECK), SW_HIDE);
    else if (hideCheck_)
        ShowMainWindow(false);

    int position[3] = {};
    if (ViewerSettings().ReadNumbers(kSetChromaKey, kSetWindowPos, position, 3) == 2)
        SetWindowPos(hwnd_, nullptr, position[0], position[1], 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

    finder::PlaceFinder(hwnd_, IDC_FINDER, IDC_FINDER_FRAME);
    finder::PlaceFrameAround(hwnd_, IDC_SWATCH_FRAME, IDC_CHROMA_SWATCH);

    face_.Create();

    ChromaState& state = ProcessChromaState();
    if (picked_) {
        PickChromaColor(*picked_);
        EnableWindow(Item(IDC_STOP), TRUE);
        ShowSwatch(true);
        for (int i = 0; i < kToleranceCount; ++i)
            state.tolerance[i] = tolerance_[i] = kDefaultTolerance;
    } else if (!view_.ChromaKeyActive() && view_.ExportTarget()) {
        EnableWindow(Item(IDC_STOP), FALSE);
        ShowSwatch(false);
    }

    for (int i = 0; i < kToleranceCount; ++i) {
        const ToleranceRow& row = kToleranceRows[i];
        HWND bar = Item(row.bar);
        SetScrollRange(bar, SB_CTL, row.minimum, row.maximum, FALSE);
        SetScrollPos(bar, SB_CTL, state.tolerance[i], TRUE);
        SetDlgItemInt(hwnd_, row.valueText, static_cast<UINT>(state.tolerance[i]), FALSE);
    }

    if (view_.UnfreezeWhenChromaKey() || !view_.Frozen())
        OnUnfreeze();

    lightFont_ = ApplyLightFont(hwnd_, {IDC_FINDER_TEXT});

    UpdateData(false);
    return true;
}

void CChromaKeyDlg::ShowSwatch(bool show)
{
    ShowWindow(Item(IDC_CHROMA_SWATCH), show ? SW_SHOW : SW_HIDE);
    if (show)
        RepaintControl(IDC_CHROMA_SWATCH);
}

void CChromaKeyDlg::RepaintControl(int id)
{
    RedrawWindow(Item(id), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

HWND CChromaKeyDlg::MainWindow() const
{
    const framework::CWinApp* app = framework::CWinApp::Current();
    if (app && app->MainFrame())
        return app->MainFrame()->Handle();
    return parent_ ? GetAncestor(parent_, GA_ROOT) : nullptr;
}

void CChromaKeyDlg::ShowMainWindow(bool show)
{
    if (HWND main = MainWindow())
        ShowWindow(main, show ? SW_SHOW : SW_HIDE);
}

void CChromaKeyDlg::StorePosition()
{
    RECT r{};
    GetWindowRect(hwnd_, &r);
    const int position[2] = {static_cast<int>(r.left), static_cast<int>(r.top)};
    ViewerSettings().WriteNumbers(kSetChromaKey, kSetWindowPos, position, 2);
}

LRESULT CChromaKeyDlg::OnHScroll(const Message& m)
{
    HWND bar = m.ScrollBar();
    const ToleranceRow* row = bar ? RowOfBar(GetDlgCtrlID(bar)) : nullptr;
    if (!row)
        return Default(m);
    const int present = GetScrollPos(bar, SB_CTL);
    const int next = ScrolledPosition(m.ScrollCode(), present, m.ScrollPos(), {row->minimum, row->maximum, row->page});
    if (next == present)
        return 0;
    SetScrollPos(bar, SB_CTL, next, TRUE);
    SetDlgItemInt(hwnd_, row->valueText, static_cast<UINT>(next), FALSE);
    SendOverlayCommand(kVerbSet, row->setFormat, next);
    UpdateData(true);
    return 0;
}

void CChromaKeyDlg::OnUseColorKey()
{
    UpdateData(true);
    view_.SetKeyLock(keyLockCheck_ != 0);
    SendOverlayCommand(kVerbSet, keyLockCheck_ ? kFmtVideoKeyOn : kFmtVideoKeyOff);
}

void CChromaKeyDlg::OnHideVideoDeck()
{
    UpdateData(true);
    ShowMainWindow(hideCheck_ == 0);
}

void CChromaKeyDlg::OnUnfreeze()
{
    view_.SetFreeze(false, true);
    EnableWindow(Item(IDC_UNFREEZE), FALSE);
}

void CChromaKeyDlg::OnOK()
{
    if (dragging_)
        EndDrag(std::nullopt);
    UpdateData(true);
    view_.SetChromaKeyActive(true);
    view_.SetKeyLock(keyLockCheck_ != 0);
    ChromaState& state = ProcessChromaState();
    for (int i = 0; i < kToleranceCount; ++i)
        state.tolerance[i] = tolerance_[i];
    ChromaKeyRecord record;
    record.y = static_cast<unsigned char>(state.y);
    record.u = static_cast<unsigned char>(state.u);
    record.v = static_cast<unsigned char>(state.v);
    record.toleranceY = static_cast<unsigned char>(tolerance_[0]);
    record.toleranceU = static_cast<unsigned char>(tolerance_[1]);
    record.toleranceV = static_cast<unsigned char>(tolerance_[2]);
    view_.SetChromaKeyRecord(record);
    ViewerSettings().WriteNumber(kSetChromaKey, kSetHide, static_cast<DWORD>(hideCheck_));
    if (hideCheck_)
        ShowMainWindow(true);
    StorePosition();
    EndDialog(IDOK);
}

void CChromaKeyDlg::OnStop()
{
    if (dragging_)
        EndDrag(std::nullopt);
    view_.SetChromaKeyActive(false);
    view_.SetKeyLock(true);
    SuspendChromaKey(false);
    SendOverlayCommand(kVerbSet, kFmtVideoKeyOn);
    ChromaState& state = ProcessChromaState();
    for (int i = 0; i < kToleranceCount; ++i)
        state.tolerance[i] = tolerance_[i] = kDefaultTolerance;
    if (hideCheck_)
        ShowMainWindow(true);
    StorePosition();
    EndDialog(IDCANCEL);
}

void CChromaKeyDlg::OnCancel()
{
    OnStop();
}

void CChromaKeyDlg::OnCancelButton()
{
    if (dragging_)
        EndDrag(std::nullopt);
    view_.SetKeyLock(rememberedKeyLock_);
    if (!view_.ChromaKeyActive()) {
        OnStop();
        return;
    }
    if (hideCheck_)
        ShowMainWindow(true);
    StorePosition();
    EndDialog(IDCANCEL);
}

LRESULT CChromaKeyDlg::OnClose(const Message&)
{
    StorePosition();
    OnCancel();
    return 0;
}

// The Finder.

LRESULT CChromaKeyDlg::OnLeftButtonDown(const Message& m)
{
    if (!dragging_ && finder::OnFinder(hwnd_, IDC_FINDER, m.Point()))
        BeginDrag();
    return 0;
}

void CChromaKeyDlg::BeginDrag()
{
    dragging_ = true;
    RepaintControl(IDC_FINDER);
    SetCursor(LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_FINDER_CURSOR)));
    HWND target = view_.ExportTarget();
    if (target)
        SetForegroundWindow(target);
    else
        target = view_.ViewWindow();
    highlighted_ = target;
    framework::DrawInvertedFrame(highlighted_, finder::kHighlightPen);
    SuspendChromaKey(true);
    SetCapture(hwnd_);
    SetFocus(hwnd_);
    view_.VideoKeyOn();
}

LRESULT CChromaKeyDlg::OnLeftButtonUp(const Message& m)
{
    if (!dragging_)
        return 0;
    POINT screen = m.Point();
    ClientToScreen(hwnd_, &screen);
    EndDrag(screen);
    return 0;
}

// A drag that ends without the button being released (the capture taken
// away, a mode cancelled, the dialog closing, another window coming forward
// or taking the focus) is put back as a release over
// no target would be, so that nothing stays highlighted, frozen or keyed off.
LRESULT CChromaKeyDlg::OnDragInterrupted(const Message& m)
{
    if (dragging_)
        EndDrag(std::nullopt);
    return Default(m);
}

LRESULT CChromaKeyDlg::OnCaptureChanged(const Message& m)
{
    if (dragging_ && m.NewCapture() != hwnd_)
        EndDrag(std::nullopt);
    return Default(m);
}

LRESULT CChromaKeyDlg::OnActivate(const Message& m)
{
    if (dragging_ && m.ActivateState() == WA_INACTIVE && !ExportTargetInFront())
        EndDrag(std::nullopt);
    return Default(m);
}

// The dialog takes the focus when the drag begins and the dialog manager
// hands it on to one of the controls: only a focus leaving the dialog
// altogether breaks the drag off.
LRESULT CChromaKeyDlg::OnKillFocus(const Message& m)
{
    HWND next = m.NextFocus();
    const bool stays = next && (next == hwnd_ || IsChild(hwnd_, next));
    if (dragging_ && !stays && !ExportTargetInFront())
        EndDrag(std::nullopt);
    return Default(m);
}

bool CChromaKeyDlg::ExportTargetInFront() const
{
    HWND target = view_.ExportTarget();
    return target && GetForegroundWindow() == GetAncestor(target, GA_ROOT);
}

LRESULT CChromaKeyDlg::OnDestroy(const Message& m)
{
    if (dragging_)
        EndDrag(std::nullopt);
    return Default(m);
}

void CChromaKeyDlg::EndDrag(std::optional<POINT> dropped)
{
    dragging_ = false;
    framework::DrawInvertedFrame(highlighted_, finder::kHighlightPen);
    SetCursor(LoadCursor(nullptr, IDC_ARROW));
    RepaintControl(IDC_FINDER);
    if (dropped) {
        Drop(*dropped);
    } else {
        ResumeChromaKey();
    }
    highlighted_ = nullptr;
    if (GetCapture() == hwnd_)
        ReleaseCapture();
    view_.VideoKeyOff();
}

void CChromaKeyDlg::Drop(POINT screen)
{
    HWND under = WindowFromPoint(screen);
    DWORD process = 0;
    if (under)
        GetWindowThreadProcessId(under, &process);
    if (!under || (view_.ExportTarget() && process == GetCurrentProcessId())) {
        MessageBeep(0);
        ResumeChromaKey();
        return;
    }
    POINT at = screen;
    ScreenToClient(under, &at);
    HWND child = ChildWindowFromPoint(under, at);
    if (child && child != under) {
        MapWindowPoints(under, child, &at, 1);
        under = child;
    }
    if (under != highlighted_) {
        MessageBeep(0);
        ResumeChromaKey();
        return;
    }
    PickChromaColor(at);
    EnableWindow(Item(IDC_STOP), TRUE);
    ShowSwatch(true);
    UpdateData(false);
    colourPicked_ = true;
    view_.SetFreeze(rememberedFreeze_, true);
}

// Painting.

LRESULT CChromaKeyDlg::OnPaint(const Message&)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd_, &ps);
    finder::PaintSunkenFrame(dc, hwnd_, IDC_FINDER_FRAME);
    finder::PaintSunkenFrame(dc, hwnd_, IDC_SWATCH_FRAME);
    EndPaint(hwnd_, &ps);
    return 0;
}

LRESULT CChromaKeyDlg::OnDrawItem(const Message& m)
{
    const DRAWITEMSTRUCT* item = m.DrawItem();
    if (item->CtlID == IDC_CHROMA_SWATCH) {
        const ChromaState& state = ProcessChromaState();
        framework::GdiBrush colour(CreateSolidBrush(RGB(state.red & 0xFF, state.green & 0xFF, state.blue & 0xFF)));
        RECT client{};
        GetClientRect(item->hwndItem, &client);
        FillRect(item->hDC, &client, colour.get());
        return TRUE;
    }
    if (item->CtlID == IDC_FINDER) {
        finder::DrawFinder(*item, dragging_);
        return TRUE;
    }
    return Default(m);
}

LRESULT CChromaKeyDlg::OnControlColour(const Message& m)
{
    return face_.ControlColour(m);
}
