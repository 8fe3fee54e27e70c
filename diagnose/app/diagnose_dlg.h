// CDiagnoseDlg (template 300): the diagnostic tool's one dialog.  When it
// opens it assesses the card (registry device tree and device query driver)
// and shows its resources; "&Test" runs the five hardware tests through the
// bridge library; "Trouble&shooter..." opens the system's hardware-conflict
// troubleshooter.
#pragma once
#include "assessment.h"
#include "bitmap_button.h"
#include "device_query.h"
#include "dialog.h"
#include "resource.h"
#include "test_run.h"
#include <string>

class CDiagnoseDlg : public framework::Routed<CDiagnoseDlg, framework::CDialog> {
public:
    explicit CDiagnoseDlg(HWND parent = nullptr);

    // False when the picture's bitmap could not be loaded: the dialog cannot be made.
    bool Constructed() const { return constructed_; }

    // The texts shown (after the controls were last updated).
    const std::string& StatusText() const { return status_; }

    // The test run as the "&Test" button starts it.
    void RunTests();

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    // Help of the dialog's own does nothing: F1 and help requests open no help.
    void OnHelp() override {}
    void DoDataExchange(framework::CDataExchange& dx) override;

    LRESULT OnSysCommand(const framework::Message& m);
    LRESULT OnPaint(const framework::Message& m);
    LRESULT OnQueryDragIcon(const framework::Message& m);
    LRESULT OnDrawItem(const framework::Message& m);
    LRESULT OnHelpMessage(const framework::Message& m);
    LRESULT OnDestroy(const framework::Message& m);
    void OnTroubleshooter();

    friend struct framework::TableAccess;
    static constexpr framework::MessageEntry<CDiagnoseDlg> kMessages[] = {
        {WM_SYSCOMMAND, &CDiagnoseDlg::OnSysCommand},
        {WM_PAINT, &CDiagnoseDlg::OnPaint},
        {WM_QUERYDRAGICON, &CDiagnoseDlg::OnQueryDragIcon},
        {WM_DRAWITEM, &CDiagnoseDlg::OnDrawItem},
        {WM_HELP, &CDiagnoseDlg::OnHelpMessage},
        {WM_DESTROY, &CDiagnoseDlg::OnDestroy},
    };
    static constexpr framework::CommandEntry<CDiagnoseDlg> kCommands[] = {
        {IDC_TROUBLESHOOTER, BN_CLICKED, &CDiagnoseDlg::OnTroubleshooter},
    };

private:
    void AppendSystemMenu();
    void ShowAssessment(const diag::Assessment& a);
    void UpdateControls() { UpdateData(false); }
    void PromptInstall();

    HICON icon_ = nullptr;
    CUIBitmapButton picture_;
    CDeviceQuery device_;
    diag::ConfigRecord record_;
    std::string ioText_, irqText_, memoryText_, status_;
    bool constructed_ = false;
};
