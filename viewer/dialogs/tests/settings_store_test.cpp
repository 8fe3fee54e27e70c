// The settings store against the real registry of the test prefix.
#include "settings_names.h"
#include "settings_store.h"

#include <gtest/gtest.h>
#include <shlwapi.h>

namespace {

const char* const kAppKey = "Software\\Halvorn Tech\\Vistacard KX310\\Video Deck KX310";

class SettingsStore : public ::testing::Test {
protected:
    void SetUp() override { SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\Halvorn Tech"); }
    void TearDown() override { SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\Halvorn Tech"); }

    static bool KeyExists(const std::string& path)
    {
        HKEY key;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
            return false;
        RegCloseKey(key);
        return true;
    }

    static void PutRaw(const char* section, const char* value, DWORD type, const void* data, DWORD size)
    {
        HKEY key;
        std::string path = std::string(kAppKey) + "\\" + section;
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_WRITE,
                                                 nullptr, &key, nullptr));
        ASSERT_EQ(ERROR_SUCCESS, RegSetValueExA(key, value, 0, type, static_cast<const BYTE*>(data), size));
        RegCloseKey(key);
    }

    CSettingsStore store{GetModuleHandleA(nullptr), kSetRegistryKey, kAppTitleEntry};
};

TEST_F(SettingsStore, KeyPathComesFromTheStringTable)
{
    EXPECT_EQ("Halvorn Tech\\Vistacard KX310", store.company());
    EXPECT_EQ("Video Deck KX310", store.application());
}

TEST_F(SettingsStore, FreshUserReadsDefaultsAndGetsTheKeyTree)
{
    ASSERT_FALSE(KeyExists(kAppKey));
    EXPECT_EQ(10u, store.ReadNumber(kSetSettings, kSetStrobeInterval, 10));
    EXPECT_EQ("", store.ReadText(kSetOpen, kSetPath));
    int pos[4];
    EXPECT_EQ(0u, store.ReadNumbers(kSetSettings, kSetWindowPos, pos, 4));
    EXPECT_TRUE(KeyExists(std::string(kAppKey) + "\\Settings"));
    EXPECT_TRUE(KeyExists(std::string(kAppKey) + "\\Open"));
}

TEST_F(SettingsStore, WrittenValuesAreReadBackAtOnce)
{
    EXPECT_TRUE(store.WriteNumber(kSetSettings, kSetVideoSource, 3));
    EXPECT_EQ(3u, store.ReadNumber(kSetSettings, kSetVideoSource, 0));
    EXPECT_TRUE(store.WriteText(kSetSave, kSetPath, "C:\\My Pictures\\a b.tif"));
    EXPECT_EQ("C:\\My Pictures\\a b.tif", store.ReadText(kSetSave, kSetPath));
    const int pos[] = {10, 20, 510, 400};
    EXPECT_TRUE(store.WriteNumbers(kSetSettings, kSetWindowPos, pos, 4));
    EXPECT_EQ("10 20 510 400", store.ReadText(kSetSettings, kSetWindowPos));
    int back[4] = {};
    EXPECT_EQ(4u, store.ReadNumbers(kSetSettings, kSetWindowPos, back, 4));
    EXPECT_EQ(510, back[2]);
    // A null text deletes the value.
    EXPECT_TRUE(store.WriteText(kSetSave, kSetPath, nullptr));
    EXPECT_EQ("fallback", store.ReadText("Save", "Path", "fallback"));
}

TEST_F(SettingsStore, NumberCountsOnlyAsAFourByteDword)
{
    PutRaw("Settings", "StrobeInterval", REG_SZ, "25", 3);
    EXPECT_EQ(10u, store.ReadNumber(kSetSettings, kSetStrobeInterval, 10));
    DWORD four = 25;
    PutRaw("Settings", "StrobeInterval", REG_BINARY, &four, 4);
    EXPECT_EQ(10u, store.ReadNumber(kSetSettings, kSetStrobeInterval, 10));
    unsigned long long eight = 25;
    PutRaw("Settings", "StrobeInterval", REG_QWORD, &eight, 8);
    EXPECT_EQ(10u, store.ReadNumber(kSetSettings, kSetStrobeInterval, 10));
    PutRaw("Settings", "StrobeInterval", REG_DWORD, &four, 2);
    EXPECT_EQ(10u, store.ReadNumber(kSetSettings, kSetStrobeInterval, 10));
    PutRaw("Settings", "StrobeInterval", REG_DWORD, &four, 4);
    EXPECT_EQ(25u, store.ReadNumber(kSetSettings, kSetStrobeInterval, 10));
}

TEST_F(SettingsStore, DamagedTextsAreReadSafely)
{
    // A text stored without its terminator, and one of the wrong type.
    PutRaw("Save", "DIB", REG_SZ, "1 2", 3);
    int option[2] = {};
    EXPECT_EQ(2u, store.ReadNumbers("Save", "DIB", option, 2));
    EXPECT_EQ(2, option[1]);
    DWORD number = 5;
    PutRaw("Open", "Path", REG_DWORD, &number, 4);
    EXPECT_EQ("", store.ReadText(kSetOpen, kSetPath));
    // Three numbers where four belong: the reader sees only three.
    PutRaw("Settings", "WindowPos", REG_SZ, "1 2 3", 6);
    int pos[4];
    EXPECT_EQ(3u, store.ReadNumbers(kSetSettings, kSetWindowPos, pos, 4));
    // A long text comes back whole.
    std::string longText(5000, 'p');
    EXPECT_TRUE(store.WriteText("Open", "Path", longText.c_str()));
    EXPECT_EQ(longText, store.ReadText("Open", "Path"));
}

TEST_F(SettingsStore, UnnamedValuesAreNeitherReadNorWritten)
{
    EXPECT_FALSE(store.WriteNumber(kSetSettings, 9999, 1));  // no such entry
    EXPECT_EQ(7u, store.ReadNumber(kSetSettings, 9999, 7));
    EXPECT_FALSE(store.WriteText("", "Path", "x"));
}

}  // namespace
