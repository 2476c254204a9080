#pragma once
// Makes the rule issues: winapp2.ini in the program folder, then every *.ini in its
// rules\ folder in name order (case ignored), appended after the issues already in the
// list. Unreadable files and what the reader reported outside the entries come back
// as one line each, for standard error; they never stop the load.
#include "engine/PrivacyIssues.h"
#include "rules/RuleSystem.h"

#include <memory>
#include <string>
#include <vector>

void LoadRuleIssues(const std::string& programFolder, TIssueList& issues, std::vector<std::string>& messages);

// One file's text under its shown name; for the loader and the tests.
void AddRuleIssues(const std::string& text, const std::string& source, const std::shared_ptr<const TRuleSystem>& system,
                   TIssueList& issues, std::vector<std::string>& messages);

// The rule files of the folder, in the order they load.
std::vector<std::string> RuleFilesIn(const std::string& programFolder);

const uint64_t MaxRuleFileBytes = 32u << 20;
