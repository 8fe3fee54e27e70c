// The line-in dialog's arithmetic and the choice of the volume control.
#include "line_in_volume.h"
#include "mixer_launch.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace {

using namespace line_in;

TEST(LineInVolume, BarPositionsAndChannelVolumesMapBothWays)
{
    EXPECT_EQ(0, PositionFromVolume(0xFFFF));  // the top is full volume
    EXPECT_EQ(255, PositionFromVolume(0));
    EXPECT_EQ(127, PositionFromVolume(0x8000));
    EXPECT_EQ(0xFF00u, VolumeFromPosition(0));
    EXPECT_EQ(0u, VolumeFromPosition(255));
    for (int p = 0; p <= 255; ++p)
        EXPECT_EQ(p, PositionFromVolume(VolumeFromPosition(p))) << p;
}

TEST(LineInVolume, ScrollRequestsStepAndStayInRange)
{
    EXPECT_EQ(99, ScrollTarget(kLineUp, 100, 0));
    EXPECT_EQ(101, ScrollTarget(kLineDown, 100, 0));
    EXPECT_EQ(85, ScrollTarget(kPageUp, 100, 0));
    EXPECT_EQ(115, ScrollTarget(kPageDown, 100, 0));
    EXPECT_EQ(0, ScrollTarget(kLineUp, 0, 0));
    EXPECT_EQ(0, ScrollTarget(kPageUp, 10, 0));
    EXPECT_EQ(255, ScrollTarget(kLineDown, 255, 0));
    EXPECT_EQ(255, ScrollTarget(kPageDown, 250, 0));
    EXPECT_EQ(0, ScrollTarget(kTop, 77, 0));
    EXPECT_EQ(255, ScrollTarget(kBottom, 77, 0));
    EXPECT_EQ(40, ScrollTarget(kThumbTrack, 77, 40));
    EXPECT_EQ(41, ScrollTarget(kThumbPosition, 77, 41));
    EXPECT_EQ(77, ScrollTarget(8 /* end of scrolling */, 77, 3));
}

TEST(LineInVolume, ComposedVolumeFollowsTheLockAndTheChannels)
{
    VolumeRules free{true, false}, locked{true, true}, mono{false, false};
    EXPECT_TRUE(NeedsCurrentVolume(Channel::Left, free));
    EXPECT_FALSE(NeedsCurrentVolume(Channel::Both, free));
    EXPECT_FALSE(NeedsCurrentVolume(Channel::Right, locked));

    EXPECT_EQ(0x11112222u, ComposeVolume(Channel::Left, 0x2222, 0x11113333, free));
    EXPECT_EQ(0x44443333u, ComposeVolume(Channel::Right, 0x4444, 0x11113333, free));
    EXPECT_EQ(0x12345678u, ComposeVolume(Channel::Both, 0x12345678, 0, free));
    // Locked: both words take the value's low word, also when opening.
    EXPECT_EQ(0x44444444u, ComposeVolume(Channel::Right, 0x4444, 0x11113333, locked));
    EXPECT_EQ(0x56785678u, ComposeVolume(Channel::Both, 0x12345678, 0, locked));
    // One volume: its word (the low one) carries it, and both bars show it.
    EXPECT_EQ(0x80008000u, ComposeVolume(Channel::Right, 0x8000, 0, mono));
    EXPECT_EQ(0x00FF00FFu, ComposeVolume(Channel::Both, 0x000000FF, 0, mono));
}

// Wave-input devices by maker, the sound card's profile, and the programs
// that start (by command line).
class FakeMixerServices : public IMixerServices {
public:
    std::vector<int> makers;  // -1: capabilities unreadable
    std::string soundCardMixer;
    std::map<std::string, unsigned> results;
    std::vector<std::string> started;
    int profileReads = 0;

    unsigned WaveInCount() override { return static_cast<unsigned>(makers.size()); }
    bool WaveInManufacturer(unsigned device, unsigned& maker) override
    {
        if (makers[device] < 0)
            return false;
        maker = static_cast<unsigned>(makers[device]);
        return true;
    }
    std::string SoundCardMixer() override
    {
        ++profileReads;
        return soundCardMixer;
    }
    unsigned Start(const std::string& commandLine) override
    {
        started.push_back(commandLine);
        auto it = results.find(commandLine);
        return it == results.end() ? 2 : it->second;  // 2: file not found
    }
};

TEST(MixerLaunch, TheSoundCardsMixerComesFirst)
{
    FakeMixerServices s;
    s.makers = {1, -1, 2, 2};
    s.soundCardMixer = "C:\\Card\\mixer.exe /line";
    s.results["C:\\Card\\mixer.exe /line"] = 33;
    EXPECT_EQ(MixerStarted::SoundCard, StartMixerProgram(s, "sndvol32.exe"));
    EXPECT_EQ(std::vector<std::string>{"C:\\Card\\mixer.exe /line"}, s.started);
    EXPECT_EQ(1, s.profileReads);
}

TEST(MixerLaunch, TheSystemMixerWhenTheCardsDoesNotStart)
{
    FakeMixerServices s;
    s.makers = {2, 2};
    s.soundCardMixer = "missing.exe";
    s.results["missing.exe"] = 31;  // 31 and below mean failure
    s.results["sndvol32.exe"] = 42;
    EXPECT_EQ(MixerStarted::System, StartMixerProgram(s, "sndvol32.exe"));
    EXPECT_EQ((std::vector<std::string>{"missing.exe", "sndvol32.exe"}), s.started);
    EXPECT_EQ(1, s.profileReads);  // only the first device of the maker is asked

    FakeMixerServices none;
    none.makers = {2};  // the profile names no program
    none.results["sndvol32.exe"] = 32;
    EXPECT_EQ(MixerStarted::System, StartMixerProgram(none, "sndvol32.exe"));
    EXPECT_EQ(std::vector<std::string>{"sndvol32.exe"}, none.started);
}

TEST(MixerLaunch, NeitherStartsSoTheCallerShowsItsOwnDialog)
{
    FakeMixerServices s;
    s.makers = {5, 1};
    s.soundCardMixer = "never.exe";
    EXPECT_EQ(MixerStarted::None, StartMixerProgram(s, "sndvol32.exe"));
    EXPECT_EQ(0, s.profileReads);  // no device of that maker
    EXPECT_EQ(std::vector<std::string>{"sndvol32.exe"}, s.started);
}

}  // namespace
