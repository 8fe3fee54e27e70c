#include "vd_view.h"

#include <cstring>

#include "chroma_key_dlg.h"
#include "chroma_key_pause.h"
#include "print_page.h"
#include "handles.h"
#include "point_picker.h"
#include "overlay_args.h"
#include "picture_buffer.h"
#include "strings.h"
#include "video_commands.h"
#include "viewer_settings.h"

using framework::CCmdUI;
using framework::Message;

CVDView::CVDView()
{
    source_ = static_cast<int>(ViewerSettings().ReadNumber(kSetSettings, kSetVideoSource, 0));
    SendSourceNumber(source_);
}

CVDView::~CVDView()
{
    if (contextMenu_)
        DestroyMenu(contextMenu_);
}

HWND CVDView::FrameWindow() const
{
    return hwnd_ ? GetParent(hwnd_) : nullptr;
}

ViewState CVDView::State() const
{
    ViewState s;
    s.sourceNumber = source_;
    s.frozen = frozen_;
    s.inverted = inverted_;
    s.zoom = modes_.zoom();
    s.nonFit = modes_.nonFit();
    s.fullScreen = frame_ && frame_->IsFullScreen();
    s.rotationRunning = frame_ && frame_->RotationRunning();
    s.strobeRunning = frame_ && frame_->StrobeRunning();
    s.exported = exportTarget_ != nullptr;
    s.chromaKeyActive = chromaKeyActive_;
    s.backgroundLoaded = background_ != nullptr;
    s.backgroundShown = background_ && backgroundShown_;
    s.hasSelection = !IsRectEmpty(&selection_);
    s.hasCurrentText = texts_.Current() != nullptr;
    return s;
}

LRESULT CVDView::OnCreate(const Message& m)
{
    if (Default(m) == -1)
        return -1;
    SendViewWindow(hwnd_);
    return 0;
}

LRESULT CVDView::OnDestroy(const Message& m)
{
    ViewerSettings().WriteNumber(kSetSettings, kSetVideoSource, static_cast<DWORD>(source_));
    return Default(m);
}

void CVDView::OnInitialUpdate()
{
    RECT client = ClientRect();
    SetScrollSizes(SIZE{client.right, client.bottom});
    // The in-place editor of the text annotations waits hidden over the picture.
    texts_.Create(hwnd_);
    if (!contextMenu_)
        contextMenu_ = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_VIEW_CONTEXT));
    UpdateStatus();
}

void CVDView::PlaceVideo(PlaceMode mode)
{
    if (!hwnd_ || placing_)
        return;
    // Scroll bars that come or go resize the client area (and call back
    // here); the placement is worked out again for the client they leave.
    placing_ = true;
    Placement p;
    for (int pass = 0; pass < 3; ++pass) {
        RECT client = ClientRect();
        PlacementInput in;
        in.scrollX = ScrollPosition().x;
        in.scrollY = ScrollPosition().y;
        in.clientW = client.right;
        in.clientH = client.bottom;
        in.screenW = GetSystemMetrics(SM_CXSCREEN);
        in.screenH = GetSystemMetrics(SM_CYSCREEN);
        in.fullScreen = frame_ && frame_->IsFullScreen();
        in.zoom = modes_.zoom();
        in.nonFit = modes_.nonFit();
        in.printing = printing_;
        p = ComputePlacement(mode, in);
        if (p.action != PlacementAction::Place)
            break;
        modes_.SetNonFit(p.nonFit);
        SetScrollSizes(SIZE{p.totalW, p.totalH});
        if (p.nonFit)
            ScrollToPosition(POINT{p.scrollX, p.scrollY});
        RECT after = ClientRect();
        if (after.right == client.right && after.bottom == client.bottom)
            break;
    }
    SendPlacement(p);
    placing_ = false;
}

LRESULT CVDView::OnWindowPosChanged(const Message& m)
{
    LRESULT result = Default(m);  // sends the WM_SIZE the scroll bars need
    PlaceVideo(PlaceMode::Refit);
    UpdateStatus();
    return result;
}

void CVDView::OnScrolled()
{
    InvalidateRect(hwnd_, nullptr, TRUE);
    PlaceVideo(PlaceMode::Refit);
    UpdateStatus();
}

// The picture itself is the card's: painting draws the texts over it and
// the selection's focus rectangle, and keeps the panes current.
void CVDView::OnDraw(HDC dc)
{
    texts_.Draw(dc);
    DrawBand(dc);
    UpdateStatus();
}

bool CVDView::OnPreparePrinting(framework::CPrintInfo& info)
{
    info.minPage = info.maxPage = 1;
    return DoPreparePrinting(info);
}

void CVDView::OnBeginPrinting(HDC, framework::CPrintInfo& info)
{
    printing_ = true;
    if (!info.direct || !frame_)
        return;
    printPause_ = std::make_unique<ChromaKeyPause>(*this);
    if (printImage_)
        return;
    // The print image: a copy of the frame memory under the client area,
    // drawn with DrawDib into the page.
    const RECT client = ClientRect();
    CPictureBuffer* grab = frame_->GrabRegion(client);
    if (!grab)
        return;
    printPicture_ = CPictureBuffer::Allocate(grab->Width(), grab->Height());
    if (!printPicture_)
        return;
    printPicture_->FillHeader();
    memcpy(printPicture_->Pixels(), grab->Pixels(), printPicture_->RowBytes() * static_cast<size_t>(grab->Height()));
    printImage_ = std::make_unique<CBackgroundImage>(printPicture_->Header(), SIZE{client.right, client.bottom});
}

namespace {

// A picture stretched into a rectangle of the printer's page, rows dropped
// or doubled as they fall (no blending, which printers do not offer).
void StretchPicture(HDC dc, const RECT& target, CPictureBuffer& picture)
{
    picture.FillHeader();
    const int previousMode = SetStretchBltMode(dc, COLORONCOLOR);
    StretchDIBits(dc, target.left, target.top, target.right - target.left, target.bottom - target.top, 0, 0,
                  picture.Width(), picture.Height(), picture.Pixels(),
                  reinterpret_cast<const BITMAPINFO*>(picture.Header()), DIB_RGB_COLORS, SRCCOPY);
    SetStretchBltMode(dc, previousMode);
}

}  // namespace

void CVDView::OnPrint(HDC dc, framework::CPrintInfo& info)
{
    const RECT client = ClientRect();
    PrintPageRect page;
    if (!ComputePrintPageRect(client.right, client.bottom, info.drawArea.right - info.drawArea.left, page))
        return;
    const RECT target{page.left, page.top, page.left + page.width, page.top + page.height};
    if (info.direct) {
        // The print image through DrawDib; a printer driver that DrawDib
        // cannot draw on gets the same picture stretched by GDI.
        if (printPicture_ && !(printImage_ && printImage_->Draw(dc, target)))
            StretchPicture(dc, target, *printPicture_);
    } else if (CPictureBuffer* grab = frame_ ? frame_->GrabRegion(client) : nullptr) {
        // After the print dialog and in the preview: the frame memory
        // grabbed again, stretched into the page.
        StretchPicture(dc, target, *grab);
    }
    // The texts over it, scaled as the picture is.
    if (texts_.Texts().List().Empty())
        return;
    const int saved = SaveDC(dc);
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, client.right, client.bottom, nullptr);
    SetViewportExtEx(dc, page.width, page.height, nullptr);
    SetViewportOrgEx(dc, page.left, page.top, nullptr);
    texts_.Draw(dc, false);
    RestoreDC(dc, saved);
}

void CVDView::OnEndPrinting(HDC, framework::CPrintInfo&)
{
    printPause_.reset();
    printImage_.reset();
    printPicture_.reset();
    printing_ = false;
}

LRESULT CVDView::OnEraseBackground(const Message& m)
{
    if (background_ && backgroundShown_) {
        background_->Draw(m.Dc(), ClientRect());
        return TRUE;
    }
    RECT area{};
    GetClipBox(m.Dc(), &area);
    // Exported, the view shows no video: black instead of the key colour.
    framework::GdiBrush brush(CreateSolidBrush(exportTarget_ ? RGB(0, 0, 0) : kDefaultKeyColour));
    framework::SelectedObject selected(m.Dc(), brush.get());
    PatBlt(m.Dc(), area.left, area.top, area.right - area.left, area.bottom - area.top, PATCOPY);
    return TRUE;
}

void CVDView::SetPaneText(StatusPane pane, UINT formatEntry, int a, int b, int argCount)
{
    std::string format;
    if (!frame_ || !framework::TryLoadText(formatEntry, format))
        return;
    char text[64] = {};
    const overlay::OverlayArg args[] = {overlay::OverlayArg(a), overlay::OverlayArg(b)};
    if (overlay::FormatOverlayArgs(format.c_str(), args, static_cast<size_t>(argCount), text, sizeof text) ==
        overlay::FormatResult::Ok)
        frame_->SetPaneText(pane, text);
}

void CVDView::UpdateStatus()
{
    if (!hwnd_)
        return;
    HWND frame = FrameWindow();
    if (frame && IsWindowVisible(frame)) {
        RECT work = WorkingRect();
        SetPaneText(kPaneSize, IDS_PANE_SIZE_FORMAT, work.right - work.left, work.bottom - work.top);
        SetPaneText(kPanePosition, IDS_PANE_POSITION_FORMAT, work.left + ScrollPosition().x,
                    work.top + ScrollPosition().y);
    }
    SetPaneText(kPaneZoom, IDS_PANE_ZOOM_FORMAT, modes_.zoom(), 0, 1);
}

bool CVDView::SetFreeze(bool frozen, bool remember)
{
    bool previous = frozen_;
    if (remember)
        frozen_ = frozen;
    if (!frozen && frame_)
        frame_->DiscardGrabbedFrame();
    SendFreeze(frozen);
    return previous;
}

void CVDView::SetInvert(bool inverted)
{
    inverted_ = inverted;
    SendInvert(inverted);
}

void CVDView::SetSource(int source)
{
    source_ = source;
    SendSourceNumber(source);
}

CVDView::ScreenOverlay CVDView::Overlay() const
{
    ScreenOverlay over;
    over.drawings = background_ != nullptr || !texts_.Texts().List().Empty();
    over.exportTarget = exportTarget_;
    over.keyColour = keyColour_;
    over.keyLock = keyLock_;
    over.chromaActive = chromaKeyActive_;
    const ChromaKeyRecord& r = chromaKeyRecord_;
    over.chromaKey = {r.y, r.u, r.v, r.toleranceY, r.toleranceU, r.toleranceV};
    return over;
}

bool CVDView::RealizePalette()
{
    if (background_) {
        UINT changed;
        {
            framework::WindowDc dc(hwnd_);
            changed = background_->RealizePalette(dc);
        }
        RepaintNow(false);
        return changed != 0 && changed != GDI_ERROR;
    }
    framework::WindowDc dc(hwnd_);
    HPALETTE previous = SelectPalette(dc, static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE)), FALSE);
    const UINT changed = ::RealizePalette(dc);
    SelectPalette(dc, previous, FALSE);
    if (changed != 0 && changed != GDI_ERROR)
        InvalidateRect(hwnd_, nullptr, TRUE);
    return changed != 0 && changed != GDI_ERROR;
}

// Keying off with a background image loaded: the image is shown again,
// keyed on the picked colour.
void CVDView::VideoKeyOff()
{
    if (background_ && !exportTarget_) {
        SendKeyColor(keyColour_);
        if (!backgroundShown_) {
            backgroundShown_ = true;
            RepaintNow();
            SendKeyColor(keyColour_);
        }
    }
    if (!keyLock_)
        SendVideoKey(false);
}

void CVDView::RepaintNow(bool erase)
{
    if (hwnd_)
        RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | (erase ? RDW_ERASE : 0));
}

void CVDView::SetBackgroundImage(CPictureBuffer* image)
{
    background_.reset();
    if (!image) {
        backgroundShown_ = false;
        keyColour_ = kDefaultKeyColour;
        SendKeyColor(keyColour_);
        RepaintNow();
        return;
    }
    RECT client = ClientRect();
    background_ = std::make_unique<CBackgroundImage>(image->Header(), SIZE{client.right, client.bottom});
    OnNewColorKey();
}

void CVDView::ShowCardPicture()
{
    if (!background_ || !backgroundShown_)
        return;
    backgroundShown_ = false;
    SendKeyColor(kDefaultKeyColour);
    RepaintNow();
}

void CVDView::OnShowBackground()
{
    if (!background_ || backgroundShown_)
        return;
    backgroundShown_ = true;
    RepaintNow();
    SendKeyColor(keyColour_);
}

LRESULT CVDView::OnUpdateVideo(const Message& m)
{
    // A late report of a watch that has already ended changes nothing.
    if (!exportTarget_)
        return 0;
    if (!UpdateVideoMessage(m).windowGone) {
        PlaceVideo(PlaceMode::Exported);
        return 0;
    }
    // The window the video was exported to is gone: the video comes home
    // with the key colour it had before the export.
    exportTarget_ = nullptr;
    ApplyKeyColour(exportDlg_.SavedKeyColour());
    SendWindowHandle(hwnd_);
    PlaceVideo(PlaceMode::Refit);
    InvalidateRect(hwnd_, nullptr, TRUE);
    return 0;
}

void CVDView::ApplyKeyColour(COLORREF colour)
{
    keyColour_ = colour;
    SendKeyColor(colour);
}

void CVDView::OnExportVideo()
{
    exportDlg_.Run(FrameWindow(), exportTarget_);
}

LRESULT CVDView::OnFindClientPoint(const Message& m)
{
    const FindClientPtMessage pick(m);
    const bool picked = pick.point.has_value();
    if (picked && pickingKeyColour_) {
        framework::WindowDc dc(hwnd_);
        COLORREF colour = GetPixel(dc, pick.point->x, pick.point->y);
        if (colour != CLR_INVALID) {
            keyColour_ = colour;
            SendKeyColor(colour);
        }
        pickingKeyColour_ = false;
        if (!keyLock_)
            SendVideoKey(false);
        return 0;
    }
    if (picked) {
        // A chroma key pick: its dialog takes over from here.
        VideoKeyOff();
        CChromaKeyDlg(hwnd_, *this, pick.point).DoModal();
        return 0;
    }
    if (pickingKeyColour_) {
        // A cancelled key-colour pick ends the pick, so that a later chroma
        // key pick is not taken for one.
        pickingKeyColour_ = false;
        VideoKeyOff();
        return 0;
    }
    VideoKeyOff();
    if (!frozen_)
        SendFreeze(false);
    return 0;
}

void CVDView::OnFreeze() { SetFreeze(!frozen_, true); }
void CVDView::OnInvert() { SetInvert(!inverted_); }

void CVDView::OnNonFit()
{
    PlaceVideo(modes_.ToggleNonFit().mode);
    UpdateStatus();
}

void CVDView::OnZoom(UINT id)
{
    const bool aspect = frame_ && frame_->KeepsAspectRatio();
    CDisplayModes::Step step = id == ID_VIEW_ZOOM_IN    ? modes_.ZoomIn(aspect)
                               : id == ID_VIEW_ZOOM_OUT ? modes_.ZoomOut(aspect)
                                                        : modes_.ZoomOff();
    if (step.resizeFrame)
        frame_->ApplyAspectRatio();
    if (step.place)
        PlaceVideo(step.mode);
    UpdateStatus();
}

void CVDView::OnSource(UINT id) { SetSource(SourceOfCommand(id)); }

void CVDView::OnUpdateCommand(CCmdUI& ui)
{
    CommandState state = ViewCommandState(ui.Id(), State());
    ui.Enable(state.enabled);
    if (state.radio)
        ui.SetRadio(state.checked);
    else
        ui.SetCheck(state.checked ? 1 : 0);
}

// Keying on: a background image being shown gives way to the magenta key,
// so that the video fills the view.
void CVDView::VideoKeyOn()
{
    if (background_ && !exportTarget_ && backgroundShown_) {
        backgroundShown_ = false;
        SendKeyColor(kDefaultKeyColour);
        RepaintNow();
    }
    if (!keyLock_)
        SendVideoKey(true);
}

// Chroma Key: with keying off, the user first picks the colour in the view
// (the video frozen meanwhile unless it already is); the pick's message
// opens the dialog.  With keying on, or the video exported, the dialog opens
// at once.
void CVDView::OnChromaKey()
{
    if (!chromaKeyActive_ && !exportTarget_) {
        VideoKeyOn();
        if (!frozen_)
            SetFreeze(true, false);
        if (!CPointPicker::Instance().Start(hwnd_, hwnd_)) {
            // No pick (another one runs): the video goes back as it was.
            VideoKeyOff();
            if (!frozen_)
                SetFreeze(false, false);
        }
        return;
    }
    VideoKeyOff();
    CChromaKeyDlg(hwnd_, *this).DoModal();
}

// New Color Key: the user picks the key colour in the view.
void CVDView::OnNewColorKey()
{
    pickingKeyColour_ = true;
    if (background_ && !backgroundShown_) {
        backgroundShown_ = true;
        RepaintNow();
    }
    if (!keyLock_)
        SendVideoKey(true);
    if (!CPointPicker::Instance().Start(hwnd_, hwnd_)) {
        pickingKeyColour_ = false;
        VideoKeyOff();
    }
}
