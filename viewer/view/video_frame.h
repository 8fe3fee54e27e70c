// What the view asks of the frame around it.  The main frame implements it;
// a view in any other frame sees a window that is never full screen.
#pragma once

class IVideoFrame {
public:
    virtual bool IsFullScreen() const = 0;
    // Unfreezing makes a grabbed frame image stale: the frame drops it.
    virtual void DiscardGrabbedFrame() = 0;

protected:
    ~IVideoFrame() = default;
};
