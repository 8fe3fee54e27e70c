// The main frame's flips with the simulated card behind winmm: the picture
// grabbed from the card's frozen frame memory, flipped and written back,
// compared pixel by pixel with what the card holds afterwards; and the
// exact commands of a flip and of a merge as the card itself logged them.
#include "card_session.h"
#include "text_lines.h"
#include "main_frame.h"
#include "overlay_viewer.h"
#include "resource.h"
#include "viewer_frame_fixture.h"
#include <gtest/gtest.h>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr char kTestCompanyKey[] = "KX310 Tests\\main frame card";

const auto* const kSession = ::testing::AddGlobalTestEnvironment(new test_support::CardSession);

std::string Joined(const std::vector<std::string>& lines)
{
    std::string all;
    for (const std::string& line : lines)
        all += "\n  " + line;
    return all;
}

// The log without the view's placements of the video (card type 3, the
// deferred frame and source rectangles, the destination): the frame places
// the video again whenever it becomes active, for instance when the effects
// library's progress meter closes in the middle of a flip.  Only complete
// placements are taken out; anything else stays for the test to see.
std::vector<std::string> WithoutPlacements(const std::vector<std::string>& lines)
{
    const char* const placement[] = {"set card type to 3 -> 0", "put frame at ", "put source at ",
                                     "put destination -> 0"};
    std::vector<std::string> rest;
    for (size_t i = 0; i < lines.size(); ++i) {
        bool whole = i + 4 <= lines.size();
        for (size_t k = 0; whole && k < 4; ++k)
            whole = lines[i + k].rfind(placement[k], 0) == 0;
        if (whole)
            i += 3;
        else
            rest.push_back(lines[i]);
    }
    return rest;
}

// The address at the end of a logged buffer command ("... address N -> 0").
std::string LoggedAddress(const std::string& line)
{
    const size_t at = line.find(" address ");
    if (at == std::string::npos)
        return "";
    const size_t from = at + 9;
    return line.substr(from, line.find(' ', from) - from);
}

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

// What the card was told, in order, for a horizontal flip of the frozen
// frame (the grab into a buffer and the write back from the same buffer,
// the driver's indicator off around the grab) and for a merge (the YUV
// buffer format around the grab, RGB again after it).
TEST_F(MainFrameCardTest, TheCardLogsTheFlipAndTheMergeSequences)
{
    OpenFrame();
    Command(ID_VIEW_FREEZE);
    RECT client{};
    GetClientRect(frame_->ActiveView()->Handle(), &client);
    const std::string whole = "0 0 " + std::to_string(client.right) + " " + std::to_string(client.bottom);

    test_support::CardLog log("main_frame_card");
    Command(ID_IMAGE_FLIP_HORIZONTAL);
    const std::vector<std::string> flip = WithoutPlacements(log.Take());
    ASSERT_EQ(4u, flip.size()) << Joined(flip);
    EXPECT_EQ("set indicator off -> 0", flip[0]);
    EXPECT_EQ(0u, flip[1].rfind("save memory buffer type dib 24-bit at " + whole + " address ", 0)) << flip[1];
    EXPECT_EQ("set indicator on -> 0", flip[2]);
    EXPECT_EQ(0u, flip[3].rfind("load memory buffer at " + whole + " address ", 0)) << flip[3];
    EXPECT_NE("", LoggedAddress(flip[1]));
    EXPECT_EQ(LoggedAddress(flip[1]), LoggedAddress(flip[3])) << "written back from the buffer it was grabbed into";
    for (const std::string& line : flip)
        EXPECT_NE(std::string::npos, line.find(" -> 0")) << line;

    ASSERT_NE(nullptr, frame_->MergeScreenWithVideo(RECT{10, 20, 74, 68}));
    const std::vector<std::string> merge = WithoutPlacements(log.Take());
    ASSERT_EQ(5u, merge.size()) << Joined(merge);
    EXPECT_EQ("set memory buffer format to yuv -> 0", merge[0]);
    EXPECT_EQ("set indicator off -> 0", merge[1]);
    EXPECT_EQ(0u, merge[2].rfind("save memory buffer type dib 24-bit at 10 20 64 48 address ", 0)) << merge[2];
    EXPECT_NE(std::string::npos, merge[2].find(" -> 0")) << merge[2];
    EXPECT_EQ("set indicator on -> 0", merge[3]);
    EXPECT_EQ("set memory buffer format to rgb -> 0", merge[4]);
}

}  // namespace
