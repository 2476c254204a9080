#pragma once
#include <string>

// The folder of the running program with a trailing backslash: the base of info.ini,
// options.ini, res\ and icons\.
std::string ProgramFolder();

// Where options.ini and info.ini's flags are written, with a trailing backslash: the
// program folder when files can be made there (portable use), else "Hushmark\" in the
// user's application data folder (Program Files under UAC, a read-only share). The first
// time that folder is used, it gets copies of the program folder's options.ini and
// info.ini, so that the settings and flags carry over. The texts of info.ini are always
// read from the program folder.
std::string SettingsFolder();
std::string SettingsFolderFor(const std::string& programFolder, const std::string& appDataFolder);

// A file can be made in the folder (one is made and goes again at once).
bool FolderAcceptsFiles(const std::string& folder);
