// A frame window: menu, accelerators, an optional tool bar and status bar,
// and the view in the remaining client area.  The frame is where commands
// are routed (frame -> view -> document -> application) and where their
// states are pushed to menus and tool bar buttons.
#pragma once
#include "doc_template.h"
#include "framework_ids.h"
#include "message_table.h"
#include "status_bar.h"
#include "tool_bar.h"
#include "wnd.h"
#include <array>

namespace framework {

class CDocument;
class CView;

class CFrameWnd : public Routed<CFrameWnd, CWnd> {
public:
    static constexpr char kClassName[] = "KxFrameworkFrame";

    // Loads menu, accelerators, icon and title of the resource id and creates
    // the frame (and, through the context, its view).
    bool LoadFrame(UINT resourceId, DWORD style, HWND parent, CreateContext* context);
    void InitialUpdateFrame(CDocument* document, bool makeVisible);

    CView* ActiveView() const { return view_; }
    CDocument* ActiveDocument() const;
    CToolBar* ToolBar() const { return toolBar_; }
    CStatusBar* StatusBar() const { return statusBar_; }

    // The frame's one routing routine for commands and their states: the
    // targets of RouteTargets, in order.
    bool RouteCommand(UINT id, UINT code);
    void RouteUpdate(CCmdUI& ui);

    // Positions the bars and the view in the client area.
    virtual void RecalcLayout();
    void ShowControlBar(CWnd* bar, bool show);
    void SetMessageText(const char* text);
    void SetMessageText(UINT stringId);

    // Accelerators; called by the message loop for every message.
    virtual bool PreTranslateMessage(MSG& msg);
    // Idle time: tool bar buttons get their states.
    virtual void OnIdleUpdate();

protected:
    // Adjusts the creation parameters; the default registers the frame class.
    virtual bool PreCreateWindow(CREATESTRUCTA& cs);
    // Makes the view from the context; false fails the creation.
    virtual bool OnCreateClient(CreateContext* context);
    // The frame's title: the application's title, with the document's title
    // in front when addDocumentToTitle_ is set.
    virtual void UpdateFrameTitle();
    // Bars the frame lays out; set by derived frames after creating them.
    void SetToolBar(CToolBar* bar) { toolBar_ = bar; }
    void SetStatusBar(CStatusBar* bar) { statusBar_ = bar; }
    void EnableDocking(DWORD sides) { dockSides_ = sides; }
    bool OnCommandMessage(UINT id, UINT code, HWND control) override;
    void PostNcDestroy() override;

    LRESULT OnCreate(const Message& m);
    LRESULT OnSize(const Message& m);
    LRESULT OnClose(const Message& m);
    LRESULT OnDestroy(const Message& m);
    LRESULT OnSetFocus(const Message& m);
    LRESULT OnInitMenuPopup(const Message& m);
    LRESULT OnMenuSelect(const Message& m);
    LRESULT OnNotify(const Message& m);
    LRESULT OnEnterIdle(const Message& m);
    void OnAppExit();
    void OnViewToolBar();
    void OnViewStatusBar();
    void OnUpdateViewToolBar(CCmdUI& ui);
    void OnUpdateViewStatusBar(CCmdUI& ui);

    friend struct TableAccess;
    static constexpr MessageEntry<CFrameWnd> kMessages[] = {
        {WM_CREATE, &CFrameWnd::OnCreate},
        {WM_SIZE, &CFrameWnd::OnSize},
        {WM_CLOSE, &CFrameWnd::OnClose},
        {WM_DESTROY, &CFrameWnd::OnDestroy},
        {WM_SETFOCUS, &CFrameWnd::OnSetFocus},
        {WM_INITMENUPOPUP, &CFrameWnd::OnInitMenuPopup},
        {WM_MENUSELECT, &CFrameWnd::OnMenuSelect},
        {WM_NOTIFY, &CFrameWnd::OnNotify},
    };
    static constexpr CommandEntry<CFrameWnd> kCommands[] = {
        {ID_APP_EXIT, &CFrameWnd::OnAppExit},
        {ID_VIEW_TOOLBAR, &CFrameWnd::OnViewToolBar},
        {ID_VIEW_STATUS_BAR, &CFrameWnd::OnViewStatusBar},
    };
    static constexpr UpdateEntry<CFrameWnd> kUpdates[] = {
        {ID_VIEW_TOOLBAR, &CFrameWnd::OnUpdateViewToolBar},
        {ID_VIEW_STATUS_BAR, &CFrameWnd::OnUpdateViewStatusBar},
    };

protected:
    UINT resourceId_ = 0;
    bool addDocumentToTitle_ = true;
    DWORD dockSides_ = 0;

private:
    // Where commands go, in order: frame, view, document, application (any may be missing).
    std::array<CCmdTarget*, 4> RouteTargets();
    void ShowPrompt(UINT id);

    CView* view_ = nullptr;
    CSingleDocTemplate* docTemplate_ = nullptr;
    CToolBar* toolBar_ = nullptr;
    CStatusBar* statusBar_ = nullptr;
    HACCEL accelerators_ = nullptr;
    bool ownsSelf_ = false;
    std::string tipText_;
    std::wstring tipTextWide_;
};

}  // namespace framework
