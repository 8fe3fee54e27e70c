// The viewer's main window: class "KX310WINClass", tool bar and status bar,
// the saved window placement, and the hand-over of the device to the setup
// tool.
#pragma once
#include "frame_wnd.h"
#include "message_table.h"
#include "registered_messages.h"
#include "status_bar.h"
#include "tool_bar.h"
#include "video_frame.h"

// Status bar panes.
enum StatusPane { kPaneMessage, kPaneSize, kPanePosition, kPaneZoom, kPaneStrobing, kPaneRotating, kPaneCount };

class CMainFrame : public framework::Routed<CMainFrame, framework::CFrameWnd>, public IVideoFrame {
public:
    CMainFrame();

    // What the view asks of its frame.  Full-screen mode is not part of the
    // frame yet, so the view always fits its own client area.
    bool IsFullScreen() const override { return false; }
    void DiscardGrabbedFrame() override { grabRect_ = RECT{0, 0, 0, 0}; }

    bool IsVersion4() const { return version4_; }
    // Shows (sized from its text) or hides one of the panes after the message pane.
    void ShowPane(int pane, bool show);

    // Timer ids of the strobe and the source rotation.
    static constexpr UINT_PTR kStrobeTimer = 50;
    static constexpr UINT_PTR kRotateTimer = 51;

protected:
    bool PreCreateWindow(CREATESTRUCTA& cs) override;

    LRESULT OnCreate(const framework::Message& m);
    LRESULT OnClose(const framework::Message& m);
    LRESULT OnHandOver(const framework::Message& m);

public:
    static constexpr framework::MessageEntry<CMainFrame> kMessages[] = {
        {WM_CREATE, &CMainFrame::OnCreate},
        {WM_CLOSE, &CMainFrame::OnClose},
        {&g_msgVideoDeckSetup, &CMainFrame::OnHandOver},
    };

private:
    bool CreateBars();
    // Window placement, timers and buffers: what closing does, also on the hand-over.
    void CloseSteps();
    void SaveWindowPlacement();

    framework::CToolBar toolBar_;
    framework::CStatusBar statusBar_;
    bool version4_;
    int menuHeight_;
    RECT grabRect_{0, 0, 0, 0};
    // Preferences copied at construction.
    bool keepAspectRatio_;
    bool resizeToPicture_;
    bool centreWindow_;
    bool unfreezeForChromaKey_;
    UINT_PTR strobeTimer_ = 0;
    UINT_PTR rotateTimer_ = 0;
    RECT savedRect_{0, 0, 0, 0};
};
