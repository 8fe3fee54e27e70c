// Resource ids of HTFX32: dialogs, controls and texts.
#pragma once

#define IDD_PREVIEWBOX "PREVIEWBOX"
#define IDD_METERDLG "METERDLG"

// Slider table: row k (amount order) has label 810 + k, slider 800 + k and
// value 820 + k; the dialog has rows 3 to 6.
#define IDC_SLIDER_FIRST 800
#define IDC_LABEL_FIRST 810
#define IDC_VALUE_FIRST 820
#define IDC_HUE_SLIDER 803
#define IDC_BRIGHTNESS_SLIDER 804
#define IDC_SATURATION_SLIDER 805
#define IDC_CONTRAST_SLIDER 806
#define IDC_HUE_LABEL 813
#define IDC_BRIGHTNESS_LABEL 814
#define IDC_SATURATION_LABEL 815
#define IDC_CONTRAST_LABEL 816
#define IDC_HUE_VALUE 823
#define IDC_BRIGHTNESS_VALUE 824
#define IDC_SATURATION_VALUE 825
#define IDC_CONTRAST_VALUE 826
#define IDC_UPDATE 830
#define IDC_PREVIEW_AREA 831
#define IDC_METER 5000

// String table.
#define IDS_PREVIEW_CAPTION 100
#define IDS_METER_CAPTION 101
#define IDS_HUE 102
#define IDS_BRIGHTNESS 103
#define IDS_SATURATION 104
#define IDS_CONTRAST 105
#define IDS_OK 106
#define IDS_CANCEL 107
#define IDS_UPDATE 108
