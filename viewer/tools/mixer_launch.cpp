#include "mixer_launch.h"

namespace {
constexpr unsigned kStartedAbove = 31;
}

MixerStarted StartMixerProgram(IMixerServices& services, const std::string& systemMixer)
{
    unsigned count = services.WaveInCount();
    for (unsigned device = 0; device < count; ++device) {
        unsigned maker = 0;
        if (!services.WaveInManufacturer(device, maker) || maker != kMixerMaker)
            continue;
        std::string program = services.SoundCardMixer();
        if (!program.empty() && services.Start(program) > kStartedAbove)
            return MixerStarted::SoundCard;
        break;  // only the first device of that maker counts
    }
    if (!systemMixer.empty() && services.Start(systemMixer) > kStartedAbove)
        return MixerStarted::System;
    return MixerStarted::None;
}
