// The simulated sound card's user-mode audio driver.  winmm loads the driver
// that the audio device layer (mmdevapi) chose, and takes from it the
// message entry of each device type it exports: this one has auxiliary
// devices only (auxMessage), and offers the device layer no endpoints, so
// there are no wave devices.
#include "aux_devices.h"

#include <windows.h>
#include <mmsystem.h>
#include <mmddk.h>
#include <mmreg.h>

#include <cwchar>

namespace {

using kxaux::Kind;

// The device layer's driver priorities; a driver that answers "unavailable"
// is unloaded again.
enum DriverPriority { kPriorityUnavailable = 0, kPriorityLow, kPriorityNeutral, kPriorityPreferred };

DWORD DeviceCaps(UINT device, AUXCAPSW* caps, DWORD_PTR size)
{
    const auto devices = kxaux::ReadDevices();
    if (device >= devices.size())
        return MMSYSERR_BADDEVICEID;
    if (!caps || size < sizeof(AUXCAPSW))
        return MMSYSERR_INVALPARAM;
    AUXCAPSW c{};
    c.wMid = MM_CREATIVE;
    c.wPid = static_cast<WORD>(100 + device);
    c.vDriverVersion = 0x0100;
    switch (devices[device]) {
    case Kind::LineIn:
        wcsncpy(c.szPname, L"Simulated Line In", MAXPNAMELEN - 1);
        c.wTechnology = AUXCAPS_AUXIN;
        c.dwSupport = AUXCAPS_VOLUME | AUXCAPS_LRVOLUME;
        break;
    case Kind::LineInMono:
        wcsncpy(c.szPname, L"Simulated Mono Line In", MAXPNAMELEN - 1);
        c.wTechnology = AUXCAPS_AUXIN;
        c.dwSupport = AUXCAPS_VOLUME;
        break;
    case Kind::CdAudio:
        wcsncpy(c.szPname, L"Simulated CD Audio", MAXPNAMELEN - 1);
        c.wTechnology = AUXCAPS_CDAUDIO;
        c.dwSupport = AUXCAPS_VOLUME | AUXCAPS_LRVOLUME;
        break;
    }
    *caps = c;
    return MMSYSERR_NOERROR;
}

bool IsMono(UINT device)
{
    const auto devices = kxaux::ReadDevices();
    return device < devices.size() && devices[device] == Kind::LineInMono;
}

}  // namespace

extern "C" {

__declspec(dllexport) LRESULT WINAPI DriverProc(DWORD_PTR, HDRVR, UINT msg, LPARAM, LPARAM)
{
    switch (msg) {
    case DRV_LOAD:
    case DRV_FREE:
    case DRV_ENABLE:
    case DRV_DISABLE:
    case DRV_OPEN:
    case DRV_CLOSE:
        return 1;
    default:
        return 0;
    }
}

__declspec(dllexport) DWORD WINAPI auxMessage(UINT device, UINT msg, DWORD_PTR, DWORD_PTR param1, DWORD_PTR param2)
{
    switch (msg) {
    case DRVM_INIT:
    case DRVM_EXIT:
        return MMSYSERR_NOERROR;
    case AUXDM_GETNUMDEVS:
        return static_cast<DWORD>(kxaux::ReadDevices().size());
    case AUXDM_GETDEVCAPS:
        return DeviceCaps(device, reinterpret_cast<AUXCAPSW*>(param1), param2);
    case AUXDM_GETVOLUME:
        if (device >= kxaux::ReadDevices().size())
            return MMSYSERR_BADDEVICEID;
        if (!param1)
            return MMSYSERR_INVALPARAM;
        *reinterpret_cast<DWORD*>(param1) = kxaux::ReadVolume(device);
        return MMSYSERR_NOERROR;
    case AUXDM_SETVOLUME: {
        if (device >= kxaux::ReadDevices().size())
            return MMSYSERR_BADDEVICEID;
        // A device with one volume keeps the low word only.
        DWORD volume = static_cast<DWORD>(param1);
        kxaux::WriteVolume(device, IsMono(device) ? (volume & 0xFFFF) : volume);
        return MMSYSERR_NOERROR;
    }
    default:
        return MMSYSERR_NOTSUPPORTED;
    }
}

// The audio device layer's entries: a driver of its own kind with no endpoints.
__declspec(dllexport) int WINAPI GetPriority()
{
    return kPriorityNeutral;
}

__declspec(dllexport) HRESULT WINAPI GetEndpointIDs(int, WCHAR*** ids, GUID** guids, UINT* count, UINT* defaultIndex)
{
    if (ids)
        *ids = nullptr;
    if (guids)
        *guids = nullptr;
    if (count)
        *count = 0;
    if (defaultIndex)
        *defaultIndex = 0;
    return S_OK;
}

__declspec(dllexport) HRESULT WINAPI GetAudioEndpoint(void*, void*, void** client)
{
    if (client)
        *client = nullptr;
    return E_NOTIMPL;
}

__declspec(dllexport) HRESULT WINAPI GetAudioSessionManager(void*, void** manager)
{
    if (manager)
        *manager = nullptr;
    return E_NOTIMPL;
}

}  // extern "C"
