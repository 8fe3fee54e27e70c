// The Find File dialog's tree search: every file matching a pattern in the
// current directory and the directories below it (at most 13 levels), into
// the found list, with a modeless progress box whose Cancel stops the search
// between two directories.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace find_file {

// Directories this many levels below the start are not searched.
constexpr int kMaxDepth = 13;

struct SearchTexts {
    std::string countFormat;  // "%lu file(s) found"
    std::string allFiles;     // "*.*"
};

class TreeSearch {
public:
    // `owner` is disabled while the search runs; found files go into `found`.
    TreeSearch(HINSTANCE instance, HWND owner, HWND found, std::string pattern, SearchTexts texts);
    TreeSearch(const TreeSearch&) = delete;
    TreeSearch& operator=(const TreeSearch&) = delete;

    // Searches from the current directory and returns the number of files
    // found; the current directory is the start directory again afterwards.
    unsigned long Run();
    bool Cancelled() const { return cancelled_; }

private:
    void SearchDirectory(const std::string& path, int depth);
    bool Matches(const WIN32_FIND_DATAA& entry) const;
    void Add(const std::string& path, const char* name);
    void SearchSubdirectories(const std::string& path, int depth, const std::vector<std::string>& names);
    // Hands every waiting message on (the box's own to the box); true when
    // the search should go on.
    bool KeepGoing();
    // Shows the folder being searched (when given) and the count so far.
    void ShowProgress(const std::string& directory);
    static INT_PTR CALLBACK BoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam);

    HINSTANCE instance_;
    HWND owner_;
    HWND found_;
    std::string pattern_;
    SearchTexts texts_;
    HWND box_ = nullptr;
    bool allFiles_;
    bool cancelled_ = false;
    unsigned long count_ = 0;
    unsigned long reserved_ = 0;
    DWORD shownAt_ = 0;
    std::string shownDirectory_;
};

}  // namespace find_file
