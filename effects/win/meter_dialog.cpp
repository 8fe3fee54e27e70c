#include "meter_dialog.h"

#include "module.h"
#include "resource.h"
#include "strings.h"

namespace htfx {

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
    SendMeter(hwnd_, kMeterSetPosition, position);
    UpdateWindow(Meter());
}

void CMeterDialog::Close()
{
    if (hwnd_)
        DestroyWindow(hwnd_);
    hwnd_ = nullptr;
}

HWND CMeterDialog::Meter() const
{
    return GetDlgItem(hwnd_, IDC_METER);
}

LRESULT CMeterDialog::OnMeterValue(const framework::Message& m)
{
    SendMeter(Meter(), m.id, MeterValue(m));
    return TRUE;
}

LRESULT CMeterDialog::OnInitDialog(const framework::Message&)
{
    SetWindowTextA(hwnd_, framework::LoadText(IDS_METER_CAPTION, ModuleInstance()).c_str());
    if (range_ != 0)
        SendMeter(Meter(), kMeterSetRange, range_);
    return TRUE;
}

}  // namespace htfx
