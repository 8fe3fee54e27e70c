// Anything that can take commands: windows, documents, the application.
// The lookups here search only the object's own tables (and its base
// classes' tables); walking from one object to the next is the frame's
// routing routine (CFrameWnd::RouteCommand).
#pragma once
#include "cmd_ui.h"
#include "message.h"

namespace framework {

class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;

    // Runs the handler of a window message.  False: no handler.
    virtual bool HandleMessage(const Message& m, LRESULT& result) { return false; }

    // Runs the handler of a command (notify code 0 for menus and tool bars,
    // 1 for accelerators, or a control's notification).  False: no handler.
    virtual bool HandleCommand(UINT id, UINT code) { return false; }
    // True when this object has a handler for the command.
    virtual bool HasCommand(UINT id) const { return false; }
    // Runs the state updater of a command.  False: no updater.
    virtual bool HandleUpdate(CCmdUI& ui) { return false; }
};

}  // namespace framework
