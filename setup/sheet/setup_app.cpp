#include "setup_app.h"

#include "device_walk.h"
#include "driver_takeover.h"
#include "main_sheet.h"
#include "resource.h"
#include "setup_link.h"
#include "sheet_window_class.h"
#include "strings.h"

namespace {

constexpr OverlayOpenEntries kSetupOpenEntries = {IDS_DRIVER_NAME, IDS_OPEN_ERROR, IDS_COULD_NOT_INITIALIZE, 256};

}  // namespace

CSetupApp::CSetupApp() : instance_(kSetupClassName) {}

bool CSetupApp::InitInstance()
{
    if (instance_.AnotherInstance())
        return false;
    if (!TakeOverDriver(startedByViewer_))
        return false;
    if (!OpenOverlayDeviceFor(SetupOverlayLink(), kSetupOpenEntries, nullptr))
        return false;
    int reopen = IDNO;
    {
        CMainSht sheet(startedByViewer_);
        sheet.DoModal();
        reopen = sheet.ReopenAnswer();
    }
    if (reopen == IDYES)
        ReopenViewer();
    return false;  // the sheet was the program: no message loop follows
}

void CSetupApp::ReopenViewer()
{
    std::string program, marker;
    if (!framework::TryLoadText(IDS_VIEWER_PROGRAM, program) || !framework::TryLoadText(IDS_VIEWER_MARKER, marker))
        return;
    // The viewer opens the device itself.
    CloseOverlayDevice();
    const std::string command = program + " " + marker;
    WinExec(command.c_str(), SW_SHOWNORMAL);
}

int CSetupApp::ExitInstance()
{
    CloseOverlayDevice();
    instance_.Release();
    return CWinApp::ExitInstance();
}
