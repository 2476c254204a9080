#pragma once
// The commands of hushmark-cli on one scanner: each fills a report and answers the
// exit code.
#include "cli/Arguments.h"
#include "cli/Progress.h"
#include "cli/Report.h"

#include "engine/PrivacyIssues.h"

#include <string>

class TScanner;

const int ExitDone = 0;
const int ExitFound = 1;
const int ExitUsage = 2;
const int ExitFiles = 3;

// Wraps every issue that the catalogue creates, and the rules of the program folder
// unless withRules is false, so that a scan run by the engine reports its progress;
// use as the scanner's creation routine. Rule files that could not be read add a line
// to messages.
void CreateIssuesWithProgress(TIssueList& allIssues, TProgress& progress, bool withRules,
                              std::vector<std::string>& messages);

struct TCommandResult {
    int ExitCode = ExitDone;
    std::string Error;  // one line for standard error, after the report
};

// Class names are checked before anything runs: an unknown one is a usage error. Known
// ones are given the catalogue's spelling.
bool CheckClassNames(const TScanner& scanner, std::vector<std::string>& names, std::string& error);

TCommandResult RunCommand(const TCommandLine& line, TScanner& scanner, TProgress& progress, TReport& report);
