// hushmark-cli: the console front end on the same engine, info.ini and options.ini
// as the windowed program.
#include "cli/Arguments.h"
#include "cli/Commands.h"
#include "cli/Progress.h"
#include "cli/Report.h"
#include "engine/Options.h"
#include "engine/ProgramFolder.h"
#include "engine/Scanner.h"

#include <cstdio>
#include <exception>
#include <string>
#include <windows.h>

namespace {

int Fail(int code, const std::string& message)
{
    std::fprintf(stderr, "hushmark-cli: %s\n", message.c_str());
    return code;
}

// A console shows the OEM code page; files and pipes get the program's ANSI text.
void WriteOut(std::string text, bool json)
{
    DWORD mode;
    if (!json && GetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), &mode) && !text.empty())
        CharToOemBuffA(&text[0], &text[0], static_cast<DWORD>(text.size()));
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fflush(stdout);
}

// Peak working set, for the benchmarks; psapi is looked up at run time, as the
// Windows 95 family lacks it.
void PrintPeakWorkingSet()
{
    struct TCounters {
        DWORD cb, PageFaultCount;
        SIZE_T PeakWorkingSetSize, WorkingSetSize, QuotaPeakPagedPoolUsage, QuotaPagedPoolUsage,
            QuotaPeakNonPagedPoolUsage, QuotaNonPagedPoolUsage, PagefileUsage, PeakPagefileUsage;
    } counters = {};
    counters.cb = sizeof counters;
    using TGetInfo = BOOL(WINAPI*)(HANDLE, TCounters*, DWORD);
    HMODULE psapi = LoadLibraryA("psapi.dll");
    auto getInfo = psapi ? reinterpret_cast<TGetInfo>(reinterpret_cast<void*>(GetProcAddress(psapi, "GetProcessMemoryInfo"))) : nullptr;
    if (getInfo && getInfo(GetCurrentProcess(), &counters, sizeof counters))
        std::fprintf(stderr, "peak working set: %lu bytes\n", static_cast<unsigned long>(counters.PeakWorkingSetSize));
    else
        std::fprintf(stderr, "peak working set: unknown\n");
}

// Runs the command on the engine. Errors outside the guards are the program folder's
// own files: info.ini that cannot be read, info.ini or options.ini that cannot be saved.
int RunEngine(TCommandLine& line)
{
    try {
        std::string folder = ProgramFolder();
        // Not loaded: loading rewrites the hot-key section, and only the scan's time
        // belongs to this program's writes.
        TOptions options(folder + "options.ini", false);
        TProgress progress(!line.Json && StandardErrorIsConsole());
        std::vector<std::string> ruleMessages;
        TScanner scanner(folder + "info.ini", options, [&](TIssueList& issues) {
            CreateIssuesWithProgress(issues, progress, !line.NoRules, ruleMessages);
        });
        for (const std::string& message : ruleMessages)
            Fail(ExitDone, message);
        std::string error;
        if (!CheckClassNames(scanner, line.Classes, error))
            return Fail(ExitUsage, error);
        TReport report;
        TCommandResult result = RunCommand(line, scanner, progress, report);
        WriteOut(line.Json ? RenderJson(report) : RenderText(report), line.Json);
        if (!result.Error.empty())
            Fail(result.ExitCode, result.Error);
        return result.ExitCode;
    } catch (const std::exception& failure) {
        return Fail(ExitFiles, failure.what());
    }
}

}  // namespace

int main(int argc, char** argv)
{
    TCommandLine line;
    std::string error;
    if (!ParseArguments(argc, argv, line, error)) {
        std::fprintf(stderr, "hushmark-cli: %s (hushmark-cli --help shows the commands)\n", error.c_str());
        return ExitUsage;
    }
    int code = ExitDone;
    if (line.Help)
        WriteOut(UsageText, false);
    else
        code = RunEngine(line);
    if (line.Stats)
        PrintPeakWorkingSet();
    return code;
}
