// The last programs of the alphabet, image tools, Borland's IDE, and the browser and
// mail families: Firefox, Thunderbird, Netscape 4, the Mozilla suite and Opera 6 to 8.
#include "catalogue/BrowserFamilies.h"
#include "catalogue/CatalogueHelpers.h"
#include "catalogue/KeptCookies.h"
#include "catalogue/Families.h"
#include "catalogue/Groups.h"

namespace {

void ResetMatchingValues(const std::string& key, const std::string& mask)
{
    std::vector<std::string> names;
    FindRegValues(key, mask, names);
    for (const std::string& name : names)
        ResetRegString(key, name, "");
}

// Writes an empty value to each key of the section; nothing when the file's base is empty.
void BlankProfileKeys(const std::string& base, const std::string& tail, const std::string& section,
                      const std::vector<std::string>& keys)
{
    if (base.empty())
        return;
    for (const std::string& key : keys)
        EffectWriteProfileString(base + tail, section, key, "");
}

std::vector<std::string> Numbered(const std::string& prefix, int first, int last)
{
    std::vector<std::string> keys;
    for (int n = first; n <= last; ++n)
        keys.push_back(prefix + std::to_string(n));
    return keys;
}

// ---- The last of the alphabet

class TXara3D40 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TXara3D40)
    bool Check() override { return RegKeyExists("HKEY_CURRENT_USER\\Software\\Xara\\X3D4"); }
    void Solve() override { ClearRegValues("HKEY_CURRENT_USER\\Software\\Xara\\X3D4\\Recent File List"); }
};

class TXingMP3Player final : public TPrivacyIssue {
    HM_ISSUE_NAME(TXingMP3Player)
    const char* const Player = "HKEY_CURRENT_USER\\Software\\Xing Technology Corp.\\XingMP3 Player";
    bool Check() override { return RegKeyExists(Player); }
    void Solve() override
    {
        ResetMatchingValues(Player, "sRecentFile");
        DeleteIn(GetProgramFilesFolder(), "\\Xing\\XingMP3 Player\\XingMP3Player.xpl");
    }
};

class TXolox final : public TPrivacyIssue {
    HM_ISSUE_NAME(TXolox)
    bool Check() override
    {
        DefaultUnchecked = true;
        return InstallCheck(HKEY_LOCAL_MACHINE, "SOFTWARE\\Xolox", "Install_Dir");
    }
    void Solve() override
    {
        KillProcess("xolox.exe");
        std::string folder = RegText(HKEY_LOCAL_MACHINE, "SOFTWARE\\Xolox", "Install_Dir");
        if (!folder.empty())
            AddTrailingBackslash(folder);
        folder = TrustedBase(folder);
        EmptyFolder(folder, "Temp");
        EmptyFolder(folder, "mldonkey\\temp");
        // The proxy list is the file named like the web address it was fetched from.
        DeleteEachIn(folder, {"XoloxConfig.ini", "ChatServers.ini", "proxy.xolox.com"});
        ClearRegValues("HKEY_LOCAL_MACHINE\\SOFTWARE\\Xolox\\SearchRecent");
        DeleteEachIn(folder, {"GnuHashes.ini", "mldonkey\\shared_files_new.ini", "mldonkey\\shared_files_new.ini.old",
                              "mldonkey\\files.ini", "mldonkey\\files.ini.old", "mldonkey\\history.met",
                              "mldonkey\\history.met.tmp"});
        EmptyFolder(folder, "mldonkey", "store_*", true);
    }
};

class TYahooToolbar final : public TPrivacyIssue {
    HM_ISSUE_NAME(TYahooToolbar)
    const char* const History = "HKEY_CURRENT_USER\\Software\\Yahoo\\Companion\\SearchHistory";
    bool Check() override { return RegKeyExists("HKEY_CURRENT_USER\\Software\\Yahoo\\Companion"); }
    void Solve() override
    {
        ClearRegValues(History);
        DeleteRegSubKeys(History);
    }
};

class TYamahaSYXG100 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TYamahaSYXG100)
    const char* const Recent = "HKEY_CURRENT_USER\\Software\\YAMAHA\\XGplayer\\Recent File List";
    bool Check() override { return RegKeyExists("HKEY_CURRENT_USER\\Software\\YAMAHA\\XGplayer"); }
    void Solve() override
    {
        ClearRegValues(Recent);
        DeleteRegSubKeys(Recent);
    }
};

// ---- Image tools

class TACDSeePhotoViewer final : public TPrivacyIssue {
    HM_ISSUE_NAME(TACDSeePhotoViewer)
    const char* const Settings = "HKEY_CURRENT_USER\\Software\\ACD Systems\\ACDSee";
    bool Check() override
    {
        return IsDirectoryAt(GetProgramFilesFolder(), "\\ACD Systems\\ACDSee Trial Version") || RegKeyExists(Settings);
    }
    void Solve() override
    {
        std::string programs = GetProgramFilesFolder();
        ResetValues(Settings, {"LastFolder", "OpenFolder"});
        DeleteEachIn(programs, {"\\ACD Systems\\ACDSee Trial Version\\ImageDB.ddf",
                                "\\ACD Systems\\ACDSee Trial Version\\ImageDB.dtf", "\\acd\\acdsee\\ImageDB.ddf",
                                "\\acd\\acdsee\\ImageDB.dtf", "\\ACD Systems\\acdsee\\ImageDB.ddf",
                                "\\ACD Systems\\acdsee\\ImageDB.dtf"});
        DeleteEachIn(GetAppDataFolder(), {"\\ACD Systems\\ACDSee\\ImageDB.ddf", "\\ACD Systems\\ACDSee\\ImageDB.dtf"});
    }
};

std::vector<std::string> PhotoshopKeys()
{
    std::vector<std::string> keys = Numbered("FILE", 1, 10);
    keys.push_back("STARTUPIMAGEDIRECTORY");
    return keys;
}

class TAdobePhotoshop5LE final : public TPrivacyIssue {
    HM_ISSUE_NAME(TAdobePhotoshop5LE)
    bool Check() override { return IsDirectoryAt(GetProgramFilesFolder(), "\\Adobe\\Photoshop 5.0 LE"); }
    void Solve() override
    {
        BlankProfileKeys(GetProgramFilesFolder(), "\\Adobe\\Photoshop 5.0 LE\\Prefs\\phot50le.ini", "PHOTOSHOP",
                         PhotoshopKeys());
    }
};

class TAdobePhotoshop55 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TAdobePhotoshop55)
    bool Check() override
    {
        return IsDirectoryAt(GetProgramFilesFolder(), "\\Adobe\\Photoshop 5.5\\Adobe Photoshop 5.5 Settings");
    }
    void Solve() override
    {
        BlankProfileKeys(GetProgramFilesFolder(),
                         "\\Adobe\\Photoshop 5.5\\Adobe Photoshop 5.5 Settings\\photos55.ini", "PHOTOSHOP",
                         PhotoshopKeys());
    }
};

bool PhotoshopVersion(const char* key, uint16_t major)
{
    std::string path = RegText(HKEY_LOCAL_MACHINE, key, "ApplicationPath");
    return !path.empty() && GetFileMajorVersion(path + "Photoshop.exe") == major;
}

class TAdobePhotoshopCS final : public TPrivacyIssue {
    HM_ISSUE_NAME(TAdobePhotoshopCS)
    bool Check() override { return PhotoshopVersion("Software\\Adobe\\Photoshop\\8.0", 8); }
    void Solve() override
    {
        std::string appData = GetAppDataFolder();
        KillProcess("Photoshop.exe");
        DeleteEachIn(appData, {"\\Adobe\\ImageReady\\CS\\Settings\\Adobe ImageReady CS Prefs",
                               "\\Adobe\\ImageReady\\CS\\Einstellungen\\Adobe ImageReady CS Vorein",
                               "\\Adobe\\ImageReady\\CS\\Param?tres\\Adobe ImageReady CS Prefs"});
        EmptyFolder(appData, "\\Adobe\\FileBrowser\\PhotoshopCS");
        DeleteEachIn(appData,
                     {"\\Adobe\\Photoshop\\8.0\\Adobe Photoshop CS Settings\\Adobe Photoshop CS Prefs.psp",
                      "\\Adobe\\Photoshop\\8.0\\Adobe Photoshop CS Einstellungen\\Adobe Photoshop CS Prefs.psp",
                      "\\Adobe\\Photoshop\\8.0\\Param?tres Adobe Photoshop CS\\Pr?fs Adobe Photoshop CS.psp"});
        ClearRegValues("HKEY_CURRENT_USER\\Software\\Adobe\\Photoshop\\8.0\\VisitedDirs");
    }
};

class TAdobePhotoshopCS2 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TAdobePhotoshopCS2)
    bool Check() override { return PhotoshopVersion("Software\\Adobe\\Photoshop\\9.0", 9); }
    void Solve() override
    {
        std::string appData = GetAppDataFolder();
        KillProcess("Photoshop.exe");
        DeleteEachIn(appData, {"\\Adobe\\ImageReady\\CS\\Settings\\Adobe ImageReady CS2 Prefs",
                               "\\Adobe\\ImageReady\\CS\\Einstellungen\\Adobe ImageReady CS2 Vorein",
                               "\\Adobe\\ImageReady\\CS\\Param?tres\\Adobe ImageReady CS2 Prefs"});
        EmptyFolder(appData, "\\Adobe\\FileBrowser\\PhotoshopCS2");
        DeleteEachIn(appData,
                     {"\\Adobe\\Photoshop\\9.0\\Adobe Photoshop CS2 Settings\\Adobe Photoshop CS2 Prefs.psp",
                      "\\Adobe\\Photoshop\\9.0\\Adobe Photoshop CS2 Einstellungen\\Adobe Photoshop CS2 Prefs.psp",
                      "\\Adobe\\Photoshop\\9.0\\Param?tres Adobe Photoshop CS\\Pr?fs Adobe Photoshop CS2.psp"});
        ClearRegValues("HKEY_CURRENT_USER\\Software\\Adobe\\Photoshop\\9.0\\VisitedDirs");
    }
};

// ---- Firefox

class TMozillaFirefoxCookies final : public TPrivacyIssue {
    HM_ISSUE_NAME(TMozillaFirefoxCookies)
    bool Check() override { return FirefoxCheck(); }
    void Solve() override
    {
        std::string profiles = FirefoxPreamble();
        if (profiles.empty())
            return;
        std::vector<std::string> files;
        FindFiles(profiles, "cookies.txt", files);
        CutEachAfterHeader(files);
    }
};

class TMozillaFirefoxCache final : public TPrivacyIssue {
    HM_ISSUE_NAME(TMozillaFirefoxCache)
    bool Check() override { return FirefoxCheck(); }
    void Solve() override
    {
        std::string profiles = FirefoxPreamble();
        if (profiles.empty())
            return;
        std::vector<std::string> caches;
        FindFolders(profiles, "Cache", caches);
        for (const std::string& cache : caches)
            DeleteFilesInFolder(cache, "*.*", false);
    }
};

class TMozillaFirefoxWebFeatures final : public TPrivacyIssue {
    HM_ISSUE_NAME(TMozillaFirefoxWebFeatures)
    bool Check() override { return FirefoxCheck(); }
    void Solve() override { DeleteEachFound(FirefoxPreamble(), {"cookperm.txt", "hostperm.1"}); }
};

class TMozillaFirefoxDownloadInfo final : public TPrivacyIssue {
    HM_ISSUE_NAME(TMozillaFirefoxDownloadInfo)
    bool Check() override { return FirefoxCheck(); }
    void Solve() override { DeleteEachFound(FirefoxPreamble(), {"downloads.rdf"}); }
};

class TMozillaFirefoxSavedPasswords final : public TPrivacyIssue {
    HM_ISSUE_NAME(TMozillaFirefoxSavedPasswords)
    bool Check() override
    {
        DefaultUnchecked = true;
        return FirefoxCheck();
    }
    void Solve() override { DeleteEachFound(FirefoxPreamble(), {"signons.txt"}); }
};

// ---- Thunderbird

class TMozillaThunderbirdSavedPasswords final : public TPrivacyIssue {
    HM_ISSUE_NAME(TMozillaThunderbirdSavedPasswords)
    bool Check() override
    {
        DefaultUnchecked = true;
        return ThunderbirdCheck();
    }
    void Solve() override { DeleteEachFound(ThunderbirdPreamble(), {"*.s"}); }
};

class TMozillaThunderbirdAddressBook final : public TPrivacyIssue {
    HM_ISSUE_NAME(TMozillaThunderbirdAddressBook)
    bool Check() override { return ThunderbirdCheck(); }
    void Solve() override { DeleteEachFound(ThunderbirdPreamble(), {"abook.mab", "history.mab"}); }
};

class TMozillaThunderbirdAccountsSettings final : public TPrivacyIssue {
    HM_ISSUE_NAME(TMozillaThunderbirdAccountsSettings)
    bool Check() override { return ThunderbirdCheck(); }
    void Solve() override { DeleteEachFound(ThunderbirdPreamble(), {"prefs.js", "prefs.bak", "panacea.dat"}); }
};

// Deletes a mailbox and its summary file from every mail folder of the profiles.
void DeleteMailbox(const char* mailbox, const char* summary)
{
    std::vector<std::string> files;
    for (const std::string& folder : ThunderbirdMailFolders(ThunderbirdPreamble())) {
        FindFiles(folder, mailbox, files);
        FindFiles(folder, summary, files);
    }
    for (const std::string& file : files)
        DeleteFileSafe(file);
}

class TMozillaThunderbirdSentMmail final : public TPrivacyIssue {
    HM_ISSUE_NAME(TMozillaThunderbirdSentMmail)
    bool Check() override { return ThunderbirdCheck(); }
    void Solve() override { DeleteMailbox("sent", "sent.msf"); }
};

class TMozillaThunderbirdTrashMail final : public TPrivacyIssue {
    HM_ISSUE_NAME(TMozillaThunderbirdTrashMail)
    bool Check() override { return ThunderbirdCheck(); }
    void Solve() override { DeleteMailbox("trash", "trash.msf"); }
};

// ---- Netscape Navigator 4

std::string FirstFileFound(const std::string& folder, const char* mask)
{
    std::vector<std::string> found;
    if (!folder.empty())
        FindFiles(folder, mask, found);
    return found.empty() ? std::string() : found.front();
}

class TNetscapeNavigator4xCookies final : public TPrivacyIssue {
    HM_ISSUE_NAME(TNetscapeNavigator4xCookies)
    bool Check() override { return NetscapeCheck(); }
    void Solve() override
    {
        std::string user = NetscapeUserFolder(FirstFileFound(NetscapeFolder(), "cookies.txt"));
        if (user.empty())
            return;
        std::vector<std::string> files;
        FindFiles(user, "cookies.txt", files);
        CutEachAfterHeader(files);
    }
};

class TNetscapeNavigator4xCache final : public TPrivacyIssue {
    HM_ISSUE_NAME(TNetscapeNavigator4xCache)
    bool Check() override { return NetscapeCheck(); }
    void Solve() override
    {
        std::string netscape = NetscapeFolder();
        std::vector<std::string> caches;
        if (!netscape.empty())
            FindFolders(netscape, "Cache", caches);
        std::string user = NetscapeUserFolder(caches.empty() ? "" : caches.front());
        EmptyFolder(user, "\\Cache\\");
    }
};

class TNetscapeNavigator4xAddressBar final : public TPrivacyIssue {
    HM_ISSUE_NAME(TNetscapeNavigator4xAddressBar)
    bool Check() override { return NetscapeCheck(); }
    void Solve() override
    {
        std::string user = NetscapeUserFolder(FirstFileFound(NetscapeFolder(), "prefs.js"));
        if (user.empty())
            return;
        std::string history;
        if (!ReadValueAfter(user + "\\prefs.js", "browser.url_history", history).empty())
            DeleteIn(user, "\\prefs.js");
        else
            DeleteIn(user, "\\liprefs.js");
    }
};

// ---- The Mozilla suite

std::vector<std::string> MozillaFiles(const char* mask)
{
    std::vector<std::string> files;
    std::string mozilla = MozillaFolder();
    if (!mozilla.empty())
        FindFiles(mozilla, mask, files);
    return files;
}

class TMozillaNavigatorHisotry final : public TPrivacyIssue {
    HM_ISSUE_NAME(TMozillaNavigatorHisotry)
    bool Check() override { return AnyOutsideFirefox(MozillaFiles("history.dat")); }
    void Solve() override
    {
        for (const std::string& file : MozillaFiles("history.dat"))
            if (!InFirefox(file))
                TruncateFile(file);
    }
};

class TMozillaNavigatorCookies final : public TPrivacyIssue {
    HM_ISSUE_NAME(TMozillaNavigatorCookies)
    bool Check() override { return AnyOutsideFirefox(MozillaFiles("cookies.txt")); }
    void Solve() override
    {
        std::vector<std::string> files;
        for (const std::string& file : MozillaFiles("cookies.txt"))
            if (!InFirefox(file))
                files.push_back(file);
        CutEachAfterHeader(files);
    }
};

class TMozillaNavigatorCache final : public TPrivacyIssue {
    HM_ISSUE_NAME(TMozillaNavigatorCache)
    static std::vector<std::string> Caches()
    {
        std::vector<std::string> caches;
        std::string mozilla = MozillaFolder();
        if (!mozilla.empty())
            FindFolders(mozilla, "Cache", caches);
        return caches;
    }
    bool Check() override { return AnyOutsideFirefox(Caches()); }
    void Solve() override
    {
        for (const std::string& cache : Caches())
            DeleteFilesInFolder(cache, "*.*", false);
    }
};

class TMozillaNavigatorDownloadInfo final : public TPrivacyIssue {
    HM_ISSUE_NAME(TMozillaNavigatorDownloadInfo)
    bool Check() override { return AnyOutsideFirefox(MozillaFiles("downloads.rdf")); }
    void Solve() override
    {
        for (const std::string& file : MozillaFiles("downloads.rdf"))
            TruncateFile(file);
    }
};

class TMozillaNavigatorSavedPasses final : public TPrivacyIssue {
    HM_ISSUE_NAME(TMozillaNavigatorSavedPasses)
    bool Check() override
    {
        DefaultUnchecked = true;
        return AnyOutsideFirefox(MozillaFiles("*.s"));
    }
    void Solve() override
    {
        for (const std::string& file : MozillaFiles("*.s"))
            DeleteFileSafe(file);
    }
};

class TMozillaNavigatorOpenedPageKey final : public TPrivacyIssue {
    HM_ISSUE_NAME(TMozillaNavigatorOpenedPageKey)
    bool Check() override { return AnyOutsideFirefox(MozillaFiles("prefs.js")); }
    void Solve() override
    {
        std::vector<std::string> files = MozillaFiles("prefs.js");
        for (const std::string& backup : MozillaFiles("prefs.bak"))
            files.push_back(backup);
        for (const std::string& file : files) {
            std::string page, downloads;
            if (!ReadValueAfter(file, "browser.history.last_page_visited", page).empty() ||
                !ReadValueAfter(file, "browser.download.dir", downloads).empty())
                DeleteFileSafe(file);
        }
    }
};

// ---- Borland Delphi 3 and 4

class TBorlandDelphi3 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TBorlandDelphi3)
    bool Check() override { return RegKeyExists("HKEY_CURRENT_USER\\Software\\Borland\\Delphi\\3.0"); }
    void Solve() override
    {
        ClearRegValues("HKEY_CURRENT_USER\\Software\\Borland\\Delphi\\3.0\\Closed Files");
        ClearRegValues("HKEY_CURRENT_USER\\Software\\Borland\\Delphi\\3.0\\Closed Projects");
        ClearRegValues("HKEY_CURRENT_USER\\Software\\Borland\\Delphi\\3.0\\HistoryLists\\hiOpenProject");
    }
};

class TBorlandDelphi4 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TBorlandDelphi4)
    bool Check() override { return RegKeyExists("HKEY_CURRENT_USER\\Software\\Borland\\Delphi\\4.0"); }
    void Solve() override
    {
        DeleteIn(GetProgramFilesFolder(), "\\Borland\\Delphi4\\Bin\\DELPHI32.dsk");
        ClearRegValues("HKEY_CURRENT_USER\\Software\\Borland\\Delphi\\4.0\\Closed Files");
        ClearRegValues("HKEY_CURRENT_USER\\Software\\Borland\\Delphi\\4.0\\Closed Projects");
        ClearRegValues("HKEY_CURRENT_USER\\Software\\Borland\\Delphi\\4.0\\Session");
    }
};

// ---- Opera up to 6 and 7.x: the program named by its App Paths entry

bool Opera6Check()
{
    uint16_t major = GetFileMajorVersion(OperaProgram());
    return major >= 1 && major <= 6;
}

bool Opera7Check()
{
    return GetFileMajorVersion(OperaProgram()) == 7;
}

void EmptyOperaCache(const std::string& folder)
{
    // Only the cache folder: the program's own files lie beside it in the same folder.
    EmptyFolder(folder, "profile\\cache4\\");
}

class TOperaUpTo6History final : public TPrivacyIssue {
    HM_ISSUE_NAME(TOperaUpTo6History)
    bool Check() override { return Opera6Check(); }
    void Solve() override { TruncateEachFound(OperaFolder(), {"opera.dir", "autopera.win", "global.dat"}); }
};

class TOperaUpTo6Cookies final : public TPrivacyIssue {
    HM_ISSUE_NAME(TOperaUpTo6Cookies)
    bool Check() override { return Opera6Check(); }
    void Solve() override { TruncateCookieStores(OperaFolder(), "cookies4.dat"); }
};

class TOperaUpTo6Cache final : public TPrivacyIssue {
    HM_ISSUE_NAME(TOperaUpTo6Cache)
    bool Check() override { return Opera6Check(); }
    void Solve() override { EmptyOperaCache(OperaFolder()); }
};

class TOperaUpTo6DownloadsHistory final : public TPrivacyIssue {
    HM_ISSUE_NAME(TOperaUpTo6DownloadsHistory)
    bool Check() override { return Opera6Check(); }
    void Solve() override { TruncateEachFound(OperaFolder(), {"download.dat"}); }
};

class TOperaUpTo6HomePage final : public TPrivacyIssue {
    HM_ISSUE_NAME(TOperaUpTo6HomePage)
    bool Check() override { return Opera6Check(); }
    void Solve() override { TruncateEachFound(OperaFolder(), {"vlink4.dat"}); }
};

class TOpera7xHistory final : public TPrivacyIssue {
    HM_ISSUE_NAME(TOpera7xHistory)
    bool Check() override { return Opera7Check(); }
    void Solve() override { TruncateEachFound(OperaFolder(), {"opera.dir", "global.dat"}); }
};

class TOpera7xCookies final : public TPrivacyIssue {
    HM_ISSUE_NAME(TOpera7xCookies)
    bool Check() override { return Opera7Check(); }
    void Solve() override { TruncateCookieStores(OperaFolder(), "cookies4.dat"); }
};

class TOpera7xCache final : public TPrivacyIssue {
    HM_ISSUE_NAME(TOpera7xCache)
    bool Check() override { return Opera7Check(); }
    void Solve() override { EmptyOperaCache(OperaFolder()); }
};

class TOpera7xDownloadsHistory final : public TPrivacyIssue {
    HM_ISSUE_NAME(TOpera7xDownloadsHistory)
    bool Check() override { return Opera7Check(); }
    void Solve() override { TruncateEachFound(OperaFolder(), {"download.dat"}); }
};

class TOpera7xHomePage final : public TPrivacyIssue {
    HM_ISSUE_NAME(TOpera7xHomePage)
    bool Check() override { return Opera7Check(); }
    void Solve() override { TruncateEachFound(OperaFolder(), {"vlink4.dat", "opera6.ini"}); }
};

class TOpera7xWandPasses final : public TPrivacyIssue {
    HM_ISSUE_NAME(TOpera7xWandPasses)
    bool Check() override
    {
        DefaultUnchecked = true;
        return Opera7Check();
    }
    void Solve() override { TruncateEachFound(OperaFolder(), {"wand.dat"}); }
};

class TOpera7xContacts final : public TPrivacyIssue {
    HM_ISSUE_NAME(TOpera7xContacts)
    bool Check() override
    {
        DefaultUnchecked = true;
        return Opera7Check();
    }
    void Solve() override { TruncateEachFound(OperaFolder(), {"contacts.adr", "contacts.adr.bak"}); }
};

class TOpera7xBookmarks final : public TPrivacyIssue {
    HM_ISSUE_NAME(TOpera7xBookmarks)
    bool Check() override
    {
        DefaultUnchecked = true;
        return Opera7Check();
    }
    void Solve() override { TruncateEachFound(OperaFolder(), {"opera6.adr", "opera6.adr.bak"}); }
};

class THelpWriter final : public TPrivacyIssue {
    HM_ISSUE_NAME(THelpWriter)
    bool Check() override
    {
        std::string windows = GetWindowsFolder();
        return !windows.empty() && FileExists(windows + "\\helpwrit.ini");
    }
    void Solve() override { BlankProfileKeys(GetWindowsFolder(), "\\helpwrit.ini", "OPTIONS", Numbered("LastFile", 1, 9)); }
};

// ---- Opera 8.x: the program of its last command line

bool Opera8Check()
{
    std::string program = Opera8Program();
    return !program.empty() && GetFileMajorVersion(program) == 8;
}

class TOpera8xHistory final : public TPrivacyIssue {
    HM_ISSUE_NAME(TOpera8xHistory)
    bool Check() override { return Opera8Check(); }
    void Solve() override { TruncateEachFound(Opera8Folder(), {"opera.dir", "global.dat"}); }
};

class TOpera8xCookies final : public TPrivacyIssue {
    HM_ISSUE_NAME(TOpera8xCookies)
    bool Check() override { return Opera8Check(); }
    void Solve() override { TruncateCookieStores(Opera8Folder(), "cookies4.dat"); }
};

class TOpera8xCache final : public TPrivacyIssue {
    HM_ISSUE_NAME(TOpera8xCache)
    bool Check() override { return Opera8Check(); }
    void Solve() override { EmptyOperaCache(Opera8Folder()); }
};

class TOpera8xDownloadsHistory final : public TPrivacyIssue {
    HM_ISSUE_NAME(TOpera8xDownloadsHistory)
    bool Check() override { return Opera8Check(); }
    void Solve() override { TruncateEachFound(Opera8Folder(), {"download.dat"}); }
};

class TOpera8xHomePage final : public TPrivacyIssue {
    HM_ISSUE_NAME(TOpera8xHomePage)
    bool Check() override { return Opera8Check(); }
    void Solve() override { TruncateEachFound(Opera8Folder(), {"vlink4.dat", "opera6.ini"}); }
};

class TOpera8xWandPasses final : public TPrivacyIssue {
    HM_ISSUE_NAME(TOpera8xWandPasses)
    bool Check() override
    {
        DefaultUnchecked = true;
        return Opera8Check();
    }
    void Solve() override { TruncateEachFound(Opera8Folder(), {"wand.dat"}); }
};

class TOpera8xContacts final : public TPrivacyIssue {
    HM_ISSUE_NAME(TOpera8xContacts)
    bool Check() override
    {
        DefaultUnchecked = true;
        return Opera8Check();
    }
    void Solve() override { TruncateEachFound(Opera8Folder(), {"contacts.adr", "contacts.adr.bak"}); }
};

class TOpera8xBookmarks final : public TPrivacyIssue {
    HM_ISSUE_NAME(TOpera8xBookmarks)
    bool Check() override
    {
        DefaultUnchecked = true;
        return Opera8Check();
    }
    void Solve() override { TruncateEachFound(Opera8Folder(), {"opera6.adr", "opera6.adr.bak"}); }
};

class TPaintShopPro80 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TPaintShopPro80)
    const char* const Jasc = "HKEY_CURRENT_USER\\Software\\Jasc\\Paint Shop Pro 8";
    bool Check() override
    {
        if (InstallCheck(HKEY_LOCAL_MACHINE, "SOFTWARE\\Jasc\\Paint Shop Pro 8\\Installer", "InstallDirectory"))
            return true;
        std::string server =
            RegText(HKEY_CLASSES_ROOT, "CLSID\\{6884E12E-342A-463A-9703-1CA4148AAE05}\\InprocServer32", "");
        StripLastPathPart(server);
        return !server.empty();
    }
    void Solve() override
    {
        EmptyFolder(GetAppDataFolder(), "\\Jasc Software Inc\\Paint Shop Pro 8\\Cache");
        ResetValues(std::string(Jasc) + "\\JascCmdFile\\FileOpen", {"Folder"});
        ClearRegValues(std::string(Jasc) + "\\Recent File List");
        ResetValues(std::string(Jasc) + "\\Browser", {"BrowseDir", "FindNameFindWhat", "FindNameHistory"});
    }
};

}  // namespace

std::vector<TIssueRegistration> CatalogueGroupF()
{
    return {
        HM_REGISTER(TXara3D40),
        HM_REGISTER(TXingMP3Player),
        HM_REGISTER(TXolox),
        HM_REGISTER(TYahooToolbar),
        HM_REGISTER(TYamahaSYXG100),
        HM_REGISTER(TACDSeePhotoViewer),
        HM_REGISTER(TAdobePhotoshop5LE),
        HM_REGISTER(TAdobePhotoshop55),
        HM_REGISTER(TAdobePhotoshopCS),
        HM_REGISTER(TAdobePhotoshopCS2),
        HM_REGISTER(TMozillaFirefoxCookies),
        HM_REGISTER(TMozillaFirefoxCache),
        HM_REGISTER(TMozillaFirefoxWebFeatures),
        HM_REGISTER(TMozillaFirefoxDownloadInfo),
        HM_REGISTER(TMozillaFirefoxSavedPasswords),
        HM_REGISTER(TMozillaThunderbirdSavedPasswords),
        HM_REGISTER(TMozillaThunderbirdAddressBook),
        HM_REGISTER(TMozillaThunderbirdAccountsSettings),
        HM_REGISTER(TMozillaThunderbirdSentMmail),
        HM_REGISTER(TMozillaThunderbirdTrashMail),
        HM_REGISTER(TNetscapeNavigator4xCookies),
        HM_REGISTER(TNetscapeNavigator4xCache),
        HM_REGISTER(TNetscapeNavigator4xAddressBar),
        HM_REGISTER(TMozillaNavigatorHisotry),
        HM_REGISTER(TMozillaNavigatorCookies),
        HM_REGISTER(TMozillaNavigatorCache),
        HM_REGISTER(TMozillaNavigatorDownloadInfo),
        HM_REGISTER(TMozillaNavigatorSavedPasses),
        HM_REGISTER(TMozillaNavigatorOpenedPageKey),
        HM_REGISTER(TBorlandDelphi3),
        HM_REGISTER(TBorlandDelphi4),
        HM_REGISTER(TOperaUpTo6History),
        HM_REGISTER(TOperaUpTo6Cookies),
        HM_REGISTER(TOperaUpTo6Cache),
        HM_REGISTER(TOperaUpTo6DownloadsHistory),
        HM_REGISTER(TOperaUpTo6HomePage),
        HM_REGISTER(TOpera7xHistory),
        HM_REGISTER(TOpera7xCookies),
        HM_REGISTER(TOpera7xCache),
        HM_REGISTER(TOpera7xDownloadsHistory),
        HM_REGISTER(TOpera7xHomePage),
        HM_REGISTER(TOpera7xWandPasses),
        HM_REGISTER(TOpera7xContacts),
        HM_REGISTER(TOpera7xBookmarks),
        HM_REGISTER(THelpWriter),
        HM_REGISTER(TOpera8xHistory),
        HM_REGISTER(TOpera8xCookies),
        HM_REGISTER(TOpera8xCache),
        HM_REGISTER(TOpera8xDownloadsHistory),
        HM_REGISTER(TOpera8xHomePage),
        HM_REGISTER(TOpera8xWandPasses),
        HM_REGISTER(TOpera8xContacts),
        HM_REGISTER(TOpera8xBookmarks),
        HM_REGISTER(TPaintShopPro80),
    };
}
