#include "line_in_dlg.h"
#include "settings_values.h"
#include "strings.h"

#include <mmsystem.h>

using line_in::Channel;

static_assert(line_in::kLineUp == SB_LINEUP && line_in::kLineDown == SB_LINEDOWN &&
                  line_in::kPageUp == SB_PAGEUP && line_in::kPageDown == SB_PAGEDOWN &&
                  line_in::kThumbPosition == SB_THUMBPOSITION && line_in::kThumbTrack == SB_THUMBTRACK &&
                  line_in::kTop == SB_TOP && line_in::kBottom == SB_BOTTOM,
              "scroll requests are numbered as the system numbers them");

CLineInDlg::CLineInDlg(HWND parent)
    : Routed(IDD_LINE_IN, parent), lock_(ReadSwitch(kSetMixer, kSetLock, 0))
{
}

bool CLineInDlg::FindDevice()
{
    UINT count = auxGetNumDevs();
    for (UINT id = 0; id < count; ++id) {
        AUXCAPSA caps{};
        if (auxGetDevCapsA(id, &caps, sizeof caps) != MMSYSERR_NOERROR || caps.wTechnology != AUXCAPS_AUXIN)
            continue;
        device_ = id;
        if (caps.dwSupport & AUXCAPS_VOLUME) {
            support_ = caps.dwSupport;
            break;
        }
    }
    return device_ != kNoDevice;
}

bool CLineInDlg::Separate() const
{
    // A line in whose support was never read counts as having both channels.
    return support_ == kSupportNotRead || (support_ & AUXCAPS_LRVOLUME) != 0;
}

bool CLineInDlg::OnInitDialog()
{
    if (!FindDevice()) {
        framework::MessageBoxFromTable(hwnd_, IDS_NO_LINE_IN, IDS_MIXER_SETTING_ERROR, MB_OK | MB_ICONEXCLAMATION);
        EndDialog(IDCANCEL);
        return true;
    }
    CheckDlgButton(hwnd_, IDC_LINE_IN_LOCK, lock_ == 1 ? BST_CHECKED : BST_UNCHECKED);
    if (!Separate())
        EnableWindow(Item(IDC_LINE_IN_LOCK), FALSE);
    SetScrollRange(Item(IDC_LINE_IN_LEFT), SB_CTL, 0, line_in::kBarMax, FALSE);
    SetScrollRange(Item(IDC_LINE_IN_RIGHT), SB_CTL, 0, line_in::kBarMax, FALSE);
    DWORD volume = 0;
    if (auxGetVolume(device_, &volume) != MMSYSERR_NOERROR)
        volume = 0;
    saved_ = volume;
    Apply(Channel::Both, volume);
    return true;
}

void CLineInDlg::ReadControls()
{
    lock_ = IsDlgButtonChecked(hwnd_, IDC_LINE_IN_LOCK) == BST_CHECKED ? 1 : 0;
}

void CLineInDlg::Apply(Channel channel, DWORD value)
{
    ReadControls();
    line_in::VolumeRules rules;
    rules.separate = Separate();
    rules.locked = lock_ == 1;
    DWORD current = 0;
    if (line_in::NeedsCurrentVolume(channel, rules) && auxGetVolume(device_, &current) != MMSYSERR_NOERROR)
        current = saved_;
    DWORD volume = line_in::ComposeVolume(channel, value, current, rules);
    SetScrollPos(Item(IDC_LINE_IN_LEFT), SB_CTL, line_in::PositionFromVolume(LOWORD(volume)), TRUE);
    SetScrollPos(Item(IDC_LINE_IN_RIGHT), SB_CTL, line_in::PositionFromVolume(HIWORD(volume)), TRUE);
    auxSetVolume(device_, volume);
}

LRESULT CLineInDlg::OnVScroll(const framework::Message& m)
{
    HWND bar = m.ScrollBar();
    if (!bar)
        return 0;
    int position = GetScrollPos(bar, SB_CTL);
    int target = line_in::ScrollTarget(m.ScrollCode(), position, m.ScrollPos());
    if (target != position) {
        Channel channel = GetDlgCtrlID(bar) == IDC_LINE_IN_RIGHT ? Channel::Right : Channel::Left;
        Apply(channel, line_in::VolumeFromPosition(target));
    }
    return 0;
}

void CLineInDlg::OnOK()
{
    ReadControls();
    ViewerSettings().WriteNumber(kSetMixer, kSetLock, static_cast<DWORD>(lock_));
    EndDialog(IDOK);
}

void CLineInDlg::OnCancel()
{
    if (device_ != kNoDevice)
        auxSetVolume(device_, saved_);
    EndDialog(IDCANCEL);
}
