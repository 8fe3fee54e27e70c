// "Line In" (template 115): the left and right volume of the sound card's
// line input, through the auxiliary audio devices.  Each bar is one channel
// (the top is full volume); "&Lock" moves both together.  OK keeps the
// volume and stores the lock; Cancel puts back the volume the device had
// when the dialog opened.  Without a line-in device the dialog says so and
// closes at once.
#pragma once
#include "dialog.h"
#include "line_in_volume.h"
#include "resource.h"

class CLineInDlg : public framework::Routed<CLineInDlg, framework::CDialog> {
public:
    static constexpr UINT kNoDevice = 999;
    static constexpr DWORD kSupportNotRead = 999;

    explicit CLineInDlg(HWND parent = nullptr);

    UINT Device() const { return device_; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    LRESULT OnVScroll(const framework::Message& m);

    friend struct framework::TableAccess;
    static constexpr framework::MessageEntry<CLineInDlg> kMessages[] = {
        {WM_VSCROLL, &CLineInDlg::OnVScroll},
    };

private:
    // Finds the line-in device; false when there is none.
    bool FindDevice();
    bool Separate() const;
    void ReadControls();
    void Apply(line_in::Channel channel, DWORD value);

    UINT device_ = kNoDevice;
    DWORD support_ = kSupportNotRead;
    DWORD saved_ = 0;
    int lock_;
};
