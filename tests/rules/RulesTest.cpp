// Rules on the real system in the sandbox: every key form on planted traces, the
// preview against the solve, links, and a table of hostile rules with sentinels in
// every protected folder.
#include "primitives/Effects.h"
#include "primitives/EffectsTesting.h"
#include "primitives/Registry.h"
#include "primitives/WholeFiles.h"
#include "rules/RuleIssue.h"
#include "rules/RuleLoader.h"
#include "tests/primitives/Helpers.h"
#include "tools/seeder/Seeder.h"

#include <gtest/gtest.h>

#include <set>

namespace {

std::shared_ptr<const TRuleSystem> System()
{
    static auto system = std::make_shared<const TRuleSystem>(ReadRuleSystem());
    return system;
}

std::string Var(const char* name)
{
    const std::vector<std::string>& folders = System()->Variables.at(name);
    return folders.empty() ? std::string() : folders[0];
}

void Plant(const std::string& path, size_t bytes = 10)
{
    for (size_t slash = path.find('\\', 3); slash != std::string::npos; slash = path.find('\\', slash + 1))
        CreateDirectoryA(path.substr(0, slash).c_str(), nullptr);
    MakeFile(path, bytes);
}

// The one rule of the text; fails the test when there is not exactly one.
std::unique_ptr<TRuleIssue> Rule(const std::string& text)
{
    TIssueList issues;
    std::vector<std::string> messages;
    AddRuleIssues(text, "test.ini", System(), issues, messages);
    EXPECT_EQ(issues.size(), 1u) << text;
    if (issues.size() != 1)
        return nullptr;
    return std::unique_ptr<TRuleIssue>(static_cast<TRuleIssue*>(issues[0].release()));
}

std::set<std::string> Listed(const std::vector<Effect>& effects)
{
    std::set<std::string> listed;
    for (const Effect& effect : effects)
        listed.insert(std::string(EffectKindName(effect.Kind)) + " " + effect.Path + " " + effect.Name);
    return listed;
}

// Preview first (nothing may change), then the solve must do exactly what it listed.
void PreviewThenSolve(TRuleIssue& rule, const std::vector<std::string>& stay)
{
    std::vector<Effect> previewed;
    {
        TPreviewScope preview;
        ASSERT_TRUE(rule.Check());
        rule.Solve();
        previewed = preview.Effects();
    }
    for (const std::string& path : stay)
        EXPECT_TRUE(FileThere(path) || FolderThere(path)) << "gone after preview: " << path;
    TEffectLog log;
    rule.Solve();
    EXPECT_EQ(Listed(previewed), Listed(log.Effects()));
}

class Rules : public ::testing::Test {
protected:
    void SetUp() override
    {
        RequireSandbox();
        Base = Var("localappdata") + "\\HmRuleTest";
        RemoveTree(Base);
        DeleteRegKeyTree(HKEY_CURRENT_USER, "Software\\HmRuleTest");
    }
    void TearDown() override
    {
        SetTreeAttributeFilter(nullptr);
        RemoveTree(Base);
        DeleteRegKeyTree(HKEY_CURRENT_USER, "Software\\HmRuleTest");
    }
    std::string Base;
};

TEST_F(Rules, PatternsRecurseAndRemoveSelf)
{
    for (const char* name : {"a.log", "b.tmp", "c.txt", "sub\\d.log", "sub\\deep\\e.tmp", "keep\\k.txt"})
        Plant(Base + "\\" + name);
    CreateDirectoryA((Base + "\\empty").c_str(), nullptr);

    auto flat = Rule("[Flat *]\nFileKey1=%LocalAppData%\\HmRuleTest|*.log;*.tmp\n");
    PreviewThenSolve(*flat, {Base + "\\a.log"});
    EXPECT_FALSE(FileThere(Base + "\\a.log") || FileThere(Base + "\\b.tmp"));
    EXPECT_TRUE(FileThere(Base + "\\c.txt") && FileThere(Base + "\\sub\\d.log"));
    EXPECT_FALSE(flat->Check());

    auto recurse = Rule("[Recurse *]\nFileKey1=%LocalAppData%\\HmRuleTest|*.log|RECURSE\n");
    ASSERT_TRUE(recurse->Check());
    recurse->Solve();
    EXPECT_FALSE(FileThere(Base + "\\sub\\d.log"));
    EXPECT_TRUE(FolderThere(Base + "\\sub") && FileThere(Base + "\\sub\\deep\\e.tmp"));

    // Emptied and empty subfolders go; one that keeps a file stays, and so does the
    // folder itself while it is not empty.
    auto removeSelf = Rule("[Self *]\nFileKey1=%LocalAppData%\\HmRuleTest|*.tmp|REMOVESELF\n");
    PreviewThenSolve(*removeSelf, {Base + "\\sub\\deep\\e.tmp", Base + "\\empty"});
    EXPECT_FALSE(FolderThere(Base + "\\sub") || FolderThere(Base + "\\empty"));
    EXPECT_TRUE(FileThere(Base + "\\keep\\k.txt") && FileThere(Base + "\\c.txt"));

    auto all = Rule("[All *]\nFileKey1=%LocalAppData%\\HmRuleTest|*|REMOVESELF\n");
    PreviewThenSolve(*all, {Base + "\\c.txt"});
    EXPECT_FALSE(FolderThere(Base));
}

TEST_F(Rules, WildcardsInMiddleStepsNeverEnterLinks)
{
    for (const char* name : {"User Data\\Default\\Cache\\f_1", "User Data\\Profile 1\\Cache\\f_2",
                             "User Data\\Default\\Other\\f_3", "User Data\\Linked\\Cache\\f_4", "Lonely\\Cache\\f_5"})
        Plant(Base + "\\" + name);
    static std::string linked;
    linked = Base + "\\User Data\\Linked";
    SetTreeAttributeFilter([](const std::string& path, DWORD attributes) {
        return SameAsciiText(path, linked) ? attributes | FILE_ATTRIBUTE_REPARSE_POINT : attributes;
    });
    auto caches = Rule("[Caches *]\nFileKey1=%LocalAppData%\\HmRule*\\User Data\\*\\Cache|*\n");
    PreviewThenSolve(*caches, {Base + "\\User Data\\Default\\Cache\\f_1"});
    EXPECT_FALSE(FileThere(Base + "\\User Data\\Default\\Cache\\f_1"));
    EXPECT_FALSE(FileThere(Base + "\\User Data\\Profile 1\\Cache\\f_2"));
    EXPECT_TRUE(FileThere(Base + "\\User Data\\Default\\Other\\f_3"));
    EXPECT_TRUE(FileThere(Base + "\\User Data\\Linked\\Cache\\f_4"));
    EXPECT_TRUE(FileThere(Base + "\\Lonely\\Cache\\f_5"));

    // A step that names the link literally is not entered either.
    auto through = Rule("[Through *]\nFileKey1=%LocalAppData%\\HmRuleTest\\User Data\\Linked\\Cache|*|RECURSE\n");
    EXPECT_FALSE(through->Check());
    through->Solve();
    EXPECT_TRUE(FileThere(Base + "\\User Data\\Linked\\Cache\\f_4"));
}

TEST_F(Rules, ExclusionsWinOverEveryDeletionKey)
{
    for (const char* name : {"Cache\\index.db", "Cache\\data_1", "Cache\\sub\\index.db", "Cache\\keep\\a.bin",
                             "Cache\\keep\\deep\\b.bin"})
        Plant(Base + "\\" + name);
    auto rule = Rule("[Excluding *]\n"
                     "FileKey1=%LocalAppData%\\HmRuleTest\\Cache|*|REMOVESELF\n"
                     "ExcludeKey1=FILE|%LocalAppData%\\HmRuleTest\\Cache\\|index.db\n"
                     "ExcludeKey2=PATH|%LocalAppData%\\HmRuleTest\\Cache\\keep\\|*.*\n");
    PreviewThenSolve(*rule, {Base + "\\Cache\\data_1"});
    EXPECT_TRUE(FileThere(Base + "\\Cache\\index.db"));
    EXPECT_FALSE(FileThere(Base + "\\Cache\\data_1") || FileThere(Base + "\\Cache\\sub\\index.db"));
    EXPECT_TRUE(FileThere(Base + "\\Cache\\keep\\a.bin") && FileThere(Base + "\\Cache\\keep\\deep\\b.bin"));
    EXPECT_FALSE(rule->Check());

    // An exclusion that cannot be expanded keeps its entry's file keys from running.
    auto blind = Rule("[Blind *]\nFileKey1=%LocalAppData%\\HmRuleTest\\Cache|*\n"
                      "ExcludeKey1=FILE|%NoSuchFolder%\\|index.db\n");
    EXPECT_FALSE(blind->Check());
    EXPECT_EQ(blind->Refused().size(), 2u);
}

TEST_F(Rules, RegistryKeysValuesAndExclusions)
{
    const std::string key = "Software\\HmRuleTest";
    MakeKey(HKEY_CURRENT_USER, key + "\\MRU\\Deep");
    MakeKey(HKEY_CURRENT_USER, key + "\\MRU\\Pinned");
    MakeKey(HKEY_CURRENT_USER, key + "\\Gone\\Below");
    MakeKey(HKEY_CURRENT_USER, key + "\\Neighbour");
    SetString(HKEY_CURRENT_USER, key + "\\MRU", "a", "1");
    SetString(HKEY_CURRENT_USER, key + "\\MRU", "Keep", "1");
    SetString(HKEY_CURRENT_USER, key, "Last", "C:\\x");
    SetString(HKEY_CURRENT_USER, key, "Other", "y");
    auto rule = Rule("[Registry *]\n"
                     "RegKey1=HKCU\\Software\\HmRuleTest\\MRU\n"
                     "RegKey2=HKEY_CURRENT_USER\\Software\\HmRuleTest|Last\n"
                     "RegKey3=hkcu\\Software\\HmRuleTest\\Gone\n"
                     "ExcludeKey1=REG|HKCU\\Software\\HmRuleTest\\MRU\\Pinned\n"
                     "ExcludeKey2=REG|HKCU\\Software\\HmRuleTest\\MRU|Keep\n");
    PreviewThenSolve(*rule, {});
    EXPECT_FALSE(KeyThere(HKEY_CURRENT_USER, key + "\\MRU\\Deep") || KeyThere(HKEY_CURRENT_USER, key + "\\Gone"));
    EXPECT_FALSE(ValueThere(HKEY_CURRENT_USER, key + "\\MRU", "a") || ValueThere(HKEY_CURRENT_USER, key, "Last"));
    EXPECT_TRUE(KeyThere(HKEY_CURRENT_USER, key + "\\MRU\\Pinned"));
    EXPECT_TRUE(ValueThere(HKEY_CURRENT_USER, key + "\\MRU", "Keep"));
    EXPECT_TRUE(ValueThere(HKEY_CURRENT_USER, key, "Other") && KeyThere(HKEY_CURRENT_USER, key + "\\Neighbour"));
    EXPECT_FALSE(rule->Check());
}

TEST_F(Rules, DetectionByEachKeyType)
{
    Plant(Base + "\\trace.log");
    Plant(Base + "\\App 2\\here.txt");
    MakeKey(HKEY_CURRENT_USER, "Software\\HmRuleTest\\Installed");
    const std::string deletion = "FileKey1=%LocalAppData%\\HmRuleTest|*.log\n";
    struct TCase {
        const char* Detection;
        bool Applies;
    } cases[] = {
        {"", true},
        {"Detect=HKCU\\Software\\HmRuleTest\\Installed\n", true},
        {"Detect1=HKCU\\Software\\HmRuleTest\\Missing\nDetect2=HKEY_CURRENT_USER\\Software\\HmRuleTest\n", true},
        {"Detect=HKCU\\Software\\HmRuleTest\\Missing\n", false},
        {"DetectFile=%LocalAppData%\\HmRuleTest\\App*\\here.txt\n", true},
        {"DetectFile=%LocalAppData%\\HmRuleTest\\Nothing\n", false},
        {"DetectFile=%Nothing%\\HmRuleTest\n", false},
        {"SpecialDetect=DET_THUNDERBIRD\n", false},
        {"DetectOS=5.1|5.1\n", System()->Version == 0x50001},
        {"DetectOS=6.1|\n", System()->Version >= 0x60001},
        {"DetectOS=|5.0\n", System()->Version <= 0x50000},
        {"DetectOS=5.0|\nDetect=HKCU\\Software\\HmRuleTest\\Missing\n", false},
    };
    for (const TCase& c : cases) {
        auto rule = Rule(std::string("[Detect *]\n") + c.Detection + deletion);
        EXPECT_EQ(rule->Applies(), c.Applies) << c.Detection;
        EXPECT_EQ(rule->Check(), c.Applies) << c.Detection;
    }
    CreateDirectoryA((Var("appdata") + "\\Thunderbird").c_str(), nullptr);
    EXPECT_TRUE(Rule("[Detect *]\nSpecialDetect=DET_THUNDERBIRD\n" + deletion)->Check());
    RemoveDirectoryA((Var("appdata") + "\\Thunderbird").c_str());
}

TEST_F(Rules, DescribesItself)
{
    auto rule = Rule("[Example Browser Cache *]\nLangSecRef=3029\nWarning=Sure?\nDefault=True\n"
                     "FileKey1=%Nothing%\\x|*\nFileKey2=%LocalAppData%\\Ex|*\nRegKey1=HKCU\\Software\\Ex\n");
    EXPECT_EQ(rule->Title(), "Example Browser Cache");
    EXPECT_EQ(rule->Category(), "Google Chrome");
    EXPECT_EQ(rule->CategoryIcon(), TRuleCategoryIcon::Browsers);
    EXPECT_TRUE(rule->DefaultUnchecked);
    EXPECT_TRUE(rule->Default());
    EXPECT_EQ(rule->FlagSection(), "Rule:Example Browser Cache *");
    EXPECT_EQ(rule->DeletionKeys().size(), 3u);
    ASSERT_EQ(rule->Refused().size(), 1u);
    EXPECT_EQ(rule->Refused()[0].Key, "FileKey1");
    EXPECT_EQ(rule->Refused()[0].Reason, "unknown variable %Nothing%");
    EXPECT_EQ(Rule("[Tools]\nSection=Games\n")->CategoryIcon(), TRuleCategoryIcon::Games);
}

// Hostile rules: each is refused, or harmless, and nothing outside what it names goes.
TEST_F(Rules, HostileRulesLeaveEverySentinel)
{
    const std::string profile = Var("userprofile");
    std::vector<std::string> sentinels;
    for (const std::string& folder :
         {std::string("C:"), Var("windir"), Var("windir") + "\\system32", Var("programfiles"), Var("commonprogramfiles"),
          profile, profile.substr(0, profile.rfind('\\')), Var("documents"), Var("appdata"), Var("localappdata"),
          Var("commonappdata"), Var("public"), Var("pictures")})
        for (const char* name : {"hm-sentinel.txt", "hm-sentinel.exe", "hm-sentinel.dll", "hm-sentinel.log"}) {
            if (folder.empty())
                continue;
            Plant(folder + "\\" + name);
            sentinels.push_back(folder + "\\" + name);
        }
    Plant(Var("windir") + "\\hm-sentinel-dir\\deep.txt");
    sentinels.push_back(Var("windir") + "\\hm-sentinel-dir\\deep.txt");
    Plant(Base + "\\Link\\inside.txt");
    sentinels.push_back(Base + "\\Link\\inside.txt");
    static std::string link;
    link = Base + "\\Link";
    SetTreeAttributeFilter([](const std::string& path, DWORD attributes) {
        return SameAsciiText(path, link) ? attributes | FILE_ATTRIBUTE_REPARSE_POINT : attributes;
    });
    MakeKey(HKEY_LOCAL_MACHINE, "SYSTEM\\HmSentinel");
    MakeKey(HKEY_CURRENT_USER, "Software\\HmSentinel");
    MakeKey(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\HmSentinel");

    const std::string longPath = "%LocalAppData%\\" + std::string(300, 'a');
    std::string junk;
    for (int i = 0; i < 3000; ++i) {
        char c = static_cast<char>((i * 7919 + 13) & 0xFF);
        junk += c == '\r' || c == '\n' || c == '|' ? '#' : c;  // one key, whatever its bytes
    }
    struct THostile {
        std::string Keys;
        bool Refused;  // else harmless: allowed, but it names nothing protected
    } table[] = {
        {"FileKey1=%Nothing%\\Temp|*.*", true},
        {"FileKey1=%LocalLowAppData%\\x|*.*", System()->Variables.at("locallowappdata").empty()},
        {"FileKey1=%WinDir%\\..|*.*", true},
        {"FileKey1=%WinDir%\\..\\|*.*|RECURSE", true},
        {"FileKey1=C:\\|*.*", true},
        {"FileKey1=C:|*.txt|RECURSE", true},
        {"FileKey1=%SystemDrive%|*.*", true},
        {"FileKey1=%SystemDrive%\\|hm-*|RECURSE", true},
        {"FileKey1=%WinDir%|*.*|RECURSE", true},
        {"FileKey1=%WinDir%|*.*", true},
        {"FileKey1=%WinDir%|*.exe", true},
        {"FileKey1=%WinDir%|*.ex?", true},
        {"FileKey1=%WinDir%\\System32|*.dll", true},
        {"FileKey1=%WinDir%\\SYSTEM32|*.log|REMOVESELF", true},
        {"FileKey1=%ProgramFiles%|*.txt|RECURSE", true},
        {"FileKey1=%ProgramFiles%\\*|*.*|RECURSE", true},
        {"FileKey1=%CommonProgramFiles%|*", true},
        {"FileKey1=%UserProfile%|*|REMOVESELF", true},
        {"FileKey1=%UserProfile%\\..|*.*", true},
        {"FileKey1=%UserProfile%\\*|*|RECURSE", true},
        {"FileKey1=%Documents%|*.*", true},
        {"FileKey1=%Documents%|*.log|RECURSE", true},
        {"FileKey1=%Pictures%|*", true},
        {"FileKey1=%AppData%|*|RECURSE", true},
        {"FileKey1=%LocalAppData%|*.*", true},
        {"FileKey1=%CommonAppData%|*.*|RECURSE", true},
        {"FileKey1=%Public%|*.*", true},
        {"FileKey1=C:\\*|*.*", true},
        {"FileKey1=C:\\*\\*|*.log|RECURSE", true},
        {"FileKey1=%Temp%|..\\*.*", true},
        {"FileKey1=%Temp%|sub/*.txt", true},
        {"FileKey1=Temp|*.*", true},
        {"FileKey1=\\|*.*", true},
        {"FileKey1=\\\\server\\share|*.*", true},
        {"FileKey1=" + longPath + "|*.*", true},
        {"FileKey1=%LocalAppData%\\HmRuleTest\\Link|*.*|RECURSE", false},
        {"FileKey1=%LocalAppData%\\HmRuleTest\\*\\|*.txt", false},
        {"FileKey99999999999999999999=%Temp%|*.*", true},
        {"RegKey1=HKCU\\Software", true},
        {"RegKey1=HKCU", true},
        {"RegKey1=HKLM\\SYSTEM", true},
        {"RegKey1=HKLM\\SYSTEM\\HmSentinel", true},
        {"RegKey1=HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft", true},
        {"RegKey1=HKLM\\SOFTWARE\\Microsoft\\Windows|ProgramFilesDir", true},
        {"RegKey1=XYZ\\Software\\HmSentinel", true},
        {"FileKey1=%WinDir%\\" + junk + "|*.*", true},
        {"FileKey1=%LocalAppData%\\HmRuleTest|" + std::string(10 << 20, '*'), true},
    };
    int refused = 0;
    for (const THostile& row : table) {
        SCOPED_TRACE(row.Keys.substr(0, 80));
        TIssueList issues;
        std::vector<std::string> messages;
        AddRuleIssues("[Hostile *]\n" + row.Keys + "\n", "hostile.ini", System(), issues, messages);
        ASSERT_EQ(issues.size(), 1u);
        auto& rule = static_cast<TRuleIssue&>(*issues[0]);
        EXPECT_EQ(!rule.Refused().empty(), row.Refused);
        refused += !rule.Refused().empty();
        if (rule.Check())
            rule.Solve();
        rule.Solve();
    }
    EXPECT_GE(refused, 40);
    for (const std::string& sentinel : sentinels)
        EXPECT_TRUE(FileThere(sentinel)) << sentinel;
    for (const char* key : {"SYSTEM\\HmSentinel", "SOFTWARE\\Microsoft\\HmSentinel"})
        EXPECT_TRUE(KeyThere(HKEY_LOCAL_MACHINE, key)) << key;
    EXPECT_TRUE(KeyThere(HKEY_CURRENT_USER, "Software\\HmSentinel"));
    for (const std::string& sentinel : sentinels)
        DeleteFileA(sentinel.c_str());
    DeleteRegKeyTree(HKEY_LOCAL_MACHINE, "SYSTEM\\HmSentinel");
    DeleteRegKeyTree(HKEY_CURRENT_USER, "Software\\HmSentinel");
    DeleteRegKeyTree(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\HmSentinel");
}

TEST_F(Rules, MalformedFileLeavesTheOtherIssuesAndEntries)
{
    TIssueList issues;
    std::vector<std::string> messages;
    std::string text = "garbage before any entry\n[Good *]\nFileKey1=%Temp%|hm-none.x\n[Good *]\n\x01\xff[\n"
                       "[Second]\nFileKey1=%Temp%|hm-none.y\n";
    text += std::string(1 << 20, '\xfe');
    AddRuleIssues(text, "broken.ini", System(), issues, messages);
    ASSERT_EQ(issues.size(), 2u);
    EXPECT_STREQ(issues[1]->ClassName(), "Second");
    EXPECT_GE(messages.size(), 2u);

    // A later file cannot take a name that is already there, in any letter case.
    messages.clear();
    AddRuleIssues("[second]\nFileKey1=%Temp%|x\n", "later.ini", System(), issues, messages);
    EXPECT_EQ(issues.size(), 2u);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("later.ini line 1: [second]"), std::string::npos) << messages[0];
}

TEST_F(Rules, FilesFromDiskAreReadInBlocksInTheirOrder)
{
    // The program folder's winapp2.ini, larger than the loader's 64 KB blocks, UTF-8 with
    // a byte-order mark and CR LF: its last rule lies past the first block and its name
    // must reach the ANSI code page whole. Then rules\*.ini in name order.
    std::string folder = Base + "\\Program\\";
    Plant(folder + "rules\\b.ini");
    std::string text = "\xEF\xBB\xBF";
    for (int i = 0; i < 3000; ++i)
        text += "[Hm Padding " + std::to_string(i) + " *]\r\nFileKey1=%Temp%\\hm-none-" + std::to_string(i) + "|*.tmp\r\n";
    ASSERT_GT(text.size(), 2u * 65536);
    text += "[Caf\xC3\xA9 Hm *]\r\nFileKey1=" + Base + "\\Cache|*.log\r\n";
    SaveFileReplacing(folder + "winapp2.ini", text);
    SaveFileReplacing(folder + "rules\\b.ini", "[Hm B *]\nFileKey1=%Temp%|hm-none.b\n");
    SaveFileReplacing(folder + "rules\\a.ini", "[Hm A *]\nFileKey1=%Temp%|hm-none.a\n");
    Plant(Base + "\\Cache\\old.log");
    Plant(Base + "\\Cache\\keep.txt");

    TIssueList issues;
    std::vector<std::string> messages;
    LoadRuleIssues(folder, issues, messages);
    EXPECT_TRUE(messages.empty()) << messages[0];
    ASSERT_EQ(issues.size(), 3003u);
    EXPECT_STREQ(issues[2999]->ClassName(), "Hm Padding 2999 *");
    EXPECT_STREQ(issues[3000]->ClassName(), "Caf\xE9 Hm *");
    EXPECT_STREQ(issues[3001]->ClassName(), "Hm A *");
    EXPECT_STREQ(issues[3002]->ClassName(), "Hm B *");
    auto& cafe = static_cast<TRuleIssue&>(*issues[3000]);
    PreviewThenSolve(cafe, {Base + "\\Cache\\old.log"});
    EXPECT_FALSE(FileThere(Base + "\\Cache\\old.log"));
    EXPECT_TRUE(FileThere(Base + "\\Cache\\keep.txt"));
}

}  // namespace
