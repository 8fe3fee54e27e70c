// The viewer's registered messages as their senders post them and a window's
// table receives them: each typed view reads what was posted.
#include "registered_messages.h"
#include "message_table.h"
#include "wnd.h"
#include <gtest/gtest.h>
#include <optional>
#include <vector>

namespace {

// A message-only window that keeps what the typed views read.
class Listener : public framework::Routed<Listener, framework::CWnd> {
public:
    std::vector<bool> gone;
    std::vector<std::optional<POINT>> picks;
    std::vector<int> levels;
    int handOvers = 0;

    bool Create()
    {
        WNDCLASSEXA cls{};
        cls.lpszClassName = "KxRegisteredMessagesTest";
        cls.hInstance = GetModuleHandleA(nullptr);
        RegisterWindowClass(cls);
        return CreateEx(0, cls.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr);
    }

protected:
    LRESULT OnUpdateVideo(const framework::Message& m) { gone.push_back(UpdateVideoMessage(m).windowGone); return 0; }
    LRESULT OnFindClientPt(const framework::Message& m) { picks.push_back(FindClientPtMessage(m).point); return 0; }
    LRESULT OnIndicator(const framework::Message& m) { levels.push_back(IndicatorSignalMessage(m).level); return 0; }
    LRESULT OnHandOver(const framework::Message&) { ++handOvers; return 0; }

    friend struct framework::TableAccess;
    static constexpr framework::MessageEntry<Listener> kMessages[] = {
        {&g_msgUpdateVideo, &Listener::OnUpdateVideo},
        {&g_msgFindClientPt, &Listener::OnFindClientPt},
        {&g_msgIndicatorSignal, &Listener::OnIndicator},
        {&g_msgVideoDeckSetup, &Listener::OnHandOver},
    };
};

void PumpPosted()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
}

TEST(RegisteredMessagesTest, NamesAreRegisteredOnceAndDistinct)
{
    RegisterViewerMessages();
    const UINT ids[] = {g_msgUpdateVideo, g_msgFindClientPt, g_msgVideoDeckSetup, g_msgIndicatorSignal};
    for (UINT id : ids)
        EXPECT_GE(id, 0xC000u);
    for (size_t i = 0; i < 4; ++i)
        for (size_t j = i + 1; j < 4; ++j)
            EXPECT_NE(ids[i], ids[j]);
    // Another program registering the same names gets the same numbers.
    EXPECT_EQ(g_msgUpdateVideo, RegisterWindowMessageA("MSGUpdateVideo"));
    EXPECT_EQ(g_msgVideoDeckSetup, RegisterWindowMessageA("MSGVideoDeck&Setup"));
}

TEST(RegisteredMessagesTest, TypedViewsReadWhatWasPosted)
{
    RegisterViewerMessages();
    Listener listener;
    ASSERT_TRUE(listener.Create());

    PostMessageA(listener, g_msgUpdateVideo, UpdateVideoMessage::kMoved, 0);
    PostMessageA(listener, g_msgUpdateVideo, UpdateVideoMessage::kGone, 0);

    POINT picked{37, -5};
    PostMessageA(listener, g_msgFindClientPt, FindClientPtMessage::kPicked, reinterpret_cast<LPARAM>(&picked));
    PostMessageA(listener, g_msgFindClientPt, FindClientPtMessage::kCancelled, 0);
    // A pick that claims a point but carries none is read as cancelled.
    PostMessageA(listener, g_msgFindClientPt, FindClientPtMessage::kPicked, 0);

    for (WPARAM progress : {0u, 99u, 100u, 550u, 1000u})
        PostMessageA(listener, g_msgIndicatorSignal, progress, 0);
    SendMessageA(listener, g_msgVideoDeckSetup, 0, 0);
    PumpPosted();

    EXPECT_EQ((std::vector<bool>{false, true}), listener.gone);
    ASSERT_EQ(3u, listener.picks.size());
    ASSERT_TRUE(listener.picks[0].has_value());
    EXPECT_EQ(37, listener.picks[0]->x);
    EXPECT_EQ(-5, listener.picks[0]->y);
    EXPECT_FALSE(listener.picks[1].has_value());
    EXPECT_FALSE(listener.picks[2].has_value());
    EXPECT_EQ((std::vector<int>{0, 0, 1, 5, 10}), listener.levels);
    EXPECT_EQ(1, listener.handOvers);
    listener.Destroy();
}

}  // namespace
