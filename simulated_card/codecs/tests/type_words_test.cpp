// Type words as the Save dialog and the clipboard compose them, in the
// letter case Wine and Windows deliver them, and the words that must fail.
#include <gtest/gtest.h>

#include "picture_codecs.h"

namespace kx::codecs {
namespace {

SaveOptions parsed(const char* words) {
  SaveOptions o;
  Status s = parseTypeWords(words, o);
  EXPECT_TRUE(s) << words << ": " << s.error;
  return o;
}

TEST(TypeWords, EveryDialogVariantNamesItsFormatNumber) {
  struct Case { const char* words; int number; };
  const Case cases[] = {
      {"DIB 24-bit", 0}, {"DIB 8-bit", 1}, {"DIB 8-bit gray", 2}, {"DIB 8-bit rle", 3},
      {"DIB 8-bit gray rle", 4}, {"DIB 4-bit", 5},
      {"Targa 32-bit", 7}, {"Targa 24-bit", 8}, {"Targa 16-bit", 9},
      {"Targa 32-bit rle", 10}, {"Targa 24-bit rle", 11}, {"Targa 16-bit rle", 12},
      {"TIFF 24-bit", 13}, {"TIFF 8-bit", 14}, {"TIFF 8-bit gray", 15},
      {"TIFF 24-bit lzw tiffopt 1", 16}, {"TIFF 8-bit lzw tiffopt 2", 17}, {"TIFF 8-bit gray lzw tiffopt 0", 18},
      {"IBM MMotion", 19}, {"PCX 8-bit", 20}, {"PCX 8-bit gray", 21}, {"PCX 24-bit", 26},
      {"GIF 8-bit", 22}, {"GIF 8-bit gray", 23}, {"GIF 4-bit", 27},
      {"JPEG jpegopt 0 0 0 0", 24}, {"JPEG gray jpegopt 1 40 20 0", 25},
  };
  for (const Case& c : cases) EXPECT_EQ(formatNumberOf(parsed(c.words)), c.number) << c.words;
}

TEST(TypeWords, OptionsCarryTheirValues) {
  SaveOptions t = parsed("tiff 8-bit lzw tiffopt 2");
  EXPECT_EQ(t.format, FileFormat::Tiff);
  EXPECT_EQ(t.bitsPerPixel, 8);
  EXPECT_TRUE(t.lzw);
  EXPECT_EQ(t.tiffStripSize, 2);
  EXPECT_FALSE(t.gray);

  SaveOptions j = parsed("jpeg gray jpegopt 1 40 20 0");
  EXPECT_EQ(j.format, FileFormat::Jpeg);
  EXPECT_TRUE(j.gray);
  EXPECT_EQ(j.jpegSubsample, 1);
  EXPECT_EQ(j.jpegChrominance, 40);
  EXPECT_EQ(j.jpegLuminance, 20);

  SaveOptions d = parsed("DDB 8-bit gray");
  EXPECT_EQ(d.format, FileFormat::Bitmap);
  EXPECT_TRUE(d.deviceDependent);
  EXPECT_TRUE(d.gray);
}

TEST(TypeWords, LetterCaseAndBlanksDoNotMatter) {
  SaveOptions a = parsed("targa 16-bit rle");
  SaveOptions b = parsed("  TARGA   16-Bit\tRLE ");
  EXPECT_EQ(a.format, b.format);
  EXPECT_EQ(a.bitsPerPixel, b.bitsPerPixel);
  EXPECT_EQ(a.rle, b.rle);
  EXPECT_EQ(formatNumberOf(parsed("ibm mmotion")), 19);
}

TEST(TypeWords, MissingDepthTakesTheFormatsUsualOne) {
  EXPECT_EQ(parsed("DIB").bitsPerPixel, 24);
  EXPECT_EQ(parsed("GIF").bitsPerPixel, 8);
  EXPECT_EQ(parsed("PCX gray").bitsPerPixel, 8);
  EXPECT_EQ(parsed("JPEG gray").bitsPerPixel, 24);
}

TEST(TypeWords, BadWordsFailWithAMessageNamingThem) {
  const char* bad[] = {
      "", "   ", "PNG 24-bit", "IBM", "DIB 24-bit sparkle", "DIB 24-bit 8-bit", "DIB 24-bit rle",
      "DIB 24-bit gray", "TIFF 24-bit rle", "GIF 8-bit lzw", "TIFF 24-bit lzw tiffopt 3",
      "TIFF 24-bit lzw tiffopt", "TIFF lzw tiffopt x", "PCX 24-bit tiffopt 1", "JPEG jpegopt 0 0 0",
      "JPEG jpegopt 3 0 0 0", "JPEG jpegopt 0 101 0 0", "JPEG jpegopt 0 -1 0 0", "Targa 8-bit",
      "Targa 24-bit gray", "DIB 8-bit rle rle", "IBM MMotion gray",
  };
  for (const char* words : bad) {
    SaveOptions o;
    o.bitsPerPixel = 99;
    Status s = parseTypeWords(words, o);
    EXPECT_FALSE(s) << "accepted: \"" << words << "\"";
    EXPECT_FALSE(s.error.empty());
    EXPECT_EQ(o.bitsPerPixel, 99) << "a failed parse must leave the options alone";
  }
  SaveOptions o;
  Status s = parseTypeWords("DIB 24-bit sparkle", o);
  EXPECT_NE(s.error.find("sparkle"), std::string::npos) << s.error;
}

}  // namespace
}  // namespace kx::codecs
