// Variables, folder forms, patterns, refusals and exclusions on texts alone, with a
// made-up system's folders.
#include "rules/RulePaths.h"

#include <gtest/gtest.h>

namespace {

TRuleVariables Variables()
{
    return {{"localappdata", {"C:\\Users\\Ann\\AppData\\Local"}},
            {"programfiles", {"C:\\Program Files", "C:\\Program Files (x86)"}},
            {"systemdrive", {"C:"}},
            {"windir", {"C:\\Windows"}},
            {"userprofile", {"C:\\Users\\Ann"}},
            {"documents", {"C:\\Users\\Ann\\Documents"}},
            {"locallowappdata", {}}};
}

TProtectedFolders Protected()
{
    TProtectedFolders folders;
    folders.System = {"C:\\Windows", "C:\\Windows\\System32", "C:\\Program Files", "C:\\Program Files (x86)",
                      "C:\\Users", "C:\\Users\\Ann"};
    folders.User = {"C:\\Users\\Ann\\Documents", "C:\\Users\\Ann\\AppData", "C:\\Users\\Ann\\AppData\\Local"};
    return folders;
}

std::string Folder(const std::string& text)
{
    std::vector<std::string> expanded;
    std::string reason, folder;
    if (!ExpandRuleVariables(text, Variables(), expanded, reason))
        return "refused: " + reason;
    if (!NormalFolder(expanded.at(0), folder, reason))
        return "refused: " + reason;
    return folder;
}

TEST(RulePaths, VariablesExpandOrRefuseTheKey)
{
    EXPECT_EQ(Folder("%LOCALAPPDATA%\\Google\\Chrome\\"), "C:\\Users\\Ann\\AppData\\Local\\Google\\Chrome");
    EXPECT_EQ(Folder("%SystemDrive%"), "C:\\");
    EXPECT_EQ(Folder("%Nothing%\\Temp"), "refused: unknown variable %Nothing%");
    EXPECT_EQ(Folder("%LocalLowAppData%\\Sun"), "refused: variable %LocalLowAppData% is empty on this system");
    EXPECT_EQ(Folder("%LocalAppData"), "refused: a lone % that starts no variable");
    std::vector<std::string> both;
    std::string reason;
    ASSERT_TRUE(ExpandRuleVariables("%ProgramFiles%\\VLC", Variables(), both, reason));
    EXPECT_EQ(both, (std::vector<std::string>{"C:\\Program Files\\VLC", "C:\\Program Files (x86)\\VLC"}));
    // Two folders a variable double the texts each time: a repeated one is refused, not
    // expanded a billion times.
    std::string repeated;
    for (int i = 0; i < 40; ++i)
        repeated += "%ProgramFiles%";
    EXPECT_EQ(Folder(repeated), "refused: its variables stand for more than 16 folders");
}

TEST(RulePaths, FolderForms)
{
    EXPECT_EQ(Folder("C:\\a\\\\b\\"), "C:\\a\\b");
    EXPECT_EQ(Folder("C:/a/b"), "C:\\a\\b");
    for (const char* bad : {"Temp\\x", "\\Temp", "C:Temp", "%WinDir%\\..\\Users", "C:\\a\\.\\b", "C:\\a\\...",
                            "\\\\server\\share", "\\\\server"})
        EXPECT_EQ(Folder(bad).compare(0, 8, "refused:"), 0) << bad;
    EXPECT_EQ(Folder("\\\\server\\share\\cache"), "\\\\server\\share\\cache");
    EXPECT_EQ(Folder("C:\\" + std::string(300, 'a')).compare(0, 8, "refused:"), 0);
}

TEST(RulePaths, PatternsMatchAsWindowsNames)
{
    EXPECT_TRUE(MatchesRulePattern("README", "*.*"));
    EXPECT_TRUE(MatchesRulePattern("data_0", "DATA_?"));
    EXPECT_TRUE(MatchesRulePattern("f_000123", "f_*"));
    EXPECT_TRUE(MatchesRulePattern("a.b.log", "*.log"));
    EXPECT_FALSE(MatchesRulePattern("a.log.txt", "*.log"));
    EXPECT_TRUE(MatchesRulePattern("[x].log", "[x]*"));  // brackets are plain letters here
    EXPECT_FALSE(MatchesRulePattern("ab", "?"));
    EXPECT_FALSE(MatchesRulePattern(std::string(5000, 'a'), std::string(2000, '*') + "b"));  // no blow-up
    for (const char* every : {"*", "*.*", "**", "*?", "?*"})
        EXPECT_TRUE(PatternMatchesEveryName(every)) << every;
    for (const char* narrow : {"*.log", "??*", "a*"})
        EXPECT_FALSE(PatternMatchesEveryName(narrow)) << narrow;
    for (const char* program : {"*.exe", "*.DLL", "*.dl?", "*.e*", "*.*s"})
        EXPECT_TRUE(PatternNamesProgramType(program)) << program;
    for (const char* other : {"setup*.exe", "*.log", "*.txt"})
        EXPECT_FALSE(PatternNamesProgramType(other)) << other;
}

TEST(RulePaths, FolderPatternsCoverParents)
{
    EXPECT_TRUE(FolderPatternCovers("C:\\*", "C:\\Windows\\System32"));
    EXPECT_TRUE(FolderPatternCovers("C:\\Win*", "C:\\Windows"));
    EXPECT_FALSE(FolderPatternCovers("C:\\Windows\\Temp", "C:\\Windows"));
    EXPECT_TRUE(FolderPatternMatches("C:\\Users\\*\\Documents", "C:\\Users\\Ann\\Documents"));
    EXPECT_FALSE(FolderPatternMatches("C:\\Users\\*", "C:\\Users\\Ann\\Documents"));
}

std::string Refusal(const std::string& folder, std::vector<std::string> patterns, bool recurse)
{
    return RefuseFileKey(folder, patterns, recurse, Protected());
}

TEST(RulePaths, ProtectedFoldersTakeOnlyNarrowKeys)
{
    // Narrow keys stay allowed in protected folders.
    EXPECT_EQ(Refusal("C:\\", {"AdwCleaner*.txt"}, false), "");
    EXPECT_EQ(Refusal("C:\\Windows", {"*.log"}, false), "");
    EXPECT_EQ(Refusal("C:\\Windows\\Temp", {"*.*"}, true), "");
    EXPECT_EQ(Refusal("C:\\Users\\Ann\\AppData\\Local\\Temp", {"*"}, true), "");
    EXPECT_EQ(Refusal("C:\\Users\\Ann\\Documents\\App", {"*"}, true), "");
    EXPECT_EQ(Refusal("C:\\Users\\Ann\\Documents", {"*.tmp"}, false), "");
    // Broad ones are refused there and in every parent.
    EXPECT_NE(Refusal("C:\\", {"*.*"}, false), "");
    EXPECT_NE(Refusal("D:\\", {"x.txt"}, true), "");
    EXPECT_NE(Refusal("C:\\Windows", {"*.log"}, true), "");
    EXPECT_NE(Refusal("C:\\Windows", {"*.tmp", "*.exe"}, false), "");
    EXPECT_NE(Refusal("C:\\Windows\\System32", {"*.dll"}, false), "");
    EXPECT_NE(Refusal("C:\\Program Files", {"*"}, false), "");
    EXPECT_NE(Refusal("C:\\Users", {"*.log"}, true), "");
    EXPECT_NE(Refusal("C:\\Users\\Ann", {"*"}, true), "");
    EXPECT_NE(Refusal("C:\\Users\\*", {"*.*"}, false), "");
    EXPECT_NE(Refusal("C:\\*", {"*.log"}, true), "");
    EXPECT_NE(Refusal("C:\\Users\\Ann\\Documents", {"*.*"}, false), "");
    EXPECT_NE(Refusal("C:\\Users\\Ann\\Documents", {"*.tmp"}, true), "");
    EXPECT_NE(Refusal("C:\\Users\\Ann\\AppData\\Local", {"*"}, false), "");
    EXPECT_NE(Refusal("C:\\Users\\Ann\\App*", {"*"}, false), "");
}

TEST(RulePaths, RegistryHivesAndRefusals)
{
    std::string hive, subkey;
    ASSERT_TRUE(SplitRuleHive("hkcu\\Software\\\\Ex\\", hive, subkey));
    EXPECT_EQ(hive, "HKEY_CURRENT_USER");
    EXPECT_EQ(subkey, "Software\\Ex");
    ASSERT_TRUE(SplitRuleHive("HKEY_LOCAL_MACHINE\\SOFTWARE\\Ex", hive, subkey));
    EXPECT_EQ(hive, "HKEY_LOCAL_MACHINE");
    EXPECT_FALSE(SplitRuleHive("HKXX\\Software", hive, subkey));
    EXPECT_FALSE(SplitRuleHive("Software\\Ex", hive, subkey));

    EXPECT_EQ(RefuseRegKey("HKEY_CURRENT_USER", "Software\\Ex\\MRU"), "");
    EXPECT_EQ(RefuseRegKey("HKEY_LOCAL_MACHINE", "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\x.exe"), "");
    for (const auto& refused : std::vector<std::pair<const char*, const char*>>{
             {"HKEY_CURRENT_USER", ""},
             {"HKEY_CURRENT_USER", "Software"},
             {"HKEY_LOCAL_MACHINE", "SYSTEM"},
             {"HKEY_LOCAL_MACHINE", "system\\CurrentControlSet\\Services"},
             {"HKEY_LOCAL_MACHINE", "SOFTWARE\\Microsoft"},
             {"HKEY_LOCAL_MACHINE", "SOFTWARE\\Microsoft\\Windows"},
             {"HKEY_CURRENT_USER", "Software\\Microsoft\\Windows\\CurrentVersion"},
             {"HKEY_USERS", ".DEFAULT\\Software"}})
        EXPECT_NE(RefuseRegKey(refused.first, refused.second), "") << refused.first << "\\" << refused.second;
}

TEST(RulePaths, ExclusionsByEveryForm)
{
    std::vector<TFileExclusion> files = {{"C:\\c", {"index.db"}, false}, {"C:\\c\\keep", {"*.*"}, true},
                                         {"C:\\p\\*\\Cache", {"*.dat"}, false}};
    EXPECT_TRUE(FileExcluded("C:\\c\\INDEX.DB", files));
    EXPECT_FALSE(FileExcluded("C:\\c\\sub\\index.db", files));  // FILE: that folder only
    EXPECT_TRUE(FileExcluded("C:\\c\\keep\\deep\\x.bin", files));
    EXPECT_FALSE(FileExcluded("C:\\c\\keeper\\x.bin", files));
    EXPECT_TRUE(FileExcluded("C:\\p\\Default\\Cache\\f.dat", files));
    EXPECT_FALSE(FileExcluded("C:\\p\\Default\\Cache\\f.tmp", files));

    std::vector<TRegExclusion> keys = {{"HKEY_CURRENT_USER\\Software\\Ex\\MRU\\Pinned", "", false},
                                       {"HKEY_CURRENT_USER\\Software\\Ex", "Keep", true}};
    EXPECT_TRUE(RegKeyExcluded("HKEY_CURRENT_USER\\Software\\Ex\\MRU\\Pinned\\a", keys));
    EXPECT_FALSE(RegKeyExcluded("HKEY_CURRENT_USER\\Software\\Ex\\MRU", keys));
    EXPECT_TRUE(RegKeyHoldsExclusion("HKEY_CURRENT_USER\\Software\\Ex\\MRU", keys));
    EXPECT_FALSE(RegKeyHoldsExclusion("HKEY_CURRENT_USER\\Software\\Ex\\MRUList", keys));
    EXPECT_TRUE(RegValueExcluded("HKEY_CURRENT_USER\\Software\\Ex", "keep", keys));
    EXPECT_FALSE(RegValueExcluded("HKEY_CURRENT_USER\\Software\\Ex", "Other", keys));
}

}  // namespace
