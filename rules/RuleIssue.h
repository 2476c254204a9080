#pragma once
// One entry of a rule file as an issue. Everything others need of a rule:
//   Name()          the section name, its class on the command line and in JSON
//   Title()         the name without a trailing " *"
//   Category(), CategoryIcon()   the category text and its kind (TRuleCategoryIcon)
//   Warning(), Default(), Source()   warning text, Default=True, the file's name
//   Refused()       every key that will never run, with its reason
//   DeletionKeys()  the FileKey and RegKey keys as read, in number order
//   FlagSection()   "Rule:" + name: its section in info.ini
// Check and Solve run only keys that passed the refusals, through the effects layer.
#include "engine/PrivacyIssues.h"
#include "rules/RuleFiles.h"
#include "rules/RuleReader.h"
#include "rules/RuleSystem.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <unordered_set>
#include <vector>

enum class TRuleCategoryIcon { Browsers, Windows, Applications, Multimedia, Utilities, Games, Internet, Other };

// What the rules of one file share: the system's folders, one copy of each text that
// many rules repeat (the file's name, folder patterns, pattern lists, registry keys),
// and the look-ups of the current pass of checks. Thousands of rules stay in memory
// for the whole run, so each keeps little more than its own texts.
struct TRuleShared {
    explicit TRuleShared(std::shared_ptr<const TRuleSystem> system) : System(std::move(system)) {}
    const std::string* Intern(const std::string& text) { return &*Texts.insert(text).first; }
    const std::vector<std::string>* Intern(const std::vector<std::string>& patterns)
    {
        return &*PatternLists.insert(patterns).first;
    }

    std::shared_ptr<const TRuleSystem> System;
    std::unordered_set<std::string> Texts;
    std::set<std::vector<std::string>> PatternLists;
    TRuleLookups Lookups;
    size_t Made = 0;  // rules made so far: the order of the next one
};

class TRuleIssue : public TPrivacyIssue {
public:
    TRuleIssue(TRuleEntry& entry, const std::string& source, const std::shared_ptr<TRuleShared>& shared);

    bool Check() override;
    void Solve() override;
    const char* ClassName() const override { return EntryName.c_str(); }
    bool OwnText(TIssueText& text) const override;
    std::string FlagSection() const override { return "Rule:" + EntryName; }

    const std::string& Name() const { return EntryName; }
    std::string Title() const;
    std::string Category() const;
    TRuleCategoryIcon CategoryIcon() const;
    const std::string& Warning() const { return EntryWarning; }
    bool Default() const { return IsDefault; }
    const std::string& Source() const { return *SourceName; }
    const std::vector<TRuleRefusal>& Refused() const { return Refusals; }
    // Name, Text (as written), Line, Number and the flags of each; the taken-apart
    // fields are not kept.
    std::vector<TRuleKey> DeletionKeys() const;
    // DetectOS and at least one detection key (when there are any) hold here.
    bool Applies() const { return AppliesHere(false); }

private:
    // One folder pattern of a file key that passed the refusals (a key whose variable
    // stands for two folders has two).
    struct TFileKeyRun {
        const std::string* Folder;
        const std::vector<std::string>* Patterns;
        bool Recurse, RemoveSelf;
    };
    struct TRegKeyRun {
        const std::string* Key;  // written-out hive
        std::string Value;
        bool HasValue;
    };
    // A deletion key as written: its name and text lie in KeyTexts, one after the other.
    struct TShownKey {
        uint32_t NameEnd, TextEnd;
        uint32_t Number;
        int32_t Line;
        RuleKeyKind Kind;
        bool Recurse, RemoveSelf, HasValue;
    };
    void Prepare(std::vector<TRuleKey>& keys);
    bool Expand(const TRuleKey& key, const std::string& text, std::vector<std::string>& folders);
    void Refuse(const TRuleKey& key, const std::string& reason);
    bool AppliesHere(bool remembered) const;
    bool RegKeyFinds(const TRegKeyRun& run) const;
    bool RegKeyHasDeletable(const std::string& key) const;
    void RegKeyClean(const std::string& key) const;
    // Calls visit for every existing folder of the file keys that may be cleaned;
    // false as soon as visit answers false. Remembered: through the pass's look-ups.
    bool ForEachFileKeyFolder(bool remembered,
                              const std::function<bool(const std::string&, const TFileKeyWalk&)>& visit) const;

    std::string EntryName;
    std::string EntrySection;  // the text category, when given
    std::string EntryWarning;
    int LangSecRef = 0;
    bool IsDefault = false;
    bool HasDetectOS = false;
    bool HasDetection = false;
    uint32_t OSMin = 0, OSMax = UINT32_MAX;
    size_t Order = 0;
    const std::string* SourceName = nullptr;
    std::shared_ptr<TRuleShared> Shared;
    std::vector<TRuleRefusal> Refusals;
    std::string KeyTexts;
    std::vector<TShownKey> ShownKeys;
    std::vector<const std::string*> DetectKeys;   // registry keys, written-out hive
    std::vector<const std::string*> DetectPaths;  // path patterns
    std::vector<TFileKeyRun> FileKeys;
    std::vector<TRegKeyRun> RegKeys;
    std::vector<TFileExclusion> FileExclusions;
    std::vector<TRegExclusion> RegExclusions;
};

// Rules start unticked unless Default=True; the user's tick is kept in info.ini.
class TScanner;
bool RuleTicked(const TScanner& scanner, const TRuleIssue& rule);
void SetRuleTicked(TScanner& scanner, const TRuleIssue& rule, bool ticked);
// The rule behind an issue, or null for a catalogue issue.
const TRuleIssue* AsRule(const TPrivacyIssue& issue);
