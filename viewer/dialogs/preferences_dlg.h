// "Preferences" (template 107): five switches of the main window's
// behaviour, read from the settings store when the object is built and
// stored on OK, which also applies "Always on top" to the main window and
// gives the main frame its new copy of the other values.
#pragma once
#include "dialog.h"
#include "frame_preferences.h"
#include "resource.h"

class CPreferencesDlg : public framework::Routed<CPreferencesDlg, framework::CDialog> {
public:
    explicit CPreferencesDlg(HWND parent = nullptr);

    // The main frame's copy of the values.
    FramePreferences Frame() const;
    bool AlwaysOnTop() const { return alwaysOnTop_ == 1; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(framework::CDataExchange& dx) override;
    void OnResizeWindowClicked();

    friend struct framework::TableAccess;
    static constexpr framework::CommandEntry<CPreferencesDlg> kCommands[] = {
        {IDC_PREF_RESIZE_WINDOW, BN_CLICKED, &CPreferencesDlg::OnResizeWindowClicked},
    };

private:
    // "C&enter window on screen" is offered only while resizing is on.
    void EnableCenterWindow();
    void ApplyToMainWindow() const;

    int aspectRatio_;
    int alwaysOnTop_;
    int unfreeze_;
    int resizeWindow_;
    int centerWindow_;
};
