#include "vd_view.h"

#include "frame_wnd.h"
#include "handles.h"
#include "overlay_args.h"
#include "video_commands.h"
#include "video_frame.h"
#include "viewer_settings.h"

using framework::CCmdUI;
using framework::Message;

namespace {

// Status bar panes the view writes: size, position and zoom of the picture.
constexpr int kPaneSize = 1;
constexpr int kPanePosition = 2;
constexpr int kPaneZoom = 3;
constexpr UINT kPaneSizeFormat = 306;      // "%d x %d"
constexpr UINT kPanePositionFormat = 307;  // "%d, %d"
constexpr UINT kPaneZoomFormat = 308;      // "x%d"

}  // namespace

CVDView::CVDView()
{
    source_ = static_cast<int>(ViewerSettings().ReadNumber(kSetSettings, kSetVideoSource, 0));
    SendSourceNumber(source_);
}

CVDView::~CVDView()
{
    if (contextMenu_)
        DestroyMenu(contextMenu_);
}

IVideoFrame* CVDView::Frame() const
{
    return dynamic_cast<IVideoFrame*>(framework::CWnd::FromHandle(FrameWindow()));
}

HWND CVDView::FrameWindow() const
{
    return hwnd_ ? GetParent(hwnd_) : nullptr;
}

ViewState CVDView::State() const
{
    ViewState s;
    s.sourceNumber = source_;
    s.frozen = frozen_;
    s.inverted = inverted_;
    s.zoom = modes_.zoom();
    s.nonFit = modes_.nonFit();
    s.exported = exportTarget_ != nullptr;
    s.chromaKeyActive = chromaKeyActive_;
    s.backgroundLoaded = backgroundLoaded_;
    s.backgroundShown = backgroundShown_;
    if (IVideoFrame* frame = Frame())
        s.fullScreen = frame->IsFullScreen();
    return s;
}

LRESULT CVDView::OnCreate(const Message& m)
{
    if (Default(m) == -1)
        return -1;
    SendViewWindow(hwnd_);
    return 0;
}

LRESULT CVDView::OnDestroy(const Message& m)
{
    ViewerSettings().WriteNumber(kSetSettings, kSetVideoSource, static_cast<DWORD>(source_));
    return Default(m);
}

void CVDView::OnInitialUpdate()
{
    RECT client = ClientRect();
    SetScrollSizes(SIZE{client.right, client.bottom});
    // The in-place editor of the text annotations waits hidden over the picture.
    editor_ = CreateWindowExA(0, "EDIT", "",
                              WS_CHILD | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN, 0, 0,
                              client.right, client.bottom, hwnd_, reinterpret_cast<HMENU>(UINT_PTR{kEditorId}),
                              GetModuleHandleA(nullptr), nullptr);
    if (editor_)
        SendMessageA(editor_, EM_SETMODIFY, FALSE, 0);
    if (!contextMenu_)
        contextMenu_ = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_VIEW_CONTEXT));
    UpdateStatus();
}

void CVDView::PlaceVideo(PlaceMode mode)
{
    if (!hwnd_ || placing_)
        return;
    // Scroll bars that come or go resize the client area (and call back
    // here); the placement is worked out again for the client they leave.
    placing_ = true;
    Placement p;
    for (int pass = 0; pass < 3; ++pass) {
        RECT client = ClientRect();
        PlacementInput in;
        in.scrollX = ScrollPosition().x;
        in.scrollY = ScrollPosition().y;
        in.clientW = client.right;
        in.clientH = client.bottom;
        in.screenW = GetSystemMetrics(SM_CXSCREEN);
        in.screenH = GetSystemMetrics(SM_CYSCREEN);
        in.fullScreen = Frame() && Frame()->IsFullScreen();
        in.exported = exportTarget_ != nullptr;
        in.printing = printing_;
        in.zoom = modes_.zoom();
        in.nonFit = modes_.nonFit();
        p = ComputePlacement(mode, in);
        if (p.action != PlacementAction::Place)
            break;
        modes_.SetNonFit(p.nonFit);
        SetScrollSizes(SIZE{p.totalW, p.totalH});
        if (p.nonFit)
            ScrollToPosition(POINT{p.scrollX, p.scrollY});
        RECT after = ClientRect();
        if (after.right == client.right && after.bottom == client.bottom)
            break;
    }
    SendPlacement(p);
    placing_ = false;
}

LRESULT CVDView::OnWindowPosChanged(const Message& m)
{
    LRESULT result = Default(m);  // sends the WM_SIZE the scroll bars need
    PlaceVideo(PlaceMode::Refit);
    UpdateStatus();
    return result;
}

void CVDView::OnScrolled()
{
    InvalidateRect(hwnd_, nullptr, TRUE);
    PlaceVideo(PlaceMode::Refit);
    UpdateStatus();
}

// The picture itself is the card's: painting only keeps the panes current
// (the selection and the text objects are drawn here once they exist).
void CVDView::OnDraw(HDC)
{
    UpdateStatus();
}

LRESULT CVDView::OnEraseBackground(const Message& m)
{
    RECT area{};
    GetClipBox(m.Dc(), &area);
    framework::GdiBrush brush(CreateSolidBrush(exportTarget_ ? RGB(0, 0, 0) : kDefaultKeyColour));
    framework::SelectedObject selected(m.Dc(), brush.get());
    PatBlt(m.Dc(), area.left, area.top, area.right - area.left, area.bottom - area.top, PATCOPY);
    return TRUE;
}

void CVDView::SetPaneText(int pane, UINT formatEntry, int a, int b, int argCount)
{
    auto* frame = dynamic_cast<framework::CFrameWnd*>(framework::CWnd::FromHandle(FrameWindow()));
    if (!frame || !frame->StatusBar() || pane >= frame->StatusBar()->PaneCount())
        return;
    char format[64] = {}, text[64] = {};
    if (LoadStringA(GetModuleHandleA(nullptr), formatEntry, format, sizeof format) <= 0)
        return;
    const overlay::OverlayArg args[] = {overlay::OverlayArg(a), overlay::OverlayArg(b)};
    if (overlay::FormatOverlayArgs(format, args, static_cast<size_t>(argCount), text, sizeof text) ==
        overlay::FormatResult::Ok)
        frame->StatusBar()->SetPaneText(pane, text);
}

void CVDView::UpdateStatus()
{
    if (!hwnd_)
        return;
    HWND frame = FrameWindow();
    if (frame && IsWindowVisible(frame)) {
        RECT work = ClientRect();
        SetPaneText(kPaneSize, kPaneSizeFormat, work.right - work.left, work.bottom - work.top);
        SetPaneText(kPanePosition, kPanePositionFormat, work.left + ScrollPosition().x,
                    work.top + ScrollPosition().y);
    }
    SetPaneText(kPaneZoom, kPaneZoomFormat, modes_.zoom(), 0, 1);
}

bool CVDView::SetFreeze(bool frozen, bool remember)
{
    bool previous = frozen_;
    if (remember)
        frozen_ = frozen;
    if (!frozen) {
        if (IVideoFrame* frame = Frame())
            frame->DiscardGrabbedFrame();
    }
    SendFreeze(frozen);
    return previous;
}

void CVDView::SetInvert(bool inverted)
{
    inverted_ = inverted;
    SendInvert(inverted);
}

void CVDView::SetSource(int source)
{
    source_ = source;
    SendSourceNumber(source);
}

void CVDView::VideoKeyOn()
{
    if (backgroundLoaded_ && !exportTarget_ && backgroundShown_) {
        backgroundShown_ = false;
        SendKeyColor(kDefaultKeyColour);
        RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    }
    if (!keyLock_)
        SendVideoKey(true);
}

void CVDView::VideoKeyOff()
{
    if (backgroundLoaded_ && !exportTarget_) {
        SendKeyColor(keyColour_);
        if (!backgroundShown_) {
            backgroundShown_ = true;
            RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
            SendKeyColor(keyColour_);
        }
    }
    if (!keyLock_)
        SendVideoKey(false);
}

LRESULT CVDView::OnUpdateVideo(const Message& m)
{
    if (m.wParam == 0) {
        PlaceVideo(PlaceMode::Exported);
        return 0;
    }
    // The window the video was exported to is gone: the video comes home.
    exportTarget_ = nullptr;
    SendKeyColor(keyColour_);
    SendWindowHandle(hwnd_);
    PlaceVideo(PlaceMode::Refit);
    InvalidateRect(hwnd_, nullptr, TRUE);
    return 0;
}

LRESULT CVDView::OnFindClientPoint(const Message& m)
{
    bool picked = m.wParam == 1 && m.lParam != 0;
    if (picked && pickingKeyColour_) {
        POINT at = *reinterpret_cast<const POINT*>(m.lParam);
        framework::WindowDc dc(hwnd_);
        COLORREF colour = GetPixel(dc, at.x, at.y);
        if (colour != CLR_INVALID) {
            keyColour_ = colour;
            SendKeyColor(colour);
        }
        pickingKeyColour_ = false;
        if (!keyLock_)
            SendVideoKey(false);
        return 0;
    }
    if (picked) {
        VideoKeyOff();  // a chroma key pick: its dialog takes over from here
        return 0;
    }
    if (pickingKeyColour_) {
        // A cancelled key-colour pick ends the pick, so that a later chroma
        // key pick is not taken for one.
        pickingKeyColour_ = false;
        if (!keyLock_)
            SendVideoKey(false);
        return 0;
    }
    VideoKeyOff();
    if (!frozen_)
        SendFreeze(false);
    return 0;
}

// Until the picture has text objects and a selection, every right click
// offers the view's own commands.  They go to the main frame, which routes
// them (and sets their states) like the menu bar's.
LRESULT CVDView::OnContextMenu(const Message& m)
{
    HMENU popup = contextMenu_ ? GetSubMenu(contextMenu_, kPopupNothing) : nullptr;
    if (!popup)
        return 0;
    POINT at = m.Point();
    if (at.x == -1 && at.y == -1) {  // from the keyboard: the view's corner
        at = POINT{0, 0};
        ClientToScreen(hwnd_, &at);
    }
    TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, FrameWindow(), nullptr);
    return 0;
}

void CVDView::OnFreeze() { SetFreeze(!frozen_, true); }
void CVDView::OnInvert() { SetInvert(!inverted_); }

void CVDView::OnNonFit()
{
    PlaceVideo(modes_.ToggleNonFit().mode);
    UpdateStatus();
}

void CVDView::OnZoomIn()
{
    CDisplayModes::Step step = modes_.ZoomIn(false);
    if (step.place)
        PlaceVideo(step.mode);
    UpdateStatus();
}

void CVDView::OnZoomOff()
{
    PlaceVideo(modes_.ZoomOff().mode);
    UpdateStatus();
}

void CVDView::OnZoomOut()
{
    CDisplayModes::Step step = modes_.ZoomOut(false);
    if (step.place)
        PlaceVideo(step.mode);
    UpdateStatus();
}

void CVDView::OnSource0() { SetSource(0); }
void CVDView::OnSource1() { SetSource(1); }
void CVDView::OnSourceSVideo() { SetSource(3); }

void CVDView::OnVideo()
{
    if (!backgroundShown_)
        return;
    backgroundShown_ = false;
    SendKeyColor(kDefaultKeyColour);
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CVDView::OnBackground()
{
    if (backgroundShown_ || !backgroundLoaded_)
        return;
    backgroundShown_ = true;
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    SendKeyColor(keyColour_);
}

void CVDView::OnUpdateCommand(CCmdUI& ui)
{
    CommandState state = ViewCommandState(ui.Id(), State());
    ui.Enable(state.enabled);
    if (state.radio)
        ui.SetRadio(state.checked);
    else
        ui.SetCheck(state.checked ? 1 : 0);
}

// Commands whose dialogs and pickers are not part of the viewer yet.
void CVDView::OnUpdateNotYetAvailable(CCmdUI& ui)
{
    ui.Enable(false);
}
