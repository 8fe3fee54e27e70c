#include "clipboard_options_dlg.h"
#include "clipboard_type.h"
#include "settings_values.h"
#include "strings.h"

CClipboardOptionsDlg::CClipboardOptionsDlg(HWND parent)
    : Routed(IDD_CLIPBOARD_OPTIONS, parent),
      colour_(ReadChoice(kSetClipboard, kSetColor, 0, kClipboardColours)),
      format_(ReadChoice(kSetClipboard, kSetFormat, 0, kClipboardFormats))
{
}

std::string CClipboardOptionsDlg::GetClipboardType() const
{
    std::string type;
    for (unsigned entry : ClipboardTypeEntries(static_cast<unsigned>(colour_), static_cast<unsigned>(format_)))
        type += framework::LoadText(entry);
    return type;
}

void CClipboardOptionsDlg::DoDataExchange(framework::CDataExchange& dx)
{
    int colour = colour_, format = format_;
    dx.Radio(IDC_CLIP_24BIT, kClipboardColours, colour);
    dx.Radio(IDC_CLIP_DIB, kClipboardFormats, format);
    // A group left without a choice keeps the value it had.
    if (colour >= 0)
        colour_ = colour;
    if (format >= 0)
        format_ = format;
}

void CClipboardOptionsDlg::OnOK()
{
    if (!UpdateData(true))
        return;
    CSettingsStore store = ViewerSettings();
    store.WriteNumber(kSetClipboard, kSetColor, static_cast<DWORD>(colour_));
    store.WriteNumber(kSetClipboard, kSetFormat, static_cast<DWORD>(format_));
    EndDialog(IDOK);
}
