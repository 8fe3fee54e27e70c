// The modal "PREVIEWBOX" dialog: four sliders (hue, brightness, saturation,
// contrast) over a reduced picture; OK applies the adjustment to the whole
// picture with a progress meter, Cancel leaves the picture unchanged.
#pragma once
#include <windows.h>
#include <vfw.h>

#include "color_model.h"
#include "dialog_window.h"
#include "preview_picture.h"
#include "services.h"

namespace htfx {

class CPreviewDialog : public CDialogWindow {
public:
    explicit CPreviewDialog(PreviewJob& job) : job_(job) {}
    ~CPreviewDialog() override;
    // The operation's result: 0, 5 when the preview cannot be set up.
    int Run();

protected:
    bool OnMessage(UINT message, WPARAM wparam, LPARAM lparam, INT_PTR* result) override;

private:
    // One row of the slider table, in amount order.
    struct SliderRow {
        int position = 0;
        int pending = 0;
        int minimum = -99;
        int maximum = 99;
        int page = 99 * 20 / 100;
    };

    INT_PTR OnInitDialog(WPARAM, LPARAM);
    INT_PTR OnHScroll(WPARAM, LPARAM);
    INT_PTR OnPaint(WPARAM, LPARAM);
    INT_PTR OnPaletteChanged(WPARAM, LPARAM);
    INT_PTR OnQueryNewPalette(WPARAM, LPARAM);
    INT_PTR OnControlColour(WPARAM, LPARAM);
    INT_PTR OnSysColorChange(WPARAM, LPARAM);
    INT_PTR OnClose(WPARAM, LPARAM);
    void OnOk();
    void OnCancel();
    void OnUpdate();

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
    HBRUSH face_brush_ = nullptr;
    bool class_registered_ = false;
    bool changed_ = false;
    bool opened_ = false;
    Amounts working_{};
    Amounts base_{};
    SliderRow rows_[7];

    static const MessageEntry<CPreviewDialog> kMessages[];
    static const CommandEntry<CPreviewDialog> kCommands[];
};

}  // namespace htfx
