// What the view asks of the frame around it: the one way the view reaches
// its frame.  The main frame implements it and hands itself to its view; a
// view without a frame sees one that is never full screen and has no panes.
#pragma once

// The main frame's status bar panes.
enum StatusPane { kPaneMessage, kPaneSize, kPanePosition, kPaneZoom, kPaneStrobing, kPaneRotating, kPaneCount };

class IVideoFrame {
public:
    virtual bool IsFullScreen() const = 0;
    // Unfreezing makes a grabbed frame image stale: the frame drops it.
    virtual void DiscardGrabbedFrame() = 0;
    // The "keep aspect ratio" preference, and the frame's size set again
    // with that rule (top-left corner kept), as zooming asks for.
    virtual bool KeepsAspectRatio() const = 0;
    virtual void ApplyAspectRatio() = 0;
    // Writes one status bar pane (nothing when the frame has no such pane).
    virtual void SetPaneText(StatusPane pane, const char* text) = 0;

protected:
    ~IVideoFrame() = default;
};
