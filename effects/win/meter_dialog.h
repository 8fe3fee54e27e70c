// The modeless "METERDLG" box with its meter, shown while rows are processed.
#pragma once
#include "dialog_window.h"
#include "meter_control.h"
#include "message_table.h"

namespace htfx {

class CMeterDialog : public framework::Routed<CMeterDialog, CDialogWindow> {
public:
    // Opens over `owner` with the range set; false if it cannot be shown
    // (the work goes on without it).
    bool Open(HWND owner, int range);
    void SetPosition(int position);
    void Close();
    ~CMeterDialog() override { Close(); }

protected:
    LRESULT OnInitDialog(const framework::Message& m);
    // Range and position sent to the box go on to its meter.
    LRESULT OnMeterValue(const framework::Message& m);
    void Ignore() {}

public:
    static constexpr framework::MessageEntry<CMeterDialog> kMessages[] = {
        {WM_INITDIALOG, &CMeterDialog::OnInitDialog},
        {kMeterSetRange, &CMeterDialog::OnMeterValue},
        {kMeterSetPosition, &CMeterDialog::OnMeterValue},
    };
    static constexpr framework::CommandEntry<CMeterDialog> kCommands[] = {
        {IDCANCEL, &CMeterDialog::Ignore},  // the work cannot be stopped from here
    };

private:
    HWND Meter() const;
    int range_ = 0;
};

}  // namespace htfx
