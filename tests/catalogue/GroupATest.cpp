#include <gtest/gtest.h>

#include "tests/catalogue/CatalogueCycle.h"

#include "engine/Scanner.h"
#include "primitives/Utils.h"
#include "primitives/WholeFiles.h"

namespace {

HM_CATALOGUE_GROUP_TESTS(GroupA, SeedPlansA);


const std::string HKCU = "HKCU\\Software\\";
const std::string HKLM = "HKLM\\Software\\";

std::vector<Effect> PreviewSolve(const std::string& className)
{
    TPreviewScope preview;
    GuardedSolve(*IssueNamed(className));
    return preview.Effects();
}

TEST(GroupACases, RiskyIssuesAreListedUntickedEvenWhenNotFound)
{
    for (const char* name :
         {"TShareaza", "TSoulSeek152", "TWinmx3", "TAudioCatalyst", "TAudioGrabber", "TBearShare", "TBlazeDVD20"}) {
        SCOPED_TRACE(name);
        TPrivacyIssue* issue = IssueNamed(name);
        issue->DefaultUnchecked = false;
        EXPECT_FALSE(GuardedCheck(*issue));
        EXPECT_TRUE(issue->DefaultUnchecked);
    }
    TPrivacyIssue* netzero = IssueNamed("TNetzero7");
    GuardedCheck(*netzero);
    EXPECT_FALSE(netzero->DefaultUnchecked);
}

TEST(GroupACases, BearShareIsFoundButItsSolveChangesNothing)
{
    SeedPlan plan = Only("TBearShare", {RegValue(HKLM + "BearShare", "InstallDir", "%PROGRAMFILES%\\BearShare")});
    Plant(plan);
    EXPECT_TRUE(GuardedCheck(*IssueNamed("TBearShare")));
    EXPECT_TRUE(PreviewSolve("TBearShare").empty());
    Unplant(plan);
}

TEST(GroupACases, AcrobatReader60IsNeverFoundAndDoesNothing)
{
    SeedPlan plan = Only("TAcrobatReader60",
                           {RegValue(HKLM + "Adobe\\Acrobat Reader\\6.0\\InstallPath", "", "C:\\Program Files\\Adobe")});
    Plant(plan);
    EXPECT_FALSE(GuardedCheck(*IssueNamed("TAcrobatReader60")));
    EXPECT_TRUE(PreviewSolve("TAcrobatReader60").empty());
    Unplant(plan);
}

TEST(GroupACases, NortonAntivirus2005OnlyForVersion11)
{
    const std::string key = HKLM + "Symantec\\Norton AntiVirus";
    EXPECT_TRUE(FoundWith("TNortonAntivirus2005", {RegValue(key, "version", "11.0")}));
    EXPECT_TRUE(FoundWith("TNortonAntivirus2005", {RegValue(key, "version", "11")}));
    EXPECT_FALSE(FoundWith("TNortonAntivirus2005", {RegValue(key, "version", "10.1")}));
    EXPECT_FALSE(FoundWith("TNortonAntivirus2005", {RegValue(key, "version", "1")}));
    EXPECT_FALSE(FoundWith("TNortonAntivirus2005", {RegValue(key, "version", "")}));
}

TEST(GroupACases, SwapperByTheLetterCaseOfItsFolderWithOrWithoutQuote)
{
    const std::string key = HKLM + "Classes\\magnet\\shell\\open\\command";
    EXPECT_TRUE(FoundWith("TSwapper", {RegValue(key, "", "\"C:\\Program Files\\Swapper\\Swapper.exe\" \"%1\"")}));
    EXPECT_TRUE(FoundWith("TSwapper", {RegValue(key, "", "C:\\Program Files\\Swapper\\Swapper.exe %1")}));
    EXPECT_FALSE(FoundWith("TSwapper", {RegValue(key, "", "\"C:\\Program Files\\swapper\\Swapper.exe\" \"%1\"")}));
    // Only the folder part counts: the program's own name is cut off.
    EXPECT_FALSE(FoundWith("TSwapper", {RegValue(key, "", "\"C:\\Program Files\\P2P\\Swapper.exe\" \"%1\"")}));
}

TEST(GroupACases, SecondLocationAloneIsEnough)
{
    std::string parent = GetPersonalFolder();
    StripLastPathPart(parent);
    EXPECT_TRUE(FoundWith("TMassDownloader", {FileAt(parent + "MetaProducts\\Mass Downloader\\massdown.dat"),
                                              FolderAt(parent + "MetaProducts").Kept()}));
    EXPECT_TRUE(FoundWith("TBorlandDelphi5", {RegKey(HKCU + "Borland\\Delphi\\5.0")}));
    EXPECT_TRUE(FoundWith("TCoffeeCupDirectFTP",
                          {FileAt("%PROGRAMFILES%\\CoffeeCup Software\\DirectFTP\\FTPServers.ini"),
                           FolderAt("%PROGRAMFILES%\\CoffeeCup Software").Kept()}));
    EXPECT_TRUE(FoundWith("TCuteMX25", {FolderAt("%APPDATA%\\GlobalSCAPE\\CuteMX")}));
}

TEST(GroupACases, EditPadNeedsTheReopenKeyAndOneOfItsOwn)
{
    TraceItem reopen = RegValue(HKCU + "JG\\EditPad\\Reopen", "0", "C:\\notes.txt");
    TraceItem pro = RegValue(HKCU + "JGSoft\\EditPadPro5\\HistoryOpenFolder", "0", "C:\\");
    TraceItem lite = RegValue(HKCU + "JGSoft\\EditPadLite5\\HistoryFile", "0", "C:\\a.txt");
    EXPECT_FALSE(FoundWith("TEditPadPro", {reopen}));
    EXPECT_FALSE(FoundWith("TEditPadPro", {pro}));
    EXPECT_TRUE(FoundWith("TEditPadPro", {reopen, pro}));
    EXPECT_FALSE(FoundWith("TEditPadLite", {reopen}));
    EXPECT_FALSE(FoundWith("TEditPadLite", {lite}));
    EXPECT_FALSE(FoundWith("TEditPadLite", {reopen, pro}));
    EXPECT_TRUE(FoundWith("TEditPadLite", {reopen, lite}));
}

TEST(GroupACases, NetscapeWithoutHistoryFileChangesNothing)
{
    SeedPlan plan = Only("TNetscapeNavigator4xHistory",
                           {FolderAt("%PROGRAMFILES%\\Netscape").Kept(),
                            FileAt("%PROGRAMFILES%\\Netscape\\Users\\alice\\prefs.js").Kept(),
                            RegValue(HKCU + "Netscape\\Netscape Navigator\\biff", "CurrentUser", "alice").Kept()});
    Plant(plan);
    EXPECT_TRUE(GuardedCheck(*IssueNamed("TNetscapeNavigator4xHistory")));
    EXPECT_TRUE(PreviewSolve("TNetscapeNavigator4xHistory").empty());
    Unplant(plan);
}

TEST(GroupACases, MsnExplorerWithoutItsFolderStillCleansBrowsingTraces)
{
    SeedPlan plan = Only("TMSNExplorer", {FolderAt("%COOKIES%").Kept(), FileAt("%COOKIES%\\alice@msn[1].txt"),
                                            FolderAt("%CACHE%").Kept(), FileAt("%CACHE%\\Content.IE5\\X1\\a[1].htm"),
                                            FolderAt("%HISTORY%").Kept(), FileAt("%HISTORY%\\History.IE5\\index.dat")});
    Unplant(plan);
    Plant(plan);
    EXPECT_FALSE(GuardedCheck(*IssueNamed("TMSNExplorer")));
    bool clearing = false;
    for (const Effect& effect : PreviewSolve("TMSNExplorer"))
        clearing = clearing || effect.Kind == EffectKind::ClearTree;
    EXPECT_TRUE(clearing) << "the form AutoComplete data is not cleared";
    GuardedSolve(*IssueNamed("TMSNExplorer"));
    std::vector<std::string> problems = Verify(plan);
    EXPECT_TRUE(problems.empty()) << (problems.empty() ? "" : problems.front());
    Unplant(plan);
}

TEST(GroupACases, CoolEditSolveCreatesNoSettingsFile)
{
    std::string file = GetWindowsFolder() + "\\cool.ini";
    ASSERT_FALSE(FileExists(file));
    GuardedSolve(*IssueNamed("TCoolEditPro"));
    EXPECT_FALSE(FileExists(file));
}

TEST(GroupACases, PhotoshopToldApartByTheProgramVersion)
{
    const std::string command = HKLM + "Classes\\Photoshop.AdobePlugin\\shell\\open\\command";
    const std::string program = "%PROGRAMFILES%\\Adobe\\Photoshop\\Photoshp.exe";
    TraceItem folder = FolderAt("%PROGRAMFILES%\\Adobe\\Photoshop").Kept();
    EXPECT_FALSE(FoundWith("TAdobePhotoshop60",
                           {folder, RegValue(command, "", "\"" + program + "\" \"%1\""), ProgramAt(program, 7)}));
    EXPECT_TRUE(FoundWith("TAdobePhotoshop60",
                          {folder, RegValue(command, "", "\"" + program + "\" \"%1\""), ProgramAt(program, 6)}));
    // The folder named by the value carries no version.
    EXPECT_FALSE(FoundWith("TAdobePhotoshop60", {folder, RegValue(command, "", "%PROGRAMFILES%\\Adobe\\Photoshop\\"),
                                                 ProgramAt(program, 6)}));
    const std::string appPath = HKLM + "Microsoft\\Windows\\CurrentVersion\\App Paths\\Photoshop.exe";
    EXPECT_TRUE(FoundWith("TAdobePhotoshop70", {folder, RegValue(appPath, "", program), ProgramAt(program, 7)}));
    EXPECT_FALSE(FoundWith("TAdobePhotoshop70", {folder, RegValue(appPath, "", program), ProgramAt(program, 6)}));
    EXPECT_FALSE(FoundWith("TAdobePhotoshop70", {folder, RegValue(appPath, "", "")}));
}

// Found on the plan's traces, and the Solve leaves them as the plan says.
void ExpectFoundAndSolved(const SeedPlan& plan)
{
    Unplant(plan);
    Plant(plan);
    EXPECT_TRUE(GuardedCheck(*IssueNamed(plan.ClassName)));
    GuardedSolve(*IssueNamed(plan.ClassName));
    EXPECT_EQ(Join(Verify(plan)), "");
    Unplant(plan);
}

TEST(GroupACases, ThunderbirdNewsInTheProgramFolderAlone)
{
    SeedPlan plan = Only(
        "TMozillaThunderbirdNews",
        {RegValue(HKLM + "Microsoft\\Windows\\CurrentVersion\\App Paths\\thunderbird.exe", "",
                  "%PROGRAMFILES%\\Thunderbird\\thunderbird.exe").Kept(),
         FolderAt("%PROGRAMFILES%\\Thunderbird").Kept(), FileAt("%PROGRAMFILES%\\Thunderbird\\News\\host\\group.msf"),
         FileAt("%PROGRAMFILES%\\Thunderbird\\News\\newsrc-host.rc"),
         FileAt("%PROGRAMFILES%\\Thunderbird\\News\\host\\group").Kept()});
    ExpectFoundAndSolved(plan);
}

// Without the program's App Paths value Thunderbird is not installed: its profiles'
// news store is then not found, as for the other Thunderbird issues; with it, the
// profiles are searched as well as the program folder.
TEST(GroupACases, ThunderbirdNewsInAProfileOnlyWhileInstalled)
{
    const std::string news = "%APPDATA%\\Thunderbird\\Profiles\\p1.default\\News\\";
    const std::vector<TraceItem> store = {FolderAt("%APPDATA%\\Thunderbird").Kept(), FileAt(news + "newsrc-host.rc"),
                                          FileAt(news + "host\\group.msf"), FileAt(news + "host\\group").Kept()};
    EXPECT_FALSE(FoundWith("TMozillaThunderbirdNews", store));

    SeedPlan plan = Only("TMozillaThunderbirdNews", store);
    plan.Items.push_back(RegValue(HKLM + "Microsoft\\Windows\\CurrentVersion\\App Paths\\thunderbird.exe", "",
                                  "%PROGRAMFILES%\\Thunderbird\\thunderbird.exe")
                             .Kept());
    ExpectFoundAndSolved(plan);
}

}  // namespace
