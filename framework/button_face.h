// The colours of a dialog drawn on the system's button face: its own
// background and its controls' (WM_CTLCOLOR...) get a brush of the button
// face colour, and text is drawn transparently in the button text colour.
#pragma once
#include "handles.h"
#include "message.h"

namespace framework {

class CButtonFace {
public:
    // Made when the dialog opens (the colour in force then).
    void Create() { brush_.reset(CreateSolidBrush(GetSysColor(COLOR_BTNFACE))); }
    // The answer to a WM_CTLCOLOR... message.
    LRESULT ControlColour(const Message& m) const
    {
        SetBkMode(m.Dc(), TRANSPARENT);
        SetTextColor(m.Dc(), GetSysColor(COLOR_BTNTEXT));
        return reinterpret_cast<LRESULT>(brush_.get());
    }

private:
    GdiBrush brush_;
};

}  // namespace framework
