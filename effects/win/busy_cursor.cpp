#include "busy_cursor.h"

namespace htfx {

namespace {
int g_depth = 0;
HCURSOR g_saved = nullptr;
}  // namespace

void BeginBusyCursor()
{
    if (g_depth++ == 0) {
        g_saved = SetCursor(LoadCursor(nullptr, IDC_WAIT));
        ShowCursor(TRUE);
    }
}

void EndBusyCursor()
{
    if (g_depth == 0)
        return;
    if (--g_depth == 0) {
        SetCursor(g_saved);
        ShowCursor(FALSE);
        g_saved = nullptr;
    }
}

int BusyCursorDepth()
{
    return g_depth;
}

}  // namespace htfx
