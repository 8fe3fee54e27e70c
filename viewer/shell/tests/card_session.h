// Test support: the simulated card opened through winmm for a whole test
// program, as the viewer opens it, and closed at the end.  A test program
// registers it once:
//   const auto* const kSession = ::testing::AddGlobalTestEnvironment(new test_support::CardSession);
#pragma once
#include "overlay_viewer.h"
#include <gtest/gtest.h>
#include <windows.h>
#include <mmsystem.h>

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

}  // namespace test_support
