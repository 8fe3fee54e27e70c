// The window hook across processes, as the viewer uses it: a window of
// another program (kx_foreign_window) is watched while this test's two
// windows stand in for the viewer's view (first notify window) and export
// dialog (second).  What arrives at them, and what the shared section holds
// afterwards, is what the viewer relies on.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>

#include "foreign_program.h"
#include "htvchook.h"
#include "move_timing.h"
#include "shared_section.h"

using kxtest::ForeignProgram;
using kxtest::MessageArrivals;

namespace {

constexpr WPARAM kMoved = 0;
constexpr WPARAM kEnded = 1;
// Long enough for a notification that would come (they take a few
// milliseconds) to have arrived.
constexpr DWORD kSettleMs = 300;

UINT UpdateVideoMessage() { return RegisterWindowMessageA("MSGUpdateVideo"); }

DWORD HandleValue(HWND window) { return static_cast<DWORD>(reinterpret_cast<std::uintptr_t>(window)); }

void Settle() { kxtest::PumpUntil([] { return false; }, kSettleMs); }

// Moves a window by (dx, dy) within its parent (on screen for a top-level one).
void MoveBy(HWND window, int dx, int dy)
{
    RECT r;
    GetWindowRect(window, &r);
    POINT at{r.left, r.top};
    if (HWND parent = GetParent(window))
        ScreenToClient(parent, &at);
    ASSERT_TRUE(kxtest::MoveWindowTo(window, POINT{at.x + dx, at.y + dy}));
}

class HookWatchTest : public testing::Test {
protected:
    void SetUp() override
    {
        shared_ = hook_test::SharedSection();
        ASSERT_NE(nullptr, shared_) << "no .MYSEC section in the loaded HTVCHOOK";
        ASSERT_EQ(nullptr, shared_->hook) << "a hook left over from before";
    }
    void TearDown() override
    {
        // Never leave a hook behind for the next test.
        while (dllHook(nullptr, nullptr, nullptr, 0) != 0) {
        }
    }

    const volatile htvchook::SharedFields* shared_ = nullptr;
    MessageArrivals first_{UpdateVideoMessage()};
    MessageArrivals second_{UpdateVideoMessage()};
};

} // namespace

TEST_F(HookWatchTest, TheMessageIsRegisteredAtLoadInTheSharedSection)
{
    EXPECT_EQ(UpdateVideoMessage(), shared_->messageId);
    EXPECT_GE(shared_->messageId, 0xC000u);
}

TEST_F(HookWatchTest, EachMoveOfTheWatchedChildOrItsTopLevelWindowTellsTheFirstWindowOnce)
{
    ForeignProgram program("Hook moves");
    ASSERT_TRUE(program.Started());
    HWND child = program.Child();

    // Watching the same window twice keeps one hook: still one notification per move.
    ASSERT_EQ(HandleValue(first_.Window()), dllHook(child, first_.Window(), second_.Window(), 1));
    ASSERT_EQ(HandleValue(first_.Window()), dllHook(child, first_.Window(), second_.Window(), 1));
    EXPECT_NE(nullptr, shared_->hook);
    EXPECT_EQ(child, shared_->watched);
    EXPECT_EQ(first_.Window(), shared_->firstNotify);
    EXPECT_EQ(second_.Window(), shared_->secondNotify);
    Settle();
    first_.Clear();

    MoveBy(child, 7, 5);
    ASSERT_TRUE(first_.WaitFor(1, 3000)) << "no notification for a move of the watched child";
    Settle();
    EXPECT_EQ(1u, first_.Count(kMoved));

    MoveBy(program.TopLevel(), 20, 10);
    ASSERT_TRUE(first_.WaitFor(2, 3000)) << "no notification for a move of the top-level window";
    Settle();
    EXPECT_EQ(2u, first_.Count(kMoved));

    // A size change of the top-level window is one notification too.
    ASSERT_TRUE(SetWindowPos(program.TopLevel(), nullptr, 0, 0, 520, 400, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE));
    ASSERT_TRUE(first_.WaitFor(3, 3000));
    Settle();
    EXPECT_EQ(3u, first_.Count(kMoved));

    // The child's sibling is neither the watched window nor around it.
    MoveBy(program.Sibling(), 5, 5);
    Settle();
    EXPECT_EQ(3u, first_.Seen().size());
    for (const auto& arrival : first_.Seen())
        EXPECT_EQ(0, arrival.lParam);
    EXPECT_TRUE(second_.Seen().empty()) << "the second window hears only of the end";

    // Stopped, the program's moves tell nobody; a second stop finds nothing.
    EXPECT_NE(0u, dllHook(child, nullptr, nullptr, 0));
    EXPECT_EQ(nullptr, shared_->hook);
    EXPECT_EQ(nullptr, shared_->watched);
    MoveBy(program.TopLevel(), -20, -10);
    MoveBy(child, -7, -5);
    Settle();
    EXPECT_EQ(3u, first_.Seen().size());
    EXPECT_EQ(0u, dllHook(child, nullptr, nullptr, 0));
}

TEST_F(HookWatchTest, ClosingTheTopLevelWindowTellsBothWindowsOnceAndLeavesNoHook)
{
    ForeignProgram program("Hook close");
    ASSERT_TRUE(program.Started());
    ASSERT_NE(0u, dllHook(program.Child(), first_.Window(), second_.Window(), 1));
    Settle();
    first_.Clear();

    ASSERT_TRUE(program.Close());
    ASSERT_TRUE(kxtest::PumpUntil([&] { return first_.Count(kEnded) && second_.Count(kEnded); }, 3000))
        << "the end of the watch was not told to both windows";
    Settle();
    EXPECT_EQ(1u, first_.Count(kEnded));
    EXPECT_EQ(1u, second_.Count(kEnded));
    EXPECT_EQ(0u, second_.Count(kMoved));
    // The first window hears of the end before the second.
    double firstEnd = 0, secondEnd = 0;
    for (const auto& a : first_.Seen())
        if (a.wParam == kEnded)
            firstEnd = a.atMs;
    for (const auto& a : second_.Seen())
        if (a.wParam == kEnded)
            secondEnd = a.atMs;
    EXPECT_LE(firstEnd, secondEnd);

    // The watch had already been removed when the end was told.
    EXPECT_EQ(nullptr, shared_->hook);
    EXPECT_EQ(nullptr, shared_->watched);
    EXPECT_EQ(0u, dllHook(program.Child(), nullptr, nullptr, 0));
}

TEST_F(HookWatchTest, AGoneSecondWindowIsSkippedAndTheFirstStillHearsTheEnd)
{
    ForeignProgram program("Hook gone notify");
    ASSERT_TRUE(program.Started());
    HWND gone = CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(0u, dllHook(program.TopLevel(), first_.Window(), gone, 1));
    DestroyWindow(gone);
    ASSERT_TRUE(program.Close());
    ASSERT_TRUE(kxtest::PumpUntil([&] { return first_.Count(kEnded) > 0; }, 3000));
    EXPECT_EQ(nullptr, shared_->hook);
}

TEST_F(HookWatchTest, AStopWithNothingWatchedAndAWatchOfNoWindowReturnZero)
{
    EXPECT_EQ(0u, dllHook(nullptr, nullptr, nullptr, 0));
    EXPECT_EQ(0u, dllHook(first_.Window(), first_.Window(), second_.Window(), 2));   // any value but 1 stops

    // A window that is gone, and no window at all: no hook (not one on
    // every thread), nothing watched.
    HWND gone = CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    DestroyWindow(gone);
    EXPECT_EQ(0u, dllHook(gone, first_.Window(), second_.Window(), 1));
    EXPECT_EQ(nullptr, shared_->hook);
    EXPECT_EQ(0u, dllHook(nullptr, first_.Window(), second_.Window(), 1));
    EXPECT_EQ(nullptr, shared_->hook);
    EXPECT_EQ(nullptr, shared_->watched);
    EXPECT_EQ(0u, dllHook(nullptr, nullptr, nullptr, 0));
}

TEST_F(HookWatchTest, WatchingAnotherWindowRemovesTheEarlierHook)
{
    // The child, then its top-level window without a stop between: one
    // hook on the program's thread, so one notification per move, and one
    // stop ends it.
    ForeignProgram program("Hook rewatch");
    ASSERT_TRUE(program.Started());
    ASSERT_NE(0u, dllHook(program.Child(), first_.Window(), second_.Window(), 1));
    ASSERT_NE(0u, dllHook(program.TopLevel(), first_.Window(), second_.Window(), 1));
    EXPECT_EQ(program.TopLevel(), shared_->watched);
    Settle();
    first_.Clear();

    MoveBy(program.TopLevel(), 12, 12);
    ASSERT_TRUE(first_.WaitFor(1, 3000));
    Settle();
    EXPECT_EQ(1u, first_.Count(kMoved));

    EXPECT_NE(0u, dllHook(nullptr, nullptr, nullptr, 0));
    MoveBy(program.TopLevel(), -12, -12);
    Settle();
    EXPECT_EQ(1u, first_.Seen().size()) << "a hook is left after the stop";
}
