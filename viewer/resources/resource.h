// Resource ids of the viewer: menu, accelerators, icon, bitmaps, strings
// and commands.  Included by the resource script and by the code.
#pragma once
// The framework's own: the title and idle prompt, exit, about, the bar toggles.
#include "framework_ids.h"

// Menu, accelerators, icon and title of the single-document template.
#define IDR_MAINFRAME 128
#define IDB_TOOLBAR 140
#define IDR_VIEW_CONTEXT 132

// The view's in-place editor of text annotations (a child control).
#define IDC_TEXT_EDITOR 900

// Status bar pane samples and texts.
#define IDS_PANE_SIZE_SAMPLE 300
#define IDS_PANE_POSITION_SAMPLE 301
#define IDS_PANE_ZOOM_SAMPLE 302
#define IDS_PANE_STROBING 304
#define IDS_PANE_ROTATING 305
#define IDS_PANE_SIZE_FORMAT 306      // "%d x %d"
#define IDS_PANE_POSITION_FORMAT 307  // "%d, %d"
#define IDS_PANE_ZOOM_FORMAT 308      // "x%d"

// Messages.
#define IDS_DISPLAY_SETTING_ERROR 343
#define IDS_SETUP_NOT_FOUND 344
#define IDS_ABOUT_CREDIT 460
#define IDS_ABOUT_CAPTION 461

// Commands (menu, tool bar, accelerators).
#define ID_FILE_OPEN 57601
#define ID_FILE_SAVE 57603
#define ID_FILE_PRINT_SETUP 57606
#define ID_FILE_PRINT 57607
#define ID_FILE_PRINT_PREVIEW 57609
#define ID_EDIT_CLEAR 57632
#define ID_EDIT_COPY 57634
#define ID_EDIT_CUT 57635
#define ID_EDIT_PASTE 57637
#define ID_IMAGE_UNLOAD 32771
#define ID_EDIT_COPY_OPTIONS 32773
#define ID_EDIT_COPY_TO 32774
#define ID_EDIT_PASTE_FROM 32775
#define ID_VIEW_VIDEO 32776
#define ID_VIEW_FREEZE 32777
#define ID_VIEW_FULL_SCREEN 32778
#define ID_VIEW_INVERT 32779
#define ID_VIEW_NON_FIT 32780
#define ID_VIEW_ZOOM_IN 32781
#define ID_VIEW_ZOOM_OFF 32782
#define ID_VIEW_ZOOM_OUT 32783
#define ID_VIEW_CHROMA_KEY 32784
#define ID_TOOLS_EXPORT_VIDEO 32785
#define ID_TEXT_ADD 32786
#define ID_TEXT_EDIT 32787
#define ID_TEXT_DELETE 32788
#define ID_TEXT_FONT 32789
#define ID_IMAGE_FLIP_HORIZONTAL 32790
#define ID_IMAGE_FLIP_VERTICAL 32791
#define ID_IMAGE_FLIP_BOTH 32792
#define ID_TOOLS_ROTATE_SOURCE 32793
#define ID_TOOLS_STROBE 32794
#define ID_SOURCE_0 32795
#define ID_SOURCE_1 32796
#define ID_SOURCE_SVIDEO 32797
#define ID_OPTIONS_COLOR 32798
#define ID_OPTIONS_DISPLAY 32799
#define ID_OPTIONS_VOLUME 32800
#define ID_OPTIONS_PREFERENCES 32801
#define ID_VIEW_BACKGROUND 32810
#define ID_VIEW_NEW_COLOR_KEY 32812

// The point picker and the chroma key dialog: the Finder cursor and
// bitmaps, the dialog and its controls (the Finder's ids are those of every
// dialog with a Finder).
#define IDC_FINDER_CURSOR 129
#define IDB_FINDER_FULL 143
#define IDB_FINDER_EMPTY 144
#define IDD_CHROMA_KEY 105
#define IDC_CHROMA_SWATCH 205
#define IDC_TOLERANCE_Y 216
#define IDC_TOLERANCE_U 217
#define IDC_TOLERANCE_V 218
#define IDC_TOLERANCE_Y_VALUE 219
#define IDC_TOLERANCE_U_VALUE 220
#define IDC_TOLERANCE_V_VALUE 221
#define IDC_USE_COLOR_KEY 222
#define IDC_STOP 224
#define IDC_FINDER 275
#define IDC_HIDE_VIDEO_DECK 276
#define IDC_SWATCH_FRAME 289
#define IDC_FINDER_TEXT 290
#define IDC_UNFREEZE 291
#define IDC_FINDER_FRAME 1051
#define IDC_CHROMA_CANCEL 1052
#define IDC_DIALOG_HELP 57669
