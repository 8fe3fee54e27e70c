// The viewer's main window: class "KX310WINClass", tool bar and status bar,
// the saved window placement, and the hand-over of the device to the setup
// tool.
#pragma once
#include "frame_preferences.h"
#include "frame_wnd.h"
#include "message_table.h"
#include "registered_messages.h"
#include "resource.h"
#include "status_bar.h"
#include "tool_bar.h"
#include "video_frame.h"

class CMainFrame : public framework::Routed<CMainFrame, framework::CFrameWnd>,
                   public IVideoFrame,
                   public IPreferencesFrame {
public:
    CMainFrame();

    // What the view asks of its frame.  The frame never shows full screen,
    // so the view always fits its own client area.
    bool IsFullScreen() const override { return false; }
    void SetPaneText(StatusPane pane, const char* text) override;

    // Shows (sized from its text) or hides one of the panes after the message pane.
    void ShowPane(StatusPane pane, bool show);

    // The preferences copied at construction and on the Preferences dialog's OK.
    void SetFramePreferences(const FramePreferences& preferences) override { preferences_ = preferences; }
    const FramePreferences& Preferences() const { return preferences_; }

protected:
    bool PreCreateWindow(CREATESTRUCTA& cs) override;
    bool OnCreateClient(framework::CreateContext* context) override;

    LRESULT OnCreate(const framework::Message& m);
    LRESULT OnClose(const framework::Message& m);
    LRESULT OnHandOver(const framework::Message& m);

    friend struct framework::TableAccess;
    static constexpr framework::MessageEntry<CMainFrame> kMessages[] = {
        {WM_CREATE, &CMainFrame::OnCreate},
        {WM_CLOSE, &CMainFrame::OnClose},
        {&g_msgVideoDeckSetup, &CMainFrame::OnHandOver},
    };

    // The option dialogs and the volume setting.
    void OnPreferences();
    void OnCopyOptions();
    void OnVolumeSetting();
    static constexpr framework::CommandEntry<CMainFrame> kCommands[] = {
        {ID_OPTIONS_PREFERENCES, &CMainFrame::OnPreferences},
        {ID_EDIT_COPY_OPTIONS, &CMainFrame::OnCopyOptions},
        {ID_OPTIONS_VOLUME, &CMainFrame::OnVolumeSetting},
    };

private:
    bool CreateBars();
    // What closing does, also on the hand-over: the window placement is saved.
    void CloseSteps();
    void SaveWindowPlacement();

    framework::CToolBar toolBar_;
    framework::CStatusBar statusBar_;
    bool version4_;
    RECT savedRect_{0, 0, 0, 0};
    FramePreferences preferences_;
};
