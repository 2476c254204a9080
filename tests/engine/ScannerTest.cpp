#include "engine/Options.h"
#include "engine/Scanner.h"
#include "engine/ScannerInit.h"
#include "primitives/Errors.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

// Issues whose answers the test sets; they count their calls.
std::map<std::string, int> Present;  // 0 absent, 1 present, 2 throws
std::map<std::string, int> Checks;

class TFake : public TPrivacyIssue {
public:
    explicit TFake(std::string name) : Name(std::move(name)) {}
    const char* ClassName() const override { return Name.c_str(); }
    bool Check() override
    {
        ++Checks[Name];
        if (Present[Name] == 2)
            throw Exception("broken");
        return Present[Name] == 1;
    }
    void Solve() override {}
    std::string Name;
};

const std::vector<std::string> Names = {"TFirst", "TSecond", "TThird", "TFourth"};

class ScannerTest : public ::testing::Test {
protected:
    std::string Folder = MakeScratchFolder("scanner");
    TOptions Options{Folder + "options.ini"};
    TDateTime Time = EncodeDateTime(2026, 12, 8, 10, 0, 0);

    std::unique_ptr<TScanner> MakeScanner()
    {
        auto scanner = std::make_unique<TScanner>(Folder + "info.ini", Options, [](TIssueList& list) {
            for (const std::string& name : Names)
                list.push_back(std::make_unique<TFake>(name));
        });
        scanner->Clock = [this] { return Time; };
        return scanner;
    }
    std::vector<std::string> Found(TScanner& scanner)
    {
        std::vector<std::string> names;
        for (TPrivacyIssue* issue : scanner.FoundIssues)
            names.push_back(issue->ClassName());
        return names;
    }
    void SetUp() override
    {
        Present.clear();
        Checks.clear();
        for (const std::string& name : Names)
            Present[name] = 1;
    }
    void Later(int minutes, int seconds = 0) { Time += (minutes * 60 + seconds) / 86400.0; }
};

TEST_F(ScannerTest, FirstScanWritesSolvedZeroEverywhereAndTheScanTime)
{
    auto scanner = MakeScanner();
    scanner->Scan();
    for (const std::string& name : Names)
        EXPECT_EQ(scanner->InfoFile.ReadString(name, "Solved", "absent"), "0") << name;
    EXPECT_NEAR(Options.ReadDateTime("time", "time", 0), Time, 1e-9);
    EXPECT_EQ(Found(*scanner), Names);
}

TEST_F(ScannerTest, SolvedIssueStaysHiddenUntilSixteenMinutesPass)
{
    auto scanner = MakeScanner();
    scanner->Scan();
    scanner->InfoFile.WriteInteger("TSecond", "Solved", 1);

    Later(15, 59);
    scanner->Scan();
    EXPECT_EQ(Found(*scanner), (std::vector<std::string>{"TFirst", "TThird", "TFourth"}));
    EXPECT_EQ(Checks["TSecond"], 2);  // asked even while solved

    Later(16);
    scanner->Scan();
    EXPECT_EQ(Found(*scanner), Names);
    EXPECT_EQ(scanner->InfoFile.ReadInteger("TSecond", "Solved", -1), 0);
}

TEST_F(ScannerTest, ClockSetBackAlsoResets)
{
    auto scanner = MakeScanner();
    scanner->Scan();
    scanner->InfoFile.WriteInteger("TFirst", "Solved", 1);
    Later(-20);
    scanner->Scan();
    EXPECT_EQ(Found(*scanner), Names);
}

TEST_F(ScannerTest, SolvedTwoDoesNotHideAndIsRewrittenAtTheNextReset)
{
    auto scanner = MakeScanner();
    scanner->Scan();
    scanner->InfoFile.WriteInteger("TThird", "Solved", 2);
    Later(1);
    scanner->Scan();
    EXPECT_EQ(Found(*scanner), Names);
    Later(30);
    scanner->Scan();
    EXPECT_EQ(scanner->InfoFile.ReadInteger("TThird", "Solved", -1), 0);
}

TEST_F(ScannerTest, ThrowingCheckIsLeftOutAndTheScanGoesOn)
{
    Present["TSecond"] = 2;
    Present["TFourth"] = 0;
    auto scanner = MakeScanner();
    scanner->Scan();
    EXPECT_EQ(Found(*scanner), (std::vector<std::string>{"TFirst", "TThird"}));
    EXPECT_EQ(Checks["TFourth"], 1);
    EXPECT_NEAR(Options.ReadDateTime("time", "time", 0), Time, 1e-9);
}

TEST_F(ScannerTest, MetadataReadsAndScheduleFlag)
{
    WriteTextFile(Folder + "info.ini", "[TFirst]\r\nTitle=First one\r\nInfo=About it\r\nIcon=5\r\n"
                                       "ScheduleSolve=2\r\n[TSecond]\r\nScheduleSolve=1\r\n");
    auto scanner = MakeScanner();
    EXPECT_EQ(scanner->GetTitle("TFirst"), "First one");
    EXPECT_EQ(scanner->GetInfo("TFirst"), "About it");
    EXPECT_EQ(scanner->GetIcon("TFirst"), 5);
    EXPECT_EQ(scanner->GetIcon("TThird"), 11);
    EXPECT_FALSE(scanner->GetScheduleSolve("TFirst"));
    EXPECT_TRUE(scanner->GetScheduleSolve("TSecond"));
    scanner->SetScheduleSolve("TThird", true);
    EXPECT_NE(ReadTextFile(Folder + "info.ini").find("[TThird]\r\nScheduleSolve=1\r\n"), std::string::npos);
}

TEST(CatalogueOrder, HoldsEveryClassOnceFromTempFolderToPaintShopPro80)
{
    const auto& order = CatalogueOrder();
    ASSERT_EQ(order.size(), 382u);
    EXPECT_EQ(order.front(), "TTempFolder");
    EXPECT_EQ(order.back(), "TPaintShopPro80");
    EXPECT_EQ(order[113], "TDiskExplorerProfessional3");
    EXPECT_EQ(order[336], "TMozillaFirefoxHistory");
    EXPECT_EQ(order[342], "TMozillaThunderbirdNews");
    EXPECT_EQ(std::set<std::string>(order.begin(), order.end()).size(), 382u);
}

TEST(CreateAllIssues, MakesEachExistingClassOnceInCatalogueOrder)
{
    TIssueList all;
    CreateAllIssues(all);
    const auto& order = CatalogueOrder();
    size_t next = 0;
    std::set<std::string> seen;
    for (auto& issue : all) {
        std::string name = issue->ClassName();
        EXPECT_TRUE(seen.insert(name).second) << name;
        while (next < order.size() && order[next] != name)
            ++next;
        ASSERT_LT(next, order.size()) << name << " is out of catalogue order";
        EXPECT_FALSE(issue->DefaultUnchecked);
        EXPECT_FALSE(issue->Ticked);
    }
}

}  // namespace
