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

#include <functional>
#include <memory>
#include <string>
#include <vector>

enum class TRuleCategoryIcon { Browsers, Windows, Applications, Multimedia, Utilities, Games, Internet, Other };

class TRuleIssue : public TPrivacyIssue {
public:
    TRuleIssue(TRuleEntry entry, std::string source, std::shared_ptr<const TRuleSystem> system);

    bool Check() override;
    void Solve() override;
    const char* ClassName() const override { return Entry.Name.c_str(); }
    bool OwnText(TIssueText& text) const override;
    std::string FlagSection() const override { return "Rule:" + Entry.Name; }

    const std::string& Name() const { return Entry.Name; }
    std::string Title() const;
    std::string Category() const;
    TRuleCategoryIcon CategoryIcon() const;
    const std::string& Warning() const { return Entry.Warning; }
    bool Default() const { return Entry.Default; }
    const std::string& Source() const { return SourceName; }
    const std::vector<TRuleRefusal>& Refused() const { return Entry.Refused; }
    // Name, Text (as written), Line, Number and the flags of each; the taken-apart
    // fields are not kept.
    const std::vector<TRuleKey>& DeletionKeys() const;
    // DetectOS and at least one detection key (when there are any) hold here.
    bool Applies() const;

private:
    struct TFileKeyRun {
        std::vector<std::string> Folders;  // normal folder patterns
        std::vector<std::string> Patterns;
        bool Recurse, RemoveSelf;
    };
    struct TRegKeyRun {
        std::string Key;  // written-out hive
        std::string Value;
        bool HasValue;
    };
    void Prepare();
    bool Expand(const TRuleKey& key, const std::string& text, std::vector<std::string>& folders);
    void Refuse(const TRuleKey& key, const std::string& reason);
    bool RegKeyFinds(const TRegKeyRun& run) const;
    bool RegKeyHasDeletable(const std::string& key) const;
    void RegKeyClean(const std::string& key) const;
    // Calls visit for every existing folder of the file keys that may be cleaned;
    // false as soon as visit answers false.
    bool ForEachFileKeyFolder(const std::function<bool(const std::string&, const TFileKeyWalk&)>& visit) const;

    TRuleEntry Entry;
    std::string SourceName;
    std::shared_ptr<const TRuleSystem> System;
    bool HasDetection = false;
    std::vector<std::string> DetectKeys;   // registry keys, written-out hive
    std::vector<std::string> DetectPaths;  // path patterns
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
