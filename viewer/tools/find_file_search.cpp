#include "find_file_search.h"
#include "find_file_lists.h"
#include "find_file_rules.h"
#include "message.h"
#include "resource.h"

#include <cstdio>
#include <memory>
#include <utility>
#include <vector>

namespace find_file {
namespace {

static_assert(kAttributeReadOnly == FILE_ATTRIBUTE_READONLY && kAttributeHidden == FILE_ATTRIBUTE_HIDDEN &&
                  kAttributeSystem == FILE_ATTRIBUTE_SYSTEM && kAttributeDirectory == FILE_ATTRIBUTE_DIRECTORY &&
                  kAttributeArchive == FILE_ATTRIBUTE_ARCHIVE && kAttributeNormal == FILE_ATTRIBUTE_NORMAL,
              "attributes are numbered as the system numbers them");

constexpr char kAbortTemplate[] = "AbortSearchDlg";
constexpr unsigned long kFirstReserve = 256;  // found-list items reserved at first
constexpr DWORD kProgressInterval = 100;      // milliseconds between two updates of the box

struct FindCloser { void operator()(HANDLE h) const { if (h && h != INVALID_HANDLE_VALUE) FindClose(h); } };
using FindHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, FindCloser>;

// Calls `each` for every entry matching `pattern` in the current directory.
template <class Each>
void ForEachEntry(const std::string& pattern, Each each)
{
    WIN32_FIND_DATAA entry{};
    HANDLE first = FindFirstFileA(pattern.c_str(), &entry);
    if (first == INVALID_HANDLE_VALUE)
        return;
    FindHandle search(first);
    do {
        each(entry);
    } while (FindNextFileA(search.get(), &entry));
}

// The absolute form of a path as the system resolves it (a string rule of
// the system's, no disk access); empty when it does not fit.
std::string FullPathOf(const std::string& path)
{
    char full[MAX_PATH] = {};
    const DWORD length = GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
    return length == 0 || length >= sizeof full ? std::string() : std::string(full, length);
}

bool IsDotEntry(const char* name) { return lstrcmpA(name, ".") == 0 || lstrcmpA(name, "..") == 0; }

bool IsSubdirectory(const WIN32_FIND_DATAA& entry)
{
    return (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && !IsDotEntry(entry.cFileName);
}

}  // namespace

TreeSearch::TreeSearch(HINSTANCE instance, HWND owner, HWND found, std::string pattern, SearchTexts texts)
    : instance_(instance), owner_(owner), found_(found), pattern_(std::move(pattern)), texts_(std::move(texts)),
      allFiles_(lstrcmpiA(pattern_.c_str(), texts_.allFiles.c_str()) == 0)
{
}

unsigned long TreeSearch::Run()
{
    std::string start = CurrentDirectory();
    if (start.empty())
        return 0;
    box_ = CreateDialogParamA(instance_, kAbortTemplate, owner_, BoxProc, reinterpret_cast<LPARAM>(this));
    if (box_)
        ShowWindow(box_, SW_SHOW);
    EnableWindow(owner_, FALSE);
    SendMessageA(found_, WM_SETREDRAW, FALSE, 0);
    SendMessageA(found_, LB_RESETCONTENT, 0, 0);
    count_ = 0;
    reserved_ = 0;
    shownAt_ = 0;
    cancelled_ = false;

    SearchDirectory(WithoutTrailingBackslash(start), 0);

    SetCurrentDirectoryA(start.c_str());
    EnableWindow(owner_, TRUE);
    if (box_)
        DestroyWindow(box_);
    box_ = nullptr;
    SendMessageA(found_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(found_, nullptr, TRUE);
    return count_;
}

void TreeSearch::SearchDirectory(const std::string& path, int depth)
{
    if (!KeepGoing() || depth >= kMaxDepth)
        return;
    // One listing of every entry gives both the matching files and the
    // subdirectories (a second listing for the pattern would double the
    // cost); the subdirectories' names are read before any is searched, so
    // that no listing stays open while the search is deeper down.  Folders
    // are listed by their full paths: changing the current directory into
    // each one and back would cost as much again as the listing.
    std::vector<std::string> subdirectories;
    ForEachEntry(AppendPattern(path, texts_.allFiles), [&](const WIN32_FIND_DATAA& entry) {
        if (IsSubdirectory(entry))
            subdirectories.push_back(entry.cFileName);
        else if (IsFoundFile(entry.dwFileAttributes) && Matches(entry))
            Add(path, entry.cFileName);
    });
    ShowProgress(std::string());
    SearchSubdirectories(path, depth, subdirectories);
}

bool TreeSearch::Matches(const WIN32_FIND_DATAA& entry) const
{
    if (allFiles_)
        return true;
    // The short name counts as well, as it does for the system's own listing.
    return MatchesPattern(entry.cFileName, pattern_) ||
           (entry.cAlternateFileName[0] && MatchesPattern(entry.cAlternateFileName, pattern_));
}

void TreeSearch::Add(const std::string& path, const char* name)
{
    // The list grows in steps that double, rather than one item at a time.
    if (count_ >= reserved_) {
        reserved_ = reserved_ ? reserved_ * 2 : kFirstReserve;
        SendMessageA(found_, LB_INITSTORAGE, reserved_ - count_, (reserved_ - count_) * (path.size() + 16));
    }
    std::string full = Lower(AppendPattern(path, name));
    LRESULT at = SendMessageA(found_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(full.c_str()));
    if (at >= 0)
        ++count_;
}

void TreeSearch::SearchSubdirectories(const std::string& path, int depth, const std::vector<std::string>& names)
{
    for (const std::string& name : names) {
        // A folder whose name the system changes (it drops trailing dots and
        // blanks) cannot be entered or leads into another folder: it is
        // skipped, since searching on from there would search the wrong
        // folder.  A folder that cannot be listed yields nothing.
        const std::string expected = Lower(AppendPattern(path, name));
        if (Lower(FullPathOf(expected)) != expected)
            continue;
        ShowProgress(expected);
        SearchDirectory(expected, depth + 1);
        if (cancelled_)
            return;
    }
}

bool TreeSearch::KeepGoing()
{
    MSG msg;
    while (!cancelled_ && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            // The program is ending: stop, and leave the request for the
            // message loop.
            PostQuitMessage(static_cast<int>(msg.wParam));
            cancelled_ = true;
            break;
        }
        if (box_ && IsDialogMessageA(box_, &msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return !cancelled_;
}

void TreeSearch::ShowProgress(const std::string& directory)
{
    if (!directory.empty())
        shownDirectory_ = directory;
    // Redrawing the box after every folder would cost more than listing the
    // folder: it is brought up to date a few times a second.
    DWORD now = GetTickCount();
    if (!box_ || (shownAt_ != 0 && now - shownAt_ < kProgressInterval))
        return;
    shownAt_ = now;
    char text[64];
    std::snprintf(text, sizeof text, texts_.countFormat.c_str(), count_);
    SetDlgItemTextA(box_, IDC_SEARCH_COUNT, text);
    SetDlgItemTextA(box_, IDC_SEARCH_DIRECTORY, shownDirectory_.c_str());
}

INT_PTR CALLBACK TreeSearch::BoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam)
{
    const framework::Message m{box, message, wParam, lParam};
    switch (m.id) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(box, DWLP_USER, m.InitParam());
        return TRUE;
    case WM_COMMAND:
        if (m.CommandId() == IDCANCEL) {
            if (auto* self = reinterpret_cast<TreeSearch*>(GetWindowLongPtrA(box, DWLP_USER)))
                self->cancelled_ = true;
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

}  // namespace find_file
