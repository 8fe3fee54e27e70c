// The Find File dialog ("FindFileDlg"), on the plain dialog-box interface:
// one dialog procedure, which hands each message to a member by a table of
// messages and a table of commands, with the parameters typed.
#pragma once
#include "find_file.h"
#include "find_file_lists.h"
#include "find_file_rules.h"
#include "find_file_search.h"
#include "message.h"

#include <string>

namespace find_file {

class CFindFileDlg {
public:
    explicit CFindFileDlg(FindFileRequest& request);
    CFindFileDlg(const CFindFileDlg&) = delete;
    CFindFileDlg& operator=(const CFindFileDlg&) = delete;

    // Runs the dialog modally: 1 when a file was handed to the caller, 0
    // when cancelled, -1 when the dialog could not be shown.
    INT_PTR Run();

private:
    using Handler = INT_PTR (CFindFileDlg::*)(const framework::Message&);
    struct MessageEntry {
        UINT message;
        Handler handler;
    };
    using Command = void (CFindFileDlg::*)();
    struct CommandEntry {
        int control;
        UINT notification;
        Command command;
    };
    static const MessageEntry kMessages[];
    static const CommandEntry kCommands[];
    static INT_PTR CALLBACK Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

    INT_PTR OnInitDialog(const framework::Message& m);
    INT_PTR OnCommand(const framework::Message& m);
    INT_PTR OnDrawItem(const framework::Message& m);

    void OnDriveChange();
    void OnDirectoryOpen();
    void OnSearch();
    void OnEnter();
    void OnTake();
    void OnCancel();

    // Starts in the caller's initial directory; false when it cannot be entered.
    bool StartIn(const char* initialDir);
    // Searches the tree named by a path ending in a pattern ("c:\pics\*.bmp").
    void Search(const std::string& pathWithPattern);
    // Changes to the drive and directory of `parts`; on failure the current
    // directory is put back and the result is false.
    bool Enter(const PathParts& parts);
    // An absolute form of `text`, with the pattern of every file appended
    // when it names a directory; empty when it cannot be made.
    std::string AbsolutePattern(const std::string& text, const std::string& pattern) const;
    void ShowDirectory(bool topFirst);
    HWND Item(int id) const { return GetDlgItem(hwnd_, id); }
    std::string Text(UINT id) const;

    FindFileRequest& request_;
    HWND hwnd_ = nullptr;
    ListBitmaps bitmaps_;
    ListTexts texts_;
    SearchTexts searchTexts_;
    std::string foundFormat_;
    std::string pattern_;
};

}  // namespace find_file
