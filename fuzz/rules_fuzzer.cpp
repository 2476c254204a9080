// Rule file text, then a NUL and a path text. The reader answers for any input, keeps
// its bounds, and every key it keeps has the form it claims; read in blocks cut where
// the input says, it reads exactly what it reads whole; the path rules answer for any
// folder text and a folder they accept is absolute with no "." or ".." step.
#include "fuzz/FuzzInput.h"
#include "rules/RulePaths.h"
#include "rules/RuleReader.h"

#include <string>
#include <tuple>

namespace {

bool SameKeys(const TRuleKey& a, const TRuleKey& b)
{
    return std::tie(a.Kind, a.Name, a.Text, a.Line, a.Number, a.Folder, a.Patterns, a.Recurse, a.RemoveSelf, a.Scope,
                    a.Value, a.HasValue) == std::tie(b.Kind, b.Name, b.Text, b.Line, b.Number, b.Folder, b.Patterns,
                                                     b.Recurse, b.RemoveSelf, b.Scope, b.Value, b.HasValue);
}

bool SameRefusals(const std::vector<TRuleRefusal>& a, const std::vector<TRuleRefusal>& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tie(a[i].Key, a[i].Reason, a[i].Line) != std::tie(b[i].Key, b[i].Reason, b[i].Line))
            return false;
    return true;
}

bool SameReading(const TRuleFile& a, const TRuleFile& b)
{
    if (a.Utf8 != b.Utf8 || a.Entries.size() != b.Entries.size() || !SameRefusals(a.Problems, b.Problems))
        return false;
    for (size_t i = 0; i < a.Entries.size(); ++i) {
        const TRuleEntry &x = a.Entries[i], &y = b.Entries[i];
        if (std::tie(x.Name, x.Line, x.LangSecRef, x.Section, x.Warning, x.Default, x.HasDetectOS, x.OSMin, x.OSMax) !=
                std::tie(y.Name, y.Line, y.LangSecRef, y.Section, y.Warning, y.Default, y.HasDetectOS, y.OSMin, y.OSMax) ||
            x.Keys.size() != y.Keys.size() || !SameRefusals(x.Refused, y.Refused))
            return false;
        for (size_t k = 0; k < x.Keys.size(); ++k)
            if (!SameKeys(x.Keys[k], y.Keys[k]))
                return false;
    }
    return true;
}

// The text fed in blocks whose lengths come from its own bytes (1 to 16), empty ones between.
TRuleFile ReadInBlocks(const std::string& text)
{
    TRuleFile file;
    TRuleTextScan scan;
    for (size_t i = 0, n; i < text.size(); i += n) {
        n = 1 + static_cast<unsigned char>(text[i]) % 16;
        scan.Feed(std::string_view(text).substr(i, n));
    }
    file.Utf8 = scan.Utf8();
    TRuleTextReader reader(file, [&](TRuleEntry& entry) { file.Entries.push_back(std::move(entry)); }, scan.BomBytes());
    for (size_t i = 0, n; i < text.size(); i += n) {
        n = static_cast<unsigned char>(text[i]) % 17;
        if (n == 0) {
            reader.Feed(std::string_view());  // an empty block changes nothing
            n = 1;
        }
        reader.Feed(std::string_view(text).substr(i, n));
    }
    reader.Finish();
    return file;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<std::string> parts = SplitInput(data, size, 2);
    TRuleFile file = ReadRuleText(parts[0]);
    FUZZ_CHECK(SameReading(file, ReadInBlocks(parts[0])));
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
