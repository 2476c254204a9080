#pragma once
// Owns every issue object and info.ini; runs a scan and keeps the found list.
#include "engine/DateTime.h"
#include "engine/IniFiles32.h"
#include "engine/PrivacyIssues.h"

#include <functional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

class TOptions;

class TScanner {
public:
    using TCreateIssues = std::function<void(TIssueList&)>;

    // Opens info.ini at the path and creates the whole catalogue; the settings store
    // keeps the last scan time. The second form lets tests bring their own issues.
    TScanner(const std::string& infoPath, TOptions& options);
    TScanner(const std::string& infoPath, TOptions& options, const TCreateIssues& createIssues);
    TScanner(const TScanner&) = delete;
    TScanner& operator=(const TScanner&) = delete;

    // Resets the solved marks when more than 15 minutes passed since the last scan,
    // asks every issue's Check (guarded) and lists the unsolved found ones.
    void Scan();

    // Texts and flags of an issue by its class name: from info.ini for the catalogue,
    // from the issue itself (and its own flag section) for rules.
    std::string GetTitle(const std::string& className) const;
    std::string GetInfo(const std::string& className) const;
    int GetIcon(const std::string& className) const;
    bool GetScheduleSolve(const std::string& className) const;
    // One flag of the issue from its own info.ini section.
    int32_t ReadFlag(const TPrivacyIssue& issue, const std::string& key, int32_t fallback) const;
    void SetScheduleSolve(const std::string& className, bool value);

    TIniFile32 InfoFile;
    std::vector<TPrivacyIssue*> FoundIssues;
    TIssueList AllIssues;
    // The local time; replaced by tests that move the clock.
    std::function<TDateTime()> Clock;

private:
    const TPrivacyIssue* FindIssue(const std::string& className) const;
    std::string FlagSection(const std::string& className) const;
    bool SectionMayExist(const std::string& section) const;

    TOptions& Options;
    mutable std::unordered_map<std::string, const TPrivacyIssue*> IssueIndex;
    mutable size_t IssueIndexSize = 0;
    mutable std::unordered_set<std::string> Headers;
    mutable size_t HeaderLineCount = 0;
    mutable const void* HeaderFile = nullptr;
};

// Runs an issue operation, swallowing every error: a failed Check counts as not found.
bool GuardedCheck(TPrivacyIssue& issue);
void GuardedSolve(TPrivacyIssue& issue);
