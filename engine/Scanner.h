#pragma once
// Owns every issue object and info.ini; runs a scan and keeps the found list.
#include "engine/DateTime.h"
#include "engine/IniFiles32.h"
#include "engine/PrivacyIssues.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TOptions;

class TScanner {
public:
    using TCreateIssues = std::function<void(TIssueList&)>;

    // Opens info.ini at the path and creates the whole catalogue; the settings store
    // keeps the last scan time. The second form lets tests bring their own issues.
    // With a texts path, titles, descriptions and icons come from that info.ini, and
    // the one at infoPath keeps only the flags (settings kept apart from the program).
    TScanner(const std::string& infoPath, TOptions& options, const std::string& textsPath = std::string());
    TScanner(const std::string& infoPath, TOptions& options, const TCreateIssues& createIssues,
             const std::string& textsPath = std::string());
    TScanner(const TScanner&) = delete;
    TScanner& operator=(const TScanner&) = delete;

    // Resets the solved marks when more than 15 minutes passed since the last scan,
    // asks every issue's Check (guarded) and lists the unsolved found ones.
    void Scan();

    std::string GetTitle(const std::string& className) const;
    std::string GetInfo(const std::string& className) const;
    int GetIcon(const std::string& className) const;
    bool GetScheduleSolve(const std::string& className) const;
    void SetScheduleSolve(const std::string& className, bool value);

    TIniFile32 InfoFile;
    std::vector<TPrivacyIssue*> FoundIssues;
    TIssueList AllIssues;
    // The local time; replaced by tests that move the clock.
    std::function<TDateTime()> Clock;

private:
    const TIniFile32& Texts() const { return FTexts ? *FTexts : InfoFile; }

    std::unique_ptr<TIniFile32> FTexts;
    TOptions& Options;
};

// Runs an issue operation, swallowing every error: a failed Check counts as not found.
bool GuardedCheck(TPrivacyIssue& issue);
void GuardedSolve(TPrivacyIssue& issue);
