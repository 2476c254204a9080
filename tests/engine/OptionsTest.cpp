#include "engine/CookiesToKeep.h"
#include "engine/Options.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {

class OptionsTest : public ::testing::Test {
protected:
    std::string Path = MakeScratchFolder("options") + "options.ini";
    std::string Raw(const char* section, const char* key)
    {
        char buffer[256] = {};
        GetPrivateProfileStringA(section, key, "<none>", buffer, sizeof buffer, Path.c_str());
        return buffer;
    }
};

TEST_F(OptionsTest, FreshInstallGetsDefaultsAndCtrlShiftP)
{
    TOptions options(Path);
    EXPECT_FALSE(options.Autorun);
    EXPECT_FALSE(options.RunMinim);
    EXPECT_TRUE(options.AskPanic);
    EXPECT_FALSE(options.ScheduleWork);
    EXPECT_EQ(options.Minute, 1);
    EXPECT_EQ(options.Hour, 0);
    EXPECT_EQ(options.Year, 0);
    EXPECT_EQ(options.HotKeys, std::vector<int>({17, 16, 80}));
    EXPECT_EQ(Raw("hotkeys", "key1"), "17");
    EXPECT_EQ(Raw("hotkeys", "key2"), "16");
    EXPECT_EQ(Raw("hotkeys", "key3"), "80");
}

TEST_F(OptionsTest, OnlyExactlyOneIsTrueAndJunkReadsAsDefault)
{
    WriteTextFile(Path, "[options]\r\nAutorun=2\r\nRunMinim=1\r\nAskPanic=yes\r\nMinute=abc\r\nYear=2027\r\n"
                        "[hotkeys]\r\nKey0=18\r\nKey1=junk\r\n");
    TOptions options(Path);
    EXPECT_FALSE(options.Autorun);
    EXPECT_TRUE(options.RunMinim);
    EXPECT_TRUE(options.AskPanic);
    EXPECT_EQ(options.Minute, 1);
    EXPECT_EQ(options.Year, 2027);
    // A junk code reads as 0, which no key ever reports as down.
    EXPECT_EQ(options.HotKeys, std::vector<int>({18, 0}));
}

TEST_F(OptionsTest, HotKeysRoundTripAndTheSectionIsErasedUntilTheNextSave)
{
    {
        TOptions options(Path);
        options.ClearHotKeys();
        options.AddHotKey(18);
        options.AddHotKey(17);
        options.AddHotKey('X');
        options.Hour = 5;
        options.SaveOptions();
    }
    EXPECT_EQ(Raw("hotkeys", "Key0"), "18");
    EXPECT_EQ(Raw("hotkeys", "Key2"), "88");
    TOptions again(Path);
    EXPECT_EQ(again.HotKeys, std::vector<int>({18, 17, 88}));
    EXPECT_EQ(again.Hour, 5);
    EXPECT_EQ(Raw("hotkeys", "Key0"), "<none>");
    // The snapshot object neither loads nor erases: the saved combination survives it.
    TOptions backup(Path, false);
    again.CopyOptions(backup);
    EXPECT_EQ(backup.HotKeys, again.HotKeys);
    again.SaveOptions();
    TOptions third(Path);
    EXPECT_EQ(third.HotKeys, std::vector<int>({18, 17, 88}));
}

TEST_F(OptionsTest, FirstRunDefaultsLeaveNoStaleKeyAfterASave)
{
    {
        TOptions options(Path);  // writes key1..key3
        options.ClearHotKeys();
        options.AddHotKey(18);
        options.AddHotKey('Q');
        options.SaveOptions();
    }
    TOptions again(Path);
    EXPECT_EQ(again.HotKeys, std::vector<int>({18, 81}));
}

TEST_F(OptionsTest, AddHotKeyRefusesDuplicatesByCodeAndByName)
{
    TOptions options(Path);
    options.ClearHotKeys();
    options.AddHotKey(16);   // Shift
    options.AddHotKey(16);
    options.AddHotKey(160);  // left Shift: same name
    options.AddHotKey(161);  // right Shift after Shift
    options.AddHotKey('P');
    EXPECT_EQ(options.HotKeys, std::vector<int>({16, 80}));
}

TEST_F(OptionsTest, DateTimeRoundTripAndUnreadableReadsAsZero)
{
    TOptions options(Path);
    TDateTime when = EncodeDateTime(2026, 3, 14, 15, 9, 26);
    options.WriteDateTime("time", "time", when);
    EXPECT_NEAR(options.ReadDateTime("time", "time", 0), when, 1e-9);
    WritePrivateProfileStringA("time", "time", "not a date", Path.c_str());
    EXPECT_EQ(options.ReadDateTime("time", "time", 0), 0);
}

TEST_F(OptionsTest, CookieSitesRoundTripAndDecideWhatTheSolvesKeep)
{
    WriteTextFile(Path, "[KeepCookies]\r\nbank=Bank.Example.org\r\nSite2=\r\nSite3=.\r\nSite4=com\r\n"
                        "Site5=" + std::string(300, 'x') + ".com\r\nmail=.example.com\r\nagain=EXAMPLE.com\r\n");
    {
        TOptions options(Path);
        EXPECT_EQ(options.CookieSites, std::vector<std::string>({"bank.example.org", "example.com"}));
        EXPECT_EQ(CookiesToKeep().Sites(), options.CookieSites);
        EXPECT_FALSE(options.AddCookieSite("  "));
        EXPECT_FALSE(options.AddCookieSite("http://x.org/"));
        EXPECT_TRUE(options.AddCookieSite("News.Example.NET"));
        EXPECT_TRUE(options.RemoveCookieSite(".bank.example.org"));
        EXPECT_FALSE(options.RemoveCookieSite("other.org"));
        // Unsaved changes keep nothing more yet.
        EXPECT_TRUE(CookiesToKeep().SiteKeeping("news.example.net").empty());
        options.SaveOptions();
        EXPECT_EQ(CookiesToKeep().SiteKeeping("www.news.example.net"), "news.example.net");
    }
    EXPECT_EQ(Raw("KeepCookies", "Site1"), "example.com");
    EXPECT_EQ(Raw("KeepCookies", "Site2"), "news.example.net");
    EXPECT_EQ(Raw("KeepCookies", "bank"), "<none>");
    TOptions again(Path, false);
    again.LoadCookiesToKeep();
    EXPECT_EQ(again.CookieSites, std::vector<std::string>({"example.com", "news.example.net"}));

    // An empty list leaves no section behind, and keeps nothing.
    again.CookieSites.clear();
    again.SaveCookiesToKeep();
    EXPECT_TRUE(CookiesToKeep().Empty());
    EXPECT_EQ(ReadTextFile(Path).find("KeepCookies"), std::string::npos);
}

}  // namespace
