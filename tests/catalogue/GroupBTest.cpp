#include <gtest/gtest.h>

#include "tests/catalogue/CatalogueCycle.h"

#include "engine/Scanner.h"
#include "primitives/Utils.h"

namespace {

HM_CATALOGUE_GROUP_TESTS(GroupB, SeedPlansB);

// Nothing in this group is risky enough to be listed unticked.
TEST_P(GroupB, ListedTickedWhenFound)
{
    const SeedPlan& plan = GetParam();
    TPrivacyIssue* issue = IssueNamed(plan.ClassName);
    ASSERT_NE(issue, nullptr);
    Unplant(plan);
    Plant(plan);
    EXPECT_TRUE(GuardedCheck(*issue));
    EXPECT_FALSE(issue->DefaultUnchecked);
    Unplant(plan);
}


const std::string HKCU = "HKCU\\Software\\";

TEST(GroupBCases, GoogleToolbars11And2ShareTheirHistory)
{
    TraceItem history = RegValue(HKCU + "Google\\NavClient\\1.1\\History", "0", "privacy");
    EXPECT_TRUE(FoundWith("TGoogleToolbar11", {history}));
    EXPECT_TRUE(FoundWith("TGoogleToolbar2", {history}));
    TraceItem older = RegValue(HKCU + "Google\\NavClient\\1.0\\History", "0", "privacy");
    EXPECT_FALSE(FoundWith("TGoogleToolbar11", {older}));
    EXPECT_TRUE(FoundWith("TGoogleToolbar10", {older}));
}

TEST(GroupBCases, NapsterFileInTheDriveRootOrTheProgramFilesAloneIsEnough)
{
    EXPECT_TRUE(FoundWith("TNapster", {FileAt("%DRIVE%\\notify.dat")}));
    EXPECT_TRUE(FoundWith("TNapster", {FileAt("%PROGRAMFILES%\\channels.dat")}));
    EXPECT_FALSE(FoundWith("TNapster", {FileAt("%PROGRAMFILES%\\Napster\\shared.dat"),
                                        FolderAt("%PROGRAMFILES%\\Napster").Kept()}));
}

TEST(GroupBCases, SecondAndThirdLocationsAloneAreEnough)
{
    EXPECT_TRUE(FoundWith("TDownloadAccelerator", {RegKey(HKCU + "SpeedBit\\Download Accelerator")}));
    EXPECT_TRUE(FoundWith("TCuteFTP6ProfessionalEdition", {FolderAt("%PROFILE%\\GlobalSCAPE\\CuteFTP Pro")}));
    EXPECT_TRUE(FoundWith("TRealOneRealPlayer10", {RegKey(HKCU + "RealNetworks\\RealPlayer\\6.0")}));
    EXPECT_TRUE(FoundWith("TNortonAntiVirus2000", {FolderAt("%PROGRAMFILES%\\Navnt")}));
    EXPECT_FALSE(FoundWith("TNortonAntiVirus2003", {FolderAt("%PROGRAMFILES%\\Navnt")}));
}

// Sizes shown to the user come from a preview: it must list what the real run removes.
TEST(GroupBCases, PreviewListsTheGatorTraces)
{
    const SeedPlan* plan = FindSeedPlan("TGator");
    ASSERT_NE(plan, nullptr);
    Unplant(*plan);
    Plant(*plan);
    size_t deletions = 0;
    {
        TPreviewScope preview;
        GuardedSolve(*IssueNamed("TGator"));
        for (const Effect& effect : preview.Effects())
            deletions += effect.Kind == EffectKind::DeleteFile;
    }
    EXPECT_GE(deletions, 5u);
    Unplant(*plan);
}

}  // namespace
