#include "vd_doc.h"

#include "find_file.h"

#include "chroma_key_pause.h"
#include "cmd_ui.h"
#include "format_string.h"
#include "open_image_dlg.h"
#include "overlay_viewer.h"
#include "overlay_vocabulary.h"
#include "picture_buffer.h"
#include "save_image_dlg.h"
#include "strings.h"
#include "vd_view.h"
#include "wait_cursor.h"
#include <algorithm>
#include <cctype>

using framework::LoadText;

namespace {

constexpr int kTypeWordsMode = 0;  // GetFormatString's mode for the driver's type words
constexpr int kChosenType = 7;         // the type the Save dialog remembers


// Find File for the Open dialog: the search dialog owned by it, with the
// viewer's own templates and bitmaps.
bool SearchForFile(HWND owner, const char* filter, DWORD filterIndex, char* path, DWORD pathSize, char* title,
                   DWORD titleSize)
{
    FindFileRequest request{};
    request.structSize = sizeof request;
    request.owner = owner;
    request.instance = GetModuleHandleA(nullptr);
    request.filter = filter;
    request.filterIndex = filterIndex;
    request.file = path;
    request.fileSize = pathSize;
    request.fileTitle = title;
    request.fileTitleSize = titleSize;
    return FindFile(&request) == 1;
}

std::string UpperCase(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

// Clicks the user made while the dialog closed must not reach the window
// that now shows the background and waits for a pick.
void DropPendingMouseMessages(HWND window)
{
    MSG msg;
    while (PeekMessageA(&msg, window, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE)) {
    }
}

// The Save dialog over the view, chroma keying paused while it is open:
// the chosen path, or empty when the user cancelled.
std::string AskSavePath(CVDView& view)
{
    ChromaKeyPause pause(view);
    const std::string filter = LoadText(IDS_SAVE_FILTER);
    CSaveImageDlg dialog(GetParent(view.Handle()), filter.c_str());
    return dialog.DoModal() == IDOK ? dialog.PathName() : std::string();
}

// The Open dialog (with Find File), chroma keying paused while it is open:
// the chosen path, or empty when the user cancelled; `background` receives
// "Load as Background".
std::string AskOpenPath(CVDView& view, bool* background)
{
    ChromaKeyPause pause(view);
    const std::string filter = LoadText(IDS_OPEN_FILTER);
    COpenImageDlg dialog(nullptr, nullptr, OFN_HIDEREADONLY | OFN_SHOWHELP | OFN_ENABLETEMPLATE, filter.c_str(), nullptr);
    dialog.SetFileSearch(SearchForFile);
    if (dialog.DoModal() != IDOK)
        return std::string();
    if (background)
        *background = dialog.LoadAsBackground();
    return dialog.PathName();
}

}  // namespace

CVDView* CVDDoc::View() const
{
    return Views().empty() ? nullptr : static_cast<CVDView*>(Views().front());
}

void CVDDoc::OnUpdateFileOpen(framework::CCmdUI& ui)
{
    CVDView* view = View();
    ui.Enable(!(view && view->ExportTarget()));
}

void CVDDoc::OnFileOpen()
{
    CVDView* view = View();
    IVideoFrame* frame = view ? view->Frame() : nullptr;
    if (!frame)
        return;
    bool background = false;
    std::string path = AskOpenPath(*view, &background);
    if (path.empty())
        return;
    path = UpperCase(path);
    if (background) {
        DropPendingMouseMessages(GetParent(view->Handle()));
        frame->LoadBackgroundImage(path);
        return;
    }
    if (frame->FitToPicture(path))
        frame->LoadPicture(path);
}

void CVDDoc::OnFileSave()
{
    CVDView* view = View();
    IVideoFrame* frame = view ? view->Frame() : nullptr;
    if (!frame)
        return;
    const bool wasFrozen = view->SetFreeze(true, true);
    const std::string path = AskSavePath(*view);
    if (!path.empty()) {
        RedrawWindow(GetParent(view->Handle()), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        RECT area{};
        GetClientRect(view->ExportTarget() ? view->ExportTarget() : view->Handle(), &area);
        // The grab with what the window shows over the video, as Y, U, V.
        if (CPictureBuffer* picture = frame->MergeScreenWithVideo(area)) {
            const std::string type = GetFormatString(kTypeWordsMode, kChosenType);
            SendOverlayCommand(overlay::kVerbSet, overlay::kFmtMemoryFormatYuv);
            {
                framework::CWaitCursor busy;
                SendOverlayCommand(overlay::kVerbSave, overlay::kFmtFileTypeAtAddress, path.c_str(), type.c_str(),
                                   static_cast<int>(area.left), static_cast<int>(area.top),
                                   static_cast<int>(area.right - area.left), static_cast<int>(area.bottom - area.top),
                                   picture->Pixels());
            }
            SendOverlayCommand(overlay::kVerbSet, overlay::kFmtMemoryFormatRgb);
        }
    }
    view->SetFreeze(wasFrozen, true);
}

void CVDDoc::OnCopyTo()
{
    CVDView* view = View();
    if (!view)
        return;
    const bool wasFrozen = view->SetFreeze(true, true);
    const std::string path = AskSavePath(*view);
    if (!path.empty()) {
        const RECT r = view->WorkingRect();
        const std::string type = GetFormatString(kTypeWordsMode, kChosenType);
        framework::CWaitCursor busy;
        SendOverlayCommand(overlay::kVerbSave, overlay::kFmtFileTypeAt, path.c_str(), type.c_str(),
                           static_cast<int>(r.left), static_cast<int>(r.top), static_cast<int>(r.right - r.left),
                           static_cast<int>(r.bottom - r.top));
    }
    view->SetFreeze(wasFrozen, true);
}

void CVDDoc::OnPasteFrom()
{
    CVDView* view = View();
    if (!view)
        return;
    const std::string path = AskOpenPath(*view, nullptr);
    if (path.empty())
        return;
    view->SetFreeze(true, true);
    const RECT r = view->WorkingRect();
    framework::CWaitCursor busy;
    SendOverlayCommand(overlay::kVerbLoad, overlay::kFmtFileAt, path.c_str(), static_cast<int>(r.left),
                       static_cast<int>(r.top), static_cast<int>(r.right - r.left), static_cast<int>(r.bottom - r.top));
}
