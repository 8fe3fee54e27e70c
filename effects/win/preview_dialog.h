// The modal "PREVIEWBOX" dialog: four sliders (hue, brightness, saturation,
// contrast) over a reduced picture; OK applies the adjustment to the whole
// picture with a progress meter, Cancel leaves the picture unchanged.
#pragma once
#include <windows.h>
#include <vfw.h>

#include "color_model.h"
#include "dialog_window.h"
#include "handles.h"
#include "message_table.h"
#include "preview_picture.h"
#include "resource.h"
#include "services.h"

namespace htfx {

class CPreviewDialog : public framework::Routed<CPreviewDialog, CDialogWindow> {
public:
    explicit CPreviewDialog(PreviewJob& job) : job_(job) {}
    ~CPreviewDialog() override;
    // The operation's result: 0, 5 when the preview cannot be set up.
    int Run();

protected:
    LRESULT OnInitDialog(const framework::Message& m);
    LRESULT OnHScroll(const framework::Message& m);
    LRESULT OnPaint(const framework::Message& m);
    LRESULT OnPaletteChanged(const framework::Message& m);
    LRESULT OnQueryNewPalette(const framework::Message& m);
    LRESULT OnControlColour(const framework::Message& m);
    LRESULT OnSysColorChange(const framework::Message& m);
    LRESULT OnClose(const framework::Message& m);
    void OnOk();
    void OnCancel();
    void OnUpdate();

public:
    static constexpr framework::MessageEntry<CPreviewDialog> kMessages[] = {
        {WM_INITDIALOG, &CPreviewDialog::OnInitDialog},
        {WM_HSCROLL, &CPreviewDialog::OnHScroll},
        {WM_PAINT, &CPreviewDialog::OnPaint},
        {WM_PALETTECHANGED, &CPreviewDialog::OnPaletteChanged},
        {WM_QUERYNEWPALETTE, &CPreviewDialog::OnQueryNewPalette},
        {WM_CTLCOLORSTATIC, &CPreviewDialog::OnControlColour},
        {WM_CTLCOLORDLG, &CPreviewDialog::OnControlColour},
        {WM_SYSCOLORCHANGE, &CPreviewDialog::OnSysColorChange},
        {WM_CLOSE, &CPreviewDialog::OnClose},
    };
    static constexpr framework::CommandEntry<CPreviewDialog> kCommands[] = {
        {IDOK, &CPreviewDialog::OnOk},
        {IDCANCEL, &CPreviewDialog::OnCancel},
        {IDC_UPDATE, &CPreviewDialog::OnUpdate},
    };

private:
    // One row of the slider table, in amount order.
    struct SliderRow {
        int position = 0;
        int pending = 0;
        int minimum = -99;
        int maximum = 99;
        int page = 99 * 20 / 100;
    };

    bool HasRow(int k) const { return (job_.channel_mask & (1 << k)) != 0; }
    RECT PreviewArea() const;
    void InvalidatePreview();
    void SetValueText(int k, int value);
    // Source rows to the destination: adjusted with the meter, or copied.
    void WriteDestination(const Amounts* amounts);
    void CleanUp();

    PreviewJob& job_;
    CPreviewPicture picture_;
    HDRAWDIB drawing_ = nullptr;
    framework::GdiBrush face_brush_;
    bool class_registered_ = false;
    bool changed_ = false;
    bool opened_ = false;
    Amounts working_{};
    Amounts base_{};
    SliderRow rows_[7];
};

}  // namespace htfx
