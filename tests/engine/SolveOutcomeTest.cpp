// What a Solve could not do, with its reason, and the status judged after it.
#include "engine/RunningBrowsers.h"
#include "engine/SolveOutcome.h"
#include "primitives/Effects.h"
#include "tests/primitives/Helpers.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>

namespace {

// An issue whose Check and Solve the test gives.
class TScripted : public TPrivacyIssue {
public:
    TScripted(std::function<bool()> check, std::function<void()> solve)
        : CheckBody(std::move(check)), SolveBody(std::move(solve))
    {
    }
    bool Check() override { return CheckBody(); }
    void Solve() override { SolveBody(); }
    const char* ClassName() const override { return "TScripted"; }

private:
    std::function<bool()> CheckBody;
    std::function<void()> SolveBody;
};

bool There(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

class SolveOutcomeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Folder = MakeScratchFolder("outcome");
        for (const char* name : {"a.tmp", "b.tmp", "c.tmp"})
            WriteTextFile(Folder + name, "trace");
    }
    void TearDown() override
    {
        if (Held != INVALID_HANDLE_VALUE)
            CloseHandle(Held);
        SetFileAttributesA((Folder + "b.tmp").c_str(), FILE_ATTRIBUTE_NORMAL);
        RestartRequired = false;
    }
    // Deletes every file of the folder that the Check looks at.
    TScripted FolderIssue()
    {
        return TScripted([this] { return There(Folder + "a.tmp") || There(Folder + "b.tmp") || There(Folder + "c.tmp"); },
                         [this] {
                             for (const char* name : {"a.tmp", "b.tmp", "c.tmp"})
                                 EffectDeleteFile(Folder + name);
                         });
    }
    std::string Folder;
    HANDLE Held = INVALID_HANDLE_VALUE;
};

TEST_F(SolveOutcomeTest, ACleanSolveIsSolvedWithNothingLeft)
{
    TScripted issue = FolderIssue();
    TSolveOutcome outcome = SolveAndRecheck(issue);
    EXPECT_EQ(SolveStatus::Solved, outcome.Status);
    EXPECT_FALSE(outcome.StillFound);
    EXPECT_TRUE(outcome.Left.empty());
    EXPECT_EQ(3u, outcome.Effects.size());
    EXPECT_EQ("", LeftSummary(outcome));
}

TEST_F(SolveOutcomeTest, HeldAndReadOnlyFilesAreLeftWithTheirReasons)
{
    Held = CreateFileA((Folder + "a.tmp").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, Held);
    ASSERT_TRUE(SetFileAttributesA((Folder + "b.tmp").c_str(), FILE_ATTRIBUTE_READONLY));
    TScripted issue = FolderIssue();
    TSolveOutcome outcome = SolveAndRecheck(issue);
    EXPECT_EQ(SolveStatus::PartlySolved, outcome.Status);
    EXPECT_TRUE(outcome.StillFound);
    ASSERT_EQ(2u, outcome.Left.size());
    EXPECT_EQ(LeftReason::InUse, outcome.Left[0].Reason);
    EXPECT_EQ(Folder + "a.tmp", outcome.Left[0].Path);
    EXPECT_EQ(LeftReason::ReadOnly, outcome.Left[1].Reason);
    EXPECT_EQ("read-only and kept", LeftReasonText(outcome.Left[1]));
    // The holder is this very program where Windows can tell, so only the start is fixed.
    EXPECT_EQ(0u, LeftSummary(outcome).rfind("1 file in use", 0)) << LeftSummary(outcome);
    EXPECT_NE(std::string::npos, LeftSummary(outcome).find("; 1 file read-only and kept"));
    EXPECT_FALSE(There(Folder + "c.tmp"));
}

TEST_F(SolveOutcomeTest, RefusalsOfExistingTargetsAreLeftAndEmptyBasesAreNot)
{
    TScripted issue([] { return false; }, [] {
        EffectRemoveTree("C:\\");
        EffectDeleteFile("");
        EffectDeleteRegKey(HKEY_CURRENT_USER, "Software");
    });
    TSolveOutcome outcome = SolveAndRecheck(issue);
    EXPECT_EQ(SolveStatus::PartlySolved, outcome.Status);
    ASSERT_EQ(2u, outcome.Left.size());
    EXPECT_EQ("C:\\", outcome.Left[0].Path);
    EXPECT_EQ("HKEY_CURRENT_USER\\Software", outcome.Left[1].Path);
    for (const TLeftItem& item : outcome.Left)
        EXPECT_EQ("refused by the safety rules", LeftReasonText(item));
    EXPECT_EQ("1 folder refused by the safety rules; 1 key refused by the safety rules", LeftSummary(outcome));
}

TEST_F(SolveOutcomeTest, AKeyTheUserMayNotOpenIsLeftAsAccessDenied)
{
    const std::string subkey = "Software\\HushmarkTest\\Closed";
    HKEY key;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, subkey.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                             &key, nullptr));
    RegSetValueExA(key, "Recent", 0, REG_SZ, reinterpret_cast<const BYTE*>("x"), 2);
    RegCloseKey(key);
    ASSERT_TRUE(SetKeyClosed(HKEY_CURRENT_USER, subkey, true));
    TScripted issue([] { return true; }, [&] { EffectDeleteRegValue(HKEY_CURRENT_USER, subkey, "Recent"); });
    TSolveOutcome outcome = SolveAndRecheck(issue);
    SetKeyClosed(HKEY_CURRENT_USER, subkey, false);
    RegDeleteKeyA(HKEY_CURRENT_USER, subkey.c_str());
    EXPECT_EQ(SolveStatus::PartlySolved, outcome.Status);
    ASSERT_EQ(1u, outcome.Left.size());
    EXPECT_EQ("HKEY_CURRENT_USER\\" + subkey, outcome.Left[0].Path);
    EXPECT_EQ("Recent", outcome.Left[0].Name);
    EXPECT_EQ(LeftReason::AccessDenied, outcome.Left[0].Reason);
    EXPECT_EQ("1 value: access denied", LeftSummary(outcome));
}

TEST_F(SolveOutcomeTest, ADeletionAtRestartReplacesTheFailureAndIsNoFailureItself)
{
    Held = CreateFileA((Folder + "a.tmp").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, Held);
    // As a Solve that falls back on the next start for a file in use.
    TScripted issue([this] { return There(Folder + "a.tmp"); }, [this] {
        if (!EffectDeleteFile(Folder + "a.tmp"))
            EffectDeleteOnReboot(Folder + "a.tmp");
    });
    TSolveOutcome outcome = SolveAndRecheck(issue);
    EXPECT_EQ(SolveStatus::RestartPending, outcome.Status);
    ASSERT_EQ(1u, outcome.Left.size());
    EXPECT_EQ(LeftReason::RestartPending, outcome.Left[0].Reason);
    EXPECT_TRUE(RestartRequired == false) << "only a Solve that says so asks for a restart";
    EXPECT_EQ("1 file waiting for the next restart", LeftSummary(outcome));
}

TEST_F(SolveOutcomeTest, ACheckThatFindsTheInstallIsNoFailureButTracesStillThereAre)
{
    // The Check looks at what no Solve removes: the program's install.
    TScripted install([] { return true; }, [this] { EffectDeleteFile(Folder + "a.tmp"); });
    EXPECT_EQ(SolveStatus::Solved, SolveAndRecheck(install).Status);

    // A Solve that misses a trace without any error: its own preview still finds it.
    bool first = true;
    TScripted missing([this] { return There(Folder + "b.tmp"); }, [&] {
        if (!first || PreviewActive())
            EffectDeleteFile(Folder + "b.tmp");
        first = false;
    });
    TSolveOutcome outcome = SolveAndRecheck(missing);
    EXPECT_EQ(SolveStatus::PartlySolved, outcome.Status);
    ASSERT_EQ(1u, outcome.Left.size());
    EXPECT_EQ(LeftReason::StillThere, outcome.Left[0].Reason);
    EXPECT_TRUE(There(Folder + "b.tmp")) << "the second look is a preview";
}

TEST_F(SolveOutcomeTest, ASolveThatRaisesIsPartlySolvedAndSaysWhy)
{
    TScripted issue([] { return true; }, [] { throw std::runtime_error("the profile cannot be read"); });
    TSolveOutcome outcome = SolveAndRecheck(issue);
    EXPECT_EQ(SolveStatus::PartlySolved, outcome.Status);
    EXPECT_EQ("stopped: the profile cannot be read", LeftSummary(outcome));
}

TEST_F(SolveOutcomeTest, NothingIsLeftInPreviewAndNestedLogsHandTheirItemsOut)
{
    ASSERT_TRUE(SetFileAttributesA((Folder + "b.tmp").c_str(), FILE_ATTRIBUTE_READONLY));
    TLeftLog outer;
    {
        TPreviewScope preview;
        EXPECT_FALSE(EffectDeleteFile(Folder + "b.tmp"));
    }
    EXPECT_TRUE(outer.Items().empty());
    {
        TLeftLog inner;
        EffectDeleteFile(Folder + "b.tmp");
        EXPECT_EQ(1u, inner.Items().size());
    }
    EXPECT_EQ(1u, outer.Items().size());
    // Missing is no failure: there is nothing left.
    EffectDeleteFile(Folder + "none.tmp");
    EXPECT_EQ(1u, outer.Items().size());
}

TEST(SolveTally, CountsEachStatusAndListsWhatIsLeft)
{
    TSolveTally tally;
    TSolveOutcome solved, partly, pending;
    partly.Status = SolveStatus::PartlySolved;
    partly.Left.push_back(TLeftItem{EffectKind::DeleteFile, "C:\\x", "", LeftReason::InUse, "firefox.exe", 0});
    partly.Left.push_back(TLeftItem{EffectKind::DeleteFile, "C:\\y", "", LeftReason::InUse, "firefox.exe", 0});
    partly.Left.push_back(TLeftItem{EffectKind::DeleteValue, "HKEY_CURRENT_USER\\k", "v", LeftReason::AccessDenied, "", 0});
    pending.Status = SolveStatus::RestartPending;
    tally.Add(solved, "Temp");
    tally.Add(partly, "Firefox cache");
    tally.Add(pending, "index.dat");
    EXPECT_EQ("2 files in use by firefox.exe; 1 value: access denied", LeftSummary(partly));
    EXPECT_EQ("Solved 3 privacy leaks, 1 of them only partly. Still there:\n"
              "Firefox cache: 2 files in use by firefox.exe; 1 value: access denied\n"
              "1 finish when Windows next starts.",
              tally.Text(10));
    for (int i = 0; i < 3; ++i)
        tally.Add(partly, "More");
    EXPECT_NE(std::string::npos, tally.Text(2).find("\n... and 2 more"));
}

TEST(RunningBrowsers, KnowsTheBrowsersThatAreNotEndedFirst)
{
    ASSERT_NE(nullptr, BrowserOfIssue("TOpera7xCache"));
    EXPECT_STREQ("opera.exe", BrowserOfIssue("TOpera7xCache")->ExeName);
    EXPECT_STREQ("Internet Explorer", BrowserOfIssue("TInternetCache")->Name);
    // Its Solves end Firefox themselves; a name alike is no browser.
    EXPECT_EQ(nullptr, BrowserOfIssue("TMozillaFirefoxCache"));
    EXPECT_EQ(nullptr, BrowserOfIssue("TCookiesOfSomething"));
    EXPECT_EQ(nullptr, BrowserOfIssue("TTempFolder"));
}

TEST(RunningBrowsers, ARuleIsTheBrowsersItsTitleNames)
{
    struct Row {
        const char* Title;
        const char* ExeName;  // nullptr: no browser
    } rows[] = {
        {"Google Chrome Cache", "chrome.exe"}, {"Chrome Cache", "chrome.exe"},   {"Microsoft Edge History", "msedge.exe"},
        {"Firefox Session", "firefox.exe"},    {"firefox cookies", "firefox.exe"}, {"Brave History", "brave.exe"},
        {"Opera Cache", "opera.exe"},          {"Pale Moon Cache", "palemoon.exe"},
        // Whole words only; programs that are not browsers ask nothing.
        {"Chromecast Logs", nullptr},         {"Knowledge Edgeworks", nullptr}, {"Discord Cache", nullptr},
        {"", nullptr},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Title);
        const TBrowser* browser = BrowserOfRuleTitle(row.Title);
        EXPECT_STREQ(row.ExeName, browser ? browser->ExeName : nullptr);
    }
}

}  // namespace
