#include "export_video_dlg.h"

#include "finder_icon.h"
#include "htvchook.h"
#include "inverted_frame.h"
#include "light_font.h"
#include "overlay_viewer.h"
#include "overlay_vocabulary.h"
#include "settings_names.h"
#include "viewer_settings.h"

using framework::Message;

namespace {

bool OfThisProcess(HWND window)
{
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    return process == GetCurrentProcessId();
}

// The hook library's start and stop of the watch on `target`.
void Watch(HWND target, HWND view, HWND dialog)
{
    dllHook(target, view, dialog, 1);
}
void Unwatch(HWND target)
{
    dllHook(target, nullptr, nullptr, 0);
}

}  // namespace

CExportVideoDlg::CExportVideoDlg(IExportView& view)
    : Routed(IDD_EXPORT_VIDEO, nullptr), view_(view)
{
}

INT_PTR CExportVideoDlg::Run(HWND parent, HWND target)
{
    parent_ = parent;
    target_ = target;
    return DoModal();
}

bool CExportVideoDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    face_.Create();

    int position[2] = {};
    if (ViewerSettings().ReadNumbers(kSetExportVideo, kSetWindowPos, position, 2) == 2)
        SetWindowPos(hwnd_, nullptr, position[0], position[1], 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    int key[3] = {};
    if (ViewerSettings().ReadNumbers(kSetExportVideo, kSetColorKey, key, 3) == 3)
        savedKey_ = RGB(key[0] & 0xFF, key[1] & 0xFF, key[2] & 0xFF);

    if (!view_.ExportTarget())
        EnableWindow(Item(IDC_STOP), FALSE);
    if (hide_)
        ShowMainWindow(false);
    finder::PlaceFinder(hwnd_, IDC_FINDER, IDC_FINDER_FRAME);
    lightFont_ = ApplyLightFont(hwnd_, {IDC_EXPLANATION});
    return true;
}

void CExportVideoDlg::DoDataExchange(framework::CDataExchange& dx)
{
    dx.Check(IDC_HIDE_VIDEO_DECK, hide_);
    dx.Check(IDC_MINIMIZE_WHEN_DONE, minimize_);
}

void CExportVideoDlg::ShowMainWindow(bool show, int how)
{
    HWND main = view_.MainWindow();
    if (main)
        ShowWindow(main, show ? how : SW_HIDE);
}

void CExportVideoDlg::RepaintFinder()
{
    InvalidateRect(Item(IDC_FINDER), nullptr, TRUE);
    UpdateWindow(Item(IDC_FINDER));
}

// The Finder drag.

LRESULT CExportVideoDlg::OnLeftButtonDown(const Message& m)
{
    if (dragging_ || !finder::OnFinder(hwnd_, IDC_FINDER, m.Point()))
        return 0;
    dragging_ = true;
    RepaintFinder();
    SetCursor(LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_FINDER_CURSOR)));
    // A new drag while an export runs lets the old target go first.
    if (target_) {
        Unwatch(target_);
        target_ = nullptr;
    }
    SetCapture(hwnd_);
    SetFocus(hwnd_);
    return 0;
}

HWND CExportVideoDlg::CandidateAt(POINT screen) const
{
    HWND under = WindowFromPoint(screen);
    if (!under)
        return nullptr;
    POINT at = screen;
    ScreenToClient(under, &at);
    HWND child = ChildWindowFromPointEx(under, at, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
    if (child && child != under)
        under = child;
    return OfThisProcess(under) ? nullptr : under;
}

void CExportVideoDlg::MarkCandidate(HWND window)
{
    if (window == marked_)
        return;
    if (marked_ && IsWindow(marked_))
        framework::DrawInvertedFrame(marked_, finder::kHighlightPen);
    marked_ = window;
    if (marked_)
        framework::DrawInvertedFrame(marked_, finder::kHighlightPen);
}

LRESULT CExportVideoDlg::OnMouseMove(const Message& m)
{
    if (!dragging_)
        return 0;
    POINT screen = m.Point();
    ClientToScreen(hwnd_, &screen);
    HWND candidate = CandidateAt(screen);
    if (candidate == target_)
        return 0;
    MarkCandidate(candidate);
    target_ = candidate;
    if (target_) {
        drop_ = screen;
        ScreenToClient(target_, &drop_);
    }
    return 0;
}

LRESULT CExportVideoDlg::OnLeftButtonUp(const Message& m)
{
    if (!dragging_)
        return 0;
    POINT screen = m.Point();
    ClientToScreen(hwnd_, &screen);
    EndDrag(true, screen);
    return 0;
}

// The capture taken away ends the drag as a drop over nothing would.
LRESULT CExportVideoDlg::OnCaptureChanged(const Message& m)
{
    if (dragging_ && m.NewCapture() != hwnd_)
        EndDrag(false, POINT{0, 0});
    return Default(m);
}

void CExportVideoDlg::EndDrag(bool dropped, POINT screen)
{
    dragging_ = false;
    SetCursor(LoadCursor(nullptr, IDC_ARROW));
    RepaintFinder();
    MarkCandidate(nullptr);
    if (!dropped)
        target_ = nullptr;
    if (!target_) {
        if (dropped)
            MessageBeep(0);
    } else {
        drop_ = screen;
        ScreenToClient(target_, &drop_);
        StartExport(drop_);
    }
    if (GetCapture() == hwnd_)
        ReleaseCapture();
}

// The export.

bool CExportVideoDlg::StartExport(POINT drop)
{
    if (!target_)
        return false;
    if (OfThisProcess(target_)) {
        MessageBeep(0);
        return false;
    }
    Watch(target_, view_.ViewWindow(), hwnd_);
    HDC dc = GetDC(target_);
    if (!dc) {
        // Nothing is exported into a window without a device context: the
        // watch goes again, so that no hook is left behind.
        Unwatch(target_);
        return false;
    }
    SendOverlayCommand(overlay::kVerbWindow, overlay::kFmtHandle, target_);
    view_.SetExportTarget(target_);

    HWND top = GetAncestor(target_, GA_ROOT);
    SetForegroundWindow(top);
    BringWindowToTop(top);

    // The colour under the drop point as the screen shows it: under Wine a
    // window of another process cannot be read through its own device context.
    POINT screen = drop;
    ClientToScreen(target_, &screen);
    HDC screenDc = GetDC(nullptr);
    COLORREF key = screenDc ? GetPixel(screenDc, screen.x, screen.y) : CLR_INVALID;
    if (screenDc)
        ReleaseDC(nullptr, screenDc);
    if (key == CLR_INVALID)
        key = GetPixel(dc, drop.x, drop.y);
    const bool wasRunning = IsWindowEnabled(Item(IDC_STOP)) != FALSE;
    if (!wasRunning)
        savedKey_ = view_.KeyColour();
    if (key != CLR_INVALID)
        view_.ApplyKeyColour(key);
    view_.PlaceExported();

    ReleaseDC(target_, dc);
    if (!wasRunning)
        EnableWindow(Item(IDC_STOP), TRUE);
    InvalidateRect(view_.ViewWindow(), nullptr, TRUE);
    return true;
}

void CExportVideoDlg::StopExport()
{
    if (target_) {
        Unwatch(target_);
        target_ = nullptr;
    }
    SendOverlayCommand(overlay::kVerbWindow, overlay::kFmtHandle, view_.ViewWindow());
    view_.SetExportTarget(nullptr);
    view_.ApplyKeyColour(savedKey_);
    view_.PlaceRefit();
    InvalidateRect(view_.ViewWindow(), nullptr, TRUE);
}

LRESULT CExportVideoDlg::OnUpdateVideo(const Message& m)
{
    if (!UpdateVideoMessage(m).windowGone)
        return 0;
    // The view hears of it first and brings the video home itself; the
    // watch is already gone.
    if (view_.ExportTarget())
        StopExport();
    target_ = nullptr;
    EnableWindow(Item(IDC_STOP), FALSE);
    return 0;
}

void CExportVideoDlg::OnStop()
{
    StopExport();
    UpdateData(true);
    if (hide_ || minimize_)
        ShowMainWindow(true, SW_SHOWNORMAL);
    EndDialog(IDC_STOP);
}

void CExportVideoDlg::OnHideVideoDeck()
{
    UpdateData(true);
    ShowMainWindow(!hide_);
}

void CExportVideoDlg::OnOK()
{
    UpdateData(true);
    RECT box{};
    GetWindowRect(hwnd_, &box);
    const int position[2] = {static_cast<int>(box.left), static_cast<int>(box.top)};
    ViewerSettings().WriteNumbers(kSetExportVideo, kSetWindowPos, position, 2);
    const int key[3] = {GetRValue(savedKey_), GetGValue(savedKey_), GetBValue(savedKey_)};
    ViewerSettings().WriteNumbers(kSetExportVideo, kSetColorKey, key, 3);
    if (minimize_ && view_.ExportTarget())
        ShowMainWindow(true, SW_MINIMIZE);
    if (hide_)
        ShowMainWindow(true);
    EndDialog(IDOK);
}

// Escape and the close box: a hidden main window comes back, so that the
// viewer is never left without a window.
void CExportVideoDlg::OnCancel()
{
    UpdateData(true);
    if (hide_)
        ShowMainWindow(true);
    EndDialog(IDCANCEL);
}

// Painting.

LRESULT CExportVideoDlg::OnPaint(const Message&)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd_, &ps);
    finder::PaintSunkenFrame(dc, hwnd_, IDC_FINDER_FRAME);
    EndPaint(hwnd_, &ps);
    return 0;
}

LRESULT CExportVideoDlg::OnDrawItem(const Message& m)
{
    const DRAWITEMSTRUCT* item = m.DrawItem();
    if (item->CtlID != IDC_FINDER)
        return Default(m);
    finder::DrawFinder(*item, dragging_);
    return TRUE;
}

LRESULT CExportVideoDlg::OnControlColour(const Message& m)
{
    return face_.ControlColour(m);
}
