// String-table entries naming the settings store's key, sections and values.
#pragma once
#include "framework_ids.h"

enum SettingsName : unsigned {
    kSetRegistryKey = 310,  // two-level path below "Software"
    kSetSettings = 311,
    kSetWindowPos = 312,
    kSetSave = 313,
    kSetOpen = 314,
    kSetPath = 315,
    kSetClipboard = 316,
    kSetFormat = 317,
    kSetColor = 318,
    kSetChromaKey = 319,
    kSetRange = 320,
    kSetPreferences = 321,
    kSetAspectRatio = 322,
    kSetAlwaysOnTop = 323,
    kSetResizeWindow = 324,
    kSetCenterWindow = 325,
    kSetVideoSource = 326,
    kSetBackground = 327,
    kSetColorKey = 328,
    kSetStrobeInterval = 329,
    kSetRotateInterval = 330,
    kSetHide = 331,
    kSetExportVideo = 332,
    kSetInput0 = 333,
    kSetInput1 = 334,
    kSetSVideo = 335,
    kSetMixer = 336,
    kSetLock = 337,
    kSetUnfreeze = 338,
};

// The application title (the key below the company's).
constexpr unsigned kAppTitleEntry = IDS_APP_TITLE;
