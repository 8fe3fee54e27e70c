// The overlay command vocabulary: offsets of the verb and argument-format
// entries in each program's string table (entry 500 + offset), and the
// string-table numbers the command layer itself reads.
#pragma once

namespace overlay {

constexpr unsigned kVocabularyBase = 500;  // entry of verb or format offset 0
constexpr unsigned kAliasEntry = 520;      // "VCKX310"
constexpr unsigned kViewerErrorCaption = 340;
constexpr unsigned kSetupErrorCaption = 410;
constexpr unsigned kUnknownErrorEntry = 339;  // "%lu": a code the system has no text for
constexpr unsigned kReplySize = 256;       // the process-wide return buffer

// Verbs (same in both programs).
enum Verb : unsigned {
    kVerbOpen = 0,  // a whole command: "open overlay alias VCKX310"
    kVerbClose = 1,
    kVerbInfo = 2,
    kVerbGet = 3,
    kVerbCapability = 4,
    kVerbSet = 5,
    kVerbSave = 6,
    kVerbStatus = 7,
    kVerbWindow = 8,
    kVerbPut = 9,
    kVerbWhere = 10,
    kVerbFreeze = 11,
    kVerbUnfreeze = 12,
    kVerbLoad = 13,
    kVerbCut = 15,
    kVerbCopy = 16,
    kVerbDelete = 17,
    kVerbPaste = 18,
};

// Argument formats shared by both programs (offsets below 71, and the ones
// from 80 on that mean the same in both).
enum Format : unsigned {
    kFmtNone = 0,
    kFmtRed = 30,
    kFmtGreen = 31,
    kFmtBlue = 32,
    kFmtHue = 33,
    kFmtBrightness = 34,
    kFmtSaturation = 35,
    kFmtContrast = 36,
    kFmtVideoKeyColor = 37,
    kFmtChromaKey = 38,
    kFmtSourceNumber = 39,
    kFmtStateShow = 40,
    kFmtHandle = 41,
    kFmtLimitRed = 43,
    kFmtLimitGreen = 44,
    kFmtLimitBlue = 45,
    kFmtLimitHue = 46,
    kFmtLimitBrightness = 47,
    kFmtLimitSaturation = 48,
    kFmtLimitContrast = 49,
    kFmtLimitChromaKey = 50,
    kFmtChromaKeyRedLimit = 51,
    kFmtChromaKeyGreenLimit = 52,
    kFmtChromaKeyBlueLimit = 53,
    kFmtDisplay = 54,
    kFmtRgb = 55,
    kFmtVideoKey = 56,
    kFmtPixelRgbAt = 58,
    kFmtVideo = 59,
    kFmtFileType = 60,            // name, type words
    kFmtFileTypeAt = 61,          // name, type words, rectangle
    kFmtAllocAt = 62,
    kFmtFileTypeAtAddress = 63,   // name, type words, rectangle, address
    kFmtFile = 64,                // name
    kFmtFileAddress = 65,         // name, address
    kFmtFileAt = 66,              // name, rectangle
    kFmtFileInfo = 67,            // the file-information query
    kFmtMemoryBufferAtAddress = 68,
    kFmtTypeAt = 69,
    kFmtChromaKeyWord = 70,
    kFmtWindowHandle = 80,
    kFmtMemoryBufferTypeAtAddress = 81,
    kFmtAt = 82,
    kFmtVerticalFlipOn = 86,
    kFmtVerticalFlipOff = 87,
    kFmtVideoKeyOn = 88,
    kFmtVideoKeyOff = 89,
    kFmtCardType = 90,
    kFmtDestination = 91,
    kFmtFrameAtDeferred = 92,
    kFmtSourceAtDeferred = 93,
    kFmtFrameDeferred = 94,
    kFmtSourceDeferred = 95,
};

// Formats that exist only in the viewer's table.
enum ViewerFormat : unsigned {
    kFmtYuvFrom = 71,
    kFmtMemoryFormatYuv = 96,
    kFmtMemoryFormatRgb = 97,
    kFmtIndicatorSignal = 98,
    kFmtIndicatorInterval = 99,
    kFmtIndicatorOn = 100,
    kFmtIndicatorOff = 101,
};

// Formats that exist only in the setup tool's table (same offsets, other meaning).
enum SetupFormat : unsigned {
    kFmtSkewWinX = 71,
    kFmtSkewWinY = 72,
    kFmtSkewDispX = 73,
    kFmtSkewDispY = 74,
    kFmtSourceTo = 75,
    kFmtSkew = 76,
    kFmtLimitDisplay = 77,
    kFmtLimitVideo = 78,
    kFmtLimitVideoKeyCorrect = 79,
    kFmtSetupIndicatorSignal = 83,
    kFmtDestinationAt = 96,
    kFmtVideoKeyCorrect = 97,
};

}  // namespace overlay
