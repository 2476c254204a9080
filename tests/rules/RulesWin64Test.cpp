// Rules on a 64-bit Windows, where the 32-bit program runs under WOW64: %ProgramFiles%
// and %CommonProgramFiles% stand for both folders, and HKLM keys are detected in both
// registry views. Runs only in the 64-bit sandbox.
#include "primitives/Effects.h"
#include "primitives/EffectsTesting.h"
#include "primitives/Registry.h"
#include "rules/RuleIssue.h"
#include "rules/RuleLoader.h"
#include "tests/primitives/Helpers.h"
#include "tools/seeder/Seeder.h"

#include <gtest/gtest.h>

#include <set>

namespace {

const std::string Program64 = "C:\\Program Files", Program32 = "C:\\Program Files (x86)";
const std::string Common64 = Program64 + "\\Common Files", Common32 = Program32 + "\\Common Files";
const char* const TestKey = "Software\\HmRule64";

std::shared_ptr<const TRuleSystem> System()
{
    static auto system = std::make_shared<const TRuleSystem>(ReadRuleSystem());
    return system;
}

std::unique_ptr<TRuleIssue> Rule(const std::string& text)
{
    TIssueList issues;
    std::vector<std::string> messages;
    AddRuleIssues(text, "win64.ini", System(), issues, messages);
    EXPECT_EQ(issues.size(), 1u) << text;
    if (issues.size() != 1)
        return nullptr;
    return std::unique_ptr<TRuleIssue>(static_cast<TRuleIssue*>(issues[0].release()));
}

void Plant(const std::string& path)
{
    for (size_t slash = path.find('\\', 3); slash != std::string::npos; slash = path.find('\\', slash + 1))
        CreateDirectoryA(path.substr(0, slash).c_str(), nullptr);
    MakeFile(path, 10);
}

// A key of HKLM in one view: the 64-bit one, or the one this 32-bit program sees.
void MakeMachineKey(const std::string& subkey, REGSAM view)
{
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, subkey.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | view, nullptr, &key,
                              nullptr),
              ERROR_SUCCESS)
        << subkey;
    RegCloseKey(key);
}

bool MachineKeyThere(const std::string& subkey, REGSAM view)
{
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, subkey.c_str(), 0, KEY_READ | view, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

void DeleteMachineKeys()
{
    using TRegDeleteKeyEx = LONG(WINAPI*)(HKEY, const char*, REGSAM, DWORD);
    auto deleteIn = reinterpret_cast<TRegDeleteKeyEx>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("advapi32.dll"), "RegDeleteKeyExA")));
    for (REGSAM view : {KEY_WOW64_64KEY, KEY_WOW64_32KEY})
        for (const char* sub : {"\\Cache\\Deep", "\\Cache", "\\Kept", ""})
            if (deleteIn)
                deleteIn(HKEY_LOCAL_MACHINE, (std::string(TestKey) + sub).c_str(), view, 0);
}

std::set<std::string> Listed(const std::vector<Effect>& effects)
{
    std::set<std::string> listed;
    for (const Effect& effect : effects)
        listed.insert(std::string(EffectKindName(effect.Kind)) + " " + effect.Path);
    return listed;
}

class RulesWin64 : public ::testing::Test {
protected:
    void SetUp() override
    {
        RequireSandbox();
        ASSERT_TRUE(System()->Wow64) << "not the 64-bit sandbox";
        Clean();
    }
    void TearDown() override { Clean(); }
    void Clean()
    {
        for (const std::string& folder : {Program64, Program32, Common64, Common32})
            RemoveTree(folder + "\\HmRule64");
        DeleteMachineKeys();
    }
};

TEST_F(RulesWin64, ProgramFilesStandsForBothFolders)
{
    const std::vector<std::string>& programs = System()->Variables.at("programfiles");
    ASSERT_EQ(programs.size(), 2u);
    EXPECT_TRUE(SameAsciiText(programs[0], Program64)) << programs[0];
    EXPECT_TRUE(SameAsciiText(programs[1], Program32)) << programs[1];
    const std::vector<std::string>& common = System()->Variables.at("commonprogramfiles");
    ASSERT_EQ(common.size(), 2u);
    EXPECT_TRUE(SameAsciiText(common[0], Common64)) << common[0];
    EXPECT_TRUE(SameAsciiText(common[1], Common32)) << common[1];
    // Both folders are protected: a broad key on either is refused.
    for (const char* keys : {"FileKey1=%ProgramFiles%|*.log|RECURSE", "FileKey1=%CommonProgramFiles%|*.*"}) {
        auto rule = Rule(std::string("[Broad *]\n") + keys + "\n");
        EXPECT_EQ(rule->Refused().size(), 1u) << keys;
    }
}

TEST_F(RulesWin64, DetectsPreviewsAndSolvesInBothProgramFilesFolders)
{
    const std::vector<std::string> traces = {
        Program64 + "\\HmRule64\\Logs\\a.log", Program32 + "\\HmRule64\\Logs\\b.log",
        Common64 + "\\HmRule64\\Cache\\deep\\c.tmp", Common32 + "\\HmRule64\\Cache\\d.tmp"};
    const std::vector<std::string> sentinels = {
        Program64 + "\\HmRule64\\app.exe",         Program64 + "\\HmRule64\\Logs\\keep.txt",
        Program32 + "\\HmRule64\\Logs\\keep.txt",  Program32 + "\\HmRule64\\Logs\\index.log",
        Common64 + "\\HmRule64\\Cache\\keep.dat",  Common32 + "\\HmRule64\\Cache\\deep\\keep.dat"};
    for (const std::string& path : traces)
        Plant(path);
    for (const std::string& path : sentinels)
        Plant(path);
    // Detected by the program in the 64-bit folder only.
    const std::string text = "[Hm 64-bit *]\n"
                             "DetectFile=%ProgramFiles%\\HmRule64\\app.exe\n"
                             "FileKey1=%ProgramFiles%\\HmRule64\\Logs|*.log\n"
                             "FileKey2=%CommonProgramFiles%\\HmRule64\\Cache|*.tmp|RECURSE\n"
                             "ExcludeKey1=FILE|%ProgramFiles%\\HmRule64\\Logs\\|index.log\n";
    auto rule = Rule(text);
    ASSERT_TRUE(rule->Refused().empty()) << rule->Refused()[0].Reason;
    ASSERT_TRUE(rule->Applies());

    std::vector<Effect> previewed;
    {
        TPreviewScope preview;
        ASSERT_TRUE(rule->Check());
        rule->Solve();
        previewed = preview.Effects();
    }
    std::set<std::string> expected;
    for (const std::string& path : traces) {
        EXPECT_TRUE(FileThere(path)) << "gone after preview: " << path;
        expected.insert(std::string(EffectKindName(EffectKind::DeleteFile)) + " " + path);
    }
    EXPECT_EQ(Listed(previewed), expected);

    TEffectLog log;
    rule->Solve();
    EXPECT_EQ(Listed(log.Effects()), expected);
    for (const std::string& path : traces)
        EXPECT_FALSE(FileThere(path)) << path;
    for (const std::string& path : sentinels)
        EXPECT_TRUE(FileThere(path)) << path;
    EXPECT_FALSE(rule->Check());

    // Without the program in the 64-bit folder the rule does not apply, even with traces.
    Plant(traces[1]);
    DeleteFileA(sentinels[0].c_str());
    auto again = Rule(text);
    EXPECT_FALSE(again->Check());
    again->Solve();
    EXPECT_TRUE(FileThere(traces[1]));
}

TEST_F(RulesWin64, MachineKeysAreDetectedInBothViews)
{
    const std::string detect = std::string("Detect=HKLM\\") + TestKey + "\n";
    const std::string deletion = "FileKey1=%ProgramFiles%\\HmRule64\\Logs|*.log\n";
    Plant(Program32 + "\\HmRule64\\Logs\\a.log");
    EXPECT_FALSE(Rule("[Key *]\n" + detect + deletion)->Check());

    MakeMachineKey(TestKey, KEY_WOW64_64KEY);
    ASSERT_TRUE(MachineKeyThere(TestKey, KEY_WOW64_64KEY));
    ASSERT_FALSE(MachineKeyThere(TestKey, KEY_WOW64_32KEY)) << "the views are not apart in this prefix";
    EXPECT_TRUE(Rule("[Key *]\n" + detect + deletion)->Check());

    DeleteMachineKeys();
    MakeMachineKey(TestKey, KEY_WOW64_32KEY);
    EXPECT_TRUE(Rule("[Key *]\n" + detect + deletion)->Check());
}

// A rule's machine key is solved in the view where it lies: the program's own, as on a
// 32-bit Windows, or the 64-bit one that a 64-bit program wrote; the neighbour stays.
TEST_F(RulesWin64, MachineKeysAreSolvedExactlyInTheirView)
{
    const std::string cache = std::string(TestKey) + "\\Cache", kept = std::string(TestKey) + "\\Kept";
    for (REGSAM view : {KEY_WOW64_32KEY, KEY_WOW64_64KEY}) {
        SCOPED_TRACE(view == KEY_WOW64_64KEY ? "64-bit view" : "32-bit view");
        DeleteMachineKeys();
        MakeMachineKey(cache + "\\Deep", view);
        MakeMachineKey(kept, view);
        auto rule = Rule(std::string("[Machine *]\nRegKey1=HKLM\\") + cache + "\n");
        ASSERT_TRUE(rule->Refused().empty());
        std::vector<Effect> previewed;
        {
            TPreviewScope preview;
            ASSERT_TRUE(rule->Check());
            rule->Solve();
            previewed = preview.Effects();
        }
        EXPECT_TRUE(MachineKeyThere(cache + "\\Deep", view));
        TEffectLog log;
        rule->Solve();
        EXPECT_EQ(Listed(previewed), Listed(log.Effects()));
        EXPECT_FALSE(previewed.empty());
        EXPECT_FALSE(MachineKeyThere(cache, view));
        EXPECT_TRUE(MachineKeyThere(kept, view));
        EXPECT_FALSE(rule->Check());
    }
}

}  // namespace
