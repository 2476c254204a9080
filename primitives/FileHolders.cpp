#include "primitives/FileHolders.h"

#include "primitives/Processes.h"

#include <windows.h>
#include <restartmanager.h>

#include <vector>

namespace {

using TStart = DWORD(WINAPI*)(DWORD*, DWORD, WCHAR*);
using TRegister = DWORD(WINAPI*)(DWORD, UINT, LPCWSTR*, UINT, RM_UNIQUE_PROCESS*, UINT, LPCWSTR*);
using TGetList = DWORD(WINAPI*)(DWORD, UINT*, UINT*, RM_PROCESS_INFO*, LPDWORD);
using TEnd = DWORD(WINAPI*)(DWORD);

// rstrtmgr.dll came with Vista: looked up at run time, loaded once.
struct TRestartManager {
    TStart Start = nullptr;
    TRegister Register = nullptr;
    TGetList GetList = nullptr;
    TEnd End = nullptr;

    TRestartManager()
    {
        HMODULE module = LoadLibraryA("rstrtmgr.dll");
        if (!module)
            return;
        Start = reinterpret_cast<TStart>(reinterpret_cast<void*>(GetProcAddress(module, "RmStartSession")));
        Register = reinterpret_cast<TRegister>(reinterpret_cast<void*>(GetProcAddress(module, "RmRegisterResources")));
        GetList = reinterpret_cast<TGetList>(reinterpret_cast<void*>(GetProcAddress(module, "RmGetList")));
        End = reinterpret_cast<TEnd>(reinterpret_cast<void*>(GetProcAddress(module, "RmEndSession")));
    }
    bool Usable() const { return Start && Register && GetList && End; }
};

std::wstring Wide(const std::string& text)
{
    int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    if (length <= 0)
        return std::wstring();
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, &wide[0], length);
    wide.resize(static_cast<size_t>(length - 1));
    return wide;
}

std::string Narrow(const WCHAR* text)
{
    char buffer[CCH_RM_MAX_APP_NAME * 2 + 2] = {};
    WideCharToMultiByte(CP_ACP, 0, text, -1, buffer, sizeof buffer - 1, nullptr, nullptr);
    return buffer;
}

}  // namespace

std::string ProgramHoldingFile(const std::string& path)
{
    static const TRestartManager manager;
    if (!manager.Usable())
        return std::string();
    DWORD session = 0;
    WCHAR key[CCH_RM_SESSION_KEY + 1] = {};
    if (manager.Start(&session, 0, key) != ERROR_SUCCESS)
        return std::string();
    std::string program;
    std::wstring wide = Wide(path);
    LPCWSTR files[] = {wide.c_str()};
    if (!wide.empty() && manager.Register(session, 1, files, 0, nullptr, 0, nullptr) == ERROR_SUCCESS) {
        std::vector<RM_PROCESS_INFO> found(4);
        UINT needed = 0, count = static_cast<UINT>(found.size());
        DWORD reasons = 0;
        DWORD result = manager.GetList(session, &needed, &count, found.data(), &reasons);
        // With more holders than room, nothing is filled in: the caller says "in use".
        if (result == ERROR_SUCCESS && count > 0) {
            // The executable's name reads as the user knows the program; the
            // application name is the fallback for a process already gone.
            program = ProcessExeName(found[0].Process.dwProcessId);
            if (program.empty())
                program = Narrow(found[0].strAppName);
        }
    }
    manager.End(session);
    return program;
}
