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

bool IsDotEntry(const char* name) { return lstrcmpA(name, ".") == 0 || lstrcmpA(name, "..") == 0; }

bool IsSubdirectory(const WIN32_FIND_DATAA& entry)
{
    return (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && !IsDotEntry(entry.cFileName);
}

}  // namespace

TreeSearch::TreeSearch(HINSTANCE instance, HWND owner, HWND found, std::string pattern, SearchTexts texts)
    : instance_(instance), owner_(owner), found_(found), pattern_(std::move(pattern)), texts_(std::move(texts))
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
    // The subdirectories' names are read before any is entered, so that no
    // listing stays open while the search is deeper down.  For the pattern
    // of every file one listing gives both the files and the subdirectories.
    std::vector<std::string> subdirectories;
    bool onePass = lstrcmpiA(pattern_.c_str(), texts_.allFiles.c_str()) == 0;
    ForEachEntry(pattern_, [&](const WIN32_FIND_DATAA& entry) {
        if (IsFoundFile(entry.dwFileAttributes))
            Add(path, entry.cFileName);
        else if (onePass && IsSubdirectory(entry))
            subdirectories.push_back(entry.cFileName);
    });
    ShowCount();
    if (!onePass) {
        ForEachEntry(texts_.allFiles, [&](const WIN32_FIND_DATAA& entry) {
            if (IsSubdirectory(entry))
                subdirectories.push_back(entry.cFileName);
        });
    }
    SearchSubdirectories(path, depth, subdirectories);
}

void TreeSearch::Add(const std::string& path, const char* name)
{
    std::string full = Lower(AppendPattern(path, name));
    LRESULT at = SendMessageA(found_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(full.c_str()));
    if (at >= 0)
        ++count_;
}

void TreeSearch::SearchSubdirectories(const std::string& path, int depth, const std::vector<std::string>& names)
{
    for (const std::string& name : names) {
        // A folder that cannot be entered, or whose name leads somewhere
        // else (the system drops trailing dots and blanks), is skipped:
        // searching on from there would search the wrong folder.
        std::string expected = Lower(AppendPattern(path, name));
        if (!SetCurrentDirectoryA(name.c_str()))
            continue;
        bool entered = CurrentDirectory() == expected;
        if (entered) {
            if (box_)
                SetDlgItemTextA(box_, IDC_SEARCH_DIRECTORY, expected.c_str());
            SearchDirectory(expected, depth + 1);
        }
        if (!SetCurrentDirectoryA(path.c_str())) {
            // The folder being searched has gone: nothing further is safe.
            cancelled_ = true;
            return;
        }
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

void TreeSearch::ShowCount()
{
    if (!box_)
        return;
    char text[64];
    std::snprintf(text, sizeof text, texts_.countFormat.c_str(), count_);
    SetDlgItemTextA(box_, IDC_SEARCH_COUNT, text);
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
