// The preferences the main frame keeps its own copy of, and the frame's side
// of taking a new copy when the Preferences dialog ends with OK.
#pragma once

struct FramePreferences {
    bool aspectRatio = true;   // keep the video area at 4:3
    bool resizeWindow = true;  // size the window to a newly loaded picture
    bool centerWindow = true;  // centre it after such a resize
    bool unfreeze = true;      // the chroma key dialog unfreezes the video
};

// Implemented by the main frame; the dialog finds it as the application's
// main frame window.
class IPreferencesFrame {
public:
    virtual void SetFramePreferences(const FramePreferences& preferences) = 0;

protected:
    ~IPreferencesFrame() = default;
};
