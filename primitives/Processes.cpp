#include "primitives/Processes.h"

#include "primitives/Effects.h"
#include "primitives/Versions.h"

#include <windows.h>
#include <tlhelp32.h>

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

// The process id of the first process, in snapshot order, whose reported executable
// name equals exeName exactly; 0 when there is none.
DWORD FirstProcessNamed(const std::string& exeName)
{
    typedef HANDLE(WINAPI * SnapshotFn)(DWORD, DWORD);
    typedef BOOL(WINAPI * WalkFn)(HANDLE, LPPROCESSENTRY32);
    auto snapshot = Kernel32<SnapshotFn>("CreateToolhelp32Snapshot");
    auto first = Kernel32<WalkFn>("Process32First");
    auto next = Kernel32<WalkFn>("Process32Next");
    if (!snapshot || !first || !next)
        return 0;
    THandle processes(snapshot(TH32CS_SNAPALL, 0));
    if (processes.Handle == INVALID_HANDLE_VALUE)
        return 0;
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = first(processes.Handle, &entry); more; more = next(processes.Handle, &entry))
        if (exeName == entry.szExeFile)
            return entry.th32ProcessID;
    return 0;
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
