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

CSetupApp::CSetupApp()
{
    HANDLE semaphore = CreateSemaphoreA(nullptr, 0, 1, kSetupClassName);
    if (semaphore && GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(semaphore);
        anotherInstance_ = true;
    } else {
        semaphore_.reset(semaphore);
    }
    if (HWND first = FindWindowA(kSetupClassName, nullptr)) {
        if (IsIconic(first))
            ShowWindow(first, SW_RESTORE);
        HWND popup = GetLastActivePopup(first);
        SetForegroundWindow(popup ? popup : first);
        anotherInstance_ = true;
    }
}

bool CSetupApp::InitInstance()
{
    if (anotherInstance_)
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
    semaphore_.reset();
    return CWinApp::ExitInstance();
}
