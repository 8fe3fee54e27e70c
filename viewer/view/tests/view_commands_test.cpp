// The enable and check rules of the view's commands.
#include "view_commands.h"

#include <gtest/gtest.h>

namespace {

TEST(ViewCommands, ZoomCommandsFollowTheFactor)
{
    ViewState s;
    EXPECT_TRUE(ViewCommandState(ID_VIEW_NON_FIT, s).enabled);
    EXPECT_TRUE(ViewCommandState(ID_VIEW_ZOOM_IN, s).enabled);
    EXPECT_FALSE(ViewCommandState(ID_VIEW_ZOOM_OUT, s).enabled);
    EXPECT_FALSE(ViewCommandState(ID_VIEW_ZOOM_OFF, s).enabled);
    for (int zoom : {2, 4}) {
        s.zoom = zoom;
        EXPECT_FALSE(ViewCommandState(ID_VIEW_NON_FIT, s).enabled) << zoom;
        EXPECT_TRUE(ViewCommandState(ID_VIEW_ZOOM_OUT, s).enabled);
        EXPECT_TRUE(ViewCommandState(ID_VIEW_ZOOM_OFF, s).enabled);
        EXPECT_EQ(zoom != 4, ViewCommandState(ID_VIEW_ZOOM_IN, s).enabled);
    }
}

TEST(ViewCommands, ExportDisablesThePictureCommands)
{
    ViewState s;
    s.exported = true;
    s.zoom = 2;
    s.backgroundLoaded = true;
    for (unsigned id : {ID_VIEW_NON_FIT, ID_VIEW_ZOOM_IN, ID_VIEW_ZOOM_OFF, ID_VIEW_ZOOM_OUT, ID_VIEW_FULL_SCREEN,
                        ID_IMAGE_FLIP_HORIZONTAL, ID_IMAGE_FLIP_VERTICAL, ID_IMAGE_FLIP_BOTH, ID_FILE_OPEN, ID_VIEW_VIDEO, ID_VIEW_BACKGROUND,
                        ID_VIEW_NEW_COLOR_KEY})
        EXPECT_FALSE(ViewCommandState(id, s).enabled) << id;
    for (unsigned id : {ID_VIEW_FREEZE, ID_VIEW_INVERT, ID_SOURCE_0, ID_VIEW_CHROMA_KEY, ID_TOOLS_EXPORT_VIDEO})
        EXPECT_TRUE(ViewCommandState(id, s).enabled) << id;
    EXPECT_TRUE(ViewCommandState(ID_TOOLS_EXPORT_VIDEO, s).checked);
}

TEST(ViewCommands, SourcesCarryOneRadioMark)
{
    ViewState s;
    s.sourceNumber = 3;
    EXPECT_FALSE(ViewCommandState(ID_SOURCE_0, s).checked);
    EXPECT_FALSE(ViewCommandState(ID_SOURCE_1, s).checked);
    CommandState svideo = ViewCommandState(ID_SOURCE_SVIDEO, s);
    EXPECT_TRUE(svideo.checked);
    EXPECT_TRUE(svideo.radio);
}

TEST(ViewCommands, FreezeBlocksRotationAndStrobe)
{
    ViewState s;
    s.rotationRunning = true;
    EXPECT_TRUE(ViewCommandState(ID_TOOLS_ROTATE_SOURCE, s).enabled);
    EXPECT_TRUE(ViewCommandState(ID_TOOLS_ROTATE_SOURCE, s).checked);
    s.frozen = true;
    EXPECT_FALSE(ViewCommandState(ID_TOOLS_ROTATE_SOURCE, s).enabled);
    EXPECT_FALSE(ViewCommandState(ID_TOOLS_STROBE, s).enabled);
    EXPECT_TRUE(ViewCommandState(ID_VIEW_FREEZE, s).checked);
}

TEST(ViewCommands, VideoAndBackgroundItems)
{
    ViewState s;
    EXPECT_TRUE(ViewCommandState(ID_VIEW_VIDEO, s).checked);
    EXPECT_FALSE(ViewCommandState(ID_VIEW_BACKGROUND, s).enabled);
    EXPECT_FALSE(ViewCommandState(ID_VIEW_NEW_COLOR_KEY, s).enabled);
    s.backgroundLoaded = true;
    EXPECT_TRUE(ViewCommandState(ID_VIEW_BACKGROUND, s).enabled);
    EXPECT_FALSE(ViewCommandState(ID_VIEW_BACKGROUND, s).checked);
    s.backgroundShown = true;
    EXPECT_TRUE(ViewCommandState(ID_VIEW_BACKGROUND, s).checked);
    EXPECT_FALSE(ViewCommandState(ID_VIEW_VIDEO, s).checked);
    EXPECT_FALSE(ViewCommandState(12345, s).known);
}

}  // namespace

TEST(ViewCommands, RegionCommandsNeedASelectionOrAPictureOnTheClipboard)
{
    ViewState s;
    for (unsigned id : {ID_EDIT_CLEAR, ID_EDIT_CUT, ID_EDIT_COPY})
        EXPECT_TRUE(ViewCommandState(id, s).enabled) << id;   // the whole client area without a selection
    for (unsigned id : {ID_EDIT_PASTE, ID_EDIT_COPY_TO, ID_EDIT_PASTE_FROM})
        EXPECT_FALSE(ViewCommandState(id, s).enabled) << id;
    s.hasSelection = true;
    s.pasteAvailable = true;
    for (unsigned id : {ID_EDIT_PASTE, ID_EDIT_COPY_TO, ID_EDIT_PASTE_FROM})
        EXPECT_TRUE(ViewCommandState(id, s).enabled) << id;
    s.exported = true;
    for (unsigned id : {ID_EDIT_CLEAR, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, ID_EDIT_COPY_TO, ID_EDIT_PASTE_FROM})
        EXPECT_FALSE(ViewCommandState(id, s).enabled) << id;
}

TEST(ViewCommands, TextCommandsNeedACurrentTextButAddTextIsAlwaysThere)
{
    ViewState s;
    s.exported = true;
    EXPECT_TRUE(ViewCommandState(ID_TEXT_ADD, s).enabled);
    for (unsigned id : {ID_TEXT_EDIT, ID_TEXT_DELETE, ID_TEXT_FONT})
        EXPECT_FALSE(ViewCommandState(id, s).enabled) << id;
    s.hasCurrentText = true;
    for (unsigned id : {ID_TEXT_EDIT, ID_TEXT_DELETE, ID_TEXT_FONT})
        EXPECT_TRUE(ViewCommandState(id, s).enabled) << id;
}
