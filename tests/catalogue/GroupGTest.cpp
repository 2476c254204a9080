#include <gtest/gtest.h>

#include "tests/catalogue/CatalogueCycle.h"

#include "engine/Scanner.h"
#include "primitives/Utils.h"

#include <cstring>

namespace {

class GroupG : public ::testing::TestWithParam<SeedPlan> {};

TEST_P(GroupG, FoundWithItsTracesAndSolvedExactly)
{
    RunIssueCycle(GetParam());
}

TEST_P(GroupG, HostileInstallValuesDeleteNothingOutside)
{
    RunHostileValues(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Catalogue, GroupG, ::testing::ValuesIn(SeedPlansG()), PlanName());

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

TEST(GroupGCases, IndexDatAndUserDataAskForARestart)
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

}  // namespace
