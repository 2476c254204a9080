#include "cli/Commands.h"

#include "engine/Scanner.h"
#include "engine/ScannerInit.h"
#include "engine/ProgramFolder.h"
#include "rules/RuleIssue.h"
#include "rules/RuleLoader.h"

#include <algorithm>
#include <map>
#include <memory>
#include <windows.h>

namespace {

// The scanner whose Scan is running now: only then do the wrapped issues report.
const TScanner* ScanInProgress = nullptr;

// Forwards to the real issue; tells the progress line which issue the scan is at.
class TProgressIssue : public TPrivacyIssue {
public:
    TProgressIssue(std::unique_ptr<TPrivacyIssue> inner, int index, TProgress& progress)
        : Inner(std::move(inner)), Index(index), Progress(progress)
    {
        DefaultUnchecked = Inner->DefaultUnchecked;
    }
    bool Check() override
    {
        if (ScanInProgress)
            Progress.Step(Index, ScanInProgress->GetTitle(Inner->ClassName()));
        // The flag is set by the inner Check even when it raises afterwards.
        struct TCopyFlag {
            TProgressIssue& Self;
            ~TCopyFlag() { Self.DefaultUnchecked = Self.Inner->DefaultUnchecked; }
        } copyFlag{*this};
        return Inner->Check();
    }
    void Solve() override { Inner->Solve(); }
    const char* ClassName() const override { return Inner->ClassName(); }
    bool OwnText(TIssueText& text) const override { return Inner->OwnText(text); }
    std::string FlagSection() const override { return Inner->FlagSection(); }
    const TPrivacyIssue& Unwrapped() const override { return Inner->Unwrapped(); }

private:
    std::unique_ptr<TPrivacyIssue> Inner;
    int Index;
    TProgress& Progress;
};

// solve --found and panic leave a rule alone unless it is ticked (by its user or its
// Default) and has no warning.
bool RuleLeftToUser(const TScanner& scanner, const TPrivacyIssue& issue)
{
    const TRuleIssue* rule = AsRule(issue);
    return rule && (!rule->Warning().empty() || !RuleTicked(scanner, *rule));
}

TIssueRow RowOf(const TScanner& scanner, TPrivacyIssue& issue, int position)
{
    TIssueRow row;
    row.Position = position;
    row.ClassName = issue.ClassName();
    row.Title = scanner.GetTitle(row.ClassName);
    row.Info = scanner.GetInfo(row.ClassName);
    row.Icon = scanner.GetIcon(row.ClassName);
    row.Risky = issue.DefaultUnchecked;
    if (const TRuleIssue* rule = AsRule(issue)) {
        row.Rule = true;
        row.Source = rule->Source();
        row.Category = rule->Category();
        for (const TRuleRefusal& refusal : rule->Refused())
            row.Refused.push_back({refusal.Key, refusal.Reason});
    }
    return row;
}

std::map<TPrivacyIssue*, int> Positions(const TScanner& scanner)
{
    std::map<TPrivacyIssue*, int> positions;
    for (size_t i = 0; i < scanner.AllIssues.size(); ++i)
        positions[scanner.AllIssues[i].get()] = static_cast<int>(i) + 1;
    return positions;
}

// The named issues in catalogue order, each once; all of them when none is named.
std::vector<TPrivacyIssue*> Targets(const TScanner& scanner, const std::vector<std::string>& names)
{
    std::vector<TPrivacyIssue*> targets;
    for (auto& issue : scanner.AllIssues)
        if (names.empty() || std::find(names.begin(), names.end(), issue->ClassName()) != names.end())
            targets.push_back(issue.get());
    return targets;
}

int List(TScanner& scanner, TReport& report)
{
    int position = 0;
    for (auto& issue : scanner.AllIssues) {
        TIssueRow row = RowOf(scanner, *issue, ++position);
        row.Scheduled = scanner.GetScheduleSolve(row.ClassName);
        report.Issues.push_back(row);
    }
    return ExitDone;
}

void ScanWithProgress(TScanner& scanner, TProgress& progress)
{
    progress.Begin(static_cast<int>(scanner.AllIssues.size()));
    ScanInProgress = &scanner;
    struct TScanDone {
        ~TScanDone() { ScanInProgress = nullptr; }
    } scanDone;
    scanner.Scan();
    progress.End();
}

int Scan(TScanner& scanner, TProgress& progress, TReport& report)
{
    ScanWithProgress(scanner, progress);
    std::map<TPrivacyIssue*, int> positions = Positions(scanner);
    for (TPrivacyIssue* issue : scanner.FoundIssues) {
        report.Issues.push_back(RowOf(scanner, *issue, positions[issue]));
        if (issue->DefaultUnchecked)
            ++report.Dangerous;
    }
    return report.Issues.empty() ? ExitDone : ExitFound;
}

int Preview(TScanner& scanner, const std::vector<std::string>& names, TProgress& progress, TReport& report)
{
    std::map<TPrivacyIssue*, int> positions = Positions(scanner);
    std::vector<TPrivacyIssue*> targets = Targets(scanner, names);
    RestartRequired = false;
    progress.Begin(static_cast<int>(targets.size()));
    int index = 0;
    for (TPrivacyIssue* issue : targets) {
        progress.Step(++index, scanner.GetTitle(issue->ClassName()));
        // Check too runs in preview, so that no Check could ever change anything here.
        TPreviewScope preview;
        if (!GuardedCheck(*issue)) {
            if (!names.empty())
                report.NotFound.push_back(issue->ClassName());
            continue;
        }
        GuardedSolve(*issue);
        TIssueRow row = RowOf(scanner, *issue, positions[issue]);
        row.Effects = preview.Effects();
        report.Issues.push_back(row);
    }
    progress.End();
    report.RestartRequired = RestartRequired;
    RestartRequired = false;
    return report.Issues.empty() ? ExitDone : ExitFound;
}

// Solves one issue, recording what was really done.
TIssueRow SolveOne(TScanner& scanner, TPrivacyIssue& issue, int position)
{
    TIssueRow row = RowOf(scanner, issue, position);
    TEffectLog log;
    GuardedSolve(issue);
    row.Effects = log.Effects();
    return row;
}

TCommandResult Solve(TScanner& scanner, const TCommandLine& line, TProgress& progress, TReport& report)
{
    TCommandResult result;
    std::map<TPrivacyIssue*, int> positions = Positions(scanner);
    std::vector<TPrivacyIssue*> targets;
    if (line.Found) {
        ScanWithProgress(scanner, progress);
        for (TPrivacyIssue* issue : scanner.FoundIssues) {
            // A console cannot ask the results window's question: risky ones only by
            // name; a rule also needs its tick.
            if (issue->DefaultUnchecked || RuleLeftToUser(scanner, *issue))
                report.Skipped.push_back(issue->ClassName());
            else
                targets.push_back(issue);
        }
        // The results window solves from its last entry to its first.
        std::reverse(targets.begin(), targets.end());
    } else {
        for (TPrivacyIssue* issue : Targets(scanner, line.Classes)) {
            if (GuardedCheck(*issue))
                targets.push_back(issue);
            else
                report.NotFound.push_back(issue->ClassName());
        }
    }
    RestartRequired = false;
    progress.Begin(static_cast<int>(targets.size()));
    int index = 0;
    for (TPrivacyIssue* issue : targets) {
        progress.Step(++index, scanner.GetTitle(issue->ClassName()));
        report.Issues.push_back(SolveOne(scanner, *issue, positions[issue]));
        // As the results window: the mark hides the issue from the scans of the next
        // 15 minutes. A failed save must not stop the run half way.
        try {
            scanner.InfoFile.WriteInteger(issue->FlagSection(), "Solved", 1);
        } catch (const std::exception& error) {
            result.ExitCode = ExitFiles;
            result.Error = error.what();
        }
    }
    progress.End();
    std::sort(report.Issues.begin(), report.Issues.end(),
              [](const TIssueRow& a, const TIssueRow& b) { return a.Position < b.Position; });
    report.RestartRequired = RestartRequired;
    return result;
}

int Panic(TScanner& scanner, TProgress& progress, TReport& report)
{
    // Panic mode: every issue, risky ones included; neither the found list nor the
    // solved marks are touched.
    RestartRequired = false;
    progress.Begin(static_cast<int>(scanner.AllIssues.size()));
    int position = 0;
    for (auto& issue : scanner.AllIssues) {
        progress.Step(++position, scanner.GetTitle(issue->ClassName()));
        // Rules from files join panic only when ticked and without a warning.
        if (RuleLeftToUser(scanner, *issue))
            continue;
        if (GuardedCheck(*issue))
            report.Issues.push_back(SolveOne(scanner, *issue, position));
    }
    progress.End();
    report.RestartRequired = RestartRequired;
    return ExitDone;
}

}  // namespace

void CreateIssuesWithProgress(TIssueList& allIssues, TProgress& progress, bool withRules,
                              std::vector<std::string>& messages)
{
    TIssueList inner;
    CreateAllIssues(inner);
    if (withRules)
        LoadRuleIssues(ProgramFolder(), inner, messages);
    int index = 0;
    for (auto& issue : inner)
        allIssues.push_back(std::make_unique<TProgressIssue>(std::move(issue), ++index, progress));
}

bool CheckClassNames(const TScanner& scanner, std::vector<std::string>& names, std::string& error)
{
    for (std::string& name : names) {
        // Without regard to case, as Windows users type names; then the catalogue's spelling.
        auto known = std::find_if(scanner.AllIssues.begin(), scanner.AllIssues.end(),
                                  [&](const std::unique_ptr<TPrivacyIssue>& issue) {
                                      return lstrcmpiA(name.c_str(), issue->ClassName()) == 0;
                                  });
        if (known == scanner.AllIssues.end()) {
            error = "unknown issue class " + name + " (\"hushmark-cli list\" shows them all)";
            return false;
        }
        name = (*known)->ClassName();
    }
    return true;
}

TCommandResult RunCommand(const TCommandLine& line, TScanner& scanner, TProgress& progress, TReport& report)
{
    report.Command = line.Command;
    TCommandResult result;
    if (line.Command == "list")
        result.ExitCode = List(scanner, report);
    else if (line.Command == "scan")
        result.ExitCode = Scan(scanner, progress, report);
    else if (line.Command == "preview")
        result.ExitCode = Preview(scanner, line.Classes, progress, report);
    else if (line.Command == "solve")
        result = Solve(scanner, line, progress, report);
    else
        result.ExitCode = Panic(scanner, progress, report);
    return result;
}
