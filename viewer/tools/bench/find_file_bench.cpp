// The cost of a Find File search over a large tree, as the user runs it: the
// dialog open, Search pressed, the progress box up, every file listed;
// beside a bare FindFirstFile walk of the same tree in the same run.  Prints
// figures, asserts nothing.  Runs under Wine: bench/run.
#include "find_file.h"
#include "resource.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <string>
#include <thread>

namespace {

constexpr int kOuter = 20, kInner = 10, kFiles = 100;  // 20 x 10 folders of 100 files: 20,000 files
constexpr int kRuns = 5;

double Now()
{
    LARGE_INTEGER f, t;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) / static_cast<double>(f.QuadPart);
}

bool MakeFile(const std::string& path)
{
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(h);
    return true;
}

bool MakeTree(const std::string& root)
{
    CreateDirectoryA(root.c_str(), nullptr);
    for (int a = 0; a < kOuter; ++a) {
        std::string outer = root + "\\set" + std::to_string(a);
        CreateDirectoryA(outer.c_str(), nullptr);
        for (int b = 0; b < kInner; ++b) {
            std::string inner = outer + "\\roll" + std::to_string(b);
            CreateDirectoryA(inner.c_str(), nullptr);
            for (int f = 0; f < kFiles; ++f)
                if (!MakeFile(inner + "\\frame" + std::to_string(f) + ".bmp"))
                    return false;
        }
    }
    return true;
}

void RemoveTree(const std::string& dir)
{
    WIN32_FIND_DATAA entry{};
    HANDLE search = FindFirstFileA((dir + "\\*.*").c_str(), &entry);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::string name = entry.cFileName;
            if (name == "." || name == "..")
                continue;
            std::string full = dir + "\\" + name;
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(full);
            else
                DeleteFileA(full.c_str());
        } while (FindNextFileA(search, &entry));
        FindClose(search);
    }
    RemoveDirectoryA(dir.c_str());
}

// The bare walk: every entry of every folder, the files counted.
unsigned long Walk(const std::string& dir)
{
    unsigned long files = 0;
    WIN32_FIND_DATAA entry{};
    HANDLE search = FindFirstFileA((dir + "\\*.*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE)
        return 0;
    do {
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            if (lstrcmpA(entry.cFileName, ".") != 0 && lstrcmpA(entry.cFileName, "..") != 0)
                files += Walk(dir + "\\" + entry.cFileName);
        } else {
            ++files;
        }
    } while (FindNextFileA(search, &entry));
    FindClose(search);
    return files;
}

BOOL CALLBACK CheckWindow(HWND w, LPARAM lp)
{
    DWORD process = 0;
    GetWindowThreadProcessId(w, &process);
    if (process == GetCurrentProcessId() && IsWindowVisible(w) && GetDlgItem(w, IDC_FIND_PATTERN)) {
        *reinterpret_cast<HWND*>(lp) = w;
        return FALSE;
    }
    return TRUE;
}

HWND FindDialog()
{
    HWND found = nullptr;
    EnumWindows(CheckWindow, reinterpret_cast<LPARAM>(&found));
    return found;
}

std::string Text(HWND box, int id)
{
    char text[128] = {};
    GetDlgItemTextA(box, id, text, sizeof text);
    return text;
}

// When one search starts, seen on the dialog's own thread (the moment it
// takes the Search command), and when its count line shows the result, read
// without a message to the dialog (asking the dialog for its text from
// another thread while it searches would itself slow the search down, and so
// would a hook on every message it sends).
struct SearchClock {
    std::atomic<double> started{0};
    std::atomic<double> ended{0};
};
SearchClock g_clock;
HHOOK g_taken = nullptr;

LRESULT CALLBACK CommandTaken(int code, WPARAM wp, LPARAM lp)
{
    const auto* msg = reinterpret_cast<const MSG*>(lp);
    if (code == HC_ACTION && wp == PM_REMOVE && msg->message == WM_COMMAND && LOWORD(msg->wParam) == IDC_FIND_SEARCH)
        g_clock.started = Now();
    return CallNextHookEx(g_taken, code, wp, lp);
}

// Searches with `pattern` kRuns times in one dialog; the best time in
// seconds, and the last count line.
double TimeSearches(const std::string& pattern, std::string& countLine)
{
    char file[256] = {};
    FindFileRequest request{};
    request.structSize = sizeof request;
    request.instance = GetModuleHandleA(nullptr);
    request.file = file;
    request.fileSize = sizeof file;
    double best = 1e30;
    g_taken = SetWindowsHookExA(WH_GETMESSAGE, CommandTaken, nullptr, GetCurrentThreadId());
    std::thread driver([&] {
        HWND box = nullptr;
        for (int i = 0; i < 1000 && !(box = FindDialog()); ++i)
            Sleep(10);
        if (!box)
            return;
        for (int run = 0; run < kRuns; ++run) {
            SetDlgItemTextA(box, IDC_FIND_PATTERN, pattern.c_str());
            SetDlgItemTextA(box, IDC_FIND_COUNT, "-");
            g_clock.started = 0;
            g_clock.ended = 0;
            PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDC_FIND_SEARCH, BN_CLICKED), 0);
            HWND count = GetDlgItem(box, IDC_FIND_COUNT);
            for (;;) {
                char text[64] = {};
                WCHAR wide[64] = {};
                InternalGetWindowText(count, wide, 64);
                WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
                if (lstrcmpA(text, "-") != 0 && g_clock.started > 0) {
                    g_clock.ended = Now();
                    break;
                }
                Sleep(1);
            }
            best = std::min(best, g_clock.ended - g_clock.started);
        }
        countLine = Text(box, IDC_FIND_COUNT);
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    });
    FindFile(&request);
    driver.join();
    UnhookWindowsHookEx(g_taken);
    return best;
}

// What filling a list box with `count` paths costs alone, in seconds.
double TimeListFill(const std::string& root, int count)
{
    HWND list = CreateWindowA("ListBox", "", WS_POPUP | WS_VSCROLL | WS_HSCROLL | LBS_NOTIFY, 0, 0, 200, 200, nullptr,
                              nullptr, GetModuleHandleA(nullptr), nullptr);
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    double start = Now();
    for (int i = 0; i < count; ++i) {
        std::string path = root + "\\set1\\roll2\\frame" + std::to_string(i) + ".bmp";
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(path.c_str()));
    }
    double took = Now() - start;
    DestroyWindow(list);
    return took;
}

}  // namespace

int main()
{
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    const std::string root = std::string(temp) + "kxfind-bench";
    RemoveTree(root);
    double made = Now();
    if (!MakeTree(root)) {
        std::printf("find_file_bench: the tree could not be made under %s\n", root.c_str());
        RemoveTree(root);
        return 1;
    }
    std::printf("tree: %d folders, %d files, made in %.1f s\n", kOuter * kInner + kOuter + 1, kOuter * kInner * kFiles,
                Now() - made);

    unsigned long walked = Walk(root);  // once to warm the caches
    double bare = 1e30;
    for (int run = 0; run < kRuns; ++run) {
        double start = Now();
        walked = Walk(root);
        bare = std::min(bare, Now() - start);
    }
    std::printf("best of %d runs\n", kRuns);
    std::printf("%-34s %8.1f ms  (%lu files)\n", "bare FindFirstFile walk", bare * 1000.0, walked);
    std::printf("%-34s %8.1f ms\n", "(a list box filled alone)", TimeListFill(root, kOuter * kInner * kFiles) * 1000.0);
    for (const char* pattern : {"\\set0\\roll0\\*.*", "\\*.*", "\\*.bmp"}) {
        std::string countLine;
        double search = TimeSearches(root + pattern, countLine);
        std::printf("%-34s %8.1f ms  (%s)  %.2f x the walk\n", (std::string("Find File search ") + (pattern + 1)).c_str(),
                    search * 1000.0, countLine.c_str(), search / bare);
    }
    RemoveTree(root);
    return 0;
}
