#include "engine/Scanner.h"

#include "engine/Options.h"
#include "engine/ScannerInit.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

TScanner::TScanner(const std::string& infoPath, TOptions& options) : TScanner(infoPath, options, CreateAllIssues) {}

TScanner::TScanner(const std::string& infoPath, TOptions& options, const TCreateIssues& createIssues)
    : InfoFile(infoPath), Clock(Now), Options(options)
{
    createIssues(AllIssues);
}

bool GuardedCheck(TPrivacyIssue& issue)
{
    try {
        return issue.Check();
    } catch (...) {
        return false;
    }
}

void GuardedSolve(TPrivacyIssue& issue)
{
    try {
        issue.Solve();
    } catch (...) {
    }
}

void TScanner::Scan()
{
    FoundIssues.clear();
    TDateTime lastScan = Options.ReadDateTime("time", "time", 0);
    // Absolute: a clock set back also counts as time passed. Whole seconds first, so
    // that floating-point noise cannot turn 16 minutes into 15.
    int64_t elapsedSeconds = static_cast<int64_t>(std::fabs(Clock() - lastScan) * 86400.0 + 1e-6);
    int64_t elapsedMinutes = elapsedSeconds / 60;
    if (elapsedMinutes > 15) {
        // One save for the whole reset; a failed save still raises out of the scan.
        InfoFile.BeginUpdate();
        for (auto& issue : AllIssues) {
            // A rule without a mark gets none: thousands of rules must not each add a
            // section to info.ini.
            bool own = issue->FlagSection() != issue->ClassName();
            if (ReadFlag(*issue, "Solved", own ? 0 : 1) != 0)
                InfoFile.WriteInteger(issue->FlagSection(), "Solved", 0);
        }
        InfoFile.EndUpdate();
    }
    for (auto& issue : AllIssues) {
        bool solved = ReadFlag(*issue, "Solved", 0) == 1;
        if (GuardedCheck(*issue) && !solved)
            FoundIssues.push_back(issue.get());
    }
    Options.WriteDateTime("time", "time", Clock());
}

const TPrivacyIssue* TScanner::FindIssue(const std::string& className) const
{
    // Rebuilt when issues were added: rules come after the catalogue is made.
    if (IssueIndexSize != AllIssues.size()) {
        IssueIndex.clear();
        for (const auto& issue : AllIssues)
            IssueIndex.emplace(issue->ClassName(), issue.get());
        IssueIndexSize = AllIssues.size();
    }
    auto found = IssueIndex.find(className);
    return found == IssueIndex.end() ? nullptr : found->second;
}

bool TScanner::SectionMayExist(const std::string& section) const
{
    // A set of the headers, folded in ASCII, answers "absent" without a walk through
    // every line; a name beyond ASCII is left to the INI store's own comparison.
    auto fold = [](std::string text) {
        for (char& c : text)
            if (c >= 'a' && c <= 'z')
                c = static_cast<char>(c - 'a' + 'A');
        return text;
    };
    if (std::any_of(section.begin(), section.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; }))
        return true;
    const std::vector<std::string>& lines = InfoFile.Lines();
    if (HeaderLineCount != lines.size() || HeaderFile != &lines) {
        Headers.clear();
        for (const std::string& line : lines)
            if (line.size() >= 2 && line.front() == '[' && line.back() == ']')
                Headers.insert(fold(line.substr(1, line.size() - 2)));
        HeaderLineCount = lines.size();
        HeaderFile = &lines;
    }
    return Headers.count(fold(section)) != 0;
}

int32_t TScanner::ReadFlag(const TPrivacyIssue& issue, const std::string& key, int32_t fallback) const
{
    std::string section = issue.FlagSection();
    return SectionMayExist(section) ? InfoFile.ReadInteger(section, key, fallback) : fallback;
}

std::string TScanner::FlagSection(const std::string& className) const
{
    const TPrivacyIssue* issue = FindIssue(className);
    return issue ? issue->FlagSection() : className;
}

std::string TScanner::GetTitle(const std::string& className) const
{
    TIssueText text;
    const TPrivacyIssue* issue = FindIssue(className);
    if (issue && issue->OwnText(text))
        return text.Title;
    return InfoFile.ReadString(className, "Title", "");
}

std::string TScanner::GetInfo(const std::string& className) const
{
    TIssueText text;
    const TPrivacyIssue* issue = FindIssue(className);
    if (issue && issue->OwnText(text))
        return text.Info;
    return InfoFile.ReadString(className, "Info", "");
}

int TScanner::GetIcon(const std::string& className) const
{
    TIssueText text;
    const TPrivacyIssue* issue = FindIssue(className);
    if (issue && issue->OwnText(text))
        return text.Icon;
    return InfoFile.ReadInteger(className, "Icon", 11);
}

bool TScanner::GetScheduleSolve(const std::string& className) const
{
    std::string section = FlagSection(className);
    return SectionMayExist(section) && InfoFile.ReadInteger(section, "ScheduleSolve", 0) == 1;
}

void TScanner::SetScheduleSolve(const std::string& className, bool value)
{
    InfoFile.WriteInteger(FlagSection(className), "ScheduleSolve", value ? 1 : 0);
}
