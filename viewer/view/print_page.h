// Where the picture goes on the printed page: across the page's full width
// from its top-left corner, as high as the view's client area in the same
// proportions.  Windows-free, so that the rule is tested natively.
#pragma once

struct PrintPageRect {
    int left = 0, top = 0, width = 0, height = 0;
};

// False (nothing to print) when the client area or the page has no width or
// no height.
bool ComputePrintPageRect(int clientW, int clientH, int pageW, PrintPageRect& out);
