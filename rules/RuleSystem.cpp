#include "rules/RuleSystem.h"

#include "primitives/SpecialFolders.h"

#include <shlobj.h>
#include <windows.h>

namespace {

// Known folders exist from Vista on; older systems answer empty text.
std::string KnownFolder(const GUID& id)
{
    using TGetKnownFolderPath = HRESULT(WINAPI*)(const GUID&, DWORD, HANDLE, wchar_t**);
    HMODULE shell = GetModuleHandleA("shell32.dll");
    auto get = shell ? reinterpret_cast<TGetKnownFolderPath>(
                           reinterpret_cast<void*>(GetProcAddress(shell, "SHGetKnownFolderPath")))
                     : nullptr;
    wchar_t* wide = nullptr;
    if (!get || FAILED(get(id, 0, nullptr, &wide)) || !wide)
        return std::string();
    char path[MAX_PATH] = {};
    BOOL lost = FALSE;
    int length = WideCharToMultiByte(CP_ACP, 0, wide, -1, path, sizeof path, nullptr, &lost);
    CoTaskMemFree(wide);
    return length > 1 && !lost ? std::string(path) : std::string();
}

std::string Environment(const char* name)
{
    char value[MAX_PATH] = {};
    DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
    return length > 0 && length < sizeof value ? std::string(value, length) : std::string();
}

std::string Parent(const std::string& folder)
{
    size_t slash = folder.rfind('\\');
    return slash == std::string::npos || slash < 3 ? std::string() : folder.substr(0, slash);
}

bool RunsUnderWow64()
{
    using TIsWow64Process = BOOL(WINAPI*)(HANDLE, BOOL*);
    auto isWow64 = reinterpret_cast<TIsWow64Process>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "IsWow64Process")));
    BOOL wow64 = FALSE;
    return isWow64 && isWow64(GetCurrentProcess(), &wow64) && wow64;
}

void Add(std::vector<std::string>& list, const std::string& folder)
{
    std::string normal, reason;
    if (folder.empty() || !NormalFolder(folder, normal, reason))
        return;
    for (const std::string& known : list)
        if (SameAsciiText(known, normal))
            return;
    list.push_back(normal);
}

}  // namespace

TRuleSystem ReadRuleSystem()
{
    static const GUID LocalAppDataLow = {0xA520A1A4, 0x1780, 0x4FF6, {0xBD, 0x18, 0x16, 0x73, 0x43, 0xC5, 0xAF, 0x16}};
    static const GUID Downloads = {0x374DE290, 0x123F, 0x4565, {0x91, 0x64, 0x39, 0xC4, 0x92, 0x5E, 0x46, 0x7B}};
    TRuleSystem system;
    std::string windows = GetWindowsFolder();
    std::string profile = GetShellFolder(CSIDL_PROFILE);
    if (profile.empty())
        profile = GetProfileFolder();
    std::string commonAppData = GetCommonAppDataFolder();
    std::string temp = GetTempFolder();
    system.Wow64 = RunsUnderWow64();
    // Under WOW64 the registry answers the 32-bit folders; the 64-bit ones are in the
    // environment of every process.
    std::vector<std::string> programFiles, commonFiles;
    Add(programFiles, system.Wow64 ? Environment("ProgramW6432") : "");
    Add(programFiles, GetProgramFilesFolder());
    Add(commonFiles, system.Wow64 ? Environment("CommonProgramW6432") : "");
    Add(commonFiles, GetCommonFilesFolder());

    auto set = [&](const char* name, const std::string& folder) { Add(system.Variables[name], folder); };
    set("appdata", GetAppDataFolder());
    set("localappdata", GetShellFolder(CSIDL_LOCAL_APPDATA));
    set("locallowappdata", KnownFolder(LocalAppDataLow));
    set("userprofile", profile);
    set("documents", GetPersonalFolder());
    set("music", GetShellFolder(CSIDL_MYMUSIC));
    set("pictures", GetShellFolder(CSIDL_MYPICTURES));
    set("video", GetShellFolder(CSIDL_MYVIDEO));
    set("public", Parent(GetShellFolder(CSIDL_COMMON_DOCUMENTS)));
    system.Variables["programfiles"] = programFiles;
    system.Variables["commonprogramfiles"] = commonFiles;
    set("programdata", commonAppData);
    set("commonappdata", commonAppData);
    set("windir", windows);
    set("systemroot", windows);
    set("systemdrive", windows.size() >= 2 ? windows.substr(0, 2) : "");
    set("temp", temp);
    set("tmp", temp);
    set("homedrive", profile.size() >= 2 ? profile.substr(0, 2) : "");

    std::vector<std::string>& guarded = system.Protected.System;
    Add(guarded, windows);
    for (const char* sub : {"\\System", "\\System32", "\\SysWOW64", "\\Sysnative", "\\WinSxS", "\\Fonts", "\\inf"})
        Add(guarded, windows.empty() ? "" : windows + sub);
    for (const std::string& folder : programFiles)
        Add(guarded, folder);
    for (const std::string& folder : commonFiles)
        Add(guarded, folder);
    Add(guarded, profile);
    Add(guarded, Parent(profile));
    Add(guarded, system.Variables["public"].empty() ? "" : system.Variables["public"][0]);

    std::vector<std::string>& user = system.Protected.User;
    std::string downloads = KnownFolder(Downloads);
    for (const std::string& folder :
         {GetPersonalFolder(), GetShellFolder(CSIDL_DESKTOPDIRECTORY), GetShellFolder(CSIDL_MYPICTURES),
          GetShellFolder(CSIDL_MYMUSIC), GetShellFolder(CSIDL_MYVIDEO), downloads.empty() && !profile.empty() ? profile + "\\Downloads" : downloads,
          GetFavoritesFolder(), GetAppDataFolder(), GetShellFolder(CSIDL_LOCAL_APPDATA), KnownFolder(LocalAppDataLow),
          commonAppData}) {
        // The steps between the profile and a user folder ("Local Settings" on XP)
        // are as much the user's as the folder itself.
        for (std::string step = folder; !step.empty(); step = Parent(step)) {
            if (!profile.empty() && SameAsciiText(step, profile))
                break;
            Add(user, step);
            if (profile.empty() || !SameAsciiText(step.substr(0, profile.size()), profile))
                break;
        }
    }

    SplitProtectedFolders(system.Protected);

    OSVERSIONINFOA info = {};
    info.dwOSVersionInfoSize = sizeof info;
    if (GetVersionExA(&info))
        system.Version = info.dwMajorVersion * 65536 + info.dwMinorVersion;
    return system;
}
