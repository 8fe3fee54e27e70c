// Picture files in and out of the viewer with the simulated card behind
// winmm: File Open into the card and as the background image, and File
// Save in every format, each through the real dialogs as a person uses them
// (the name typed, OK pressed), the saved files read back by ImageMagick.
#include "card_session.h"
#include "format_record.h"
#include "main_frame.h"
#include "message_box_watcher.h"
#include "overlay_viewer.h"
#include "picture_buffer.h"
#include "point_picker.h"
#include "print_preview.h"
#include "real_input.h"
#include "resource.h"
#include "settings_names.h"
#include "viewer_frame_fixture.h"
#include <gtest/gtest.h>
#include <commctrl.h>
#include <shellapi.h>
#include <winspool.h>
#include <shlwapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr char kTestCompanyKey[] = "KX310 Tests\\image files";
constexpr char kUnixFolder[] = "/tmp/kx-image-files";
constexpr char kDosFolder[] = "Z:\\tmp\\kx-image-files";

const auto* const kSession = ::testing::AddGlobalTestEnvironment(new test_support::CardSession);

struct Rgb {
    BYTE r, g, b;
};

// The test pictures: colour regions big enough to survive JPEG.
Rgb PatternAt(int x, int y, int w, int h)
{
    if (x < w / 2)
        return y < h / 2 ? Rgb{200, 30, 40} : Rgb{20, 180, 60};
    return y < h / 2 ? Rgb{30, 60, 210} : Rgb{230, 220, 40};
}

// A 24-bit Windows bitmap file of the pattern (or of another picture).
void WriteBitmap(const std::string& path, int w, int h, Rgb (*colourAt)(int x, int y, int w, int h) = PatternAt)
{
    const int stride = (w * 3 + 3) & ~3;
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + stride * h;
    info.biSize = sizeof info;
    info.biWidth = w;
    info.biHeight = h;
    info.biPlanes = 1;
    info.biBitCount = 24;
    std::vector<BYTE> rows(static_cast<size_t>(stride) * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            Rgb c = colourAt(x, y, w, h);
            BYTE* p = &rows[static_cast<size_t>(h - 1 - y) * stride + 3 * x];
            p[0] = c.b, p[1] = c.g, p[2] = c.r;
        }
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info), sizeof info);
    out.write(reinterpret_cast<const char*>(rows.data()), static_cast<std::streamsize>(rows.size()));
}

std::string DosPath(const std::string& name) { return std::string(kDosFolder) + "\\" + name; }
std::string UnixPath(const std::string& name) { return std::string(kUnixFolder) + "/" + name; }

// Fills the dialog's name box and presses OK, as the user types and clicks.
void EnterName(HWND box, const std::string& path)
{
    SetDlgItemTextA(box, IDC_FILE_NAME, path.c_str());
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
}

// Removes a folder with everything in it (no confirmation, no progress).
void DeleteFolder(const char* folder)
{
    std::string from = std::string(folder) + '\0';  // the list ends with two zeros
    SHFILEOPSTRUCTA op{};
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
    SHFileOperationA(&op);
}

std::string ItemText(HWND box, int id)
{
    char text[256] = {};
    GetDlgItemTextA(box, id, text, sizeof text);
    return text;
}

class ImageFilesTest : public test_support::ViewerFrameFixture {
protected:
    ImageFilesTest() : ViewerFrameFixture(kTestCompanyKey) {}

    void SetUp() override
    {
        ShowOverlayErrors(false);
        RegisterViewerMessages();
        ViewerFrameFixture::SetUp();
        SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\KX310 Tests\\image files");
        // Each test starts from an empty folder, whatever an earlier run left.
        // (The file dialogs make it the current folder, which cannot be removed.)
        SetCurrentDirectoryA("Z:\\tmp");
        DeleteFolder(kDosFolder);
        ASSERT_TRUE(CreateDirectoryA(kDosFolder, nullptr));
        OpenFrame();
        view_ = dynamic_cast<CVDView*>(frame_->ActiveView());
        ASSERT_NE(nullptr, view_);
    }
    void TearDown() override
    {
        ViewerFrameFixture::TearDown();
        SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\KX310 Tests\\image files");
    }

    void Command(UINT id) { SendMessageA(frameWnd_, WM_COMMAND, MAKEWPARAM(id, 0), 0); }

    // The card's frame memory at the top-left corner, as red, green, blue.
    std::vector<Rgb> CardPicture(int w, int h)
    {
        std::vector<Rgb> pixels;
        CPictureBuffer* grab = frame_->GrabRegion(RECT{0, 0, w, h});
        if (!grab)
            return pixels;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const BYTE* p = grab->Pixels() + static_cast<size_t>(grab->Height() - 1 - y) * grab->RowBytes() + 3 * x;
                pixels.push_back(Rgb{p[2], p[1], p[0]});
            }
        return pixels;
    }

    // A picture file as ImageMagick reads it: w x h red, green, blue.
    std::vector<Rgb> ReadWithImageMagick(const std::string& name, int& w, int& h)
    {
        std::vector<Rgb> pixels;
        const std::string raw = UnixPath("read.rgb"), size = UnixPath("read.size");
        std::remove((std::string(kDosFolder) + "\\read.rgb").c_str());
        kxtest::RunUnixCommand("convert " + UnixPath(name) + " -auto-orient -depth 8 rgb:" + raw + " && identify -format '%w %h' " +
                               UnixPath(name) + " > " + size, [] { kxtest::Pump(10); }, 30000);
        std::ifstream sizes(DosPath("read.size"));
        if (!(sizes >> w >> h))
            return pixels;
        std::ifstream in(DosPath("read.rgb"), std::ios::binary);
        std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        for (size_t i = 0; i + 2 < bytes.size(); i += 3)
            pixels.push_back(Rgb{static_cast<BYTE>(bytes[i]), static_cast<BYTE>(bytes[i + 1]),
                                 static_cast<BYTE>(bytes[i + 2])});
        return pixels;
    }

    // Runs File Open, `act` driving its dialog.
    void RunOpen(const std::function<void(HWND)>& act)
    {
        test_support::DialogDriver driver("Load Image", act);
        Command(ID_FILE_OPEN);
        driver.Join();
        ASSERT_TRUE(driver.Found());
        kxtest::Pump(100);
    }

    CVDView* view_ = nullptr;
};

int Distance(const Rgb& a, const Rgb& b)
{
    return std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)});
}

TEST_F(ImageFilesTest, OpenLoadsThePictureIntoTheCardAndRemembersItsFolderAndType)
{
    WriteBitmap(DosPath("CARD.BMP"), 80, 60);
    RunOpen([](HWND box) { EnterName(box, DosPath("CARD.BMP")); });
    const std::vector<Rgb> card = CardPicture(80, 60);
    ASSERT_EQ(80u * 60u, card.size());
    int wrong = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 80; ++x)
            wrong += Distance(card[y * 80 + x], PatternAt(x, y, 80, 60)) > 0;
    EXPECT_EQ(0, wrong);
    EXPECT_EQ(DosPath("CARD.BMP"), Profile().ReadText(kSetOpen, kSetPath));
    EXPECT_EQ(1u, Profile().ReadNumber(kSetOpen, kSetFormat, 99));
    EXPECT_EQ(0u, Profile().ReadNumber(kSetOpen, kSetBackground, 99));
    // The View menu names the loaded picture.
    char item[64] = {};
    GetMenuStringA(GetMenu(frameWnd_), ID_VIEW_VIDEO, item, sizeof item, MF_BYCOMMAND);
    EXPECT_STREQ("&Video CARD.BMP\tCtrl+T", item);
}

TEST_F(ImageFilesTest, TheDialogDescribesTheSelectedFileAndRefusesOneTheDriverCannotRead)
{
    WriteBitmap(DosPath("SHOWN.BMP"), 64, 48);
    {
        std::ofstream bad(DosPath("BROKEN.BMP"));
        bad << "not a picture";
    }
    // The dialog starts in the folder of the path it stored.
    Profile().WriteText(kSetOpen, kSetPath, DosPath("SHOWN.BMP").c_str());
    std::string folder, shown, broken;
    bool stayedOpen = false;
    kxtest::MessageBoxWatcher boxes;
    RunOpen([&](HWND box) {
        folder = ItemText(box, IDC_FOLDER_TEXT);
        HWND list = GetDlgItem(box, IDC_FILE_LIST);
        auto select = [&](const char* name) {
            const LRESULT at = SendMessageA(list, LB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(name));
            RECT item{};
            SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(&item));
            POINT centre{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
            ClientToScreen(list, &centre);
            kxtest::RunXdotool(kxtest::ClickAt(centre));
            for (int i = 0; i < 100 && SendMessageA(list, LB_GETCURSEL, 0, 0) != at; ++i)
                Sleep(20);
            Sleep(200);
            return ItemText(box, IDC_IMAGE_INFO);
        };
        shown = select("shown.bmp");
        broken = select("broken.bmp");
        EnterName(box, DosPath("BROKEN.BMP"));
        for (int i = 0; i < 100 && boxes.Seen().empty(); ++i)
            Sleep(20);
        Sleep(200);
        stayedOpen = IsWindow(box) && IsWindowVisible(box);
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    });
    EXPECT_EQ(0, lstrcmpiA("z:\\tmp\\kx-image-files", folder.c_str())) << folder;
    EXPECT_EQ("Windows Bitmap, 24-bit true color - 64 x 48", shown);
    EXPECT_EQ("Not Supported.", broken);
    const std::vector<kxtest::SeenMessageBox> seen = boxes.Seen();
    ASSERT_EQ(1u, seen.size());
    EXPECT_EQ("Load Image", seen[0].caption);
    EXPECT_EQ("File format of " + DosPath("BROKEN.BMP") + " is not supported.", seen[0].text);
    EXPECT_TRUE(stayedOpen);
}

// Find File searches the folder tree and hands the found path to the name
// box, whose file the information line then describes.
TEST_F(ImageFilesTest, FindFilePutsTheFoundPathIntoTheNameBox)
{
    CreateDirectoryA(DosPath("DEEP").c_str(), nullptr);
    WriteBitmap(DosPath("DEEP\\FOUND.BMP"), 40, 30);
    std::string name, info, pattern;
    bool searched = false;
    RunOpen([&](HWND box) {
        test_support::DialogDriver finder("Find File", [&](HWND find) {
            pattern = ItemText(find, IDC_FIND_PATTERN);
            SetDlgItemTextA(find, IDC_FIND_PATTERN, DosPath("*.bmp").c_str());
            SetDlgItemTextA(find, IDC_FIND_COUNT, "-");
            PostMessageA(find, WM_COMMAND, MAKEWPARAM(IDC_FIND_SEARCH, BN_CLICKED), 0);
            for (int i = 0; i < 500 && (ItemText(find, IDC_FIND_COUNT) == "-" || !IsWindowEnabled(find)); ++i)
                Sleep(20);
            searched = ItemText(find, IDC_FIND_COUNT) == "1 file(s) found:";
            SendDlgItemMessageA(find, IDC_FIND_FOUND, LB_SETCURSEL, 0, 0);
            PostMessageA(find, WM_COMMAND, MAKEWPARAM(IDC_FIND_FOUND, LBN_DBLCLK),
                         reinterpret_cast<LPARAM>(GetDlgItem(find, IDC_FIND_FOUND)));
        });
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDC_FIND_FILE, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, IDC_FIND_FILE)));
        finder.Join();
        for (int i = 0; i < 100 && ItemText(box, IDC_FILE_NAME).find("found") == std::string::npos; ++i)
            Sleep(20);
        name = ItemText(box, IDC_FILE_NAME);
        info = ItemText(box, IDC_IMAGE_INFO);
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    });
    // The pattern of the type the dialog showed (Windows Bitmap, stored as type 1).
    EXPECT_EQ("*.bmp", pattern);
    EXPECT_TRUE(searched);
    EXPECT_EQ(0, lstrcmpiA(DosPath("DEEP\\FOUND.BMP").c_str(), name.c_str())) << name;
    EXPECT_EQ("Windows Bitmap, 24-bit true color - 40 x 30", info);
}

// The Save dialog's Options: the sheet opens on the chosen type's page,
// each page stores its record when the user leaves it for another tab and
// the active one on OK; Cancel keeps what earlier tabs stored.
TEST_F(ImageFilesTest, FormatOptionsAreStoredOnLeavingATabAndOnOk)
{
    Profile().WriteNumber(kSetSave, kSetFormat, 4);  // Tiff
    Profile().WriteText(kSetSave, kEntryJpeg, "0 0 30 50");
    struct Seen {
        bool tiffFirst = false, lzwEnabledBefore = true, lzwEnabledAfter = false, apply = true;
        bool menuTrimmed = false;
        std::string luminance, infoAfterCancel, infoAfterOk;
    } seen;
    auto page = [](HWND sheet) { return reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0)); };
    auto click = [](HWND dialog, int id) {
        SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
    };
    // Runs the sheet from the Save dialog, `act` driving it, and waits until it has gone.
    auto runOptions = [](HWND box, const std::function<void(HWND)>& act) {
        test_support::DialogDriver sheet("Options", act);
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDC_FORMAT_OPTIONS, BN_CLICKED), 0);
        sheet.Join();
        for (int i = 0; i < 50 && IsWindow(FindWindowA("#32770", "Options")); ++i)
            Sleep(20);
    };
    test_support::DialogDriver save("Save Image", [&](HWND box) {
        // First run: Tiff set to LZW with 16K strips, then the JPEG tab
        // changed and the sheet cancelled.
        runOptions(box, [&](HWND sheet) {
            HWND tiff = page(sheet);
            seen.tiffFirst = GetDlgItem(tiff, IDC_TIF_LZW) != nullptr;
            seen.lzwEnabledBefore = IsWindowEnabled(GetDlgItem(tiff, IDC_TIF_16K));
            click(tiff, IDC_TIF_LZW);
            seen.lzwEnabledAfter = IsWindowEnabled(GetDlgItem(tiff, IDC_TIF_16K));
            click(tiff, IDC_TIF_16K);
            HWND apply = GetDlgItem(sheet, 0x3021);
            seen.apply = apply && IsWindowVisible(apply);
            HMENU menu = GetSystemMenu(sheet, FALSE);
            seen.menuTrimmed = GetMenuItemCount(menu) == 2 && GetMenuState(menu, SC_MOVE, MF_BYCOMMAND) != UINT(-1) &&
                               GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND) != UINT(-1);
            SendMessageA(sheet, PSM_SETCURSEL, 5, 0);  // JPEG
            HWND jpeg = page(sheet);
            seen.luminance = ItemText(jpeg, IDC_JPG_LUMINANCE_VALUE);
            click(jpeg, IDC_JPG_GRAY);
            PostMessageA(sheet, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        });
        seen.infoAfterCancel = ItemText(box, IDC_IMAGE_INFO);
        // Second run: the JPEG factor moved by a page and the sheet ended with OK.
        runOptions(box, [&](HWND sheet) {
            SendMessageA(sheet, PSM_SETCURSEL, 5, 0);
            HWND jpeg = page(sheet);
            click(jpeg, IDC_JPG_411);
            SendMessageA(jpeg, WM_HSCROLL, MAKEWPARAM(SB_PAGERIGHT, 0),
                         reinterpret_cast<LPARAM>(GetDlgItem(jpeg, IDC_JPG_LUMINANCE)));
            PostMessageA(sheet, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        });
        seen.infoAfterOk = ItemText(box, IDC_IMAGE_INFO);
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    });
    Command(ID_FILE_SAVE);
    save.Join();
    ASSERT_TRUE(save.Found());
    EXPECT_TRUE(seen.tiffFirst);
    EXPECT_FALSE(seen.lzwEnabledBefore);
    EXPECT_TRUE(seen.lzwEnabledAfter);
    EXPECT_FALSE(seen.apply);
    EXPECT_TRUE(seen.menuTrimmed);
    EXPECT_EQ("50", seen.luminance);
    // Cancel: Tiff, left for the JPEG tab, kept its record; JPEG stored nothing.
    EXPECT_EQ("0 1 2", Profile().ReadText(kSetSave, kEntryTiff));
    // The dialog's text changes only after OK.
    EXPECT_EQ("Tiff, 24-bit true color", seen.infoAfterCancel);
    // OK stores the active page: colour, 4:1:1, chrominance, luminance a page up.
    EXPECT_EQ("0 2 30 60", Profile().ReadText(kSetSave, kEntryJpeg));
    EXPECT_EQ("Tiff, 24-bit true color, LZW", seen.infoAfterOk);
}

TEST_F(ImageFilesTest, CancelStoresTheTypeAndTheSwitchButNoPath)
{
    Profile().WriteNumber(kSetOpen, kSetBackground, 1);
    Profile().WriteNumber(kSetOpen, kSetFormat, 3);
    UINT checked = 99;
    LRESULT type = -1;
    RunOpen([&](HWND box) {
        checked = IsDlgButtonChecked(box, IDC_LOAD_AS_BACKGROUND);
        type = SendDlgItemMessageA(box, IDC_TYPE_LIST, CB_GETCURSEL, 0, 0);
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    });
    EXPECT_EQ(static_cast<UINT>(BST_CHECKED), checked);
    EXPECT_EQ(2, type);
    EXPECT_EQ(1u, Profile().ReadNumber(kSetOpen, kSetBackground, 99));
    EXPECT_EQ(3u, Profile().ReadNumber(kSetOpen, kSetFormat, 99));
    EXPECT_EQ("", Profile().ReadText(kSetOpen, kSetPath));
}

TEST_F(ImageFilesTest, ABackgroundImageIsShownAndTheUserPicksItsTransparentColour)
{
    WriteBitmap(DosPath("BACK.BMP"), 160, 120);
    RunOpen([](HWND box) {
        CheckDlgButton(box, IDC_LOAD_AS_BACKGROUND, BST_CHECKED);
        EnterName(box, DosPath("BACK.BMP"));
    });
    ASSERT_TRUE(view_->HasBackgroundImage());
    EXPECT_TRUE(view_->BackgroundShown());
    EXPECT_TRUE(view_->PickingKeyColour());
    EXPECT_TRUE(CPointPicker::Instance().Picking());
    EXPECT_EQ(1u, Profile().ReadNumber(kSetOpen, kSetBackground, 99));
    char item[64] = {};
    GetMenuStringA(GetMenu(frameWnd_), ID_IMAGE_UNLOAD, item, sizeof item, MF_BYCOMMAND);
    EXPECT_STREQ("&Unload BACK.BMP\tCtrl+U", item);

    // The lower right quarter of the view shows the picture's yellow.
    RECT client = view_->ClientRect();
    POINT at = kxtest::ScreenPoint(view_->Handle(), POINT{client.right * 3 / 4, client.bottom * 3 / 4});
    ASSERT_TRUE(kxtest::RunXdotool(kxtest::ClickAt(at), [] { kxtest::Pump(10); }));
    kxtest::Pump(200);
    EXPECT_FALSE(view_->PickingKeyColour());
    EXPECT_EQ(RGB(230, 220, 40), view_->KeyColour());

    Command(ID_IMAGE_UNLOAD);
    EXPECT_FALSE(view_->HasBackgroundImage());
    EXPECT_EQ(CVDView::kDefaultKeyColour, view_->KeyColour());
    GetMenuStringA(GetMenu(frameWnd_), ID_IMAGE_UNLOAD, item, sizeof item, MF_BYCOMMAND);
    EXPECT_STREQ("&Unload \tCtrl+U", item);
}

// Every format the Save dialog offers, saved from a picture loaded into the
// card and read back: ImageMagick for the six it knows, the card itself for
// IBM MMotion.
// Saving over a background image: where the image has the picked key
// colour the saved picture is the card's, elsewhere it is what the window
// shows (the image).  A chroma key in force takes part in the composing but
// stays as the user set it.
TEST_F(ImageFilesTest, SavingOverABackgroundKeepsWhatTheWindowShowsOverTheVideo)
{
    WriteBitmap(DosPath("UNDER.BMP"), 120, 90);
    RunOpen([](HWND box) { EnterName(box, DosPath("UNDER.BMP")); });
    Command(ID_VIEW_FREEZE);
    const RECT client = view_->ClientRect();
    const int w = client.right, h = client.bottom;
    const std::vector<Rgb> card = CardPicture(w, h);
    ASSERT_EQ(static_cast<size_t>(w) * h, card.size());
    // The background: a key colour on the left, grey on the right.
    WriteBitmap(DosPath("OVER.BMP"), w, h, [](int x, int, int width, int) {
        return x < width / 2 ? Rgb{250, 0, 250} : Rgb{128, 128, 128};
    });
    RunOpen([](HWND box) {
        CheckDlgButton(box, IDC_LOAD_AS_BACKGROUND, BST_CHECKED);
        EnterName(box, DosPath("OVER.BMP"));
    });
    ASSERT_TRUE(view_->PickingKeyColour());
    POINT at = kxtest::ScreenPoint(view_->Handle(), POINT{w / 4, h / 2});
    ASSERT_TRUE(kxtest::RunXdotool(kxtest::ClickAt(at), [] { kxtest::Pump(10); }));
    kxtest::Pump(200);
    ASSERT_EQ(RGB(250, 0, 250), view_->KeyColour());

    auto saveAs = [&](const char* name) {
        Profile().WriteNumber(kSetSave, kSetFormat, 1);
        test_support::DialogDriver driver("Save Image", [&](HWND box) { EnterName(box, DosPath(name)); });
        Command(ID_FILE_SAVE);
        driver.Join();
        EXPECT_TRUE(driver.Found());
        int rw = 0, rh = 0;
        std::vector<Rgb> saved = ReadWithImageMagick(name, rw, rh);
        EXPECT_EQ(w, rw);
        EXPECT_EQ(h, rh);
        return saved;
    };
    // Counts the pixels (away from the edges and the middle) that differ from
    // the card on the left and from `right` on the right.
    auto wrongPixels = [&](const std::vector<Rgb>& saved, bool rightIsVideo) {
        int wrong = 0;
        for (int y = 2; y < h - 2; ++y)
            for (int x = 2; x < w - 2; ++x) {
                if (std::abs(x - w / 2) < 3)
                    continue;
                const size_t i = static_cast<size_t>(y) * w + x;
                const Rgb expected = x < w / 2 || rightIsVideo ? card[i] : Rgb{128, 128, 128};
                wrong += Distance(saved[i], expected) > 8;
            }
        return wrong;
    };
    const std::vector<Rgb> keyed = saveAs("merged.bmp");
    ASSERT_EQ(card.size(), keyed.size());
    EXPECT_EQ(0, wrongPixels(keyed, false));

    // Chroma keying: the video covers everything but its own colours in the
    // chroma range (a near black none of the picture has).
    ChromaKeyRecord chroma{};
    chroma.y = 16, chroma.u = 128, chroma.v = 128, chroma.toleranceY = 4, chroma.toleranceU = 4, chroma.toleranceV = 4;
    view_->SetChromaKeyRecord(chroma);
    view_->SetChromaKeyActive(true);
    const std::vector<Rgb> chromaKeyed = saveAs("chroma.bmp");
    ASSERT_EQ(card.size(), chromaKeyed.size());
    EXPECT_EQ(0, wrongPixels(chromaKeyed, true));
    const ChromaKeyRecord& after = view_->ChromaKey();
    EXPECT_EQ(0, std::memcmp(&chroma, &after, sizeof chroma));
    EXPECT_TRUE(view_->ChromaKeyActive());
}

// A background picture the frame cannot hold (a side beyond what a buffer
// may have) is refused with the format message, and the background shown
// before stays; each new background frees the one before it.
TEST_F(ImageFilesTest, BackgroundsTheFrameCannotHoldAreRefusedAndReplacedOnesFreed)
{
    WriteBitmap(DosPath("FIRST.BMP"), 160, 120);
    ASSERT_TRUE(frame_->LoadBackgroundImage(DosPath("FIRST.BMP")));
    ASSERT_TRUE(view_->HasBackgroundImage());
    WriteBitmap(DosPath("WIDE.BMP"), CPictureBuffer::kMaxSide + 1, 1);
    {
        kxtest::MessageBoxWatcher boxes;
        EXPECT_FALSE(frame_->LoadBackgroundImage(DosPath("WIDE.BMP")));
        const std::vector<kxtest::SeenMessageBox> seen = boxes.Seen();
        ASSERT_EQ(1u, seen.size());
        EXPECT_EQ("File format of " + DosPath("WIDE.BMP") + " is not supported.", seen[0].text);
    }
    EXPECT_TRUE(view_->HasBackgroundImage());
    char item[64] = {};
    GetMenuStringA(GetMenu(frameWnd_), ID_IMAGE_UNLOAD, item, sizeof item, MF_BYCOMMAND);
    EXPECT_STREQ("&Unload FIRST.BMP\tCtrl+U", item);

    // Ten backgrounds of 9 MB each, one after the other: the memory in use
    // grows by about one of them, not by ten.
    WriteBitmap(DosPath("LARGE.BMP"), 2000, 1500);
    // The process's address space in use (buffers this large are mapped
    // pages of their own, given back when freed).
    auto privateBytes = [] {
        MEMORYSTATUSEX status{};
        status.dwLength = sizeof status;
        GlobalMemoryStatusEx(&status);
        return static_cast<long long>(status.ullTotalVirtual - status.ullAvailVirtual);
    };
    ASSERT_TRUE(frame_->LoadBackgroundImage(DosPath("LARGE.BMP")));
    const long long before = privateBytes();
    for (int i = 0; i < 10; ++i)
        ASSERT_TRUE(frame_->LoadBackgroundImage(DosPath("LARGE.BMP")));
    const long long grown = privateBytes() - before;
    EXPECT_LT(grown, 3LL * 2000 * 1500 * 3) << grown << " bytes more";
    Command(ID_IMAGE_UNLOAD);
    EXPECT_FALSE(view_->HasBackgroundImage());
}

TEST_F(ImageFilesTest, SaveWritesEveryFormatWithThePictureTheCardHolds)
{
    WriteBitmap(DosPath("SOURCE.BMP"), 96, 72);
    RunOpen([](HWND box) { EnterName(box, DosPath("SOURCE.BMP")); });
    Command(ID_VIEW_FREEZE);
    ASSERT_TRUE(view_->Frozen());
    const RECT client = view_->ClientRect();
    const int w = client.right, h = client.bottom;
    const std::vector<Rgb> card = CardPicture(w, h);
    ASSERT_EQ(static_cast<size_t>(w) * h, card.size());

    const struct {
        const char* name;
        int tolerance;  // JPEG loses detail, the palettes round colours
    } formats[] = {{"saved.bmp", 2}, {"saved.tga", 2}, {"saved.mmp", 40}, {"saved.tif", 2},
                   {"saved.pcx", 2}, {"saved.gif", 40}, {"saved.jpg", 40}};
    // MMotion last: reading it back loads it into the card.
    for (int type : {0, 1, 3, 4, 5, 6, 2}) {
        SCOPED_TRACE(formats[type].name);
        Profile().WriteNumber(kSetSave, kSetFormat, static_cast<DWORD>(type + 1));
        test_support::DialogDriver driver("Save Image", [&](HWND box) { EnterName(box, DosPath(formats[type].name)); });
        Command(ID_FILE_SAVE);
        driver.Join();
        ASSERT_TRUE(driver.Found());
        // The platform's dialog hands back the name in lower case.
        EXPECT_EQ(0, lstrcmpiA(DosPath(formats[type].name).c_str(), Profile().ReadText(kSetSave, kSetPath).c_str()));
        EXPECT_EQ(static_cast<DWORD>(type + 1), Profile().ReadNumber(kSetSave, kSetFormat, 99));
        // Saving leaves the video as it was: frozen.
        EXPECT_TRUE(view_->Frozen());

        std::vector<Rgb> read;
        int rw = 0, rh = 0;
        if (type == 2) {
            // ImageMagick knows no MMotion: the card loads it back instead.
            mciSendStringA(("load VCKX310 \"" + DosPath(formats[type].name) + "\"").c_str(), nullptr, 0, nullptr);
            read = CardPicture(w, h);
            rw = w, rh = h;
        } else {
            read = ReadWithImageMagick(formats[type].name, rw, rh);
        }
        ASSERT_EQ(w, rw);
        ASSERT_EQ(h, rh);
        ASSERT_EQ(card.size(), read.size());
        int wrong = 0;
        for (size_t i = 0; i < card.size(); ++i)
            wrong += Distance(card[i], read[i]) > formats[type].tolerance;
        // JPEG and the 4:1:1 format blur the edges between the regions.
        EXPECT_LE(wrong, static_cast<int>(card.size() / 50)) << "pixels off";
    }
}

}  // namespace

namespace {

// Saving a live picture freezes it for the save and lets it run again after.
TEST_F(ImageFilesTest, SavingALivePictureFreezesItOnlyForTheSave)
{
    ASSERT_FALSE(view_->Frozen());
    bool frozenMeanwhile = false;
    test_support::DialogDriver driver("Save Image", [&](HWND box) {
        frozenMeanwhile = view_->Frozen();
        EnterName(box, DosPath("live.bmp"));
    });
    Command(ID_FILE_SAVE);
    driver.Join();
    ASSERT_TRUE(driver.Found());
    EXPECT_TRUE(frozenMeanwhile);
    EXPECT_FALSE(view_->Frozen());
    int w = 0, h = 0;
    EXPECT_FALSE(ReadWithImageMagick("live.bmp", w, h).empty());
    EXPECT_EQ(view_->ClientRect().right, w);
}

// A rubber band dragged over the view with the real mouse.
void DragBand(HWND view, POINT from, POINT to)
{
    ASSERT_TRUE(kxtest::RunXdotool(kxtest::DragFromTo(kxtest::ScreenPoint(view, from), kxtest::ScreenPoint(view, to)),
                                   [] { kxtest::Pump(5); }));
    kxtest::Pump(150);
}

TEST_F(ImageFilesTest, CopyPutsTheWorkingRectangleOnTheClipboardAsTheCardHoldsIt)
{
    Command(ID_VIEW_FREEZE);
    DragBand(view_->Handle(), POINT{30, 20}, POINT{130, 90});
    const RECT band = view_->Selection();
    ASSERT_EQ(100, band.right - band.left);
    ASSERT_EQ(70, band.bottom - band.top);
    CPictureBuffer* grab = frame_->GrabRegion(band);
    ASSERT_NE(nullptr, grab);
    const std::vector<BYTE> card(grab->Pixels(), grab->Pixels() + grab->RowBytes() * static_cast<size_t>(grab->Height()));
    const size_t cardStride = grab->RowBytes();

    // The clipboard's DIB, as header and pixels; `check` looks at it.
    auto onClipboard = [&](const std::function<void(const BITMAPINFOHEADER&, const BYTE*)>& check) {
        ASSERT_TRUE(OpenClipboard(frameWnd_));
        HGLOBAL data = GetClipboardData(CF_DIB);
        const auto* header = data ? static_cast<const BITMAPINFOHEADER*>(GlobalLock(data)) : nullptr;
        if (header) {
            const DWORD colours = header->biClrUsed ? header->biClrUsed : header->biBitCount <= 8 ? 1u << header->biBitCount : 0;
            check(*header, reinterpret_cast<const BYTE*>(header) + header->biSize + colours * sizeof(RGBQUAD));
            GlobalUnlock(data);
        }
        CloseClipboard();
        EXPECT_NE(nullptr, header);
    };

    Command(ID_EDIT_COPY);
    onClipboard([&](const BITMAPINFOHEADER& h, const BYTE* bits) {
        EXPECT_EQ(100, h.biWidth);
        EXPECT_EQ(70, std::abs(h.biHeight));
        ASSERT_EQ(24, h.biBitCount);
        // Both bottom-up rows of blue, green, red: the card's very pixels.
        const size_t stride = (100 * 3 + 3) & ~3u;
        int wrong = 0;
        for (int y = 0; y < 70; ++y)
            wrong += std::memcmp(bits + y * stride, card.data() + y * cardStride, 300) != 0;
        EXPECT_EQ(0, wrong);
    });
    EXPECT_TRUE(view_->Frozen());

    // 8-bit grey from the clipboard options: a grey palette.
    Profile().WriteNumber(kSetClipboard, kSetColor, 2);
    Command(ID_EDIT_COPY);
    onClipboard([&](const BITMAPINFOHEADER& h, const BYTE*) {
        EXPECT_EQ(100, h.biWidth);
        EXPECT_EQ(8, h.biBitCount);
        const auto* palette = reinterpret_cast<const RGBQUAD*>(reinterpret_cast<const BYTE*>(&h) + h.biSize);
        EXPECT_EQ(palette[77].rgbRed, palette[77].rgbGreen);
        EXPECT_EQ(palette[77].rgbRed, palette[77].rgbBlue);
    });
    Profile().WriteNumber(kSetClipboard, kSetColor, 0);
}

TEST_F(ImageFilesTest, CopyToSavesTheRegionAndPasteFromLoadsAFileIntoIt)
{
    ASSERT_FALSE(view_->Frozen());
    DragBand(view_->Handle(), POINT{40, 30}, POINT{140, 110});
    Profile().WriteNumber(kSetSave, kSetFormat, 1);
    bool frozenMeanwhile = false;
    {
        test_support::DialogDriver save("Save Image", [&](HWND box) {
            frozenMeanwhile = view_->Frozen();
            EnterName(box, DosPath("region.bmp"));
        });
        Command(ID_EDIT_COPY_TO);
        save.Join();
        ASSERT_TRUE(save.Found());
    }
    EXPECT_TRUE(frozenMeanwhile);
    EXPECT_FALSE(view_->Frozen());   // as it was before
    int w = 0, h = 0;
    EXPECT_FALSE(ReadWithImageMagick("region.bmp", w, h).empty());
    EXPECT_EQ(100, w);
    EXPECT_EQ(80, h);

    // Cancelled, Copy To still gives the freeze state back.
    {
        test_support::DialogDriver cancel("Save Image", [](HWND box) {
            PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, IDCANCEL)));
        });
        Command(ID_EDIT_COPY_TO);
        cancel.Join();
    }
    EXPECT_FALSE(view_->Frozen());

    // A file loaded into the region, stretched to it; the rest is untouched.
    WriteBitmap(DosPath("SOLID.BMP"), 20, 10, [](int, int, int, int) { return Rgb{10, 200, 30}; });
    {
        test_support::DialogDriver load("Load Image", [](HWND box) { EnterName(box, DosPath("SOLID.BMP")); });
        Command(ID_EDIT_PASTE_FROM);
        load.Join();
        ASSERT_TRUE(load.Found());
    }
    EXPECT_TRUE(view_->Frozen());
    const std::vector<Rgb> card = CardPicture(200, 150);
    ASSERT_EQ(200u * 150u, card.size());
    int inside = 0, outside = 0;
    for (int y = 0; y < 150; ++y)
        for (int x = 0; x < 200; ++x) {
            const bool in = x >= 40 && x < 140 && y >= 30 && y < 110;
            const bool solid = Distance(card[static_cast<size_t>(y) * 200 + x], Rgb{10, 200, 30}) == 0;
            inside += in && solid;
            outside += !in && solid;
        }
    EXPECT_EQ(100 * 80, inside);
    EXPECT_EQ(0, outside);
}

TEST_F(ImageFilesTest, TextsOverThePictureAppearInTheSavedPicture)
{
    Command(ID_VIEW_FREEZE);
    Command(ID_TEXT_ADD);
    ASSERT_TRUE(kxtest::RunXdotool("type --delay 30 'HELLO THERE'", [] { kxtest::Pump(5); }));
    kxtest::Pump(100);
    const RECT client = view_->ClientRect();
    ASSERT_TRUE(kxtest::RunXdotool(kxtest::ClickAt(kxtest::ScreenPoint(view_->Handle(), POINT{client.right - 20, client.bottom - 20})),
                                   [] { kxtest::Pump(5); }));
    kxtest::Pump(300);
    const auto& texts = view_->Texts().Texts().List();
    ASSERT_EQ(1u, texts.Size());
    const ViewRect r = texts.Objects()[0]->rect;
    const std::vector<Rgb> card = CardPicture(client.right, client.bottom);

    Profile().WriteNumber(kSetSave, kSetFormat, 1);
    test_support::DialogDriver save("Save Image", [&](HWND box) { EnterName(box, DosPath("text.bmp")); });
    Command(ID_FILE_SAVE);
    save.Join();
    ASSERT_TRUE(save.Found());
    int w = 0, h = 0;
    const std::vector<Rgb> saved = ReadWithImageMagick("text.bmp", w, h);
    ASSERT_EQ(card.size(), saved.size());
    // The text's cyan where the card's picture has none; the picture elsewhere.
    int cyanInText = 0, cyanInCard = 0, wrongOutside = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const size_t i = static_cast<size_t>(y) * w + x;
            const bool inText = r.Contains(x, y);
            cyanInText += inText && Distance(saved[i], Rgb{0, 255, 255}) < 24;
            cyanInCard += inText && Distance(card[i], Rgb{0, 255, 255}) < 24;
            wrongOutside += !inText && Distance(saved[i], card[i]) > 8;
        }
    EXPECT_GT(cyanInText, 20);
    EXPECT_EQ(0, cyanInCard);
    EXPECT_EQ(0, wrongOutside);
}

}  // namespace

namespace {

// The session's printer writes each job to a file: the port of the default
// printer names it (a Unix path).
std::string PrinterOutputFile()
{
    char name[256] = {};
    DWORD size = sizeof name;
    HANDLE printer = nullptr;
    if (!GetDefaultPrinterA(name, &size) || !OpenPrinterA(name, &printer, nullptr))
        return "";
    DWORD needed = 0;
    GetPrinterA(printer, 2, nullptr, 0, &needed);
    std::vector<BYTE> info(needed + 1);
    std::string port;
    if (GetPrinterA(printer, 2, info.data(), needed, &needed))
        port = reinterpret_cast<PRINTER_INFO_2A*>(info.data())->pPortName;
    ClosePrinter(printer);
    return port;
}

std::string DosOf(const std::string& unixPath)
{
    std::string dos = "Z:" + unixPath;
    std::replace(dos.begin(), dos.end(), '/', '\\');
    return dos;
}

// A printed page rendered by Ghostscript at `dpi`, and where its marks are.
struct PrintedPage {
    int w = 0, h = 0;
    std::vector<Rgb> pixels;
    RECT marks{0, 0, 0, 0};  // the box around every pixel that is not white
    Rgb At(int x, int y) const { return pixels[static_cast<size_t>(y) * w + x]; }
};

PrintedPage RenderPrinted(const std::string& postscript, int dpi)
{
    PrintedPage page;
    const std::string ppm = std::string(kUnixFolder) + "/page.ppm";
    kxtest::RunUnixCommand("gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=ppmraw -r" + std::to_string(dpi) +
                               " -sOutputFile=" + ppm + " " + postscript,
                           [] { kxtest::Pump(10); }, 60000);
    std::ifstream in(DosOf(ppm), std::ios::binary);
    // "P6", width, height, 255, each perhaps after "#" comment lines.
    std::string magic;
    int fields[3] = {};
    in >> magic;
    for (int& field : fields) {
        while (in >> std::ws && in.peek() == '#')
            in.ignore(1 << 20, '\n');
        in >> field;
    }
    page.w = fields[0], page.h = fields[1];
    if (!in || magic != "P6" || fields[2] != 255 || page.w <= 0 || page.h <= 0)
        return PrintedPage{};
    in.get();
    std::vector<char> bytes(static_cast<size_t>(page.w) * page.h * 3);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    page.marks = RECT{page.w, page.h, 0, 0};
    for (int y = 0; y < page.h; ++y)
        for (int x = 0; x < page.w; ++x) {
            const size_t i = (static_cast<size_t>(y) * page.w + x) * 3;
            const Rgb c{static_cast<BYTE>(bytes[i]), static_cast<BYTE>(bytes[i + 1]), static_cast<BYTE>(bytes[i + 2])};
            page.pixels.push_back(c);
            if (c.r < 200 || c.g < 200 || c.b < 200) {
                page.marks.left = std::min<LONG>(page.marks.left, x);
                page.marks.top = std::min<LONG>(page.marks.top, y);
                page.marks.right = std::max<LONG>(page.marks.right, x + 1);
                page.marks.bottom = std::max<LONG>(page.marks.bottom, y + 1);
            }
        }
    return page;
}

class PrintingTest : public ImageFilesTest {
protected:
    void SetUp() override
    {
        ImageFilesTest::SetUp();
        output_ = PrinterOutputFile();
        ASSERT_FALSE(output_.empty()) << "the session has no default printer";
        DeleteFileA(DosOf(output_).c_str());
        WriteBitmap(DosPath("PRINTED.BMP"), 120, 90);
        RunOpen([](HWND box) { EnterName(box, DosPath("PRINTED.BMP")); });
        Command(ID_VIEW_FREEZE);
        client_ = view_->ClientRect();
        card_ = CardPicture(client_.right, client_.bottom);
        ASSERT_FALSE(card_.empty());
    }

    // Waits for the job's file to be complete; then renders it.
    PrintedPage Printed()
    {
        const std::string dos = DosOf(output_);
        for (int i = 0; i < 250; ++i) {
            std::ifstream in(dos, std::ios::binary);
            std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            if (text.find("%%EOF") != std::string::npos)
                return RenderPrinted(output_, kDpi);
            kxtest::Pump(20);
        }
        ADD_FAILURE() << "nothing was printed to " << output_;
        return PrintedPage{};
    }

    // The picture spans the printable width from its top-left corner, in the
    // client area's proportions, and shows what the card holds.
    void ExpectThePicture(const PrintedPage& page)
    {
        ASSERT_GT(page.w, 0);
        HDC printer = CreateDCA("WINSPOOL", PrinterName().c_str(), nullptr, nullptr);
        ASSERT_NE(nullptr, printer);
        const int pageW = GetDeviceCaps(printer, HORZRES), dpiX = GetDeviceCaps(printer, LOGPIXELSX);
        const int offsetX = GetDeviceCaps(printer, PHYSICALOFFSETX), offsetY = GetDeviceCaps(printer, PHYSICALOFFSETY);
        DeleteDC(printer);
        const double scale = static_cast<double>(kDpi) / dpiX;
        const double height = static_cast<double>(client_.bottom) * pageW / client_.right;
        EXPECT_NEAR(offsetX * scale, page.marks.left, 2.0);
        EXPECT_NEAR(offsetY * scale, page.marks.top, 2.0);
        EXPECT_NEAR(pageW * scale, page.marks.right - page.marks.left, 2.0);
        EXPECT_NEAR(height * scale, page.marks.bottom - page.marks.top, 2.0);
        // The middle of each quarter against the card's picture there.
        const int w = page.marks.right - page.marks.left, h = page.marks.bottom - page.marks.top;
        for (double fx : {0.25, 0.75})
            for (double fy : {0.25, 0.75}) {
                const Rgb printed = page.At(page.marks.left + static_cast<int>(w * fx), page.marks.top + static_cast<int>(h * fy));
                const Rgb held = card_[static_cast<size_t>(client_.bottom * fy) * client_.right +
                                       static_cast<size_t>(client_.right * fx)];
                EXPECT_LE(Distance(printed, held), 24) << fx << ", " << fy;
            }
    }

    static std::string PrinterName()
    {
        char name[256] = {};
        DWORD size = sizeof name;
        GetDefaultPrinterA(name, &size);
        return name;
    }

    static constexpr int kDpi = 30;
    std::string output_;
    RECT client_{};
    std::vector<Rgb> card_;
};

TEST_F(PrintingTest, ThePrintDialogsPrinterGetsThePictureAcrossThePageWidth)
{
    test_support::DialogDriver driver("Print", [](HWND box) {
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
    });
    Command(ID_FILE_PRINT);
    driver.Join();
    ASSERT_TRUE(driver.Found());
    ExpectThePicture(Printed());
    // The view places the video again once the job is over.
    EXPECT_FALSE(view_->Printing());
}

TEST_F(PrintingTest, PrintingWithoutTheDialogDrawsThePictureGrabbedBeforeTheJob)
{
    Command(ID_FILE_PRINT_DIRECT);
    ExpectThePicture(Printed());
}

TEST_F(PrintingTest, AViewWithoutAClientAreaPrintsAnEmptyPage)
{
    MoveWindow(view_->Handle(), 0, 0, 0, 0, FALSE);
    ASSERT_EQ(0, view_->ClientRect().right);
    Command(ID_FILE_PRINT_DIRECT);
    const PrintedPage page = Printed();
    ASSERT_GT(page.w, 0);
    EXPECT_EQ(0, page.marks.right) << "marks from " << page.marks.left << ", " << page.marks.top;
}

TEST_F(PrintingTest, ThePreviewShowsThePageAndItsPrintButtonPrints)
{
    std::vector<Rgb> shown;
    bool printDialog = false;
    std::thread watcher([&] {
        HWND preview = nullptr;
        for (int i = 0; i < 500 && !(preview = FindWindowA(framework::CPrintPreviewWnd::kClassName, nullptr)); ++i)
            Sleep(20);
        if (!preview)
            return;
        Sleep(500);  // painted
        // The page's picture sits in its top part: sample the page's outline
        // from the window and the four quarters of the picture in it.
        auto* window = static_cast<framework::CPrintPreviewWnd*>(framework::CWnd::FromHandle(preview));
        const RECT page = window->PageRect();
        const int w = page.right - page.left;
        const int pictureH = static_cast<int>(static_cast<double>(client_.bottom) * w / client_.right);
        HDC dc = GetDC(preview);
        for (double fx : {0.25, 0.75})
            for (double fy : {0.25, 0.75}) {
                const COLORREF c = GetPixel(dc, page.left + static_cast<int>(w * fx), page.top + static_cast<int>(pictureH * fy));
                shown.push_back(Rgb{GetRValue(c), GetGValue(c), GetBValue(c)});
            }
        ReleaseDC(preview, dc);
        test_support::DialogDriver print("Print", [&](HWND box) {
            printDialog = true;
            PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
        });
        PostMessageA(preview, WM_COMMAND, MAKEWPARAM(ID_FILE_PRINT, BN_CLICKED), 0);
        print.Join();
    });
    Command(ID_FILE_PRINT_PREVIEW);
    watcher.join();
    ASSERT_EQ(4u, shown.size());
    int i = 0;
    for (double fx : {0.25, 0.75})
        for (double fy : {0.25, 0.75}) {
            const Rgb held = card_[static_cast<size_t>(client_.bottom * fy) * client_.right +
                                   static_cast<size_t>(client_.right * fx)];
            EXPECT_LE(Distance(shown[i++], held), 24) << fx << ", " << fy;
        }
    EXPECT_TRUE(printDialog);
    ExpectThePicture(Printed());
    EXPECT_FALSE(FindWindowA(framework::CPrintPreviewWnd::kClassName, nullptr));
}

TEST_F(PrintingTest, PrintSetupShowsThePlatformsDialog)
{
    bool shown = false;
    test_support::DialogDriver driver("Print Setup", [&](HWND box) {
        shown = true;
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    });
    Command(ID_FILE_PRINT_SETUP);
    driver.Join();
    EXPECT_TRUE(shown);
    EXPECT_FALSE(PathFileExistsA(DosOf(output_).c_str()));
}

}  // namespace
