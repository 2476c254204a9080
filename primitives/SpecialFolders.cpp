#include "primitives/SpecialFolders.h"

#include "primitives/Registry.h"
#include "primitives/Text.h"
#include "primitives/Versions.h"

#include <shlobj.h>
#include <windows.h>

#include <vector>

namespace {

std::string ShellFolder(int csidl)
{
    LPITEMIDLIST list = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, csidl, &list)) || !list)
        return std::string();
    char path[MAX_PATH] = {};
    BOOL converted = SHGetPathFromIDListA(list, path);
    IMalloc* allocator = nullptr;
    if (SUCCEEDED(SHGetMalloc(&allocator)) && allocator) {
        allocator->Free(list);
        allocator->Release();
    }
    if (!converted)
        return std::string();
    // Wine answers "My Documents" with a trailing backslash; the catalogue appends
    // tails that begin with one.
    std::string folder(path);
    while (!folder.empty() && folder.back() == '\\')
        folder.pop_back();
    return folder;
}

const char* const CurrentVersionKey = "Software\\Microsoft\\Windows\\CurrentVersion";

std::string CurrentVersionString(const char* name)
{
    std::string value;
    return RegReadString(HKEY_LOCAL_MACHINE, CurrentVersionKey, name, value);
}

// The same value in the 64-bit view, where the 32-bit view has its own.
std::string CurrentVersionString64(const char* name)
{
    if (!IsWow64())
        return std::string();
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, CurrentVersionKey, 0, KEY_READ | KEY_WOW64_64KEY, &key) != ERROR_SUCCESS)
        return std::string();
    char data[MAX_PATH + 1] = {};
    DWORD size = MAX_PATH, type = 0;
    LONG status = RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
    RegCloseKey(key);
    return status == ERROR_SUCCESS && (type == REG_SZ || type == REG_EXPAND_SZ) ? std::string(data) : std::string();
}

}  // namespace

std::string GetShellFolder(int csidl)
{
    return ShellFolder(csidl);
}

std::string GetWindowsFolder()
{
    char path[MAX_PATH + 1] = {};
    UINT length = GetWindowsDirectoryA(path, sizeof path);
    return length > 0 && length < sizeof path ? std::string(path, length) : std::string();
}

std::string GetTempFolder()
{
    char path[MAX_PATH + 1] = {};
    DWORD length = GetTempPathA(sizeof path, path);
    if (length == 0 || length >= sizeof path)
        return std::string();
    std::string folder(path, length);
    if (!folder.empty() && folder.back() == '\\')
        folder.pop_back();
    return folder;
}

std::string GetProgramFilesFolder() { return CurrentVersionString("ProgramFilesDir"); }
std::string GetCommonFilesFolder() { return CurrentVersionString("CommonFilesDir"); }
std::string GetPersonalFolder() { return ShellFolder(CSIDL_PERSONAL); }
std::string GetFavoritesFolder() { return ShellFolder(CSIDL_FAVORITES); }
std::string GetRecentFolder() { return ShellFolder(CSIDL_RECENT); }
std::string GetNetHoodFolder() { return ShellFolder(CSIDL_NETHOOD); }
std::string GetCommonProgramsFolder() { return ShellFolder(CSIDL_COMMON_PROGRAMS); }
std::string GetAppDataFolder() { return ShellFolder(CSIDL_APPDATA); }
std::string GetPrintHoodFolder() { return ShellFolder(CSIDL_PRINTHOOD); }
std::string GetInternetCacheFolder() { return ShellFolder(CSIDL_INTERNET_CACHE); }
std::string GetCookiesFolder() { return ShellFolder(CSIDL_COOKIES); }
std::string GetHistoryFolder() { return ShellFolder(CSIDL_HISTORY); }
std::string GetCommonAppDataFolder() { return ShellFolder(CSIDL_COMMON_APPDATA); }

std::string GetProgramFiles64Folder() { return CurrentVersionString64("ProgramFilesDir"); }
std::string GetCommonFiles64Folder() { return CurrentVersionString64("CommonFilesDir"); }

std::string GetSystemWow64Folder()
{
    if (!IsWow64())
        return std::string();
    // Missing before XP; resolved here so that the program still starts on Windows 95.
    using TGetSystemWow64Directory = UINT(WINAPI*)(LPSTR, UINT);
    auto query = reinterpret_cast<TGetSystemWow64Directory>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetSystemWow64DirectoryA")));
    char path[MAX_PATH + 1] = {};
    UINT length = query ? query(path, sizeof path) : 0;
    return length > 0 && length < sizeof path ? std::string(path, length) : std::string();
}

bool IsSystemRootFolder(const std::string& path)
{
    // Windows resolves "C:\Program Files. \" to the folder itself: compare without them.
    auto bare = [](std::string folder) {
        for (char& c : folder)
            if (c == '/')
                c = '\\';
        while (!folder.empty() && (folder.back() == '\\' || folder.back() == ' ' || folder.back() == '.'))
            folder.pop_back();
        return folder;
    };
    static const std::vector<std::string> roots = [&] {
        char system[MAX_PATH + 1] = {};
        UINT length = GetSystemDirectoryA(system, sizeof system);
        std::vector<std::string> list;
        for (const std::string& folder :
             {GetWindowsFolder(), length < sizeof system ? std::string(system, length) : std::string(),
              GetSystemWow64Folder(), GetProgramFilesFolder(), GetCommonFilesFolder(), GetProgramFiles64Folder(),
              GetCommonFiles64Folder()})
            if (!bare(folder).empty())
                list.push_back(bare(folder));
        return list;
    }();
    std::string candidate = bare(path);
    for (const std::string& root : roots)
        if (SameText(candidate, root))
            return true;
    return false;
}

std::string GetProfileFolder()
{
    // From Vista on the cookies lie in "AppData\Roaming\Microsoft\Windows\Cookies" (or
    // "AppData\Local\...\INetCookies"), so cutting "\Cookies" no longer gives the profile.
    if (GetWindowsVersion() == WindowsVistaOrLater) {
        std::string profile = ShellFolder(CSIDL_PROFILE);
        return profile.size() > 3 ? profile : std::string();
    }
    // A cookie folder too short to have a parent below its drive gives no profile,
    // rather than a bare drive that paths would then be built on.
    std::string cookies = GetCookiesFolder();
    return cookies.size() > 8 + 2 ? cookies.substr(0, cookies.size() - 8) : std::string();
}
