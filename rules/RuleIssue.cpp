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

}  // namespace

TRuleIssue::TRuleIssue(TRuleEntry& entry, const std::string& source, const std::shared_ptr<TRuleShared>& shared)
    : EntryName(std::move(entry.Name)), EntrySection(std::move(entry.Section)), EntryWarning(std::move(entry.Warning)),
      LangSecRef(entry.LangSecRef), IsDefault(entry.Default), HasDetectOS(entry.HasDetectOS), OSMin(entry.OSMin),
      OSMax(entry.OSMax), Order(shared->Made++), SourceName(shared->Intern(source)), Shared(shared),
      Refusals(std::move(entry.Refused))
{
    DefaultUnchecked = !EntryWarning.empty();
    Prepare(entry.Keys);
}

void TRuleIssue::Refuse(const TRuleKey& key, const std::string& reason)
{
    Refusals.push_back({key.Name, reason, key.Line});
}

bool TRuleIssue::Expand(const TRuleKey& key, const std::string& text, std::vector<std::string>& folders)
{
    std::vector<std::string> expanded;
    std::string reason;
    if (!ExpandRuleVariables(text, Shared->System->Variables, expanded, reason)) {
        Refuse(key, reason);
        return false;
    }
    // All of the key's folders or none: one that is refused takes the others with it.
    size_t before = folders.size();
    for (const std::string& path : expanded) {
        folders.emplace_back();
        if (!NormalFolder(path, folders.back(), reason)) {
            folders.resize(before);
            Refuse(key, reason);
            return false;
        }
    }
    return true;
}

void TRuleIssue::Prepare(std::vector<TRuleKey>& keys)
{
    // Exclusions first: a deletion key whose exclusion could not be understood would
    // delete what the rule's author meant to keep, so it does not run either.
    bool fileExclusionRefused = false, regExclusionRefused = false;
    for (const TRuleKey& key : keys) {
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
    // Each list gets its size at once: thousands of rules stay in memory.
    size_t detectCount = 0, fileKeyCount = 0, regKeyCount = 0;
    for (const TRuleKey& key : keys) {
        detectCount += key.Kind == RuleKeyKind::DetectFile || key.Kind == RuleKeyKind::SpecialDetect;
        fileKeyCount += key.Kind == RuleKeyKind::FileKey;
        regKeyCount += key.Kind == RuleKeyKind::RegKey;
    }
    ShownKeys.reserve(fileKeyCount + regKeyCount);
    FileKeys.reserve(fileKeyCount);
    RegKeys.reserve(regKeyCount);
    std::vector<std::string> detectPaths, folders;
    detectPaths.reserve(detectCount);
    for (const TRuleKey& key : keys) {
        switch (key.Kind) {
        case RuleKeyKind::Detect: {
            HasDetection = true;
            std::string hive, subkey;
            if (SplitRuleHive(key.Folder, hive, subkey))
                DetectKeys.push_back(Shared->Intern(subkey.empty() ? hive : hive + "\\" + subkey));
            else
                Refuse(key, "unknown registry hive");
            break;
        }
        case RuleKeyKind::DetectFile:
            HasDetection = true;
            Expand(key, key.Folder, detectPaths);
            break;
        case RuleKeyKind::SpecialDetect:
            HasDetection = true;
            Expand(key, SpecialDetectPath(key.Value), detectPaths);
            break;
        case RuleKeyKind::FileKey: {
            if (fileExclusionRefused) {
                Refuse(key, "an exclusion of this entry was refused");
                break;
            }
            folders.clear();
            if (!Expand(key, key.Folder, folders))
                break;
            std::string reason;
            for (const std::string& folder : folders)
                if (reason.empty())
                    reason = RefuseFileKey(folder, key.Patterns, key.Recurse, Shared->System->Protected);
            if (!reason.empty()) {
                Refuse(key, reason);
                break;
            }
            const std::vector<std::string>* patterns = Shared->Intern(key.Patterns);
            for (const std::string& folder : folders)
                FileKeys.push_back(TFileKeyRun{Shared->Intern(folder), patterns, key.Recurse, key.RemoveSelf});
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
                RegKeys.push_back(TRegKeyRun{Shared->Intern(hive + "\\" + subkey), key.Value, key.HasValue});
            break;
        }
        case RuleKeyKind::ExcludeKey: break;
        }
    }
    DetectPaths.reserve(detectPaths.size());
    for (const std::string& path : detectPaths)
        DetectPaths.push_back(Shared->Intern(path));
    // Of the keys as read, only the deletion keys are shown later, by name and text.
    size_t textBytes = 0;
    for (const TRuleKey& key : keys)
        if (key.Kind == RuleKeyKind::FileKey || key.Kind == RuleKeyKind::RegKey)
            textBytes += key.Name.size() + key.Text.size();
    KeyTexts.reserve(textBytes);
    for (const TRuleKey& key : keys)
        if (key.Kind == RuleKeyKind::FileKey || key.Kind == RuleKeyKind::RegKey) {
            KeyTexts += key.Name;
            uint32_t nameEnd = static_cast<uint32_t>(KeyTexts.size());
            KeyTexts += key.Text;
            ShownKeys.push_back(TShownKey{nameEnd, static_cast<uint32_t>(KeyTexts.size()), key.Number, key.Line,
                                          key.Kind, key.Recurse, key.RemoveSelf, key.HasValue});
        }
    keys.clear();
    KeyTexts.shrink_to_fit();
    ShownKeys.shrink_to_fit();
    DetectKeys.shrink_to_fit();
    DetectPaths.shrink_to_fit();
    FileKeys.shrink_to_fit();
    RegKeys.shrink_to_fit();
    FileExclusions.shrink_to_fit();
    RegExclusions.shrink_to_fit();
    Refusals.shrink_to_fit();
}

std::string TRuleIssue::Title() const
{
    const std::string& name = EntryName;
    return name.size() > 2 && name.compare(name.size() - 2, 2, " *") == 0 ? name.substr(0, name.size() - 2) : name;
}

std::string TRuleIssue::Category() const
{
    for (const TCategory& category : Categories)
        if (category.Number == LangSecRef)
            return category.Text;
    if (!EntrySection.empty())
        return EntrySection;
    if (LangSecRef >= 3001 && LangSecRef <= 3020)
        return "Windows";
    return LangSecRef ? "Applications" : "Other";
}

TRuleCategoryIcon TRuleIssue::CategoryIcon() const
{
    for (const TCategory& category : Categories)
        if (category.Number == LangSecRef)
            return category.Icon;
    if (!EntrySection.empty())
        return IconOfText(EntrySection);
    if (LangSecRef >= 3001 && LangSecRef <= 3020)
        return TRuleCategoryIcon::Windows;
    return LangSecRef ? TRuleCategoryIcon::Applications : TRuleCategoryIcon::Other;
}

bool TRuleIssue::OwnText(TIssueText& text) const
{
    text.Title = Title();
    text.Info = Category() + " rule from " + *SourceName + (EntryWarning.empty() ? "" : ". " + EntryWarning);
    text.Icon = 11;
    return true;
}

std::vector<TRuleKey> TRuleIssue::DeletionKeys() const
{
    std::vector<TRuleKey> keys;
    uint32_t start = 0;
    for (const TShownKey& shown : ShownKeys) {
        TRuleKey key;
        key.Kind = shown.Kind;
        key.Name = KeyTexts.substr(start, shown.NameEnd - start);
        key.Text = KeyTexts.substr(shown.NameEnd, shown.TextEnd - shown.NameEnd);
        key.Line = shown.Line;
        key.Number = shown.Number;
        key.Recurse = shown.Recurse;
        key.RemoveSelf = shown.RemoveSelf;
        key.HasValue = shown.HasValue;
        keys.push_back(std::move(key));
        start = shown.TextEnd;
    }
    return keys;
}

bool TRuleIssue::AppliesHere(bool remembered) const
{
    const TRuleSystem& system = *Shared->System;
    if (HasDetectOS && (system.Version < OSMin || system.Version > OSMax))
        return false;
    if (!HasDetection)
        return true;
    TRuleLookups& lookups = Shared->Lookups;
    for (const std::string* key : DetectKeys) {
        auto exists = [&] { return RegKeyExists(*key) || (system.Wow64 && KeyExistsIn64BitView(*key)); };
        if (remembered ? lookups.Remembered("key " + *key, exists) : exists())
            return true;
    }
    return std::any_of(DetectPaths.begin(), DetectPaths.end(), [&](const std::string* path) {
        return remembered ? lookups.PathExists(*path) : RulePathExists(*path);
    });
}

bool TRuleIssue::RegKeyFinds(const TRegKeyRun& run) const
{
    if (run.HasValue)
        return !RegValueExcluded(*run.Key, run.Value, RegExclusions) && RegValueExists(*run.Key, run.Value);
    return RegKeyHasDeletable(*run.Key);
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

bool TRuleIssue::ForEachFileKeyFolder(bool remembered,
                                      const std::function<bool(const std::string&, const TFileKeyWalk&)>& visit) const
{
    TRuleLookups& lookups = Shared->Lookups;
    for (const TFileKeyRun& run : FileKeys) {
        TFileKeyWalk walk{run.Patterns, run.Recurse, run.RemoveSelf, &FileExclusions};
        std::vector<std::string> folders;
        if (remembered)
            folders = lookups.MatchFolders(*run.Folder);
        else
            MatchRuleFolders(*run.Folder, folders);
        for (const std::string& folder : folders) {
            std::string longFolder = remembered ? lookups.LongFolder(folder) : RuleLongFolder(folder);
            if (RefuseFileKey(longFolder, *run.Patterns, run.Recurse, Shared->System->Protected).empty() &&
                !visit(folder, walk))
                return false;
        }
    }
    return true;
}

bool TRuleIssue::Check()
{
    // Checks of one pass share their look-ups; a pass ends where the order starts over.
    Shared->Lookups.BeginCheck(Order);
    if (!AppliesHere(true))
        return false;
    // The walk stops at the first folder with something to delete.
    if (!ForEachFileKeyFolder(true, [](const std::string& folder, const TFileKeyWalk& walk) {
            return !FileKeyFinds(folder, walk);
        }))
        return true;
    return std::any_of(RegKeys.begin(), RegKeys.end(), [&](const TRegKeyRun& run) { return RegKeyFinds(run); });
}

void TRuleIssue::Solve()
{
    // A solve looks at the disk itself and changes it: what the pass remembered is gone.
    Shared->Lookups.Forget();
    struct TForget {
        TRuleLookups& Lookups;
        ~TForget() { Lookups.Forget(); }
    } forget{Shared->Lookups};
    if (!AppliesHere(false))
        return;
    ForEachFileKeyFolder(false, [](const std::string& folder, const TFileKeyWalk& walk) {
        FileKeyClean(folder, walk);
        return true;
    });
    for (const TRegKeyRun& run : RegKeys) {
        if (!run.HasValue)
            RegKeyClean(*run.Key);
        else if (!RegValueExcluded(*run.Key, run.Value, RegExclusions))
            DeleteRegValue(*run.Key, run.Value);
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
