// The region commands: Clear, Cut, Copy and Paste of the working rectangle,
// carried out by the card; and the text commands of the menus.
#include "vd_view.h"

#include "clipboard_options_dlg.h"
#include "overlay_viewer.h"
#include "region_rules.h"

namespace {

// Sends verb "at %d %d %d %d" with the rectangle.
MCIERROR SendAt(unsigned verb, const RECT& r)
{
    return SendOverlayCommand(verb, overlay::kFmtAt, static_cast<int>(r.left), static_cast<int>(r.top),
                              static_cast<int>(r.right - r.left), static_cast<int>(r.bottom - r.top));
}

// What the clipboard holds for Paste.  The clipboard is opened (and closed
// at once) only when a bitmap has to be looked at.
ClipboardPicture ClipboardContents(HWND owner)
{
    ClipboardPicture c;
    c.dib = IsClipboardFormatAvailable(CF_DIB) != FALSE;
    c.bitmap = IsClipboardFormatAvailable(CF_BITMAP) != FALSE;
    if (!c.bitmap || !OpenClipboard(owner))
        return c;
    if (HBITMAP bitmap = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP))) {
        BITMAP info{};
        if (GetObjectA(bitmap, sizeof info, &info)) {
            c.planes = info.bmPlanes;
            c.bitsPerPixel = info.bmBitsPixel;
        }
    }
    CloseClipboard();
    return c;
}

}  // namespace

bool CVDView::CopyRegion()
{
    const RECT r = WorkingRect();
    const std::string type = CClipboardOptionsDlg().GetClipboardType();
    return SendOverlayCommand(overlay::kVerbCopy, overlay::kFmtTypeAt, type.c_str(), static_cast<int>(r.left),
                              static_cast<int>(r.top), static_cast<int>(r.right - r.left),
                              static_cast<int>(r.bottom - r.top)) == 0;
}

void CVDView::OnClear()
{
    SetFreeze(true, true);
    SendAt(overlay::kVerbDelete, WorkingRect());
}

// While the user types a text, Cut, Copy and Paste (their keys above all)
// work on the text in the editor, as in any edit box.
bool CVDView::EditorTakes(UINT message)
{
    HWND editor = texts_.Editor();
    if (!editor || !texts_.EditorVisible() || GetFocus() != editor)
        return false;
    SendMessageA(editor, message, 0, 0);
    return true;
}

void CVDView::OnCut()
{
    if (EditorTakes(WM_CUT))
        return;
    SetFreeze(true, true);
    // The region is cleared only once it is safely on the clipboard.
    if (CopyRegion())
        SendAt(overlay::kVerbDelete, WorkingRect());
}

void CVDView::OnCopy()
{
    if (!EditorTakes(WM_COPY))
        CopyRegion();
}

void CVDView::OnPaste()
{
    if (EditorTakes(WM_PASTE))
        return;
    SetFreeze(true, true);
    SendAt(overlay::kVerbPaste, WorkingRect());
}

void CVDView::OnUpdateRegionCommand(framework::CCmdUI& ui)
{
    // The clipboard is looked at again only when its contents changed: a
    // bitmap made from a DIB is costly, and states are updated when idle.
    const DWORD sequence = GetClipboardSequenceNumber();
    if (sequence != clipboardSequence_ || sequence == 0) {
        clipboardSequence_ = sequence;
        pasteAvailable_ = PasteAvailable(ClipboardContents(hwnd_));
    }
    ViewState s = State();
    s.pasteAvailable = pasteAvailable_;
    ui.Enable(ViewCommandState(ui.Id(), s).enabled);
}

void CVDView::OnAddText()
{
    ClearSelection();
    texts_.AddText();
}

void CVDView::OnEditText() { texts_.EditCurrent(); }
void CVDView::OnDeleteText() { texts_.DeleteCurrent(); }
void CVDView::OnTextFont() { texts_.PickFont(); }
