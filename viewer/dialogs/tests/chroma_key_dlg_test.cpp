// The chroma key dialog with real windows, a view of the test's own and real
// mouse and keyboard input: the Finder dropped on the view, on the dialog
// and on the desktop, drags broken off, the tolerance bars, and the ways out
// (OK, Cancel, Stop by Escape and by the close box), each checked by the
// exact commands the card received.
#include "pump.h"
#include "chroma_key_dlg.h"
#include "chroma_state.h"
#include "overlay_viewer.h"
#include "real_input.h"
#include "answering_transport.h"
#include "settings_store.h"
#include "win_app.h"
#include "wnd.h"

#include <gtest/gtest.h>
#include <shlwapi.h>

#include <functional>
#include <thread>

namespace {

constexpr char kTestCompany[] = "KX310 Tests\\chroma";
constexpr POINT kDialogAt{560, 300};

// The view the dialog keys: a window of the test's own in a main window,
// with the view's freeze and video key rules.
class FakeView : public IChromaView {
public:
    HWND window = nullptr;
    HWND exportTarget = nullptr;
    bool active = false;
    bool keyLock = true;
    bool frozen = false;
    bool unfreezePreference = true;  // the main frame's copy
    ChromaKeyRecord record;

    HWND ViewWindow() const override { return window; }
    HWND ExportTarget() const override { return exportTarget; }
    bool ChromaKeyActive() const override { return active; }
    void SetChromaKeyActive(bool on) override { active = on; }
    bool KeyLock() const override { return keyLock; }
    void SetKeyLock(bool on) override { keyLock = on; }
    bool Frozen() const override { return frozen; }
    bool SetFreeze(bool f, bool remember) override
    {
        bool previous = frozen;
        if (remember)
            frozen = f;
        SendOverlayCommand(f ? overlay::kVerbFreeze : overlay::kVerbUnfreeze, overlay::kFmtNone);
        return previous;
    }
    void SetChromaKeyRecord(const ChromaKeyRecord& r) override { record = r; }
    bool UnfreezeWhenChromaKey() const override { return unfreezePreference; }
    void VideoKeyOn() override
    {
        if (!keyLock)
            SendOverlayCommand(overlay::kVerbSet, overlay::kFmtVideoKeyOn);
    }
    void VideoKeyOff() override
    {
        if (!keyLock)
            SendOverlayCommand(overlay::kVerbSet, overlay::kFmtVideoKeyOff);
    }
};

const std::string kFreeze = "freeze VCKX310 ";
const std::string kUnfreeze = "unfreeze VCKX310 ";
const std::string kKeyingOff = "set VCKX310 chroma key to -1 0 0 0";
const std::string kVideoKeyOn = "set VCKX310 video key on";
const std::string kPickedKey = "set VCKX310 chroma key to 0 120 -30 40";
using Texts = std::vector<std::string>;

Texts Concat(std::initializer_list<Texts> parts)
{
    Texts all;
    for (const Texts& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

Texts PickAt(POINT at)
{
    std::string xy = std::to_string(at.x) + " " + std::to_string(at.y);
    return {"get VCKX310 pixel rgb at " + xy + " 0 0", "get VCKX310 yuv from " + xy + " 0 0", kPickedKey};
}

// A window on the dialog's thread that runs a piece of work there when the
// input thread asks: another window of the program taking the capture,
// destroying the dialog, and the like.
class DialogThreadErrand : public framework::Routed<DialogThreadErrand, framework::CWnd> {
public:
    static constexpr UINT kRun = 100;

    bool Create()
    {
        WNDCLASSEXA cls{};
        cls.lpszClassName = "ChromaTestErrand";
        cls.hInstance = GetModuleHandleA(nullptr);
        RegisterWindowClass(cls);
        return CreateEx(0, cls.lpszClassName, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr);
    }
    // From another thread: runs `work` on the window's thread and returns
    // when it is done.
    void Do(std::function<void()> work)
    {
        work_ = std::move(work);
        SendMessageA(hwnd_, WM_COMMAND, kRun, 0);
    }

protected:
    void OnRun()
    {
        if (work_)
            work_();
    }

    friend struct framework::TableAccess;
    static constexpr framework::CommandEntry<DialogThreadErrand> kCommands[] = {
        {kRun, &DialogThreadErrand::OnRun},
    };

private:
    std::function<void()> work_;
};

// The colours of the screen just inside a window's edges, where the drag's
// inverted frame is drawn: two points on each edge.
std::vector<COLORREF> FramePixels(HWND window)
{
    RECT r{};
    GetWindowRect(window, &r);
    const LONG midX = (r.left + r.right) / 2, midY = (r.top + r.bottom) / 2;
    const POINT points[] = {{midX, r.top + 1},        {r.left + 40, r.top + 2},  {midX, r.bottom - 2},
                            {r.right - 40, r.bottom - 3}, {r.left + 1, midY},    {r.left + 2, r.top + 40},
                            {r.right - 2, midY},      {r.right - 3, r.bottom - 40}};
    std::vector<COLORREF> colours;
    HDC screen = GetDC(nullptr);
    for (const POINT& p : points)
        colours.push_back(GetPixel(screen, p.x, p.y));
    ReleaseDC(nullptr, screen);
    return colours;
}

// What the dialog shows, read from the input thread.
struct Shown {
    int position[3] = {-1, -1, -1};
    std::string values[3];
    bool swatchVisible = false;
    bool stopEnabled = false;
    bool unfreezeEnabled = true;
    bool hideBoxVisible = true;
    bool captureHeld = true;
};

class ChromaKeyDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ViewerOverlayLink().SetTransport(&card_);
        SetOverlayDeviceOpen();
        ShowOverlayErrors(false);
        app_.Initialize(GetModuleHandleA(nullptr), SW_SHOWNORMAL);
        app_.SetRegistryKey(kTestCompany);
        SHDeleteKeyA(HKEY_CURRENT_USER, (std::string("Software\\") + kTestCompany).c_str());
        const int at[2] = {static_cast<int>(kDialogAt.x), static_cast<int>(kDialogAt.y)};
        Store().WriteNumbers("ChromaKey", "WindowPos", at, 2);
        ProcessChromaState() = ChromaState{};

        WNDCLASSA cls{};
        cls.lpfnWndProc = DefWindowProcA;
        cls.hInstance = GetModuleHandleA(nullptr);
        cls.hCursor = LoadCursor(nullptr, IDC_ARROW);
        cls.hbrBackground = CreateSolidBrush(RGB(255, 0, 255));
        cls.lpszClassName = "ChromaTestView";
        RegisterClassA(&cls);
        main_ = CreateWindowExA(0, "ChromaTestView", "Fake Deck", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 480, 360,
                                nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        RECT client{};
        GetClientRect(main_, &client);
        view_.window = CreateWindowExA(0, "ChromaTestView", "", WS_CHILD | WS_VISIBLE, 0, 0, client.right,
                                       client.bottom, main_, nullptr, GetModuleHandleA(nullptr), nullptr);
        Pump(200);
    }
    void TearDown() override
    {
        DestroyWindow(main_);
        Pump(50);
        ViewerOverlayLink().SetTransport(nullptr);
    }

    CSettingsStore Store() { return CSettingsStore(kTestCompany, app_.Title()); }

    static void Pump(DWORD ms) { kxtest::Pump(ms); }

    // Runs the dialog while `act` drives it from another thread.
    INT_PTR Run(CChromaKeyDlg& dialog, std::function<void(HWND box)> act)
    {
        std::thread driver([act] {
            for (int i = 0; i < 400; ++i, Sleep(25)) {
                HWND box = FindWindowA("#32770", "Chroma Key");
                if (box && IsWindowVisible(box)) {
                    Sleep(300);
                    act(box);
                    return;
                }
            }
        });
        INT_PTR result = dialog.DoModal();
        driver.join();
        return result;
    }

    // Real input from the driving thread (the dialog's thread pumps).
    static void Input(const std::string& chain)
    {
        kxtest::RunXdotool(chain);
        Sleep(250);
    }
    static POINT Centre(HWND box, int id) { return kxtest::ClientCentre(GetDlgItem(box, id)); }
    static void Click(HWND box, int id) { Input(kxtest::ClickAt(Centre(box, id))); }

    static Shown Look(HWND box)
    {
        Shown s;
        const int bars[3] = {IDC_TOLERANCE_Y, IDC_TOLERANCE_U, IDC_TOLERANCE_V};
        const int values[3] = {IDC_TOLERANCE_Y_VALUE, IDC_TOLERANCE_U_VALUE, IDC_TOLERANCE_V_VALUE};
        for (int i = 0; i < 3; ++i) {
            s.position[i] = GetScrollPos(GetDlgItem(box, bars[i]), SB_CTL);
            char text[16] = {};
            GetDlgItemTextA(box, values[i], text, sizeof text);
            s.values[i] = text;
        }
        s.swatchVisible = IsWindowVisible(GetDlgItem(box, IDC_CHROMA_SWATCH));
        s.stopEnabled = IsWindowEnabled(GetDlgItem(box, IDC_STOP));
        s.unfreezeEnabled = IsWindowEnabled(GetDlgItem(box, IDC_UNFREEZE));
        s.hideBoxVisible = IsWindowVisible(GetDlgItem(box, IDC_HIDE_VIDEO_DECK));
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(GetWindowThreadProcessId(box, nullptr), &info);
        s.captureHeld = info.hwndCapture != nullptr;
        return s;
    }

    // The screen point of the dialog's close box, found by hit testing its caption.
    static POINT CloseBox(HWND box)
    {
        RECT r{};
        GetWindowRect(box, &r);
        int y = r.top + GetSystemMetrics(SM_CYFIXEDFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
        for (int x = r.right - 2; x > r.left; --x)
            if (SendMessageA(box, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTCLOSE)
                return POINT{x - 4, y};
        return POINT{r.right - 12, y};
    }

    framework::CWinApp app_;
    AnsweringTransport card_;
    FakeView view_;
    HWND main_ = nullptr;
};

TEST_F(ChromaKeyDialogTest, OpeningWithAPointKeysAtOnceAndOkTurnsKeyingOn)
{
    ProcessChromaState().tolerance[0] = 77;
    CChromaKeyDlg dialog(view_.window, view_, POINT{30, 40});
    Shown shown;
    Texts atOpening;
    RECT placed{};
    INT_PTR result = Run(dialog, [&](HWND box) {
        shown = Look(box);
        atOpening = card_.Since(0);
        GetWindowRect(box, &placed);
        Click(box, IDOK);
    });
    EXPECT_EQ(IDOK, result);
    // The key goes out at once; the tolerances start at 10 without a limit command.
    EXPECT_EQ(Concat({PickAt(POINT{30, 40}), {kUnfreeze}}), atOpening);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(10, shown.position[i]);
        EXPECT_EQ("10", shown.values[i]);
    }
    EXPECT_TRUE(shown.swatchVisible);
    EXPECT_TRUE(shown.stopEnabled);
    EXPECT_FALSE(shown.unfreezeEnabled) << "the preference lets the video run";
    EXPECT_FALSE(shown.hideBoxVisible) << "nothing exported, nothing to hide";
    EXPECT_EQ(kDialogAt.x, placed.left);
    EXPECT_EQ(kDialogAt.y, placed.top);

    EXPECT_TRUE(view_.active);
    EXPECT_TRUE(view_.keyLock);
    EXPECT_EQ(120, view_.record.y);
    EXPECT_EQ(static_cast<unsigned char>(-30), view_.record.u);
    EXPECT_EQ(40, view_.record.v);
    EXPECT_EQ(10, view_.record.toleranceY);
    EXPECT_EQ(10, view_.record.toleranceV);
    EXPECT_EQ(10, ProcessChromaState().tolerance[0]);
    EXPECT_EQ(200, ProcessChromaState().red);
    EXPECT_EQ(0u, Store().ReadNumber("ChromaKey", "Hide", 9));
    int stored[3] = {};
    ASSERT_EQ(2u, Store().ReadNumbers("ChromaKey", "WindowPos", stored, 3));
    EXPECT_EQ(kDialogAt.x, stored[0]);
}

TEST_F(ChromaKeyDialogTest, BarsSendTheLimitsAndCancelKeepsKeyLockAsOpened)
{
    view_.active = true;
    view_.keyLock = false;
    view_.frozen = true;
    view_.unfreezePreference = false;
    ProcessChromaState().tolerance[0] = 20;
    ProcessChromaState().tolerance[1] = 30;
    ProcessChromaState().tolerance[2] = 40;
    CChromaKeyDlg dialog(view_.window, view_);
    Shown shown;
    Texts sent;
    bool lockAfterTick = false;
    INT_PTR result = Run(dialog, [&](HWND box) {
        shown = Look(box);
        size_t from = card_.Count();
        RECT y{}, u{}, v{};
        GetWindowRect(GetDlgItem(box, IDC_TOLERANCE_Y), &y);
        GetWindowRect(GetDlgItem(box, IDC_TOLERANCE_U), &u);
        GetWindowRect(GetDlgItem(box, IDC_TOLERANCE_V), &v);
        const int arrow = (y.bottom - y.top) / 2;
        Input(kxtest::ClickAt(POINT{y.right - arrow, (y.top + y.bottom) / 2}));          // line right
        Input(kxtest::ClickAt(POINT{u.right - 3 * arrow - 4, (u.top + u.bottom) / 2}));  // page right
        Input(kxtest::ClickAt(POINT{v.left + arrow, (v.top + v.bottom) / 2}));           // line left
        Click(box, IDC_USE_COLOR_KEY);
        lockAfterTick = view_.keyLock;
        Click(box, IDC_CHROMA_CANCEL);
        sent = card_.Since(from);
    });
    EXPECT_EQ(IDCANCEL, result);
    EXPECT_EQ(20, shown.position[0]);
    EXPECT_EQ("30", shown.values[1]);
    EXPECT_EQ(40, shown.position[2]);
    EXPECT_TRUE(shown.unfreezeEnabled) << "frozen, and the preference is off";
    EXPECT_EQ((Texts{"set VCKX310 chroma key red limit to 21", "set VCKX310 chroma key green limit to 46",
                     "set VCKX310 chroma key blue limit to 39", kVideoKeyOn}),
              sent);
    EXPECT_TRUE(lockAfterTick);
    EXPECT_FALSE(view_.keyLock) << "Cancel gives the key lock back as it was";
    EXPECT_TRUE(view_.active);
    EXPECT_TRUE(view_.frozen);
    // The card has the moved limits; the next opening shows the ones kept.
    EXPECT_EQ(20, ProcessChromaState().tolerance[0]);
    EXPECT_EQ(30, ProcessChromaState().tolerance[1]);
}

TEST_F(ChromaKeyDialogTest, FinderDroppedOnTheViewPicksThereAndEscapeStops)
{
    CChromaKeyDlg dialog(view_.window, view_);
    POINT drop{120, 90};
    Shown afterDrop;
    Texts dragged, stopped;
    INT_PTR result = Run(dialog, [&](HWND box) {
        size_t from = card_.Count();
        Input(kxtest::DragFromTo(Centre(box, IDC_FINDER), kxtest::ScreenPoint(view_.window, drop)));
        afterDrop = Look(box);
        dragged = card_.Since(from);
        from = card_.Count();
        Input(kxtest::MoveTo(Centre(box, IDC_FINDER_TEXT)) + " key Escape");
        stopped = card_.Since(from);
    });
    EXPECT_EQ(IDCANCEL, result);
    EXPECT_EQ(Concat({{kFreeze, kKeyingOff, kVideoKeyOn}, PickAt(drop), {kUnfreeze}}), dragged);
    EXPECT_TRUE(afterDrop.swatchVisible);
    EXPECT_FALSE(afterDrop.captureHeld);
    // Escape is Stop: keying off, key lock set, "video key on" twice.
    EXPECT_EQ((Texts{kKeyingOff, kVideoKeyOn, kVideoKeyOn}), stopped);
    EXPECT_FALSE(view_.active);
    EXPECT_TRUE(view_.keyLock);
    EXPECT_FALSE(view_.frozen);
    EXPECT_EQ(10, ProcessChromaState().tolerance[2]);
}

TEST_F(ChromaKeyDialogTest, FinderDroppedOnTheDialogOrTheDesktopBeepsAndResumes)
{
    CChromaKeyDlg dialog(view_.window, view_);
    Texts onDialog, onDesktop, closed;
    Shown afterDialog, afterDesktop;
    bool openAfterDrops = false;
    INT_PTR result = Run(dialog, [&](HWND box) {
        size_t from = card_.Count();
        RECT r{};
        GetWindowRect(box, &r);
        Input(kxtest::DragFromTo(Centre(box, IDC_FINDER), POINT{r.left + 30, r.bottom - 30}));
        afterDialog = Look(box);
        onDialog = card_.Since(from);
        from = card_.Count();
        Input(kxtest::DragFromTo(Centre(box, IDC_FINDER), POINT{100, 700}));
        afterDesktop = Look(box);
        onDesktop = card_.Since(from);
        openAfterDrops = IsWindowVisible(box);
        from = card_.Count();
        Input(kxtest::ClickAt(CloseBox(box)));
        closed = card_.Since(from);
    });
    const Texts resumed{kFreeze, kKeyingOff, kVideoKeyOn, kUnfreeze};
    EXPECT_EQ(resumed, onDialog);
    EXPECT_EQ(resumed, onDesktop);
    EXPECT_FALSE(afterDialog.captureHeld);
    EXPECT_FALSE(afterDesktop.captureHeld);
    EXPECT_TRUE(openAfterDrops);
    // The close box is Stop too.
    EXPECT_EQ(IDCANCEL, result);
    EXPECT_EQ((Texts{kKeyingOff, kVideoKeyOn, kVideoKeyOn}), closed);
    EXPECT_FALSE(view_.frozen);
}

// A drag that ends without the button being released is put back like a
// drop on no target: nothing stays frozen, captured or keyed off.
TEST_F(ChromaKeyDialogTest, BrokenOffDragsAreCleanedUp)
{
    CChromaKeyDlg dialog(view_.window, view_);
    Texts cancelledMode, escaped;
    Shown afterCancelMode;
    INT_PTR result = Run(dialog, [&](HWND box) {
        size_t from = card_.Count();
        Input(kxtest::MoveTo(Centre(box, IDC_FINDER)) + " mousedown 1 sleep 0.2 " +
              kxtest::MoveTo(kxtest::ScreenPoint(view_.window, POINT{50, 50})));
        SendMessageA(box, WM_CANCELMODE, 0, 0);
        Sleep(100);
        afterCancelMode = Look(box);
        Input("mouseup 1");
        cancelledMode = card_.Since(from);

        from = card_.Count();
        Input(kxtest::MoveTo(Centre(box, IDC_FINDER)) + " mousedown 1 sleep 0.2 " +
              kxtest::MoveTo(kxtest::ScreenPoint(view_.window, POINT{60, 60})) + " key Escape sleep 0.2 mouseup 1");
        escaped = card_.Since(from);
    });
    EXPECT_EQ((Texts{kFreeze, kKeyingOff, kVideoKeyOn, kUnfreeze}), cancelledMode)
        << "no pick from the release that came after";
    EXPECT_FALSE(afterCancelMode.captureHeld);
    EXPECT_EQ(IDCANCEL, result);
    EXPECT_EQ((Texts{kFreeze, kKeyingOff, kVideoKeyOn, kUnfreeze, kKeyingOff, kVideoKeyOn, kVideoKeyOn}), escaped);
    EXPECT_FALSE(view_.frozen);
    EXPECT_EQ(nullptr, GetCapture());
}

// Whether opening lets the video run is the main frame's copy of the
// preference, which the view hands on; the settings store's present value
// does not count.  Un&freeze lets a frozen video run and is then disabled.
TEST_F(ChromaKeyDialogTest, OpeningUnfreezesByTheFramesCopyOfThePreference)
{
    view_.frozen = true;
    view_.unfreezePreference = true;
    Store().WriteNumber("Preferences", "Unfreeze", 0);
    Texts openedWithCopySet;
    Shown shownWithCopySet;
    {
        CChromaKeyDlg dialog(view_.window, view_);
        Run(dialog, [&](HWND box) {
            shownWithCopySet = Look(box);
            openedWithCopySet = card_.Since(0);
            Click(box, IDOK);
        });
    }
    EXPECT_EQ((Texts{kUnfreeze}), openedWithCopySet);
    EXPECT_FALSE(shownWithCopySet.unfreezeEnabled);
    EXPECT_FALSE(view_.frozen);

    view_.frozen = true;
    view_.unfreezePreference = false;
    Store().WriteNumber("Preferences", "Unfreeze", 1);
    size_t from = card_.Count();
    Texts openedWithCopyClear, clicked;
    Shown shownWithCopyClear, afterClick;
    bool frozenBeforeClick = false;
    CChromaKeyDlg dialog(view_.window, view_);
    Run(dialog, [&](HWND box) {
        shownWithCopyClear = Look(box);
        openedWithCopyClear = card_.Since(from);
        frozenBeforeClick = view_.frozen;
        size_t before = card_.Count();
        Click(box, IDC_UNFREEZE);
        afterClick = Look(box);
        clicked = card_.Since(before);
        Click(box, IDOK);
    });
    EXPECT_EQ(Texts{}, openedWithCopyClear) << "the store's value was not the frame's";
    EXPECT_TRUE(shownWithCopyClear.unfreezeEnabled);
    EXPECT_TRUE(frozenBeforeClick);
    EXPECT_EQ((Texts{kUnfreeze}), clicked);
    EXPECT_FALSE(afterClick.unfreezeEnabled);
    EXPECT_FALSE(view_.frozen);
}

// With the video exported and keying off, the dialog opens for the Finder
// only: Stop disabled, no swatch, and the "Hide Video Deck" box, whose
// stored tick hides the main window at once.  Ticking and clearing the box
// hides and shows the main window; OK stores the tick and shows it again.
TEST_F(ChromaKeyDialogTest, ExportedVideoOffersToHideTheDeck)
{
    HWND target = CreateWindowExA(0, "ChromaTestView", "Export Target", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 420,
                                  300, 200, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    view_.exportTarget = target;
    Store().WriteNumber("ChromaKey", "Hide", 1);
    Pump(100);
    CChromaKeyDlg dialog(view_.window, view_);
    Shown shown;
    Texts atOpening;
    UINT tickAtOpening = BST_UNCHECKED;
    bool mainVisibleAtOpening = true, mainVisibleAfterClear = false, mainVisibleAfterTick = true;
    INT_PTR result = Run(dialog, [&](HWND box) {
        shown = Look(box);
        atOpening = card_.Since(0);
        tickAtOpening = IsDlgButtonChecked(box, IDC_HIDE_VIDEO_DECK);
        mainVisibleAtOpening = IsWindowVisible(main_);
        Click(box, IDC_HIDE_VIDEO_DECK);
        mainVisibleAfterClear = IsWindowVisible(main_);
        Click(box, IDC_HIDE_VIDEO_DECK);
        mainVisibleAfterTick = IsWindowVisible(main_);
        Click(box, IDOK);
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ((Texts{kUnfreeze}), atOpening) << "no point, so nothing is picked";
    EXPECT_FALSE(shown.stopEnabled);
    EXPECT_FALSE(shown.swatchVisible);
    EXPECT_TRUE(shown.hideBoxVisible);
    EXPECT_EQ(static_cast<UINT>(BST_CHECKED), tickAtOpening);
    EXPECT_FALSE(mainVisibleAtOpening);
    EXPECT_TRUE(mainVisibleAfterClear);
    EXPECT_FALSE(mainVisibleAfterTick);
    EXPECT_TRUE(IsWindowVisible(main_)) << "OK shows the deck again";
    EXPECT_EQ(1u, Store().ReadNumber("ChromaKey", "Hide", 9));
    EXPECT_TRUE(view_.active);
    DestroyWindow(target);
}

// Stop with the deck hidden shows it again but, unlike OK, keeps the stored tick.
TEST_F(ChromaKeyDialogTest, StopShowsTheHiddenDeckWithoutStoringTheTick)
{
    HWND target = CreateWindowExA(0, "ChromaTestView", "Export Target", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 420,
                                  300, 200, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    view_.exportTarget = target;
    view_.active = true;
    Pump(100);
    CChromaKeyDlg dialog(view_.window, view_);
    Shown shown;
    bool mainVisibleAfterTick = true;
    INT_PTR result = Run(dialog, [&](HWND box) {
        shown = Look(box);
        Click(box, IDC_HIDE_VIDEO_DECK);
        mainVisibleAfterTick = IsWindowVisible(main_);
        Click(box, IDC_STOP);
    });
    EXPECT_EQ(IDCANCEL, result);
    EXPECT_TRUE(shown.stopEnabled) << "keying is on: Stop stays";
    EXPECT_TRUE(shown.hideBoxVisible);
    EXPECT_FALSE(mainVisibleAfterTick);
    EXPECT_TRUE(IsWindowVisible(main_));
    EXPECT_EQ(9u, Store().ReadNumber("ChromaKey", "Hide", 9));
    EXPECT_FALSE(view_.active);
    DestroyWindow(target);
}

// Other windows ending a drag: the capture taken by another window of the
// program, another top-level window coming forward, the dialog closed.  Each
// time the highlight goes (the screen round the view is as before the drag),
// the capture is let go, the video runs again and the video key is off.
TEST_F(ChromaKeyDialogTest, DragsEndedByOtherWindowsAreCleanedUp)
{
    view_.keyLock = false;  // so the view's own video key on and off are seen
    DialogThreadErrand errand;
    ASSERT_TRUE(errand.Create());
    CChromaKeyDlg dialog(view_.window, view_);
    const std::vector<COLORREF> plain = FramePixels(view_.window);
    std::vector<COLORREF> highlighted, afterCapture, afterActivation, afterClose;
    Texts capture, activation, closed;
    HWND captureAfterTheft = nullptr;
    bool draggingAfterTheft = true, draggingAfterActivation = true, openAfterActivation = false;
    Shown afterActivationShown;
    const std::string press = " mousedown 1 sleep 0.2 ";
    INT_PTR result = Run(dialog, [&](HWND box) {
        // Another window of the program takes the capture.
        size_t from = card_.Count();
        Input(kxtest::MoveTo(Centre(box, IDC_FINDER)) + press +
              kxtest::MoveTo(kxtest::ScreenPoint(view_.window, POINT{50, 50})));
        highlighted = FramePixels(view_.window);
        errand.Do([&] { SetCapture(errand); });
        Sleep(100);
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(GetWindowThreadProcessId(box, nullptr), &info);
        captureAfterTheft = info.hwndCapture;
        draggingAfterTheft = dialog.Dragging();
        afterCapture = FramePixels(view_.window);
        errand.Do([] { ReleaseCapture(); });
        Input("mouseup 1");
        capture = card_.Since(from);

        // Another program's window comes to the front.
        from = card_.Count();
        Input(kxtest::MoveTo(Centre(box, IDC_FINDER)) + press +
              kxtest::MoveTo(kxtest::ScreenPoint(view_.window, POINT{70, 60})));
        HWND other = CreateWindowExA(0, "ChromaTestView", "Other", WS_OVERLAPPED | WS_VISIBLE, 620, 20, 200, 120,
                                     nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        SetForegroundWindow(other);
        kxtest::Pump(300);
        draggingAfterActivation = dialog.Dragging();
        afterActivationShown = Look(box);
        afterActivation = FramePixels(view_.window);
        Input("mouseup 1");
        DestroyWindow(other);
        kxtest::Pump(100);
        openAfterActivation = IsWindowVisible(box);
        activation = card_.Since(from);

        // The dialog is closed in the middle of a drag.
        from = card_.Count();
        Input(kxtest::MoveTo(Centre(box, IDC_FINDER)) + press +
              kxtest::MoveTo(kxtest::ScreenPoint(view_.window, POINT{90, 80})));
        SendMessageA(box, WM_CLOSE, 0, 0);
        Sleep(100);
        afterClose = FramePixels(view_.window);
        Input("mouseup 1");
        closed = card_.Since(from);
    });
    const Texts broken{kFreeze,          kKeyingOff, kVideoKeyOn, kVideoKeyOn, "set VCKX310 video key off",
                       kUnfreeze, "set VCKX310 video key off"};
    EXPECT_NE(plain, highlighted) << "the drag frames the view";
    EXPECT_EQ(broken, capture) << "no pick from the release that came after";
    EXPECT_EQ(static_cast<HWND>(errand), captureAfterTheft);
    EXPECT_FALSE(draggingAfterTheft);
    EXPECT_EQ(plain, afterCapture);

    EXPECT_EQ(broken, activation);
    EXPECT_FALSE(draggingAfterActivation);
    EXPECT_FALSE(afterActivationShown.captureHeld);
    EXPECT_TRUE(openAfterActivation);
    EXPECT_EQ(plain, afterActivation);

    // Closing is Stop after the drag is put back.
    EXPECT_EQ(IDCANCEL, result);
    EXPECT_EQ(Concat({broken, {kKeyingOff, kVideoKeyOn, kVideoKeyOn}}), closed);
    EXPECT_EQ(plain, afterClose);
    EXPECT_FALSE(view_.frozen);
    EXPECT_TRUE(view_.keyLock);
    EXPECT_EQ(nullptr, GetCapture());
}

// The dialog destroyed by the program while the Finder is dragged: the
// drag is put back before the window goes.
TEST_F(ChromaKeyDialogTest, DialogDestroyedDuringADragPutsTheDragBack)
{
    view_.keyLock = false;
    DialogThreadErrand errand;
    ASSERT_TRUE(errand.Create());
    CChromaKeyDlg dialog(view_.window, view_);
    const std::vector<COLORREF> plain = FramePixels(view_.window);
    std::vector<COLORREF> highlighted, afterDestroy;
    Texts sent;
    Run(dialog, [&](HWND box) {
        size_t from = card_.Count();
        Input(kxtest::MoveTo(Centre(box, IDC_FINDER)) + " mousedown 1 sleep 0.2 " +
              kxtest::MoveTo(kxtest::ScreenPoint(view_.window, POINT{50, 50})));
        highlighted = FramePixels(view_.window);
        // The dialog manager's loop sees the window gone with its next message.
        errand.Do([box, &errand] {
            DestroyWindow(box);
            PostMessageA(errand, WM_NULL, 0, 0);
        });
        Input("mouseup 1");
        sent = card_.Since(from);
    });
    // What the dialog's thread drew reaches the screen as the thread goes on
    // handling messages.
    Pump(200);
    afterDestroy = FramePixels(view_.window);
    EXPECT_NE(plain, highlighted);
    EXPECT_EQ((Texts{kFreeze, kKeyingOff, kVideoKeyOn, kVideoKeyOn, "set VCKX310 video key off", kUnfreeze,
                     "set VCKX310 video key off"}),
              sent);
    EXPECT_EQ(plain, afterDestroy);
    EXPECT_FALSE(view_.frozen);
    EXPECT_FALSE(dialog.Dragging());
    EXPECT_EQ(nullptr, GetCapture());
}

}  // namespace
