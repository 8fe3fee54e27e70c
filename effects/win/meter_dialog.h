// The modeless "METERDLG" box with its meter, shown while rows are processed.
#pragma once
#include "dialog_window.h"

namespace htfx {

class CMeterDialog : public CDialogWindow {
public:
    // Opens over `owner` with the range set; false if it cannot be shown
    // (the work goes on without it).
    bool Open(HWND owner, int range);
    void SetPosition(int position);
    void Close();
    ~CMeterDialog() override { Close(); }

protected:
    bool OnMessage(UINT message, WPARAM wparam, LPARAM lparam, INT_PTR* result) override;

private:
    INT_PTR OnInitDialog(WPARAM, LPARAM);
    int range_ = 0;
    static const MessageEntry<CMeterDialog> kMessages[];
    static const CommandEntry<CMeterDialog> kCommands[];
    void Ignore() {}
};

}  // namespace htfx
