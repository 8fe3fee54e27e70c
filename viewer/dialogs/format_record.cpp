#include "format_record.h"
#include <cctype>
#include <cstdint>
#include <cstdio>

namespace {

// Fills `%d` placeholders of an option word with the numbers, in order.
std::string FillNumbers(const std::string& format, const int* numbers, int count)
{
    std::string out;
    int used = 0;
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size() && format[i + 1] == 'd' && used < count) {
            out += std::to_string(numbers[used++]);
            ++i;
        } else {
            out += format[i];
        }
    }
    return out;
}

}  // namespace

int RecordFieldCount(int type)
{
    switch (type) {
    case kTypeBitmap:
    case kTypeTarga: return 2;
    case kTypeTiff: return 3;
    case kTypePcx:
    case kTypeGif: return 1;
    case kTypeJpeg: return 4;
    default: return 0;
    }
}

bool RecordIsNumber(int type) { return type == kTypePcx || type == kTypeGif; }

FormatRecord ParseRecordText(int type, const std::string& text)
{
    FormatRecord record;
    const int expected = RecordFieldCount(type);
    int found = 0;
    size_t i = 0;
    while (i < text.size()) {
        if (text[i] == ' ') {
            ++i;
            continue;
        }
        size_t start = i;
        if (text[i] == '-' || text[i] == '+')
            ++i;
        size_t digits = i;
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])))
            ++i;
        // Anything but an integer followed by a blank or the end is damage.
        if (i == digits || (i < text.size() && text[i] != ' ') || i - start > 10 || found == expected)
            return FormatRecord{};
        const long long value = std::stoll(text.substr(start, i - start));
        if (value < INT32_MIN || value > INT32_MAX)
            return FormatRecord{};
        record.field[found++] = static_cast<int>(value);
    }
    return found == expected ? record : FormatRecord{};
}

std::string RecordText(int type, const FormatRecord& record)
{
    std::string text;
    for (int i = 0; i < RecordFieldCount(type); ++i)
        text += (i ? " " : "") + std::to_string(record.field[i]);
    return text;
}

unsigned TypeWordEntry(int type)
{
    switch (type) {
    case kTypeBitmap: return kEntryDib;
    case kTypeTarga: return kEntryTarga;
    case kTypeMMotion: return kEntryMMotion;
    case kTypeTiff: return kEntryTiff;
    case kTypePcx: return kEntryPcx;
    case kTypeGif: return kEntryGif;
    case kTypeJpeg: return kEntryJpeg;
    default: return 0;
    }
}

std::string BuildFormatString(int mode, int type, const FormatRecord& record,
                              const std::function<std::string(unsigned)>& text)
{
    const int colour = record.field[0];
    const int compression = record.field[1];
    const bool describe = mode == kModeDescription;
    auto name = [&](unsigned formatNumber) { return text(kEntryFormatName + formatNumber); };
    switch (type) {
    case kTypeBitmap:
        if (describe)
            return name(colour == 0 ? 0 : colour == 1 ? (compression == 1 ? 3 : 1) : (compression == 1 ? 4 : 2));
        return text(kEntryDib) + text(colour == 0 ? kEntry24Bit : kEntry8Bit) + (colour == 2 ? text(kEntryGray) : "") +
               (colour != 0 && compression == 1 ? text(kEntryRle) : "");
    case kTypeTarga: {
        const unsigned depth = colour == 0 ? kEntry32Bit : colour == 1 ? kEntry24Bit : kEntry16Bit;
        if (describe) {
            const unsigned plain = colour == 0 ? 7 : colour == 1 ? 8 : 9;
            return name(compression == 1 ? plain + 3 : plain);
        }
        return text(kEntryTarga) + text(depth) + (compression == 1 ? text(kEntryRle) : "");
    }
    case kTypeMMotion: return describe ? name(19) : text(kEntryMMotion);
    case kTypeTiff: {
        if (describe) {
            const unsigned plain = colour == 0 ? 13 : colour == 1 ? 14 : 15;
            return name(compression == 1 ? plain + 3 : plain);
        }
        std::string words = text(kEntryTiff) + text(colour == 0 ? kEntry24Bit : kEntry8Bit) +
                            (colour == 2 ? text(kEntryGray) : "");
        if (compression == 1)
            words += text(kEntryLzw) + FillNumbers(text(kEntryTiffOptions), &record.field[2], 1);
        return words;
    }
    case kTypePcx:
        if (describe)
            return name(colour == 0 ? 26 : colour == 1 ? 20 : 21);
        return text(kEntryPcx) + text(colour == 0 ? kEntry24Bit : kEntry8Bit) + (colour == 2 ? text(kEntryGray) : "");
    case kTypeGif:
        if (describe)
            return name(colour == 1 ? 23 : 22);
        return text(kEntryGif) + text(kEntry8Bit) + (colour == 1 ? text(kEntryGray) : "");
    case kTypeJpeg: {
        std::string words = text(kEntryJpeg) + (colour == 1 ? text(kEntryGray) : "");
        if (describe)
            return words;
        const int options[3] = {record.field[1], record.field[2], record.field[3]};
        return words + FillNumbers(text(kEntryJpegOptions), options, 3);
    }
    default: return "";
    }
}
