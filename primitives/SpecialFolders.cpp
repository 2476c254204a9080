#include "primitives/SpecialFolders.h"

#include "primitives/Registry.h"

#include <shlobj.h>
#include <windows.h>

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

std::string CurrentVersionString(const char* name)
{
    std::string value;
    return RegReadString(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion", name, value);
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

std::string GetProfileFolder()
{
    // A cookie folder too short to have a parent below its drive gives no profile,
    // rather than a bare drive that paths would then be built on.
    std::string cookies = GetCookiesFolder();
    return cookies.size() > 8 + 2 ? cookies.substr(0, cookies.size() - 8) : std::string();
}
