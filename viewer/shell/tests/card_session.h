// Test support: the simulated card opened through winmm for a whole test
// program, as the viewer opens it, and closed at the end.  A test program
// registers it once:
//   const auto* const kSession = ::testing::AddGlobalTestEnvironment(new test_support::CardSession);
#pragma once
#include "overlay_viewer.h"
#include "text_lines.h"
#include <gtest/gtest.h>
#include <windows.h>
#include <mmsystem.h>
#include <string>
#include <vector>

namespace test_support {

class CardSession : public ::testing::Environment {
public:
    void SetUp() override
    {
        ASSERT_EQ(0u, mciSendStringA("open overlay alias VCKX310", nullptr, 0, nullptr));
        SetOverlayDeviceOpen();
    }
    void TearDown() override { mciSendStringA("close VCKX310", nullptr, 0, nullptr); }
};

// The simulated card's log of the commands it was given, one line each
// (verb, decoded parameters, result and reply).  The file is this process's
// own and starts empty, so neither an earlier run nor another test program
// adds lines to it; the card stops logging when the object goes.
class CardLog {
public:
    explicit CardLog(const std::string& name)
    {
        char dir[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, dir);
        path_ = std::string(dir) + "kx310_" + name + "_" + std::to_string(GetCurrentProcessId()) + ".txt";
        DeleteFileA(path_.c_str());
        SetEnvironmentVariableA("KX310MCI_LOG", path_.c_str());
    }
    ~CardLog()
    {
        SetEnvironmentVariableA("KX310MCI_LOG", nullptr);
        DeleteFileA(path_.c_str());
    }
    CardLog(const CardLog&) = delete;
    CardLog& operator=(const CardLog&) = delete;

    // The lines logged so far; the log is emptied for what follows.
    std::vector<std::string> Take()
    {
        std::vector<std::string> lines = kxtest::ReadTextLines(path_);
        DeleteFileA(path_.c_str());
        return lines;
    }

private:
    std::string path_;
};

}  // namespace test_support
