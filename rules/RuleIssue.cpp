#include "rules/RuleIssue.h"

#include "engine/Scanner.h"
#include "primitives/Registry.h"
#include "rules/RuleFiles.h"

#include <windows.h>

#include <algorithm>
#include <functional>

namespace {

struct TCategory {
    int Number;
    const char* Text;
    TRuleCategoryIcon Icon;
};
const TCategory Categories[] = {
    {3001, "Internet Explorer", TRuleCategoryIcon::Browsers}, {3005, "Windows Explorer", TRuleCategoryIcon::Windows},
    {3006, "System", TRuleCategoryIcon::Windows},              {3021, "Applications", TRuleCategoryIcon::Applications},
    {3022, "Internet", TRuleCategoryIcon::Internet},           {3023, "Multimedia", TRuleCategoryIcon::Multimedia},
    {3024, "Utilities", TRuleCategoryIcon::Utilities},         {3025, "Windows", TRuleCategoryIcon::Windows},
    {3026, "Firefox", TRuleCategoryIcon::Browsers},            {3027, "Opera", TRuleCategoryIcon::Browsers},
    {3028, "Safari", TRuleCategoryIcon::Browsers},             {3029, "Google Chrome", TRuleCategoryIcon::Browsers},
    {3030, "Thunderbird", TRuleCategoryIcon::Internet},        {3031, "Windows Store", TRuleCategoryIcon::Windows},
};

// A category given as text picks its icon by the words in it.
TRuleCategoryIcon IconOfText(const std::string& text)
{
    static const struct {
        const char* Word;
        TRuleCategoryIcon Icon;
    } words[] = {
        {"game", TRuleCategoryIcon::Games},          {"browser", TRuleCategoryIcon::Browsers},
        {"chrom", TRuleCategoryIcon::Browsers},      {"firefox", TRuleCategoryIcon::Browsers},
        {"edge", TRuleCategoryIcon::Browsers},       {"opera", TRuleCategoryIcon::Browsers},
        {"media", TRuleCategoryIcon::Multimedia},    {"music", TRuleCategoryIcon::Multimedia},
        {"video", TRuleCategoryIcon::Multimedia},    {"player", TRuleCategoryIcon::Multimedia},
        {"windows", TRuleCategoryIcon::Windows},     {"system", TRuleCategoryIcon::Windows},
        {"utilit", TRuleCategoryIcon::Utilities},    {"internet", TRuleCategoryIcon::Internet},
        {"mail", TRuleCategoryIcon::Internet},       {"chat", TRuleCategoryIcon::Internet},
    };
    std::string lower = LowerAscii(text);
    for (const auto& word : words)
        if (lower.find(word.Word) != std::string::npos)
            return word.Icon;
    return TRuleCategoryIcon::Applications;
}

const char* SpecialDetectPath(const std::string& name)
{
    if (name == "DET_CHROME")
        return "%LocalAppData%\\Google\\Chrome\\User Data";
    if (name == "DET_MOZILLA")
        return "%AppData%\\Mozilla\\Firefox";
    if (name == "DET_THUNDERBIRD")
        return "%AppData%\\Thunderbird";
    return "%AppData%\\Opera*";
}

std::vector<std::string> SubKeyNames(const std::string& path)
{
    std::vector<std::string> names;
    std::string subkey = path;
    HKEY root = SplitRegPath(subkey);
    HKEY key;
    if (!root || RegOpenKeyExA(root, subkey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return names;
    char name[256];
    for (DWORD i = 0;; ++i) {
        DWORD length = sizeof name;
        if (RegEnumKeyExA(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        names.emplace_back(name, length);
    }
    RegCloseKey(key);
    return names;
}

// On 64-bit Windows the 32-bit program sees its own view of HKLM\Software; a program
// of the other kind writes to the 64-bit one.
bool KeyExistsIn64BitView(const std::string& path)
{
    std::string subkey = path;
    HKEY root = SplitRegPath(subkey);
    HKEY key;
    if (root != HKEY_LOCAL_MACHINE || RegOpenKeyExA(root, subkey.c_str(), 0, KEY_READ | 0x0100, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

// A short (8.3) step would slip past the protected-folder test: the long form decides.
std::string LongFolder(const std::string& folder)
{
    using TGetLongPathName = DWORD(WINAPI*)(const char*, char*, DWORD);
    static auto get = reinterpret_cast<TGetLongPathName>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetLongPathNameA")));
    char path[MAX_PATH] = {};
    DWORD length = get ? get(folder.c_str(), path, sizeof path) : 0;
    return length > 0 && length < sizeof path ? std::string(path, length) : folder;
}

}  // namespace

TRuleIssue::TRuleIssue(TRuleEntry entry, std::string source, std::shared_ptr<const TRuleSystem> system)
    : Entry(std::move(entry)), SourceName(std::move(source)), System(std::move(system))
{
    DefaultUnchecked = !Entry.Warning.empty();
    Prepare();
}

void TRuleIssue::Refuse(const TRuleKey& key, const std::string& reason)
{
    Entry.Refused.push_back({key.Name, reason, key.Line});
}

bool TRuleIssue::Expand(const TRuleKey& key, const std::string& text, std::vector<std::string>& folders)
{
    std::vector<std::string> expanded;
    std::string reason;
    if (!ExpandRuleVariables(text, System->Variables, expanded, reason)) {
        Refuse(key, reason);
        return false;
    }
    std::vector<std::string> normal;
    for (const std::string& path : expanded) {
        std::string folder;
        if (!NormalFolder(path, folder, reason)) {
            Refuse(key, reason);
            return false;
        }
        normal.push_back(folder);
    }
    folders.insert(folders.end(), normal.begin(), normal.end());
    return true;
}

void TRuleIssue::Prepare()
{
    // Exclusions first: a deletion key whose exclusion could not be understood would
    // delete what the rule's author meant to keep, so it does not run either.
    bool fileExclusionRefused = false, regExclusionRefused = false;
    for (const TRuleKey& key : Entry.Keys) {
        if (key.Kind != RuleKeyKind::ExcludeKey)
            continue;
        if (key.Scope == "reg") {
            TRegExclusion exclusion;
            std::string hive, subkey;
            if (!SplitRuleHive(key.Folder, hive, subkey)) {
                Refuse(key, "unknown registry hive");
                regExclusionRefused = true;
                continue;
            }
            exclusion.Key = subkey.empty() ? hive : hive + "\\" + subkey;
            exclusion.Value = key.Value;
            exclusion.HasValue = key.HasValue;
            RegExclusions.push_back(exclusion);
            continue;
        }
        std::vector<std::string> folders;
        if (!Expand(key, key.Folder, folders)) {
            fileExclusionRefused = true;
            continue;
        }
        for (const std::string& folder : folders)
            FileExclusions.push_back(TFileExclusion{folder, key.Patterns, key.Scope == "path"});
    }
    for (const TRuleKey& key : Entry.Keys) {
        switch (key.Kind) {
        case RuleKeyKind::Detect: {
            HasDetection = true;
            std::string hive, subkey;
            if (SplitRuleHive(key.Folder, hive, subkey))
                DetectKeys.push_back(subkey.empty() ? hive : hive + "\\" + subkey);
            else
                Refuse(key, "unknown registry hive");
            break;
        }
        case RuleKeyKind::DetectFile:
            HasDetection = true;
            Expand(key, key.Folder, DetectPaths);
            break;
        case RuleKeyKind::SpecialDetect:
            HasDetection = true;
            Expand(key, SpecialDetectPath(key.Value), DetectPaths);
            break;
        case RuleKeyKind::FileKey: {
            if (fileExclusionRefused) {
                Refuse(key, "an exclusion of this entry was refused");
                break;
            }
            TFileKeyRun run{{}, key.Patterns, key.Recurse, key.RemoveSelf};
            if (!Expand(key, key.Folder, run.Folders))
                break;
            std::string reason;
            for (const std::string& folder : run.Folders)
                if (reason.empty())
                    reason = RefuseFileKey(folder, key.Patterns, key.Recurse, System->Protected);
            if (!reason.empty())
                Refuse(key, reason);
            else
                FileKeys.push_back(run);
            break;
        }
        case RuleKeyKind::RegKey: {
            std::string hive, subkey;
            if (regExclusionRefused) {
                Refuse(key, "an exclusion of this entry was refused");
                break;
            }
            if (!SplitRuleHive(key.Folder, hive, subkey)) {
                Refuse(key, "unknown registry hive");
                break;
            }
            std::string reason = RefuseRegKey(hive, subkey);
            if (!reason.empty())
                Refuse(key, reason);
            else
                RegKeys.push_back(TRegKeyRun{hive + "\\" + subkey, key.Value, key.HasValue});
            break;
        }
        case RuleKeyKind::ExcludeKey: break;
        }
    }
    // Thousands of rules stay in memory: of the keys as read, only the deletion keys
    // are shown later, by name and text.
    std::vector<TRuleKey> shown;
    for (const TRuleKey& key : Entry.Keys)
        if (key.Kind == RuleKeyKind::FileKey || key.Kind == RuleKeyKind::RegKey) {
            TRuleKey slim;
            slim.Kind = key.Kind;
            slim.Name = key.Name;
            slim.Text = key.Text;
            slim.Line = key.Line;
            slim.Number = key.Number;
            slim.Recurse = key.Recurse;
            slim.RemoveSelf = key.RemoveSelf;
            slim.HasValue = key.HasValue;
            shown.push_back(std::move(slim));
        }
    Entry.Keys.swap(shown);
    Entry.Refused.shrink_to_fit();
}

std::string TRuleIssue::Title() const
{
    const std::string& name = Entry.Name;
    return name.size() > 2 && name.compare(name.size() - 2, 2, " *") == 0 ? name.substr(0, name.size() - 2) : name;
}

std::string TRuleIssue::Category() const
{
    for (const TCategory& category : Categories)
        if (category.Number == Entry.LangSecRef)
            return category.Text;
    if (!Entry.Section.empty())
        return Entry.Section;
    if (Entry.LangSecRef >= 3001 && Entry.LangSecRef <= 3020)
        return "Windows";
    return Entry.LangSecRef ? "Applications" : "Other";
}

TRuleCategoryIcon TRuleIssue::CategoryIcon() const
{
    for (const TCategory& category : Categories)
        if (category.Number == Entry.LangSecRef)
            return category.Icon;
    if (!Entry.Section.empty())
        return IconOfText(Entry.Section);
    if (Entry.LangSecRef >= 3001 && Entry.LangSecRef <= 3020)
        return TRuleCategoryIcon::Windows;
    return Entry.LangSecRef ? TRuleCategoryIcon::Applications : TRuleCategoryIcon::Other;
}

bool TRuleIssue::OwnText(TIssueText& text) const
{
    text.Title = Title();
    text.Info = Category() + " rule from " + SourceName + (Entry.Warning.empty() ? "" : ". " + Entry.Warning);
    text.Icon = 11;
    return true;
}

const std::vector<TRuleKey>& TRuleIssue::DeletionKeys() const
{
    return Entry.Keys;
}

bool TRuleIssue::Applies() const
{
    if (Entry.HasDetectOS && (System->Version < Entry.OSMin || System->Version > Entry.OSMax))
        return false;
    if (!HasDetection)
        return true;
    for (const std::string& key : DetectKeys)
        if (RegKeyExists(key) || (System->Wow64 && KeyExistsIn64BitView(key)))
            return true;
    return std::any_of(DetectPaths.begin(), DetectPaths.end(), RulePathExists);
}

bool TRuleIssue::RegKeyFinds(const TRegKeyRun& run) const
{
    if (run.HasValue)
        return !RegValueExcluded(run.Key, run.Value, RegExclusions) && RegValueExists(run.Key, run.Value);
    return RegKeyHasDeletable(run.Key);
}

bool TRuleIssue::RegKeyHasDeletable(const std::string& key) const
{
    if (RegKeyExcluded(key, RegExclusions) || !RegKeyExists(key))
        return false;
    if (!RegKeyHoldsExclusion(key, RegExclusions))
        return true;
    // The key itself stays for what is kept below it: only the rest counts.
    std::vector<std::string> values;
    FindRegValues(key, "*", values);
    for (const std::string& value : values)
        if (!RegValueExcluded(key, value, RegExclusions))
            return true;
    std::vector<std::string> subkeys = SubKeyNames(key);
    return std::any_of(subkeys.begin(), subkeys.end(),
                       [&](const std::string& name) { return RegKeyHasDeletable(key + "\\" + name); });
}

void TRuleIssue::RegKeyClean(const std::string& key) const
{
    if (RegKeyExcluded(key, RegExclusions) || !RegKeyExists(key))
        return;
    if (!RegKeyHoldsExclusion(key, RegExclusions)) {
        std::string subkey = key;
        HKEY root = SplitRegPath(subkey);
        DeleteRegKeyTree(root, subkey);
        return;
    }
    // Something below is kept: the key stays, everything else in it goes.
    std::vector<std::string> values;
    FindRegValues(key, "*", values);
    for (const std::string& value : values)
        if (!RegValueExcluded(key, value, RegExclusions))
            DeleteRegValue(key, value);
    for (const std::string& name : SubKeyNames(key))
        RegKeyClean(key + "\\" + name);
}

bool TRuleIssue::ForEachFileKeyFolder(const std::function<bool(const std::string&, const TFileKeyWalk&)>& visit) const
{
    for (const TFileKeyRun& run : FileKeys) {
        TFileKeyWalk walk{run.Patterns, run.Recurse, run.RemoveSelf, &FileExclusions};
        for (const std::string& pattern : run.Folders) {
            std::vector<std::string> folders;
            MatchRuleFolders(pattern, folders);
            for (const std::string& folder : folders)
                if (RefuseFileKey(LongFolder(folder), run.Patterns, run.Recurse, System->Protected).empty() &&
                    !visit(folder, walk))
                    return false;
        }
    }
    return true;
}

bool TRuleIssue::Check()
{
    if (!Applies())
        return false;
    // The walk stops at the first folder with something to delete.
    if (!ForEachFileKeyFolder([](const std::string& folder, const TFileKeyWalk& walk) { return !FileKeyFinds(folder, walk); }))
        return true;
    return std::any_of(RegKeys.begin(), RegKeys.end(), [&](const TRegKeyRun& run) { return RegKeyFinds(run); });
}

void TRuleIssue::Solve()
{
    if (!Applies())
        return;
    ForEachFileKeyFolder([](const std::string& folder, const TFileKeyWalk& walk) {
        FileKeyClean(folder, walk);
        return true;
    });
    for (const TRegKeyRun& run : RegKeys) {
        if (!run.HasValue)
            RegKeyClean(run.Key);
        else if (!RegValueExcluded(run.Key, run.Value, RegExclusions))
            DeleteRegValue(run.Key, run.Value);
    }
}

bool RuleTicked(const TScanner& scanner, const TRuleIssue& rule)
{
    return scanner.ReadFlag(rule, "Ticked", rule.Default() ? 1 : 0) == 1;
}

void SetRuleTicked(TScanner& scanner, const TRuleIssue& rule, bool ticked)
{
    scanner.InfoFile.WriteInteger(rule.FlagSection(), "Ticked", ticked ? 1 : 0);
}

const TRuleIssue* AsRule(const TPrivacyIssue& issue)
{
    return dynamic_cast<const TRuleIssue*>(&issue.Unwrapped());
}
