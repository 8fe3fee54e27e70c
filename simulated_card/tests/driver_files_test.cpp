// Picture files through the driver: save in the format the type words
// name, the file-information query, and the three ways of loading.
#include <gtest/gtest.h>

#include <windows.h>
#include <mmsystem.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

#include "mci_session.h"
#include "tiff_builder.h"

using namespace simcard_test;

namespace {

std::size_t Stride(int w) { return (static_cast<std::size_t>(w) * 3 + 3) & ~std::size_t{3}; }

std::string TempFile(const char* name)
{
    char dir[MAX_PATH];
    GetTempPathA(MAX_PATH, dir);
    return std::string(dir) + name;
}

std::string Contents(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// The region (x, y, 48, 32) of frame memory as 24-bit rows.
std::vector<unsigned char> Grab(int x, int y)
{
    LowBuffer buf(Stride(48) * 32);
    Send("save VCKX310 memory buffer type DIB 24-bit at " + std::to_string(x) + " " + std::to_string(y) +
         " 48 32 address " + std::to_string(buf.Address()));
    return std::vector<unsigned char>(buf.data(), buf.data() + Stride(48) * 32);
}

int MaxDifference(const std::vector<unsigned char>& a, const std::vector<unsigned char>& b)
{
    int worst = 0;
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i)
        worst = std::max(worst, std::abs(a[i] - b[i]));
    return worst;
}

} // namespace

TEST(DriverFilesTest, SavedRegionsReadBackInEveryLosslessFormat)
{
    OpenCard card;
    ASSERT_EQ(0u, card.rc());
    ASSERT_EQ(0u, Send("freeze VCKX310 ").rc);
    const std::vector<unsigned char> region = Grab(300, 100);
    const struct {
        const char* type;
        int format;
    } cases[] = {{"DIB 24-bit", 0}, {"Targa 32-bit rle", 10}, {"TIFF 24-bit lzw tiffopt 1", 16}, {"PCX 24-bit", 26}};
    for (const auto& c : cases) {
        const std::string path = TempFile("simcard file.img");
        DeleteFileA(path.c_str());
        ASSERT_EQ(0u, Send("save VCKX310 \"" + path + "\" type " + c.type + " at 300 100 48 32").rc) << c.type;
        EXPECT_EQ((std::vector<long>{c.format, 48, 32}), Numbers(Send("get VCKX310 file info \"" + path + "\"").text))
            << c.type;
        ASSERT_EQ(0u, Send("delete VCKX310 at 0 0 48 32").rc);
        ASSERT_EQ(0u, Send("load VCKX310 \"" + path + "\" at 0 0 48 32").rc) << c.type;
        EXPECT_EQ(0, MaxDifference(region, Grab(0, 0))) << c.type;
        DeleteFileA(path.c_str());
    }
}

TEST(DriverFilesTest, BuffersGoToFilesAndFilesIntoBuffers)
{
    OpenCard card;
    ASSERT_EQ(0u, card.rc());
    const int w = 20, h = 10;
    LowBuffer buf(Stride(w) * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w * 3; ++x)
            buf.data()[Stride(w) * y + x] = static_cast<unsigned char>(x * 11 + y * 3);
    std::vector<unsigned char> original(buf.data(), buf.data() + Stride(w) * h);
    const std::string path = TempFile("simcard buffer.bmp");
    ASSERT_EQ(0u, Send("save VCKX310 \"" + path + "\" type DIB 24-bit at 0 0 20 10 address " +
                       std::to_string(buf.Address()))
                      .rc);
    std::memset(buf.data(), 0, Stride(w) * h);
    ASSERT_EQ(0u, Send("load VCKX310 \"" + path + "\" address " + std::to_string(buf.Address())).rc);
    EXPECT_EQ(0, std::memcmp(original.data(), buf.data(), original.size()));
    // A buffer too small for the picture is refused.
    LowBuffer small(16);
    void* tiny = VirtualAlloc(nullptr, 4096, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    const auto tinyAddress = static_cast<unsigned long>(reinterpret_cast<std::uintptr_t>(tiny));
    LowBuffer big(Stride(200) * 100);
    ASSERT_EQ(0u, Send("save VCKX310 \"" + path + "\" type DIB 24-bit at 0 0 200 100").rc);
    EXPECT_EQ(MCIERR_OUTOFRANGE, Send("load VCKX310 \"" + path + "\" address " + std::to_string(tinyAddress)).rc);
    EXPECT_EQ(0u, Send("load VCKX310 \"" + path + "\" address " + std::to_string(big.Address())).rc);
    VirtualFree(tiny, 0, MEM_RELEASE);
    DeleteFileA(path.c_str());
}

TEST(DriverFilesTest, AFailedSaveLeavesTheOldFileAndBadFilesAreRefused)
{
    OpenCard card;
    ASSERT_EQ(0u, card.rc());
    const std::string path = TempFile("simcard keep.bmp");
    ASSERT_EQ(0u, Send("save VCKX310 \"" + path + "\" type DIB 24-bit at 0 0 16 16").rc);
    const std::string before = Contents(path);
    ASSERT_FALSE(before.empty());
    EXPECT_NE(0u, Send("save VCKX310 \"" + path + "\" type DIB 24-bit tiffopt 1 at 0 0 16 16").rc);
    EXPECT_EQ(before, Contents(path));

    const std::string junk = TempFile("simcard junk.bmp");
    std::ofstream(junk, std::ios::binary) << "not a picture at all";
    EXPECT_EQ(MCIERR_INVALID_FILE, Send("get VCKX310 file info \"" + junk + "\"").rc);
    EXPECT_EQ(MCIERR_INVALID_FILE, Send("load VCKX310 \"" + junk + "\"").rc);
    EXPECT_EQ(MCIERR_FILE_NOT_FOUND, Send("load VCKX310 \"" + TempFile("simcard none.bmp") + "\"").rc);
    DeleteFileA(junk.c_str());

    // The whole picture goes to frame memory from its top-left corner.
    ASSERT_EQ(0u, Send("unfreeze VCKX310 ").rc);
    ASSERT_EQ(0u, Send("load VCKX310 \"" + path + "\"").rc);
    EXPECT_EQ("frozen", Send("status VCKX310 mode").text);
    EXPECT_EQ((std::vector<long>{0, 0, 0}), Numbers(Send("get VCKX310 pixel rgb at 40 40 0 0").text));
    DeleteFileA(path.c_str());
}

TEST(DriverFilesTest, TiffVariantsOfOtherToolsLoadAndAnswerAndHostileOnesAreRefused)
{
    OpenCard card;
    ASSERT_EQ(0u, card.rc());
    // 48 x 32 pixels as the buffer rows of Grab (bottom row first, padded).
    kx::codecs::Picture picture(48, 32);
    std::vector<unsigned char> expected(Stride(48) * 32, 0);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 48; ++x)
            for (int c = 0; c < 3; ++c) {
                const auto v = static_cast<unsigned char>(x * 5 + y * 7 + c * 60);
                picture.row(y)[3 * x + c] = v;
                expected[Stride(48) * (31 - y) + 3 * x + c] = v;
            }
    kx::codecs::test::TiffLayout layout;
    layout.bits = 16;
    layout.tileSize = 32;
    layout.deflate = true;
    kx::codecs::test::TiffBuild build = kx::codecs::test::tiffOf(picture, layout);
    const std::string path = TempFile("simcard tiles.tif");
    auto write = [&](const std::vector<std::uint8_t>& bytes) {
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                    static_cast<std::streamsize>(bytes.size()));
    };
    write(build.bytes());
    EXPECT_EQ((std::vector<long>{13, 48, 32}), Numbers(Send("get VCKX310 file info \"" + path + "\"").text));
    ASSERT_EQ(0u, Send("delete VCKX310 at 0 0 48 32").rc);
    ASSERT_EQ(0u, Send("load VCKX310 \"" + path + "\" at 0 0 48 32").rc);
    EXPECT_EQ(0, MaxDifference(expected, Grab(0, 0)));

    // Tiles of no width, and a tile's data cut short: both answers refuse.
    build.fields[kx::codecs::test::TiffBuild::kTileWidth] = {0};
    write(build.bytes());
    EXPECT_EQ(MCIERR_INVALID_FILE, Send("get VCKX310 file info \"" + path + "\"").rc);
    EXPECT_EQ(MCIERR_INVALID_FILE, Send("load VCKX310 \"" + path + "\"").rc);
    build.fields[kx::codecs::test::TiffBuild::kTileWidth] = {32};
    build.units[1].resize(build.units[1].size() / 3);
    write(build.bytes());
    EXPECT_EQ(MCIERR_INVALID_FILE, Send("load VCKX310 \"" + path + "\"").rc);
    DeleteFileA(path.c_str());
}
