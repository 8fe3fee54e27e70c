// The region selection and the text annotations in the viewer's frame, with
// the card's commands recorded: rubber bands dragged with the real mouse,
// the region commands' sequences and freeze rules, Paste's state from the
// real clipboard, the context menus, and texts typed, moved, re-fonted and
// drawn over each other.
#include "main_frame.h"
#include "overlay_viewer.h"
#include "real_input.h"
#include "recording_transport.h"
#include "resource.h"
#include "vd_doc.h"
#include "vd_view.h"
#include "viewer_frame_fixture.h"
#include "window_test_support.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <string>

namespace {

constexpr char kTestCompanyKey[] = "KX310 Tests\\regions";
constexpr UINT kStatusBarId = 0xE801;

std::string At(int x, int y, int w, int h)
{
    return "at " + std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(w) + " " + std::to_string(h);
}

class RegionTextTest : public test_support::ViewerFrameFixture {
protected:
    RegionTextTest() : ViewerFrameFixture(kTestCompanyKey) {}

    void SetUp() override
    {
        RecordCommands(&driver);
        ViewerFrameFixture::SetUp();
        OpenFrame();
        view_ = dynamic_cast<CVDView*>(frame_->ActiveView());
        ASSERT_NE(nullptr, view_);
        SetForegroundWindow(frameWnd_);
        test_support::Pump(100);
    }
    void TearDown() override
    {
        if (OpenClipboard(nullptr)) {
            EmptyClipboard();
            CloseClipboard();
        }
        ViewerFrameFixture::TearDown();
    }

    void Command(UINT id) { SendMessageA(frameWnd_, WM_COMMAND, MAKEWPARAM(id, 0), 0); }

    framework::CCmdUI Probe(UINT id)
    {
        framework::CCmdUI ui = framework::CCmdUI::Probe(id);
        frame_->RouteUpdate(ui);
        return ui;
    }

    std::vector<std::string> SentSince(size_t from) const
    {
        std::vector<std::string> texts = driver.Texts();
        return std::vector<std::string>(texts.begin() + static_cast<long>(std::min(from, texts.size())), texts.end());
    }

    // A band dragged with the real mouse between two client points.
    void Drag(POINT from, POINT to)
    {
        ASSERT_TRUE(kxtest::RunXdotool(kxtest::DragFromTo(kxtest::ScreenPoint(view_->Handle(), from),
                                                          kxtest::ScreenPoint(view_->Handle(), to)),
                                       [] { test_support::Pump(5); }));
        test_support::Pump(100);
    }

    void Click(POINT at, int button = 1)
    {
        ASSERT_TRUE(kxtest::RunXdotool(kxtest::ClickAt(kxtest::ScreenPoint(view_->Handle(), at), button),
                                       [] { test_support::Pump(5); }));
        test_support::Pump(100);
    }

    void Type(const std::string& keys)
    {
        ASSERT_TRUE(kxtest::RunXdotool(keys, [] { test_support::Pump(5); }));
        test_support::Pump(100);
    }

    std::string Pane(int pane) const
    {
        char text[64] = {};
        SendDlgItemMessageA(frameWnd_, kStatusBarId, SB_GETTEXTA, pane, reinterpret_cast<LPARAM>(text));
        return text;
    }

    const TextObjectList& Texts() const { return view_->Texts().Texts().List(); }

    COLORREF ViewPixel(int x, int y) const
    {
        HDC dc = GetDC(view_->Handle());
        const COLORREF c = GetPixel(dc, x, y);
        ReleaseDC(view_->Handle(), dc);
        return c;
    }

    RecordingTransport driver;
    CVDView* view_ = nullptr;
};

bool SameRect(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }

}  // namespace

TEST_F(RegionTextTest, ABandDraggedWithTheMouseIsNormalisedClippedAndActedOn)
{
    Drag(POINT{40, 30}, POINT{140, 100});
    EXPECT_TRUE(SameRect(RECT{40, 30, 140, 100}, view_->Selection()));
    EXPECT_EQ("100 x 70", Pane(kPaneSize));
    EXPECT_EQ("40, 30", Pane(kPanePosition));
    EXPECT_TRUE(Probe(ID_EDIT_COPY_TO).Enabled());
    EXPECT_TRUE(Probe(ID_EDIT_PASTE_FROM).Enabled());

    size_t from = driver.sent.size();
    Command(ID_EDIT_CLEAR);
    EXPECT_EQ((std::vector<std::string>{"freeze VCKX310 ", "delete VCKX310 " + At(40, 30, 100, 70)}), SentSince(from));

    // Up and to the left, past the client area's corner.
    const RECT client = view_->ClientRect();
    Drag(POINT{100, 80}, POINT{-30, -20});
    EXPECT_TRUE(SameRect(RECT{0, 0, 100, 80}, view_->Selection()));
    // Down and right past the other corner.
    Drag(POINT{client.right - 50, client.bottom - 40}, POINT{client.right + 40, client.bottom + 30});
    EXPECT_TRUE(SameRect(RECT{client.right - 50, client.bottom - 40, client.right, client.bottom}, view_->Selection()));

    // Zooming and scrolling keep the selection where it is in the window.
    Drag(POINT{40, 30}, POINT{140, 100});
    Command(ID_VIEW_ZOOM_IN);
    EXPECT_TRUE(SameRect(RECT{40, 30, 140, 100}, view_->Selection()));
    SendMessageA(view_->Handle(), WM_HSCROLL, MAKEWPARAM(SB_LINERIGHT, 0), 0);
    Command(ID_VIEW_ZOOM_OUT);
    EXPECT_TRUE(SameRect(RECT{40, 30, 140, 100}, view_->Selection()));

    // A plain click empties the selection: the commands act on everything.
    Click(POINT{20, 20});
    RECT none = view_->Selection();
    EXPECT_TRUE(IsRectEmpty(&none));
    EXPECT_FALSE(Probe(ID_EDIT_COPY_TO).Enabled());
    EXPECT_FALSE(Probe(ID_EDIT_PASTE_FROM).Enabled());
}

TEST_F(RegionTextTest, RegionCommandsFreezeAndActOnTheWholeClientAreaWithoutASelection)
{
    const RECT c = view_->ClientRect();
    const std::string all = At(0, 0, c.right, c.bottom);
    struct Case {
        UINT id;
        std::vector<std::string> sent;
        bool freezes;
    };
    const Case cases[] = {
        {ID_EDIT_CLEAR, {"freeze VCKX310 ", "delete VCKX310 " + all}, true},
        {ID_EDIT_CUT, {"freeze VCKX310 ", "copy VCKX310 type DIB 24-bit " + all, "delete VCKX310 " + all}, true},
        {ID_EDIT_COPY, {"copy VCKX310 type DIB 24-bit " + all}, false},
        {ID_EDIT_PASTE, {"freeze VCKX310 ", "paste VCKX310 " + all}, true},
    };
    // Paste needs a picture on the clipboard.
    ASSERT_TRUE(OpenClipboard(frameWnd_));
    EmptyClipboard();
    SetClipboardData(CF_BITMAP, CreateBitmap(4, 4, 1, 32, nullptr));
    CloseClipboard();
    for (const Case& k : cases) {
        if (view_->State().frozen)
            Command(ID_VIEW_FREEZE);   // back to live video
        ASSERT_FALSE(view_->State().frozen);
        const size_t from = driver.sent.size();
        Command(k.id);
        EXPECT_EQ(k.sent, SentSince(from)) << k.id;
        EXPECT_EQ(k.freezes, view_->State().frozen) << k.id;
    }
}

TEST_F(RegionTextTest, CutLeavesThePictureAloneWhenTheCopyFails)
{
    driver.error = 346;   // the card's "cannot copy"
    driver.failWhen = "copy ";
    const size_t from = driver.sent.size();
    Command(ID_EDIT_CUT);
    const std::vector<std::string> sent = SentSince(from);
    ASSERT_EQ(2u, sent.size());
    EXPECT_EQ("freeze VCKX310 ", sent[0]);
    EXPECT_EQ(0u, sent[1].find("copy VCKX310 type "));
}

TEST_F(RegionTextTest, PasteIsEnabledForADibOrAColourBitmapButNotAMonochromeOne)
{
    auto put = [this](UINT format, HANDLE data) {
        ASSERT_TRUE(OpenClipboard(frameWnd_));
        EmptyClipboard();
        if (data)
            SetClipboardData(format, data);
        CloseClipboard();
    };
    put(CF_BITMAP, nullptr);
    EXPECT_FALSE(Probe(ID_EDIT_PASTE).Enabled());
    // The platform offers a DIB made from any bitmap; a monochrome one still
    // does not qualify.
    put(CF_BITMAP, CreateBitmap(8, 8, 1, 1, nullptr));
    EXPECT_FALSE(Probe(ID_EDIT_PASTE).Enabled());
    put(CF_BITMAP, CreateBitmap(8, 8, 1, 32, nullptr));
    EXPECT_TRUE(Probe(ID_EDIT_PASTE).Enabled());
    // Looking did not take the bitmap away or leave the clipboard open.
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_BITMAP));
    ASSERT_TRUE(OpenClipboard(nullptr));
    CloseClipboard();

    HGLOBAL dib = GlobalAlloc(GMEM_MOVEABLE, sizeof(BITMAPINFOHEADER) + 4 * 4);
    auto* header = static_cast<BITMAPINFOHEADER*>(GlobalLock(dib));
    *header = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), 2, 2, 1, 24, BI_RGB, 16, 0, 0, 0, 0};
    GlobalUnlock(dib);
    put(CF_DIB, dib);
    EXPECT_TRUE(Probe(ID_EDIT_PASTE).Enabled());

    // Exported, nothing is pasted.
    put(CF_DIB, nullptr);
    EXPECT_FALSE(Probe(ID_EDIT_PASTE).Enabled());
}

TEST_F(RegionTextTest, TextsAreTypedEditedMovedAndDeletedWithTheMouseAndKeys)
{
    EXPECT_FALSE(Probe(ID_TEXT_DELETE).Enabled());
    Command(ID_TEXT_ADD);
    ASSERT_EQ(1u, Texts().Size());
    TextObject* text = Texts().Current();
    ASSERT_NE(nullptr, text);
    EXPECT_TRUE(IsWindowVisible(view_->Texts().Editor()));
    EXPECT_EQ(view_->Texts().Editor(), GetFocus());
    EXPECT_TRUE(Probe(ID_TEXT_DELETE).Enabled());
    // A Tab typed into the editor is dropped.
    Type("type --delay 30 ab");
    Type("key Tab");
    Type("type --delay 30 c");
    Type("key Return");
    Type("type --delay 30 'second line'");
    char typed[64] = {};
    GetWindowTextA(view_->Texts().Editor(), typed, sizeof typed);
    EXPECT_STREQ("abc\r\nsecond line", typed);

    // Ctrl+C while typing copies the editor's text, not the picture.
    const size_t beforeCopy = driver.sent.size();
    SendMessageA(view_->Texts().Editor(), EM_SETSEL, 0, 3);
    Type("key ctrl+c");
    EXPECT_EQ(beforeCopy, driver.sent.size());
    ASSERT_TRUE(IsClipboardFormatAvailable(CF_TEXT));

    // A click elsewhere ends the edit: the text is kept, fitted to its size.
    Click(POINT{300, 200});
    ASSERT_TRUE(Texts().Holds(text));
    EXPECT_FALSE(IsWindowVisible(view_->Texts().Editor()));
    EXPECT_EQ("abc\r\nsecond line", text->text);
    EXPECT_EQ(kTextNotSelected, text->state);
    EXPECT_LT(text->rect.Width(), 150);
    EXPECT_GT(text->rect.Height(), 20);

    // Dragging it moves it (clicked in its middle), and makes it current.
    const ViewRect before = text->rect;
    Drag(POINT{before.left + 5, before.top + 5}, POINT{before.left + 65, before.top + 45});
    EXPECT_EQ(before.left + 60, text->rect.left);
    EXPECT_EQ(before.top + 40, text->rect.top);
    EXPECT_EQ(text, Texts().Current());
    // Over its corner handle the cursor is the sizing one, in the middle the move one.
    auto cursorAt = [&](POINT at) {
        EXPECT_TRUE(kxtest::RunXdotool(kxtest::MoveTo(kxtest::ScreenPoint(view_->Handle(), at)),
                                       [] { test_support::Pump(5); }));
        test_support::Pump(100);
        CURSORINFO info{};
        info.cbSize = sizeof info;
        GetCursorInfo(&info);
        return info.hCursor;
    };
    EXPECT_EQ(LoadCursor(nullptr, IDC_SIZENWSE), cursorAt(POINT{text->rect.right + 3, text->rect.bottom + 3}));
    EXPECT_EQ(LoadCursor(nullptr, IDC_SIZEALL), cursorAt(POINT{text->rect.left + 10, text->rect.top + 10}));

    // A double-click edits it again; emptied and left, it is gone.
    ASSERT_TRUE(kxtest::RunXdotool(
        kxtest::MoveTo(kxtest::ScreenPoint(view_->Handle(), POINT{text->rect.left + 8, text->rect.top + 8})) +
            " click --repeat 2 --delay 80 1",
        [] { test_support::Pump(5); }));
    test_support::Pump(150);
    ASSERT_EQ(text, view_->Texts().Texts().Editing());
    Type("key ctrl+a key BackSpace");
    Click(POINT{300, 200});
    EXPECT_TRUE(Texts().Empty());
    EXPECT_FALSE(Probe(ID_TEXT_DELETE).Enabled());
}

TEST_F(RegionTextTest, ABandSelectsTheTextsInsideItAndDeleteTextRemovesTheCurrentOne)
{
    for (int i = 0; i < 2; ++i) {
        Command(ID_TEXT_ADD);
        Type("type --delay 20 'text " + std::to_string(i) + "'");
        Command(ID_TEXT_ADD);   // ends the edit of the one before
    }
    // The last Add Text left an empty text being edited: a band ends that
    // edit (removing it) and selects what lies wholly inside.
    ASSERT_EQ(3u, Texts().Size());
    TextObject* first = Texts().Objects()[0].get();
    TextObject* second = Texts().Objects()[1].get();
    second->rect = ViewRect{200, 100, 260, 130};
    second->textRect = second->rect;
    Drag(POINT{190, 90}, POINT{300, 160});
    EXPECT_EQ(2u, Texts().Size());
    EXPECT_EQ(kTextNotSelected, first->state);
    EXPECT_EQ(second, Texts().Current());
    Command(ID_TEXT_DELETE);
    EXPECT_EQ(1u, Texts().Size());
    EXPECT_TRUE(Texts().Holds(first));
}

TEST_F(RegionTextTest, TheFontDialogsChoiceRefitsTheTextAndALaterTextCoversAnEarlierOne)
{
    Command(ID_TEXT_ADD);
    Type("type --delay 20 'Wide text'");
    TextObject* first = Texts().Current();
    ASSERT_NE(nullptr, first);
    // The platform's font dialog, OK pressed with the current choice.
    test_support::DialogDriver font("Font", [](HWND box) {
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
    });
    Command(ID_TEXT_FONT);
    font.Join();
    ASSERT_TRUE(font.Found());
    ASSERT_TRUE(Texts().Holds(first));
    // The text's size in its font, plus 2 across and 7 down.
    HDC dc = GetDC(view_->Handle());
    const LOGFONTA logFont = ToLogFont(first->font);
    HFONT hfont = CreateFontIndirectA(&logFont);
    HGDIOBJ old = SelectObject(dc, hfont);
    SIZE extent{};
    GetTextExtentPoint32A(dc, "Wide text", 9, &extent);
    SelectObject(dc, old);
    DeleteObject(hfont);
    ReleaseDC(view_->Handle(), dc);
    EXPECT_EQ(extent.cx + 2, first->rect.Width());
    EXPECT_EQ(extent.cy + 7, first->rect.Height());

    // The same text twice at the same place, the later in another colour.
    // Text is smoothed against the key colour (magenta): red text keeps a
    // full red and little blue, blue text the reverse.
    auto count = [this](const ViewRect& r, int& red, int& blue) {
        InvalidateRect(view_->Handle(), nullptr, TRUE);
        UpdateWindow(view_->Handle());
        red = blue = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) {
                const COLORREF c = ViewPixel(x, y);
                red += GetRValue(c) > 0xE0 && GetBValue(c) < 0x90;
                blue += GetBValue(c) > 0xE0 && GetRValue(c) < 0x90;
            }
    };
    Click(POINT{300, 200});
    first->colour = RGB(0, 0, 255);
    int red = 0, blue = 0;
    count(first->rect, red, blue);
    EXPECT_GT(blue, 5);   // alone, the earlier text shows
    EXPECT_EQ(0, red);
    Command(ID_TEXT_ADD);
    Type("type --delay 20 'Wide text'");
    TextObject* second = Texts().Current();
    Click(POINT{300, 200});
    ASSERT_TRUE(Texts().Holds(second));
    ASSERT_TRUE(Texts().Holds(first));
    second->colour = RGB(255, 0, 0);
    count(second->rect, red, blue);
    EXPECT_GT(red, 5);
    EXPECT_EQ(0, blue);   // the later text hides the earlier
}

TEST_F(RegionTextTest, TheContextMenuFollowsShiftTheSelectionAndTheCurrentText)
{
    // The popup the frame is asked to fill tells which one came up.
    static HMENU shown = nullptr;
    static WNDPROC frameProc = nullptr;
    frameProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
        frameWnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(+[](HWND w, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
            if (m == WM_INITMENUPOPUP)
                shown = reinterpret_cast<HMENU>(wp);
            return CallWindowProcA(frameProc, w, m, wp, lp);
        })));
    auto rightClick = [&](POINT at, bool shift) {
        shown = nullptr;
        const std::string screen = kxtest::MoveTo(kxtest::ScreenPoint(view_->Handle(), at));
        ASSERT_TRUE(kxtest::RunXdotool(screen + (shift ? " keydown shift click 3 keyup shift" : " click 3") +
                                           " sleep 0.4 key Escape",
                                       [] { test_support::Pump(5); }));
        test_support::Pump(100);
    };
    HMENU menu = view_->ContextMenu();
    Drag(POINT{40, 40}, POINT{200, 150});
    rightClick(POINT{100, 100}, true);
    EXPECT_EQ(GetSubMenu(menu, CVDView::kPopupRegion), shown);
    rightClick(POINT{300, 200}, true);
    EXPECT_EQ(GetSubMenu(menu, CVDView::kPopupNothing), shown);
    rightClick(POINT{100, 100}, false);
    EXPECT_EQ(GetSubMenu(menu, CVDView::kPopupNothing), shown);
    Command(ID_TEXT_ADD);   // current, at the origin
    Type("type x");
    Click(POINT{300, 200});   // the edit ends; a click on the text makes it current again
    Click(POINT{3, 3});
    ASSERT_NE(nullptr, view_->Texts().Current());
    rightClick(POINT{3, 3}, false);
    EXPECT_EQ(GetSubMenu(menu, CVDView::kPopupText), shown);
    SetWindowLongPtrA(frameWnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(frameProc));
}
