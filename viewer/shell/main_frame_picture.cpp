// The main frame's picture work: the grab of a frame region into memory, the
// flips done on it, the composition with what the window shows, fitting the
// window to a picture file, dropped files and unloading the background.
#include "file_info.h"
#include "htfx32.h"
#include "main_frame.h"
#include "overlay_args.h"
#include "overlay_viewer.h"
#include "overlay_vocabulary.h"
#include "strings.h"
#include "vd_view.h"
#include "wait_cursor.h"
#include <shellapi.h>
#include <algorithm>
#include <array>
#include <cctype>

using framework::CCmdUI;
using framework::LoadText;
using framework::Message;

namespace {

constexpr size_t kDroppedNameLimit = 256;

bool IsEmpty(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

// The file's name after the last backslash, in capitals (the menu items show it so).
std::string MenuName(const std::string& path)
{
    size_t slash = path.find_last_of('\\');
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return name;
}

// The driver's size of a picture file; false when it cannot read the file
// or names a size no picture has.
bool QueryPictureSize(const std::string& path, int& width, int& height)
{
    const std::optional<PictureFileInfo> info = QueryPictureFileInfo(path);
    if (!info || info->width <= 0 || info->height <= 0)
        return false;
    width = info->width;
    height = info->height;
    return true;
}

}  // namespace

void CMainFrame::SetMenuItemText(UINT id, UINT formatEntry, const std::string& name)
{
    HMENU menu = GetMenu(hwnd_);
    std::string format;
    char text[300] = {};
    const overlay::OverlayArg args[] = {overlay::OverlayArg(name.c_str())};
    if (!menu || !framework::TryLoadText(formatEntry, format) ||
        overlay::FormatOverlayArgs(format.c_str(), args, 1, text, sizeof text) != overlay::FormatResult::Ok)
        return;
    ModifyMenuA(menu, id, MF_BYCOMMAND | MF_STRING, id, text);
}

void CMainFrame::ReplaceVideoItemText(const std::string& name)
{
    SetMenuItemText(ID_VIEW_VIDEO, IDS_VIDEO_ITEM, name);
}

CPictureBuffer* CMainFrame::GrabRegion(RECT region)
{
    if (!view_ || !view_->Handle())
        return nullptr;
    RedrawWindow(view_->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    if (IsEmpty(region))
        region = view_->ClientRect();
    const int w = region.right - region.left, h = region.bottom - region.top;
    grab_.reset();
    grabRect_ = RECT{0, 0, 0, 0};
    grab_ = CPictureBuffer::Allocate(w, h);
    if (!grab_)
        return nullptr;
    const std::string type = LoadText(IDS_TYPE_DIB) + LoadText(IDS_TYPE_24BIT);
    if (!version4_)
        SendOverlayCommand(overlay::kVerbSet, overlay::kFmtIndicatorOff);
    MCIERROR rc;
    {
        framework::CWaitCursor busy;
        rc = SendOverlayCommand(overlay::kVerbSave, overlay::kFmtMemoryBufferTypeAtAddress, type.c_str(),
                                static_cast<int>(region.left), static_cast<int>(region.top), w, h, grab_->Pixels());
    }
    if (!version4_)
        SendOverlayCommand(overlay::kVerbSet, overlay::kFmtIndicatorOn);
    // A buffer the driver did not fill holds no picture: nothing may be
    // written back from it.
    if (rc != 0) {
        grab_.reset();
        return nullptr;
    }
    grab_->FillHeader();
    grabRect_ = region;
    grabMerged_ = false;
    return grab_.get();
}

void CMainFrame::DiscardGrabbedFrame()
{
    grab_.reset();
    grabRect_ = RECT{0, 0, 0, 0};
    grabMerged_ = false;
    ReplaceVideoItemText("");
}

void CMainFrame::OnFlip(UINT id)
{
    const int32_t mask = id == ID_IMAGE_FLIP_HORIZONTAL ? HTFX_FLIP_HORIZONTAL
                         : id == ID_IMAGE_FLIP_VERTICAL ? HTFX_FLIP_VERTICAL
                                                        : HTFX_FLIP_HORIZONTAL | HTFX_FLIP_VERTICAL;
    framework::CWaitCursor busy;
    CPictureBuffer* picture = GrabRegion(RECT{0, 0, 0, 0});
    if (!picture)
        return;
    HtfxFlipRequest request{};
    request.source = HtfxStream{HTFX_KIND_MEMORY, HTFX_FORMAT_RAW, {picture->Pixels()}};
    request.destination = request.source;
    request.width = picture->Width();
    request.rows = picture->Height();
    request.mask = mask;
    if (htfx_Flip(&request) != HTFX_OK)
        return;
    const RECT& r = grabRect_;
    SendOverlayCommand(overlay::kVerbLoad, overlay::kFmtMemoryBufferAtAddress, static_cast<int>(r.left),
                       static_cast<int>(r.top), static_cast<int>(r.right - r.left), static_cast<int>(r.bottom - r.top),
                       picture->Pixels());
}

void CMainFrame::OnUpdateFlip(CCmdUI& ui)
{
    ui.Enable(!(view_ && view_->State().exported));
}

CPictureBuffer* CMainFrame::MergeScreenWithVideo(RECT region)
{
    SendOverlayCommand(overlay::kVerbSet, overlay::kFmtMemoryFormatYuv);
    CPictureBuffer* picture = GrabRegion(region);
    // The card goes back to RGB buffers also when the grab failed.
    SendOverlayCommand(overlay::kVerbSet, overlay::kFmtMemoryFormatRgb);
    if (!picture || !view_)
        return picture;
    const CVDView::ScreenOverlay over = view_->Overlay();
    if (!over.drawings && !over.exportTarget)
        return picture;

    HWND shown = over.exportTarget ? over.exportTarget : view_->Handle();
    if (over.exportTarget)
        BringWindowToTop(over.exportTarget);
    // Stream A is the window as the screen shows it, keyed on the key
    // colour (no key while chroma keying with the key lock clear); stream
    // B the grabbed video, keyed on the chroma range while chroma keying.
    unsigned char keyA[3] = {GetBValue(over.keyColour), GetGValue(over.keyColour), GetRValue(over.keyColour)};
    // The library rewrites a range key in place: each call gets its own copy.
    std::array<unsigned char, 6> keyB = over.chromaKey;
    const bool chroma = over.chromaActive;

    HtfxOverlayRequest request{};
    request.a.kind = HTFX_KIND_WINDOW;
    request.a.value.window = shown;
    request.a_width = picture->Width();
    request.a_rows = picture->Height();
    request.a_key_type = HTFX_KEYS_EXACT;
    request.a_key_count = chroma && !over.keyLock ? 0 : 1;
    request.a_keys = keyA;
    request.b = HtfxStream{HTFX_KIND_MEMORY, HTFX_FORMAT_YUV, {picture->Pixels()}};
    request.b_width = picture->Width();
    request.b_rows = picture->Height();
    request.b_key_type = HTFX_KEYS_RANGE;
    request.b_key_count = chroma ? 1 : 0;
    request.b_keys = keyB.data();
    request.destination = request.b;
    // The window stream runs from the top row down, the grabbed frame from
    // the bottom row up: the frame is turned to the window's order for the
    // merge and back after it, so that what the window shows lands where it
    // shows it.
    HtfxFlipRequest turn{};
    turn.source = HtfxStream{HTFX_KIND_MEMORY, HTFX_FORMAT_RAW, {picture->Pixels()}};
    turn.destination = turn.source;
    turn.width = picture->Width();
    turn.rows = picture->Height();
    turn.mask = HTFX_FLIP_VERTICAL;
    int32_t rc;
    {
        framework::CWaitCursor busy;
        rc = htfx_Flip(&turn);
        if (rc == HTFX_OK)
            rc = htfx_OverlayStreams(&request);
        if (rc == HTFX_OK)
            rc = htfx_Flip(&turn);
    }
    if (rc != HTFX_OK)
        return nullptr;
    grabMerged_ = true;
    return picture;
}

bool CMainFrame::FitToPicture(const std::string& path)
{
    int width = 0, height = 0;
    if (!QueryPictureSize(path, width, height)) {
        ShowFormatNotSupported(hwnd_, path);
        return false;
    }
    if (!preferences_.resizeWindow)
        return true;
    FitInput in;
    in.pictureW = width;
    in.pictureH = height;
    in.extra = ExtraSize();
    in.workW = workArea_.right - workArea_.left;
    in.workH = workArea_.bottom - workArea_.top;
    in.screenW = GetSystemMetrics(SM_CXSCREEN);
    in.screenH = GetSystemMetrics(SM_CYSCREEN);
    in.centre = preferences_.centerWindow;
    in.frameW = GetSystemMetrics(SM_CXFRAME);
    in.frameH = GetSystemMetrics(SM_CYFRAME);
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(hwnd_, &placement);
    in.normalLeft = placement.rcNormalPosition.left;
    in.normalTop = placement.rcNormalPosition.top;

    FitResult fit = ::FitToPicture(in);
    if (fit.maximise) {
        if (fullScreen_)
            ToggleFullScreen();
        ShowWindow(hwnd_, SW_SHOWMAXIMIZED);
        return true;
    }
    placement.showCmd = SW_SHOWNORMAL;
    placement.rcNormalPosition = RECT{fit.normal.left, fit.normal.top, fit.normal.right, fit.normal.bottom};
    // The leave path of full screen applies the placement (and leaves full
    // screen when it is on).
    fullScreen_ = false;
    LeaveFullScreen(&placement);
    // At its new width the frame's menu may take another line: the height
    // is put right once the frame has been laid out there.
    if (view_ && !IsZoomed(hwnd_)) {
        RECT video = view_->ClientRect();
        RECT frame = WindowRect();
        if (video.right != width || video.bottom != height)
            SetWindowPos(hwnd_, nullptr, 0, 0, frame.right - frame.left + width - video.right,
                         frame.bottom - frame.top + height - video.bottom, SWP_NOMOVE | SWP_NOZORDER);
    }
    return true;
}

LRESULT CMainFrame::OnDropFiles(const Message& m)
{
    HDROP drop = m.Drop();
    const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    std::string chosen;
    for (UINT i = 0; i < count && chosen.empty(); ++i) {
        char name[kDroppedNameLimit + 1] = {};
        const UINT length = DragQueryFileA(drop, i, nullptr, 0);
        DragQueryFileA(drop, i, name, sizeof name);
        // A longer name cannot be held whole: it is taken as unreadable.
        if (length > kDroppedNameLimit) {
            ShowFormatNotSupported(hwnd_, name);
            continue;
        }
        if (FitToPicture(name))
            chosen = name;
    }
    DragFinish(drop);
    if (!chosen.empty())
        LoadPicture(chosen);
    return 0;
}

void CMainFrame::LoadPicture(const std::string& path)
{
    if (view_)
        view_->ShowCardPicture();
    {
        framework::CWaitCursor busy;
        SendOverlayCommand(overlay::kVerbLoad, overlay::kFmtFile, path.c_str());
    }
    ReplaceVideoItemText(MenuName(path));
}

bool CMainFrame::LoadBackgroundImage(const std::string& path)
{
    int width = 0, height = 0;
    if (!QueryPictureSize(path, width, height)) {
        ShowFormatNotSupported(hwnd_, path);
        return false;
    }
    // Allocate refuses sides beyond its bound, so the size cannot overflow.
    std::unique_ptr<CPictureBuffer> image = CPictureBuffer::Allocate(width, height);
    if (!image) {
        ShowFormatNotSupported(hwnd_, path);
        return false;
    }
    MCIERROR rc;
    {
        framework::CWaitCursor busy;
        rc = SendOverlayCommand(overlay::kVerbLoad, overlay::kFmtFileAddress, path.c_str(), image->Pixels());
    }
    if (rc != 0)
        return false;
    image->FillHeader();
    // The view lets go of the old picture before the buffer goes.
    if (view_)
        view_->SetBackgroundImage(image.get());
    background_ = std::move(image);
    const std::string name = MenuName(path);
    SetMenuItemText(ID_IMAGE_UNLOAD, IDS_UNLOAD_ITEM, name);
    SetMenuItemText(ID_VIEW_BACKGROUND, IDS_BACKGROUND_ITEM, name);
    return true;
}

void CMainFrame::OnUpdateUnload(CCmdUI& ui)
{
    ui.Enable(background_ != nullptr);
}

void CMainFrame::OnUnload()
{
    if (view_)
        view_->SetBackgroundImage(nullptr);
    background_.reset();
    SetMenuItemText(ID_IMAGE_UNLOAD, IDS_UNLOAD_ITEM, "");
    SetMenuItemText(ID_VIEW_BACKGROUND, IDS_BACKGROUND_ITEM, "");
}
