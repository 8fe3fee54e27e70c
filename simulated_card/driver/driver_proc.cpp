// The driver's entry point for winmm.  winmm opens the driver twice per
// device open: first without parameters (answered with a token), then with
// the MCI open parameters, where the driver hands winmm its command table
// and becomes one device.  The value returned there identifies the device
// in every later message.
#include <windows.h>
#include <mmsystem.h>
#include <mmddk.h>

#include "device.h"

// winmm exports these but the mingw-w64 headers do not declare them.
extern "C" {
UINT WINAPI mciLoadCommandResource(HINSTANCE instance, LPCWSTR name, UINT type);
BOOL WINAPI mciFreeCommandResource(UINT table);
}

namespace {

HINSTANCE g_module = nullptr;
constexpr DWORD_PTR kNoDevice = 1;   // the token of the first, parameterless open

struct OpenedDevice {
    kxmci::Device device;
    UINT table;
    explicit OpenedDevice(HINSTANCE module) : device(module), table(MCI_NO_COMMAND_TABLE) {}
};

OpenedDevice* AsDevice(DWORD_PTR id)
{
    return id == 0 || id == kNoDevice ? nullptr : reinterpret_cast<OpenedDevice*>(id);
}

LRESULT OpenDriver(LPARAM params)
{
    auto* open = reinterpret_cast<MCI_OPEN_DRIVER_PARMS*>(params);
    if (!open)
        return kNoDevice;
    auto* opened = new (std::nothrow) OpenedDevice(g_module);
    if (!opened)
        return 0;
    opened->table = mciLoadCommandResource(g_module, L"KX310MCI", 0);
    open->wCustomCommandTable = opened->table;
    open->wType = MCI_DEVTYPE_OVERLAY;
    return reinterpret_cast<LRESULT>(opened);
}

void CloseDriver(DWORD_PTR id)
{
    OpenedDevice* opened = AsDevice(id);
    if (!opened)
        return;
    opened->device.Close();
    if (opened->table != MCI_NO_COMMAND_TABLE)
        mciFreeCommandResource(opened->table);
    delete opened;
}

} // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK DriverProc(DWORD_PTR id, HDRVR driver, UINT message, LPARAM p1,
                                                             LPARAM p2)
{
    switch (message) {
    case DRV_LOAD:
    case DRV_FREE:
    case DRV_ENABLE:
    case DRV_DISABLE:
        return 1;
    case DRV_OPEN:
        return OpenDriver(p2);
    case DRV_CLOSE:
        CloseDriver(id);
        return 1;
    case DRV_QUERYCONFIGURE:
        return 0;
    case DRV_CONFIGURE:
        return DRVCNF_OK;
    case DRV_INSTALL:
    case DRV_REMOVE:
        return DRVCNF_OK;
    default:
        break;
    }
    OpenedDevice* opened = AsDevice(id);
    if (message < DRV_MCI_FIRST || !opened)
        return DefDriverProc(id, driver, message, p1, p2);
    switch (message) {
    case MCI_OPEN_DRIVER: {
        auto* open = reinterpret_cast<MCI_OPEN_PARMSW*>(p2);
        return opened->device.Open(open ? open->wDeviceID : 0);
    }
    case MCI_CLOSE_DRIVER:
        opened->device.Close();
        return 0;
    default:
        return opened->device.Command(message, static_cast<DWORD>(p1), static_cast<DWORD_PTR>(p2));
    }
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        g_module = instance;
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}
