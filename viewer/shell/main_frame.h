// The viewer's main window: class "KX310WINClass", tool bar and status bar,
// the saved window placement, the hand-over of the device to the setup tool,
// and the commands about the whole window: full screen, the 4:3 video area,
// fitting the window to a picture, dropped files, the flips and the grab of
// a frame region they work on.
#pragma once
#include "frame_geometry.h"
#include "frame_preferences.h"
#include "frame_tool_bar.h"
#include "frame_wnd.h"
#include "message_table.h"
#include "picture_buffer.h"
#include "registered_messages.h"
#include "resource.h"
#include "timed_effects.h"
#include "viewer_status_bar.h"
#include "video_frame.h"
#include <memory>
#include <string>

class CVDView;

// The system metrics the frame's size rules use, read now.
FrameMetrics SystemFrameMetrics();

class CMainFrame : public framework::Routed<CMainFrame, framework::CFrameWnd>,
                   public IVideoFrame,
                   public IPreferencesFrame,
                   public IEffectsHost {
public:
    CMainFrame();
    ~CMainFrame() override;

    // What the view asks of its frame.
    bool IsFullScreen() const override { return fullScreen_; }
    void DiscardGrabbedFrame() override;
    bool KeepsAspectRatio() const override { return preferences_.aspectRatio; }
    bool UnfreezesForChromaKey() const override { return preferences_.unfreeze; }
    void ApplyAspectRatio() override;
    void SetPaneText(StatusPane pane, const char* text) override;

    // Shows (sized from its text) or hides one of the panes after the message pane.
    void ShowPane(StatusPane pane, bool show);

    // Source rotation and strobe, which run on the frame's timers.
    bool RotationRunning() const override { return effects_.RotationRunning(); }
    bool StrobeRunning() const override { return effects_.StrobeRunning(); }
    CTimedEffects& Effects() { return effects_; }
    HWND TimerWindow() const override { return hwnd_; }
    bool UserFrozen() const override;
    int MenuSource() const override;
    void ReturnToLive() override;
    void ShowEffectPane(TimedEffect effect, bool show) override;
    bool EffectPaneShown(TimedEffect effect) const override;

    // Grabs a region of the view from the card's frame memory (an empty
    // rectangle: the whole video area); null when that fails.  The buffer
    // stays the frame's until the next grab, the discard or the close.
    CPictureBuffer* GrabRegion(RECT region) override;
    // The grab as Y, U, V pixels, composed with what the window shows over
    // the video; null when that fails.
    CPictureBuffer* MergeScreenWithVideo(RECT region) override;
    const RECT& GrabbedRect() const { return grabRect_; }

    // Sizes the window to a picture file as the preferences ask; false (with
    // the message shown) when the driver cannot read the file.
    bool FitToPicture(const std::string& path) override;
    // Loads a picture file into the card's frame memory and names it in the
    // View menu's Video item.
    void LoadPicture(const std::string& path) override;
    // Reads a picture file into the background image buffer and hands it to
    // the view; false, the previous background kept, when the file cannot
    // be read or no memory can be had.
    bool LoadBackgroundImage(const std::string& path) override;

    // The preferences copied at construction and on the Preferences dialog's OK.
    void SetFramePreferences(const FramePreferences& preferences) override { preferences_ = preferences; }
    const FramePreferences& Preferences() const { return preferences_; }

protected:
    bool PreCreateWindow(CREATESTRUCTA& cs) override;
    bool OnCreateClient(framework::CreateContext* context) override;
    // After the layout: a tool bar that took another place has the size rules
    // applied for it.
    void RecalcLayout() override;

    LRESULT OnCreate(const framework::Message& m);
    LRESULT OnClose(const framework::Message& m);
    LRESULT OnHandOver(const framework::Message& m);
    LRESULT OnGetMinMaxInfo(const framework::Message& m);
    LRESULT OnSizing(const framework::Message& m);
    LRESULT OnWindowPosChanging(const framework::Message& m);
    LRESULT OnMove(const framework::Message& m);
    LRESULT OnActivate(const framework::Message& m);
    LRESULT OnSysCommand(const framework::Message& m);
    LRESULT OnDropFiles(const framework::Message& m);
    LRESULT OnPaletteChanged(const framework::Message& m);
    LRESULT OnQueryNewPalette(const framework::Message& m);

    void OnFullScreen();
    // The option dialogs and the volume setting.
    void OnPreferences();
    void OnCopyOptions();
    void OnVolumeSetting();
    // Display Setting: offers to start the setup tool, which takes the
    // device over and ends the viewer.
    void OnDisplaySetting();
    void OnColorSetting();
    void OnRotateSource();
    void OnStrobe();
    void OnUpdateTimedEffect(framework::CCmdUI& ui);
    void OnBarToggle(UINT id);
    void OnFlip(UINT id);
    void OnUnload();
    void OnUpdateFullScreen(framework::CCmdUI& ui);
    void OnUpdateBarToggle(framework::CCmdUI& ui);
    void OnUpdateFlip(framework::CCmdUI& ui);
    void OnUpdateUnload(framework::CCmdUI& ui);

    friend struct framework::TableAccess;
    static constexpr framework::MessageEntry<CMainFrame> kMessages[] = {
        {WM_CREATE, &CMainFrame::OnCreate},
        {WM_CLOSE, &CMainFrame::OnClose},
        {WM_GETMINMAXINFO, &CMainFrame::OnGetMinMaxInfo},
        {WM_SIZING, &CMainFrame::OnSizing},
        {WM_WINDOWPOSCHANGING, &CMainFrame::OnWindowPosChanging},
        {WM_MOVE, &CMainFrame::OnMove},
        {WM_ACTIVATE, &CMainFrame::OnActivate},
        {WM_SYSCOMMAND, &CMainFrame::OnSysCommand},
        {WM_DROPFILES, &CMainFrame::OnDropFiles},
        {WM_PALETTECHANGED, &CMainFrame::OnPaletteChanged},
        {WM_QUERYNEWPALETTE, &CMainFrame::OnQueryNewPalette},
        {&g_msgVideoDeckSetup, &CMainFrame::OnHandOver},
    };
    static constexpr framework::CommandEntry<CMainFrame> kCommands[] = {
        {ID_VIEW_FULL_SCREEN, &CMainFrame::OnFullScreen},
        {framework::IdRange{ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR}, &CMainFrame::OnBarToggle},
        {framework::IdRange{ID_IMAGE_FLIP_HORIZONTAL, ID_IMAGE_FLIP_BOTH}, &CMainFrame::OnFlip},
        {ID_IMAGE_UNLOAD, &CMainFrame::OnUnload},
        {ID_OPTIONS_PREFERENCES, &CMainFrame::OnPreferences},
        {ID_EDIT_COPY_OPTIONS, &CMainFrame::OnCopyOptions},
        {ID_OPTIONS_VOLUME, &CMainFrame::OnVolumeSetting},
        {ID_OPTIONS_DISPLAY, &CMainFrame::OnDisplaySetting},
        {ID_OPTIONS_COLOR, &CMainFrame::OnColorSetting},
        {ID_TOOLS_ROTATE_SOURCE, &CMainFrame::OnRotateSource},
        {ID_TOOLS_STROBE, &CMainFrame::OnStrobe},
    };
    static constexpr framework::UpdateEntry<CMainFrame> kUpdates[] = {
        {ID_VIEW_FULL_SCREEN, &CMainFrame::OnUpdateFullScreen},
        {framework::IdRange{ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR}, &CMainFrame::OnUpdateBarToggle},
        {framework::IdRange{ID_IMAGE_FLIP_HORIZONTAL, ID_IMAGE_FLIP_BOTH}, &CMainFrame::OnUpdateFlip},
        {ID_IMAGE_UNLOAD, &CMainFrame::OnUpdateUnload},
        {framework::IdRange{ID_TOOLS_ROTATE_SOURCE, ID_TOOLS_STROBE}, &CMainFrame::OnUpdateTimedEffect},
    };


private:
    bool CreateBars();
    // What closing does, also on the hand-over: the window placement is
    // saved and the picture buffers freed.
    void CloseSteps();
    void SaveWindowPlacement();

    // Full screen: entering saves the placement; leaving restores it, or the
    // placement given (the fitting's).
    void ToggleFullScreen(const WINDOWPLACEMENT* given = nullptr);
    void EnterFullScreen();
    void LeaveFullScreen(const WINDOWPLACEMENT* given);
    // Sets the window to its current rectangle again, so that the aspect
    // rule works out the video area anew (after a bar came or went).
    void ReapplySize();
    bool AspectRuleApplies() const;
    // What the frame takes around the view's video area.
    AspectExtra ExtraSize() const;
    void SetMenuItemText(UINT id, UINT formatEntry, const std::string& name);
    void ReplaceVideoItemText(const std::string& name);

    CFrameToolBar toolBar_;
    CViewerStatusBar statusBar_;
    CVDView* view_ = nullptr;
    bool version4_;
    RECT savedRect_{0, 0, 0, 0};
    FramePreferences preferences_;

    bool fullScreen_ = false;
    WINDOWPLACEMENT savedPlacement_{};
    UINT savedShowCmd_ = SW_SHOWNORMAL;
    WindowBox fullScreenBox_{0, 0, 0, 0};
    RECT workArea_{0, 0, 0, 0};  // the maximised frame the system last proposed
    bool reapplying_ = false;     // the next size change is ReapplySize's
    bool toolBarPlaced_ = false;  // the tool bar took another place in this layout

    std::unique_ptr<CPictureBuffer> grab_;
    RECT grabRect_{0, 0, 0, 0};
    bool grabMerged_ = false;
    std::unique_ptr<CPictureBuffer> background_;
    CTimedEffects effects_{*this};
};
