#pragma once
// Where Windows and programs keep their data. Every getter answers the folder without
// a trailing backslash, or empty text when it is not available: never build a path on
// an empty answer.
#include <string>

// Any shell folder by its CSIDL number (rule variables name many of them).
std::string GetShellFolder(int csidl);
std::string GetWindowsFolder();
std::string GetTempFolder();
std::string GetProgramFilesFolder();
std::string GetCommonFilesFolder();
std::string GetPersonalFolder();
std::string GetFavoritesFolder();
std::string GetRecentFolder();
std::string GetNetHoodFolder();
std::string GetCommonProgramsFolder();
std::string GetAppDataFolder();
std::string GetPrintHoodFolder();
std::string GetInternetCacheFolder();
std::string GetCookiesFolder();
std::string GetHistoryFolder();
std::string GetCommonAppDataFolder();
// On a 64-bit Windows only (empty elsewhere): the folders of the 64-bit programs, which
// the 32-bit view calls otherwise, and the 32-bit system folder behind "System32".
std::string GetProgramFiles64Folder();
std::string GetCommonFiles64Folder();
std::string GetSystemWow64Folder();
// The folder is Windows, its system folder (either view's on a 64-bit Windows) or a
// Program Files or Common Files folder of either view: never removed as a whole.
bool IsSystemRootFolder(const std::string& path);
// The cookie folder without its last 8 characters ("\Cookies") up to Server 2003; on
// Vista and later, where the cookies lie deeper, the profile folder itself.
std::string GetProfileFolder();
