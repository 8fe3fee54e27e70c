#include "main_frame.h"
#include "clipboard_options_dlg.h"
#include "color_settings_dlg.h"
#include "interval_dlg.h"
#include "device_open.h"
#include "handles.h"
#include "overlay_viewer.h"
#include "overlay_vocabulary.h"
#include "preferences_dlg.h"
#include "resource.h"
#include "viewer_class.h"
#include "strings.h"
#include "vd_view.h"
#include "viewer_settings.h"
#include "volume_setting.h"
#include "win_app.h"
#include "window_placement.h"
#include <iterator>

using framework::LoadText;
using framework::Message;

namespace {

// Tool bar slots in order; 0 is a separator.
constexpr UINT kToolBarButtons[] = {
    ID_FILE_OPEN,       ID_FILE_SAVE, 0, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, 0, ID_FILE_PRINT, 0,
    ID_VIEW_FREEZE,     ID_TOOLS_EXPORT_VIDEO, ID_VIEW_CHROMA_KEY, 0, ID_TEXT_ADD, 0, ID_OPTIONS_COLOR,
    ID_OPTIONS_VOLUME,  ID_OPTIONS_DISPLAY,
};
static_assert(std::size(kToolBarButtons) == 18, "the tool bar has 18 slots");
constexpr int kToolBarImages = 13;

// Sample texts the panes after the message pane are sized from.
constexpr UINT kPaneSamples[kPaneCount] = {0, IDS_PANE_SIZE_SAMPLE, IDS_PANE_POSITION_SAMPLE,
                                           IDS_PANE_ZOOM_SAMPLE, IDS_PANE_STROBING, IDS_PANE_ROTATING};

DWORD ReadPreference(UINT name, DWORD fallback)
{
    return ViewerSettings().ReadNumber(SettingName(kSetPreferences).c_str(), SettingName(name).c_str(), fallback);
}

// The class brush, of the view's key colour, lives as long as the program
// (the class keeps using it).
HBRUSH KeyColourBrush()
{
    static framework::GdiBrush brush(CreateSolidBrush(CVDView::kDefaultKeyColour));
    return brush.get();
}

}  // namespace

CMainFrame::CMainFrame()
    : version4_(OverlayWindowsMajorVersion() == 4), preferences_(CPreferencesDlg().Frame())
{
    addDocumentToTitle_ = false;
    savedPlacement_.length = sizeof savedPlacement_;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea_, 0);
}

CMainFrame::~CMainFrame() = default;

bool CMainFrame::PreCreateWindow(CREATESTRUCTA& cs)
{
    // Registered each time a frame is made; a second registration fails harmlessly.
    WNDCLASSEXA cls{};
    cls.style = 0;
    cls.hInstance = cs.hInstance;
    cls.hIcon = LoadIconA(cs.hInstance, MAKEINTRESOURCEA(IDR_MAINFRAME));
    cls.hIconSm = static_cast<HICON>(
        LoadImageA(cs.hInstance, MAKEINTRESOURCEA(IDR_MAINFRAME), IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                   GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
    cls.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    cls.hbrBackground = KeyColourBrush();
    cls.lpszClassName = kViewerClassName;
    framework::CWnd::RegisterWindowClass(cls, version4_);
    cs.lpszClass = kViewerClassName;
    cs.dwExStyle |= WS_EX_ACCEPTFILES;

    // The saved rectangle, else 500 by 380 in the middle of the screen.
    std::string saved = ViewerSettings().ReadText(SettingName(kSetSettings).c_str(),
                                                  SettingName(kSetWindowPos).c_str());
    WindowBox box = WindowPlacementFromText(saved, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    cs.x = box.left;
    cs.y = box.top;
    cs.cx = box.Width();
    cs.cy = box.Height();
    savedRect_ = RECT{box.left, box.top, box.right, box.bottom};
    return true;
}

bool CMainFrame::OnCreateClient(framework::CreateContext* context)
{
    if (!CFrameWnd::OnCreateClient(context))
        return false;
    // The viewer's template pairs this frame with its video view.
    view_ = dynamic_cast<CVDView*>(ActiveView());
    if (view_)
        view_->AttachFrame(this);
    return true;
}

LRESULT CMainFrame::OnCreate(const Message& m)
{
    if (CFrameWnd::OnCreate(m) == -1)
        return -1;
    if (!CreateBars())
        return -1;
    toolBar_.OnPlaced([this] { toolBarPlaced_ = true; });
    toolBar_.SetDockSides(framework::kDockAny);
    EnableDocking(framework::kDockAny);
    toolBar_.Dock(framework::DockSide::Top);

    bool onTop = ReadPreference(kSetAlwaysOnTop, 0) == 1;
    const RECT& r = savedRect_;
    SetWindowPos(hwnd_, onTop ? HWND_TOPMOST : HWND_NOTOPMOST, r.left, r.top, r.right - r.left, r.bottom - r.top, 0);
    SetWindowPos(hwnd_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER);
    return 0;
}

bool CMainFrame::CreateBars()
{
    if (!toolBar_.Create(hwnd_) || !toolBar_.LoadButtonBitmap(IDB_TOOLBAR, kToolBarImages) ||
        !toolBar_.SetButtons(kToolBarButtons, static_cast<int>(std::size(kToolBarButtons))))
        return false;
    SetToolBar(&toolBar_);
    // The status bar registers itself with the driver for progress reports.
    if (!statusBar_.Create(hwnd_, version4_) || !statusBar_.SetPaneCount(kPaneCount))
        return false;
    SetStatusBar(&statusBar_);
    for (StatusPane pane : {kPaneSize, kPanePosition, kPaneZoom})
        ShowPane(pane, true);
    SetMessageText(IDS_IDLE_MESSAGE);
    return true;
}

void CMainFrame::ShowPane(StatusPane pane, bool show)
{
    if (pane <= kPaneMessage || pane >= kPaneCount)
        return;
    statusBar_.SetPaneWidth(pane, show ? statusBar_.TextWidth(LoadText(kPaneSamples[pane]).c_str()) : 0);
}

void CMainFrame::SetPaneText(StatusPane pane, const char* text)
{
    if (statusBar_.Handle() && pane < statusBar_.PaneCount())
        statusBar_.SetPaneText(pane, text);
}

void CMainFrame::SaveWindowPlacement()
{
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (!GetWindowPlacement(hwnd_, &placement))
        return;
    const RECT& r = placement.rcNormalPosition;
    ViewerSettings().WriteText(SettingName(kSetSettings).c_str(), SettingName(kSetWindowPos).c_str(),
                               FormatWindowPlacement(WindowBox{r.left, r.top, r.right, r.bottom}).c_str());
}

void CMainFrame::CloseSteps()
{
    SaveWindowPlacement();
    grab_.reset();
    grabRect_ = RECT{0, 0, 0, 0};
    background_.reset();
}

LRESULT CMainFrame::OnClose(const Message& m)
{
    CloseSteps();
    return CFrameWnd::OnClose(m);
}

LRESULT CMainFrame::OnHandOver(const Message& m)
{
    // The setup tool wants the device: release it and end at once.
    ShowOverlayErrors(false);
    SendOverlayCommand(overlay::kVerbClose, overlay::kFmtNone);
    CloseSteps();
    ExitProcess(0);
}

void CMainFrame::OnPreferences()
{
    CPreferencesDlg dialog;
    dialog.DoModal();
}

void CMainFrame::OnCopyOptions()
{
    CClipboardOptionsDlg dialog;
    dialog.DoModal();
}

void CMainFrame::OnVolumeSetting()
{
    RunVolumeSetting();
}

void CMainFrame::OnDisplaySetting()
{
    if (!LaunchSetupTool())
        framework::MessageBoxFromTable(hwnd_, IDS_SETUP_NOT_FOUND, IDS_DISPLAY_SETTING_ERROR, MB_OK | MB_ICONEXCLAMATION);
}
