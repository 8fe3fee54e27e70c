// A program linked against the bridge library: it ends with the code of
// OvlGetInitStatus, or never runs when the library cannot be loaded.
#include "ovl_exports.h"

int main() { return static_cast<int>(OvlGetInitStatus()); }
