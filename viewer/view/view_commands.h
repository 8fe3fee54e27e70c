// The rule that enables and marks each of the view's menu items and tool
// bar buttons, from the view's and the main frame's state.
#pragma once

#include "resource.h"

// The card's inputs: composite 0 and 1, and S-Video, which the card numbers 3.
constexpr int kSourceComposite0 = 0;
constexpr int kSourceComposite1 = 1;
constexpr int kSourceSVideo = 3;
// The input that a Source menu command (ID_SOURCE_0 .. ID_SOURCE_SVIDEO) selects.
int SourceOfCommand(unsigned id);

struct ViewState {
    int sourceNumber = 0;
    bool frozen = false;
    bool inverted = false;
    int zoom = 1;
    bool nonFit = false;
    bool exported = false;
    bool chromaKeyActive = false;
    bool backgroundLoaded = false;
    bool backgroundShown = false;
    bool hasSelection = false;     // a region is selected
    bool pasteAvailable = false;   // the clipboard holds a picture Paste takes
    bool hasCurrentText = false;   // a text object is current
    bool fullScreen = false;       // main frame
    bool rotationRunning = false;  // main frame
    bool strobeRunning = false;    // main frame
};

struct CommandState {
    bool known = false;   // the rule table covers this command
    bool enabled = false;
    bool checked = false;
    bool radio = false;   // the check is drawn as a radio mark
};

CommandState ViewCommandState(unsigned id, const ViewState& s);
