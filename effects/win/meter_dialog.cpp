#include "meter_dialog.h"

#include "meter_control.h"
#include "module.h"
#include "resource.h"

namespace htfx {

const MessageEntry<CMeterDialog> CMeterDialog::kMessages[] = {
    {WM_INITDIALOG, &CMeterDialog::OnInitDialog},
};

const CommandEntry<CMeterDialog> CMeterDialog::kCommands[] = {
    {IDCANCEL, &CMeterDialog::Ignore},  // the work cannot be stopped from here
};

bool CMeterDialog::Open(HWND owner, int range)
{
    range_ = range;
    if (!CreateModeless(IDD_METERDLG, owner))
        return false;
    UpdateWindow(hwnd_);
    return true;
}

void CMeterDialog::SetPosition(int position)
{
    if (!hwnd_)
        return;
    SendMessageA(hwnd_, kMeterSetPosition, WPARAM(position), 0);
    UpdateWindow(GetDlgItem(hwnd_, IDC_METER));
}

void CMeterDialog::Close()
{
    if (hwnd_)
        DestroyWindow(hwnd_);
    hwnd_ = nullptr;
}

bool CMeterDialog::OnMessage(UINT message, WPARAM wparam, LPARAM lparam, INT_PTR* result)
{
    // Range and position go on to the meter.
    if (message == kMeterSetRange || message == kMeterSetPosition) {
        SendDlgItemMessageA(hwnd_, IDC_METER, message, wparam, lparam);
        *result = TRUE;
        return true;
    }
    return RouteMessage(this, kMessages, kCommands, message, wparam, lparam, result);
}

INT_PTR CMeterDialog::OnInitDialog(WPARAM, LPARAM)
{
    SetWindowTextA(hwnd_, LoadText(IDS_METER_CAPTION).c_str());
    if (range_ != 0)
        SendDlgItemMessageA(hwnd_, IDC_METER, kMeterSetRange, WPARAM(LOWORD(range_)), 0);
    return TRUE;
}

}  // namespace htfx
