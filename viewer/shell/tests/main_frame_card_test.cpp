// The main frame's flips with the simulated card behind winmm: the picture
// grabbed from the card's frozen frame memory, flipped and written back,
// compared pixel by pixel with what the card holds afterwards.
#include "card_session.h"
#include "main_frame.h"
#include "overlay_viewer.h"
#include "resource.h"
#include "viewer_frame_fixture.h"
#include <gtest/gtest.h>
#include <cstring>
#include <vector>

namespace {

constexpr char kTestCompanyKey[] = "KX310 Tests\\main frame card";

const auto* const kSession = ::testing::AddGlobalTestEnvironment(new test_support::CardSession);

// A picture as rows of blue, green, red pixels.
struct Picture {
    int width = 0, height = 0;
    size_t stride = 0;
    std::vector<BYTE> bytes;
    const BYTE* At(int x, int y) const { return bytes.data() + static_cast<size_t>(y) * stride + 3 * x; }
};

class MainFrameCardTest : public test_support::ViewerFrameFixture {
protected:
    MainFrameCardTest() : ViewerFrameFixture(kTestCompanyKey) {}

    void SetUp() override
    {
        ShowOverlayErrors(false);
        RegisterViewerMessages();
        ViewerFrameFixture::SetUp();
    }

    Picture Grab(RECT r)
    {
        Picture p;
        CPictureBuffer* buffer = frame_->GrabRegion(r);
        if (!buffer)
            return p;
        p.width = buffer->Width();
        p.height = buffer->Height();
        p.stride = buffer->RowBytes();
        p.bytes.assign(buffer->Pixels(), buffer->Pixels() + p.stride * p.height);
        return p;
    }
    void Command(UINT id) { SendMessageA(frameWnd_, WM_COMMAND, MAKEWPARAM(id, 0), 0); }
};

bool SamePixel(const BYTE* a, const BYTE* b) { return std::memcmp(a, b, 3) == 0; }

TEST_F(MainFrameCardTest, FlipsOfTheFrozenPictureRoundTripThroughTheCard)
{
    OpenFrame();
    Command(ID_VIEW_FREEZE);
    RECT client{};
    GetClientRect(frame_->ActiveView()->Handle(), &client);
    const Picture before = Grab(RECT{0, 0, 0, 0});
    ASSERT_EQ(client.right, before.width);
    ASSERT_EQ(client.bottom, before.height);
    // The test picture moves and has structure: a flip is visible in it.
    int differing = 0;
    for (int x = 0; x < before.width / 2; ++x)
        differing += !SamePixel(before.At(x, before.height / 3), before.At(before.width - 1 - x, before.height / 3));
    ASSERT_GT(differing, 0) << "a picture that is its own mirror cannot show a flip";

    struct Case {
        UINT command;
        bool mirrorX, mirrorY;
    };
    Picture expectedSource = before;
    bool mx = false, my = false;
    for (Case c : {Case{ID_IMAGE_FLIP_HORIZONTAL, true, false}, Case{ID_IMAGE_FLIP_VERTICAL, false, true},
                   Case{ID_IMAGE_FLIP_BOTH, true, true}}) {
        Command(c.command);
        mx ^= c.mirrorX;
        my ^= c.mirrorY;
        const Picture after = Grab(RECT{0, 0, 0, 0});
        ASSERT_EQ(before.width, after.width);
        int wrong = 0;
        for (int y = 0; y < before.height; ++y)
            for (int x = 0; x < before.width; ++x)
                wrong += !SamePixel(after.At(x, y),
                                    before.At(mx ? before.width - 1 - x : x, my ? before.height - 1 - y : y));
        EXPECT_EQ(0, wrong) << "after command " << c.command;
    }
    // Horizontal, vertical and both: the picture is back as it was.
    EXPECT_FALSE(mx);
    EXPECT_FALSE(my);
    const Picture back = Grab(RECT{0, 0, 0, 0});
    EXPECT_EQ(before.bytes, back.bytes);
}

}  // namespace
