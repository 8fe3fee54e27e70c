#include "print_page.h"

bool ComputePrintPageRect(int clientW, int clientH, int pageW, PrintPageRect& out)
{
    out = PrintPageRect{};
    if (clientW <= 0 || clientH <= 0 || pageW <= 0)
        return false;
    // In floating point, then truncated: client height x page width / client width.
    const double height = static_cast<double>(clientH) * pageW / clientW;
    if (height < 1.0 || height > 2147483647.0)
        return false;
    out.width = pageW;
    out.height = static_cast<int>(height);
    return true;
}
