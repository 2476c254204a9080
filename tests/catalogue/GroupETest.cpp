#include <gtest/gtest.h>

#include "tests/catalogue/CatalogueCycle.h"

#include "engine/Scanner.h"
#include "primitives/Utils.h"
#include "primitives/WholeFiles.h"

namespace {

HM_CATALOGUE_GROUP_TESTS(GroupE, SeedPlansE);


TEST(GroupECases, NortonCommanderFoundByItsLastKeyAlone)
{
    SeedPlan plan = Only("TNortonCommander",
                         {RegValue("HKCU\\Software\\Symantec\\Norton Commander\\NC\\MRU\\Split Size", "0", "1440")});
    Unplant(plan);
    EXPECT_FALSE(Found("TNortonCommander"));
    Plant(plan);
    EXPECT_TRUE(Found("TNortonCommander"));
    GuardedSolve(*IssueNamed("TNortonCommander"));
    EXPECT_FALSE(Found("TNortonCommander"));
    Unplant(plan);
}

TEST(GroupECases, QuickTimeFavouritesWithoutTheInstallAreNoLeak)
{
    SeedPlan plan = Only("TQuickTime", {FileAt("%COMMONAPPDATA%\\QuickTime\\QuickTimeFavorites.qtr", "x")});
    Plant(plan);
    EXPECT_FALSE(Found("TQuickTime"));
    Unplant(plan);
}

TEST(GroupECases, OutlookExpressWithoutIdentityStillClearsAccountsAndAddressBook)
{
    SeedPlan plan = Only(
        "TOutlookExpress6",
        {RegValue("HKCU\\Software\\Microsoft\\Internet Account Manager\\Accounts\\00000001", "Account Name", "mail"),
         FileAt("%APPDATA%\\Microsoft\\Address Book\\alice.wab", "WAB"),
         FileAt("%APPDATA%\\Microsoft\\Address Book\\notes.txt").Kept()});
    Unplant(plan);
    Plant(plan);
    GuardedSolve(*IssueNamed("TOutlookExpress6"));
    for (const std::string& problem : Verify(plan))
        ADD_FAILURE() << problem;
    Unplant(plan);
}

TEST(GroupECases, OutlookExpressIsListedUnticked)
{
    TPrivacyIssue* outlook = IssueNamed("TOutlookExpress6");
    outlook->DefaultUnchecked = false;
    GuardedCheck(*outlook);
    EXPECT_TRUE(outlook->DefaultUnchecked);
}

TEST(GroupECases, LogFilesFoundByTheWbemFolderAloneWhichStays)
{
    SeedPlan plan = Only("TWindowsLogFiles", {FolderAt("%WINDOWS%\\SYSTEM\\WBEM\\logs").Kept(),
                                              FileAt("%WINDOWS%\\SYSTEM\\WBEM\\logs\\mofcomp.log", "log")});
    Unplant(plan);
    Plant(plan);
    EXPECT_TRUE(Found("TWindowsLogFiles"));
    GuardedSolve(*IssueNamed("TWindowsLogFiles"));
    for (const std::string& problem : Verify(plan))
        ADD_FAILURE() << problem;
    Unplant(plan);
}

// The profile functions create a missing INI file when they write: a Solve whose
// program is absent must not leave one behind.
TEST(GroupECases, IniSolvesCreateNoFileForAnAbsentProgram)
{
    const std::string windows = GetWindowsFolder(), programs = GetProgramFilesFolder();
    for (const char* name : {"TPEExplorer195", "TPKZipforWindows", "TUltraEdit"})
        GuardedSolve(*IssueNamed(name));
    EXPECT_FALSE(FileExists(programs + "\\PE Explorer\\peexp.ini"));
    EXPECT_FALSE(FileExists(windows + "\\pkzipw.ini"));
    EXPECT_FALSE(FileExists(windows + "\\UEDIT32.INI"));
}

TEST(GroupECases, WinampFoundByAVersion5PlayerOnly)
{
    SeedPlan plan = Only("TWinamp", {RegValue("HKLM\\Software\\Classes\\Winamp.File\\DefaultIcon", "",
                                              "%PROGRAMFILES%\\Winamp\\winamp.exe,1"),
                                     ProgramAt("%PROGRAMFILES%\\Winamp\\winamp.exe", 6)});
    Unplant(plan);
    Plant(plan);
    EXPECT_FALSE(Found("TWinamp"));
    Unplant(plan);
}

}  // namespace
