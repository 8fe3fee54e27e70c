// The main frame's window behaviour: full screen, the 4:3 video area while
// sizing, the bar toggles, and telling the view when the frame moved.
#include "main_frame.h"
#include "vd_view.h"

using framework::CCmdUI;
using framework::Message;

FrameMetrics SystemFrameMetrics()
{
    FrameMetrics m;
    m.frameW = GetSystemMetrics(SM_CXFRAME);
    m.frameH = GetSystemMetrics(SM_CYFRAME);
    m.edgeW = GetSystemMetrics(SM_CXEDGE);
    m.edgeH = GetSystemMetrics(SM_CYEDGE);
    m.captionH = GetSystemMetrics(SM_CYCAPTION);
    m.menuH = GetSystemMetrics(SM_CYMENU);
    m.screenW = GetSystemMetrics(SM_CXSCREEN);
    m.screenH = GetSystemMetrics(SM_CYSCREEN);
    return m;
}

// Everything of the frame but the view's client area: borders, caption,
// menu and whichever bars are shown where they are docked.
AspectExtra CMainFrame::ExtraSize() const
{
    RECT frame = WindowRect();
    RECT video{};
    if (view_ && view_->Handle())
        GetClientRect(view_->Handle(), &video);
    return AspectExtra{(frame.right - frame.left) - video.right, (frame.bottom - frame.top) - video.bottom};
}

bool CMainFrame::AspectRuleApplies() const
{
    return preferences_.aspectRatio && !fullScreen_ && !IsIconic(hwnd_) && !IsZoomed(hwnd_);
}

void CMainFrame::ReapplySize()
{
    if (!hwnd_ || reapplying_)
        return;
    RECT r = WindowRect();
    reapplying_ = true;
    SetWindowPos(hwnd_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
    reapplying_ = false;
}

void CMainFrame::RecalcLayout()
{
    CFrameWnd::RecalcLayout();
    if (toolBarPlaced_) {
        toolBarPlaced_ = false;
        ReapplySize();
    }
}

void CMainFrame::ApplyAspectRatio()
{
    if (AspectRuleApplies())
        ReapplySize();
}

LRESULT CMainFrame::OnSizing(const Message& m)
{
    LRESULT result = Default(m);
    if (!AspectRuleApplies())
        return result;
    RECT* proposed = m.SizingRect();
    RECT now = WindowRect();
    FrameSize size = KeepAspect(FrameSize{proposed->right - proposed->left, proposed->bottom - proposed->top},
                                FrameSize{now.right - now.left, now.bottom - now.top}, ExtraSize());
    // The edge being dragged moves; the opposite one stays.
    switch (m.SizingEdge()) {
    case WMSZ_LEFT:
    case WMSZ_TOPLEFT:
    case WMSZ_BOTTOMLEFT:
        proposed->left = proposed->right - size.width;
        break;
    default:
        proposed->right = proposed->left + size.width;
        break;
    }
    switch (m.SizingEdge()) {
    case WMSZ_TOP:
    case WMSZ_TOPLEFT:
    case WMSZ_TOPRIGHT:
        proposed->top = proposed->bottom - size.height;
        break;
    default:
        proposed->bottom = proposed->top + size.height;
        break;
    }
    return TRUE;
}

// A size set by the program (a bar shown or hidden, the tool bar docked
// elsewhere, a zoom) gets the same rule as a drag.
LRESULT CMainFrame::OnWindowPosChanging(const Message& m)
{
    WINDOWPOS* pos = m.WindowPos();
    if (reapplying_ && !(pos->flags & SWP_NOSIZE) && AspectRuleApplies()) {
        const AspectExtra extra = ExtraSize();
        // A size that keeps the rule already (either way round) stays.
        if (WidthFromHeight(pos->cy, extra) == pos->cx || HeightFromWidth(pos->cx, extra) == pos->cy)
            return Default(m);
        RECT now = WindowRect();
        FrameSize size =
            KeepAspect(FrameSize{pos->cx, pos->cy}, FrameSize{now.right - now.left, now.bottom - now.top}, extra);
        pos->cx = size.width;
        pos->cy = size.height;
    }
    return Default(m);
}

LRESULT CMainFrame::OnGetMinMaxInfo(const Message& m)
{
    LRESULT result = Default(m);
    MINMAXINFO* info = m.MinMaxInfo();
    if (fullScreen_) {
        // The maximised frame covers the screen, its borders outside it.
        info->ptMaxPosition = POINT{fullScreenBox_.left, fullScreenBox_.top};
        info->ptMaxSize = POINT{fullScreenBox_.Width(), fullScreenBox_.Height()};
        info->ptMaxTrackSize.x = std::max(info->ptMaxTrackSize.x, info->ptMaxSize.x);
        info->ptMaxTrackSize.y = std::max(info->ptMaxTrackSize.y, info->ptMaxSize.y);
        return result;
    }
    workArea_ = RECT{info->ptMaxPosition.x, info->ptMaxPosition.y, info->ptMaxPosition.x + info->ptMaxSize.x,
                     info->ptMaxPosition.y + info->ptMaxSize.y};
    if (preferences_.aspectRatio && view_ && view_->Handle()) {
        TrackingLimits limits = AspectTrackingLimits(
            {{info->ptMinTrackSize.x, info->ptMinTrackSize.y}, {info->ptMaxTrackSize.x, info->ptMaxTrackSize.y}},
            ExtraSize());
        info->ptMinTrackSize = POINT{limits.minimum.width, limits.minimum.height};
        info->ptMaxTrackSize = POINT{limits.maximum.width, limits.maximum.height};
    }
    return result;
}

void CMainFrame::OnFullScreen()
{
    ToggleFullScreen();
}

void CMainFrame::ToggleFullScreen(const WINDOWPLACEMENT* given)
{
    fullScreen_ = !fullScreen_;
    if (fullScreen_)
        EnterFullScreen();
    else
        LeaveFullScreen(given);
}

void CMainFrame::EnterFullScreen()
{
    savedPlacement_ = WINDOWPLACEMENT{};
    savedPlacement_.length = sizeof savedPlacement_;
    GetWindowPlacement(hwnd_, &savedPlacement_);
    savedShowCmd_ = savedPlacement_.showCmd;
    fullScreenBox_ = FullScreenBox(SystemFrameMetrics());

    WINDOWPLACEMENT placement = savedPlacement_;
    placement.ptMaxPosition = POINT{fullScreenBox_.left, fullScreenBox_.top};
    if (placement.showCmd != SW_SHOWMAXIMIZED)
        placement.showCmd = SW_SHOWMAXIMIZED;
    else
        SetWindowPos(hwnd_, nullptr, fullScreenBox_.left, fullScreenBox_.top, fullScreenBox_.Width(),
                     fullScreenBox_.Height(), SWP_NOZORDER);
    SetWindowPlacement(hwnd_, &placement);
    ShowWindow(hwnd_, SW_SHOWMAXIMIZED);
    // Applying a placement to a window that is maximised already moves it to
    // the placement's maximised position, which the system may pull onto the
    // screen: the rectangle is set once more.
    if (savedShowCmd_ == SW_SHOWMAXIMIZED)
        SetWindowPos(hwnd_, nullptr, fullScreenBox_.left, fullScreenBox_.top, fullScreenBox_.Width(),
                     fullScreenBox_.Height(), SWP_NOZORDER);
    UpdateWindow(hwnd_);
}

void CMainFrame::LeaveFullScreen(const WINDOWPLACEMENT* given)
{
    WINDOWPLACEMENT placement = given ? *given : savedPlacement_;
    if (!given)
        placement.showCmd = savedShowCmd_;
    placement.ptMaxPosition = POINT{workArea_.left, workArea_.top};
    const int workW = workArea_.right - workArea_.left, workH = workArea_.bottom - workArea_.top;
    if (placement.showCmd == SW_SHOWMAXIMIZED) {
        SetWindowPos(hwnd_, nullptr, workArea_.left, workArea_.top, workW, workH, SWP_NOZORDER);
    } else if (!version4_) {
        ShowWindow(hwnd_, SW_HIDE);
        SetWindowPos(hwnd_, nullptr, workArea_.left, workArea_.top, workW, workH, SWP_NOZORDER);
    }
    SetWindowPlacement(hwnd_, &placement);
    ShowWindow(hwnd_, static_cast<int>(placement.showCmd));
    if (placement.showCmd == SW_SHOWMAXIMIZED)  // as on entering: the rectangle once more
        SetWindowPos(hwnd_, nullptr, workArea_.left, workArea_.top, workW, workH, SWP_NOZORDER);
    UpdateWindow(hwnd_);
}

LRESULT CMainFrame::OnSysCommand(const Message& m)
{
    if (fullScreen_ && (m.SysCommand() == SC_RESTORE || m.SysCommand() == SC_MINIMIZE))
        ToggleFullScreen();
    return Default(m);
}

void CMainFrame::OnUpdateFullScreen(CCmdUI& ui)
{
    ui.Enable(!(view_ && view_->State().exported));
    ui.SetCheck(fullScreen_ ? 1 : 0);
}

void CMainFrame::OnBarToggle(UINT id)
{
    if (id == ID_VIEW_TOOLBAR)
        OnViewToolBar();
    else
        OnViewStatusBar();
    ReapplySize();
}

void CMainFrame::OnUpdateBarToggle(CCmdUI& ui)
{
    if (ui.Id() == ID_VIEW_TOOLBAR)
        OnUpdateViewToolBar(ui);
    else
        OnUpdateViewStatusBar(ui);
    ui.Enable(!fullScreen_);
}

LRESULT CMainFrame::OnMove(const Message& m)
{
    LRESULT result = Default(m);
    if (view_ && view_->Handle()) {
        view_->PlaceVideo(PlaceMode::Refit);
        view_->UpdateStatus();
    }
    return result;
}

LRESULT CMainFrame::OnActivate(const Message& m)
{
    LRESULT result = Default(m);
    if (m.ActivateState() != WA_INACTIVE && view_ && view_->Handle()) {
        view_->PlaceVideo(PlaceMode::Refit);
        view_->UpdateStatus();
    }
    return result;
}

// The view paints with the key colour and the system palette; realising
// it again keeps the key colour exact when another program changed colours.
LRESULT CMainFrame::OnPaletteChanged(const Message& m)
{
    if (view_ && view_->Handle() && m.PaletteWindow() != hwnd_)
        view_->RealizePalette();
    return 0;
}

LRESULT CMainFrame::OnQueryNewPalette(const Message&)
{
    return view_ && view_->Handle() ? view_->RealizePalette() : FALSE;
}
