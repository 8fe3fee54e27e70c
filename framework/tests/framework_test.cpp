// The framework's own behaviour: table dispatch, the routing order frame ->
// view -> document -> application, command states in menus, accelerators,
// the scrolling view, dialogs with data exchange, property sheets, the file
// dialog's hook and the rectangle tracker.
#include "dialog.h"
#include "doc_template.h"
#include "document.h"
#include "file_dialog.h"
#include "frame_wnd.h"
#include "framework_test_ids.h"
#include "property_sheet.h"
#include "rect_tracker.h"
#include "scroll_view.h"
#include "win_app.h"
#include <gtest/gtest.h>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace {

using framework::CCmdUI;
using framework::CommandEntry;
using framework::Message;
using framework::MessageEntry;
using framework::UpdateEntry;

std::vector<std::string> ran;  // which object ran which command

void Pump(DWORD ms = 30)
{
    DWORD end = GetTickCount() + ms;
    do {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
        Sleep(2);
    } while (static_cast<LONG>(end - GetTickCount()) > 0);
}

class TestApp : public framework::Routed<TestApp, framework::CWinApp> {
public:
    void OnApp() { ran.push_back("app"); }
    void OnShared() { ran.push_back("app shared"); }
    static constexpr CommandEntry<TestApp> kCommands[] = {
        {ID_APP_COMMAND, &TestApp::OnApp},
        {ID_SHARED_COMMAND, &TestApp::OnShared},
    };
};

class TestDoc : public framework::Routed<TestDoc, framework::CDocument> {
public:
    void OnDoc() { ran.push_back("doc"); }
    void OnShared() { ran.push_back("doc shared"); }
    void OnUpdateText(CCmdUI& ui) { ui.SetText("New text"); }
    static constexpr CommandEntry<TestDoc> kCommands[] = {
        {ID_DOC_COMMAND, &TestDoc::OnDoc},
        {ID_SHARED_COMMAND, &TestDoc::OnShared},
    };
    static constexpr UpdateEntry<TestDoc> kUpdates[] = {
        {ID_TEXT_COMMAND, &TestDoc::OnUpdateText},
    };
};

UINT registeredPing = 0;

class TestView : public framework::Routed<TestView, framework::CScrollView> {
public:
    int pings = 0;
    int scrolled = 0;
    bool checked = true;
    void OnView() { ran.push_back("view"); }
    void OnShared() { ran.push_back("view shared"); }
    void OnUpdateChecked(CCmdUI& ui) { ui.SetCheck(checked); }
    void OnUpdateRadio(CCmdUI& ui) { ui.SetRadio(true); }
    LRESULT OnPing(const Message& m) { pings += static_cast<int>(m.wParam); return 42; }
    using CScrollView::SetScrollSizes;

protected:
    void OnScrolled() override { ++scrolled; }

public:
    static constexpr CommandEntry<TestView> kCommands[] = {
        {ID_VIEW_COMMAND, &TestView::OnView},
        {ID_SHARED_COMMAND, &TestView::OnShared},
        {ID_CHECKED_COMMAND, &TestView::OnView},
        {ID_RADIO_COMMAND, &TestView::OnView},
    };
    static constexpr UpdateEntry<TestView> kUpdates[] = {
        {ID_CHECKED_COMMAND, &TestView::OnUpdateChecked},
        {ID_RADIO_COMMAND, &TestView::OnUpdateRadio},
    };
    static constexpr MessageEntry<TestView> kMessages[] = {
        {&registeredPing, &TestView::OnPing},
    };
};

class TestFrame : public framework::Routed<TestFrame, framework::CFrameWnd> {
public:
    void OnFrame() { ran.push_back("frame"); }
    void OnShared() { ran.push_back("frame shared"); }
    static constexpr CommandEntry<TestFrame> kCommands[] = {
        {ID_FRAME_COMMAND, &TestFrame::OnFrame},
        {ID_SHARED_COMMAND, &TestFrame::OnShared},
    };
};

class RoutingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        registeredPing = RegisterWindowMessageA("KxFrameworkTestPing");
        ran.clear();
        app_.Initialize(GetModuleHandleA(nullptr), SW_SHOWNORMAL);
        app_.AddDocTemplate(std::make_unique<framework::CSingleDocTemplate>(
            IDR_TEST_FRAME, [] { return std::make_unique<TestDoc>(); }, [] { return new TestFrame; },
            [] { return new TestView; }));
        ASSERT_TRUE(app_.OpenNewDocument());
        frame_ = static_cast<TestFrame*>(app_.MainFrame());
        view_ = static_cast<TestView*>(frame_->ActiveView());
        Pump();
    }
    void TearDown() override
    {
        if (app_.MainFrame())
            DestroyWindow(app_.MainFrame()->Handle());
        Pump();
    }
    void Command(UINT id, UINT code = 0) { SendMessageA(frame_->Handle(), WM_COMMAND, MAKEWPARAM(id, code), 0); }
    UINT MenuState(UINT id)
    {
        HMENU popup = GetSubMenu(GetMenu(frame_->Handle()), 0);
        SendMessageA(frame_->Handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), 0);
        return GetMenuState(popup, id, MF_BYCOMMAND);
    }

    TestApp app_;
    TestFrame* frame_ = nullptr;
    TestView* view_ = nullptr;
};

TEST_F(RoutingTest, EachCommandReachesTheFirstObjectThatHandlesIt)
{
    Command(ID_FRAME_COMMAND);
    Command(ID_VIEW_COMMAND);
    Command(ID_DOC_COMMAND);
    Command(ID_APP_COMMAND);
    Command(ID_NOBODY_COMMAND);
    Command(ID_SHARED_COMMAND);  // frame, view, document and application all have it
    EXPECT_EQ((std::vector<std::string>{"frame", "view", "doc", "app", "frame shared"}), ran);
}

TEST_F(RoutingTest, MenuStatesFollowHandlersAndUpdaters)
{
    EXPECT_FALSE(MenuState(ID_FRAME_COMMAND) & MF_GRAYED);
    EXPECT_FALSE(MenuState(ID_APP_COMMAND) & MF_GRAYED);
    EXPECT_TRUE(MenuState(ID_NOBODY_COMMAND) & MF_GRAYED);
    EXPECT_TRUE(MenuState(ID_CHECKED_COMMAND) & MF_CHECKED);
    view_->checked = false;
    EXPECT_FALSE(MenuState(ID_CHECKED_COMMAND) & MF_CHECKED);

    HMENU popup = GetSubMenu(GetMenu(frame_->Handle()), 0);
    MenuState(ID_RADIO_COMMAND);
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE;
    ASSERT_TRUE(GetMenuItemInfoA(popup, ID_RADIO_COMMAND, FALSE, &info));
    EXPECT_TRUE(info.fType & MFT_RADIOCHECK);
    EXPECT_TRUE(info.fState & MFS_CHECKED);

    char text[64] = {};
    GetMenuStringA(popup, ID_TEXT_COMMAND, text, sizeof text, MF_BYCOMMAND);
    EXPECT_STREQ("New text", text);
    // The document's updater set only the text: the command has no handler.
    EXPECT_TRUE(MenuState(ID_TEXT_COMMAND) & MF_GRAYED);
}

TEST_F(RoutingTest, AcceleratorsRunEnabledCommandsOnly)
{
    MSG key{frame_->Handle(), WM_KEYDOWN, VK_F5, 0, 0, {0, 0}};
    EXPECT_TRUE(frame_->PreTranslateMessage(key));
    MSG disabled{view_->Handle(), WM_KEYDOWN, VK_F6, 0, 0, {0, 0}};
    frame_->PreTranslateMessage(disabled);
    MSG other{frame_->Handle(), WM_KEYDOWN, VK_F7, 0, 0, {0, 0}};
    EXPECT_FALSE(frame_->PreTranslateMessage(other));
    EXPECT_EQ((std::vector<std::string>{"view"}), ran);
}

// A target with range entries and its tables kept protected, as the
// programs' classes keep theirs.
class RangeTarget : public framework::Routed<RangeTarget, framework::CCmdTarget> {
public:
    std::vector<UINT> commands, updated;

protected:
    void OnRange(UINT id) { commands.push_back(id); }
    void OnSingle() { commands.push_back(0); }
    void OnUpdateRange(CCmdUI& ui) { updated.push_back(ui.Id()); ui.Enable(ui.Id() != 102); }

    friend struct framework::TableAccess;
    static constexpr CommandEntry<RangeTarget> kCommands[] = {
        {framework::IdRange{100, 102}, &RangeTarget::OnRange},
        {103, &RangeTarget::OnSingle},
        {framework::IdRange{110, 110}, &RangeTarget::OnRange},
    };
    static constexpr UpdateEntry<RangeTarget> kUpdates[] = {
        {framework::IdRange{100, 102}, &RangeTarget::OnUpdateRange},
    };
};

TEST(TableTest, RangeEntriesPassTheIdAndCoverBothEnds)
{
    RangeTarget target;
    for (UINT id : {99u, 100u, 101u, 102u, 103u, 104u, 110u, 111u})
        target.HandleCommand(id, 0);
    EXPECT_EQ((std::vector<UINT>{100, 101, 102, 0, 110}), target.commands);
    // An accelerator (code 1) runs the range; a control notification does not.
    EXPECT_TRUE(target.HandleCommand(101, 1));
    EXPECT_FALSE(target.HandleCommand(101, EN_CHANGE));
    EXPECT_TRUE(target.HasCommand(102));
    EXPECT_FALSE(target.HasCommand(109));

    for (UINT id : {99u, 100u, 102u, 103u}) {
        CCmdUI ui = CCmdUI::Probe(id);
        bool handled = target.HandleUpdate(ui);
        EXPECT_EQ(id >= 100 && id <= 102, handled) << id;
        EXPECT_EQ(handled, ui.EnableWasSet()) << id;
        if (handled) {
            EXPECT_EQ(id != 102, ui.Enabled()) << id;
        }
    }
    EXPECT_EQ((std::vector<UINT>{100, 102}), target.updated);
}

TEST_F(RoutingTest, RegisteredMessagesDispatchThroughTheTable)
{
    EXPECT_EQ(42, SendMessageA(view_->Handle(), registeredPing, 3, 0));
    EXPECT_EQ(42, SendMessageA(view_->Handle(), registeredPing, 4, 0));
    EXPECT_EQ(7, view_->pings);
}

TEST_F(RoutingTest, ScrollViewMovesByLinesAndPagesWithinItsTotal)
{
    RECT client{};
    GetClientRect(view_->Handle(), &client);
    const SIZE total{client.right + 1000, client.bottom + 500};
    view_->SetScrollSizes(total, SIZE{200, 100}, SIZE{20, 10});
    GetClientRect(view_->Handle(), &client);  // the scroll bars took room
    HWND v = view_->Handle();
    SendMessageA(v, WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(10, view_->ScrollPosition().y);
    SendMessageA(v, WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_EQ(110, view_->ScrollPosition().y);
    SendMessageA(v, WM_VSCROLL, SB_PAGEUP, 0);
    SendMessageA(v, WM_VSCROLL, SB_PAGEUP, 0);
    EXPECT_EQ(0, view_->ScrollPosition().y);
    SendMessageA(v, WM_HSCROLL, SB_BOTTOM, 0);
    EXPECT_EQ(total.cx - client.right, view_->ScrollPosition().x);
    SendMessageA(v, WM_HSCROLL, SB_LINEDOWN, 0);  // already at the end
    EXPECT_EQ(total.cx - client.right, view_->ScrollPosition().x);
    EXPECT_EQ(5, view_->scrolled);  // every move but the last
}

class RefusingView : public framework::Routed<RefusingView, framework::CView> {
public:
    static int alive;
    RefusingView() { ++alive; }
    ~RefusingView() override { --alive; }
    LRESULT OnCreate(const Message&) { return -1; }
    static constexpr MessageEntry<RefusingView> kMessages[] = {
        {WM_CREATE, &RefusingView::OnCreate},
    };
};
int RefusingView::alive = 0;

TEST(DocTemplateTest, AViewThatCannotBeCreatedFailsTheDocumentCleanly)
{
    TestApp app;
    app.Initialize(GetModuleHandleA(nullptr), SW_SHOWNORMAL);
    app.AddDocTemplate(std::make_unique<framework::CSingleDocTemplate>(
        IDR_TEST_FRAME, [] { return std::make_unique<TestDoc>(); }, [] { return new TestFrame; },
        [] { return new RefusingView; }));
    EXPECT_FALSE(app.OpenNewDocument());
    EXPECT_EQ(nullptr, app.MainFrame());
    EXPECT_EQ(0, RefusingView::alive);  // deleted exactly once
    EXPECT_EQ(nullptr, FindWindowA(framework::CFrameWnd::kClassName, nullptr));
}

// Runs `act` on another thread against the first visible dialog box with the
// given caption, while the test's thread runs the modal loop.
class DialogDriver {
public:
    DialogDriver(const char* caption, std::function<void(HWND)> act)
        : thread_([caption = std::string(caption), act] {
              for (int i = 0; i < 400; ++i, Sleep(25)) {
                  HWND box = FindWindowA("#32770", caption.c_str());
                  if (box && IsWindowVisible(box)) {
                      act(box);
                      return;
                  }
              }
          })
    {
    }
    ~DialogDriver() { thread_.join(); }

private:
    std::thread thread_;
};

class ValuesDialog : public framework::Routed<ValuesDialog, framework::CDialog> {
public:
    ValuesDialog() : Routed(IDD_VALUES) {}
    int number = 5;
    std::string name = "first";
    int check = 1;
    int choice = 2;
    int counted = 0;
    void OnCount() { ++counted; }
    static constexpr CommandEntry<ValuesDialog> kCommands[] = {
        {IDC_COUNT, BN_CLICKED, &ValuesDialog::OnCount},
    };

protected:
    void DoDataExchange(framework::CDataExchange& dx) override
    {
        dx.Integer(IDC_NUMBER, number, 1, 99);
        dx.Text(IDC_NAME, name, 20);
        dx.Check(IDC_CHECK, check);
        dx.Radio(IDC_RADIO1, 3, choice);
    }
};

TEST(DialogTest, ValuesGoInAndComeBackOnOk)
{
    ValuesDialog dialog;
    std::string shown;
    int shownCheck = -1, shownRadio3 = -1;
    std::string rangeMessage;
    DialogDriver driver("Values", [&](HWND box) {
        char text[64] = {};
        GetDlgItemTextA(box, IDC_NUMBER, text, sizeof text);
        shown = text;
        shownCheck = static_cast<int>(SendDlgItemMessageA(box, IDC_CHECK, BM_GETCHECK, 0, 0));
        shownRadio3 = static_cast<int>(SendDlgItemMessageA(box, IDC_RADIO3, BM_GETCHECK, 0, 0));
        SendMessageA(box, WM_COMMAND, MAKEWPARAM(IDC_COUNT, BN_CLICKED), 0);
        // Out of range: the dialog says so and stays open.
        SetDlgItemTextA(box, IDC_NUMBER, "100");
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        HWND error = nullptr;
        for (int i = 0; i < 200 && !error; ++i, Sleep(25)) {
            HWND candidate = FindWindowA("#32770", "Error");
            if (candidate && candidate != box && IsWindowVisible(candidate))
                error = candidate;
        }
        if (error) {
            HWND child = GetWindow(error, GW_CHILD);
            for (; child; child = GetWindow(child, GW_HWNDNEXT)) {
                char cls[16] = {}, t[128] = {};
                GetClassNameA(child, cls, sizeof cls);
                if (lstrcmpiA(cls, "Static") == 0 && GetWindowTextA(child, t, sizeof t) > 0)
                    rangeMessage += t;
            }
            SendMessageA(error, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        }
        Sleep(100);
        SetDlgItemTextA(box, IDC_NUMBER, "42");
        SetDlgItemTextA(box, IDC_NAME, "second");
        SendDlgItemMessageA(box, IDC_CHECK, BM_SETCHECK, BST_UNCHECKED, 0);
        SendDlgItemMessageA(box, IDC_RADIO3, BM_SETCHECK, BST_UNCHECKED, 0);
        SendDlgItemMessageA(box, IDC_RADIO1, BM_SETCHECK, BST_CHECKED, 0);
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ("5", shown);
    EXPECT_EQ(BST_CHECKED, shownCheck);
    EXPECT_EQ(BST_CHECKED, shownRadio3);
    EXPECT_EQ("Please enter an integer between 1 and 99.", rangeMessage);
    EXPECT_EQ(1, dialog.counted);
    EXPECT_EQ(42, dialog.number);
    EXPECT_EQ("second", dialog.name);
    EXPECT_EQ(0, dialog.check);
    EXPECT_EQ(0, dialog.choice);
}

TEST(DialogTest, CancelKeepsTheMembers)
{
    ValuesDialog dialog;
    DialogDriver driver("Values", [](HWND box) {
        SetDlgItemTextA(box, IDC_NUMBER, "77");
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    });
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    EXPECT_EQ(5, dialog.number);
}

class NumberPage : public framework::Routed<NumberPage, framework::CPropertyPage> {
public:
    NumberPage() : Routed(IDD_PAGE_ONE) {}
    int number = 1;
    int applied = 0;

protected:
    void DoDataExchange(framework::CDataExchange& dx) override { dx.Integer(IDC_NUMBER, number, 0, 1000); }
    bool OnApply() override
    {
        ++applied;
        return true;
    }
};

class NamePage : public framework::Routed<NamePage, framework::CPropertyPage> {
public:
    NamePage() : Routed(IDD_PAGE_TWO) {}
    std::string name = "none";
    int activated = 0;

protected:
    void DoDataExchange(framework::CDataExchange& dx) override { dx.Text(IDC_NAME, name); }
    bool OnSetActive() override
    {
        ++activated;
        return true;
    }
};

class TestSheet : public framework::Routed<TestSheet, framework::CPropertySheet> {
public:
    TestSheet() : Routed("Sheet") {}
    bool initialized = false;

protected:
    void OnInitialized() override { initialized = Handle() != nullptr; }
};

TEST(PropertySheetTest, PagesExchangeTheirValuesWhenLeftAndOnOk)
{
    TestSheet sheet;
    NumberPage one;
    NamePage two;
    sheet.AddPage(&one);
    sheet.AddPage(&two);
    DialogDriver driver("Sheet", [](HWND box) {
        HWND page = reinterpret_cast<HWND>(SendMessageA(box, PSM_GETCURRENTPAGEHWND, 0, 0));
        SetDlgItemTextA(page, IDC_NUMBER, "321");
        SendMessageA(box, PSM_SETCURSEL, 1, 0);
        Sleep(50);
        page = reinterpret_cast<HWND>(SendMessageA(box, PSM_GETCURRENTPAGEHWND, 0, 0));
        SetDlgItemTextA(page, IDC_NAME, "named");
        SendMessageA(box, PSM_PRESSBUTTON, PSBTN_OK, 0);
    });
    EXPECT_EQ(IDOK, sheet.DoModal());
    EXPECT_TRUE(sheet.initialized);
    EXPECT_EQ(321, one.number);
    EXPECT_EQ(1, one.applied);
    EXPECT_EQ("named", two.name);
    EXPECT_EQ(1, two.activated);
}

class RejectingOnceDialog : public framework::Routed<RejectingOnceDialog, framework::CFileDialog> {
public:
    RejectingOnceDialog() : Routed(true, "Text files (*.txt)|*.txt|All Files (*.*)|*.*|") {}
    int asked = 0;
    bool initialised = false;

protected:
    bool OnInitDialog() override
    {
        initialised = true;
        return true;
    }
    bool OnFileNameOK() override { return ++asked > 1; }
};

TEST(FileDialogTest, HookSeesTheDialogAndCanRefuseAName)
{
    char dir[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, dir);
    std::string path = std::string(dir) + "kx_file_dialog_test.txt";
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    CloseHandle(file);

    RejectingOnceDialog dialog;
    dialog.SetTitle("Pick Test");
    DialogDriver driver("Pick Test", [&](HWND box) {
        SetDlgItemTextA(box, 0x480, path.c_str());  // the file name box of the old-style dialog
        SendMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        Sleep(100);
        if (IsWindow(box)) {
            SetDlgItemTextA(box, 0x480, path.c_str());
            PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        }
    });
    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_TRUE(dialog.initialised);
    EXPECT_EQ(2, dialog.asked);
    EXPECT_EQ(0, lstrcmpiA(path.c_str(), dialog.PathName().c_str())) << dialog.PathName();
    EXPECT_EQ(1u, dialog.FilterIndex());
    DeleteFileA(path.c_str());
}

class TemplateFileDialog : public framework::Routed<TemplateFileDialog, framework::CFileDialog> {
public:
    TemplateFileDialog() : Routed(true, "All Files (*.*)|*.*|", nullptr, IDD_FILE_TEMPLATE) {}
    int extraClicks = 0;
    bool extraShown = false;
    void OnExtra() { ++extraClicks; }
    static constexpr CommandEntry<TemplateFileDialog> kCommands[] = {
        {IDC_EXTRA, BN_CLICKED, &TemplateFileDialog::OnExtra},
    };

protected:
    bool OnInitDialog() override
    {
        extraShown = Item(IDC_EXTRA) != nullptr;
        return true;
    }
};

TEST(FileDialogTest, CustomTemplateControlsReachTheCommandTable)
{
    TemplateFileDialog dialog;
    dialog.SetTitle("Template Test");
    DialogDriver driver("Template Test", [](HWND box) {
        SendMessageA(box, WM_COMMAND, MAKEWPARAM(IDC_EXTRA, BN_CLICKED), 0);
        SendMessageA(box, WM_COMMAND, MAKEWPARAM(IDC_EXTRA, BN_CLICKED), 0);
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    });
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    EXPECT_TRUE(dialog.extraShown);
    EXPECT_EQ(2, dialog.extraClicks);
}

TEST(RectTrackerTest, HitTestFindsHandlesInsideAndOutside)
{
    using T = framework::CRectTracker;
    T tracker(RECT{100, 100, 200, 160}, T::kHatchedBorder | T::kResizeOutside);
    EXPECT_EQ(T::kHitTopLeft, tracker.HitTest(POINT{95, 95}));
    EXPECT_EQ(T::kHitBottomRight, tracker.HitTest(POINT{204, 164}));
    EXPECT_EQ(T::kHitTop, tracker.HitTest(POINT{150, 96}));
    EXPECT_EQ(T::kHitLeft, tracker.HitTest(POINT{96, 130}));
    EXPECT_EQ(T::kHitMiddle, tracker.HitTest(POINT{150, 130}));
    EXPECT_EQ(T::kHitNothing, tracker.HitTest(POINT{300, 300}));
    tracker.SetStyle(T::kHatchedBorder);  // no handles
    EXPECT_EQ(T::kHitNothing, tracker.HitTest(POINT{95, 95}));
}

TEST(RectTrackerTest, DraggingAHandleMovesOnlyItsEdgesAndKeepsTheMinimumSize)
{
    using T = framework::CRectTracker;
    T tracker(RECT{100, 100, 200, 160}, T::kResizeOutside);
    const RECT start = tracker.Rect();
    auto same = [](RECT a, RECT b) { return EqualRect(&a, &b) != 0; };
    EXPECT_TRUE(same(RECT{110, 90, 200, 160}, tracker.Dragged(start, T::kHitTopLeft, 10, -10)));
    EXPECT_TRUE(same(RECT{100, 100, 230, 160}, tracker.Dragged(start, T::kHitRight, 30, 50)));
    EXPECT_TRUE(same(RECT{100, 100, 200, 175}, tracker.Dragged(start, T::kHitBottom, 7, 15)));
    EXPECT_TRUE(same(RECT{105, 95, 205, 155}, tracker.Dragged(start, T::kHitMiddle, 5, -5)));
    // Dragged past the opposite edge: the rectangle keeps its minimum size.
    EXPECT_TRUE(same(RECT{196, 100, 200, 160}, tracker.Dragged(start, T::kHitLeft, 500, 0)));
    EXPECT_TRUE(same(RECT{100, 100, 200, 104}, tracker.Dragged(start, T::kHitBottom, 0, -500)));
}

TEST(RectTrackerTest, DrawsHatchedBorderAndBlackHandles)
{
    using T = framework::CRectTracker;
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 300, 300);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    RECT all{0, 0, 300, 300};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    T tracker(RECT{100, 100, 200, 160}, T::kHatchedBorder | T::kResizeOutside);
    tracker.Draw(dc);
    RECT handle = tracker.HandleRect(T::kHitTopRight);
    EXPECT_EQ(RGB(0, 0, 0), GetPixel(dc, handle.left + 2, handle.top + 2));
    int dark = 0;
    for (int x = 110; x < 190; ++x)  // along the band above the rectangle
        dark += GetPixel(dc, x, 97) == RGB(0, 0, 0);
    EXPECT_GT(dark, 5);
    EXPECT_LT(dark, 80);  // hatched, not solid
    EXPECT_EQ(RGB(255, 255, 255), GetPixel(dc, 150, 130));  // the inside is left alone
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

}  // namespace
