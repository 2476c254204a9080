#include "engine/Scanner.h"

#include "engine/Options.h"
#include "engine/ScannerInit.h"

#include <cmath>
#include <cstdint>

TScanner::TScanner(const std::string& infoPath, TOptions& options, const std::string& textsPath)
    : TScanner(infoPath, options, CreateAllIssues, textsPath)
{
}

TScanner::TScanner(const std::string& infoPath, TOptions& options, const TCreateIssues& createIssues,
                   const std::string& textsPath)
    : InfoFile(infoPath), Clock(Now), Options(options)
{
    if (!textsPath.empty() && textsPath != infoPath)
        FTexts = std::make_unique<TIniFile32>(textsPath);
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
        for (auto& issue : AllIssues)
            if (InfoFile.ReadInteger(issue->ClassName(), "Solved", 1) != 0)
                InfoFile.WriteInteger(issue->ClassName(), "Solved", 0);
        InfoFile.EndUpdate();
    }
    for (auto& issue : AllIssues) {
        bool solved = InfoFile.ReadInteger(issue->ClassName(), "Solved", 0) == 1;
        if (GuardedCheck(*issue) && !solved)
            FoundIssues.push_back(issue.get());
    }
    Options.WriteDateTime("time", "time", Clock());
}

std::string TScanner::GetTitle(const std::string& className) const
{
    return Texts().ReadString(className, "Title", "");
}

std::string TScanner::GetInfo(const std::string& className) const
{
    return Texts().ReadString(className, "Info", "");
}

int TScanner::GetIcon(const std::string& className) const
{
    return Texts().ReadInteger(className, "Icon", 11);
}

bool TScanner::GetScheduleSolve(const std::string& className) const
{
    return InfoFile.ReadInteger(className, "ScheduleSolve", 0) == 1;
}

void TScanner::SetScheduleSolve(const std::string& className, bool value)
{
    InfoFile.WriteInteger(className, "ScheduleSolve", value ? 1 : 0);
}
