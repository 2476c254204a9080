#pragma once
// What one issue's Solve did and left, judged by its Check run again afterwards. Every
// solving run (results window, panic, scheduled run, console program) solves through
// SolveAndRecheck, so that they all tell the user the same thing.
#include "engine/PrivacyIssues.h"
#include "primitives/Effects.h"

#include <string>
#include <vector>

enum class SolveStatus { Solved, PartlySolved, RestartPending };

// "solved", "partly-solved", "restart-pending".
const char* SolveStatusName(SolveStatus status);

struct TSolveOutcome {
    SolveStatus Status = SolveStatus::Solved;
    std::vector<Effect> Effects;  // what was really done
    std::vector<TLeftItem> Left;  // what could not be done, and deletions at restart
    bool StillFound = false;      // the Check after the Solve
    std::string Error;            // the error that stopped the Solve, if one did
};

// Runs the Solve (errors caught), then the Check under preview, so that it can change
// nothing. Sets RestartRequired when the Solve did.
TSolveOutcome SolveAndRecheck(TPrivacyIssue& issue);

// One short line: "3 files in use by firefox.exe; 1 key: access denied". Empty when
// the issue is solved.
std::string LeftSummary(const TSolveOutcome& outcome);

// A whole run: how many outcomes had each status, and a line for each partly solved.
struct TSolveTally {
    int Solved = 0;
    int PartlySolved = 0;
    int RestartPending = 0;
    std::vector<std::string> LeftLines;  // "title: what is left"
    void Add(const TSolveOutcome& outcome, const std::string& title = std::string());
    // "Solved 5 privacy leaks, 1 of them partly." and, up to maxLines, what is left.
    std::string Text(size_t maxLines) const;
};
