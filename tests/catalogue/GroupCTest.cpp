#include <gtest/gtest.h>

#include "tests/catalogue/CatalogueCycle.h"

#include "engine/Scanner.h"

namespace {

HM_CATALOGUE_GROUP_TESTS(GroupC, SeedPlansC);


TEST(GroupCCases, ZoneAlarmLogCountsOnlyBeyondItsHeader)
{
    const char* const log = "%WINDOWS%\\Internet Logs\\ZALog.txt";
    EXPECT_FALSE(FoundWith("TZoneAlarm", {FileAt(log, std::string(105, 'x'))})) << "105 bytes";
    EXPECT_TRUE(FoundWith("TZoneAlarm", {FileAt(log, std::string(106, 'x'))})) << "106 bytes";
    EXPECT_FALSE(FoundWith("TZoneAlarm", {FolderAt("%WINDOWS%\\Internet Logs"),
                                          FileAt("%WINDOWS%\\Internet Logs\\backup.rdb", std::string(400, 'x'))}))
        << "no log file";
}

TEST(GroupCCases, Winamp2IsToldApartByTheVersionOfItsProgram)
{
    const char* const icon = "HKCR\\Winamp.File\\DefaultIcon";
    const char* const program = "%PROGRAMFILES%\\Winamp\\winamp.exe";
    auto found = [&](const std::string& value, int major) {
        return FoundWith("TWinamp27", {RegKey("HKCR\\Winamp.File"), RegValue(icon, "", value),
                                       FolderAt("%PROGRAMFILES%\\Winamp"), ProgramAt(program, major)});
    };
    EXPECT_TRUE(found("%PROGRAMFILES%\\Winamp\\winamp.exe", 2));
    // File associations write the icon as "path,index", often quoted.
    EXPECT_TRUE(found("%PROGRAMFILES%\\Winamp\\winamp.exe,1", 2));
    EXPECT_TRUE(found("\"%PROGRAMFILES%\\Winamp\\winamp.exe\",0", 2));
    EXPECT_FALSE(found("%PROGRAMFILES%\\Winamp\\winamp.exe,1", 5)) << "a later Winamp";
    EXPECT_FALSE(found("%PROGRAMFILES%\\Winamp\\Winamp.ini", 2)) << "a file without version information";
    EXPECT_FALSE(found("winamp.exe,1", 2)) << "a relative path";
}

TEST(GroupCCases, PairsThatCleanTheSameTracesAreFoundTogether)
{
    for (const auto& pair : {std::make_pair("TWinRAR30", "TWinRAR34"),
                             std::make_pair("TAcrobatReader30", "TAcrobatReader31"),
                             std::make_pair("TWinAce2X", "TWinAceRecentFileList")}) {
        SCOPED_TRACE(pair.first);
        const SeedPlan* plan = FindSeedPlan(pair.first);
        ASSERT_NE(plan, nullptr);
        Unplant(*plan);
        Plant(*plan);
        EXPECT_TRUE(GuardedCheck(*IssueNamed(pair.first)));
        EXPECT_TRUE(GuardedCheck(*IssueNamed(pair.second)));
        Unplant(*plan);
    }
}

TEST(GroupCCases, MediaPlayerIsFoundByItsRegistryKeyAlone)
{
    EXPECT_TRUE(FoundWith("TMediaPlayerRecentFileList",
                          {RegValue("HKCU\\Software\\Microsoft\\MediaPlayer\\Player\\Settings", "Volume", "50")}));
}

TEST(GroupCCases, PaintWordPadAndTelnetHistoriesGoWhileTheirSettingsStay)
{
    const std::string applets = "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\";
    SeedPlan plan;
    plan.Items = {RegValue(applets + "Paint\\Recent File List", "File1", "C:\\scan of passport.bmp"),
                  RegValue(applets + "Paint\\View", "BMPWidth", "640").Kept(),
                  RegValue(applets + "Wordpad\\Recent File List", "File1", "C:\\letter.rtf"),
                  RegValue(applets + "Wordpad\\Options", "Wrap", "1").Kept(),
                  RegValue("HKCU\\Software\\Microsoft\\Telnet", "Machine1", "mail.example.com"),
                  RegValue("HKCU\\Software\\Microsoft\\Telnet", "LastMachine", "mail.example.com"),
                  RegValue("HKCU\\Software\\Microsoft\\Telnet", "Cols", "80").Kept()};
    Unplant(plan);
    Plant(plan);
    for (const char* name : {"TMSPaint", "TWordPadRecentFileList", "TWindowsTelnetRecentlyVisitedServers"}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(GuardedCheck(*IssueNamed(name)));
        GuardedSolve(*IssueNamed(name));
    }
    EXPECT_TRUE(Verify(plan).empty()) << Verify(plan).front();
    Unplant(plan);
}

TEST(GroupCCases, StarOfficeLooksAtTheRootOfTheWindowsDrive)
{
    EXPECT_TRUE(FoundWith("TStarOffice51", {FolderAt("%DRIVE%\\Office51"), FileAt("%DRIVE%\\Office51\\Soffice.ini")}));
    EXPECT_FALSE(FoundWith("TStarOffice51", {FolderAt("%PROGRAMFILES%\\Office51"),
                                             FileAt("%PROGRAMFILES%\\Office51\\Soffice.ini")}));
}

}  // namespace
