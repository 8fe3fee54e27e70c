#include "point_picker.h"

#include "inverted_frame.h"
#include "registered_messages.h"
#include "resource.h"

using framework::Message;

const CPointPicker::Entry CPointPicker::kMessages[] = {
    {WM_LBUTTONUP, &CPointPicker::OnLeftButtonUp},
    {WM_RBUTTONUP, &CPointPicker::OnRightButtonUp},
    {WM_KEYDOWN, &CPointPicker::OnKeyDown},
    {WM_PAINT, &CPointPicker::OnPaint},
    {WM_DESTROY, &CPointPicker::OnDestroy},
    {WM_CANCELMODE, &CPointPicker::OnCancelMode},
    {WM_CAPTURECHANGED, &CPointPicker::OnCaptureChanged},
};

CPointPicker& CPointPicker::Instance()
{
    static CPointPicker picker;
    return picker;
}

int CPointPicker::FramePenWidth()
{
    return 3 * GetSystemMetrics(SM_CXBORDER);
}

bool CPointPicker::Start(HWND pickIn, HWND tell)
{
    if (Picking() || !IsWindow(pickIn) || !IsWindow(tell))
        return false;
    auto previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(pickIn, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CPointPicker::PickProc)));
    if (!previous)
        return false;
    window_ = pickIn;
    tell_ = tell;
    previous_ = previous;
    ending_ = false;
    framework::DrawInvertedFrame(window_, FramePenWidth());
    savedCursor_ = SetCursor(LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_FINDER_CURSOR)));
    SetCapture(window_);
    SetFocus(window_);
    return true;
}

LRESULT CALLBACK CPointPicker::PickProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp)
{
    CPointPicker& self = Instance();
    const Message m{wnd, msg, wp, lp};
    if (wnd != self.window_ || self.ending_) {
        // Not (or no longer) the pick's window: a message that arrives while
        // the pick is ending goes to the window's own procedure.
        return self.previous_ ? CallWindowProcA(self.previous_, wnd, msg, wp, lp) : DefWindowProcA(wnd, msg, wp, lp);
    }
    for (const Entry& e : kMessages)
        if (e.message == msg)
            return (self.*e.handler)(m);
    return 0;
}

LRESULT CPointPicker::PassOn(const Message& m) const
{
    return CallWindowProcA(previous_, m.hwnd, m.id, m.wParam, m.lParam);
}

LRESULT CPointPicker::OnLeftButtonUp(const Message& m)
{
    POINT at = m.Point();  // client coordinates of the picked window (it holds the capture)
    POINT screen = at;
    ClientToScreen(window_, &screen);
    HWND under = WindowFromPoint(screen);
    if (under && (under == window_ || IsChild(window_, under)))
        End(true, at);
    else
        MessageBeep(0);
    return 0;
}

LRESULT CPointPicker::OnRightButtonUp(const Message&)
{
    End(false, POINT{0, 0});
    return 0;
}

LRESULT CPointPicker::OnKeyDown(const Message& m)
{
    if (m.VirtualKey() == VK_ESCAPE)
        End(false, POINT{0, 0});
    return 0;
}

LRESULT CPointPicker::OnPaint(const Message& m)
{
    return PassOn(m);
}

// A picked window that goes away, a mode cancelled by the system, or the
// capture taken by another window ends the pick as cancelled, so that the
// window's procedure is given back and the window to tell hears of it.
LRESULT CPointPicker::OnDestroy(const Message& m)
{
    WNDPROC own = previous_;
    End(false, POINT{0, 0});
    return CallWindowProcA(own, m.hwnd, m.id, m.wParam, m.lParam);
}

LRESULT CPointPicker::OnCancelMode(const Message& m)
{
    End(false, POINT{0, 0});
    return PassOn(m);
}

LRESULT CPointPicker::OnCaptureChanged(const Message& m)
{
    if (m.NewCapture() != window_)
        End(false, POINT{0, 0});
    return 0;
}

void CPointPicker::End(bool picked, POINT at)
{
    if (!Picking() || ending_)
        return;
    ending_ = true;  // releasing the capture below reports a capture change
    HWND window = window_;
    if (GetCapture() == window)
        ReleaseCapture();
    SetCursor(savedCursor_);
    if (reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC)) == &CPointPicker::PickProc)
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
    point_ = at;
    FindClientPtMessage::Post(tell_, picked ? &point_ : nullptr);
    framework::DrawInvertedFrame(window, FramePenWidth());
    window_ = nullptr;
    tell_ = nullptr;
    previous_ = nullptr;
    savedCursor_ = nullptr;
    ending_ = false;
}
