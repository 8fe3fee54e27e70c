// The diagnostic tool's one application object.
#include "diagnose_app.h"

CDiagnoseApp theApp;
