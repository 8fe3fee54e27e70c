// The point picker: the user clicks a point in one window of the viewer.
// While a pick runs, the window to pick in is framed, shows the Finder
// cursor, holds the mouse capture and the focus, and its own window
// procedure is replaced by the picker's, which lets only painting through.
// A pick ends by posting "MSGFindClientPt" to the window to tell: with the
// address of the picked point (client coordinates of the picked window),
// or with none when the pick was cancelled.  One pick at a time for the
// whole program.
#pragma once
#include "message.h"
#include <windows.h>

class CPointPicker {
public:
    // The program's one picker.
    static CPointPicker& Instance();

    // Fails when a pick is already under way or either window is not a window.
    bool Start(HWND pickIn, HWND tell);
    bool Picking() const { return window_ != nullptr; }
    // The point of the last pick; it stays valid after the pick ended, since
    // its address is what the message carries.
    const POINT& PickedPoint() const { return point_; }

private:
    CPointPicker() = default;

    static LRESULT CALLBACK PickProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp);

    LRESULT OnLeftButtonUp(const framework::Message& m);
    LRESULT OnRightButtonUp(const framework::Message& m);
    LRESULT OnKeyDown(const framework::Message& m);
    LRESULT OnPaint(const framework::Message& m);
    LRESULT OnDestroy(const framework::Message& m);
    LRESULT OnCancelMode(const framework::Message& m);
    LRESULT OnCaptureChanged(const framework::Message& m);

    // Ends the pick: with the point, or cancelled when `picked` is false.
    void End(bool picked, POINT at);
    LRESULT PassOn(const framework::Message& m) const;
    static int FramePenWidth();

    struct Entry {
        UINT message;
        LRESULT (CPointPicker::*handler)(const framework::Message&);
    };
    // Messages the picker acts on; every other message to the picked window
    // is swallowed while the pick runs.
    static const Entry kMessages[];

    HWND window_ = nullptr;  // the window picked in; none while idle
    HWND tell_ = nullptr;
    WNDPROC previous_ = nullptr;
    HCURSOR savedCursor_ = nullptr;
    POINT point_{0, 0};
    bool ending_ = false;
};
