#include "preferences_dlg.h"
#include "frame_wnd.h"
#include "settings_values.h"
#include "win_app.h"

CPreferencesDlg::CPreferencesDlg(HWND parent)
    : Routed(IDD_PREFERENCES, parent),
      aspectRatio_(ReadSwitch(kSetPreferences, kSetAspectRatio, 1)),
      alwaysOnTop_(ReadSwitch(kSetPreferences, kSetAlwaysOnTop, 0)),
      unfreeze_(ReadSwitch(kSetPreferences, kSetUnfreeze, 1)),
      resizeWindow_(ReadSwitch(kSetPreferences, kSetResizeWindow, 1)),
      centerWindow_(ReadSwitch(kSetPreferences, kSetCenterWindow, 1))
{
}

FramePreferences CPreferencesDlg::Frame() const
{
    FramePreferences p;
    p.aspectRatio = aspectRatio_ == 1;
    p.resizeWindow = resizeWindow_ == 1;
    p.centerWindow = centerWindow_ == 1;
    p.unfreeze = unfreeze_ == 1;
    return p;
}

void CPreferencesDlg::DoDataExchange(framework::CDataExchange& dx)
{
    dx.Check(IDC_PREF_ASPECT_RATIO, aspectRatio_);
    dx.Check(IDC_PREF_ALWAYS_ON_TOP, alwaysOnTop_);
    dx.Check(IDC_PREF_UNFREEZE, unfreeze_);
    dx.Check(IDC_PREF_RESIZE_WINDOW, resizeWindow_);
    dx.Check(IDC_PREF_CENTER_WINDOW, centerWindow_);
}

bool CPreferencesDlg::OnInitDialog()
{
    UpdateData(false);
    EnableCenterWindow();
    return true;
}

void CPreferencesDlg::EnableCenterWindow()
{
    EnableWindow(Item(IDC_PREF_CENTER_WINDOW), resizeWindow_ == 1);
}

void CPreferencesDlg::OnResizeWindowClicked()
{
    UpdateData(true);
    EnableCenterWindow();
}

void CPreferencesDlg::ApplyToMainWindow() const
{
    framework::CWinApp* app = framework::CWinApp::Current();
    framework::CFrameWnd* frame = app ? app->MainFrame() : nullptr;
    if (!frame)
        return;
    if (HWND window = frame->Handle())
        SetWindowPos(window, AlwaysOnTop() ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (auto* target = dynamic_cast<IPreferencesFrame*>(frame))
        target->SetFramePreferences(Frame());
}

void CPreferencesDlg::OnOK()
{
    if (!UpdateData(true))
        return;
    CSettingsStore store = ViewerSettings();
    store.WriteNumber(kSetPreferences, kSetAspectRatio, static_cast<DWORD>(aspectRatio_));
    store.WriteNumber(kSetPreferences, kSetAlwaysOnTop, static_cast<DWORD>(alwaysOnTop_));
    store.WriteNumber(kSetPreferences, kSetResizeWindow, static_cast<DWORD>(resizeWindow_));
    store.WriteNumber(kSetPreferences, kSetCenterWindow, static_cast<DWORD>(centerWindow_));
    store.WriteNumber(kSetPreferences, kSetUnfreeze, static_cast<DWORD>(unfreeze_));
    ApplyToMainWindow();
    EndDialog(IDOK);
}
