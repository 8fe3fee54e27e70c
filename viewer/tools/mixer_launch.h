// Which volume control the Volume Setting command opens: the sound card's own
// mixer program when the first wave-input device of that maker (manufacturer
// 2) names one in its profile, else the system's mixer, else (when neither
// starts) the viewer's own line-in dialog, which the caller runs.
#pragma once
#include <string>

class IMixerServices {
public:
    virtual unsigned WaveInCount() = 0;
    // False when the device's capabilities cannot be read.
    virtual bool WaveInManufacturer(unsigned device, unsigned& manufacturer) = 0;
    // The sound card's mixer program named in its profile (empty: none).
    virtual std::string SoundCardMixer() = 0;
    // Starts a program shown; the system's result (above 31: started).
    virtual unsigned Start(const std::string& commandLine) = 0;

protected:
    ~IMixerServices() = default;
};

enum class MixerStarted { SoundCard, System, None };

constexpr unsigned kMixerMaker = 2;

MixerStarted StartMixerProgram(IMixerServices& services, const std::string& systemMixer);
