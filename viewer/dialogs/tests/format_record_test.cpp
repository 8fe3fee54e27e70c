// The Save formats' stored records and the words and descriptions built from
// them, with the viewer's real string table (read from its resource script)
// and checked against the simulated card's reading of the same words.
#include "format_record.h"
#include "picture_codecs.h"
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>

namespace {

// The viewer's string table: numbered entries and entries named in its
// resource header.
class StringTable {
public:
    StringTable()
    {
        std::map<std::string, unsigned> names;
        std::ifstream header(KX_VIEWER_RESOURCE_HEADER);
        const std::regex define(R"(^#define\s+(\w+)\s+(\d+))");
        for (std::string line; std::getline(header, line);) {
            std::smatch m;
            if (std::regex_search(line, m, define))
                names[m[1]] = static_cast<unsigned>(std::stoul(m[2]));
        }
        std::ifstream script(KX_VIEWER_STRINGS_RC);
        const std::regex entry(R"rx(^\s*(\w+)\s+"((?:[^"]|"")*)")rx");
        for (std::string line; std::getline(script, line);) {
            std::smatch m;
            if (!std::regex_search(line, m, entry))
                continue;
            const std::string key = m[1];
            unsigned id = 0;
            if (std::isdigit(static_cast<unsigned char>(key[0])))
                id = static_cast<unsigned>(std::stoul(key));
            else if (names.count(key))
                id = names[key];
            else
                continue;
            texts_[id] = std::regex_replace(std::string(m[2]), std::regex("\"\""), "\"");
        }
    }
    std::string operator()(unsigned id) const
    {
        auto found = texts_.find(id);
        return found == texts_.end() ? "<missing " + std::to_string(id) + ">" : found->second;
    }
    size_t Size() const { return texts_.size(); }

private:
    std::map<unsigned, std::string> texts_;
};

const StringTable& Texts()
{
    static const StringTable table;
    return table;
}

std::string Words(int type, FormatRecord record)
{
    return BuildFormatString(kModeTypeWords, type, record, std::cref(Texts()));
}
std::string Description(int type, FormatRecord record)
{
    return BuildFormatString(kModeDescription, type, record, std::cref(Texts()));
}
FormatRecord Record(int a, int b = 0, int c = 0, int d = 0) { return FormatRecord{{a, b, c, d}}; }

// The choices each page offers, as the ranges of its record's fields.
struct Choices {
    int type;
    int count[4];
};
constexpr Choices kChoices[] = {
    {kTypeBitmap, {3, 2, 1, 1}}, {kTypeTarga, {3, 2, 1, 1}}, {kTypeMMotion, {1, 1, 1, 1}},
    {kTypeTiff, {3, 2, 3, 1}},   {kTypePcx, {3, 1, 1, 1}},   {kTypeGif, {2, 1, 1, 1}},
};

}  // namespace

TEST(FormatString, TheTypeWordsOfTheExamples)
{
    ASSERT_GT(Texts().Size(), 50u);
    EXPECT_EQ("DIB 8-bit gray rle", Words(kTypeBitmap, Record(2, 1)));
    EXPECT_EQ("Targa 16-bit rle", Words(kTypeTarga, Record(2, 1)));
    EXPECT_EQ("TIFF 8-bit lzw tiffopt 2", Words(kTypeTiff, Record(1, 1, 2)));
    EXPECT_EQ("PCX 8-bit gray", Words(kTypePcx, Record(2)));
    EXPECT_EQ("JPEG gray jpegopt 1 40 20 0", Words(kTypeJpeg, Record(1, 1, 40, 20)));
    EXPECT_EQ("IBM MMotion", Words(kTypeMMotion, Record(0)));
    EXPECT_EQ("", Words(kTypeAllFiles, Record(0)));
    EXPECT_EQ("", Words(-1, Record(0)));
}

// Every choice of every page: the card reads the words as the format the
// description names (the description is the card's own format name).
TEST(FormatString, TheCardReadsEveryChoiceAsTheFormatTheDialogDescribes)
{
    int checked = 0;
    for (const Choices& c : kChoices)
        for (int a = 0; a < c.count[0]; ++a)
            for (int b = 0; b < c.count[1]; ++b)
                for (int s = 0; s < c.count[2]; ++s) {
                    const FormatRecord record = Record(a, b, s);
                    const std::string words = Words(c.type, record);
                    SCOPED_TRACE(words);
                    kx::codecs::SaveOptions options;
                    ASSERT_TRUE(kx::codecs::parseTypeWords(words, options).ok());
                    EXPECT_EQ(c.type, static_cast<int>(options.format));
                    EXPECT_EQ(Texts()(400 + kx::codecs::formatNumberOf(options)), Description(c.type, record));
                    ++checked;
                }
    EXPECT_EQ(3 * 2 + 3 * 2 + 1 + 3 * 2 * 3 + 3 + 2, checked);
}

TEST(FormatString, JpegOptionsReachTheCardAndTheDescriptionLeavesThemOut)
{
    for (int gray : {0, 1})
        for (int subsample : {0, 1, 2}) {
            const FormatRecord record = Record(gray, subsample, 100, 7);
            kx::codecs::SaveOptions options;
            ASSERT_TRUE(kx::codecs::parseTypeWords(Words(kTypeJpeg, record), options).ok()) << Words(kTypeJpeg, record);
            EXPECT_EQ(kx::codecs::FileFormat::Jpeg, options.format);
            EXPECT_EQ(gray == 1, options.gray);
            EXPECT_EQ(subsample, options.jpegSubsample);
            EXPECT_EQ(100, options.jpegChrominance);
            EXPECT_EQ(7, options.jpegLuminance);
            EXPECT_EQ(gray ? "JPEG gray" : "JPEG", Description(kTypeJpeg, record));
        }
}

TEST(FormatRecord, StoredTextsRoundTripInTheirTypesFieldCount)
{
    EXPECT_EQ("2 1", RecordText(kTypeBitmap, Record(2, 1, 9, 9)));
    EXPECT_EQ("0 1 2", RecordText(kTypeTiff, Record(0, 1, 2)));
    EXPECT_EQ("1 2 40 20", RecordText(kTypeJpeg, Record(1, 2, 40, 20)));
    EXPECT_EQ("", RecordText(kTypeMMotion, Record(1)));
    for (const Choices& c : kChoices) {
        const FormatRecord record = Record(c.count[0] - 1, c.count[1] - 1, c.count[2] - 1);
        const FormatRecord back = ParseRecordText(c.type, RecordText(c.type, record));
        for (int i = 0; i < RecordFieldCount(c.type); ++i)
            EXPECT_EQ(record.field[i], back.field[i]) << c.type << " field " << i;
    }
    const FormatRecord spaced = ParseRecordText(kTypeJpeg, "  1  2 40 20 ");
    EXPECT_EQ(40, spaced.field[2]);
    EXPECT_EQ(-3, ParseRecordText(kTypeTarga, "-3 1").field[0]);
}

// A damaged record (edited by hand, left by another version) reads as all
// zeros, which is each page's first choice, never as a partial record.
TEST(FormatRecord, DamagedRecordsReadAsZeros)
{
    for (const char* damaged : {"", "1", "1 2 3", "1,1", "1 x", "x 1", "1 1a", "99999999999 1",
                                "1 2147483648", "--1 1", "1\t1", "+ 1"}) {
        const FormatRecord record = ParseRecordText(kTypeBitmap, damaged);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(0, record.field[i]) << '"' << damaged << '"';
        EXPECT_EQ("DIB 24-bit", Words(kTypeBitmap, record)) << '"' << damaged << '"';
    }
    EXPECT_EQ("JPEG jpegopt 0 0 0 0", Words(kTypeJpeg, ParseRecordText(kTypeJpeg, "1 2 3")));
    EXPECT_EQ(2147483647, ParseRecordText(kTypeTarga, "2147483647 0").field[0]);
}
