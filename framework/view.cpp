#include "view.h"
#include "document.h"

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

void CView::PostNcDestroy()
{
    delete this;
}

}  // namespace framework
