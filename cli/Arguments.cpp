#include "cli/Arguments.h"

const char* const UsageText =
    "usage: hushmark-cli [--json] [--no-rules] COMMAND\n"
    "  list                  every issue in catalogue order, then the rules of rule files\n"
    "  scan                  the main window's scan; lists the privacy leaks found\n"
    "  preview [CLASS...]    what solving would do; changes nothing\n"
    "  solve CLASS...        solves the named issues\n"
    "  solve --found         solves what a scan finds now, except the risky issues and unticked rules\n"
    "  panic --yes           checks and solves every issue, risky ones included (rules: ticked, no warning)\n"
    "  --no-rules            leaves out the rules of winapp2.ini and rules\\*.ini\n"
    "exit codes: 0 done, nothing found; 1 leaks found; 2 usage error; 3 program files unreadable or unwritable\n";

bool ParseArguments(int argc, char** argv, TCommandLine& line, std::string& error)
{
    int i = 1;
    for (; i < argc && argv[i][0] == '-'; ++i) {
        std::string option = argv[i];
        if (option == "--json")
            line.Json = true;
        else if (option == "--no-rules")
            line.NoRules = true;
        else if (option == "--stats")
            line.Stats = true;
        else if (option == "--help" || option == "-h" || option == "/?")
            line.Help = true;
        else {
            error = "unknown option " + option;
            return false;
        }
    }
    if (line.Help)
        return true;
    if (i >= argc) {
        error = "no command given";
        return false;
    }
    line.Command = argv[i++];
    if (line.Command == "help") {
        line.Help = true;
        return true;
    }
    if (line.Command != "list" && line.Command != "scan" && line.Command != "preview" && line.Command != "solve" &&
        line.Command != "panic") {
        error = "unknown command " + line.Command;
        return false;
    }
    for (; i < argc; ++i) {
        std::string word = argv[i];
        if (word == "--found" && line.Command == "solve")
            line.Found = true;
        else if (word == "--yes" && line.Command == "panic")
            line.Yes = true;
        else if (word == "--json")
            line.Json = true;
        else if (!word.empty() && word[0] == '-') {
            error = "unknown option " + word + " for " + line.Command;
            return false;
        } else if (line.Command == "preview" || line.Command == "solve")
            line.Classes.push_back(word);
        else {
            error = line.Command + " takes no class names";
            return false;
        }
    }
    if (line.Command == "solve" && !line.Found && line.Classes.empty()) {
        error = "solve needs class names or --found";
        return false;
    }
    if (line.Command == "solve" && line.Found && !line.Classes.empty()) {
        error = "solve takes class names or --found, not both";
        return false;
    }
    if (line.Command == "panic" && !line.Yes) {
        error = "panic solves every issue, risky ones included; run it as \"panic --yes\"";
        return false;
    }
    return true;
}
