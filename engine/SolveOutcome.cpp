#include "engine/SolveOutcome.h"

#include "engine/Scanner.h"

#include <algorithm>
#include <exception>

namespace {

const char* Noun(EffectKind kind, bool many)
{
    switch (kind) {
    case EffectKind::RemoveFolder: return many ? "folders" : "folder";
    case EffectKind::DeleteKey:
    case EffectKind::ClearTree: return many ? "keys" : "key";
    case EffectKind::DeleteValue:
    case EffectKind::ResetValue:
    case EffectKind::WriteValue: return many ? "values" : "value";
    case EffectKind::EndProcess: return many ? "processes" : "process";
    case EffectKind::WriteIni: return many ? "settings" : "setting";
    default: return many ? "files" : "file";
    }
}

bool ReadsAsState(LeftReason reason)
{
    return reason == LeftReason::AccessDenied || reason == LeftReason::Failed;
}

// The kinds that take something away. Writes, resets and the like show in every
// preview, done or not, so they cannot tell what is left.
bool Removes(EffectKind kind)
{
    return kind == EffectKind::DeleteFile || kind == EffectKind::RemoveFolder || kind == EffectKind::DeleteKey ||
           kind == EffectKind::DeleteValue;
}

// What the Solve would still remove if run again now, beyond what is already listed.
void AddStillThere(TPrivacyIssue& issue, std::vector<TLeftItem>& left)
{
    std::vector<Effect> again;
    {
        TPreviewScope preview;
        GuardedSolve(issue);
        again = preview.Effects();
    }
    for (const Effect& effect : again) {
        if (!Removes(effect.Kind))
            continue;
        const bool listed = std::any_of(left.begin(), left.end(), [&](const TLeftItem& item) {
            return item.Path == effect.Path && item.Name == effect.Name;
        });
        if (!listed)
            left.push_back(TLeftItem{effect.Kind, effect.Path, effect.Name, LeftReason::StillThere, std::string(), 0});
    }
}

}  // namespace

const char* SolveStatusName(SolveStatus status)
{
    switch (status) {
    case SolveStatus::Solved: return "solved";
    case SolveStatus::PartlySolved: return "partly-solved";
    case SolveStatus::RestartPending: return "restart-pending";
    }
    return "solved";
}

TSolveOutcome SolveAndRecheck(TPrivacyIssue& issue)
{
    TSolveOutcome outcome;
    const bool restartBefore = RestartRequired;
    RestartRequired = false;
    {
        TEffectLog done;
        TLeftLog left;
        try {
            issue.Solve();
        } catch (const std::exception& error) {
            outcome.Error = error.what();
        } catch (...) {
            outcome.Error = "unexpected error";
        }
        outcome.Effects = done.Effects();
        outcome.Left = left.Items();
    }
    const bool restart = RestartRequired;
    {
        TPreviewScope nothingChanges;
        outcome.StillFound = GuardedCheck(issue);
    }
    // Many a Check looks at the program's install, which no Solve removes: what the
    // Solve itself would still remove tells whether its traces are left.
    if (outcome.StillFound)
        AddStillThere(issue, outcome.Left);
    RestartRequired = restartBefore || restart;
    bool failed = !outcome.Error.empty(), pending = restart;
    for (const TLeftItem& item : outcome.Left) {
        if (item.Reason == LeftReason::RestartPending)
            pending = true;
        else
            failed = true;
    }
    if (failed)
        outcome.Status = SolveStatus::PartlySolved;
    else if (pending)
        outcome.Status = SolveStatus::RestartPending;
    return outcome;
}

std::string LeftSummary(const TSolveOutcome& outcome)
{
    if (outcome.Status == SolveStatus::Solved)
        return std::string();
    // Counted by what the user would call the thing and why it stayed, in the order met.
    struct TGroup {
        std::string Noun;
        std::string Reason;
        const TLeftItem* Sample;
        int Count;
    };
    std::vector<TGroup> groups;
    for (const TLeftItem& item : outcome.Left) {
        const std::string noun = Noun(item.Kind, false), reason = LeftReasonText(item);
        auto group = std::find_if(groups.begin(), groups.end(),
                                  [&](const TGroup& each) { return each.Noun == noun && each.Reason == reason; });
        if (group == groups.end())
            groups.push_back(TGroup{noun, reason, &item, 1});
        else
            ++group->Count;
    }
    std::string text;
    for (const TGroup& group : groups) {
        if (!text.empty())
            text += "; ";
        text += std::to_string(group.Count) + " " + Noun(group.Sample->Kind, group.Count != 1) +
                (ReadsAsState(group.Sample->Reason) ? ": " : " ") + group.Reason;
    }
    if (!outcome.Error.empty())
        text += std::string(text.empty() ? "" : "; ") + "stopped: " + outcome.Error;
    if (text.empty())
        text = outcome.Status == SolveStatus::RestartPending ? "finishes at the next start of Windows"
                                                             : "still found after solving";
    return text;
}

void TSolveTally::Add(const TSolveOutcome& outcome, const std::string& title)
{
    switch (outcome.Status) {
    case SolveStatus::Solved: ++Solved; break;
    case SolveStatus::PartlySolved:
        ++PartlySolved;
        LeftLines.push_back((title.empty() ? "" : title + ": ") + LeftSummary(outcome));
        break;
    case SolveStatus::RestartPending: ++RestartPending; break;
    }
}

std::string TSolveTally::Text(size_t maxLines) const
{
    const int all = Solved + PartlySolved + RestartPending;
    std::string text = "Solved " + std::to_string(all) + (all == 1 ? " privacy leak" : " privacy leaks");
    if (PartlySolved == 0)
        text += ".";
    else
        text += ", " + std::to_string(PartlySolved) + " of them only partly. Still there:";
    for (size_t i = 0; i < LeftLines.size() && i < maxLines; ++i)
        text += "\n" + LeftLines[i];
    if (LeftLines.size() > maxLines)
        text += "\n... and " + std::to_string(LeftLines.size() - maxLines) + " more";
    if (RestartPending > 0)
        text += "\n" + std::to_string(RestartPending) + " finish when Windows next starts.";
    return text;
}
