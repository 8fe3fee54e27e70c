#include "view.h"
#include "document.h"
#include "print_preview.h"
#include "win_app.h"

#include <string>

namespace framework {

bool CView::RegisterViewClass()
{
    WNDCLASSEXA cls{};
    cls.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    cls.hInstance = GetModuleHandleA(nullptr);
    cls.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    cls.lpszClassName = kClassName;
    return CWnd::RegisterWindowClass(cls) || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

bool CView::Create(HWND frame, CDocument* document)
{
    document_ = document;
    RegisterViewClass();
    if (!CreateEx(WS_EX_CLIENTEDGE, kClassName, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 0, 0, frame,
                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kViewPaneId))))
        return false;
    ownsSelf_ = true;
    if (document_)
        document_->AddView(this);
    return true;
}

LRESULT CView::OnPaint(const Message& m)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd_, &ps);
    OnDraw(dc);
    EndPaint(hwnd_, &ps);
    return 0;
}

LRESULT CView::OnMouseActivate(const Message& m)
{
    SetFocus(hwnd_);
    return Default(m);
}

LRESULT CView::OnDestroy(const Message& m)
{
    if (document_)
        document_->RemoveView(this);
    return Default(m);
}

HWND CView::Owner() const
{
    return hwnd_ ? GetAncestor(hwnd_, GA_ROOT) : nullptr;
}

bool CView::DoPreparePrinting(CPrintInfo& info)
{
    info.dc = info.direct || info.preview ? Printer().CreatePrinterDc() : Printer().ShowPrintDialog(Owner());
    return info.dc != nullptr;
}

void CView::OnFilePrint(UINT id)
{
    CPrintInfo info;
    info.direct = id == ID_FILE_PRINT_DIRECT;
    if (!OnPreparePrinting(info)) {
        if (info.dc)
            DeleteDC(info.dc);
        return;
    }
    if (info.dc)
        PrintPages(info);
}

void CView::PrintPages(CPrintInfo& info)
{
    std::string title = document_ ? document_->Title() : std::string();
    if (title.empty() && CWinApp::Current())
        title = CWinApp::Current()->Title();
    DOCINFOA doc{};
    doc.cbSize = sizeof doc;
    doc.lpszDocName = title.c_str();
    OnBeginPrinting(info.dc, info);
    bool ok = StartDocA(info.dc, &doc) > 0;
    const bool started = ok;
    for (UINT page = info.minPage; ok && page <= info.maxPage; ++page) {
        info.currentPage = page;
        info.drawArea = RECT{0, 0, GetDeviceCaps(info.dc, HORZRES), GetDeviceCaps(info.dc, VERTRES)};
        ok = StartPage(info.dc) > 0;
        if (!ok)
            break;
        OnPrint(info.dc, info);
        ok = EndPage(info.dc) > 0;
    }
    if (started) {
        if (ok)
            EndDoc(info.dc);
        else
            AbortDoc(info.dc);
    }
    OnEndPrinting(info.dc, info);
    DeleteDC(info.dc);
    info.dc = nullptr;
}

void CView::OnFilePrintPreview()
{
    CPrintInfo info;
    info.preview = true;
    if (!OnPreparePrinting(info)) {
        if (info.dc)
            DeleteDC(info.dc);
        return;
    }
    if (!info.dc)
        return;
    // The first page, recorded as the printer would get it.
    const SIZE pageSize{GetDeviceCaps(info.dc, HORZRES), GetDeviceCaps(info.dc, VERTRES)};
    const RECT frame{0, 0, GetDeviceCaps(info.dc, HORZSIZE) * 100, GetDeviceCaps(info.dc, VERTSIZE) * 100};
    OnBeginPrinting(info.dc, info);
    HENHMETAFILE page = nullptr;
    if (HDC recorder = CreateEnhMetaFileA(info.dc, nullptr, &frame, nullptr)) {
        info.currentPage = info.minPage;
        info.drawArea = RECT{0, 0, pageSize.cx, pageSize.cy};
        OnPrint(recorder, info);
        page = CloseEnhMetaFile(recorder);
    }
    OnEndPrinting(info.dc, info);
    DeleteDC(info.dc);
    CPrintPreviewWnd preview(page, pageSize);
    if (preview.Run(Owner()))
        OnFilePrint(ID_FILE_PRINT);
}

void CView::OnFilePrintSetup()
{
    Printer().ShowPrintSetup(Owner());
}

void CView::PostNcDestroy()
{
    if (ownsSelf_)
        delete this;
}

}  // namespace framework
