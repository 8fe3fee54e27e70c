// The options of the Save dialog's format pages and the rule that turns a
// format with its options into the driver's type words or the dialog's
// description.  Windows-free: the texts come from a lookup of string-table
// entries, so that the rules are tested natively.
#pragma once
#include <functional>
#include <string>

// The image types of the dialogs' type lists, by their position there.
enum ImageType { kTypeBitmap, kTypeTarga, kTypeMMotion, kTypeTiff, kTypePcx, kTypeGif, kTypeJpeg, kTypeAllFiles };
constexpr int kSaveTypeCount = 7;

// The pages' records: small 0-based indices and factors, in stored order.
// Bitmap: colour, compression.  Targa: colour, compression.  Tiff: colour,
// compression, strip size.  PCX: colour.  Gif: colour.  JPEG: colour,
// subsample, chrominance factor, luminance factor.
struct FormatRecord {
    int field[4] = {0, 0, 0, 0};
};

// How many fields a type's record has (0: IBM MMotion and "All Files" have none).
int RecordFieldCount(int type);
// PCX and Gif keep a number; the others a text of blank-separated numbers.
bool RecordIsNumber(int type);
// A stored text: exactly the type's count of decimal integers separated by
// blanks, else every field 0.
FormatRecord ParseRecordText(int type, const std::string& text);
std::string RecordText(int type, const FormatRecord& record);

// The string-table entries the rules use.
enum FormatEntry : unsigned {
    kEntryFormatName = 400,  // + the driver's format number
    kEntryDib = 442,
    kEntryTarga = 444,
    kEntryTiff = 445,
    kEntryMMotion = 446,
    kEntryPcx = 447,
    kEntryGif = 448,
    kEntryJpeg = 449,
    kEntry32Bit = 450,
    kEntry24Bit = 451,
    kEntry16Bit = 452,
    kEntry8Bit = 453,
    kEntryGray = 455,
    kEntryRle = 456,
    kEntryLzw = 457,
    kEntryTiffOptions = 458,  // " tiffopt %d"
    kEntryJpegOptions = 459,  // " jpegopt %d %d %d 0"
};

// The entry of a type's type word (also its options' value name); 0 for none.
unsigned TypeWordEntry(int type);

enum FormatStringMode { kModeTypeWords = 0, kModeDescription = 1 };
// The type words (mode 0) or the description (mode 1) of a type 0 to 6 with
// its record; empty for another type.
std::string BuildFormatString(int mode, int type, const FormatRecord& record,
                              const std::function<std::string(unsigned entry)>& text);
