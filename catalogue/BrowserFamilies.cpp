#include "catalogue/BrowserFamilies.h"

#include "catalogue/CatalogueHelpers.h"
#include "engine/CookieFiles.h"

bool CutAfterHeader(const std::string& file)
{
    std::string text;
    std::vector<std::string> keptSites;
    if (!FilterCookiesTxt(LoadFileText(file), CookiesToKeep(), text, keptSites))
        return false;
    EffectReplaceFileText(file, text);
    for (const std::string& site : keptSites)
        EffectNoteKept(file, site);
    return true;
}

void CutEachAfterHeader(const std::vector<std::string>& files)
{
    for (const std::string& file : files)
        if (!CutAfterHeader(file))
            return;
}

bool ThunderbirdCheck()
{
    return InstallCheck(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\thunderbird.exe",
                        "");
}

std::string ThunderbirdPreamble()
{
    std::string appData = GetAppDataFolder();
    KillProcess("thunderbird.exe");
    return appData.empty() ? std::string() : appData + "\\Thunderbird\\Profiles\\";
}

std::vector<std::string> ThunderbirdMailFolders(const std::string& profiles)
{
    if (profiles.empty())
        return {};
    std::vector<std::string> folders = {profiles + "Mail\\"}, all;
    FindFolders(profiles, "*", all);
    for (const std::string& folder : all) {
        // A profile folder lies directly in the profiles folder.
        std::string rest = folder.substr(profiles.size());
        if (rest.find('\\') == rest.size() - 1 && !SameText(rest, "Mail\\"))
            folders.push_back(folder + "Mail\\");
    }
    return folders;
}

bool NetscapeCheck()
{
    return IsDirectoryAt(GetProgramFilesFolder(), "\\Netscape");
}

std::string NetscapeFolder()
{
    std::string programs = GetProgramFilesFolder();
    return programs.empty() ? std::string() : programs + "\\Netscape";
}

std::string NetscapeUserFolder(const std::string& firstFound)
{
    if (firstFound.empty())
        return std::string();
    // The item lies in a user's folder, which lies in the users folder: for a file and
    // for a folder alike, two steps up from the item itself.
    std::string users = firstFound;
    if (users.back() == '\\')
        users.pop_back();
    StripLastPathPart(users);
    StripLastPathPart(users);
    std::string user = Trim(RegText(HKEY_CURRENT_USER, "Software\\Netscape\\Netscape Navigator\\biff", "CurrentUser"));
    if (users.empty() || user.empty() || user == "." || user == ".." || user.find_first_of("\\/:") != std::string::npos)
        return std::string();
    return TrustedBase(users + user);
}

std::string MozillaFolder()
{
    std::string appData = GetAppDataFolder();
    return appData.empty() ? std::string() : appData + "\\Mozilla\\";
}

bool InFirefox(const std::string& path)
{
    return path.find("Firefox") != std::string::npos;
}

bool AnyOutsideFirefox(const std::vector<std::string>& items)
{
    for (const std::string& item : items)
        if (!InFirefox(item))
            return true;
    return false;
}

std::string OperaProgram()
{
    return RegText(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Opera.exe", "");
}

std::string OperaFolder()
{
    return InstallFolderOf(OperaProgram());
}

std::string CutToProgramPath(const std::string& commandLine)
{
    std::string program = commandLine;
    if (program.empty())
        return program;
    size_t blank = program.find(' ');
    size_t b = blank == std::string::npos ? 0 : blank + 1;
    std::string t = std::string(" ") + program[0] + ":";
    size_t at = program.find(t);
    if (at != std::string::npos)
        program.erase(at, program.size() - b);
    return program;
}

std::string Opera8Program()
{
    return CutToProgramPath(RegText(HKEY_CURRENT_USER, "Software\\Opera Software", "Last CommandLine v2"));
}

std::string Opera8Folder()
{
    std::string folder = Opera8Program();
    if (folder.empty())
        return folder;
    StripLastPathPart(folder);
    return TrustedBase(folder);
}

