#include "primitives/Processes.h"

#include "primitives/Effects.h"
#include "primitives/Versions.h"

#include <windows.h>
#include <tlhelp32.h>

#include <cstring>

namespace {

class THandle {
public:
    explicit THandle(HANDLE handle = nullptr) : Handle(handle) {}
    ~THandle()
    {
        if (Handle && Handle != INVALID_HANDLE_VALUE)
            CloseHandle(Handle);
    }
    THandle(const THandle&) = delete;
    THandle& operator=(const THandle&) = delete;
    HANDLE Handle;
};

// Windows NT 4 has no Toolhelp in kernel32.
template <typename T>
T Kernel32(const char* name)
{
    return reinterpret_cast<T>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), name)));
}

// Calls visit with each process in snapshot order until it answers false.
template <typename TVisit>
void ForEachProcess(TVisit visit)
{
    typedef HANDLE(WINAPI * SnapshotFn)(DWORD, DWORD);
    typedef BOOL(WINAPI * WalkFn)(HANDLE, LPPROCESSENTRY32);
    auto snapshot = Kernel32<SnapshotFn>("CreateToolhelp32Snapshot");
    auto first = Kernel32<WalkFn>("Process32First");
    auto next = Kernel32<WalkFn>("Process32Next");
    if (!snapshot || !first || !next)
        return;
    THandle processes(snapshot(TH32CS_SNAPPROCESS, 0));
    if (processes.Handle == INVALID_HANDLE_VALUE)
        return;
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = first(processes.Handle, &entry); more; more = next(processes.Handle, &entry))
        if (!visit(entry))
            return;
}

// The process id of the first process, in snapshot order, whose reported executable
// name equals exeName exactly; 0 when there is none.
DWORD FirstProcessNamed(const std::string& exeName)
{
    DWORD id = 0;
    ForEachProcess([&](const PROCESSENTRY32& entry) {
        if (exeName == entry.szExeFile)
            id = entry.th32ProcessID;
        return id == 0;
    });
    return id;
}

// Toolhelp gives a full path on the Windows 95 family and a bare name on NT.
std::string BareName(const char* exeFile)
{
    const char* slash = strrchr(exeFile, '\\');
    return slash ? slash + 1 : exeFile;
}

// Opens the process for termination with the debug privilege enabled for the moment
// of the open, as a process of another user needs it.
HANDLE OpenWithDebugPrivilege(DWORD id)
{
    HANDLE token = nullptr;
    if (!OpenThreadToken(GetCurrentThread(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, FALSE, &token)) {
        if (GetLastError() != ERROR_NO_TOKEN ||
            !OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token))
            return nullptr;
    }
    THandle tokenHandle(token);
    TOKEN_PRIVILEGES wanted = {};
    wanted.PrivilegeCount = 1;
    wanted.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    if (!LookupPrivilegeValueA(nullptr, "SeDebugPrivilege", &wanted.Privileges[0].Luid))
        return nullptr;
    TOKEN_PRIVILEGES previous = {};
    DWORD previousSize = sizeof previous;
    if (!AdjustTokenPrivileges(token, FALSE, &wanted, sizeof previous, &previous, &previousSize))
        return nullptr;
    if (GetLastError() == ERROR_NOT_ALL_ASSIGNED) {
        SetLastError(ERROR_ACCESS_DENIED);
        return nullptr;
    }
    HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, id);
    DWORD openError = GetLastError();
    AdjustTokenPrivileges(token, FALSE, &previous, 0, nullptr, nullptr);
    SetLastError(openError);
    return process;
}

}  // namespace

bool KillProcess(const std::string& exeName)
{
    DWORD id = FirstProcessNamed(exeName);
    if (id == 0)
        return true;
    HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, id);
    if (!process) {
        if (GetLastError() != ERROR_ACCESS_DENIED)
            return false;
        if (!IsWindowsNT()) {
            SetLastError(ERROR_ACCESS_DENIED);
            return false;
        }
        process = OpenWithDebugPrivilege(id);
        if (!process)
            return false;
    }
    THandle handle(process);
    return EffectTerminateProcess(process, exeName);
}

std::string ProcessExeName(DWORD id)
{
    std::string name;
    ForEachProcess([&](const PROCESSENTRY32& entry) {
        if (entry.th32ProcessID == id)
            name = BareName(entry.szExeFile);
        return name.empty();
    });
    return name;
}

bool ProcessRunning(const std::string& exeName)
{
    bool found = false;
    ForEachProcess([&](const PROCESSENTRY32& entry) {
        found = lstrcmpiA(BareName(entry.szExeFile).c_str(), exeName.c_str()) == 0;
        return !found;
    });
    return found;
}
