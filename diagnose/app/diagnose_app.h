// The diagnostic tool's application object: the single-instance test when it
// is made, then the help-only command line, then the one dialog.
#pragma once
#include "diagnose_class.h"
#include "single_instance.h"
#include "win_app.h"

class CDiagnoseApp : public framework::CWinApp {
public:
    CDiagnoseApp() = default;

protected:
    bool InitInstance() override;

private:
    framework::CSingleInstance instance_{kDiagnoseClassName};
};

// Registers the dialog's window class "KX310DiagnoseClass" (icon 100, arrow
// cursor, button-face background), by which a second start finds it.
bool RegisterDiagnoseClass(HINSTANCE instance);
