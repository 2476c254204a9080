// hushmark-cli: the console front end on the same engine, info.ini and options.ini
// as the windowed program.
#include "engine/Options.h"
#include "engine/ProgramFolder.h"
#include "engine/Scanner.h"
#include "primitives/Errors.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

namespace {

const int ExitDone = 0;
const int ExitUsage = 2;
const int ExitFiles = 3;

int Usage()
{
    std::fprintf(stderr, "usage: hushmark-cli list\n");
    return ExitUsage;
}

int List(TScanner& scanner)
{
    int position = 0;
    for (auto& issue : scanner.AllIssues) {
        ++position;
        std::printf("%3d  %-40s  %s\n", position, issue->ClassName(), scanner.GetTitle(issue->ClassName()).c_str());
    }
    return ExitDone;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return Usage();
    std::string command = argv[1];
    if (command != "list")
        return Usage();
    try {
        std::string folder = ProgramFolder();
        TOptions options(folder + "options.ini");
        TScanner scanner(folder + "info.ini", options);
        return List(scanner);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "hushmark-cli: %s\n", error.what());
        return ExitFiles;
    }
}
