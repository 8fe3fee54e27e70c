// Ids the framework itself knows: the application's title and idle prompt,
// its standard commands and its own texts.  Plain defines, so that resource
// scripts include this header as well as code.
#pragma once

#define IDS_APP_TITLE 57344
#define IDS_IDLE_MESSAGE 57345
// File Print Setup, Print, Print without the print dialog, Print Preview.
#define ID_FILE_PRINT_SETUP 57606
#define ID_FILE_PRINT 57607
#define ID_FILE_PRINT_DIRECT 57608
#define ID_FILE_PRINT_PREVIEW 57609
#define ID_APP_ABOUT 57664
#define ID_APP_EXIT 57665
#define ID_HELP 57669
#define ID_VIEW_TOOLBAR 59392
#define ID_VIEW_STATUS_BAR 59393
#define IDS_INTEGER_RANGE 61713
// The print preview window: its caption and buttons.
#define IDS_PREVIEW_CAPTION 61714
#define IDS_PREVIEW_PRINT 61715
#define IDS_PREVIEW_CLOSE 61716
