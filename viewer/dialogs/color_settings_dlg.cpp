#include "color_settings_dlg.h"

#include "overlay_viewer.h"
#include "overlay_vocabulary.h"
#include "scroll_position.h"

using framework::Message;

bool CColorSettingsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    face_.Create();

    // A reply without the integers expected (no device, a failed question)
    // leaves a row as it was, and nothing is sent for it while it is unknown.
    ColourControlRow* rows = ColourControls();
    SendOverlayCommand(overlay::kVerbGet, overlay::kFmtDisplay);
    const bool display = ReadDisplayReply(OverlayReply(), rows);
    for (ColourControlRow* row = rows; row->bar; ++row) {
        SendOverlayCommand(overlay::kVerbGet, row->limitQuery);
        const bool limits = ReadLimitReply(OverlayReply(), *row);
        row->known = display && limits;
        HWND bar = Item(row->bar);
        SetScrollRange(bar, SB_CTL, row->minimum, row->maximum, FALSE);
        SetScrollPos(bar, SB_CTL, row->opening, FALSE);
        ShowValue(*row, row->opening);
    }
    return true;
}

ColourControlRow* CColorSettingsDlg::RowOf(HWND bar) const
{
    if (!bar)
        return nullptr;
    const int id = GetDlgCtrlID(bar);
    for (ColourControlRow* row = ColourControls(); row->bar; ++row)
        if (row->bar == id)
            return row;
    return nullptr;
}

void CColorSettingsDlg::ShowValue(const ColourControlRow& row, int value)
{
    SetDlgItemInt(hwnd_, row.valueText, static_cast<UINT>(value), FALSE);
}

LRESULT CColorSettingsDlg::OnHScroll(const Message& m)
{
    ColourControlRow* row = RowOf(m.ScrollBar());
    if (!row)
        return 0;
    HWND bar = m.ScrollBar();
    const int present = GetScrollPos(bar, SB_CTL);
    const unsigned code = m.ScrollCode();
    const int position =
        ScrolledPosition(code, present, m.ScrollPos(), ScrollRange{row->minimum, row->maximum, row->page});
    // Thumb notifications always send, also for a thumb let go where it started.
    if (position == present && code != kScrollThumbPosition && code != kScrollThumbTrack)
        return 0;
    SetScrollPos(bar, SB_CTL, position, TRUE);
    ShowValue(*row, position);
    if (row->known)
        SendOverlayCommand(overlay::kVerbSet, row->setCommand, position);
    return 0;
}

void CColorSettingsDlg::OnOK()
{
    EndDialog(IDOK);
}

void CColorSettingsDlg::OnCancel()
{
    for (const ColourControlRow* row = ColourControls(); row->bar; ++row)
        if (row->known)
            SendOverlayCommand(overlay::kVerbSet, row->setCommand, row->opening);
    EndDialog(IDCANCEL);
}

LRESULT CColorSettingsDlg::OnControlColour(const Message& m)
{
    return face_.ControlColour(m);
}
