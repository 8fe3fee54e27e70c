#include "frame_wnd.h"
#include "document.h"
#include "strings.h"
#include "view.h"
#include "win_app.h"
#include <commctrl.h>
#include <algorithm>

namespace framework {

namespace {
// A bar the user has shown, also while the frame itself is hidden (where
// IsWindowVisible would say no and the layout would leave the bar out).
bool IsShown(HWND bar) { return (GetWindowLongPtrA(bar, GWL_STYLE) & WS_VISIBLE) != 0; }
}  // namespace

bool CFrameWnd::PreCreateWindow(CREATESTRUCTA& cs)
{
    if (!cs.lpszClass) {
        WNDCLASSEXA cls{};
        cls.style = CS_DBLCLKS;
        cls.hInstance = cs.hInstance;
        cls.hIcon = LoadIconA(cs.hInstance, MAKEINTRESOURCEA(resourceId_));
        cls.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        cls.lpszClassName = kClassName;
        CWnd::RegisterWindowClass(cls);
        cs.lpszClass = kClassName;
    }
    return true;
}

bool CFrameWnd::LoadFrame(UINT resourceId, DWORD style, HWND parent, CreateContext* context)
{
    resourceId_ = resourceId;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    std::string title = LoadText(resourceId);
    if (title.empty() && CWinApp::Current())
        title = CWinApp::Current()->Title();
    CREATESTRUCTA cs{};
    cs.hInstance = instance;
    cs.hMenu = LoadMenuA(instance, MAKEINTRESOURCEA(resourceId));
    cs.hwndParent = parent;
    cs.x = cs.y = cs.cx = cs.cy = CW_USEDEFAULT;
    cs.style = style;
    cs.lpszName = title.c_str();
    cs.lpCreateParams = context;
    if (!PreCreateWindow(cs)) {
        if (cs.hMenu)
            DestroyMenu(cs.hMenu);
        return false;
    }
    accelerators_ = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(resourceId));
    docTemplate_ = context ? context->docTemplate : nullptr;
    if (!CreateEx(cs.dwExStyle, cs.lpszClass, cs.lpszName, cs.style, cs.x, cs.y, cs.cx, cs.cy, cs.hwndParent,
                  cs.hMenu, cs.lpCreateParams)) {
        if (cs.hMenu && !IsMenu(cs.hMenu))
            cs.hMenu = nullptr;
        if (cs.hMenu)
            DestroyMenu(cs.hMenu);
        return false;
    }
    ownsSelf_ = true;
    return true;
}

void CFrameWnd::InitialUpdateFrame(CDocument* document, bool makeVisible)
{
    if (view_)
        view_->OnInitialUpdate();
    UpdateFrameTitle();
    if (makeVisible) {
        CWinApp* app = CWinApp::Current();
        ShowWindow(hwnd_, app && app->MainFrame() == this ? app->ShowCmd() : SW_SHOW);
        UpdateWindow(hwnd_);
    }
}

CDocument* CFrameWnd::ActiveDocument() const
{
    return view_ ? view_->Document() : nullptr;
}

void CFrameWnd::UpdateFrameTitle()
{
    std::string title = LoadText(resourceId_);
    if (title.empty() && CWinApp::Current())
        title = CWinApp::Current()->Title();
    CDocument* doc = ActiveDocument();
    if (addDocumentToTitle_ && doc && !doc->Title().empty())
        title = doc->Title() + " - " + title;
    SetWindowTextA(hwnd_, title.c_str());
}

bool CFrameWnd::OnCreateClient(CreateContext* context)
{
    if (!context || !context->newView)
        return true;
    CView* view = context->newView();
    if (!view)
        return false;
    if (!view->Create(hwnd_, context->document)) {
        delete view;  // no window of its own came to be, so it is still ours
        return false;
    }
    view_ = view;
    return true;
}

LRESULT CFrameWnd::OnCreate(const Message& m)
{
    auto* context = static_cast<CreateContext*>(m.CreateStruct()->lpCreateParams);
    return OnCreateClient(context) ? 0 : -1;
}

std::array<CCmdTarget*, 4> CFrameWnd::RouteTargets()
{
    return {this, view_, ActiveDocument(), CWinApp::Current()};
}

bool CFrameWnd::RouteCommand(UINT id, UINT code)
{
    for (CCmdTarget* target : RouteTargets())
        if (target && target->HandleCommand(id, code))
            return true;
    return false;
}

void CFrameWnd::RouteUpdate(CCmdUI& ui)
{
    const auto targets = RouteTargets();
    for (CCmdTarget* target : targets) {
        if (target && target->HandleUpdate(ui)) {
            if (ui.EnableWasSet())
                return;
            break;
        }
    }
    // Nobody said: a command is enabled exactly when someone handles it.
    bool handled = false;
    for (CCmdTarget* target : targets)
        handled = handled || (target && target->HasCommand(ui.Id()));
    ui.Enable(handled);
}

bool CFrameWnd::OnCommandMessage(UINT id, UINT code, HWND control)
{
    // Controls of the frame itself (bars) report through WM_NOTIFY; a
    // WM_COMMAND here is a menu, accelerator or tool bar command.
    if (code > 1 && control)
        return HandleCommand(id, code);
    // A command whose item is disabled is not run (an accelerator can arrive
    // for a disabled command).
    CCmdUI probe = CCmdUI::Probe(id);
    RouteUpdate(probe);
    if (!probe.Enabled())
        return true;
    return RouteCommand(id, code);
}

void CFrameWnd::RecalcLayout()
{
    if (!hwnd_)
        return;
    RECT area = ClientRect();
    if (statusBar_ && statusBar_->Handle() && IsShown(*statusBar_)) {
        statusBar_->Send(WM_SIZE);
        statusBar_->Layout();
        area.bottom -= statusBar_->Height();
    }
    if (toolBar_ && toolBar_->Handle() && IsShown(*toolBar_)) {
        SIZE size = toolBar_->CalcSize();
        RECT bar = area;
        switch (toolBar_->Side()) {
        case DockSide::Top: bar.bottom = area.top + size.cy; area.top = bar.bottom; break;
        case DockSide::Bottom: bar.top = area.bottom - size.cy; area.bottom = bar.top; break;
        case DockSide::Left: bar.right = area.left + size.cx; area.left = bar.right; break;
        case DockSide::Right: bar.left = area.right - size.cx; area.right = bar.left; break;
        }
        SetWindowPos(*toolBar_, nullptr, bar.left, bar.top, bar.right - bar.left, bar.bottom - bar.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (view_ && view_->Handle())
        SetWindowPos(*view_, nullptr, area.left, area.top, std::max<LONG>(0, area.right - area.left),
                     std::max<LONG>(0, area.bottom - area.top), SWP_NOZORDER | SWP_NOACTIVATE);
}

void CFrameWnd::ShowControlBar(CWnd* bar, bool show)
{
    if (!bar || !bar->Handle())
        return;
    ShowWindow(*bar, show ? SW_SHOWNOACTIVATE : SW_HIDE);
    RecalcLayout();
}

void CFrameWnd::SetMessageText(const char* text)
{
    if (statusBar_ && statusBar_->Handle())
        statusBar_->SetPaneText(0, text);
}

void CFrameWnd::SetMessageText(UINT stringId)
{
    SetMessageText(LoadText(stringId).c_str());
}

void CFrameWnd::ShowPrompt(UINT id)
{
    std::string prompt;
    if (id != 0 && TryLoadText(id, prompt))
        SetMessageText(PromptPart(prompt, 0).c_str());
    else
        SetMessageText(IDS_IDLE_MESSAGE);
}

bool CFrameWnd::PreTranslateMessage(MSG& msg)
{
    if (!accelerators_ || msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST)
        return false;
    if (msg.hwnd != hwnd_ && !IsChild(hwnd_, msg.hwnd))
        return false;
    return TranslateAcceleratorA(hwnd_, accelerators_, &msg) != 0;
}

void CFrameWnd::OnIdleUpdate()
{
    if (!toolBar_ || !toolBar_->Handle() || !IsShown(*toolBar_))
        return;
    int count = static_cast<int>(toolBar_->Send(TB_BUTTONCOUNT));
    for (int i = 0; i < count; ++i) {
        TBBUTTON button{};
        toolBar_->Send(TB_GETBUTTON, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&button));
        if (button.fsStyle & BTNS_SEP)
            continue;
        CCmdUI ui = CCmdUI::ForToolBarButton(*toolBar_, static_cast<UINT>(button.idCommand));
        RouteUpdate(ui);
    }
}

LRESULT CFrameWnd::OnSize(const Message& m)
{
    if (m.SizeType() != SIZE_MINIMIZED)
        RecalcLayout();
    return Default(m);
}

LRESULT CFrameWnd::OnClose(const Message& m)
{
    DestroyWindow(hwnd_);
    return 0;
}

LRESULT CFrameWnd::OnDestroy(const Message& m)
{
    CWinApp* app = CWinApp::Current();
    if (app && app->MainFrame() == this)
        PostQuitMessage(0);
    return Default(m);
}

void CFrameWnd::PostNcDestroy()
{
    CWinApp* app = CWinApp::Current();
    bool main = app && app->MainFrame() == this;
    if (main)
        app->SetMainFrame(nullptr);
    view_ = nullptr;
    if (docTemplate_)
        docTemplate_->CloseDocument();
    if (ownsSelf_)
        delete this;
}

LRESULT CFrameWnd::OnSetFocus(const Message& m)
{
    if (view_ && view_->Handle())
        SetFocus(*view_);
    return 0;
}

LRESULT CFrameWnd::OnInitMenuPopup(const Message& m)
{
    if (m.IsSystemMenu())
        return Default(m);
    HMENU menu = m.PopupMenu();
    int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        UINT id = GetMenuItemID(menu, i);
        if (id == 0 || id == static_cast<UINT>(-1))
            continue;  // separators and sub-menus
        CCmdUI ui = CCmdUI::ForMenuItem(menu, static_cast<UINT>(i), id);
        RouteUpdate(ui);
    }
    return 0;
}

LRESULT CFrameWnd::OnMenuSelect(const Message& m)
{
    if (m.MenuFlags() == 0xFFFF && !m.MenuHandle()) {
        ShowPrompt(0);  // the menu closed
    } else if (m.MenuFlags() & (MF_POPUP | MF_SEPARATOR | MF_SYSMENU)) {
        SetMessageText("");
    } else {
        ShowPrompt(m.MenuItem());
    }
    return 0;
}

LRESULT CFrameWnd::OnNotify(const Message& m)
{
    NMHDR* header = m.Notify();
    switch (header->code) {
    case TTN_GETDISPINFOA: {
        auto* info = reinterpret_cast<NMTTDISPINFOA*>(header);
        tipText_ = PromptPart(LoadText(static_cast<UINT>(header->idFrom)), 1);
        info->lpszText = tipText_.data();
        info->hinst = nullptr;
        return 0;
    }
    case TTN_GETDISPINFOW: {
        auto* info = reinterpret_cast<NMTTDISPINFOW*>(header);
        std::string tip = PromptPart(LoadText(static_cast<UINT>(header->idFrom)), 1);
        tipTextWide_.assign(tip.size() + 1, L'\0');
        MultiByteToWideChar(CP_ACP, 0, tip.c_str(), -1, tipTextWide_.data(), static_cast<int>(tipTextWide_.size()));
        info->lpszText = tipTextWide_.data();
        info->hinst = nullptr;
        return 0;
    }
    case TBN_HOTITEMCHANGE: {
        auto* hot = reinterpret_cast<NMTBHOTITEM*>(header);
        ShowPrompt((hot->dwFlags & HICF_LEAVING) ? 0 : static_cast<UINT>(hot->idNew));
        return 0;
    }
    default:
        return Default(m);
    }
}

void CFrameWnd::OnAppExit()
{
    PostMessageA(hwnd_, WM_CLOSE, 0, 0);
}

void CFrameWnd::OnViewToolBar()
{
    if (toolBar_)
        ShowControlBar(toolBar_, !IsShown(*toolBar_));
}

void CFrameWnd::OnViewStatusBar()
{
    if (statusBar_)
        ShowControlBar(statusBar_, !IsShown(*statusBar_));
}

void CFrameWnd::OnUpdateViewToolBar(CCmdUI& ui)
{
    ui.Enable(toolBar_ != nullptr);
    ui.SetCheck(toolBar_ && IsShown(*toolBar_));
}

void CFrameWnd::OnUpdateViewStatusBar(CCmdUI& ui)
{
    ui.Enable(statusBar_ != nullptr);
    ui.SetCheck(statusBar_ && IsShown(*statusBar_));
}

}  // namespace framework
