#include <gtest/gtest.h>

#include "tests/catalogue/CatalogueCycle.h"

#include "catalogue/BrowserFamilies.h"
#include "engine/Scanner.h"
#include "primitives/Utils.h"
#include "primitives/WholeFiles.h"

namespace {

HM_CATALOGUE_GROUP_TESTS(GroupF, SeedPlansF);


void ExpectVerified(const SeedPlan& plan)
{
    for (const std::string& problem : Verify(plan))
        ADD_FAILURE() << problem;
}

const char* const WithHeader = "# HTTP Cookie File\r\n\r\n.example.com\tTRUE\t/\tFALSE\t0\tsid\tabc\r\n";
const char* const Headerless = ".example.com\tTRUE\t/\tFALSE\t0\tsid\tabc\r\n";

// A cookie file without a header ends the walk: the files after it stay as they are.
TEST(GroupFCases, HeaderlessCookieFileEndsTheCookieSolve)
{
    const std::string profiles = "%APPDATA%\\Mozilla\\Firefox\\Profiles\\";
    SeedPlan plan = Only("TMozillaFirefoxCookies", {FolderAt("%APPDATA%\\Mozilla\\Firefox"),
                                                    FileAt(profiles + "aaaa.default\\cookies.txt", Headerless),
                                                    FileAt(profiles + "bbbb.default\\cookies.txt", WithHeader)});
    Unplant(plan);
    Plant(plan);
    std::vector<std::string> order;
    FindFiles(ExpandPath(profiles), "cookies.txt", order);
    ASSERT_EQ(order.size(), 2u);
    bool headerlessFirst = order[0].find("aaaa") != std::string::npos;
    GuardedSolve(*IssueNamed("TMozillaFirefoxCookies"));
    EXPECT_EQ(LoadFileText(ExpandPath(profiles + "aaaa.default\\cookies.txt")), Headerless);
    std::string other = LoadFileText(ExpandPath(profiles + "bbbb.default\\cookies.txt"));
    if (headerlessFirst)
        EXPECT_EQ(other, WithHeader);
    else
        EXPECT_EQ(other, "# HTTP Cookie File\r\n");
    Unplant(plan);
}

TEST(GroupFCases, FirefoxSolvesWorkOnPhoenixWhenBothExist)
{
    SeedPlan plan = Only("TMozillaFirefoxSavedPasswords",
                         {FolderAt("%APPDATA%\\Phoenix").Kept(), FolderAt("%APPDATA%\\Mozilla\\Firefox").Kept(),
                          FileAt("%APPDATA%\\Phoenix\\Profiles\\p.default\\signons.txt", "#2c"),
                          FileAt("%APPDATA%\\Mozilla\\Firefox\\Profiles\\f.default\\signons.txt", "#2c").Kept()});
    Unplant(plan);
    Plant(plan);
    GuardedSolve(*IssueNamed("TMozillaFirefoxSavedPasswords"));
    ExpectVerified(plan);
    Unplant(plan);
}

TEST(GroupFCases, MozillaSuiteIsNotFoundInFirefoxAlone)
{
    SeedPlan plan = Only("TMozillaNavigatorHisotry",
                         {FolderAt("%APPDATA%\\Mozilla"),
                          FileAt("%APPDATA%\\Mozilla\\Firefox\\Profiles\\f.default\\history.dat", "h"),
                          FileAt("%APPDATA%\\Mozilla\\Firefox\\Profiles\\f.default\\cookies.txt", WithHeader)});
    Unplant(plan);
    Plant(plan);
    EXPECT_FALSE(Found("TMozillaNavigatorHisotry"));
    EXPECT_FALSE(Found("TMozillaNavigatorCookies"));
    Unplant(plan);
}

TEST(GroupFCases, OperaVersionDecidesTheFamily)
{
    const char* const opera6[] = {"TOperaUpTo6History", "TOperaUpTo6Cookies", "TOperaUpTo6Cache",
                                  "TOperaUpTo6DownloadsHistory", "TOperaUpTo6HomePage"};
    const char* const opera7[] = {"TOpera7xHistory", "TOpera7xCookies", "TOpera7xCache", "TOpera7xDownloadsHistory",
                                  "TOpera7xHomePage", "TOpera7xWandPasses", "TOpera7xContacts", "TOpera7xBookmarks"};
    TraceItem path = RegValue("HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Opera.exe", "",
                              "%PROGRAMFILES%\\Opera\\Opera.exe");
    SeedPlan seven = Only("TOpera7xHistory", {FolderAt("%PROGRAMFILES%\\Opera"), path,
                                              ProgramAt("%PROGRAMFILES%\\Opera\\Opera.exe", 7)});
    Unplant(seven);
    Plant(seven);
    for (const char* name : opera7)
        EXPECT_TRUE(Found(name)) << name;
    for (const char* name : opera6)
        EXPECT_FALSE(Found(name)) << name;
    Unplant(seven);

    // The App Paths entry names a program that is not there: version 0, no Opera at all.
    SeedPlan missing = Only("TOpera7xHistory", {path});
    Plant(missing);
    for (const char* name : opera7)
        EXPECT_FALSE(Found(name)) << name;
    for (const char* name : opera6)
        EXPECT_FALSE(Found(name)) << name;
    Unplant(missing);
}

TEST(GroupFCases, Opera8CommandLineIsCutToItsProgram)
{
    EXPECT_EQ(CutToProgramPath("C:\\Program Files\\Opera\\Opera.exe C:\\Pages\\start.htm"),
              "C:\\Program Files\\Opera\\Opera.exe");
    EXPECT_EQ(CutToProgramPath("C:\\Opera\\Opera.exe"), "C:\\Opera\\Opera.exe");
    EXPECT_EQ(CutToProgramPath(""), "");

    SeedPlan plan = Only("TOpera8xCache", {RegValue("HKCU\\Software\\Opera Software", "Last CommandLine v2",
                                                    "%PROGRAMFILES%\\Opera\\Opera.exe %DRIVE%\\Pages\\start.htm")});
    Plant(plan);
    EXPECT_EQ(Opera8Folder(), ExpandPath("%PROGRAMFILES%\\Opera\\"));
    Unplant(plan);
}

}  // namespace
