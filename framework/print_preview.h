// The print preview: a window over the program that shows the page as the
// printer would print it (a recording of the view's printing, played back
// scaled into a page outline), with Print and Close buttons.
#pragma once
#include "message_table.h"
#include "framework_ids.h"
#include "wnd.h"

namespace framework {

class CPrintPreviewWnd : public Routed<CPrintPreviewWnd, CWnd> {
public:
    static constexpr char kClassName[] = "KxFrameworkPrintPreview";

    // `page` is the recorded page (the window's from now on), `pageSize` the
    // printer's page in its pixels.
    CPrintPreviewWnd(HENHMETAFILE page, SIZE pageSize);
    ~CPrintPreviewWnd() override;

    // Shows the preview over `owner` (disabled meanwhile) until the user
    // closes it; true when the user chose Print.
    bool Run(HWND owner);

    // Where the page is drawn in the client area (for tests and painting).
    RECT PageRect() const;

protected:
    LRESULT OnPaint(const Message& m);
    LRESULT OnSize(const Message& m);
    LRESULT OnClose(const Message& m);
    void OnPrint();
    void OnCloseButton();

    friend struct TableAccess;
    static constexpr MessageEntry<CPrintPreviewWnd> kMessages[] = {
        {WM_PAINT, &CPrintPreviewWnd::OnPaint},
        {WM_SIZE, &CPrintPreviewWnd::OnSize},
        {WM_CLOSE, &CPrintPreviewWnd::OnClose},
    };
    static constexpr CommandEntry<CPrintPreviewWnd> kCommands[] = {
        {ID_FILE_PRINT, BN_CLICKED, &CPrintPreviewWnd::OnPrint},
        {IDCANCEL, BN_CLICKED, &CPrintPreviewWnd::OnCloseButton},
    };

private:
    void End(bool print);

    HENHMETAFILE page_;
    SIZE pageSize_;
    HWND printButton_ = nullptr;
    HWND closeButton_ = nullptr;
    bool done_ = false;
    bool print_ = false;
};

}  // namespace framework
