// What the Rotate Source and Strobe dialogs share: the interval edit in
// tenths of a second (digits only, at most two), its arrow bar, the
// interval kept in the "Settings" section (read when the dialog object is
// made, written back when it goes), the Stop button, the light explanation
// text and the button-face colours.
#pragma once
#include "button_face.h"
#include "dialog.h"
#include "filter_edit.h"
#include "handles.h"
#include "resource.h"
#include "timed_effects.h"

class CIntervalDlg : public framework::Routed<CIntervalDlg, framework::CDialog> {
public:
    ~CIntervalDlg() override;
    int Interval() const { return interval_; }

protected:
    CIntervalDlg(UINT templateId, HWND parent, CTimedEffects& effects, int editId, unsigned settingName);

    bool OnInitDialog() override;
    void DoDataExchange(framework::CDataExchange& dx) override;
    // Stop: the effect ends and the dialog closes.
    virtual void StopEffect() = 0;

    LRESULT OnVScroll(const framework::Message& m);
    LRESULT OnControlColour(const framework::Message& m);
    void OnStop();

    friend struct framework::TableAccess;
    static constexpr framework::MessageEntry<CIntervalDlg> kMessages[] = {
        {WM_VSCROLL, &CIntervalDlg::OnVScroll},
        {WM_CTLCOLORDLG, &CIntervalDlg::OnControlColour},
        {WM_CTLCOLORSTATIC, &CIntervalDlg::OnControlColour},
        {WM_CTLCOLORBTN, &CIntervalDlg::OnControlColour},
    };
    static constexpr framework::CommandEntry<CIntervalDlg> kCommands[] = {
        {IDC_STOP, BN_CLICKED, &CIntervalDlg::OnStop},
    };

    CTimedEffects& effects_;
    int interval_;

private:
    int editId_;
    unsigned settingName_;
    framework::CFilterEdit edit_;
    framework::GdiFont lightFont_;
    framework::CButtonFace face_;
};

// "Rotate Source" (template 103): the inputs that take part, more than one
// of them, and the interval.
class CRotateSourceDlg : public framework::Routed<CRotateSourceDlg, CIntervalDlg> {
public:
    CRotateSourceDlg(HWND parent, CTimedEffects& effects);
    ~CRotateSourceDlg() override;
    const RotationInputs& Inputs() const { return inputs_; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(framework::CDataExchange& dx) override;
    void StopEffect() override;
    void OnInputClicked(UINT id);

    friend struct framework::TableAccess;
    static constexpr framework::CommandEntry<CRotateSourceDlg> kCommands[] = {
        {framework::IdRange{IDC_ROTATE_INPUT0, IDC_ROTATE_SVIDEO}, &CRotateSourceDlg::OnInputClicked},
    };

private:
    void EnableOk();
    RotationInputs inputs_;
};

// "Strobe" (template 106): the interval.
class CStrobeDlg : public framework::Routed<CStrobeDlg, CIntervalDlg> {
public:
    CStrobeDlg(HWND parent, CTimedEffects& effects);

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void StopEffect() override;
};
