#include "ui/RuleDescription.h"

namespace {

std::vector<std::string> Steps(const std::string& path)
{
    std::vector<std::string> steps;
    size_t start = 0;
    while (true) {
        size_t slash = path.find('\\', start);
        steps.push_back(path.substr(start, slash == std::string::npos ? std::string::npos : slash - start));
        if (slash == std::string::npos)
            return steps;
        start = slash + 1;
    }
}

void SplitLast(const std::string& path, std::string& parent, std::string& leaf)
{
    size_t slash = path.rfind('\\');
    parent = slash == std::string::npos ? std::string() : path.substr(0, slash);
    leaf = slash == std::string::npos ? path : path.substr(slash + 1);
}

// "a", "a and b", "a, b and c", "a, b, c, d and 5 more".
std::string List(const std::vector<std::string>& names)
{
    const size_t shown = names.size() > 5 ? 4 : names.size();
    std::string text;
    for (size_t i = 0; i < shown; ++i) {
        if (i > 0)
            text += i + 1 == shown && shown == names.size() ? " and " : ", ";
        text += names[i];
    }
    if (shown < names.size())
        text += " and " + std::to_string(names.size() - shown) + " more";
    return text;
}

bool MatchesEverything(const std::vector<std::string>& patterns)
{
    for (const std::string& pattern : patterns)
        if (pattern == "*" || pattern == "*.*")
            return true;
    return false;
}

// Consecutive keys that read as one clause: file keys on sibling folders with the same
// patterns and flags, registry keys below the same key.
struct TClause {
    const TRuleKey* First;
    std::string Parent;
    std::vector<std::string> Leaves;
};

bool SameKind(const TRuleKey& a, const TRuleKey& b)
{
    if (a.Kind != b.Kind)
        return false;
    if (a.Kind == RuleKeyKind::RegKey)
        return a.HasValue == b.HasValue;
    return a.Patterns == b.Patterns && a.Recurse == b.Recurse && a.RemoveSelf == b.RemoveSelf;
}

std::string FileClause(const TClause& clause)
{
    const TRuleKey& key = *clause.First;
    const bool many = clause.Leaves.size() > 1;
    const std::string where = many ? " in " + ShortRulePath(clause.Parent) : "";
    const std::string folders = many ? "the folders " + List(clause.Leaves) + where
                                     : ShortRulePath(clause.Parent.empty() ? clause.Leaves[0]
                                                                           : clause.Parent + "\\" + clause.Leaves[0]);
    if (MatchesEverything(key.Patterns)) {
        if (key.RemoveSelf)
            return many ? folders + " with everything in them" : "the folder " + folders + " with everything in it";
        if (key.Recurse)
            return "everything in " + folders;
        return "the files in " + folders;
    }
    const std::string files = "the files " + List(key.Patterns) + " in " + folders;
    return key.Recurse || key.RemoveSelf ? files + (many ? " and their subfolders" : " and its subfolders") : files;
}

std::string RegClause(const TClause& clause)
{
    const TRuleKey& key = *clause.First;
    if (key.HasValue)
        return (clause.Leaves.size() > 1 ? "the values " : "the value ") + List(clause.Leaves) + " of " +
               ShortRulePath(clause.Parent);
    if (clause.Leaves.size() > 1)
        return "the registry keys " + List(clause.Leaves) + " of " + ShortRulePath(clause.Parent);
    return "the registry key " + ShortRulePath(clause.Parent.empty() ? clause.Leaves[0]
                                                                     : clause.Parent + "\\" + clause.Leaves[0]);
}

std::string CutAtWord(const std::string& text, size_t maxLength)
{
    if (text.size() <= maxLength)
        return text;
    if (maxLength < 4)
        return text.substr(0, maxLength);
    const size_t room = maxLength - 3;
    size_t cut = text.find_last_of(" \\", room);
    if (cut == std::string::npos || cut < room / 2)
        cut = room;
    std::string shown = text.substr(0, cut);
    while (!shown.empty() && (shown.back() == ' ' || shown.back() == ';' || shown.back() == ','))
        shown.pop_back();
    return shown + "...";
}

}  // namespace

std::string ShortRulePath(const std::string& path)
{
    const std::vector<std::string> steps = Steps(path);
    if (steps.size() <= 5)
        return path;
    return steps[0] + "\\...\\" + steps[steps.size() - 3] + "\\" + steps[steps.size() - 2] + "\\" + steps.back();
}

std::string DescribeRule(const std::vector<TRuleKey>& deletionKeys, const std::string& warning, size_t maxLength)
{
    // The issue keeps a key as written; its parts are taken again from the text.
    std::vector<TRuleKey> keys;
    for (const TRuleKey& written : deletionKeys) {
        if (written.Kind != RuleKeyKind::FileKey && written.Kind != RuleKeyKind::RegKey)
            continue;
        keys.push_back(written);
        TRuleKey& key = keys.back();
        if (!key.Folder.empty() || key.Text.empty())
            continue;
        const std::vector<std::string> fields = SplitRuleFields(key.Text, '|');
        if (fields.empty())
            continue;
        key.Folder = fields[0];
        if (key.Kind == RuleKeyKind::RegKey) {
            key.HasValue = fields.size() > 1;
            key.Value = key.HasValue ? fields[1] : std::string();
        } else if (fields.size() > 1) {
            key.Patterns = SplitRuleFields(fields[1], ';');
        }
    }
    std::vector<TClause> clauses;
    for (const TRuleKey& key : keys) {
        std::string parent, leaf;
        if (key.Kind == RuleKeyKind::RegKey && key.HasValue) {
            parent = key.Folder;
            leaf = key.Value.empty() ? "(default)" : key.Value;
        } else {
            SplitLast(key.Folder, parent, leaf);
        }
        if (!clauses.empty() && SameKind(*clauses.back().First, key) && clauses.back().Parent == parent)
            clauses.back().Leaves.push_back(leaf);
        else
            clauses.push_back({&key, parent, {leaf}});
    }
    std::string removes;
    for (const TClause& clause : clauses) {
        removes += removes.empty() ? "Deletes " : "; ";
        removes += clause.First->Kind == RuleKeyKind::RegKey ? RegClause(clause) : FileClause(clause);
    }
    if (!removes.empty())
        removes += ".";
    std::string text = warning;
    if (!text.empty() && !removes.empty())
        text += text.back() == '.' || text.back() == '!' ? " " : ". ";
    return CutAtWord(text + removes, maxLength);
}
