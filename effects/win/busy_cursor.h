// The hourglass while the library works: nested begins count, the first
// shows it, the last end restores the cursor that was there before.
#pragma once
#include <windows.h>

namespace htfx {

void BeginBusyCursor();
void EndBusyCursor();
int BusyCursorDepth();

class CBusyCursor {
public:
    CBusyCursor() { BeginBusyCursor(); }
    ~CBusyCursor() { EndBusyCursor(); }
    CBusyCursor(const CBusyCursor&) = delete;
    CBusyCursor& operator=(const CBusyCursor&) = delete;
};

}  // namespace htfx
