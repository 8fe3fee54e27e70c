// What the view asks of the frame around it: the one way the view reaches
// its frame.  The main frame implements it and hands itself to its view; a
// view without a frame sees one that is never full screen and has no panes.
#pragma once
#include <windows.h>
#include <string>

class CPictureBuffer;

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
    // The frame's copy of the "unfreeze video when chroma key" preference.
    virtual bool UnfreezesForChromaKey() const = 0;
    // Source rotation and strobe, which run on the frame's timers.
    virtual bool RotationRunning() const = 0;
    virtual bool StrobeRunning() const = 0;
    // Writes one status bar pane (nothing when the frame has no such pane).
    virtual void SetPaneText(StatusPane pane, const char* text) = 0;

    // Pictures.  A grab of a region of the view from the card's frame memory
    // (an empty rectangle: the whole video area), and the same grab composed
    // with what the window shows over the video; null when that fails.  The
    // buffer stays the frame's until the next grab.
    virtual CPictureBuffer* GrabRegion(RECT region) = 0;
    virtual CPictureBuffer* MergeScreenWithVideo(RECT region) = 0;
    // Sizes the window to a picture file as the preferences ask; false (with
    // the message shown) when the driver cannot read the file.
    virtual bool FitToPicture(const std::string& path) = 0;
    // Loads a picture file into the card's frame memory.
    virtual void LoadPicture(const std::string& path) = 0;
    // Reads a picture file into memory and gives it to the view as its
    // background image; false (the previous background kept) when it cannot.
    virtual bool LoadBackgroundImage(const std::string& path) = 0;

protected:
    ~IVideoFrame() = default;
};
