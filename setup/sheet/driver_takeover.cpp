#include "driver_takeover.h"

#include "device_walk.h"
#include "main_sheet.h"
#include "resource.h"
#include "strings.h"

#include <string>

const char* DriverFileSuffix()
{
    return OverlayWindowsMajorVersion() == 4 ? ".drv" : "32.dll";
}

bool TakeOverDriver(bool& startedByViewer)
{
    startedByViewer = false;
    const std::string file = framework::LoadText(IDS_DRIVER_NAME) + DriverFileSuffix();
    OFSTRUCT of{};
    if (OpenFile(file.c_str(), &of, OF_EXIST) == HFILE_ERROR)
        return true;  // not found: the open decides
    HFILE held = OpenFile(file.c_str(), &of, OF_READ | OF_SHARE_EXCLUSIVE);
    if (held != HFILE_ERROR) {
        _lclose(held);
        return true;  // nobody holds the driver
    }
    HWND viewer = FindWindowA(framework::LoadText(IDS_VIEWER_CLASS).c_str(), nullptr);
    if (!viewer) {
        framework::MessageBoxFromTable(GetActiveWindow(), IDS_DRIVER_IN_USE, IDS_OPEN_ERROR, MB_OK | MB_ICONHAND);
        return false;
    }
    std::string marker;
    if (!framework::TryLoadText(IDS_VIEWER_MARKER, marker) || marker.empty())
        return true;
    const char* commandLine = GetCommandLineA();
    startedByViewer = commandLine && std::string(commandLine).find(marker) != std::string::npos;
    // Synchronous: the viewer has closed the device and ended when this
    // returns.
    SendMessageA(viewer, g_msgVideoDeckSetup, 0, 0);
    return true;
}
