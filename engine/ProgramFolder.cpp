#include "engine/ProgramFolder.h"

#include "primitives/SpecialFolders.h"

#include <windows.h>

std::string ProgramFolder()
{
    char path[MAX_PATH * 2] = {};
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder(path, length);
    size_t slash = folder.find_last_of('\\');
    return slash == std::string::npos ? std::string() : folder.substr(0, slash + 1);
}

bool FolderAcceptsFiles(const std::string& folder)
{
    // Only a real attempt tells: the read-only attribute of a folder means nothing to
    // Windows, and access lists, read-only media and Wine on a Unix folder its user may
    // not write all refuse alike. A name of this process's own, so that no file of the
    // user's is ever touched; the system removes the probe when it is closed.
    std::string probe = folder + "~hushmark-" + std::to_string(GetCurrentProcessId()) + ".tmp";
    HANDLE file = CreateFileA(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(file);
    return true;
}

std::string SettingsFolderFor(const std::string& programFolder, const std::string& appDataFolder)
{
    if (programFolder.empty() || appDataFolder.empty() || FolderAcceptsFiles(programFolder))
        return programFolder;
    std::string folder = appDataFolder + "\\Hushmark\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    if (!FolderAcceptsFiles(folder))
        return programFolder;
    // Copies only where none is there yet: what the user changed here stays.
    for (const char* name : {"options.ini", "info.ini"}) {
        std::string copy = folder + name;
        // A copy keeps the read-only mark of a file from a CD; here it must be written.
        if (CopyFileA((programFolder + name).c_str(), copy.c_str(), TRUE))
            SetFileAttributesA(copy.c_str(), GetFileAttributesA(copy.c_str()) & ~FILE_ATTRIBUTE_READONLY);
    }
    return folder;
}

std::string SettingsFolder()
{
    // Decided once: the windows and a scheduled run must all use the same files.
    static const std::string folder = SettingsFolderFor(ProgramFolder(), GetAppDataFolder());
    return folder;
}
