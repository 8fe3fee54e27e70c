// The state of one command as a menu item or a tool bar button shows it.
// Updaters set what they know; the routing fills in "enabled" when nobody did.
#pragma once
#include <windows.h>

namespace framework {

class CCmdUI {
public:
    static CCmdUI ForMenuItem(HMENU menu, UINT index, UINT id);
    static CCmdUI ForToolBarButton(HWND toolBar, UINT id);
    // Shows nothing; only records what the updaters decide.
    static CCmdUI Probe(UINT id) { return CCmdUI(nullptr, 0, nullptr, id); }

    UINT Id() const { return id_; }
    void Enable(bool on = true);
    void SetCheck(int state = 1);    // 0 clear, 1 checked (2 = indeterminate, shown as checked)
    void SetRadio(bool on = true);   // a radio mark (a bullet in a menu, pressed on a tool bar)
    void SetText(const char* text);  // menu items only; tool bar buttons have no text

    bool EnableWasSet() const { return enableSet_; }
    bool Enabled() const { return enabled_; }

private:
    CCmdUI(HMENU menu, UINT index, HWND toolBar, UINT id) : menu_(menu), index_(index), toolBar_(toolBar), id_(id) {}
    void SetMenuMark(bool on, bool radio);

    HMENU menu_;
    UINT index_;
    HWND toolBar_;
    UINT id_;
    bool enableSet_ = false;
    bool enabled_ = true;
};

}  // namespace framework
