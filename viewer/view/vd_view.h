// The viewer's view: the window the card keys its live video into.  It tells
// the driver which window it is, sends the placement of the frame memory on
// every move, size, scroll and mode change, paints the key colour, and
// carries the display modes (freeze, invert, zoom, fit, video source).
#pragma once
#include "display_modes.h"
#include "message_table.h"
#include "registered_messages.h"
#include "scroll_view.h"
#include "view_commands.h"

class IVideoFrame;

class CVDView : public framework::Routed<CVDView, framework::CScrollView> {
public:
    static constexpr COLORREF kDefaultKeyColour = RGB(255, 0, 255);
    static constexpr UINT kEditorId = 900;

    CVDView();
    ~CVDView() override;

    // Set freeze: returns the previous remembered state; with `remember` the
    // state becomes the user's.
    bool SetFreeze(bool frozen, bool remember);
    void SetInvert(bool inverted);
    void SetSource(int source);
    void PlaceVideo(PlaceMode mode);
    void UpdateStatus();
    void VideoKeyOn();
    void VideoKeyOff();

    ViewState State() const;
    COLORREF KeyColour() const { return keyColour_; }
    HWND ExportTarget() const { return exportTarget_; }
    bool PickingKeyColour() const { return pickingKeyColour_; }
    void BeginKeyColourPick() { pickingKeyColour_ = true; }
    void SetKeyLock(bool on) { keyLock_ = on; }

protected:
    void OnInitialUpdate() override;
    void OnScrolled() override;
    void OnDraw(HDC dc) override;

    LRESULT OnCreate(const framework::Message& m);
    LRESULT OnDestroy(const framework::Message& m);
    LRESULT OnEraseBackground(const framework::Message& m);
    LRESULT OnWindowPosChanged(const framework::Message& m);
    LRESULT OnUpdateVideo(const framework::Message& m);
    LRESULT OnFindClientPoint(const framework::Message& m);
    LRESULT OnContextMenu(const framework::Message& m);

    void OnFreeze();
    void OnInvert();
    void OnNonFit();
    void OnZoomIn();
    void OnZoomOff();
    void OnZoomOut();
    void OnSource0();
    void OnSource1();
    void OnSourceSVideo();
    void OnVideo();
    void OnBackground();
    void OnUpdateCommand(framework::CCmdUI& ui);
    void OnUpdateNotYetAvailable(framework::CCmdUI& ui);

public:
    static constexpr framework::MessageEntry<CVDView> kMessages[] = {
        {WM_CREATE, &CVDView::OnCreate},
        {WM_DESTROY, &CVDView::OnDestroy},
        {WM_ERASEBKGND, &CVDView::OnEraseBackground},
        {WM_WINDOWPOSCHANGED, &CVDView::OnWindowPosChanged},
        {WM_CONTEXTMENU, &CVDView::OnContextMenu},
        {&g_msgUpdateVideo, &CVDView::OnUpdateVideo},
        {&g_msgFindClientPt, &CVDView::OnFindClientPoint},
    };
    static constexpr framework::CommandEntry<CVDView> kCommands[] = {
        {ID_VIEW_FREEZE, &CVDView::OnFreeze},
        {ID_VIEW_INVERT, &CVDView::OnInvert},
        {ID_VIEW_NON_FIT, &CVDView::OnNonFit},
        {ID_VIEW_ZOOM_IN, &CVDView::OnZoomIn},
        {ID_VIEW_ZOOM_OFF, &CVDView::OnZoomOff},
        {ID_VIEW_ZOOM_OUT, &CVDView::OnZoomOut},
        {ID_SOURCE_0, &CVDView::OnSource0},
        {ID_SOURCE_1, &CVDView::OnSource1},
        {ID_SOURCE_SVIDEO, &CVDView::OnSourceSVideo},
        {ID_VIEW_VIDEO, &CVDView::OnVideo},
        {ID_VIEW_BACKGROUND, &CVDView::OnBackground},
    };
    static constexpr framework::UpdateEntry<CVDView> kUpdates[] = {
        {ID_VIEW_FREEZE, &CVDView::OnUpdateCommand},
        {ID_VIEW_INVERT, &CVDView::OnUpdateCommand},
        {ID_VIEW_NON_FIT, &CVDView::OnUpdateCommand},
        {ID_VIEW_ZOOM_IN, &CVDView::OnUpdateCommand},
        {ID_VIEW_ZOOM_OFF, &CVDView::OnUpdateCommand},
        {ID_VIEW_ZOOM_OUT, &CVDView::OnUpdateCommand},
        {ID_SOURCE_0, &CVDView::OnUpdateCommand},
        {ID_SOURCE_1, &CVDView::OnUpdateCommand},
        {ID_SOURCE_SVIDEO, &CVDView::OnUpdateCommand},
        {ID_VIEW_VIDEO, &CVDView::OnUpdateCommand},
        {ID_VIEW_BACKGROUND, &CVDView::OnUpdateCommand},
        {ID_VIEW_NEW_COLOR_KEY, &CVDView::OnUpdateNotYetAvailable},
        {ID_VIEW_CHROMA_KEY, &CVDView::OnUpdateNotYetAvailable},
    };

private:
    IVideoFrame* Frame() const;
    HWND FrameWindow() const;
    void SetPaneText(int pane, UINT formatEntry, int a, int b = 0, int argCount = 2);

    CDisplayModes modes_;
    int source_ = 0;
    bool frozen_ = false;
    bool inverted_ = false;
    COLORREF keyColour_ = kDefaultKeyColour;
    HWND exportTarget_ = nullptr;
    bool backgroundLoaded_ = false;
    bool backgroundShown_ = false;
    bool pickingKeyColour_ = false;
    bool keyLock_ = true;
    bool chromaKeyActive_ = false;
    bool printing_ = false;
    bool placing_ = false;
    HWND editor_ = nullptr;
    HMENU contextMenu_ = nullptr;

public:
    // Popups of the context menu resource.
    enum ContextPopup { kPopupText = 0, kPopupRegion = 1, kPopupNothing = 2 };
    HMENU ContextMenu() const { return contextMenu_; }
};
