// The viewer's view: the window the card keys its live video into.  It tells
// the driver which window it is, sends the placement of the frame memory on
// every move, size, scroll and mode change, paints the key colour, and
// carries the display modes (freeze, invert, zoom, fit, video source).
#pragma once
#include "chroma_view.h"
#include "background_image.h"
#include "display_modes.h"
#include "export_video_dlg.h"
#include "message_table.h"
#include "registered_messages.h"
#include "scroll_view.h"
#include "text_layer.h"
#include "video_frame.h"
#include "view_commands.h"
#include <array>
#include <memory>

class CPictureBuffer;
class ChromaKeyPause;

class CVDView : public framework::Routed<CVDView, framework::CScrollView>, public IChromaView, public IExportView {
public:
    static constexpr COLORREF kDefaultKeyColour = RGB(255, 0, 255);

    CVDView();
    ~CVDView() override;

    // The frame around the view, which the frame hands over once the view exists.
    void AttachFrame(IVideoFrame* frame) { frame_ = frame; }
    IVideoFrame* Frame() const { return frame_; }

    // Set freeze: returns the previous remembered state; with `remember` the
    // state becomes the user's.
    bool SetFreeze(bool frozen, bool remember) override;
    void SetInvert(bool inverted);
    void SetSource(int source);
    void PlaceVideo(PlaceMode mode);
    void UpdateStatus();
    void VideoKeyOff() override;

    ViewState State() const;
    bool PickingKeyColour() const { return pickingKeyColour_; }
    void BeginKeyColourPick() { pickingKeyColour_ = true; }
    void SetKeyLock(bool on) override { keyLock_ = on; }

    // What the chroma key dialog asks of the view.
    HWND ViewWindow() const override { return hwnd_; }
    HWND ExportTarget() const override { return exportTarget_; }
    // What the Export Video dialog asks of the view.
    HWND MainWindow() const override { return FrameWindow(); }
    void SetExportTarget(HWND target) override { exportTarget_ = target; }
    COLORREF KeyColour() const override { return keyColour_; }
    void ApplyKeyColour(COLORREF colour) override;
    void PlaceExported() override { PlaceVideo(PlaceMode::Exported); }
    void PlaceRefit() override { PlaceVideo(PlaceMode::Refit); }
    const CExportVideoDlg& ExportDialog() const { return exportDlg_; }
    bool ChromaKeyActive() const override { return chromaKeyActive_; }
    void SetChromaKeyActive(bool active) override { chromaKeyActive_ = active; }
    bool KeyLock() const override { return keyLock_; }
    bool Frozen() const override { return frozen_; }
    void SetChromaKeyRecord(const ChromaKeyRecord& record) override { chromaKeyRecord_ = record; }
    // A view without a frame takes the preference's default, set.
    bool UnfreezeWhenChromaKey() const override { return !frame_ || frame_->UnfreezesForChromaKey(); }
    const ChromaKeyRecord& ChromaKey() const { return chromaKeyRecord_; }
    void VideoKeyOn() override;

    // What is shown over the video, for composing a grab with the screen:
    // drawings on the view, the window the video is exported to, and the
    // keys that tell video from drawing.
    struct ScreenOverlay {
        bool drawings = false;
        HWND exportTarget = nullptr;
        COLORREF keyColour = kDefaultKeyColour;
        bool keyLock = true;
        bool chromaActive = false;
        std::array<unsigned char, 6> chromaKey{};  // Y, U, V and their tolerances
    };
    ScreenOverlay Overlay() const;
    // Realises the palette the view paints with; true when colours changed.
    bool RealizePalette();

    // The background image: a picture (its owner keeps it until it is
    // replaced or unloaded) shown instead of the key colour, through which
    // the video shows where the image has the colour the user picks.  A new
    // image starts that pick at once; none removes the background and puts
    // the key colour back to magenta.
    void SetBackgroundImage(CPictureBuffer* image);
    bool HasBackgroundImage() const { return background_ != nullptr; }
    bool BackgroundShown() const { return backgroundShown_; }
    // The card's picture is shown, not the background image (a picture was
    // loaded into the card, or the Video item was chosen).
    void ShowCardPicture();

    // Popups of the context menu resource.
    enum ContextPopup { kPopupText = 0, kPopupRegion = 1, kPopupNothing = 2 };
    HMENU ContextMenu() const { return contextMenu_; }

    // Set while the view draws for the printer: no placement is sent then.
    bool Printing() const { return printing_; }

    // The region selection (client pixels, empty for none) and the working
    // rectangle every region command acts on: the selection, or the whole
    // client area.
    RECT Selection() const { return selection_; }
    RECT WorkingRect() const;
    // Empties the selection, erasing its focus rectangle.
    void ClearSelection();
    // The text annotations drawn over the picture.
    const CTextLayer& Texts() const { return texts_; }
    CTextLayer& Texts() { return texts_; }

protected:
    void OnInitialUpdate() override;
    void OnScrolled() override;
    void OnDraw(HDC dc) override;

    // The picture printed on one page, across its width (see print_page.h).
    bool OnPreparePrinting(framework::CPrintInfo& info) override;
    void OnBeginPrinting(HDC dc, framework::CPrintInfo& info) override;
    void OnPrint(HDC dc, framework::CPrintInfo& info) override;
    void OnEndPrinting(HDC dc, framework::CPrintInfo& info) override;

    LRESULT OnCreate(const framework::Message& m);
    LRESULT OnDestroy(const framework::Message& m);
    LRESULT OnEraseBackground(const framework::Message& m);
    LRESULT OnWindowPosChanged(const framework::Message& m);
    LRESULT OnUpdateVideo(const framework::Message& m);
    LRESULT OnFindClientPoint(const framework::Message& m);
    LRESULT OnContextMenu(const framework::Message& m);
    LRESULT OnLeftButtonDown(const framework::Message& m);
    LRESULT OnLeftButtonDoubleClick(const framework::Message& m);
    LRESULT OnMouseMove(const framework::Message& m);
    LRESULT OnLeftButtonUp(const framework::Message& m);
    LRESULT OnCaptureChanged(const framework::Message& m);
    LRESULT OnSetCursor(const framework::Message& m);

    // Region commands (the clipboard and the frame memory, through the card).
    void OnClear();
    void OnCut();
    void OnCopy();
    void OnPaste();
    void OnUpdateRegionCommand(framework::CCmdUI& ui);
    // Text commands.
    void OnAddText();
    void OnEditText();
    void OnDeleteText();
    void OnTextFont();

    void OnFreeze();
    void OnInvert();
    void OnNonFit();
    void OnZoom(UINT id);
    void OnSource(UINT id);
    void OnUpdateCommand(framework::CCmdUI& ui);
    void OnChromaKey();
    void OnNewColorKey();
    void OnShowBackground();
    void OnExportVideo();

    friend struct framework::TableAccess;
    static constexpr framework::MessageEntry<CVDView> kMessages[] = {
        {WM_CREATE, &CVDView::OnCreate},
        {WM_DESTROY, &CVDView::OnDestroy},
        {WM_ERASEBKGND, &CVDView::OnEraseBackground},
        {WM_WINDOWPOSCHANGED, &CVDView::OnWindowPosChanged},
        {WM_CONTEXTMENU, &CVDView::OnContextMenu},
        {WM_LBUTTONDOWN, &CVDView::OnLeftButtonDown},
        {WM_LBUTTONDBLCLK, &CVDView::OnLeftButtonDoubleClick},
        {WM_MOUSEMOVE, &CVDView::OnMouseMove},
        {WM_LBUTTONUP, &CVDView::OnLeftButtonUp},
        {WM_CAPTURECHANGED, &CVDView::OnCaptureChanged},
        {WM_SETCURSOR, &CVDView::OnSetCursor},
        {&g_msgUpdateVideo, &CVDView::OnUpdateVideo},
        {&g_msgFindClientPt, &CVDView::OnFindClientPoint},
    };
    static constexpr framework::CommandEntry<CVDView> kCommands[] = {
        {ID_VIEW_FREEZE, &CVDView::OnFreeze},
        {ID_VIEW_INVERT, &CVDView::OnInvert},
        {ID_VIEW_NON_FIT, &CVDView::OnNonFit},
        {framework::IdRange{ID_VIEW_ZOOM_IN, ID_VIEW_ZOOM_OUT}, &CVDView::OnZoom},
        {framework::IdRange{ID_SOURCE_0, ID_SOURCE_SVIDEO}, &CVDView::OnSource},
        {ID_VIEW_CHROMA_KEY, &CVDView::OnChromaKey},
        {ID_VIEW_NEW_COLOR_KEY, &CVDView::OnNewColorKey},
        {ID_VIEW_VIDEO, &CVDView::ShowCardPicture},
        {ID_VIEW_BACKGROUND, &CVDView::OnShowBackground},
        {ID_TOOLS_EXPORT_VIDEO, &CVDView::OnExportVideo},
        {ID_EDIT_CLEAR, &CVDView::OnClear},
        {ID_EDIT_CUT, &CVDView::OnCut},
        {ID_EDIT_COPY, &CVDView::OnCopy},
        {ID_EDIT_PASTE, &CVDView::OnPaste},
        {ID_TEXT_ADD, &CVDView::OnAddText},
        {ID_TEXT_EDIT, &CVDView::OnEditText},
        {ID_TEXT_DELETE, &CVDView::OnDeleteText},
        {ID_TEXT_FONT, &CVDView::OnTextFont},
    };
    // The rule table (ViewCommandState) gives the states; full screen, the
    // ids between the display modes, is the frame's.
    static constexpr framework::UpdateEntry<CVDView> kUpdates[] = {
        {framework::IdRange{ID_VIEW_VIDEO, ID_VIEW_FREEZE}, &CVDView::OnUpdateCommand},
        {framework::IdRange{ID_VIEW_INVERT, ID_VIEW_ZOOM_OUT}, &CVDView::OnUpdateCommand},
        {framework::IdRange{ID_SOURCE_0, ID_SOURCE_SVIDEO}, &CVDView::OnUpdateCommand},
        {ID_VIEW_BACKGROUND, &CVDView::OnUpdateCommand},
        {ID_VIEW_NEW_COLOR_KEY, &CVDView::OnUpdateCommand},
        {ID_VIEW_CHROMA_KEY, &CVDView::OnUpdateCommand},
        {ID_TOOLS_EXPORT_VIDEO, &CVDView::OnUpdateCommand},
        {ID_EDIT_CLEAR, &CVDView::OnUpdateCommand},
        {ID_EDIT_CUT, &CVDView::OnUpdateCommand},
        {ID_EDIT_COPY, &CVDView::OnUpdateCommand},
        {ID_EDIT_PASTE, &CVDView::OnUpdateRegionCommand},
        {framework::IdRange{ID_EDIT_COPY_TO, ID_EDIT_PASTE_FROM}, &CVDView::OnUpdateCommand},
        {framework::IdRange{ID_TEXT_ADD, ID_TEXT_FONT}, &CVDView::OnUpdateCommand},
    };

private:
    HWND FrameWindow() const;
    void SetPaneText(StatusPane pane, UINT formatEntry, int a, int b = 0, int argCount = 2);
    void RepaintNow(bool erase = true);
    // The rubber band: its focus rectangle (drawn twice, it is gone), the
    // end of a drag, and the panes while dragging.
    void DrawBand(HDC dc) const;
    void InvertBand();
    void EndBand();
    // A left click on the picture: texts first, then the band.
    void PressPicture(POINT point, bool shift);
    // Copy: true when the card put the region on the clipboard.
    bool CopyRegion();
    // Hands a clipboard message to the text editor when the user is typing
    // in it; false when the region is meant.
    bool EditorTakes(UINT message);

    IVideoFrame* frame_ = nullptr;
    CDisplayModes modes_;
    int source_ = kSourceComposite0;
    bool frozen_ = false;
    bool inverted_ = false;
    COLORREF keyColour_ = kDefaultKeyColour;
    bool pickingKeyColour_ = false;
    bool keyLock_ = true;
    bool placing_ = false;
    // Chroma keying: set by the chroma key dialog's OK, cleared by its Stop.
    bool chromaKeyActive_ = false;
    ChromaKeyRecord chromaKeyRecord_;
    HWND exportTarget_ = nullptr;
    CExportVideoDlg exportDlg_{*this};
    HMENU contextMenu_ = nullptr;
    std::unique_ptr<CBackgroundImage> background_;
    bool backgroundShown_ = false;
    // Printing without the print dialog: the picture grabbed before the job
    // (the print image) and the chroma keying paused for it.
    bool printing_ = false;
    std::unique_ptr<CPictureBuffer> printPicture_;
    std::unique_ptr<CBackgroundImage> printImage_;
    std::unique_ptr<ChromaKeyPause> printPause_;
    // The region selection and its rubber band.
    RECT selection_{};
    POINT anchor_{};
    bool banding_ = false;
    CTextLayer texts_;
    // Whether Paste can take the clipboard's picture, as of this clipboard
    // sequence number.
    DWORD clipboardSequence_ = 0;
    bool pasteAvailable_ = false;
};
