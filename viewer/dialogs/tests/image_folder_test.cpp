// Where the image dialogs start, from the path they stored last time.
#include "image_folder.h"
#include <gtest/gtest.h>

TEST(ImageFolder, TheStoredPathsFolderWithoutItsBackslashUnlessARoot)
{
    EXPECT_EQ("D:\\PICS", InitialFolderOf("D:\\PICS\\A.TGA", 256));
    EXPECT_EQ("D:\\", InitialFolderOf("D:\\A.TGA", 256));
    EXPECT_EQ("C:\\IMAGES\\CATS", InitialFolderOf("C:\\IMAGES\\CATS\\CAT.BMP", 256));
    EXPECT_EQ("\\\\SERVER\\SHARE", InitialFolderOf("\\\\SERVER\\SHARE\\X.BMP", 256));
}

TEST(ImageFolder, NoFolderMeansTheCurrentOne)
{
    EXPECT_EQ("", InitialFolderOf("", 256));
    EXPECT_EQ("", InitialFolderOf("CAT.BMP", 256));
    EXPECT_EQ("", InitialFolderOf("C:CAT.BMP", 256));
}

TEST(ImageFolder, AFolderTooLongForTheDialogsBufferIsNotCut)
{
    const std::string folder = "C:\\" + std::string(251, 'F');  // 254 characters
    EXPECT_EQ(folder, InitialFolderOf(folder + "\\A.BMP", 256));
    EXPECT_EQ(folder + "G", InitialFolderOf(folder + "G\\A.BMP", 256));  // 255 and its terminator fit
    EXPECT_EQ("", InitialFolderOf(folder + "GH\\A.BMP", 256));
}
