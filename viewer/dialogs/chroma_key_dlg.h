// The chroma key dialog: the user picks the colour the card keys out of the
// live video, by a point picked in the view before the dialog opens or by
// dragging the Finder over the view (or the window the video is exported
// to), and sets the Y, U and V tolerances with three bars that act at once.
// OK turns chroma keying on for the view, Stop (also Escape and the close
// box) turns it off, Cancel leaves it as it was.  Built without being run,
// the object also switches keying off around another dialog
// (SuspendChromaKey) and back on after it (ResumeChromaKey).
#pragma once
#include "chroma_view.h"
#include "button_face.h"
#include "dialog.h"
#include "handles.h"
#include "message_table.h"
#include "resource.h"

#include <optional>

class CChromaKeyDlg : public framework::Routed<CChromaKeyDlg, framework::CDialog> {
public:
    // `picked`: a point in the client coordinates of the view, picked before
    // the dialog opens.
    CChromaKeyDlg(HWND parent, IChromaView& view, std::optional<POINT> picked = std::nullopt);

    // Reads the colour at `at` from the card (red, green, blue and Y, U, V)
    // and sends it as the chroma key.  False, with nothing kept or sent, when
    // the card did not answer both questions.
    bool PickChromaColor(POINT at);
    // Switches keying off (freezing the video first when `freeze`), keeping
    // the view's freeze state to give back.
    void SuspendChromaKey(bool freeze);
    // Puts the keying back as the view has it, and the kept freeze state.
    void ResumeChromaKey();

    bool Dragging() const { return dragging_; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    // The standard cancel command (Escape, the close box) is Stop.
    void OnCancel() override;
    void DoDataExchange(framework::CDataExchange& dx) override;

    LRESULT OnHScroll(const framework::Message& m);
    LRESULT OnLeftButtonDown(const framework::Message& m);
    LRESULT OnLeftButtonUp(const framework::Message& m);
    LRESULT OnDragInterrupted(const framework::Message& m);
    LRESULT OnCaptureChanged(const framework::Message& m);
    LRESULT OnActivate(const framework::Message& m);
    LRESULT OnKillFocus(const framework::Message& m);
    LRESULT OnClose(const framework::Message& m);
    LRESULT OnDestroy(const framework::Message& m);
    LRESULT OnPaint(const framework::Message& m);
    LRESULT OnDrawItem(const framework::Message& m);
    LRESULT OnControlColour(const framework::Message& m);

    void OnUseColorKey();
    void OnHideVideoDeck();
    void OnUnfreeze();
    void OnStop();
    void OnCancelButton();

    friend struct framework::TableAccess;
    static constexpr framework::MessageEntry<CChromaKeyDlg> kMessages[] = {
        {WM_HSCROLL, &CChromaKeyDlg::OnHScroll},
        {WM_LBUTTONDOWN, &CChromaKeyDlg::OnLeftButtonDown},
        {WM_LBUTTONUP, &CChromaKeyDlg::OnLeftButtonUp},
        {WM_CANCELMODE, &CChromaKeyDlg::OnDragInterrupted},
        {WM_CAPTURECHANGED, &CChromaKeyDlg::OnCaptureChanged},
        {WM_ACTIVATE, &CChromaKeyDlg::OnActivate},
        {WM_KILLFOCUS, &CChromaKeyDlg::OnKillFocus},
        {WM_CLOSE, &CChromaKeyDlg::OnClose},
        {WM_DESTROY, &CChromaKeyDlg::OnDestroy},
        {WM_PAINT, &CChromaKeyDlg::OnPaint},
        {WM_DRAWITEM, &CChromaKeyDlg::OnDrawItem},
        {WM_CTLCOLORDLG, &CChromaKeyDlg::OnControlColour},
        {WM_CTLCOLORSTATIC, &CChromaKeyDlg::OnControlColour},
        {WM_CTLCOLORBTN, &CChromaKeyDlg::OnControlColour},
        {WM_CTLCOLORSCROLLBAR, &CChromaKeyDlg::OnControlColour},
    };
    static constexpr framework::CommandEntry<CChromaKeyDlg> kCommands[] = {
        {IDC_USE_COLOR_KEY, BN_CLICKED, &CChromaKeyDlg::OnUseColorKey},
        {IDC_HIDE_VIDEO_DECK, BN_CLICKED, &CChromaKeyDlg::OnHideVideoDeck},
        {IDC_UNFREEZE, BN_CLICKED, &CChromaKeyDlg::OnUnfreeze},
        {IDC_STOP, BN_CLICKED, &CChromaKeyDlg::OnStop},
        {IDC_CHROMA_CANCEL, BN_CLICKED, &CChromaKeyDlg::OnCancelButton},
    };

private:
    void BeginDrag();
    // Ends a Finder drag: `dropped` is where the button was released (screen
    // coordinates), none when the drag was broken off.
    void EndDrag(std::optional<POINT> dropped);
    void Drop(POINT screen);
    // The drag brings the export target forward itself; the dialog losing
    // the activation to it does not break the drag off.
    bool ExportTargetInFront() const;
    void PickedInDialog(POINT at);
    void ShowSwatch(bool show);
    void RepaintControl(int id);
    void StorePosition();
    void ShowMainWindow(bool show);
    HWND MainWindow() const;

    IChromaView& view_;
    std::optional<POINT> picked_;
    int keyLockCheck_ = 0;
    int hideCheck_ = 0;
    int tolerance_[3] = {0, 0, 0};
    bool colourPicked_ = false;
    bool dragging_ = false;
    bool rememberedFreeze_ = false;
    bool rememberedKeyLock_ = true;
    HWND highlighted_ = nullptr;  // the window the drag marks
    framework::GdiFont lightFont_;
    framework::CButtonFace face_;
};
