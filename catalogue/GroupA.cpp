// News readers, browsers and their add-ons, file sharing, editors, help workshops,
// download and FTP tools, ACDSee and Acrobat Reader. The image, audio, development
// and utility issues of the group are in GroupATools.cpp.
#include "catalogue/BrowserFamilies.h"
#include "catalogue/CatalogueHelpers.h"
#include "catalogue/KeptCookies.h"
#include "catalogue/GroupAShared.h"
#include "catalogue/Groups.h"

#include <cctype>

namespace GroupA {

const char* const Uninstall = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
const char* const AppPaths = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";

void TruncateIn(const std::string& base, const std::string& tail)
{
    if (!base.empty())
        TruncateFile(base + tail);
}

void TruncateEachIn(const std::string& base, std::initializer_list<const char*> tails)
{
    for (const char* tail : tails)
        TruncateIn(base, tail);
}

bool AnyKeyExists(std::initializer_list<const char*> keys)
{
    for (const char* key : keys)
        if (RegKeyExists(key))
            return true;
    return false;
}

void ClearEachKey(std::initializer_list<const char*> keys)
{
    for (const char* key : keys)
        ClearRegValues(key);
}

// FindRegValues and DeleteRegValue: a mask without wildcards matches only that name.
void DeleteValuesMatching(const std::string& key, const std::string& mask)
{
    std::vector<std::string> names;
    FindRegValues(key, mask, names);
    for (const std::string& name : names)
        DeleteRegValue(key, name);
}

}  // namespace GroupA

using namespace GroupA;

namespace {

const char* const ComDlg32 = "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32";

// An install folder value with a backslash added, checked as above.
std::string InstallDir(HKEY root, const std::string& key, const std::string& name)
{
    std::string folder = RegText(root, key, name);
    if (folder.empty())
        return folder;
    AddTrailingBackslash(folder);
    return ProgramBase(folder);
}

// ---- News, browsers and browser add-ons

// The news store lies in the profiles' "News" folders; the program folder is searched
// too, for installations that keep their profile beside the program. Like the other
// Thunderbird issues, nothing is found unless the program is installed.
std::vector<std::string> ThunderbirdNewsFolders()
{
    std::vector<std::string> folders;
    if (!ThunderbirdCheck())
        return folders;
    std::string program = InstallFolderOf(RegText(HKEY_LOCAL_MACHINE, std::string(AppPaths) + "thunderbird.exe", ""));
    if (IsDirectoryAt(program, "News\\"))
        folders.push_back(program + "News\\");
    std::string appData = GetAppDataFolder();
    if (appData.empty())
        return folders;
    std::string profiles = appData + "\\Thunderbird\\Profiles\\";
    std::vector<std::string> found;
    FindFolders(profiles, "News", found);
    for (const std::string& folder : found) {
        // Only <profile>\News, not a folder of that name deeper in a profile.
        std::string profile = folder.substr(0, folder.size() - 5);
        std::string parent = profile;
        StripLastPathPart(parent);
        if (SameText(parent, profiles))
            folders.push_back(folder);
    }
    return folders;
}

class TMozillaThunderbirdNews final : public TPrivacyIssue {
    HM_ISSUE_NAME(TMozillaThunderbirdNews)
    bool Check() override { return !ThunderbirdNewsFolders().empty(); }
    void Solve() override
    {
        for (const std::string& folder : ThunderbirdNewsFolders()) {
            DeleteEachFound(folder, {"*.rc"});
            DeleteEachFound(folder, {"*.msf"});
        }
    }
};

class TMSNExplorer final : public TPrivacyIssue {
    HM_ISSUE_NAME(TMSNExplorer)
    static std::vector<std::string> Msn6Folders()
    {
        std::vector<std::string> found;
        std::string appData = GetAppDataFolder();
        if (!appData.empty())
            FindFolders(appData + "\\", "msn6", found);
        return found;
    }
    bool Check() override { return !Msn6Folders().empty(); }
    void Solve() override
    {
        std::vector<std::string> found = Msn6Folders();
        std::string msn = found.empty() ? "" : found.front();
        EmptyFolder(GetHistoryFolder(), "\\");
        EmptyCookieFolder(GetCookiesFolder(), "\\");
        EmptyFolder(GetInternetCacheFolder(), "\\");
        DeleteEachFound(msn, {"*.dat"});
        EffectClearing(ClearingExport::AutoCompleteForms);
    }
};

class TNortonAntivirus2005 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TNortonAntivirus2005)
    bool Check() override
    {
        return RegText(HKEY_LOCAL_MACHINE, "Software\\Symantec\\Norton AntiVirus", "version").compare(0, 2, "11") == 0;
    }
    void Solve() override
    {
        std::string folder = InstallDir(HKEY_LOCAL_MACHINE, "Software\\Symantec\\InstalledApps", "NAV");
        EmptyFolder(folder, "Quarantine\\");
        DeleteEachIn(folder, {"AVApp.log", "AVError.log", "AVVirus.log"});
        DeleteEachIn(GetCommonProgramsFolder(),
                     {"\\Symantec Shared\\SNDALRT.log", "\\Symantec Shared\\SNDCON.log", "\\Symantec Shared\\SNDDBG.log",
                      "\\Symantec Shared\\SNDFW.log", "\\Symantec Shared\\SNDIDS.log", "\\Symantec Shared\\SNDSYS.log"});
        EmptyFolder(GetAppDataFolder(), "\\Symantec\\Norton AntiVirus\\Tasks\\");
    }
};

class TNetscapeNavigator4xHistory final : public TPrivacyIssue {
    HM_ISSUE_NAME(TNetscapeNavigator4xHistory)
    bool Check() override { return IsDirectoryAt(GetProgramFilesFolder(), "\\Netscape"); }
    void Solve() override
    {
        std::string programFiles = GetProgramFilesFolder();
        if (programFiles.empty())
            return;
        std::vector<std::string> files;
        FindFiles(programFiles + "\\Netscape", "netscape.hst", files);
        std::string user = RegText(HKEY_CURRENT_USER, "Software\\Netscape\\Netscape Navigator\\biff", "CurrentUser");
        if (files.empty() || Trim(user).empty())
            return;
        // The history found lies in Users\<name>; the current user's lies beside it.
        std::string users = FolderOf(files.front());
        StripLastPathPart(users);
        std::string netscape = users;
        StripLastPathPart(netscape);
        DeleteIn(TrustedBase(users + user + "\\"), "netscape.hst");
        DeleteIn(TrustedBase(netscape + user + "\\"), "netscape.hst");
    }
};

class TNetzero7 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TNetzero7)
    const char* const Key = "Software\\NetZero, Inc.\\NetZero";
    bool Check() override { return InstallCheck(HKEY_LOCAL_MACHINE, Key, "INSTALLDIR"); }
    void Solve() override { EmptyFolder(InstallDir(HKEY_LOCAL_MACHINE, Key, "INSTALLDIR"), "cache"); }
};

class TNewsRover92 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TNewsRover92)
    const char* const Key = "Software\\S&H Computer Systems, Inc.\\News Rover\\1.0";
    bool Check() override { return InstallCheck(HKEY_LOCAL_MACHINE, Key, "Path"); }
    void Solve() override
    {
        std::string folder = InstallDir(HKEY_LOCAL_MACHINE, Key, "Path");
        ResetValues("HKEY_CURRENT_USER\\Software\\S&H Computer Systems, Inc.\\News Rover\\1.0",
                    {"ngtexp", "ngtrowsel", "ngtsel", "LastAttach", "LastSigfile"});
        EmptyFolder(folder, "Temp");
        TruncateEachIn(folder, {"Rover.ol2", "Rover.old", "DupFiles.mdb", "DupCRC.mdb"});
    }
};

class TAdobePhotoshopElements2 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TAdobePhotoshopElements2)
    bool Check() override
    {
        return InstallCheck(HKEY_LOCAL_MACHINE, std::string(Uninstall) + "Adobe Photoshop Elements 2.0",
                            "InstallLocation");
    }
    void Solve() override
    {
        DeleteEachIn(GetAppDataFolder(),
                     {"\\Adobe\\Photoshop\\Elements\\Photoshop Elements 2.0 Prefs\\Adobe Photoshop Elements 2.0 Prefs.psp",
                      "\\Adobe\\Photoshop\\Elements\\Adobe PS Elements 2.0 Prefs\\Pr?fs Adobe Photoshop Elements 2.0.psp"});
        ResetValues("HKEY_CURRENT_USER\\Software\\Adobe\\Photoshop Elements\\2.0\\VisitedDirs", {"STARTUPIMAGEDIRECTORY"});
    }
};

class TSecureIE2004 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TSecureIE2004)
    bool Check() override
    {
        return InstallCheck(HKEY_LOCAL_MACHINE, std::string(Uninstall) + "SecureIE2004_is1", "Inno Setup: App Path");
    }
    void Solve() override
    {
        DeleteEachIn(GetAppDataFolder(), {"\\SecureIE2004\\FileTransferQueue.xml", "\\SecureIE2004\\SecureIE2004.atb"});
        ClearRegValues("HKEY_CURRENT_USER\\Software\\SecureIE2004\\Secure IE\\2004.0\\Download Bars");
        ClearRegValues(std::string(ComDlg32) + "\\LastVisitedMRU");
        ClearRegValues(std::string(ComDlg32) + "\\OpenSaveMRU");
        ClearRegValues("HKEY_CURRENT_USER\\Software\\SecureIE2004\\Secure IE\\2004.0\\MRU");
        ResetValues("HKEY_CURRENT_USER\\Software\\SecureIE2004\\Secure IE\\2004.0", {"DefaultSavePath"});
    }
};

// ---- File sharing

class TShareaza final : public TPrivacyIssue {
    HM_ISSUE_NAME(TShareaza)
    bool Check() override
    {
        DefaultUnchecked = true;
        return InstallCheck(HKEY_LOCAL_MACHINE, "Software\\Shareaza", "");
    }
    void Solve() override
    {
        KillProcess("Shareaza.exe");
        std::string incomplete = InstallDir(HKEY_CURRENT_USER, "Software\\Shareaza\\Shareaza\\Downloads", "IncompletePath");
        std::string folder = ProgramBase(InstallFolderOf(RegText(HKEY_LOCAL_MACHINE, "Software\\Shareaza", "")));
        std::string appData = GetAppDataFolder();
        TruncateEachIn(folder, {"Data\\Library1.dat", "Data\\Library2.dat"});
        TruncateEachIn(appData, {"\\Shareaza\\Data\\Library1.dat", "\\Shareaza\\Data\\Library2.dat"});
        EmptyFolder(incomplete, "");
        TruncateIn(folder, "Data\\UploadQueues.dat");
        TruncateIn(appData, "\\Shareaza\\Data\\UploadQueues.dat");
        TruncateIn(folder, "Data\\Profile.xml");
        TruncateIn(appData, "\\Shareaza\\Data\\Profile.xml");
        TruncateIn(folder, "Data\\Searches.dat");
        ClearRegValues("HKEY_CURRENT_USER\\Software\\Shareaza\\Shareaza\\Search");
        TruncateIn(appData, "\\Shareaza\\Data\\Searches.dat");
        EmptyFolder(appData, "\\Shareaza\\Torrents");
    }
};

class TSoulSeek152 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TSoulSeek152)
    bool Check() override
    {
        DefaultUnchecked = true;
        return InstallCheck(HKEY_CURRENT_USER, "Software\\SoulSeek", "InstallPath");
    }
    void Solve() override
    {
        DeleteEachIn(InstallDir(HKEY_CURRENT_USER, "Software\\SoulSeek", "InstallPath"),
                     {"attributes.cfg", "shared.cfg", "chatrooms.cfg", "login.cfg", "queue2.cfg", "rcmnd.cfg",
                      "search.cfg", "wishlist.cfg", "dlbans.cfg", "hotlist.cfg", "ignores.cfg", "userinfo.cfg"});
    }
};

// The folder part of the magnet handler's command, one leading quote removed.
std::string SwapperBase()
{
    std::string command = RegText(HKEY_LOCAL_MACHINE, "Software\\Classes\\magnet\\shell\\open\\command", "");
    if (command.empty())
        return command;
    if (command[0] == '"')
        command.erase(0, 1);
    StripLastPathPart(command);
    return command;
}

class TSwapper final : public TPrivacyIssue {
    HM_ISSUE_NAME(TSwapper)
    bool Check() override { return SwapperBase().find("Swapper") != std::string::npos; }
    void Solve() override
    {
        std::string folder = ProgramBase(SwapperBase());
        TruncateIn(folder, "Swapper\\shareddirs.csv");
        EmptyFolder(folder, "Swapper\\Logs\\Errors");
    }
};

class TTweakMasterPro final : public TPrivacyIssue {
    HM_ISSUE_NAME(TTweakMasterPro)
    bool Check() override { return InstallCheck(HKEY_LOCAL_MACHINE, "Software\\Hagel\\TweakMASTER", "InstDir"); }
    void Solve() override
    {
        const char* const tweak = "HKEY_CURRENT_USER\\Software\\Hagel\\TweakMASTER";
        ResetValues(tweak, {"MTUAssistantSites"});
        ClearRegValues(std::string(ComDlg32) + "\\LastVisitedMRU");
        ClearRegValues(std::string(ComDlg32) + "\\OpenSaveMRU");
        ResetValues(tweak, {"SpeedTestCustomHistory", "SpeedTestCustomUrl", "TraceRouteDestinations", "AOLWindowTitle",
                            "KeepConnectedSite", "WhoisQueries"});
    }
};

class TWinmx3 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TWinmx3)
    std::string Value() const { return RegText(HKEY_LOCAL_MACHINE, std::string(Uninstall) + "WinMX", "UninstallString"); }
    bool Check() override
    {
        DefaultUnchecked = true;
        return !Value().empty();
    }
    void Solve() override
    {
        KillProcess("WinMX.exe");
        TruncateIn(ProgramBase(InstallFolderOf(Value())), "library.dat");
    }
};

// ---- Editors, help workshops, download and FTP tools

class TAOLDeskBar final : public TPrivacyIssue {
    HM_ISSUE_NAME(TAOLDeskBar)
    const char* const Key = "HKEY_CURRENT_USER\\Software\\AOL\\DeskBar\\HistorySearchCombo";
    bool Check() override { return RegKeyExists(Key); }
    void Solve() override { DeleteRegKey(Key); }
};

const char* const EditPadReopen = "HKEY_CURRENT_USER\\Software\\JG\\EditPad\\Reopen";

class TEditPadPro final : public TPrivacyIssue {
    HM_ISSUE_NAME(TEditPadPro)
    bool Check() override
    {
        return RegKeyExists(EditPadReopen) &&
               AnyKeyExists({"HKEY_CURRENT_USER\\Software\\JGSoft\\EditPadPro5\\HistoryCollection",
                             "HKEY_CURRENT_USER\\Software\\JGSoft\\EditPadPro5\\HistoryFile",
                             "HKEY_CURRENT_USER\\Software\\JGSoft\\EditPadPro5\\HistoryOpenFolder",
                             "HKEY_CURRENT_USER\\Software\\JGSoft\\EditPadPro5\\Search"});
    }
    void Solve() override
    {
        DeleteKeys({EditPadReopen, "HKEY_CURRENT_USER\\Software\\JGSoft\\EditPadPro5\\HistoryCollection",
                    "HKEY_CURRENT_USER\\Software\\JGSoft\\EditPadPro5\\HistoryFile",
                    "HKEY_CURRENT_USER\\Software\\JGSoft\\EditPadPro5\\HistoryOpenFolder",
                    "HKEY_CURRENT_USER\\Software\\JGSoft\\EditPadPro5\\Search"});
    }
};

class TEditPadLite final : public TPrivacyIssue {
    HM_ISSUE_NAME(TEditPadLite)
    bool Check() override
    {
        return RegKeyExists(EditPadReopen) &&
               AnyKeyExists({"HKEY_CURRENT_USER\\Software\\JGSoft\\EditPadLite5\\HistoryFile",
                             "HKEY_CURRENT_USER\\Software\\JGSoft\\EditPadLite5\\Search"});
    }
    void Solve() override
    {
        DeleteKeys({EditPadReopen, "HKEY_CURRENT_USER\\Software\\JGSoft\\EditPadLite5\\HistoryFile",
                    "HKEY_CURRENT_USER\\Software\\JGSoft\\EditPadLite5\\Search"});
    }
};

class THTMLHelpWorkshop final : public TPrivacyIssue {
    HM_ISSUE_NAME(THTMLHelpWorkshop)
    bool Check() override
    {
        return AnyKeyExists({"HKEY_CURRENT_USER\\Software\\Microsoft\\HTML Help Workshop\\Project Files",
                             "HKEY_CURRENT_USER\\Software\\Microsoft\\HTML Help Workshop\\Recent File List",
                             "HKEY_CURRENT_USER\\Software\\Microsoft\\HTML Help Workshop\\Compressed HTML",
                             "HKEY_CURRENT_USER\\Software\\Microsoft\\HTML Help Workshop\\Html Titles"});
    }
    void Solve() override
    {
        DeleteKeys({"HKEY_CURRENT_USER\\Software\\Microsoft\\HTML Help Workshop\\Project Files",
                    "HKEY_CURRENT_USER\\Software\\Microsoft\\HTML Help Workshop\\Recent File List",
                    "HKEY_CURRENT_USER\\Software\\Microsoft\\HTML Help Workshop\\Compressed HTML",
                    "HKEY_CURRENT_USER\\Software\\Microsoft\\HTML Help Workshop\\Html Titles"});
    }
};

class TMicrosoftHelpWorkshop final : public TPrivacyIssue {
    HM_ISSUE_NAME(TMicrosoftHelpWorkshop)
    const char* const Key = "HKEY_CURRENT_USER\\Software\\Microsoft\\Microsoft Help Workshop\\Recent File List";
    bool Check() override { return RegKeyExists(Key); }
    void Solve() override { DeleteRegKey(Key); }
};

// The parent of the documents folder, with a trailing backslash.
std::string DocumentsParent()
{
    std::string folder = GetPersonalFolder();
    if (folder.empty())
        return folder;
    StripLastPathPart(folder);
    return TrustedBase(folder);
}

class TMassDownloader final : public TPrivacyIssue {
    HM_ISSUE_NAME(TMassDownloader)
    bool Check() override
    {
        return IsDirectoryAt(GetProgramFilesFolder(), "\\Mass Downloader\\INDEX\\") ||
               PathExistsAt(DocumentsParent(), "MetaProducts\\Mass Downloader\\massdown.dat");
    }
    void Solve() override
    {
        std::string parent = DocumentsParent();
        std::string programFiles = GetProgramFilesFolder();
        EmptyFolder(programFiles, "\\Mass Downloader\\INDEX\\", "*.*", true);
        DeleteEachIn(programFiles, {"\\Mass Downloader\\history.bak", "\\Mass Downloader\\history.dat",
                                    "\\Mass Downloader\\massdown.dat"});
        EmptyFolder(parent, "MetaProducts\\Mass Downloader\\INDEX\\", "*.*", true);
        DeleteEachIn(parent, {"MetaProducts\\Mass Downloader\\history.bak", "MetaProducts\\Mass Downloader\\history.dat",
                              "MetaProducts\\Mass Downloader\\massdown.dat"});
    }
};

class TAbsoluteFTPHistory final : public TPrivacyIssue {
    HM_ISSUE_NAME(TAbsoluteFTPHistory)
    const char* const Key = "HKEY_CURRENT_USER\\Software\\Van Dyke Technologies\\AbsoluteFTP\\Recent File";
    bool Check() override { return RegKeyExists(Key); }
    void Solve() override { ClearRegValues(Key); }
};

// ---- ACDSee

const char* const AcdSee = "HKEY_CURRENT_USER\\Software\\ACD Systems\\ACDSee";

void DeleteImageDb()
{
    DeleteEachIn(GetAppDataFolder(), {"\\ACD Systems\\ACDSee\\ImageDB.ddf", "\\ACD Systems\\ACDSee\\ImageDB.dtf"});
}

class TACDSee3XHistory final : public TPrivacyIssue {
    HM_ISSUE_NAME(TACDSee3XHistory)
    std::string Value() const { return RegText(HKEY_LOCAL_MACHINE, std::string(AppPaths) + "ACDSee.exe", ""); }
    bool Check() override { return !Value().empty(); }
    void Solve() override
    {
        std::string program = Value();
        if (program.empty())
            return;
        KillProcess(NameOf(program));
        DeleteEachIn(ProgramBase(InstallFolderOf(program)), {"ImageDB.ddf", "ImageDB.dtf"});
        ResetValues(AcdSee, {"LastFolder", "OpenFolder", "HistPaths", "Favorites", "ImageDB", "HistMCFDestFolder"});
    }
};

class TACDSee40History final : public TPrivacyIssue {
    HM_ISSUE_NAME(TACDSee40History)
    // Values with text, not values that exist: the Solve empties them and keeps them.
    bool Check() override
    {
        const std::string key = "Software\\ACD Systems\\ACDSee";
        return !RegText(HKEY_CURRENT_USER, key, "ImageDB").empty() ||
               !RegText(HKEY_CURRENT_USER, key, "OpenFolder").empty();
    }
    void Solve() override
    {
        KillProcess("acdsee4.exe");
        ResetValues(AcdSee, {"HistSearchFileName", "HistSearchQuickText", "HistSearchText", "HistMFCDestFolder",
                             "HistPaths", "HistFileFilters", "lastfolder", "ImageDB", "OpenFolder"});
    }
};

class TACDSee50History final : public TPrivacyIssue {
    HM_ISSUE_NAME(TACDSee50History)
    bool Check() override { return RegKeyExists(std::string(AcdSee) + "\\50"); }
    void Solve() override
    {
        KillProcess("acdsee5.exe");
        ResetValues(AcdSee, {"ImageDB"});
        for (const std::string& key : {std::string(AcdSee) + "\\50", std::string(AcdSee)})
            ResetValues(key, {"HistSearchFileName", "HistSearchQuickText", "HistSearchText", "OpenFolder",
                              "HistMFCDestFolder", "HistPaths", "HistFileFilters", "lastfolder"});
        DeleteImageDb();
    }
};

class TACDSee60History final : public TPrivacyIssue {
    HM_ISSUE_NAME(TACDSee60History)
    bool Check() override { return InstallCheck(HKEY_LOCAL_MACHINE, std::string(AppPaths) + "ACDSee6.exe", ""); }
    void Solve() override
    {
        if (!Check())
            return;
        KillProcess("ACDSee6.exe");
        std::string appData = GetAppDataFolder();
        DeleteIn(appData, "\\ACD Systems\\vango.data");
        ResetValues(std::string(AcdSee) + "\\60", {"OpenFolder", "HistSearchQuickText", "HistSearchFileName"});
        EmptyFolder(appData, "\\ACD Systems\\Catalogs\\Default\\");
        EmptyFolder(appData, "\\ACD Systems\\Catalogs\\Export\\");
        EmptyFolder(appData, "\\ACD Systems\\Catalogs\\Backup\\");
    }
};

class TACDSee70History final : public TPrivacyIssue {
    HM_ISSUE_NAME(TACDSee70History)
    bool Check() override { return RegKeyExists(std::string(AcdSee) + "\\70"); }
    void Solve() override
    {
        KillProcess("acdsee7.exe");
        ResetValues(std::string(AcdSee) + "\\70", {"HistSearchFileName", "HistSearchQuickText", "HistSearchText",
                                                   "OpenFolder", "HistMFCDestFolder", "HistPaths", "HistFileFilters"});
        ResetValues(AcdSee, {"HistSearchFileName", "HistSearchQuickText", "HistSearchText", "OpenFolder",
                             "HistMFCDestFolder", "HistPaths", "HistFileFilters", "lastfolder"});
        ResetValues("HKEY_USERS\\.default\\Software\\ACD Systems\\ACDSee", {"histpaths", "lastfolder", "openfolder"});
        ResetValues("HKEY_USERS\\Software\\ACD Systems\\ACDSee", {"histpaths", "lastfolder", "openfolder"});
        DeleteImageDb();
    }
};

// ---- Acrobat Reader

class TAcrobatReader40 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TAcrobatReader40)
    bool Check() override
    {
        return InstallCheck(HKEY_CURRENT_USER, "Software\\Adobe\\Acrobat Reader\\4.0\\InstallPath", "");
    }
    void Solve() override
    {
        ResetValues("HKEY_CURRENT_USER\\Software\\Adobe\\Acrobat Reader\\4.0\\AdobeViewer",
                    {"avpRecentFile1", "avpRecentFile2", "avpRecentFile3", "avpRecentFile4", "avpRecentFile5",
                     "avpRecentFile6", "avpRecentFile7", "avpRecentFile8", "avpRecentFile9"});
        DeleteRegKey("HKEY_CURRENT_USER\\Software\\Adobe\\Acrobat\\4.0\\Weblink\\4.0\\OpenURL");
    }
};

class TAcrobatReader50 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TAcrobatReader50)
    bool Check() override
    {
        return InstallCheck(HKEY_LOCAL_MACHINE, "Software\\Adobe\\Acrobat Reader\\5.0\\InstallPath", "");
    }
    void Solve() override
    {
        DeleteRegKey("HKEY_CURRENT_USER\\Software\\Adobe\\Acrobat\\5.0\\Weblink\\5.0\\OpenURL");
        for (const std::string recent : {"HKEY_CURRENT_USER\\Software\\Adobe\\Acrobat Reader\\5.0\\AVGeneral\\cRecentFiles",
                                         "HKEY_CURRENT_USER\\Software\\Adobe\\Adobe Acrobat\\5.0\\AVGeneral\\cRecentFiles"}) {
            for (int n = 1; n <= 8; ++n)
                DeleteRegKey(recent + "\\c" + std::to_string(n));
            DeleteRegKey(recent);
        }
    }
};

// Never found, and nothing to clean: the entry only holds its place in the list.
class TAcrobatReader60 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TAcrobatReader60)
    bool Check() override { return false; }
    void Solve() override {}
};

}  // namespace

std::vector<TIssueRegistration> CatalogueGroupA()
{
    std::vector<TIssueRegistration> issues = {
        HM_REGISTER(TMozillaThunderbirdNews),
        HM_REGISTER(TMSNExplorer),
        HM_REGISTER(TNortonAntivirus2005),
        HM_REGISTER(TNetscapeNavigator4xHistory),
        HM_REGISTER(TNetzero7),
        HM_REGISTER(TNewsRover92),
        HM_REGISTER(TAdobePhotoshopElements2),
        HM_REGISTER(TSecureIE2004),
        HM_REGISTER(TShareaza),
        HM_REGISTER(TSoulSeek152),
        HM_REGISTER(TSwapper),
        HM_REGISTER(TTweakMasterPro),
        HM_REGISTER(TWinmx3),
        HM_REGISTER(TAOLDeskBar),
        HM_REGISTER(TEditPadPro),
        HM_REGISTER(TEditPadLite),
        HM_REGISTER(THTMLHelpWorkshop),
        HM_REGISTER(TMicrosoftHelpWorkshop),
        HM_REGISTER(TMassDownloader),
        HM_REGISTER(TAbsoluteFTPHistory),
        HM_REGISTER(TACDSee3XHistory),
        HM_REGISTER(TACDSee40History),
        HM_REGISTER(TACDSee50History),
        HM_REGISTER(TACDSee60History),
        HM_REGISTER(TACDSee70History),
        HM_REGISTER(TAcrobatReader40),
        HM_REGISTER(TAcrobatReader50),
        HM_REGISTER(TAcrobatReader60),
    };
    std::vector<TIssueRegistration> tools = CatalogueGroupATools();
    issues.insert(issues.end(), tools.begin(), tools.end());
    return issues;
}
