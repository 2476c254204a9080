// Rule file text, then a NUL and a path text. The reader answers for any input, keeps
// its bounds, and every key it keeps has the form it claims; the path rules answer for
// any folder text and a folder they accept is absolute with no "." or ".." step.
#include "fuzz/FuzzInput.h"
#include "rules/RulePaths.h"
#include "rules/RuleReader.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<std::string> parts = SplitInput(data, size, 2);
    TRuleFile file = ReadRuleText(parts[0]);
    FUZZ_CHECK(file.Entries.size() <= MaxRuleEntries);
    for (const TRuleEntry& entry : file.Entries) {
        FUZZ_CHECK(!entry.Name.empty() && entry.Name.size() <= 255);
        FUZZ_CHECK(entry.Keys.size() <= MaxRuleKeys);
        for (const TRuleKey& key : entry.Keys) {
            FUZZ_CHECK(key.Text.size() <= MaxRuleLine);
            if (key.Kind == RuleKeyKind::FileKey) {
                FUZZ_CHECK(!key.Folder.empty() && !key.Patterns.empty());
                for (const std::string& pattern : key.Patterns)
                    FUZZ_CHECK(pattern.find_first_of("\\/") == std::string::npos);
            }
        }
    }

    static const TRuleVariables variables = {{"temp", {"C:\\Temp"}}, {"two", {"C:\\A", "D:\\B"}}, {"none", {}}};
    static const TProtectedFolders protectedFolders = [] {
        TProtectedFolders folders;
        folders.System = {"C:\\Windows", "C:\\Users\\Ann"};
        folders.User = {"C:\\Users\\Ann\\Documents"};
        SplitProtectedFolders(folders);
        return folders;
    }();
    std::string text = parts.size() > 1 ? parts[1] : parts[0].substr(0, 300);
    std::vector<std::string> expanded;
    std::string reason;
    if (!ExpandRuleVariables(text, variables, expanded, reason))
        return 0;
    for (const std::string& path : expanded) {
        std::string folder;
        if (!NormalFolder(path, folder, reason))
            continue;
        FUZZ_CHECK(folder.size() >= 3 && (folder[1] == ':' || folder.compare(0, 2, "\\\\") == 0));
        for (const std::string& step : FolderSteps(folder))
            FUZZ_CHECK(step != "." && step != "..");
        RefuseFileKey(folder, {"*.*"}, true, protectedFolders);
        MatchesRulePattern(folder, text.substr(0, 64));
        std::string hive, subkey;
        if (SplitRuleHive(path, hive, subkey))
            RefuseRegKey(hive, subkey);
    }
    return 0;
}
