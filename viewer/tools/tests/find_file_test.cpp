// The Find File dialog, driven as a user drives it: a second thread finds the
// dialog, types into it and presses its buttons while the test's thread runs
// the dialog; the search runs over trees the test builds in the temporary
// folder.  Cancel in the progress box is pressed with a real click.
#include "find_file.h"
#include "find_file_search.h"
#include "real_input.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <functional>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr char kImageFilter[] =
    "Windows Bitmap Files (*.BMP)|*.BMP|Targa Files (*.TGA)|*.TGA|IBM MMotion Files (*.MMP)|*.MMP|"
    "TIFF Files (*.TIF)|*.TIF|PCX Files (*.PCX)|*.PCX|GIF Files(*.GIF)|*.GIF|JPEG Files (*.JPG)|*.JPG|"
    "All Files (*.*)|*.*|";

std::string Lower(std::string s)
{
    CharLowerBuffA(&s[0], static_cast<DWORD>(s.size()));
    return s;
}

std::wstring Wide(const std::string& s)
{
    std::wstring w(s.size(), L'\0');
    MultiByteToWideChar(CP_ACP, 0, s.c_str(), static_cast<int>(s.size()), &w[0], static_cast<int>(w.size()));
    return w;
}

std::string CurrentDir()
{
    char path[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof path, path);
    return Lower(path);
}

// A folder tree under the temporary folder, removed again at the end.  Paths
// are given relative to its root; names the system would change (a trailing
// dot) are made as they are written.
class Tree {
public:
    explicit Tree(const std::string& name)
    {
        char temp[MAX_PATH] = {};
        GetTempPathA(sizeof temp, temp);
        root_ = Lower(std::string(temp) + "kxfind-" + name);
        Remove(root_);
        CreateDirectoryA(root_.c_str(), nullptr);
    }
    ~Tree() { Remove(root_); }
    const std::string& Root() const { return root_; }
    std::string Path(const std::string& relative) const { return root_ + "\\" + relative; }

    bool Dir(const std::string& relative) const
    {
        return CreateDirectoryW((L"\\\\?\\" + Wide(Path(relative))).c_str(), nullptr) != FALSE;
    }
    bool File(const std::string& relative, DWORD attributes = FILE_ATTRIBUTE_NORMAL) const
    {
        HANDLE h = CreateFileW((L"\\\\?\\" + Wide(Path(relative))).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                               attributes, nullptr);
        if (h == INVALID_HANDLE_VALUE)
            return false;
        CloseHandle(h);
        return true;
    }

private:
    static void Remove(const std::string& path)
    {
        std::wstring base = L"\\\\?\\" + Wide(path);
        RemoveAll(base);
    }
    static void RemoveAll(const std::wstring& dir)
    {
        WIN32_FIND_DATAW entry{};
        HANDLE search = FindFirstFileW((dir + L"\\*").c_str(), &entry);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                std::wstring name = entry.cFileName;
                if (name == L"." || name == L"..")
                    continue;
                std::wstring full = dir + L"\\" + name;
                if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                    RemoveAll(full);
                } else {
                    SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
                    DeleteFileW(full.c_str());
                }
            } while (FindNextFileW(search, &entry));
            FindClose(search);
        }
        RemoveDirectoryW(dir.c_str());
    }

    std::string root_;
};

// One dialog of this process, found by a control only it has.
struct DialogSearch {
    int id;
    HWND found;
};

BOOL CALLBACK CheckWindow(HWND w, LPARAM lp)
{
    auto* s = reinterpret_cast<DialogSearch*>(lp);
    DWORD process = 0;
    GetWindowThreadProcessId(w, &process);
    if (process == GetCurrentProcessId() && IsWindowVisible(w) && GetDlgItem(w, s->id)) {
        s->found = w;
        return FALSE;
    }
    return TRUE;
}

HWND FindOwnDialog(int controlId)
{
    DialogSearch s{controlId, nullptr};
    EnumWindows(CheckWindow, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

template <class Condition>
bool WaitUntil(Condition done, DWORD timeoutMs = 20000)
{
    DWORD end = GetTickCount() + timeoutMs;
    while (!done()) {
        if (static_cast<LONG>(end - GetTickCount()) <= 0)
            return false;
        Sleep(10);
    }
    return true;
}

std::string ItemText(HWND box, int id)
{
    char text[512] = {};
    GetDlgItemTextA(box, id, text, sizeof text);
    return text;
}

std::vector<std::string> Found(HWND box)
{
    HWND list = GetDlgItem(box, IDC_FIND_FOUND);
    std::vector<std::string> items;
    LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        char text[512] = {};
        if (SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0) < static_cast<LRESULT>(sizeof text))
            SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        items.push_back(text);
    }
    return items;
}

void Command(HWND box, int id, UINT notification = BN_CLICKED)
{
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(id, notification), reinterpret_cast<LPARAM>(GetDlgItem(box, id)));
}

// Types `text` into the pattern box, presses Search and waits until the
// search has ended (the count line is rewritten at the end).
bool SearchFor(HWND box, const std::string& text, DWORD timeoutMs = 60000)
{
    SetDlgItemTextA(box, IDC_FIND_PATTERN, text.c_str());
    SetDlgItemTextA(box, IDC_FIND_COUNT, "-");
    Command(box, IDC_FIND_SEARCH);
    return WaitUntil([&] { return ItemText(box, IDC_FIND_COUNT) != "-" && IsWindowEnabled(box); }, timeoutMs);
}

// Runs `act` against the Find File dialog on a second thread while this
// thread runs the dialog; returns FindFile's result.
int RunDialog(FindFileRequest& request, const std::function<void(HWND)>& act, bool* shown)
{
    std::atomic<bool> found{false};
    std::thread driver([&] {
        HWND box = nullptr;
        if (!WaitUntil([&] { return (box = FindOwnDialog(IDC_FIND_PATTERN)) != nullptr; }, 10000))
            return;
        found = true;
        act(box);
    });
    int result = FindFile(&request);
    driver.join();
    *shown = found;
    return result;
}

FindFileRequest Request(char* file, DWORD fileSize, char* title, DWORD titleSize)
{
    FindFileRequest r{};
    r.structSize = sizeof r;
    r.instance = GetModuleHandleA(nullptr);
    r.filter = kImageFilter;
    r.filterIndex = 1;
    r.file = file;
    r.fileSize = fileSize;
    r.fileTitle = title;
    r.fileTitleSize = titleSize;
    return r;
}

class FindFileDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        char temp[MAX_PATH] = {};
        GetTempPathA(sizeof temp, temp);
        elsewhere_ = std::string(temp) + "kxfind-elsewhere";
        CreateDirectoryA(elsewhere_.c_str(), nullptr);
        ASSERT_TRUE(SetCurrentDirectoryA(elsewhere_.c_str()));
        before_ = CurrentDir();
    }
    void TearDown() override
    {
        // Whatever happened inside, the caller's directory is back.
        EXPECT_EQ(before_, CurrentDir());
        SetCurrentDirectoryA("c:\\");
        RemoveDirectoryA(elsewhere_.c_str());
    }
    std::string elsewhere_, before_;
};

TEST_F(FindFileDialog, SearchesOrdinaryFilesDownToTheDepthLimitAndSkipsFoldersItCannotEnter)
{
    Tree tree("depth");
    std::set<std::string> expected;
    std::string level;
    // One picture and one text per level, 16 levels deep: pictures down to
    // 12 levels below the start are found, the deeper ones not.
    for (int depth = 0; depth < 16; ++depth) {
        char name[16];
        std::snprintf(name, sizeof name, "p%02d.BMP", depth);
        ASSERT_TRUE(tree.File(level + name));
        ASSERT_TRUE(tree.File(level + "notes.txt"));
        if (depth < find_file::kMaxDepth)
            expected.insert(Lower(tree.Path(level + name)));
        char dir[16];
        std::snprintf(dir, sizeof dir, "Level%02d", depth + 1);
        level += dir;
        ASSERT_TRUE(tree.Dir(level));
        level += "\\";
    }
    // A folder that matches the pattern is not a file.
    ASSERT_TRUE(tree.Dir("folder.bmp"));
    ASSERT_TRUE(tree.File("folder.bmp\\in.bmp"));
    expected.insert(Lower(tree.Path("folder.bmp\\in.bmp")));
    // Hidden and system files count only when they also have an ordinary
    // attribute (under Wine every file has the archive attribute).
    ASSERT_TRUE(tree.File("secret.bmp", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
    SetFileAttributesA(tree.Path("secret.bmp").c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    DWORD secret = GetFileAttributesA(tree.Path("secret.bmp").c_str());
    ASSERT_TRUE(secret & FILE_ATTRIBUTE_HIDDEN);
    if (secret & (FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_NORMAL))
        expected.insert(Lower(tree.Path("secret.bmp")));
    // Folders whose names the system changes: "trail." cannot be entered;
    // "twin." would lead into "twin".  Neither is searched, and the search
    // goes on in the right folder after them.
    ASSERT_TRUE(tree.Dir("trail."));
    ASSERT_TRUE(tree.File("trail.\\lost.bmp"));
    ASSERT_TRUE(tree.Dir("twin"));
    ASSERT_TRUE(tree.File("twin\\real.bmp"));
    ASSERT_TRUE(tree.Dir("twin."));
    ASSERT_TRUE(tree.File("twin.\\ghost.bmp"));
    expected.insert(Lower(tree.Path("twin\\real.bmp")));
    ASSERT_TRUE(tree.Dir("zlast"));
    ASSERT_TRUE(tree.File("zlast\\end.bmp"));
    expected.insert(Lower(tree.Path("zlast\\end.bmp")));

    std::string pattern, caption, directory, countText, drive, dirCurrent;
    std::vector<std::string> found;
    char file[256] = "untouched";
    FindFileRequest request = Request(file, sizeof file, nullptr, 0);
    request.initialDir = tree.Root().c_str();
    request.title = "Pick a picture";
    bool shown = false;
    int result = RunDialog(request, [&](HWND box) {
        pattern = ItemText(box, IDC_FIND_PATTERN);
        char text[64] = {};
        GetWindowTextA(box, text, sizeof text);
        caption = text;
        directory = ItemText(box, IDC_FIND_DIRECTORY);
        HWND dirs = GetDlgItem(box, IDC_FIND_DIRECTORIES);
        LRESULT sel = SendMessageA(dirs, LB_GETCURSEL, 0, 0);
        char name[MAX_PATH] = {};
        if (sel >= 0 && SendMessageA(dirs, LB_GETTEXTLEN, sel, 0) < MAX_PATH)
            SendMessageA(dirs, LB_GETTEXT, sel, reinterpret_cast<LPARAM>(name));
        dirCurrent = name;
        HWND drives = GetDlgItem(box, IDC_FIND_DRIVES);
        LRESULT d = SendMessageA(drives, CB_GETCURSEL, 0, 0);
        char label[128] = {};
        if (d >= 0 && SendMessageA(drives, CB_GETLBTEXTLEN, d, 0) < 128)
            SendMessageA(drives, CB_GETLBTEXT, d, reinterpret_cast<LPARAM>(label));
        drive = label;
        // The pattern as shown, relative to the start directory.
        if (SearchFor(box, pattern)) {
            countText = ItemText(box, IDC_FIND_COUNT);
            found = Found(box);
        }
        Command(box, IDCANCEL);
    }, &shown);
    ASSERT_TRUE(shown);
    EXPECT_EQ(0, result);
    EXPECT_STREQ("untouched", file);
    // Opened in the initial directory with the first type's pattern.
    EXPECT_EQ("*.bmp", pattern);
    EXPECT_EQ("Pick a picture", caption);
    EXPECT_EQ(tree.Root(), directory);
    EXPECT_EQ("kxfind-depth", dirCurrent);
    EXPECT_EQ("c:  ", drive.substr(0, 4));

    std::multiset<std::string> got(found.begin(), found.end());
    EXPECT_EQ(std::multiset<std::string>(expected.begin(), expected.end()), got);
    char want[64];
    std::snprintf(want, sizeof want, "%lu file(s) found:", static_cast<unsigned long>(expected.size()));
    EXPECT_EQ(want, countText);
}

TEST_F(FindFileDialog, APatternNamingAFolderSearchesItForEveryFile)
{
    Tree tree("folder");
    ASSERT_TRUE(tree.Dir("Pics"));
    ASSERT_TRUE(tree.File("Pics\\a.bmp"));
    ASSERT_TRUE(tree.File("Pics\\b.tga"));
    ASSERT_TRUE(tree.Dir("Pics\\Old"));
    ASSERT_TRUE(tree.File("Pics\\Old\\readme"));
    ASSERT_TRUE(tree.File("outside.bmp"));
    std::string pattern, directory, countText;
    std::vector<std::string> found;
    char file[256] = {};
    FindFileRequest request = Request(file, sizeof file, nullptr, 0);
    bool shown = false;
    RunDialog(request, [&](HWND box) {
        if (SearchFor(box, tree.Path("PICS"))) {
            pattern = ItemText(box, IDC_FIND_PATTERN);
            directory = ItemText(box, IDC_FIND_DIRECTORY);
            countText = ItemText(box, IDC_FIND_COUNT);
            found = Found(box);
        }
        Command(box, IDCANCEL);
    }, &shown);
    ASSERT_TRUE(shown);
    EXPECT_EQ("*.*", pattern);
    EXPECT_EQ(tree.Path("pics"), directory);
    EXPECT_EQ("3 file(s) found:", countText);
    std::sort(found.begin(), found.end());
    EXPECT_EQ((std::vector<std::string>{tree.Path("pics\\a.bmp"), tree.Path("pics\\b.tga"),
                                        tree.Path("pics\\old\\readme")}),
              found);
}

TEST_F(FindFileDialog, HandsBackTheChosenPathButRefusesOneItsBufferCannotHold)
{
    Tree tree("choose");
    ASSERT_TRUE(tree.Dir("Sub"));
    ASSERT_TRUE(tree.File("Sub\\Chosen.BMP"));
    const std::string path = tree.Path("sub\\chosen.bmp");

    // A buffer one character short: the choice is refused and the dialog
    // stays open; Cancel then ends it with nothing written.
    std::vector<char> small(path.size(), 'x');
    char title[256] = "untouched";
    FindFileRequest tooSmall = Request(small.data(), static_cast<DWORD>(small.size()), title, sizeof title);
    bool stillOpen = false, shown = false;
    int refused = RunDialog(tooSmall, [&](HWND box) {
        if (!SearchFor(box, tree.Root() + "\\*.bmp"))
            return Command(box, IDCANCEL);
        SendDlgItemMessageA(box, IDC_FIND_FOUND, LB_SETCURSEL, 0, 0);
        Command(box, IDC_FIND_FOUND, LBN_DBLCLK);
        Sleep(300);
        stillOpen = IsWindow(box) && IsWindowVisible(box);
        Command(box, IDCANCEL);
    }, &shown);
    ASSERT_TRUE(shown);
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(0, refused);
    EXPECT_TRUE(std::all_of(small.begin(), small.end(), [](char c) { return c == 'x'; }));
    EXPECT_STREQ("untouched", title);
    EXPECT_EQ(before_, CurrentDir());

    // A buffer that holds it: the path, the name's offset and the title.
    char file[256] = {};
    FindFileRequest fits = Request(file, sizeof file, title, sizeof title);
    fits.filterIndex = 0;
    fits.customFilter = "Mine|CHOSEN.*|";
    std::string pattern;
    int chosen = RunDialog(fits, [&](HWND box) {
        pattern = ItemText(box, IDC_FIND_PATTERN);
        if (!SearchFor(box, tree.Root() + "\\" + pattern))
            return Command(box, IDCANCEL);
        SendDlgItemMessageA(box, IDC_FIND_FOUND, LB_SETCURSEL, 0, 0);
        Command(box, IDC_FIND_FOUND, LBN_DBLCLK);
    }, &shown);
    ASSERT_TRUE(shown);
    EXPECT_EQ("chosen.*", pattern);
    EXPECT_EQ(1, chosen);
    EXPECT_EQ(path, std::string(file));
    EXPECT_EQ(path.size() - std::string("chosen.bmp").size(), fits.fileOffset);
    EXPECT_STREQ("chosen.bmp", title);
}

TEST_F(FindFileDialog, CancelInTheProgressBoxKeepsTheFilesFoundSoFar)
{
    // Wide enough that the search is still going when the click arrives:
    // 40 folders of 30 folders of 8 files each.
    Tree tree("cancel");
    constexpr int kFilesPerFolder = 8;
    int total = 0;
    for (int a = 0; a < 40; ++a) {
        std::string outer = "a" + std::to_string(a);
        ASSERT_TRUE(tree.Dir(outer));
        for (int b = 0; b < 30; ++b) {
            std::string inner = outer + "\\b" + std::to_string(b);
            ASSERT_TRUE(tree.Dir(inner));
            for (int f = 0; f < kFilesPerFolder; ++f, ++total)
                ASSERT_TRUE(tree.File(inner + "\\f" + std::to_string(f) + ".bmp"));
        }
    }
    std::string countText, runningText;
    std::vector<std::string> found;
    bool clicked = false, boxSeen = false, shown = false;
    char file[256] = {};
    FindFileRequest request = Request(file, sizeof file, nullptr, 0);
    RunDialog(request, [&](HWND box) {
        SetDlgItemTextA(box, IDC_FIND_PATTERN, (tree.Root() + "\\*.bmp").c_str());
        SetDlgItemTextA(box, IDC_FIND_COUNT, "-");
        Command(box, IDC_FIND_SEARCH);
        HWND progress = nullptr;
        boxSeen = WaitUntil([&] { return (progress = FindOwnDialog(IDC_SEARCH_COUNT)) != nullptr; }, 10000);
        if (boxSeen) {
            // Once a few files are counted, Cancel is clicked as a user does.
            WaitUntil([&] { return ItemText(progress, IDC_SEARCH_COUNT) != "0 file(s) found"; }, 10000);
            RECT r{};
            GetWindowRect(GetDlgItem(progress, IDCANCEL), &r);
            runningText = ItemText(progress, IDC_SEARCH_COUNT);
            clicked = kxtest::RunXdotool(kxtest::ClickAt(POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}));
        }
        if (WaitUntil([&] { return ItemText(box, IDC_FIND_COUNT) != "-"; }, 120000)) {
            countText = ItemText(box, IDC_FIND_COUNT);
            found = Found(box);
        }
        Command(box, IDCANCEL);
    }, &shown);
    ASSERT_TRUE(shown);
    ASSERT_TRUE(boxSeen);
    ASSERT_TRUE(clicked);
    EXPECT_NE("0 file(s) found", runningText);
    ASSERT_FALSE(found.empty());
    std::printf("cancelled after %u of %d files\n", static_cast<unsigned>(found.size()), total);
    EXPECT_LT(found.size(), static_cast<size_t>(total)) << "the search ended before the click arrived";
    // It stopped between folders: whole folders only, each file once.
    EXPECT_EQ(0u, found.size() % kFilesPerFolder);
    EXPECT_EQ(found.size(), std::set<std::string>(found.begin(), found.end()).size());
    EXPECT_EQ(std::to_string(found.size()) + " file(s) found:", countText);
    EXPECT_EQ(nullptr, FindOwnDialog(IDC_SEARCH_COUNT));
}

}  // namespace
