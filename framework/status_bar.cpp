#include "status_bar.h"
#include "handles.h"
#include <commctrl.h>
#include <algorithm>
#include <cstring>

namespace framework {

bool CStatusBar::Create(HWND frame, UINT id)
{
    HWND bar = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0, frame,
                               reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), GetModuleHandleA(nullptr),
                               nullptr);
    return bar && Subclass(bar);
}

bool CStatusBar::SetPaneCount(int count)
{
    if (count < 1 || count > 255)
        return false;
    widths_.assign(static_cast<size_t>(count), 0);
    Layout();
    return true;
}

int CStatusBar::TextWidth(const char* text) const
{
    WindowDc dc(hwnd_);
    HFONT font = reinterpret_cast<HFONT>(Send(WM_GETFONT));
    SelectedObject selected(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
    SIZE extent{};
    GetTextExtentPoint32A(dc, text, static_cast<int>(strlen(text)), &extent);
    int borders[3] = {};
    Send(SB_GETBORDERS, 0, reinterpret_cast<LPARAM>(borders));
    return extent.cx + 2 * borders[0] + 2 * borders[2] + 4;
}

void CStatusBar::SetPaneWidth(int pane, int width)
{
    if (pane <= 0 || pane >= PaneCount())
        return;
    widths_[static_cast<size_t>(pane)] = width;
    Layout();
}

void CStatusBar::Layout()
{
    if (!hwnd_ || widths_.empty())
        return;
    RECT client = ClientRect();
    int grip = GetSystemMetrics(SM_CXVSCROLL);
    int others = 0;
    for (size_t i = 1; i < widths_.size(); ++i)
        others += widths_[i];
    std::vector<int> edges(widths_.size());
    int right = std::max<int>(0, client.right - grip - others);
    edges[0] = right;
    for (size_t i = 1; i < widths_.size(); ++i) {
        right += widths_[i];
        edges[i] = right;
    }
    edges.back() = -1;  // the last pane reaches the grip
    Send(SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
}

bool CStatusBar::SetPaneText(int pane, const char* text)
{
    if (pane < 0 || pane >= PaneCount())
        return false;
    return Send(SB_SETTEXTA, static_cast<WPARAM>(pane), reinterpret_cast<LPARAM>(text)) != 0;
}

std::string CStatusBar::PaneText(int pane) const
{
    if (pane < 0 || pane >= PaneCount())
        return {};
    size_t length = LOWORD(Send(SB_GETTEXTLENGTHA, static_cast<WPARAM>(pane)));
    std::string text(length + 1, '\0');
    Send(SB_GETTEXTA, static_cast<WPARAM>(pane), reinterpret_cast<LPARAM>(text.data()));
    text.resize(length);
    return text;
}

int CStatusBar::Height() const
{
    RECT r = WindowRect();
    return r.bottom - r.top;
}

}  // namespace framework
