#pragma once
// The command line of hushmark-cli: global options, one command, its arguments.
#include <string>
#include <vector>

struct TCommandLine {
    bool Json = false;
    bool Stats = false;  // hidden: peak working set on standard error, for the benchmarks
    bool Help = false;
    bool NoRules = false;  // --no-rules: the catalogue only
    std::string Command;  // list, scan, preview, solve, panic
    std::vector<std::string> Classes;
    bool Found = false;  // solve --found
    bool Yes = false;    // panic --yes
};

// Fills the command line; on a usage error answers false with a one-line reason.
bool ParseArguments(int argc, char** argv, TCommandLine& line, std::string& error);

extern const char* const UsageText;
