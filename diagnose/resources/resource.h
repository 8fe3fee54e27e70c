// Resource ids of the diagnostic tool kx310tst.  Plain defines, so that the
// resource script includes this header as well as code.
#pragma once
#include "framework_ids.h"

// The icon (drawn when the dialog is minimised) and the dialog's class.
#define IDI_DIAGNOSE 100
// The dialog, its picture and its controls.
#define IDD_DIAGNOSE 300
#define IDB_CARD 310
#define IDC_IO_TEXT 311
#define IDC_IRQ_TEXT 312
#define IDC_MEMORY_TEXT 313
#define IDC_STATUS_TEXT 314
#define IDC_TROUBLESHOOTER 315
#define IDC_TEST_PROGRESS 316
#define IDC_PICTURE 317
// The About command of the system menu.
#define IDM_ABOUT 16

// Texts.
#define IDS_ABOUT_MENU 101
#define IDS_CLICK_TEST 102
#define IDS_TESTING 103
#define IDS_CAPTION 105
#define IDS_NOT_INSTALLED 110
#define IDS_DEVICE_PROBLEM 112
#define IDS_ALL_NOT_WORKING 113
#define IDS_ANOTHER_DEVICE 114
#define IDS_IRQ_FAILURE 115
#define IDS_MEMORY_FAILURE 116
#define IDS_IO_FAILURE 117
#define IDS_MEMORY_IN_USE 118
// The forms of a resource shown as not known, and the mark of a failed one.
#define IDS_UNKNOWN_IO 120
#define IDS_UNKNOWN_IRQ 121
#define IDS_UNKNOWN_MEMORY 122
#define IDS_FAILED_MARK 123
// Help files and topics.
#define IDS_README_HELP 130
#define IDS_SYSTEM_HELP 131
#define IDS_CONFLICT_TOPIC 132
// Result codes 0 to 12 of the hardware tests: IDS_RESULT_FIRST + code.
#define IDS_RESULT_FIRST 151
#define IDS_RESULT_LAST 163
// The credit line of the About box.
#define IDS_ABOUT_CREDIT 200

// The help context of the install prompt in the product's help file.
#define HELP_CONTEXT_INSTALL 4
