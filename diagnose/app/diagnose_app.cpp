#include "diagnose_app.h"
#include "command_line.h"
#include "diagnose_dlg.h"
#include "help.h"
#include "resource.h"
#include "strings.h"

bool RegisterDiagnoseClass(HINSTANCE instance)
{
    WNDCLASSA cls{};
    cls.style = CS_DBLCLKS;
    cls.lpfnWndProc = DefDlgProcA;
    cls.cbWndExtra = DLGWINDOWEXTRA;
    cls.hInstance = instance;
    cls.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_DIAGNOSE));
    cls.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    cls.lpszClassName = kDiagnoseClassName;
    return RegisterClassA(&cls) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

bool CDiagnoseApp::InitInstance()
{
    unsigned long context = 0;
    if (diag::FindHelpRequest(diag::ArgumentsOf(GetCommandLineA()), context)) {
        framework::ShowNamedHelpContext(GetActiveWindow(), framework::LoadText(IDS_README_HELP), context);
        return false;
    }
    if (instance_.AnotherInstance())
        return false;
    RegisterDiagnoseClass(Instance());
    CDiagnoseDlg dialog;
    if (!dialog.Constructed()) {
        exitCode_ = 1;
        return false;
    }
    dialog.DoModal();
    return false;
}
