// The cookie Solves with "example.com" on the keep list, on the seeder's planted stores
// with look-alike neighbours: the cycle of the group tests, with what must now stay.
#include "catalogue/KeptCookies.h"
#include "engine/CookiesToKeep.h"
#include "engine/Scanner.h"
#include "primitives/Effects.h"
#include "primitives/Text.h"
#include <gtest/gtest.h>

#include "tests/catalogue/CatalogueCycle.h"

#include <algorithm>

namespace {

class KeptCookiesTest : public ::testing::Test {
protected:
    void SetUp() override { SetCookiesToKeep(TKeepList({"example.com"})); }
    void TearDown() override { SetCookiesToKeep(TKeepList()); }
};

SeedPlan PlanOf(const std::string& className)
{
    const SeedPlan* plan = FindSeedPlan(className);
    EXPECT_NE(plan, nullptr) << className;
    return plan ? *plan : SeedPlan();
}

bool IsCookieStore(const TraceItem& item)
{
    std::string where = item.Where;
    std::transform(where.begin(), where.end(), where.begin(), [](char c) { return static_cast<char>(tolower(c)); });
    return item.What == TraceItem::File && where.find("cookies") != std::string::npos;
}

// The kept entries a preview of the issue's Solve lists, as "path|site".
std::vector<std::string> KeptInPreview(const std::string& className)
{
    std::vector<std::string> kept;
    TPreviewScope preview;
    GuardedSolve(*IssueNamed(className));
    for (const Effect& effect : preview.Effects())
        if (effect.Kind == EffectKind::Kept)
            kept.push_back(effect.Path + "|" + effect.Name);
    return kept;
}

const char* const IeExample = "id\n42\nexample.com/\n1024\n1\n2\n3\n4\n*\n";

TEST_F(KeptCookiesTest, IeCookieFilesOfListedSitesStayWithTheirIndex)
{
    for (const char* className : {"TCookies", "TMSNExplorer"}) {
        SeedPlan plan = PlanOf(className);
        Append(plan.Items, {FileAt("%COOKIES%\\user@example[3].txt", IeExample).Kept(),
                            FileAt("%COOKIES%\\user@www.example[1].txt", "sid\nx\nwww.example.com/login\n").Kept(),
                            FileAt("%COOKIES%\\user@badexample[1].txt", "id\n1\nbadexample.com/\n"),
                            FileAt("%COOKIES%\\user@evil[1].txt", "id\n1\nexample.com.evil.net/\n"),
                            FileAt("%COOKIES%\\Low\\user@example[1].txt", IeExample).Kept(),
                            FileAt("%COOKIES%\\Low\\user@ads[1].txt", "id\n1\nads.example.net/\n"),
                            FileAt("%COOKIES%\\Other\\user@ads[1].txt", "id\n1\nads.example.net/\n"),
                            FolderAt("%COOKIES%\\Other")});
        for (TraceItem& item : plan.Items)
            if (item.Where == "%COOKIES%\\index.dat" || item.Where == "%COOKIES%\\user@example[1].txt")
                item = item.Kept();
        plan.FoundAfterSolve = true;
        RunIssueCycle(plan);
    }
    Unplant(Only("TCookies", {FileAt("%COOKIES%\\index.dat")}));
}

TEST_F(KeptCookiesTest, TheCookieIndexIsNotScheduledWhileItListsKeptCookies)
{
    SeedPlan plan = PlanOf("TIndexDat");
    for (TraceItem& item : plan.Items)
        if (item.Where == "%COOKIES%\\index.dat")
            item = item.Kept();
    Append(plan.Items, {FileAt("%COOKIES%\\user@example[1].txt", IeExample).Kept()});
    RunIssueCycle(plan);

    Plant(plan);
    std::vector<std::string> kept = KeptInPreview("TIndexDat");
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_TRUE(EndsWith(kept[0], "\\index.dat|index of the kept cookies")) << kept[0];
    Unplant(plan);
}

TEST_F(KeptCookiesTest, CookiesTxtKeepsOnlyTheLinesOfListedSites)
{
    for (const char* className : {"TMozillaFirefoxCookies", "TNetscapeNavigator4xCookies", "TMozillaNavigatorCookies"}) {
        SCOPED_TRACE(className);
        SeedPlan plan = PlanOf(className);
        for (TraceItem& item : plan.Items) {
            if (item.Outcome != Expect::Edited)
                continue;
            item.Data += ".badexample.com\tTRUE\t/\tFALSE\t1893456000\tsid\tlookalike\r\n"
                         "www.example.com.evil.net\tFALSE\t/\tFALSE\t1893456000\tsid\tsuffix\r\n"
                         "#HttpOnly_mail.example.com\tFALSE\t/\tTRUE\t1893456000\ttoken\thttponly\r\n";
            item = item.Edited("+abc123|+httponly|-alice|-lookalike|-suffix|+# HTTP Cookie File|+Do not edit.");
        }
        RunIssueCycle(plan);

        Plant(plan);
        std::vector<std::string> kept = KeptInPreview(className);
        ASSERT_EQ(kept.size(), 1u);
        EXPECT_TRUE(EndsWith(kept[0], "cookies.txt|example.com")) << kept[0];
        Unplant(plan);
    }
}

// Stores we cannot read record by record: whole when they name a listed site, else
// removed as before.
const char* const OpaqueIssues[] = {"THotJavaBrowser", "TRealOneRealPlayer10", "TSpinnerPlus",
                                    "TOperaUpTo6Cookies", "TOpera7xCookies",    "TOpera8xCookies"};

TEST_F(KeptCookiesTest, OpaqueStoresStayWholeOnlyWhenTheyNameAListedSite)
{
    for (const char* className : OpaqueIssues) {
        SCOPED_TRACE(className);
        SeedPlan plan = PlanOf(className);
        bool anyStore = false;
        for (TraceItem& item : plan.Items)
            if (IsCookieStore(item) && item.Outcome != Expect::Kept) {
                item.Data = "ads.example.net\x01shop.badexample.org\x02sid";
                anyStore = true;
            }
        ASSERT_TRUE(anyStore);
        RunIssueCycle(plan);

        std::string store;
        for (TraceItem& item : plan.Items)
            if (IsCookieStore(item) && item.Outcome != Expect::Kept) {
                item.Data = std::string("\x1e\x00\x03" "com\x1e\x00\x07" "example\x1d", 17);
                item = item.Kept();
                store = ExpandPath(item.Where);
            }
        plan.FoundAfterSolve = plan.FoundAfterSolve || std::string(className) == "TSpinnerPlus";
        RunIssueCycle(plan);

        Plant(plan);
        EXPECT_EQ(KeptInPreview(className), std::vector<std::string>({store + "|example.com"}));
        Unplant(plan);
    }
}

TEST_F(KeptCookiesTest, UnusableEntriesKeepNothing)
{
    SetCookiesToKeep(TKeepList({"", ".", std::string(300, 'e') + ".com", "com"}));
    for (const char* className : {"TCookies", "TMozillaFirefoxCookies", "TSpinnerPlus"})
        RunIssueCycle(PlanOf(className));
}

}  // namespace

namespace {

TEST(CookieSitesFoundTest, HostsOfThePlantedStoresWithoutWww)
{
    SeedPlan plan = Only("TCookies", {FileAt("%COOKIES%\\user@www.example[1].txt", "sid\nx\nwww.example.com/\n"),
                                      FileAt("%COOKIES%\\user@bank[1].txt", "id\n1\nonline.bank.example.org/\n"),
                                      FileAt("%COOKIES%\\junk.txt", "not a cookie file"),
                                      FileAt("%APPDATA%\\Mozilla\\Profiles\\a.default\\cookies.txt",
                                             "# HTTP Cookie File\r\n\r\n.news.example.net\tTRUE\t/\tFALSE\t0\ta\tb\r\n"
                                             "#HttpOnly_.Example.com\tTRUE\t/\tFALSE\t0\ta\tb\r\n")});
    Unplant(plan);
    Plant(plan);
    std::vector<std::string> sites = CookieSitesFound();
    Unplant(plan);
    EXPECT_EQ(sites, std::vector<std::string>({"example.com", "news.example.net", "online.bank.example.org"}));
}

}  // namespace
