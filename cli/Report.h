#pragma once
// What a command found or did, apart from how it is printed (text or JSON).
#include "primitives/Effects.h"

#include <string>
#include <utility>
#include <vector>

struct TIssueRow {
    int Position = 0;  // in catalogue order, from 1
    std::string ClassName;
    std::string Title;
    std::string Info;
    int Icon = 11;
    bool Risky = false;
    bool Scheduled = false;
    std::vector<Effect> Effects;
    // Rules from files only.
    bool Rule = false;
    std::string Source;
    std::string Category;
    std::vector<std::pair<std::string, std::string>> Refused;  // key, reason
};

struct TReport {
    std::string Command;
    std::vector<TIssueRow> Issues;
    std::vector<std::string> NotFound;  // named issues whose Check was false
    std::vector<std::string> Skipped;   // risky issues that solve --found left alone
    bool RestartRequired = false;
    int Dangerous = 0;                  // found issues that are risky (scan)
};

EffectTotals ReportTotals(const TReport& report);

std::string RenderText(const TReport& report);
std::string RenderJson(const TReport& report);
