// The type words of the "save" and "copy" commands: a format word, then
// option words, each as the Save dialog's format pages compose them.
#include <cctype>
#include <cstdlib>
#include <vector>

#include "codec_support.h"

namespace kx::codecs {
namespace {

std::vector<std::string> splitWords(std::string_view text) {
  std::vector<std::string> words;
  std::string word;
  for (char c : text) {
    if (std::isspace(static_cast<unsigned char>(c))) {
      if (!word.empty()) words.push_back(std::move(word));
      word.clear();
    } else {
      word += char(std::tolower(static_cast<unsigned char>(c)));
    }
  }
  if (!word.empty()) words.push_back(std::move(word));
  return words;
}

bool parseNumber(const std::string& word, int low, int high, int& out) {
  if (word.empty() || word.size() > 9) return false;
  for (char c : word)
    if (c < '0' || c > '9') return false;
  int v = std::atoi(word.c_str());
  if (v < low || v > high) return false;
  out = v;
  return true;
}

struct FormatWord {
  const char* word;
  FileFormat format;
};
constexpr FormatWord kFormatWords[] = {
    {"dib", FileFormat::Bitmap}, {"ddb", FileFormat::Bitmap}, {"bmp", FileFormat::Bitmap},
    {"targa", FileFormat::Targa}, {"tga", FileFormat::Targa}, {"tiff", FileFormat::Tiff},
    {"tif", FileFormat::Tiff}, {"pcx", FileFormat::Pcx}, {"gif", FileFormat::Gif},
    {"jpeg", FileFormat::Jpeg}, {"jpg", FileFormat::Jpeg}, {"mmotion", FileFormat::MMotion},
};

const char* formatName(FileFormat f) {
  switch (f) {
    case FileFormat::Bitmap: return "DIB";
    case FileFormat::Targa: return "Targa";
    case FileFormat::MMotion: return "IBM MMotion";
    case FileFormat::Tiff: return "TIFF";
    case FileFormat::Pcx: return "PCX";
    case FileFormat::Gif: return "GIF";
    case FileFormat::Jpeg: return "JPEG";
  }
  return "?";
}

}  // namespace

// Checks that the options name a variant the encoders write.
Status validateOptions(const SaveOptions& o) {
  const std::string name = formatName(o.format);
  auto depthIs = [&](std::initializer_list<int> allowed) {
    for (int d : allowed)
      if (o.bitsPerPixel == d) return true;
    return false;
  };
  bool depthOk = false;
  switch (o.format) {
    case FileFormat::Bitmap: depthOk = depthIs({24, 8, 4}); break;
    case FileFormat::Targa: depthOk = depthIs({32, 24, 16}); break;
    case FileFormat::Tiff:
    case FileFormat::Pcx: depthOk = depthIs({24, 8}); break;
    case FileFormat::Gif: depthOk = depthIs({8, 4}); break;
    case FileFormat::MMotion:
    case FileFormat::Jpeg: depthOk = depthIs({24}); break;
  }
  if (!depthOk) return Status::fail(name + " cannot be written with " + std::to_string(o.bitsPerPixel) + "-bit pixels");
  if (o.gray && o.format != FileFormat::Jpeg && o.bitsPerPixel > 8)
    return Status::fail(name + " gray needs 8-bit or 4-bit pixels");
  if (o.gray && (o.format == FileFormat::Targa || o.format == FileFormat::MMotion))
    return Status::fail(name + " has no gray variant");
  if (o.rle && o.format != FileFormat::Bitmap && o.format != FileFormat::Targa)
    return Status::fail(name + " has no rle variant");
  if (o.rle && o.format == FileFormat::Bitmap && o.bitsPerPixel != 8)
    return Status::fail("rle bitmaps need 8-bit pixels");
  if (o.lzw && o.format != FileFormat::Tiff) return Status::fail(name + " has no lzw variant");
  if (o.tiffStripSize < 0 || o.tiffStripSize > 2) return Status::fail("the TIFF strip size must be 0, 1 or 2");
  if (o.jpegSubsample < 0 || o.jpegSubsample > 2) return Status::fail("the JPEG subsampling must be 0, 1 or 2");
  if (o.jpegChrominance < 0 || o.jpegChrominance > 100 || o.jpegLuminance < 0 || o.jpegLuminance > 100)
    return Status::fail("the JPEG quantisation factors must lie between 0 and 100");
  return Status::ok();
}

Status parseTypeWords(std::string_view text, SaveOptions& out) {
  std::vector<std::string> words = splitWords(text);
  if (words.empty()) return Status::fail("no file type given");
  SaveOptions o;
  std::size_t i = 0;
  bool known = false;
  if (words[0] == "ibm" && words.size() > 1 && words[1] == "mmotion") {
    o.format = FileFormat::MMotion;
    known = true;
    i = 2;
  } else {
    for (const FormatWord& f : kFormatWords)
      if (words[0] == f.word) {
        o.format = f.format;
        o.deviceDependent = words[0] == "ddb";
        known = true;
        i = 1;
      }
  }
  if (!known) return Status::fail("unknown file type \"" + words[0] + "\"");
  const std::string name = formatName(o.format);
  bool depthGiven = false, tiffopt = false, jpegopt = false;
  for (; i < words.size(); ++i) {
    const std::string& w = words[i];
    int depth = 0;
    if (w == "32-bit") depth = 32;
    else if (w == "24-bit") depth = 24;
    else if (w == "16-bit") depth = 16;
    else if (w == "8-bit") depth = 8;
    else if (w == "4-bit") depth = 4;
    if (depth) {
      if (depthGiven) return Status::fail("more than one pixel depth: \"" + w + "\"");
      depthGiven = true;
      o.bitsPerPixel = depth;
    } else if (w == "gray" || w == "grey") {
      if (o.gray) return Status::fail("\"" + w + "\" given twice");
      o.gray = true;
    } else if (w == "rle") {
      if (o.rle) return Status::fail("\"rle\" given twice");
      o.rle = true;
    } else if (w == "lzw") {
      if (o.lzw) return Status::fail("\"lzw\" given twice");
      o.lzw = true;
    } else if (w == "tiffopt") {
      if (o.format != FileFormat::Tiff || tiffopt) return Status::fail("\"tiffopt\" does not belong here");
      if (i + 1 >= words.size() || !parseNumber(words[i + 1], 0, 2, o.tiffStripSize))
        return Status::fail("\"tiffopt\" needs a strip size of 0, 1 or 2");
      tiffopt = true;
      ++i;
    } else if (w == "jpegopt") {
      if (o.format != FileFormat::Jpeg || jpegopt) return Status::fail("\"jpegopt\" does not belong here");
      int reserved = 0;
      if (i + 4 >= words.size() || !parseNumber(words[i + 1], 0, 2, o.jpegSubsample) ||
          !parseNumber(words[i + 2], 0, 100, o.jpegChrominance) ||
          !parseNumber(words[i + 3], 0, 100, o.jpegLuminance) || !parseNumber(words[i + 4], 0, 999999999, reserved))
        return Status::fail("\"jpegopt\" needs a subsampling of 0 to 2, two factors of 0 to 100 and one more number");
      jpegopt = true;
      i += 4;
    } else {
      return Status::fail("unknown word \"" + w + "\" in the " + name + " file type");
    }
  }
  if (!depthGiven) {
    if (o.format == FileFormat::Gif || (o.gray && o.format != FileFormat::Jpeg)) o.bitsPerPixel = 8;
    else o.bitsPerPixel = 24;
  }
  Status valid = validateOptions(o);
  if (!valid) return valid;
  out = o;
  return Status::ok();
}

int formatNumberOf(const SaveOptions& o) {
  switch (o.format) {
    case FileFormat::Bitmap:
      if (o.bitsPerPixel == 24) return kBmp24;
      if (o.bitsPerPixel == 4) return kBmp4;
      if (o.gray) return o.rle ? kBmp8GrayRle : kBmp8Gray;
      return o.rle ? kBmp8Rle : kBmp8;
    case FileFormat::Targa: {
      int f = o.bitsPerPixel == 32 ? kTga32 : o.bitsPerPixel == 16 ? kTga16 : kTga24;
      return o.rle ? f + 3 : f;
    }
    case FileFormat::MMotion: return kMMotion;
    case FileFormat::Tiff: {
      int f = o.bitsPerPixel == 24 ? kTiff24 : o.gray ? kTiff8Gray : kTiff8;
      return o.lzw ? f + 3 : f;
    }
    case FileFormat::Pcx: return o.bitsPerPixel == 24 ? kPcx24 : o.gray ? kPcx8Gray : kPcx8;
    case FileFormat::Gif: return o.gray ? kGif8Gray : o.bitsPerPixel == 4 ? kGif4 : kGif8;
    case FileFormat::Jpeg: return o.gray ? kJpegGray : kJpeg;
  }
  return kBmp24;
}

}  // namespace kx::codecs
