// The catalogue as runs meet it: every Solve on a clean machine, every issue checked
// again after its own Solve, and a run over issues whose programs share a key.
#include <gtest/gtest.h>

#include "tests/catalogue/CatalogueCycle.h"

#include "engine/Scanner.h"
#include "engine/ScannerInit.h"

#include <algorithm>
#include <map>

namespace {

void AddKeys(HKEY root, const std::string& path, std::set<std::string>& keys)
{
    // Wine keeps its own volatile settings there.
    if (_stricmp(path.c_str(), "Software\\Wine") == 0)
        return;
    HKEY key;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return;
    char name[256];
    for (DWORD index = 0;; ++index) {
        DWORD length = sizeof name;
        if (RegEnumKeyExA(key, index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        std::string child = path + "\\" + name;
        std::string upper = child;
        CharUpperA(&upper[0]);
        keys.insert((root == HKEY_CURRENT_USER ? "HKCU\\" : "HKLM\\") + upper);
        AddKeys(root, child, keys);
    }
    RegCloseKey(key);
}

std::set<std::string> SoftwareKeys()
{
    std::set<std::string> keys;
    AddKeys(HKEY_CURRENT_USER, "Software", keys);
    AddKeys(HKEY_LOCAL_MACHINE, "Software", keys);
    return keys;
}

template <typename T>
std::vector<std::string> Added(const std::set<T>& before, const std::set<T>& after)
{
    std::vector<std::string> added;
    for (const T& item : after)
        if (!before.count(item))
            added.push_back(item);
    return added;
}

std::string OutcomeName(Expect outcome)
{
    switch (outcome) {
    case Expect::Emptied: return "emptied";
    case Expect::Truncated: return "truncated";
    case Expect::Written: return "written";
    case Expect::Edited: return "edited";
    default: return "other";
    }
}

// Found again by design: the Check asks whether the program's own folder or file is
// there, and the Solve rightly keeps it, emptied, edited or cut to nothing.
const char* const FolderEmptied = "its folder, emptied";
const char* const FileEdited = "its settings file, edited";
const char* const FileTruncated = "its file, cut to nothing";
const std::map<std::string, const char*> FoundAgainByDesign = {
    {"TCoolEditPro", FileEdited},
    {"TCoolEdit200011", FileEdited},
    {"TPEExplorer195", FileEdited},
    {"TPKZipforWindows", FileEdited},
    {"TUltraEdit", FileEdited},
    {"TAdobePhotoshop55", FileEdited},
    {"TMozillaNavigatorCookies", FileEdited},
    {"THelpWriter", FileEdited},
    {"TMozillaNavigatorHisotry", FileTruncated},
    {"TMozillaNavigatorDownloadInfo", FileTruncated},
    {"TNetscapeMail", FolderEmptied},
    {"TWindowsDownloadedInstallations", FolderEmptied},
    {"TeMule", FolderEmptied},
    {"TEnfishOnespace", FolderEmptied},
    {"TFotostation40", FolderEmptied},
    {"TGoogleDesktopSearchHistory", FolderEmptied},
    {"TGravityNewsreader", FolderEmptied},
    {"TInterQuick", FolderEmptied},
    {"TLingoMail1x", FolderEmptied},
    {"TNetVampire3x", FolderEmptied},
    {"TScourExchange", FolderEmptied},
    {"TStarDownloader", FolderEmptied},
    {"TSunJavaCache", FolderEmptied},
};

void UnplantEveryPlan()
{
    for (const SeedPlan& plan : AllSeedPlans())
        Unplant(plan);
}

}  // namespace

// A Solve runs where its program is absent too (a scheduled run, a stale scan): it may
// remove, never create a settings file or a key of a program that is not there.
TEST(CatalogueRuns, SolvesOnACleanSandboxCreateNoFileAndNoKey)
{
    UnplantEveryPlan();
    TIssueList issues;
    CreateAllIssues(issues);
    const std::set<std::string> filesBefore = DriveFiles();
    const std::set<std::string> keysBefore = SoftwareKeys();
    for (const auto& issue : issues)
        GuardedSolve(*issue);
    RestartRequired = false;
    EXPECT_EQ(Join(Added(filesBefore, DriveFiles())), "") << "files created";
    EXPECT_EQ(Join(Added(keysBefore, SoftwareKeys())), "") << "keys created";
}

// EditPad Pro's Solve deletes the Reopen key that EditPad Lite's Check also asks for.
TEST(CatalogueRuns, ARunChecksEveryIssueBeforeSolvingAny)
{
    const std::vector<std::string> names = {"TEditPadPro", "TEditPadLite"};
    std::vector<SeedPlan> plans;
    for (const std::string& name : names) {
        ASSERT_NE(FindSeedPlan(name), nullptr) << name;
        plans.push_back(*FindSeedPlan(name));
    }
    for (const SeedPlan& plan : plans) {
        Unplant(plan);
        Plant(plan);
    }
    TIssueList issues;
    CreateAllIssues(issues);
    std::vector<std::string> solved;
    for (TPrivacyIssue* issue : CheckThenSolve(issues, [&](const TPrivacyIssue& issue) {
             return std::find(names.begin(), names.end(), issue.ClassName()) != names.end();
         }))
        solved.push_back(issue->ClassName());
    EXPECT_EQ(solved, names);
    for (const SeedPlan& plan : plans) {
        SCOPED_TRACE(plan.ClassName);
        EXPECT_EQ(Join(Verify(plan)), "");
        Unplant(plan);
    }
}

// Right after its Solve an issue may be found again only for a reason: its install
// check (found with the plan's kept items alone, which the Solve rightly leaves), a
// store that goes at the next start of Windows, or an issue found on every scan.
// Anything else is a Check that looks at what its own Solve leaves behind.
TEST(CatalogueRuns, AnIssueIsFoundAgainAfterItsOwnSolveOnlyForAReason)
{
    std::vector<std::string> foundAgain, goneDespiteTable;
    for (const SeedPlan& plan : AllSeedPlans()) {
        TPrivacyIssue* issue = IssueNamed(plan.ClassName);
        ASSERT_NE(issue, nullptr) << plan.ClassName;
        Unplant(plan);
        Plant(plan);
        GuardedSolve(*issue);
        const bool found = GuardedCheck(*issue);
        Unplant(plan);
        if (!found && FoundAgainByDesign.count(plan.ClassName))
            goneDespiteTable.push_back(plan.ClassName);
        if (!found || plan.FoundWhenClean)
            continue;
        SeedPlan install = Only(plan.ClassName, {});
        bool pending = false;
        for (const TraceItem& item : plan.Items) {
            pending = pending || item.Outcome == Expect::Pending;
            if (item.Outcome == Expect::Kept)
                install.Items.push_back(item);
        }
        Plant(install);
        const bool byInstall = GuardedCheck(*issue);
        Unplant(install);
        if (byInstall || pending || FoundAgainByDesign.count(plan.ClassName))
            continue;
        std::set<std::string> left;
        for (const TraceItem& item : plan.Items)
            if (item.Outcome != Expect::Gone && item.Outcome != Expect::Kept)
                left.insert(OutcomeName(item.Outcome) + (item.What == TraceItem::Value    ? " value"
                                                         : item.What == TraceItem::Folder ? " folder"
                                                                                          : " file"));
        std::string why;
        for (const std::string& name : left)
            why += (why.empty() ? "" : ", ") + name;
        foundAgain.push_back(plan.ClassName + " (" + why + ")");
    }
    RestartRequired = false;
    EXPECT_EQ(Join(foundAgain), "") << "found again after their own Solve, without their install";
    EXPECT_EQ(Join(goneDespiteTable), "") << "no longer found again: drop them from the table";
}
