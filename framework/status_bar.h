// A status bar of panes over comctl32's status window.  Pane 0 is the
// message pane and takes the width the others leave; the others have fixed
// widths (0 hides a pane), usually measured from a sample text.
#pragma once
#include "message_table.h"
#include "wnd.h"
#include <string>
#include <vector>

namespace framework {

constexpr UINT kStatusBarId = 0xE801;

class CStatusBar : public Routed<CStatusBar, CWnd> {
public:
    bool Create(HWND frame, UINT id = kStatusBarId);
    bool SetPaneCount(int count);
    int PaneCount() const { return static_cast<int>(widths_.size()); }
    // Width in pixels that a text needs in a pane, borders included.
    int TextWidth(const char* text) const;
    void SetPaneWidth(int pane, int width);
    int PaneWidth(int pane) const { return widths_.at(static_cast<size_t>(pane)); }
    bool SetPaneText(int pane, const char* text);
    std::string PaneText(int pane) const;
    // Recomputes the pane edges for the bar's current width.
    void Layout();
    int Height() const;

private:
    std::vector<int> widths_;
};

}  // namespace framework
