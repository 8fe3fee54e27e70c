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
#define IDS_FORMAT_NOT_SUPPORTED 349  // "File format of %1 is not supported."
#define IDS_LOAD_IMAGE 370            // caption of the image messages
#define IDS_BACKGROUND_ITEM 376       // "&1 %s": the background image's menu item
#define IDS_UNLOAD_ITEM 377           // "&Unload %s\tCtrl+U"
#define IDS_VIDEO_ITEM 378            // "&Video %s\tCtrl+T"
#define IDS_TYPE_DIB 442              // "DIB": type word of memory pictures
#define IDS_TYPE_24BIT 451            // " 24-bit"
#define IDS_ABOUT_CREDIT 460
#define IDS_ABOUT_CAPTION 461

// Commands (menu, tool bar, accelerators).
#define ID_FILE_OPEN 57601
#define ID_FILE_SAVE 57603
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

// Preferences, Clipboard Options and Line In dialogs, their controls and texts.
#define IDD_PREFERENCES 107
#define IDD_CLIPBOARD_OPTIONS 108
#define IDD_LINE_IN 115
#define IDC_PREF_ASPECT_RATIO 230
#define IDC_PREF_ALWAYS_ON_TOP 231
#define IDC_PREF_RESIZE_WINDOW 232
#define IDC_PREF_CENTER_WINDOW 233
#define IDC_PREF_UNFREEZE 291
#define IDC_CLIP_DIB 234
#define IDC_CLIP_DDB 235
#define IDC_CLIP_24BIT 236
#define IDC_CLIP_8BIT 237
#define IDC_CLIP_8BIT_GRAY 238
#define IDC_CLIP_4BIT 239
#define IDC_LINE_IN_LEFT 284
#define IDC_LINE_IN_RIGHT 285
#define IDC_LINE_IN_LOCK 286
#define IDS_NO_LINE_IN 345
#define IDS_MIXER_SETTING_ERROR 346
#define IDS_MIXER_INI_FILE 362
#define IDS_MIXER_INI_SECTION 363
#define IDS_MIXER_INI_VALUE 364
#define IDS_SYSTEM_MIXER 365
#define IDS_TYPE_DDB 443
#define IDS_TYPE_8BIT 453
#define IDS_TYPE_4BIT 454
#define IDS_TYPE_GRAY 455
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

// The tools' dialogs: Color Settings, Rotate Source, Strobe and Export
// Video, their controls (Stop, the Finder and its frame, Hide Video Deck are
// the ids above) and texts.
#define IDD_ROTATE_SOURCE 103
#define IDD_COLOR_SETTINGS 104
#define IDD_STROBE 106
#define IDD_EXPORT_VIDEO 116
#define IDC_COLOR_HUE 206
#define IDC_COLOR_BRIGHTNESS 207
#define IDC_COLOR_SATURATION 208
#define IDC_COLOR_CONTRAST 209
#define IDC_COLOR_HUE_VALUE 210
#define IDC_COLOR_BRIGHTNESS_VALUE 211
#define IDC_COLOR_SATURATION_VALUE 212
#define IDC_COLOR_CONTRAST_VALUE 213
#define IDC_ROTATE_INPUT0 225
#define IDC_ROTATE_INPUT1 226
#define IDC_ROTATE_SVIDEO 227
#define IDC_ROTATE_INTERVAL 228
#define IDC_MINIMIZE_WHEN_DONE 277
#define IDC_STROBE_INTERVAL 278
#define IDC_INTERVAL_ARROWS 279
#define IDC_EXPLANATION 290

// The image Open ("Load Image", template 101) and Save ("Save Image",
// template 102) dialogs: the platform's old-style file dialog controls
// (commdlg's dlgs.h numbers them) and ours.
#define IDD_OPEN_IMAGE 101
#define IDD_SAVE_IMAGE 102
#define IDC_FILE_NAME 1152
#define IDC_FILE_LIST 1120
#define IDC_FOLDER_LIST 1121
#define IDC_TYPE_LIST 1136
#define IDC_DRIVE_LIST 1137
#define IDC_READ_ONLY 1040
#define IDC_FOLDER_TEXT 1088
#define IDC_TYPE_LABEL 1089
#define IDC_FILE_NAME_LABEL 1090
#define IDC_DRIVE_LABEL 1091
#define IDC_FOLDER_LABEL 1092
#define IDC_SAVE_HELP 1038
#define IDC_FIND_FILE 200
#define IDC_IMAGE_INFO 201
#define IDC_LOAD_AS_BACKGROUND 202
#define IDC_OPEN_PREFERENCES 203
#define IDC_FORMAT_OPTIONS 203
#define IDC_IMAGE_INFO_LABEL 290
#define IDS_NOT_SUPPORTED 348      // "Not Supported.": the driver cannot read the file
#define IDS_OPEN_FILTER 350        // the Open dialog's types, "|"-separated pairs
#define IDS_SAVE_FILTER 351        // the Save dialog's types
#define IDS_SAVE_IMAGE 371         // "Save Image"
#define IDS_IMAGE_INFO_FORMAT 390  // "%s - %d x %d": format name, width, height

// The format pages of the Save dialog's Options sheet ("Options", entry 379).
#define IDS_OPTIONS_CAPTION 379
#define IDD_FORMAT_BITMAP 109
#define IDD_FORMAT_GIF 110
#define IDD_FORMAT_PCX 111
#define IDD_FORMAT_TARGA 112
#define IDD_FORMAT_TIFF 113
#define IDD_FORMAT_JPEG 114
#define IDC_BMP_COMPRESSION_GROUP 240
#define IDC_BMP_NONE 241
#define IDC_BMP_RLE 242
#define IDC_BMP_24BIT 243
#define IDC_BMP_8BIT 244
#define IDC_BMP_8BIT_GRAY 245
#define IDC_GIF_8BIT 246
#define IDC_GIF_8BIT_GRAY 247
#define IDC_PCX_24BIT 248
#define IDC_PCX_8BIT 249
#define IDC_PCX_8BIT_GRAY 250
#define IDC_TGA_32BIT 251
#define IDC_TGA_24BIT 252
#define IDC_TGA_16BIT 253
#define IDC_TGA_NONE 254
#define IDC_TGA_RLE 255
#define IDC_TIF_24BIT 256
#define IDC_TIF_8BIT 257
#define IDC_TIF_8BIT_GRAY 258
#define IDC_TIF_LZW_GROUP 259
#define IDC_TIF_STRIP_LABEL 260
#define IDC_TIF_NONE 261
#define IDC_TIF_LZW 262
#define IDC_TIF_4K 263
#define IDC_TIF_8K 264
#define IDC_TIF_16K 265
#define IDC_JPG_COLOR 266
#define IDC_JPG_GRAY 267
#define IDC_JPG_444 268
#define IDC_JPG_422 269
#define IDC_JPG_411 270
#define IDC_JPG_LUMINANCE 271
#define IDC_JPG_LUMINANCE_VALUE 272
#define IDC_JPG_CHROMINANCE 273
#define IDC_JPG_CHROMINANCE_VALUE 274
// Find File: its dialog "FindFileDlg" and progress box "AbortSearchDlg",
// their controls, the list bitmaps (a drive's bitmap is its drive type plus
// 20) and the texts.
#define IDC_FIND_DRIVES 100
#define IDC_FIND_DIRECTORIES 101
#define IDC_FIND_SCRATCH 102
#define IDC_FIND_PATTERN 110
#define IDC_FIND_DIRECTORY 111
#define IDC_FIND_COUNT 112
#define IDC_FIND_FOUND 113
#define IDC_FIND_SEARCH 114
#define IDC_SEARCH_DIRECTORY 200
#define IDC_SEARCH_COUNT 201
#define IDB_FIND_SUBDIRECTORY 10
#define IDB_FIND_PARENT 11
#define IDB_FIND_CURRENT 12
#define IDB_FIND_DRIVE_BASE 20
#define IDB_FIND_DRIVE_REMOVABLE 22
#define IDB_FIND_DRIVE_FIXED 23
#define IDB_FIND_DRIVE_REMOTE 24
#define IDB_FIND_DRIVE_CDROM 25
#define IDB_FIND_DRIVE_RAMDISK 26
#define IDS_FIND_ALL_FILES 640       // "*.*"
#define IDS_FIND_DRIVE_FORMAT 641    // "%c%s": drive letter and gap
#define IDS_FIND_DRIVE_GAP 642       // ":  "
#define IDS_FIND_DRIVE 643           // "%c:": a drive to change to
#define IDS_FIND_FOUND_FORMAT 644    // "%lu file(s) found:"
#define IDS_FIND_COUNT_FORMAT 645    // "%lu file(s) found"
