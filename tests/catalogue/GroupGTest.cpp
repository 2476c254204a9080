#include <gtest/gtest.h>

#include "tests/catalogue/CatalogueCycle.h"

#include "engine/Scanner.h"
#include "primitives/Utils.h"

#include <cstring>
#include <shellapi.h>

namespace {

HM_CATALOGUE_GROUP_TESTS(GroupG, SeedPlansG);


TEST(GroupGCases, CookiesFolderWithOneFileIsNotALeak)
{
    SeedPlan single;
    single.ClassName = "TCookies";
    single.Items = {FolderAt("%COOKIES%").Kept(), FileAt("%COOKIES%\\index.dat")};
    Unplant(single);
    Plant(single);
    EXPECT_FALSE(GuardedCheck(*IssueNamed("TCookies")));
    Unplant(single);
}

TEST(GroupGCases, ClipboardWithTextIsFoundAndEmptied)
{
    TPrivacyIssue* clipboard = IssueNamed("TClipboard");
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL text = GlobalAlloc(GMEM_MOVEABLE, 16);
    std::strcpy(static_cast<char*>(GlobalLock(text)), "card 4111");
    GlobalUnlock(text);
    SetClipboardData(CF_TEXT, text);
    CloseClipboard();
    EXPECT_TRUE(GuardedCheck(*clipboard));
    GuardedSolve(*clipboard);
    EXPECT_FALSE(GuardedCheck(*clipboard));
}

TEST(GroupGCases, IndexDatAndPagingFileAskForARestart)
{
    RestartRequired = false;
    GuardedSolve(*IssueNamed("TIndexDat"));
    EXPECT_TRUE(RestartRequired);
    RestartRequired = false;
    GuardedSolve(*IssueNamed("TPagingFile"));
    EXPECT_TRUE(RestartRequired);
}

TEST(GroupGCases, RasAutodialKeyWithoutSubkeysIsNotALeak)
{
    SeedPlan plan;
    plan.ClassName = "TRASAutoDial";
    plan.Items = {RegKey("HKCU\\Software\\Microsoft\\RAS Autodial\\Addresses")};
    Plant(plan);
    EXPECT_FALSE(GuardedCheck(*IssueNamed("TRASAutoDial")));
    Unplant(plan);
}

TEST(GroupGCases, PagingFileFoundWhenTheValueIsMissing)
{
    SeedPlan plan;
    plan.ClassName = "TPagingFile";
    plan.Items = {RegDword("HKLM\\SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management",
                           "ClearPageFileAtShutdown", 0)};
    Unplant(plan);
    EXPECT_TRUE(GuardedCheck(*IssueNamed("TPagingFile")));
}

TEST(GroupGCases, AutoCompleteFormsIsFoundEveryTimeAndListedUnticked)
{
    TPrivacyIssue* forms = IssueNamed("TAutoCompleteForms");
    EXPECT_TRUE(GuardedCheck(*forms));
    EXPECT_TRUE(forms->DefaultUnchecked);
}

// Issues that exclude each other: only the one whose traces are planted is found.
void ExpectOnlyFound(const std::string& planted, std::initializer_list<const char*> family)
{
    SCOPED_TRACE(planted);
    const SeedPlan* plan = FindSeedPlan(planted);
    ASSERT_NE(plan, nullptr);
    Plant(*plan);
    for (const char* name : family)
        EXPECT_EQ(GuardedCheck(*IssueNamed(name)), planted == name) << name;
    Unplant(*plan);
}

TEST(GroupGCases, TheAolPairIsToldApartByTheNineInItsFolder)
{
    ExpectOnlyFound("TAOL90", {"TAOL90", "TAOLUp8"});
    ExpectOnlyFound("TAOLUp8", {"TAOL90", "TAOLUp8"});
}

TEST(GroupGCases, MediaPlayerVersionsAreToldApartByTheirVersionResource)
{
    auto players = {"TWindowsMediaPlayer7", "TWindowsMediaPlayer8", "TWindowsMediaPlayer9", "TWindowsMediaPlayer10"};
    for (const char* planted : players)
        ExpectOnlyFound(planted, players);
}

TEST(GroupGCases, RecycleBinIsFoundWithADeletedFileAndEmptied)
{
    TPrivacyIssue* bin = IssueNamed("TRecycleBin");
    std::string path = ExpandPath("%PERSONAL%\\old letter.txt");
    SeedPlan plan;
    plan.ClassName = "TRecycleBin";
    plan.Items = {FileAt(path, "Dear ...")};
    Plant(plan);
    char from[MAX_PATH + 2] = {};
    std::strcpy(from, path.c_str());  // double NUL-terminated
    SHFILEOPSTRUCTA operation = {};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from;
    operation.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
    ASSERT_EQ(SHFileOperationA(&operation), 0);
    ASSERT_EQ(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(GuardedCheck(*bin));
    GuardedSolve(*bin);
    EXPECT_FALSE(GuardedCheck(*bin));
}

}  // namespace
