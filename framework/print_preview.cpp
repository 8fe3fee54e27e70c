#include "print_preview.h"

#include "handles.h"
#include "strings.h"

namespace framework {

namespace {

constexpr int kMargin = 8;       // around the buttons and the page, in pixels
constexpr int kButtonWidth = 88;
constexpr int kButtonHeight = 24;
constexpr int kShadow = 3;       // the page's shadow

HWND MakeButton(HWND parent, UINT textId, UINT id, int x)
{
    return CreateWindowExA(0, "BUTTON", LoadText(textId).c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                           x, kMargin, kButtonWidth, kButtonHeight, parent,
                           reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
}

}  // namespace

CPrintPreviewWnd::CPrintPreviewWnd(HENHMETAFILE page, SIZE pageSize) : page_(page), pageSize_(pageSize) {}

CPrintPreviewWnd::~CPrintPreviewWnd()
{
    if (hwnd_)
        DestroyWindow(hwnd_);
    if (page_)
        DeleteEnhMetaFile(page_);
}

bool CPrintPreviewWnd::Run(HWND owner)
{
    WNDCLASSEXA cls{};
    cls.style = CS_HREDRAW | CS_VREDRAW;
    cls.hInstance = GetModuleHandleA(nullptr);
    cls.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    cls.hbrBackground = GetSysColorBrush(COLOR_APPWORKSPACE);
    cls.lpszClassName = kClassName;
    RegisterWindowClass(cls);
    RECT area{100, 100, 700, 600};
    if (owner)
        GetWindowRect(owner, &area);
    if (!CreateEx(0, kClassName, LoadText(IDS_PREVIEW_CAPTION).c_str(), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                  area.left, area.top, area.right - area.left, area.bottom - area.top, owner, nullptr))
        return false;
    printButton_ = MakeButton(hwnd_, IDS_PREVIEW_PRINT, ID_FILE_PRINT, kMargin);
    closeButton_ = MakeButton(hwnd_, IDS_PREVIEW_CLOSE, IDCANCEL, 2 * kMargin + kButtonWidth);
    HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    SendMessageA(printButton_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SendMessageA(closeButton_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);

    // Modal over the owner: its own loop until the user closes it.
    const bool ownerWasEnabled = owner && IsWindowEnabled(owner);
    if (ownerWasEnabled)
        EnableWindow(owner, FALSE);
    ShowWindow(hwnd_, SW_SHOW);
    SetFocus(closeButton_);
    MSG msg;
    while (!done_) {
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0)
                PostQuitMessage(static_cast<int>(msg.wParam));  // the program's loop ends too
            break;
        }
        if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE && IsChild(hwnd_, msg.hwnd)) {
            End(false);
            continue;
        }
        if (!IsDialogMessageA(hwnd_, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    if (ownerWasEnabled)
        EnableWindow(owner, TRUE);
    if (owner)
        SetActiveWindow(owner);
    DestroyWindow(hwnd_);
    return print_;
}

RECT CPrintPreviewWnd::PageRect() const
{
    const RECT client = ClientRect();
    const int top = 2 * kMargin + kButtonHeight;
    const int roomW = client.right - 2 * kMargin - kShadow;
    const int roomH = client.bottom - top - kMargin - kShadow;
    if (roomW <= 0 || roomH <= 0 || pageSize_.cx <= 0 || pageSize_.cy <= 0)
        return RECT{0, 0, 0, 0};
    // The largest page of the printer's proportions that fits.
    int w = roomW;
    int h = static_cast<int>(static_cast<long long>(w) * pageSize_.cy / pageSize_.cx);
    if (h > roomH) {
        h = roomH;
        w = static_cast<int>(static_cast<long long>(h) * pageSize_.cx / pageSize_.cy);
    }
    const int left = (client.right - w) / 2;
    return RECT{left, top, left + w, top + h};
}

LRESULT CPrintPreviewWnd::OnPaint(const Message&)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd_, &ps);
    const RECT page = PageRect();
    if (page.right > page.left) {
        RECT shadow = page;
        OffsetRect(&shadow, kShadow, kShadow);
        FillRect(dc, &shadow, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        FillRect(dc, &page, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        if (page_) {
            SaveDC(dc);
            IntersectClipRect(dc, page.left, page.top, page.right, page.bottom);
            PlayEnhMetaFile(dc, page_, &page);
            RestoreDC(dc, -1);
        }
    }
    EndPaint(hwnd_, &ps);
    return 0;
}

LRESULT CPrintPreviewWnd::OnSize(const Message& m)
{
    InvalidateRect(hwnd_, nullptr, TRUE);
    return Default(m);
}

LRESULT CPrintPreviewWnd::OnClose(const Message&)
{
    End(false);
    return 0;
}

void CPrintPreviewWnd::OnPrint() { End(true); }

void CPrintPreviewWnd::OnCloseButton() { End(false); }

void CPrintPreviewWnd::End(bool print)
{
    print_ = print;
    done_ = true;
    // Wakes the loop, which ends on the next message.
    PostMessageA(hwnd_, WM_NULL, 0, 0);
}

}  // namespace framework
