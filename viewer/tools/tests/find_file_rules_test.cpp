// The Find File dialog's window-free rules.
#include "find_file_rules.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace find_file;

namespace {

constexpr char kImageFilter[] =
    "Windows Bitmap Files (*.BMP)|*.BMP|Targa Files (*.TGA)|*.TGA|IBM MMotion Files (*.MMP)|*.MMP|"
    "TIFF Files (*.TIF)|*.TIF|PCX Files (*.PCX)|*.PCX|GIF Files(*.GIF)|*.GIF|JPEG Files (*.JPG)|*.JPG|"
    "All Files (*.*)|*.*|";

TEST(FindFileInitialPattern, TakesTheIndexedPairLowerCasedOrFallsBack)
{
    EXPECT_EQ("*.bmp", InitialPattern(kImageFilter, nullptr, 0, "*.*"));
    EXPECT_EQ("*.bmp", InitialPattern(kImageFilter, nullptr, 1, "*.*"));
    EXPECT_EQ("*.tga", InitialPattern(kImageFilter, nullptr, 2, "*.*"));
    EXPECT_EQ("*.jpg", InitialPattern(kImageFilter, nullptr, 7, "*.*"));
    EXPECT_EQ("*.*", InitialPattern(kImageFilter, nullptr, 8, "*.*"));
    // Past the last pair, and without any filter: the fallback.
    EXPECT_EQ("*.*", InitialPattern(kImageFilter, nullptr, 9, "*.*"));
    EXPECT_EQ("*.*", InitialPattern(nullptr, nullptr, 3, "*.*"));
    EXPECT_EQ("*.*", InitialPattern("", nullptr, 0, "*.*"));
    // The separator is whatever the last character is.
    EXPECT_EQ("*.pcx", InitialPattern("Pictures#*.PCX#Text#*.TXT#", nullptr, 1, "*.*"));
    EXPECT_EQ("*.txt", InitialPattern("Pictures#*.PCX#Text#*.TXT#", nullptr, 2, "*.*"));
}

TEST(FindFileInitialPattern, CustomFilterOnlyWithIndexZero)
{
    EXPECT_EQ("mine*.tif", InitialPattern(kImageFilter, "Mine|MINE*.TIF|", 0, "*.*"));
    EXPECT_EQ("*.tga", InitialPattern(kImageFilter, "Mine|MINE*.TIF|", 2, "*.*"));
    EXPECT_EQ("mine*.tif", InitialPattern(nullptr, "Mine|MINE*.TIF|", 0, "*.*"));
    EXPECT_EQ("*.*", InitialPattern(nullptr, "Mine|MINE*.TIF|", 1, "*.*"));
}

TEST(FindFileAttributes, HiddenAndSystemFilesCountOnlyWithAnOrdinaryAttribute)
{
    EXPECT_TRUE(IsFoundFile(kAttributeNormal));
    EXPECT_TRUE(IsFoundFile(kAttributeArchive));
    EXPECT_TRUE(IsFoundFile(kAttributeReadOnly | kAttributeHidden));
    EXPECT_TRUE(IsFoundFile(kAttributeHidden | kAttributeSystem | kAttributeArchive));
    EXPECT_FALSE(IsFoundFile(kAttributeHidden));
    EXPECT_FALSE(IsFoundFile(kAttributeSystem));
    EXPECT_FALSE(IsFoundFile(kAttributeHidden | kAttributeSystem));
    EXPECT_FALSE(IsFoundFile(0));
    // A directory that matches the pattern is not a file, whatever else it has.
    EXPECT_FALSE(IsFoundFile(kAttributeDirectory));
    EXPECT_FALSE(IsFoundFile(kAttributeDirectory | kAttributeReadOnly));
}

TEST(FindFilePattern, MatchesAsTheFileListingDoes)
{
    EXPECT_TRUE(MatchesPattern("Beach.BMP", "*.bmp"));
    EXPECT_TRUE(MatchesPattern("a.b.bmp", "*.bmp"));
    EXPECT_FALSE(MatchesPattern("beach.bmpx", "*.bmp"));
    EXPECT_FALSE(MatchesPattern("beach.tga", "*.bmp"));
    EXPECT_TRUE(MatchesPattern("frame7.tif", "frame?.tif"));
    EXPECT_FALSE(MatchesPattern("frame17.tif", "frame?.tif"));
    EXPECT_TRUE(MatchesPattern("abcab", "*ab"));  // the star retries after a false start
    EXPECT_TRUE(MatchesPattern("readme", "*.*"));
    EXPECT_TRUE(MatchesPattern("readme.txt", "*.*"));
    EXPECT_TRUE(MatchesPattern("chosen", "chosen.*"));
    EXPECT_TRUE(MatchesPattern("Chosen.BMP", "chosen.*"));
    EXPECT_FALSE(MatchesPattern("chosenx", "chosen.*"));
    EXPECT_TRUE(MatchesPattern("x", "*"));
    EXPECT_FALSE(MatchesPattern("x", ""));
}

TEST(FindFileSplitPath, GivesDriveDirectoryNameAndExtension)
{
    PathParts p = SplitPath("C:\\Pictures\\Holiday\\Beach.Day.BMP");
    EXPECT_EQ("C:", p.drive);
    EXPECT_EQ("\\Pictures\\Holiday\\", p.dir);
    EXPECT_EQ("Beach.Day", p.name);
    EXPECT_EQ(".BMP", p.ext);

    p = SplitPath("d:\\*.*");
    EXPECT_EQ("d:", p.drive);
    EXPECT_EQ("\\", p.dir);
    EXPECT_EQ("*", p.name);
    EXPECT_EQ(".*", p.ext);

    p = SplitPath("readme");
    EXPECT_EQ("", p.drive);
    EXPECT_EQ("", p.dir);
    EXPECT_EQ("readme", p.name);
    EXPECT_EQ("", p.ext);

    // A dot in a directory name is not the extension.
    p = SplitPath("c:\\v1.2\\notes");
    EXPECT_EQ("\\v1.2\\", p.dir);
    EXPECT_EQ("notes", p.name);
    EXPECT_EQ("", p.ext);
}

TEST(FindFileDriveLabel, LetterGapAndRootNameWithTheLabelDotDropped)
{
    EXPECT_EQ("system.ini", RootNameForLabel("SYSTEM.INI"));
    EXPECT_EQ("autoexecbat", RootNameForLabel("AUTOEXEC.BAT"));
    EXPECT_EQ("abcdefghi", RootNameForLabel("ABCDEFGHI"));
    EXPECT_EQ("", RootNameForLabel(""));
    EXPECT_EQ("c:  disk1label", DriveLabel("%c%s", 'c', ":  ", RootNameForLabel("DISK1LAB.EL")));
    EXPECT_EQ("z:  \\\\server\\share", DriveLabel("%c%s", 'z', ":  ", "\\\\server\\share"));
    // A table format that does not ask for a character and a text is not
    // handed to the formatter.
    EXPECT_EQ("c:  x", DriveLabel("%s%s%n", 'c', ":  ", "x"));
    // Bounded.
    EXPECT_EQ(std::string("d:  ") + std::string(123, 'n'), DriveLabel("%c%s", 'd', ":  ", std::string(400, 'n')));
}

TEST(FindFileDirectoryList, ComponentsFromTheRootThenSubdirectories)
{
    std::vector<DirEntry> e = DirectoryEntries("c:\\pictures\\holiday\\", {"beach", "hills"});
    ASSERT_EQ(5u, e.size());
    EXPECT_EQ("c:\\", e[0].text);
    EXPECT_EQ(0, e[0].depth);
    EXPECT_EQ(DirKind::Component, e[0].kind);
    EXPECT_EQ("pictures", e[1].text);
    EXPECT_EQ(1, e[1].depth);
    EXPECT_EQ("holiday", e[2].text);
    EXPECT_EQ(2, e[2].depth);
    EXPECT_EQ(DirKind::Current, e[2].kind);
    EXPECT_EQ("beach", e[3].text);
    EXPECT_EQ(3, e[3].depth);
    EXPECT_EQ(DirKind::Subdirectory, e[3].kind);
    EXPECT_EQ(3, e[4].depth);

    // The root alone is the current directory.
    e = DirectoryEntries("d:\\", {"games"});
    ASSERT_EQ(2u, e.size());
    EXPECT_EQ("d:\\", e[0].text);
    EXPECT_EQ(DirKind::Current, e[0].kind);
    EXPECT_EQ(1, e[1].depth);

    EXPECT_EQ(4, IndentPixels(0));
    EXPECT_EQ(16, IndentPixels(3));
    EXPECT_EQ(0, TopIndex(0));
    EXPECT_EQ(0, TopIndex(1));
    EXPECT_EQ(4, TopIndex(5));
}

TEST(FindFileDirectoryList, DoubleClickedEntryGivesThePathToChangeTo)
{
    const std::string path = "c:\\pictures\\holiday";
    std::vector<DirEntry> e = DirectoryEntries(path, {"beach"});
    EXPECT_EQ("c:\\", PathForEntry(e, 0));
    EXPECT_EQ("c:\\pictures", PathForEntry(e, 1));
    EXPECT_EQ("", PathForEntry(e, 2));  // the current directory itself
    EXPECT_EQ("c:\\pictures\\holiday\\beach", PathForEntry(e, 3));
    EXPECT_EQ("", PathForEntry(e, 4));

    std::vector<DirEntry> root = DirectoryEntries("c:\\", {"beach"});
    EXPECT_EQ("c:\\beach", PathForEntry(root, 1));
    EXPECT_EQ("c:\\", WithoutTrailingBackslash("c:\\"));
    EXPECT_EQ("c:\\", WithoutTrailingBackslash("c:"));
    EXPECT_EQ("c:\\a", WithoutTrailingBackslash("c:\\a\\\\"));
    EXPECT_EQ("c:\\a\\*.*", AppendPattern("c:\\a", "*.*"));
    EXPECT_EQ("c:\\*.*", AppendPattern("c:\\", "*.*"));
}

TEST(FindFileFoundPath, FitsOrIsRefusedWithTheBuffersUntouched)
{
    char file[16];
    char title[8];
    std::memset(file, 'x', sizeof file);
    std::memset(title, 'x', sizeof title);
    FoundPath out;
    // Exactly fits: 15 characters and the terminator.
    ASSERT_TRUE(CopyFoundPath("c:\\dir\\abc.bmp", file, sizeof file, title, sizeof title, out));
    EXPECT_STREQ("c:\\dir\\abc.bmp", file);
    EXPECT_STREQ("abc.bmp", title);
    EXPECT_EQ(7u, out.nameOffset);

    // One character too long for the path, then for the title: refused,
    // nothing written.
    std::memset(file, 'x', sizeof file);
    std::memset(title, 'x', sizeof title);
    out.nameOffset = 99;
    EXPECT_FALSE(CopyFoundPath("c:\\dir\\abcd.bmp", file, sizeof file, title, sizeof title, out));
    EXPECT_FALSE(CopyFoundPath("c:\\abcdefgh.bmp", file, sizeof file, title, sizeof title, out));
    EXPECT_EQ('x', file[0]);
    EXPECT_EQ('x', title[0]);
    EXPECT_EQ(99u, out.nameOffset);

    // Without a title buffer only the path is written.
    ASSERT_TRUE(CopyFoundPath("c:\\abcdefgh.bmp", file, sizeof file, nullptr, 0, out));
    EXPECT_STREQ("c:\\abcdefgh.bmp", file);
    EXPECT_EQ(3u, out.nameOffset);
    EXPECT_FALSE(CopyFoundPath("c:\\a.bmp", nullptr, 0, nullptr, 0, out));
}

}  // namespace
