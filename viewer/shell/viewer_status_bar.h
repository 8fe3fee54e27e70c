// The main frame's status bar with the driver's progress indicator.  On
// Windows 4 the bar carries a progress bar (levels 0 to 10, hidden while
// idle) that the driver moves during long operations through
// "MSGIndicatorSignal"; on other versions the driver shows its own
// indicator.
#pragma once
#include "message_table.h"
#include "registered_messages.h"
#include "status_bar.h"

class CViewerStatusBar : public framework::Routed<CViewerStatusBar, framework::CStatusBar> {
public:
    static constexpr int kLevels = 10;

    // Creates the bar and registers it with the driver; `version4` chooses
    // the progress bar over the driver's own indicator.
    bool Create(HWND frame, bool version4);
    HWND Progress() const { return progress_; }

protected:
    LRESULT OnIndicatorSignal(const framework::Message& m);

    friend struct framework::TableAccess;
    static constexpr framework::MessageEntry<CViewerStatusBar> kMessages[] = {
        {&g_msgIndicatorSignal, &CViewerStatusBar::OnIndicatorSignal},
    };

private:
    HWND progress_ = nullptr;
};
