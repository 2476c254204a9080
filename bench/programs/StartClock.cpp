// The windowed program's start, timed from outside as a user sees it: from the moment
// the system made the process to its main window being visible. With --scan it then
// clicks the scan button, waits for the results window to be filled, and reports the
// program's peak working set.
//   hm-start-clock [--scan]
// Prints "start-ms N" and, with --scan, "scan-ms N" and "peak-working-set N".
#include "ui/Unit1.h"
#include "tests/ui/Driver.h"

#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

uint64_t Now100ns()
{
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    return (uint64_t(now.dwHighDateTime) << 32) | now.dwLowDateTime;
}

uint64_t CreationTime(HANDLE process)
{
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(process, &created, &exited, &kernel, &user))
        return 0;
    return (uint64_t(created.dwHighDateTime) << 32) | created.dwLowDateTime;
}

// Polled far finer than the drivers' 50 ms wait, which would round the start up.
HWND WaitVisible(DWORD process, const char* className, int milliseconds)
{
    for (int waited = 0; waited < milliseconds; waited += 2) {
        HWND window = FindWindowA(className, nullptr);
        DWORD owner = 0;
        if (window)
            GetWindowThreadProcessId(window, &owner);
        if (window && owner == process && IsWindowVisible(window))
            return window;
        Sleep(2);
    }
    return nullptr;
}

}  // namespace

int main(int argc, char** argv)
{
    bool scan = argc == 2 && std::strcmp(argv[1], "--scan") == 0;
    // Fresh settings, as a first start meets them.
    DeleteFileA((Tree + "options.ini").c_str());
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string command = "\"" + Tree + "Hushmark.exe\"";
    uint64_t asked = Now100ns();
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, Tree.c_str(), &startup, &process)) {
        std::fprintf(stderr, "hm-start-clock: Hushmark.exe did not start\n");
        return 1;
    }
    HWND main = WaitVisible(process.dwProcessId, "THushmarkMain", 60000);
    uint64_t shown = Now100ns();
    uint64_t created = CreationTime(process.hProcess);
    int rc = 0;
    if (!main) {
        std::fprintf(stderr, "hm-start-clock: no main window within a minute\n");
        rc = 1;
    } else {
        std::printf("start-ms %.1f\n", (shown - (created ? created : asked)) / 10000.0);
        std::printf("start-ms-from-create-call %.1f\n", (shown - asked) / 10000.0);
    }
    if (main && scan) {
        HWND status = GetDlgItem(main, IDC_MAIN_STATUS);
        std::string initial = Text(status);
        uint64_t clicked = Now100ns();
        PostMessageA(FindWindowExA(main, nullptr, "HmImageButton", "scan"), BM_CLICK, 0, 0);
        if (!WaitUntil([&] { return Text(status) != initial; }, 300000)) {
            std::fprintf(stderr, "hm-start-clock: the scan did not end\n");
            rc = 1;
        } else {
            std::printf("scan-ms %.1f\n", (Now100ns() - clicked) / 10000.0);
            HWND results = FindWindowA("THushmarkResults", nullptr);
            HWND output = results ? FindWindowExA(results, nullptr, "ListBox", "Output") : nullptr;
            std::printf("result-rows %ld\n", output ? long(SendMessageA(output, LB_GETCOUNT, 0, 0)) : -1L);
            Pump(500);
            PROCESS_MEMORY_COUNTERS counters{};
            counters.cb = sizeof counters;
            if (GetProcessMemoryInfo(process.hProcess, &counters, sizeof counters))
                std::printf("peak-working-set %lu\n", static_cast<unsigned long>(counters.PeakWorkingSetSize));
        }
    }
    StopProgram(process, main);
    return rc;
}
