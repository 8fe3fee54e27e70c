// The setup tool's one application object; its construction makes the
// single-instance test.
#include "setup_app.h"

CSetupApp theApp;
