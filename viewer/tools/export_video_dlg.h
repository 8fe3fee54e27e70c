// "Export Video" (template 116): the user drags the Finder over a window of
// another program, and the card shows its video there instead of in the
// view.  The window hook library reports when that window moves (the view
// places the video again) or goes away (the export ends and the video comes
// home).  One dialog object lives as long as the view; the export keeps
// running after the dialog has closed.
#pragma once
#include "button_face.h"
#include "dialog.h"
#include "export_view.h"
#include "handles.h"
#include "message_table.h"
#include "registered_messages.h"
#include "resource.h"

class CExportVideoDlg : public framework::Routed<CExportVideoDlg, framework::CDialog> {
public:
    explicit CExportVideoDlg(IExportView& view);

    // Runs the dialog over `parent`, starting from the view's current
    // export target.
    INT_PTR Run(HWND parent, HWND target);
    HWND Target() const { return target_; }
    // The key colour the view gets back when the export ends.
    COLORREF SavedKeyColour() const { return savedKey_; }

    // Starts exporting to the target, the drop point in its client
    // coordinates; false when nothing was started.
    bool StartExport(POINT drop);
    // The same for a window known without the Finder (a program driving the
    // viewer, a benchmark).
    bool ExportTo(HWND target, POINT drop)
    {
        target_ = target;
        return StartExport(drop);
    }
    // Ends the export: the watch removed, the video back in the view with
    // the saved key colour.
    void StopExport();

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void DoDataExchange(framework::CDataExchange& dx) override;

    LRESULT OnLeftButtonDown(const framework::Message& m);
    LRESULT OnMouseMove(const framework::Message& m);
    LRESULT OnLeftButtonUp(const framework::Message& m);
    LRESULT OnCaptureChanged(const framework::Message& m);
    LRESULT OnPaint(const framework::Message& m);
    LRESULT OnDrawItem(const framework::Message& m);
    LRESULT OnUpdateVideo(const framework::Message& m);
    LRESULT OnControlColour(const framework::Message& m);
    void OnStop();
    void OnHideVideoDeck();

    friend struct framework::TableAccess;
    static constexpr framework::MessageEntry<CExportVideoDlg> kMessages[] = {
        {WM_LBUTTONDOWN, &CExportVideoDlg::OnLeftButtonDown},
        {WM_MOUSEMOVE, &CExportVideoDlg::OnMouseMove},
        {WM_LBUTTONUP, &CExportVideoDlg::OnLeftButtonUp},
        {WM_CAPTURECHANGED, &CExportVideoDlg::OnCaptureChanged},
        {WM_PAINT, &CExportVideoDlg::OnPaint},
        {WM_DRAWITEM, &CExportVideoDlg::OnDrawItem},
        {WM_CTLCOLORDLG, &CExportVideoDlg::OnControlColour},
        {WM_CTLCOLORSTATIC, &CExportVideoDlg::OnControlColour},
        {WM_CTLCOLORBTN, &CExportVideoDlg::OnControlColour},
        {&g_msgUpdateVideo, &CExportVideoDlg::OnUpdateVideo},
    };
    static constexpr framework::CommandEntry<CExportVideoDlg> kCommands[] = {
        {IDC_STOP, BN_CLICKED, &CExportVideoDlg::OnStop},
        {IDC_HIDE_VIDEO_DECK, BN_CLICKED, &CExportVideoDlg::OnHideVideoDeck},
    };

private:
    void EndDrag(bool dropped, POINT screen);
    // The window under a screen point that can take the video: a child is
    // preferred to its parent; none for the viewer's own windows.
    HWND CandidateAt(POINT screen) const;
    void MarkCandidate(HWND window);
    void ShowMainWindow(bool show, int how = SW_SHOW);
    void RepaintFinder();

    IExportView& view_;
    HWND target_ = nullptr;
    HWND marked_ = nullptr;  // the window the drag's frame is drawn on
    POINT drop_{0, 0};
    COLORREF savedKey_ = RGB(255, 0, 255);  // the view's own key colour until one is kept
    bool dragging_ = false;
    int hide_ = 0;
    int minimize_ = 0;
    framework::GdiFont lightFont_;
    framework::CButtonFace face_;
};
