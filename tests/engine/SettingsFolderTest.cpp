#include "engine/Options.h"
#include "engine/ProgramFolder.h"
#include "engine/Scanner.h"
#include "primitives/SpecialFolders.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {

bool FolderIsEmpty(const std::string& folder)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
    bool empty = true;
    if (search == INVALID_HANDLE_VALUE)
        return true;
    do {
        std::string name = found.cFileName;
        empty = empty && (name == "." || name == "..");
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return empty;
}

TEST(SettingsFolderTest, AWritableProgramFolderKeepsEverythingAndNoProbeStays)
{
    std::string program = MakeScratchFolder("portable");
    EXPECT_TRUE(FolderAcceptsFiles(program));
    EXPECT_EQ(SettingsFolderFor(program, GetAppDataFolder()), program);
    EXPECT_TRUE(FolderIsEmpty(program));
}

TEST(SettingsFolderTest, AFolderThatRefusesSendsTheSettingsToTheUsersFolder)
{
    // A folder that is not there refuses a file as surely as one the user may not write.
    std::string program = MakeScratchFolder("refusing") + "gone\\";
    std::string appData = MakeScratchFolder("appdata");
    appData.pop_back();
    EXPECT_FALSE(FolderAcceptsFiles(program));
    EXPECT_EQ(SettingsFolderFor(program, appData), appData + "\\Hushmark\\");
    EXPECT_TRUE(FolderAcceptsFiles(appData + "\\Hushmark\\"));
    // Without a folder of the user's there is nowhere better: the program folder stays.
    EXPECT_EQ(SettingsFolderFor(program, ""), program);
    EXPECT_EQ(SettingsFolderFor(program, appData + "\\missing\\deeper"), program);
}

TEST(SettingsFolderTest, TextsComeFromTheProgramsInfoIniAndFlagsGoToTheOther)
{
    std::string program = MakeScratchFolder("texts");
    std::string settings = MakeScratchFolder("flags");
    const std::string texts = "[TOne]\r\nTitle=Fresh title\r\nInfo=Fresh info\r\nIcon=4\r\n";
    WriteTextFile(program + "info.ini", texts);
    WriteTextFile(settings + "info.ini", "[TOne]\r\nTitle=Stale title\r\nIcon=9\r\nScheduleSolve=1\r\n");
    TOptions options(settings + "options.ini");
    TScanner scanner(settings + "info.ini", options, [](TIssueList&) {}, program + "info.ini");
    EXPECT_EQ(scanner.GetTitle("TOne"), "Fresh title");
    EXPECT_EQ(scanner.GetInfo("TOne"), "Fresh info");
    EXPECT_EQ(scanner.GetIcon("TOne"), 4);
    EXPECT_TRUE(scanner.GetScheduleSolve("TOne"));
    scanner.SetScheduleSolve("TOne", false);
    scanner.InfoFile.WriteInteger("TOne", "Solved", 1);
    EXPECT_EQ(ReadTextFile(program + "info.ini"), texts);
    TIniFile32 flags(settings + "info.ini");
    EXPECT_EQ(flags.ReadInteger("TOne", "ScheduleSolve", -1), 0);
    EXPECT_EQ(flags.ReadInteger("TOne", "Solved", -1), 1);
}

}  // namespace
