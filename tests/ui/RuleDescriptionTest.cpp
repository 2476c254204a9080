#include <gtest/gtest.h>

#include "ui/RuleDescription.h"

namespace {

TRuleKey FileKey(const std::string& folder, std::vector<std::string> patterns, bool recurse = false,
                 bool removeSelf = false)
{
    TRuleKey key;
    key.Kind = RuleKeyKind::FileKey;
    key.Folder = folder;
    key.Patterns = std::move(patterns);
    key.Recurse = recurse;
    key.RemoveSelf = removeSelf;
    return key;
}

TRuleKey RegKey(const std::string& key, const std::string& value = "", bool hasValue = false)
{
    TRuleKey rule;
    rule.Kind = RuleKeyKind::RegKey;
    rule.Folder = key;
    rule.Value = value;
    rule.HasValue = hasValue;
    return rule;
}

}  // namespace

TEST(RuleDescription, SiblingFoldersWithTheSameFlagsReadAsOneClause)
{
    const std::string profile = "%LocalAppData%\\Google\\Chrome\\User Data\\*";
    EXPECT_EQ(DescribeRule({FileKey(profile + "\\Cache", {"*"}, false, true),
                            FileKey(profile + "\\Code Cache", {"*"}, false, true),
                            FileKey(profile + "\\GPUCache", {"*"}, false, true)},
                           ""),
              "Deletes the folders Cache, Code Cache and GPUCache in %LocalAppData%\\Google\\Chrome\\User Data\\* "
              "with everything in them.");
    // Another flag or folder starts a clause of its own.
    EXPECT_EQ(DescribeRule({FileKey("%AppData%\\Zoom\\logs", {"*.log", "*.txt"}, true),
                            FileKey("%AppData%\\vlc\\art", {"*"}, false, true), FileKey("%AppData%\\vlc", {"*.*"}, true)},
                           ""),
              "Deletes the files *.log and *.txt in %AppData%\\Zoom\\logs and its subfolders; the folder "
              "%AppData%\\vlc\\art with everything in it; everything in %AppData%\\vlc.");
}

TEST(RuleDescription, RegistryKeysAndValuesBelowOneKeyAreListedTogether)
{
    EXPECT_EQ(DescribeRule({RegKey("HKCU\\Software\\7-Zip\\FM", "FolderHistory", true),
                            RegKey("HKCU\\Software\\7-Zip\\FM", "CopyHistory", true),
                            RegKey("HKCU\\Software\\7-Zip\\FM", "", true),
                            RegKey("HKCU\\Software\\Microsoft\\Office\\16.0\\Word\\File MRU"),
                            RegKey("HKCU\\Software\\Microsoft\\Office\\16.0\\Word\\Place MRU")},
                           ""),
              "Deletes the values FolderHistory, CopyHistory and (default) of HKCU\\Software\\7-Zip\\FM; the registry "
              "keys File MRU and Place MRU of HKCU\\...\\Office\\16.0\\Word.");
}

TEST(RuleDescription, ManyNamesEndInACountAndTheWarningComesFirst)
{
    const std::string text = DescribeRule(
        {FileKey("%AppData%\\Mozilla\\Firefox\\Profiles\\*", {"a", "b", "c", "d", "e", "f", "g"})},
        "Firefox forgets your tabs.");
    EXPECT_EQ(text, "Firefox forgets your tabs. Deletes the files a, b, c, d and 3 more in "
                    "%AppData%\\Mozilla\\Firefox\\Profiles\\*.");
    EXPECT_EQ(DescribeRule({}, "Only a warning"), "Only a warning");
    EXPECT_EQ(DescribeRule({}, ""), "");
}

TEST(RuleDescription, LongTextIsCutAtAWordWithinTheLimit)
{
    std::vector<TRuleKey> keys;
    for (int i = 0; i < 40; ++i)
        keys.push_back(FileKey("%LocalAppData%\\Vendor\\Program " + std::to_string(i) + "\\Cache", {"*.tmp"}));
    for (size_t limit : {240u, 60u, 10u, 3u, 0u}) {
        SCOPED_TRACE(limit);
        const std::string text = DescribeRule(keys, "A warning that is long enough to matter here.", limit);
        EXPECT_LE(text.size(), limit);
        if (limit >= 10) {
            EXPECT_EQ(text.substr(text.size() - 3), "...");
        }
    }
}

TEST(RuleDescription, ShortPathsKeepTheirStepsAndLongOnesTheirEnds)
{
    EXPECT_EQ(ShortRulePath("%LocalAppData%\\Google\\Chrome\\User Data\\*"), "%LocalAppData%\\Google\\Chrome\\User Data\\*");
    EXPECT_EQ(ShortRulePath("%WinDir%\\ServiceProfiles\\NetworkService\\AppData\\Local\\Microsoft\\Windows\\"
                            "DeliveryOptimization\\Cache"),
              "%WinDir%\\...\\Windows\\DeliveryOptimization\\Cache");
    // Texts no reader would pass on still give an answer, never a crash.
    for (const char* odd : {"", "\\", "\\\\\\\\\\\\\\", "no steps", "a\\b\\c\\d\\e\\f\\"})
        EXPECT_NO_THROW(DescribeRule({FileKey(odd, {}), RegKey(odd, "", true), RegKey(odd)}, odd)) << odd;
}
