#include "interval_dlg.h"

#include "light_font.h"
#include "settings_names.h"
#include "settings_values.h"

using framework::Message;

namespace {

int ReadInterval(unsigned name)
{
    const DWORD stored = ViewerSettings().ReadNumber(kSetSettings, name, 10);
    return CheckedInterval(stored <= static_cast<DWORD>(kIntervalMax) ? static_cast<int>(stored) : 0, 10);
}

}  // namespace

CIntervalDlg::CIntervalDlg(UINT templateId, HWND parent, CTimedEffects& effects, int editId, unsigned settingName)
    : Routed(templateId, parent),
      effects_(effects),
      interval_(ReadInterval(settingName)),
      editId_(editId),
      settingName_(settingName)
{
}

CIntervalDlg::~CIntervalDlg()
{
    // Kept whether the dialog ended with OK or not.
    ViewerSettings().WriteNumber(kSetSettings, settingName_, static_cast<DWORD>(interval_));
}

bool CIntervalDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    face_.Create();
    SendMessageA(Item(editId_), EM_LIMITTEXT, 2, 0);
    edit_.Attach(Item(editId_));
    edit_.SetMode(framework::CFilterEdit::Mode::Digits);
    lightFont_ = ApplyLightFont(hwnd_, {IDC_EXPLANATION});
    return true;
}

void CIntervalDlg::DoDataExchange(framework::CDataExchange& dx)
{
    dx.Integer(editId_, interval_, kIntervalMin, kIntervalMax);
}

LRESULT CIntervalDlg::OnVScroll(const Message& m)
{
    if (m.ScrollBar() != Item(IDC_INTERVAL_ARROWS))
        return 0;
    BOOL read = FALSE;
    const UINT shown = GetDlgItemInt(hwnd_, editId_, &read, FALSE);
    const int present = read ? CheckedInterval(static_cast<int>(shown), interval_) : interval_;
    const int next = StepInterval(m.ScrollCode(), present);
    if (next != present || !read)
        SetDlgItemInt(hwnd_, editId_, static_cast<UINT>(next), FALSE);
    return 0;
}

LRESULT CIntervalDlg::OnControlColour(const Message& m)
{
    return face_.ControlColour(m);
}

void CIntervalDlg::OnStop()
{
    StopEffect();
    EndDialog(IDC_STOP);
}

// Rotate Source.

CRotateSourceDlg::CRotateSourceDlg(HWND parent, CTimedEffects& effects)
    : Routed(IDD_ROTATE_SOURCE, parent, effects, IDC_ROTATE_INTERVAL, kSetRotateInterval)
{
    inputs_.input0 = ReadSwitch(kSetSettings, kSetInput0, 1) == 1;
    inputs_.input1 = ReadSwitch(kSetSettings, kSetInput1, 0) == 1;
    inputs_.sVideo = ReadSwitch(kSetSettings, kSetSVideo, 0) == 1;
}

CRotateSourceDlg::~CRotateSourceDlg()
{
    CSettingsStore store = ViewerSettings();
    store.WriteNumber(kSetSettings, kSetInput0, inputs_.input0 ? 1 : 0);
    store.WriteNumber(kSetSettings, kSetInput1, inputs_.input1 ? 1 : 0);
    store.WriteNumber(kSetSettings, kSetSVideo, inputs_.sVideo ? 1 : 0);
}

bool CRotateSourceDlg::OnInitDialog()
{
    CIntervalDlg::OnInitDialog();
    EnableOk();
    EnableWindow(Item(IDC_STOP), effects_.Host().EffectPaneShown(TimedEffect::Rotation));
    return true;
}

void CRotateSourceDlg::DoDataExchange(framework::CDataExchange& dx)
{
    CIntervalDlg::DoDataExchange(dx);
    int checks[3] = {inputs_.input0, inputs_.input1, inputs_.sVideo};
    dx.Check(IDC_ROTATE_INPUT0, checks[0]);
    dx.Check(IDC_ROTATE_INPUT1, checks[1]);
    dx.Check(IDC_ROTATE_SVIDEO, checks[2]);
    inputs_.input0 = checks[0] == 1;
    inputs_.input1 = checks[1] == 1;
    inputs_.sVideo = checks[2] == 1;
}

void CRotateSourceDlg::EnableOk()
{
    RotationInputs shown;
    shown.input0 = IsDlgButtonChecked(hwnd_, IDC_ROTATE_INPUT0) == BST_CHECKED;
    shown.input1 = IsDlgButtonChecked(hwnd_, IDC_ROTATE_INPUT1) == BST_CHECKED;
    shown.sVideo = IsDlgButtonChecked(hwnd_, IDC_ROTATE_SVIDEO) == BST_CHECKED;
    EnableWindow(Item(IDOK), shown.Count() > 1);
}

void CRotateSourceDlg::OnInputClicked(UINT)
{
    EnableOk();
}

void CRotateSourceDlg::OnOK()
{
    const int previous = interval_;
    if (!UpdateData(true))
        return;
    interval_ = CheckedInterval(interval_, previous);
    if (inputs_.Count() < 2)
        return;
    effects_.StartRotation(inputs_, interval_);
    EndDialog(IDOK);
}

void CRotateSourceDlg::StopEffect()
{
    effects_.StopRotation();
}

// Strobe.

CStrobeDlg::CStrobeDlg(HWND parent, CTimedEffects& effects)
    : Routed(IDD_STROBE, parent, effects, IDC_STROBE_INTERVAL, kSetStrobeInterval)
{
}

bool CStrobeDlg::OnInitDialog()
{
    CIntervalDlg::OnInitDialog();
    EnableWindow(Item(IDC_STOP), effects_.Host().EffectPaneShown(TimedEffect::Strobe));
    return true;
}

void CStrobeDlg::OnOK()
{
    const int previous = interval_;
    if (!UpdateData(true))
        return;
    interval_ = CheckedInterval(interval_, previous);
    effects_.StartStrobe(interval_);
    EndDialog(IDOK);
}

void CStrobeDlg::StopEffect()
{
    effects_.StopStrobe();
}
