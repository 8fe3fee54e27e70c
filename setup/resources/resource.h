// Every id of the setup tool: resources, controls, commands and string
// entries.  Plain defines, so that the resource scripts include it as well
// as the code.
#pragma once

// Pictures and icon.
#define IDB_PAGE_PICTURE 100     // the Color and Video pages
#define IDB_SYSTEM_PICTURE 101   // the System page, the live video shows through it
#define IDI_SETUP 110

// Page templates.
#define IDD_COLOR_PAGE 120
#define IDD_SYSTEM_PAGE 121
#define IDD_VIDEO_PAGE 122

// Controls of the pages.
#define IDC_HUE_BAR 200
#define IDC_BRIGHTNESS_BAR 201
#define IDC_VIDEO_SOURCE 202
#define IDC_SATURATION_BAR 203
#define IDC_CONTRAST_BAR 205
#define IDC_PICTURE 206
#define IDC_WINDOW_X_BAR 207
#define IDC_WINDOW_Y_BAR 208
#define IDC_WINDOW_X_VALUE 209
#define IDC_WINDOW_Y_VALUE 210
#define IDC_HUE_VALUE 211
#define IDC_DISPLAY_X_BAR 212
#define IDC_BRIGHTNESS_VALUE 213   // also the Video page's X offset value
#define IDC_DISPLAY_X_VALUE 213
#define IDC_DISPLAY_Y_BAR 214
#define IDC_SATURATION_VALUE 214
#define IDC_CONTRAST_VALUE 215     // also the Video page's Y offset value
#define IDC_DISPLAY_Y_VALUE 215
#define IDC_KEY_CORRECT_BAR 216
#define IDC_KEY_CORRECT_VALUE 217
#define IDC_SIGNAL_TYPE 218
#define IDC_HINT_TEXT 219
#define IDC_HINT_TEXT_2 220
#define IDC_RESTORE 221
#define IDC_X_OFFSET_CAPTION 1027
#define IDC_Y_OFFSET_CAPTION 1028

// The sheet's buttons: "&Close" (1), the hidden one (2) and "&Save", the
// sheet's apply button.
#define IDC_CLOSE_BUTTON 1
#define IDC_HIDDEN_BUTTON 2
#define IDC_SAVE_BUTTON 0x3021
// The About item of the system menu.
#define IDM_ABOUT 16

// The Video page's signal timer.
#define IDT_SIGNAL 102

// String entries.
#define IDS_ABOUT_CREDIT 200
#define IDS_VIEWER_CLASS 401
#define IDS_VIEWER_MARKER 402
#define IDS_VIEWER_PROGRAM 403
#define IDS_DRIVER_NAME 404
#define IDS_OPEN_ERROR 411
#define IDS_COULD_NOT_INITIALIZE 412
#define IDS_DRIVER_IN_USE 413
#define IDS_SHEET_CAPTION 420
#define IDS_ABOUT_ITEM 421
#define IDS_CLOSE 422
#define IDS_REOPEN_VIEWER 425
#define IDS_SAVE_QUESTION 426
#define IDS_SAVE 427
#define IDS_SIGNAL_NTSC 430
#define IDS_INPUT_0 436
#define IDS_INPUT_1 437
#define IDS_S_VIDEO 438
#define IDS_SIGNAL_UNKNOWN 439
#define IDS_SAVE_CONFIG_TYPE 440
