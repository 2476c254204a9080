#include <gtest/gtest.h>

#include "tests/catalogue/CatalogueCycle.h"

#include "engine/Scanner.h"

namespace {

HM_CATALOGUE_GROUP_TESTS(GroupD, SeedPlansD);


SeedPlan Planted(const std::string& className, const std::vector<TraceItem>& items)
{
    SeedPlan plan;
    plan.ClassName = className;
    plan.Items = items;
    Unplant(plan);
    Plant(plan);
    return plan;
}

// An Office install folder at the path with the given number of files in it.
std::vector<TraceItem> OfficeAt(const std::string& version, const std::string& folder, int files)
{
    std::vector<TraceItem> items = {
        RegValue("HKLM\\Software\\Microsoft\\Office\\" + version + "\\Common\\InstallRoot", "Path", folder + "\\"),
        FolderAt(folder)};
    for (int i = 0; i < files; ++i)
        items.push_back(FileAt(folder + "\\program" + std::to_string(i) + ".dll"));
    return items;
}

TEST(GroupDCases, OfficeFolderNamedAfterItsVersionMustHoldMoreThanEightFiles)
{
    const std::string office = "%PROGRAMFILES%\\Microsoft Office\\";
    EXPECT_TRUE(FoundWith("TMicrosoftOfficeXP", OfficeAt("10.0", office + "Office10", 9)));
    EXPECT_FALSE(FoundWith("TMicrosoftOfficeXP", OfficeAt("10.0", office + "Office10", 8))) << "left by an uninstall";
    EXPECT_TRUE(FoundWith("TMicrosoftOffice2003", OfficeAt("11.0", office + "OFFICE11", 12)));
    EXPECT_FALSE(FoundWith("TMicrosoftOffice2003", OfficeAt("11.0", office + "OFFICE11", 0)));
    // Without the version number in its path the folder is not counted.
    EXPECT_TRUE(FoundWith("TMicrosoftOffice2000", OfficeAt("9.0", office + "Office", 0)));
    // The number is looked for anywhere in the path.
    EXPECT_FALSE(FoundWith("TMicrosoftOffice2000", OfficeAt("9.0", office + "Suite 97\\Office", 3)));
    EXPECT_FALSE(FoundWith("TMicrosoftOffice2000", {})) << "not installed";
}

TEST(GroupDCases, JunoAppendsItsFoldersToTheValueAsWritten)
{
    SeedPlan plan = Planted("TJuno", {RegValue("HKLM\\SOFTWARE\\United Online\\Juno", "INSTALLDIR",
                                               "%PROGRAMFILES%\\Juno").Kept(),
                                      FolderAt("%PROGRAMFILES%\\Junocache").Emptied(),
                                      FileAt("%PROGRAMFILES%\\Junocache\\ad0001.gif"),
                                      FolderAt("%PROGRAMFILES%\\Juno").Kept(),
                                      FileAt("%PROGRAMFILES%\\Juno\\cache\\ad0002.gif").Kept()});
    EXPECT_TRUE(GuardedCheck(*IssueNamed("TJuno")));
    GuardedSolve(*IssueNamed("TJuno"));
    std::vector<std::string> problems = Verify(plan);
    EXPECT_TRUE(problems.empty()) << problems.front();
    Unplant(plan);
}

TEST(GroupDCases, KazaaWithoutItsProgramFolderIsLeftWhole)
{
    SeedPlan plan = Planted("TKaZaAMediaDesktop",
                            {RegValue("HKCU\\Software\\Kazaa\\Search", "Last", "holiday video").Kept(),
                             RegValue("HKCU\\Software\\Kazaa\\KaZaA Media Desktop\\Recent File List", "File1",
                                       "C:\\song.mp3").Kept()});
    EXPECT_TRUE(GuardedCheck(*IssueNamed("TKaZaAMediaDesktop")));
    GuardedSolve(*IssueNamed("TKaZaAMediaDesktop"));
    std::vector<std::string> problems = Verify(plan);
    EXPECT_TRUE(problems.empty()) << problems.front();
    Unplant(plan);
}

TEST(GroupDCases, EnigmaBrowserIsFoundByEitherVersionsHistory)
{
    EXPECT_TRUE(FoundWith("TEnigmaBrowser", {FolderAt("%PROGRAMFILES%\\Enigma Browser Gold 4.4T"),
                                             FileAt("%PROGRAMFILES%\\Enigma Browser Gold 4.4T\\History.dat")}));
    EXPECT_FALSE(FoundWith("TEnigmaBrowser", {FolderAt("%PROGRAMFILES%\\Enigma Browser 3.6.0\\History.dat")}))
        << "a folder of that name";
}

TEST(GroupDCases, LingoMailLooksAtItsFixedFolderOnDriveC)
{
    EXPECT_TRUE(FoundWith("TLingoMail1x", {FolderAt("C:\\LINGO\\Attach"), FolderAt("C:\\LINGO")}));
}

TEST(GroupDCases, MetapadWithoutAListedValueWritesNothing)
{
    SeedPlan plan = Planted("TMetapad", {RegValue("HKCU\\Software\\Metapad", "mru_1", "C:\\diary.txt").Kept(),
                                         RegValue("HKCU\\Software\\Metapad", "mru_top", "1").Kept()});
    GuardedSolve(*IssueNamed("TMetapad"));
    std::vector<std::string> problems = Verify(plan);
    EXPECT_TRUE(problems.empty()) << problems.front();
    Unplant(plan);
}

}  // namespace
