#include "find_file_dlg.h"
#include "resource.h"
#include "strings.h"

#include <cstdio>

namespace find_file {
namespace {

constexpr char kTemplate[] = "FindFileDlg";
constexpr int kPatternLength = 128;     // characters read from the pattern box
constexpr WPARAM kFoundExtent = 400;    // pixels the found list scrolls sideways

}  // namespace

const CFindFileDlg::MessageEntry CFindFileDlg::kMessages[] = {
    {WM_INITDIALOG, &CFindFileDlg::OnInitDialog},
    {WM_COMMAND, &CFindFileDlg::OnCommand},
    {WM_DRAWITEM, &CFindFileDlg::OnDrawItem},
};

const CFindFileDlg::CommandEntry CFindFileDlg::kCommands[] = {
    {IDC_FIND_DRIVES, CBN_SELCHANGE, &CFindFileDlg::OnDriveChange},
    {IDC_FIND_DIRECTORIES, LBN_DBLCLK, &CFindFileDlg::OnDirectoryOpen},
    {IDC_FIND_FOUND, LBN_DBLCLK, &CFindFileDlg::OnTake},
    {IDC_FIND_SEARCH, BN_CLICKED, &CFindFileDlg::OnSearch},
    {IDOK, BN_CLICKED, &CFindFileDlg::OnEnter},
    {IDCANCEL, BN_CLICKED, &CFindFileDlg::OnCancel},
};

CFindFileDlg::CFindFileDlg(FindFileRequest& request) : request_(request), bitmaps_(request.instance)
{
    HINSTANCE texts = request.instance;
    texts_.driveFormat = framework::LoadText(IDS_FIND_DRIVE_FORMAT, texts);
    texts_.driveGap = framework::LoadText(IDS_FIND_DRIVE_GAP, texts);
    texts_.drive = framework::LoadText(IDS_FIND_DRIVE, texts);
    texts_.allFiles = framework::LoadText(IDS_FIND_ALL_FILES, texts);
    searchTexts_.countFormat = framework::LoadText(IDS_FIND_COUNT_FORMAT, texts);
    searchTexts_.allFiles = texts_.allFiles;
    foundFormat_ = framework::LoadText(IDS_FIND_FOUND_FORMAT, texts);
    pattern_ = InitialPattern(request.filter, request.customFilter, request.filterIndex, texts_.allFiles);
}

INT_PTR CFindFileDlg::Run()
{
    return DialogBoxParamA(request_.instance, kTemplate, request_.owner, Proc, reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK CFindFileDlg::Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    const framework::Message m{dialog, message, wParam, lParam};
    if (m.id == WM_INITDIALOG)
        SetWindowLongPtrA(dialog, DWLP_USER, m.InitParam());
    auto* self = reinterpret_cast<CFindFileDlg*>(GetWindowLongPtrA(dialog, DWLP_USER));
    if (!self)
        return FALSE;
    for (const MessageEntry& entry : kMessages)
        if (entry.message == m.id)
            return (self->*entry.handler)(m);
    return FALSE;
}

INT_PTR CFindFileDlg::OnInitDialog(const framework::Message& m)
{
    hwnd_ = m.hwnd;
    // Both lists' items are as tall as the taller of the font and the pictures.
    int height = ItemHeight(hwnd_, bitmaps_);
    SendMessageA(Item(IDC_FIND_DIRECTORIES), LB_SETITEMHEIGHT, 0, height);
    SendMessageA(Item(IDC_FIND_DRIVES), CB_SETITEMHEIGHT, 0, height);
    SendMessageA(Item(IDC_FIND_DRIVES), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), height);
    SendMessageA(Item(IDC_FIND_FOUND), LB_SETHORIZONTALEXTENT, kFoundExtent, 0);
    SendMessageA(Item(IDC_FIND_PATTERN), EM_LIMITTEXT, kPatternLength, 0);

    FillDrives(Item(IDC_FIND_DRIVES), texts_);
    if (!request_.initialDir || !StartIn(request_.initialDir))
        ShowDirectory(false);
    SetDlgItemTextA(hwnd_, IDC_FIND_PATTERN, pattern_.c_str());
    if (request_.title)
        SetWindowTextA(hwnd_, request_.title);
    return TRUE;
}

bool CFindFileDlg::StartIn(const char* initialDir)
{
    std::string path = AbsolutePattern(initialDir, pattern_);
    if (path.empty())
        return false;
    PathParts parts = SplitPath(Lower(path));
    if (!Enter(parts))
        return false;
    pattern_ = parts.name + parts.ext;
    SelectDrive(Item(IDC_FIND_DRIVES), CurrentDrive());
    ShowDirectory(false);
    return true;
}

INT_PTR CFindFileDlg::OnCommand(const framework::Message& m)
{
    for (const CommandEntry& entry : kCommands) {
        if (entry.control == static_cast<int>(m.CommandId()) && entry.notification == m.NotifyCode()) {
            (this->*entry.command)();
            return TRUE;
        }
    }
    return FALSE;
}

INT_PTR CFindFileDlg::OnDrawItem(const framework::Message& m)
{
    const DRAWITEMSTRUCT& item = *m.DrawItem();
    if (item.CtlID == IDC_FIND_DRIVES)
        DrawDriveItem(item, bitmaps_);
    else if (item.CtlID == IDC_FIND_DIRECTORIES)
        DrawDirectoryItem(item, bitmaps_);
    else
        return FALSE;
    return TRUE;
}

void CFindFileDlg::OnDriveChange()
{
    int previous = CurrentDrive();
    if (ChangeToDrive(SelectedDrive(Item(IDC_FIND_DRIVES)), texts_)) {
        ShowDirectory(false);
        return;
    }
    // The drive cannot be used (no disk, say): back to the one before.
    if (previous < 0 || !ChangeToDrive(previous, texts_))
        return;
    char entry[16];
    std::snprintf(entry, sizeof entry, texts_.drive.c_str(), 'a' + previous);
    SendMessageA(Item(IDC_FIND_DRIVES), CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(entry));
}

void CFindFileDlg::OnDirectoryOpen()
{
    std::string target = PathForSelection(Item(IDC_FIND_DIRECTORIES));
    if (target.empty() || !SetCurrentDirectoryA(target.c_str()))
        return;
    ShowDirectory(false);
}

void CFindFileDlg::OnSearch()
{
    std::string path = AbsolutePattern(Text(IDC_FIND_PATTERN), texts_.allFiles);
    if (!path.empty())
        Search(path);
}

void CFindFileDlg::OnEnter()
{
    // Enter means what the focused control is for.
    HWND focus = GetFocus();
    if (focus == Item(IDC_FIND_DIRECTORIES))
        OnDirectoryOpen();
    else if (focus == Item(IDC_FIND_PATTERN))
        OnSearch();
    else
        OnTake();
}

void CFindFileDlg::OnTake()
{
    HWND found = Item(IDC_FIND_FOUND);
    LRESULT selected = SendMessageA(found, LB_GETCURSEL, 0, 0);
    if (selected == LB_ERR) {
        MessageBeep(MB_OK);
        return;
    }
    std::string path = ItemText(found, LB_GETTEXTLEN, LB_GETTEXT, static_cast<WPARAM>(selected));
    FoundPath out;
    if (!CopyFoundPath(path, request_.file, request_.fileSize, request_.fileTitle, request_.fileTitleSize, out)) {
        // A cut path would name another file: the dialog stays open.
        MessageBeep(MB_ICONEXCLAMATION);
        return;
    }
    request_.fileOffset = static_cast<DWORD>(out.nameOffset);
    EndDialog(hwnd_, 1);
}

void CFindFileDlg::OnCancel()
{
    EndDialog(hwnd_, 0);
}

void CFindFileDlg::Search(const std::string& pathWithPattern)
{
    PathParts parts = SplitPath(Lower(pathWithPattern));
    std::string pattern = parts.name + parts.ext;
    if (pattern.empty())
        return;
    std::string before = CurrentDirectory();
    if (!Enter(parts))
        return;
    if (!SelectDrive(Item(IDC_FIND_DRIVES), CurrentDrive())) {
        SetCurrentDirectoryA(before.c_str());
        return;
    }
    ShowDirectory(true);
    pattern_ = pattern;
    SetDlgItemTextA(hwnd_, IDC_FIND_PATTERN, pattern_.c_str());

    TreeSearch search(request_.instance, hwnd_, Item(IDC_FIND_FOUND), pattern_, searchTexts_);
    unsigned long count = search.Run();

    char text[64];
    std::snprintf(text, sizeof text, foundFormat_.c_str(), count);
    SetDlgItemTextA(hwnd_, IDC_FIND_COUNT, text);
    SetDlgItemTextA(hwnd_, IDC_FIND_DIRECTORY, WithoutTrailingBackslash(CurrentDirectory()).c_str());
}

bool CFindFileDlg::Enter(const PathParts& parts)
{
    std::string before = CurrentDirectory();
    std::string drive = parts.drive.empty() ? before.substr(0, 2) : parts.drive;
    std::string dir = parts.dir.empty() ? std::string("\\") : parts.dir;
    if (!drive.empty() && !ChangeToDrive(drive[0] - 'a', texts_)) {
        SetCurrentDirectoryA(before.c_str());
        return false;
    }
    // The directory is the drive's: "\pics\" from the root, or relative to
    // the drive's current directory.
    std::string target = parts.dir.empty() ? drive : WithoutTrailingBackslash(drive + dir);
    if (!SetCurrentDirectoryA(target.c_str())) {
        SetCurrentDirectoryA(before.c_str());
        return false;
    }
    return true;
}

std::string CFindFileDlg::AbsolutePattern(const std::string& text, const std::string& pattern) const
{
    if (text.empty())
        return std::string();
    char full[MAX_PATH] = {};
    DWORD length = GetFullPathNameA(text.c_str(), sizeof full, full, nullptr);
    if (length == 0 || length >= sizeof full)
        return std::string();
    DWORD attributes = GetFileAttributesA(full);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return AppendPattern(full, pattern);
    return full;
}

void CFindFileDlg::ShowDirectory(bool topFirst)
{
    find_file::ShowDirectory(Item(IDC_FIND_DIRECTORIES), Item(IDC_FIND_SCRATCH), Item(IDC_FIND_DIRECTORY), topFirst,
                             texts_);
}

std::string CFindFileDlg::Text(UINT id) const
{
    char text[kPatternLength + 1] = {};
    GetDlgItemTextA(hwnd_, static_cast<int>(id), text, sizeof text);
    return text;
}

}  // namespace find_file
