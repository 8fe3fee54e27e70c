#include "volume_setting.h"
#include "line_in_dlg.h"
#include "mixer_launch.h"
#include "strings.h"

#include <mmsystem.h>

namespace {

constexpr DWORD kProgramLength = 260;

class CSystemMixerServices : public IMixerServices {
public:
    unsigned WaveInCount() override { return waveInGetNumDevs(); }

    bool WaveInManufacturer(unsigned device, unsigned& manufacturer) override
    {
        WAVEINCAPSA caps{};
        if (waveInGetDevCapsA(device, &caps, sizeof caps) != MMSYSERR_NOERROR)
            return false;
        manufacturer = caps.wMid;
        return true;
    }

    std::string SoundCardMixer() override
    {
        char program[kProgramLength + 1] = {};
        GetPrivateProfileStringA(framework::LoadText(IDS_MIXER_INI_SECTION).c_str(),
                                 framework::LoadText(IDS_MIXER_INI_VALUE).c_str(), "", program, kProgramLength,
                                 framework::LoadText(IDS_MIXER_INI_FILE).c_str());
        return program;
    }

    unsigned Start(const std::string& commandLine) override { return WinExec(commandLine.c_str(), SW_SHOW); }
};

}  // namespace

void RunVolumeSetting()
{
    CSystemMixerServices services;
    if (StartMixerProgram(services, framework::LoadText(IDS_SYSTEM_MIXER)) != MixerStarted::None)
        return;
    CLineInDlg dialog;
    dialog.DoModal();
}
