#include "view_commands.h"

namespace {

CommandState Check(bool enabled, bool checked) { return {true, enabled, checked, false}; }
CommandState Radio(bool enabled, bool marked) { return {true, enabled, marked, true}; }

}  // namespace

int SourceOfCommand(unsigned id)
{
    switch (id) {
    case ID_SOURCE_1: return kSourceComposite1;
    case ID_SOURCE_SVIDEO: return kSourceSVideo;
    default: return kSourceComposite0;
    }
}

CommandState ViewCommandState(unsigned id, const ViewState& s)
{
    const bool live = !s.exported;  // most commands wait while the video is exported
    if (id >= ID_IMAGE_FLIP_HORIZONTAL && id <= ID_IMAGE_FLIP_BOTH)
        return Check(live, false);
    switch (id) {
    case ID_VIEW_FREEZE: return Check(true, s.frozen);
    case ID_VIEW_INVERT: return Check(true, s.inverted);
    case ID_VIEW_NON_FIT: return Check(live && s.zoom == 1, s.nonFit);
    case ID_VIEW_ZOOM_IN: return Check(live && s.zoom != 4, false);
    case ID_VIEW_ZOOM_OFF: return Check(live && s.zoom > 1, false);
    case ID_VIEW_ZOOM_OUT: return Check(live && s.zoom != 1, false);
    case ID_SOURCE_0:
    case ID_SOURCE_1:
    case ID_SOURCE_SVIDEO: return Radio(true, s.sourceNumber == SourceOfCommand(id));
    case ID_VIEW_FULL_SCREEN: return Check(live, s.fullScreen);
    case ID_VIEW_CHROMA_KEY: return Check(true, s.chromaKeyActive);
    case ID_TOOLS_EXPORT_VIDEO: return Check(true, s.exported);
    case ID_TOOLS_ROTATE_SOURCE: return Check(!s.frozen, s.rotationRunning);
    case ID_TOOLS_STROBE: return Check(!s.frozen, s.strobeRunning);
    case ID_FILE_OPEN: return Check(live, false);
    case ID_VIEW_VIDEO: return Radio(live, !s.backgroundShown);
    case ID_VIEW_BACKGROUND: return Radio(live && s.backgroundLoaded, s.backgroundLoaded && s.backgroundShown);
    case ID_VIEW_NEW_COLOR_KEY: return Check(live && s.backgroundLoaded, false);
    case ID_EDIT_CLEAR:
    case ID_EDIT_CUT:
    case ID_EDIT_COPY: return Check(live, false);
    case ID_EDIT_PASTE: return Check(live && s.pasteAvailable, false);
    case ID_EDIT_COPY_TO:
    case ID_EDIT_PASTE_FROM: return Check(live && s.hasSelection, false);
    case ID_TEXT_ADD: return Check(true, false);
    case ID_TEXT_EDIT:
    case ID_TEXT_DELETE:
    case ID_TEXT_FONT: return Check(s.hasCurrentText, false);
    default: return {};
    }
}
