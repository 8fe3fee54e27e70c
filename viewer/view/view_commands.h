// Command ids of the view's menu items and the rule that enables and marks
// each one, from the view's and the main frame's state.
#pragma once

enum ViewCommand : unsigned {
    ID_VIEW_VIDEO = 32776,
    ID_VIEW_FREEZE = 32777,
    ID_VIEW_FULL_SCREEN = 32778,
    ID_VIEW_INVERT = 32779,
    ID_VIEW_NON_FIT = 32780,
    ID_VIEW_ZOOM_IN = 32781,
    ID_VIEW_ZOOM_OFF = 32782,
    ID_VIEW_ZOOM_OUT = 32783,
    ID_OPTIONS_CHROMA_KEY = 32784,
    ID_TOOLS_EXPORT_VIDEO = 32785,
    ID_EDIT_FLIP_FIRST = 32790,
    ID_EDIT_FLIP_LAST = 32792,
    ID_TOOLS_ROTATE_SOURCE = 32793,
    ID_TOOLS_STROBE = 32794,
    ID_VIEW_SOURCE_0 = 32795,
    ID_VIEW_SOURCE_1 = 32796,
    ID_VIEW_SOURCE_SVIDEO = 32797,
    ID_VIEW_BACKGROUND = 32810,
    ID_OPTIONS_NEW_COLOR_KEY = 32812,
    ID_FILE_OPEN_IMAGE = 57601,
};

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
