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
// The cookie folder without its last 8 characters ("\Cookies").
std::string GetProfileFolder();
