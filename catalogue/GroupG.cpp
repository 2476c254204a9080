// Windows and Internet Explorer traces, AOL, file sharing, download managers, ICQ,
// media players and the Firefox history.
#include "catalogue/CatalogueHelpers.h"
#include "catalogue/KeptCookies.h"
#include "catalogue/Families.h"
#include "catalogue/Groups.h"
#include "primitives/RecycleBin.h"

namespace {

const char* const IntelliForms = "HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\IntelliForms";
const char* const Explorer = "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";
const char* const ExplorerBars =
    "HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\Explorer Bars\\{C4EE31F3-4768-11D2-BE5C-00A0C9A83DA1}";
const char* const Uninstall = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";

// ---- Windows and Internet Explorer

class TTempFolder final : public TPrivacyIssue {
    HM_ISSUE_NAME(TTempFolder)
    bool Check() override { return HasFilesIn(GetTempFolder()); }
    void Solve() override { EmptyFolder(GetTempFolder(), "\\"); }
};

class TCookies final : public TPrivacyIssue {
    HM_ISSUE_NAME(TCookies)
    // One file alone is the cookie index, not a trace.
    bool Check() override
    {
        std::string folder = GetCookiesFolder();
        return !folder.empty() && CountFiles(folder + "\\", 2) > 1;
    }
    void Solve() override { EmptyCookieFolder(GetCookiesFolder(), "\\"); }
};

class TInternetCache final : public TPrivacyIssue {
    HM_ISSUE_NAME(TInternetCache)
    bool Check() override { return HasFilesIn(GetInternetCacheFolder()); }
    void Solve() override { EmptyFolder(GetInternetCacheFolder(), "\\"); }
};

class TUserData final : public TPrivacyIssue {
    HM_ISSUE_NAME(TUserData)
    bool Check() override
    {
        std::string profile = GetProfileFolder();
        return PathExistsAt(profile, "\\UserData\\index.dat") &&
               GetFileSize64(profile + "\\UserData\\index.dat") > 32768;
    }
    void Solve() override
    {
        // The store the Check found goes too; the Windows or Documents one alone would
        // leave the issue found after every restart.
        std::string profile = GetProfileFolder();
        if (PathExistsAt(profile, "\\UserData\\index.dat"))
            ScheduleDeletion(profile, "\\UserData\\index.dat");
        std::string windows = GetWindowsFolder();
        if (PathExistsAt(windows, "\\UserData\\index.dat"))
            ScheduleDeletion(windows, "\\UserData\\index.dat");
        else
            ScheduleDeletion(GetPersonalFolder(), "\\UserData\\index.dat");
        RestartRequired = true;
    }
};

class TFavorites final : public TPrivacyIssue {
    HM_ISSUE_NAME(TFavorites)
    bool Check() override
    {
        DefaultUnchecked = true;
        return HasFilesIn(GetFavoritesFolder(), "\\");
    }
    void Solve() override { EmptyFolder(GetFavoritesFolder(), "\\"); }
};

class THistory final : public TPrivacyIssue {
    HM_ISSUE_NAME(THistory)
    bool Check() override { return HasFilesIn(GetHistoryFolder(), "\\"); }
    void Solve() override { EmptyFolder(GetHistoryFolder(), "\\"); }
};

class TAutoCompleteForms final : public TPrivacyIssue {
    HM_ISSUE_NAME(TAutoCompleteForms)
    bool Check() override
    {
        DefaultUnchecked = true;
        return true;
    }
    void Solve() override { EffectClearing(ClearingExport::AutoCompleteForms); }
};

class TAutoCompletePWDs final : public TPrivacyIssue {
    HM_ISSUE_NAME(TAutoCompletePWDs)
    bool Check() override
    {
        DefaultUnchecked = true;
        return RegKeyHasSubKeys(IntelliForms);
    }
    void Solve() override { EffectClearing(ClearingExport::AutoCompletePWDs); }
};

class TIndexDat final : public TPrivacyIssue {
    HM_ISSUE_NAME(TIndexDat)
    bool Check() override { return true; }
    void Solve() override
    {
        std::string cookies = GetCookiesFolder(), history = GetHistoryFolder(), cache = GetInternetCacheFolder();
        std::string found;
        if (!KeepCookieIndex(cookies))
            ScheduleDeletion(cookies, "\\index.dat");
        ScheduleDeletion(history, "\\index.dat");
        ScheduleDeletion(history, "\\History.IE5\\index.dat");
        ScheduleDeletion(history.empty() ? "" : FindHistoryFolder(history, found), "\\index.dat");
        ScheduleDeletion(history.empty() ? "" : FindHistoryFolder(history + "\\History.IE5\\", found), "\\index.dat");
        ScheduleDeletion(cache, "\\index.dat");
        ScheduleDeletion(cache, "\\Content.IE5\\index.dat");
        RestartRequired = true;
    }
};

class TAddressBarHistory final : public TPrivacyIssue {
    HM_ISSUE_NAME(TAddressBarHistory)
    const char* const User = "HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\TypedURLs";
    const char* const Machine = "HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Internet Explorer\\TypedURLs";
    bool Check() override { return RegKeyHasValues(User) || RegKeyHasValues(Machine); }
    void Solve() override
    {
        ClearRegValues(User);
        ClearRegValues(Machine);
    }
};

class TRecentDocs final : public TPrivacyIssue {
    HM_ISSUE_NAME(TRecentDocs)
    bool Check() override { return HasFilesIn(GetRecentFolder()); }
    void Solve() override { EmptyFolder(GetRecentFolder(), "\\"); }
};

class TComputerDocsHistory final : public TPrivacyIssue {
    HM_ISSUE_NAME(TComputerDocsHistory)
    bool Check() override { return RegKeyHasSubKeys(std::string(Explorer) + "\\RecentDocs"); }
    void Solve() override { EffectClearing(ClearingExport::ComputerDocsHistory); }
};

class TRunHistory final : public TPrivacyIssue {
    HM_ISSUE_NAME(TRunHistory)
    bool Check() override { return RegKeyHasValues(std::string(Explorer) + "\\RunMRU"); }
    void Solve() override
    {
        ClearRegValues(std::string(Explorer) + "\\RunMRU");
        RestartRequired = true;
    }
};

class TFindFilesHistory final : public TPrivacyIssue {
    HM_ISSUE_NAME(TFindFilesHistory)
    static std::vector<std::string> Keys()
    {
        return {std::string(Explorer) + "\\Doc Find Spec MRU", std::string(ExplorerBars) + "\\ContainingTextMRU",
                std::string(ExplorerBars) + "\\FilesNamedMRU",
                "HKEY_CURRENT_USER\\Software\\Microsoft\\Search Assistant\\ACMru"};
    }
    bool Check() override { return AnyKeyHasSubKeys(Keys()); }
    void Solve() override { DeleteSubKeysOfEach(Keys()); }
};

class TFindCompHistory final : public TPrivacyIssue {
    HM_ISSUE_NAME(TFindCompHistory)
    static std::vector<std::string> Keys()
    {
        return {std::string(Explorer) + "\\FindComputerMRU", std::string(ExplorerBars) + "\\ComputerNameMRU",
                "HKEY_CURRENT_USER\\Software\\Microsoft\\Search Assistant\\ACMru"};
    }
    // Found only while there is something the Solve removes: an existence test would
    // find the issue again after every Solve, since the keys themselves stay.
    bool Check() override { return AnyKeyHasSubKeys(Keys()); }
    void Solve() override { DeleteSubKeysOfEach(Keys()); }
};

class TRecycleBin final : public TPrivacyIssue {
    HM_ISSUE_NAME(TRecycleBin)
    bool Check() override
    {
        int64_t total = 0;
        for (int index = 0; index <= 25; ++index) {
            std::string root = GetDriveRoot(index);
            if (root.empty() || GetDriveTypeText(root[0]) != "Hard Disk")
                continue;
            total += RecycleBinItems(std::string(1, root[0]) + ":\\");
        }
        return total > 0;
    }
    void Solve() override { EffectEmptyRecycleBin(); }
};

class TLogonHistory final : public TPrivacyIssue {
    HM_ISSUE_NAME(TLogonHistory)
    const char* const Winlogon = "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon";
    bool Check() override
    {
        return RegValueExists(Winlogon, "DefaultUserName") || RegValueExists(Winlogon, "DefaultPassword");
    }
    void Solve() override
    {
        DeleteRegValue(Winlogon, "DefaultUserName");
        DeleteRegValue(Winlogon, "DefaultPassword");
    }
};

class TNethoodCache final : public TPrivacyIssue {
    HM_ISSUE_NAME(TNethoodCache)
    bool Check() override { return HasFilesIn(GetNetHoodFolder()); }
    void Solve() override { EmptyFolder(GetNetHoodFolder(), "\\"); }
};

class TPrinthoodCache final : public TPrivacyIssue {
    HM_ISSUE_NAME(TPrinthoodCache)
    bool Check() override { return HasFilesIn(GetPrintHoodFolder()); }
    void Solve() override { EmptyFolder(GetPrintHoodFolder(), "\\"); }
};

class TTelnetHistory final : public TPrivacyIssue {
    HM_ISSUE_NAME(TTelnetHistory)
    const char* const Telnet = "HKEY_CURRENT_USER\\Software\\Microsoft\\Telnet";
    bool Check() override { return RegValueExists(Telnet, "Telnet") || RegValueExists(Telnet, "LastMachine"); }
    void Solve() override
    {
        DeleteRegValue(Telnet, "Telnet");
        DeleteRegValue(Telnet, "LastMachine");
    }
};

class TClipboard final : public TPrivacyIssue {
    HM_ISSUE_NAME(TClipboard)
    bool Check() override
    {
        return IsClipboardFormatAvailable(CF_TEXT) || IsClipboardFormatAvailable(CF_BITMAP) ||
               IsClipboardFormatAvailable(CF_METAFILEPICT) ||
               IsClipboardFormatAvailable(RegisterClipboardFormatA("Delphi Picture")) ||
               IsClipboardFormatAvailable(RegisterClipboardFormatA("Delphi Component"));
    }
    void Solve() override { EffectEmptyClipboard(); }
};

class TSaveOpenDialogHistory final : public TPrivacyIssue {
    HM_ISSUE_NAME(TSaveOpenDialogHistory)
    bool Check() override { return RegKeyHasSubKeys(std::string(Explorer) + "\\ComDlg32\\ComDlg32"); }
    void Solve() override
    {
        if (RegKeyExists(std::string(Explorer) + "\\ComDlg32\\ComDlg32"))
            DeleteRegKeyTree(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32");
    }
};

class TRegistryBackups final : public TPrivacyIssue {
    HM_ISSUE_NAME(TRegistryBackups)
    bool Check() override
    {
        std::string windows = GetWindowsFolder();
        return PathExistsAt(windows, "\\repair\\ntuser.dat") || PathExistsAt(windows, "\\user.bak") ||
               PathExistsAt(windows, "\\system.bak");
    }
    void Solve() override { DeleteEachIn(GetWindowsFolder(), {"\\repair\\ntuser.dat", "\\user.bak", "\\system.bak"}); }
};

class TUserAssistCache final : public TPrivacyIssue {
    HM_ISSUE_NAME(TUserAssistCache)
    bool Check() override { return RegKeyHasSubKeys(std::string(Explorer) + "\\UserAssist"); }
    void Solve() override { EffectClearing(ClearingExport::UserAssistCache); }
};

class TRegistryStreams final : public TPrivacyIssue {
    HM_ISSUE_NAME(TRegistryStreams)
    // "Current Version" with a blank is the name some systems really use.
    const char* const StreamMRU = "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\Current Version\\Explorer\\StreamMRU";
    const char* const Streams = "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Streams";
    bool Check() override { return RegKeyExists(StreamMRU) || RegKeyExists(Streams); }
    void Solve() override
    {
        if (RegKeyExists(StreamMRU))
            DeleteRegKeyTree(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\Current Version\\Explorer\\StreamMRU");
        if (RegKeyExists(Streams))
            DeleteRegKeyTree(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Streams");
    }
};

class TPagingFile final : public TPrivacyIssue {
    HM_ISSUE_NAME(TPagingFile)
    const char* const MemoryManagement = "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management";
    bool Check() override
    {
        return RegReadInteger(HKEY_LOCAL_MACHINE, MemoryManagement, "ClearPageFileAtShutdown") == 0;
    }
    void Solve() override
    {
        RegWriteInteger(HKEY_LOCAL_MACHINE, MemoryManagement, "ClearPageFileAtShutdown", 1);
        RestartRequired = true;
    }
};

class TRASAutoDial final : public TPrivacyIssue {
    HM_ISSUE_NAME(TRASAutoDial)
    const char* const Addresses = "HKEY_CURRENT_USER\\Software\\Microsoft\\RAS Autodial\\Addresses";
    bool Check() override { return RegKeyExists(Addresses) && RegKeyHasSubKeys(Addresses); }
    void Solve() override
    {
        if (RegKeyExists(Addresses))
            DeleteRegSubKeys(Addresses);
    }
};

// ---- AOL

// The AOL program folder, from its App Paths entry; empty when AOL is not there.
std::string AolFolder()
{
    std::string folder = InstallFolderOf(
        RegText(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Aol.exe", ""));
    return IsDirectoryAt(folder) ? folder : std::string();
}

class TAOL90 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TAOL90)
    bool Check() override
    {
        std::string folder = AolFolder();
        return !folder.empty() && folder.find('9') != std::string::npos;
    }
    void Solve() override
    {
        std::string folder = AolFolder();
        if (folder.empty())
            return;
        std::string common = TrustedBase(RegText(
            HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", "Common AppData"));
        std::string aol = common.empty() ? "" : common + "\\AOL\\" + folder[0] + ":_America Online 9.0";
        EmptyFolder(folder, "organize\\cache");
        KeepSubfoldersEmpty(folder, "organize\\", {"*.ARL", "*.AUT", "*.BAG"});
        DeleteIn(aol, "\\storage\\cache.db");
        DeleteIn(common, "\\AOL\\storage\\cache.db");
        DeleteIn(aol, "\\errorlog.ini");
    }
};

class TAOLUp8 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TAOLUp8)
    bool Check() override
    {
        std::string folder = AolFolder();
        return !folder.empty() && folder.find('9') == std::string::npos;
    }
    void Solve() override
    {
        std::string folder = AolFolder();
        EmptyFolder(folder, "organize\\cache");
        KeepSubfoldersEmpty(folder, "organize\\", {"*.ARL", "*.AUT"});
        EmptyFolder(folder, "AOLTEMP\\");
        EmptyFolder(folder, "download\\", "*.log", true);
    }
};

class TAOLInstantMessenger final : public TPrivacyIssue {
    HM_ISSUE_NAME(TAOLInstantMessenger)
    bool Check() override
    {
        std::string windows = GetWindowsFolder();
        return IsDirectoryAt(windows, "\\aim95\\") || IsDirectoryAt(windows, "\\aim96\\");
    }
    void Solve() override
    {
        std::string windows = GetWindowsFolder();
        KeepSubfoldersEmpty(windows, "\\aim95\\", {"*.tmp", "*.dat"});
        KeepSubfoldersEmpty(windows, "\\aim96\\", {"*.dat", "*.tmp"});
    }
};

// ---- File sharing

class TAres18 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TAres18)
    std::string Value() const { return RegText(HKEY_LOCAL_MACHINE, std::string(Uninstall) + "Ares", "UninstallString"); }
    bool Check() override { return UninstallerCheckOn(Value()); }
    void Solve() override
    {
        std::string folder = InstallFolderOf(Value());
        if (folder.empty())
            return;
        DeleteKeys({"HKEY_CURRENT_USER\\Software\\Softgap\\Ares\\Search.History",
                    "HKEY_CURRENT_USER\\Software\\Ares\\Search.History",
                    "HKEY_CURRENT_USER\\Software\\Ares\\WebSearchHist"});
        ResetValues("HKEY_CURRENT_USER\\Software\\Softgap\\Ares", {"History.LastHostedChannel"});
        ResetValues("HKEY_CURRENT_USER\\Software\\Ares", {"History.LastHostedChannel"});
        EmptyFolder(folder, "Temp\\");
    }
};

class TAresLite final : public TPrivacyIssue {
    HM_ISSUE_NAME(TAresLite)
    std::string Value() const
    {
        return RegText(HKEY_LOCAL_MACHINE, std::string(Uninstall) + "AresLite", "UninstallString");
    }
    bool Check() override { return UninstallerCheckOn(Value()); }
    void Solve() override
    {
        std::string folder = InstallFolderOf(Value());
        if (folder.empty())
            return;
        DeleteRegKey("HKEY_CURRENT_USER\\Software\\AresLite\\Search.History");
        EmptyFolder(folder, "Temp\\");
    }
};

class TBlubster final : public TPrivacyIssue {
    HM_ISSUE_NAME(TBlubster)
    std::string Value() const { return RegText(HKEY_CURRENT_USER, "Software\\Cydoor\\Adwr_336", "ExistFile"); }
    bool Check() override { return UninstallerCheckUnticked(*this, Value()); }
    void Solve() override
    {
        std::string folder = InstallFolderOf(Value());
        if (folder.empty())
            return;
        DeleteEachIn(folder, {"MyFiles.dat.lst", "downloads.dat"});
        std::string settings = folder + "Settings.ini";
        EffectDeleteProfileSection(settings, "Shared Folders");
        for (const std::string& section : ProfileSectionNames(settings)) {
            if (ProfileKeyExists(settings, section, "Nick")) {
                EffectDeleteProfileKey(settings, section, "Nick");
                break;
            }
        }
    }
};

class TBSPlayer final : public TPrivacyIssue {
    HM_ISSUE_NAME(TBSPlayer)
    std::string Value() const
    {
        return RegText(HKEY_LOCAL_MACHINE, std::string(Uninstall) + "BSPlayer1", "UninstallString");
    }
    bool Check() override { return UninstallerCheckUnticked(*this, Value()); }
    void Solve() override { DeleteEachIn(InstallFolderOf(Value()), {"bsplist.bsl", "BSPlayer.xml"}); }
};

class TDirectConnect1 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TDirectConnect1)
    // The install path itself is the base, without a backslash added.
    std::string Folder() const
    {
        return RegText(HKEY_LOCAL_MACHINE, "Software\\NeoModus\\Direct Connect", "InstallPath");
    }
    bool Check() override
    {
        return InstallCheckUnticked(*this, HKEY_LOCAL_MACHINE, "Software\\NeoModus\\Direct Connect", "InstallPath");
    }
    void Solve() override
    {
        std::string folder = ProgramBase(Folder());
        if (folder.empty())
            return;
        EmptyFolder(folder, "DcLists");
        DeleteIn(folder, "SharedDirectories.config");
        EmptyFolder(folder, "DCTmp");
        DeleteEachIn(folder, {"FavoriteUsers.config", "HubLists\\Recent.config", "HubLists\\Favorites.config",
                              "HubLists\\public.config", "Queue.config"});
        ResetValues("HKEY_CURRENT_USER\\Software\\NeoModus\\Direct Connect\\Settings",
                    {"MyNick", "MyEmail", "MyFileDescription"});
    }
};

// The settings of Direct Connect 2 lie in a folder named after the vendor's domain.
std::string DirectConnect2Settings()
{
    std::string appData = GetAppDataFolder();
    return appData.empty() ? "" : appData + "\\neo-modus.com\\DCSettings\\";
}

class TDirectConnect2 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TDirectConnect2)
    bool Check() override
    {
        DefaultUnchecked = true;
        return IsDirectoryAt(DirectConnect2Settings());
    }
    void Solve() override
    {
        std::string folder = DirectConnect2Settings();
        DeleteEachIn(folder, {"DCQueue.config", "HubLists\\recent.config", "HubLists\\favorites.config",
                              "HubLists\\public.config"});
        EmptyFolder(folder, "DCLists");
        DeleteIn(folder, "DCSettings.config");
    }
};

class TEarthStation5 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TEarthStation5)
    std::string Folder() const
    {
        std::string folder = RegText(HKEY_LOCAL_MACHINE, "Software\\EarthStation5", "Install_Dir");
        AddTrailingBackslash(folder);
        return ProgramBase(folder);
    }
    bool Check() override
    {
        return InstallCheckUnticked(*this, HKEY_LOCAL_MACHINE, "Software\\EarthStation5", "Install_Dir");
    }
    void Solve() override
    {
        std::string folder = Folder();
        if (folder.empty())
            return;
        EmptyFolder(folder, "duplicates");
        EmptyFolder(folder, "temp");
        DeleteRegKey("HKEY_CURRENT_USER\\Software\\HelmuthSpeakingForBoskone\\Excalibur1.0\\share-directory-tree");
    }
};

class TEdonkey final : public TPrivacyIssue {
    HM_ISSUE_NAME(TEdonkey)
    const char* const Key = "Software\\Classes\\Software\\MM\\eDonkey2000";
    bool Check() override { return InstallCheckUnticked(*this, HKEY_LOCAL_MACHINE, Key, "installDir"); }
    void Solve() override
    {
        std::string folder = RegText(HKEY_LOCAL_MACHINE, Key, "installDir");
        AddTrailingBackslash(folder);
        folder = ProgramBase(folder);
        if (folder.empty())
            return;
        EmptyFolder(folder, "temp");
        DeleteEachIn(folder, {"log.txt", "known.met", "known.met.bak", "share.dat", "share.dat.bak", "pref.xml"});
        ResetValues("HKEY_LOCAL_MACHINE\\Software\\Classes\\Software\\MM", {"passWord", "userName"});
        DeleteEachIn(folder, {"friend.met", "friend.met.bak"});
    }
};

class TGetRight final : public TPrivacyIssue {
    HM_ISSUE_NAME(TGetRight)
    bool Check() override { return InstallCheck(HKEY_LOCAL_MACHINE, "Software\\Headlight\\GetRight", "InstallDir"); }
    void Solve() override
    {
        std::string folder = RegText(HKEY_LOCAL_MACHINE, "Software\\Headlight\\GetRight", "InstallDir");
        AddTrailingBackslash(folder);
        folder = ProgramBase(folder);
        if (folder.empty())
            return;
        DeleteEachIn(folder, {"GetRight.hst", "GetRight.lst"});
        const std::string g = "HKEY_CURRENT_USER\\Software\\HeadLight\\GetRight";
        DeleteRegKey(g + "\\MRU");
        ResetRegString(g + "\\Config", "Lastdir", "");
        DeleteRegKey(g + "\\Find");
        DeleteRegKey(g + "\\FtpSearch");
        DeleteRegKey(g + "\\TypedURLs");
        DeleteRegKey(g + "\\WebForm");
        ResetRegString(g + "\\Config", "DirBrowseOpen", "");
        DeleteRegKey(g + "\\RecentServers");
        DeleteRegKey(std::string(Explorer) + "\\ComDlg32\\LastVisitedMRU");
        DeleteRegKey(std::string(Explorer) + "\\ComDlg32\\OpenSaveMRU");
        ClearRegValues("HKEY_CURRENT_USER\\Software\\Headlight\\GetRight\\RecentServers");
        ClearRegValues("HKEY_CURRENT_USER\\Software\\Headlight\\GetRight\\TypedDescs");
    }
};

class TGnucleus final : public TPrivacyIssue {
    HM_ISSUE_NAME(TGnucleus)
    std::string Value() const
    {
        return RegText(HKEY_LOCAL_MACHINE, std::string(Uninstall) + "Gnucleus", "UninstallString");
    }
    bool Check() override { return UninstallerCheckUnticked(*this, Value()); }
    void Solve() override
    {
        std::string folder = InstallFolderOf(Value());
        if (folder.empty())
            return;
        DeleteIn(folder, "GnuHashes.ini");
        EmptyFolder(folder, "Partials");
        EmptyFolder(folder, "Temp");
        DeleteRegKey("HKEY_CURRENT_USER\\Software\\Gnucleus\\Searches");
    }
};

class TGoZilla final : public TPrivacyIssue {
    HM_ISSUE_NAME(TGoZilla)
    std::string Value() const { return RegText(HKEY_LOCAL_MACHINE, std::string(Uninstall) + "Go!Zilla", "DisplayIcon"); }
    bool Check() override { return UninstallerCheckOn(Value()); }
    void Solve() override
    {
        std::string value = Value();
        if (value.empty())
            return;
        KillProcess(NameOf(value));
        DeleteEachIn(InstallFolderOf(value), {"leech.hst", "golog.htm", "download.log"});
        std::string appData = GetAppDataFolder();
        for (const char* cache :
             {"\\Software\\Radiate\\File Cache\\", "\\Software\\Radiate\\Go!Zilla\\4.0\\files\\",
              "\\Software\\Radiate\\Go!Zilla\\4.0\\items\\", "\\Software\\Radiate\\Go!Zilla\\4.0\\locations\\",
              "\\Software\\Radiate\\Go!Zilla\\4.0\\Scheduled Files\\"})
            EmptyFolder(appData, cache);
    }
};

class TGrokster final : public TPrivacyIssue {
    HM_ISSUE_NAME(TGrokster)
    std::string Value() const { return RegText(HKEY_LOCAL_MACHINE, std::string(Uninstall) + "Grokster", "DisplayIcon"); }
    bool Check() override { return UninstallerCheckUnticked(*this, Value()); }
    void Solve() override
    {
        std::string folder = InstallFolderOf(Value());
        if (folder.empty())
            return;
        EmptyFolder(folder, "Db");
        DeleteKeys({"HKEY_CURRENT_USER\\Software\\Grokster\\LocalContent", "HKEY_CURRENT_USER\\Software\\Grokster\\UserDetails",
                    "HKEY_CURRENT_USER\\Software\\Grokster\\Search",
                    "HKEY_CURRENT_USER\\Software\\Grokster\\Grokster\\Recent File List"});
    }
};

// ---- ICQ

void EmptyIcqFolders(const std::string& folder)
{
    for (const char* tail : {"AteBrowser\\", "Received Files\\", "UIN\\", "2000a\\", "Bookmark\\", "Chats\\",
                             "Plugins\\Voice Messages\\incoming\\", "Plugins\\Voice Messages\\outgoing\\"})
        EmptyFolder(folder, tail);
}

class TICQ2000 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TICQ2000)
    std::string Value() const { return RegText(HKEY_LOCAL_MACHINE, "Software\\Classes\\icqplugin\\DefaultIcon", ""); }
    bool Check() override
    {
        std::string value = Value();
        if (value.empty())
            return false;
        DefaultUnchecked = true;
        return PathExistsAt(InstallFolderOf(value), "icq.exe");
    }
    void Solve() override { EmptyIcqFolders(InstallFolderOf(Value())); }
};

class TICQ200X final : public TPrivacyIssue {
    HM_ISSUE_NAME(TICQ200X)
    std::string Value() const
    {
        std::string value =
            RegText(HKEY_LOCAL_MACHINE, "Software\\Mirabilis\\ICQ\\ICQPro\\Install\\General", "InstalledDir");
        return value.empty() ? RegText(HKEY_LOCAL_MACHINE, "Software\\Mirabilis\\ICQ\\Install\\General", "InstalledDir")
                             : value;
    }
    bool Check() override
    {
        std::string value = Value();
        if (value.empty())
            return false;
        DefaultUnchecked = true;
        return PathExistsAt(InstallFolderOf(value), "icq.exe");
    }
    void Solve() override { EmptyIcqFolders(InstallFolderOf(Value())); }
};

const char* const IcqLiteKey = "Software\\Mirabilis\\ICQ\\ICQLite";

class TICQLite final : public TPrivacyIssue {
    HM_ISSUE_NAME(TICQLite)
    bool Check() override { return InstallCheck(HKEY_LOCAL_MACHINE, IcqLiteKey, "FileName"); }
    void Solve() override
    {
        std::string appData = GetAppDataFolder();
        EmptyFolder(appData, "\\ICQLite\\HistoryDB");
        EmptyFolder(appData, "\\ICQ\\OwnersLog");
    }
};

class TICQLiteDanger final : public TPrivacyIssue {
    HM_ISSUE_NAME(TICQLiteDanger)
    bool Check() override { return InstallCheckUnticked(*this, HKEY_LOCAL_MACHINE, IcqLiteKey, "FileName"); }
    void Solve() override
    {
        std::string folder = InstallFolderOf(RegText(HKEY_LOCAL_MACHINE, IcqLiteKey, "FileName"));
        if (folder.empty())
            return;
        std::string appData = GetAppDataFolder();
        EmptyFolder(appData, "\\ICQLite\\HistoryDB");
        DeleteIn(appData, "\\ICQ\\OwnersLog");
        EmptyFolder(folder, "", "*.fb", true);
        EmptyFolder(GetPersonalFolder(), "\\ICQ Lite");
        DeleteKeys({"HKEY_LOCAL_MACHINE\\SOFTWARE\\Mirabilis\\ICQ\\NewOwners",
                    "HKEY_CURRENT_USER\\Software\\Mirabilis\\ICQ\\NewOwners"});
    }
};

// ---- Viewers and file sharing, continued

class TIrfanView3x final : public TPrivacyIssue {
    HM_ISSUE_NAME(TIrfanView3x)
    std::string Value() const
    {
        return RegText(HKEY_LOCAL_MACHINE, "Software\\Classes\\IrfanView\\shell\\open\\command", "");
    }
    bool Check() override { return !Value().empty(); }
    void Solve() override { DeleteEachIn(InstallFolderOf(Value()), {"Slideshow.lst", "i_view32.ini"}); }
};

class TKazaaLite final : public TPrivacyIssue {
    HM_ISSUE_NAME(TKazaaLite)
    static std::string KLiteFolder()
    {
        std::string folder = RegText(HKEY_LOCAL_MACHINE, "Software\\Kazaa\\k-lite", "Installdir");
        AddTrailingBackslash(folder);
        return folder;
    }
    bool Check() override
    {
        std::string program = RegText(HKEY_LOCAL_MACHINE, "Software\\KaZaA\\Cloudload", "ExeDir");
        if (program.empty())
            program = KLiteFolder() + "kazaa.exe";
        if (program.empty() || program == "\\kazaa.exe" || program == "kazaa.exe")
            return false;
        DefaultUnchecked = true;
        return PathExists(program);
    }
    void Solve() override
    {
        std::string folder = FolderOf(RegText(HKEY_LOCAL_MACHINE, "Software\\KaZaA\\Cloudload", "ExeDir"));
        if (folder.empty())
            folder = KLiteFolder();
        folder = ProgramBase(folder);
        std::string appData = GetAppDataFolder();
        if (folder.empty() || appData.empty())
            return;
        EmptyFolder(appData.substr(0, 1), ":\\My Shared Folder\\");
        EmptyFolder(folder, "db\\");
        EmptyFolder(folder, "My Shared Folder\\", "*.dat");
        EmptyFolder(appData, "\\Kazaa Lite\\db");
        DeleteKeys({"HKEY_CURRENT_USER\\Software\\Kazaa\\LocalContent", "HKEY_CURRENT_USER\\Software\\Kazaa\\UserDetails",
                    "HKEY_CURRENT_USER\\Software\\Kazaa\\Search",
                    "HKEY_CURRENT_USER\\Software\\Kazaa\\Kazaa Lite K++\\Recent file List",
                    "HKEY_CURRENT_USER\\Software\\KAZAA\\Kazaa Lite\\Recent file List"});
    }
};

class TKazaa final : public TPrivacyIssue {
    HM_ISSUE_NAME(TKazaa)
    bool Check() override
    {
        return InstallCheckUnticked(*this, HKEY_LOCAL_MACHINE, "Software\\Kazaa\\Settings", "HelpDir");
    }
    void Solve() override
    {
        std::string folder = InstallFolderOf(RegText(HKEY_LOCAL_MACHINE, "Software\\Kazaa\\Settings", "HelpDir"));
        if (folder.empty())
            return;
        EmptyFolder(folder, "My Shared Folder");
        EmptyFolder(folder, "Db");
        DeleteKeys({"HKEY_CURRENT_USER\\Software\\KAZAA\\UserDetails",
                    "HKEY_CURRENT_USER\\Software\\KAZAA\\KaZaA Media Desktop\\Recent file List",
                    "HKEY_CURRENT_USER\\Software\\Kazaa\\Search",
                    "HKEY_CURRENT_USER\\Software\\Kazaa\\Kazaa Media Desktop\\BrowserSettings",
                    "HKEY_CURRENT_USER\\Software\\Kazaa\\Kazaa\\BrowserSettings",
                    "HKEY_CURRENT_USER\\Software\\KAzAA\\Kazaa\\Recent file List",
                    "HKEY_CURRENT_USER\\Software\\KAZAA\\LocalContent"});
        EmptyFolder(folder, "My Search Agents");
        ResetValues("HKEY_CURRENT_USER\\Software\\Kazaa\\ResultsFilter", {"custom_filter_phrases"});
    }
};

// LimeWire keeps its settings in ".limewire" in the user's profile folder. The four
// settings name the user's shared folders, filter words and address lists: they are
// emptied in limewire.props, and nothing they name is ever deleted.
class TLimewire final : public TPrivacyIssue {
    HM_ISSUE_NAME(TLimewire)
    bool Check() override { return InstallCheck(HKEY_LOCAL_MACHINE, "Software\\LimeWire", "InstallDir"); }
    void Solve() override
    {
        std::string install = RegText(HKEY_LOCAL_MACHINE, "Software\\LimeWire", "InstallDir");
        std::string profile = GetProfileFolder();
        if (install.empty() || profile.empty())
            return;
        std::string settings = profile + "\\.limewire\\";
        DeleteIn(settings, "fileurns.cache");
        BlankSettings(settings + "limewire.props",
                      {"DIRECTORIES_TO_SEARCH_FOR_FILES=", "BANNED_WORDS=", "WHITE_LISTED_IP_ADDRESSES=",
                       "BLACK_LISTED_IP_ADDRESSES="});
    }
};

// ---- Windows Media Player

std::string WmpExePath()
{
    return RegText(HKEY_USERS, ".DEFAULT\\Software\\Microsoft\\Keyboard\\NativeMediaPlayers\\WMP", "ExePath");
}

void MediaPlayerPreamble(const char* openDirName)
{
    DeleteIn(GetWindowsFolder(), "\\wmplibrary_v_0_12.db");
    DeleteIn(GetAppDataFolder(), "\\Microsoft\\Media Player\\ActivePlaylist.dat");
    ClearRegValues("HKEY_CURRENT_USER\\Software\\Microsoft\\MediaPlayer\\Player\\RecentFileList");
    ResetRegString("HKEY_CURRENT_USER\\Software\\Microsoft\\MediaPlayer\\player\\settings", openDirName, "");
    ClearRegValues("HKEY_CURRENT_USER\\Software\\Microsoft\\MediaPlayer\\Player\\RecentURLList");
}

std::string LocalAppDataFolder()
{
    std::string folder = RegText(HKEY_CURRENT_USER, "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                                 "Local AppData");
    AddTrailingBackslash(folder);
    return TrustedBase(folder);
}

void DeletePlayerHistoryKeys()
{
    DeleteKeys({"HKEY_CURRENT_USER\\Software\\Microsoft\\MediaPlayer\\Player\\RecentFileList",
                "HKEY_CURRENT_USER\\Software\\Microsoft\\MediaPlayer\\Player\\RecentURLList"});
    ResetValues("HKEY_CURRENT_USER\\Software\\Microsoft\\MediaPlayer\\Player\\Settings", {"OpenDir"});
}

class TWindowsMediaPlayer7 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TWindowsMediaPlayer7)
    bool Check() override
    {
        std::string value = WmpExePath();
        if (GetWindowsVersion() < 9 && value.empty())
            value = RegText(HKEY_CURRENT_USER, "Software\\Microsoft\\MediaPlayer\\Setup\\CreatedLinks", "AppName");
        return MajorVersionAt(InstallFolderOf(value), "wmplayer.exe") == 7;
    }
    void Solve() override { MediaPlayerPreamble("opendir"); }
};

class TWindowsMediaPlayer8 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TWindowsMediaPlayer8)
    bool Check() override { return MajorVersionAt(InstallFolderOf(WmpExePath()), "wmplayer.exe") == 8; }
    void Solve() override { MediaPlayerPreamble("OpenDir"); }
};

class TWindowsMediaPlayer9 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TWindowsMediaPlayer9)
    bool Check() override
    {
        std::string value = RegText(HKEY_LOCAL_MACHINE, ".DEFAULT\\Software\\Classes\\WMP.DVR-MSFile\\DefaultIcon", "");
        if (value.empty())
            value = RegText(HKEY_LOCAL_MACHINE, "Software\\CLASSES\\WVXFile\\shell\\play\\command", "");
        return !value.empty() && MajorVersionAt(InstallFolderOf(value), "wmplayer.exe") == 9;
    }
    void Solve() override
    {
        std::string local = LocalAppDataFolder();
        std::string personal = GetPersonalFolder();
        for (const char* playlists : {"\\My Music\\My Playlists", "\\Eigene Musik\\My Playlists", "\\Ma musique\\My Playlists"})
            EmptyFolder(personal, playlists);
        EmptyFolder(GetAppDataFolder(), "\\Microsoft\\Media Player");
        if (GetWindowsVersion() > 9)
            EmptyFolder(local, "Microsoft\\Media Player");
        DeletePlayerHistoryKeys();
    }
};

class TWindowsMediaPlayer10 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TWindowsMediaPlayer10)
    bool Check() override
    {
        std::string value =
            RegText(HKEY_LOCAL_MACHINE, std::string(Uninstall) + "Windows Media Player", "DisplayIcon");
        if (value.empty())
            value = RegText(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Multimedia\\WMPlayer", "Player.Path");
        if (value.empty())
            return false;
        DefaultUnchecked = true;
        return MajorVersionAt(InstallFolderOf(value), "wmplayer.exe") == 10;
    }
    void Solve() override
    {
        std::string local = LocalAppDataFolder();
        KillProcess("wmplayer.exe");
        std::string personal = GetPersonalFolder();
        EmptyFolder(personal, "\\My Music\\My Playlists");
        EmptyFolder(personal, "\\Eigene Musik\\My Playlists");
        DeleteIn(GetAppDataFolder(), "\\Microsoft\\Media Player\\001181DF.wpl");
        EmptyFolder(local, "Microsoft\\Media Player", "*.wmdb", true);
        ResetValues("HKEY_CURRENT_USER\\Software\\Microsoft\\MediaPlayer\\Preferences",
                    {"SearchPath", "CDRecordPath", "PlaylistEditLastNodePath", "CurrentBackgroundScanFolder"});
        DeletePlayerHistoryKeys();
        DeleteRegKey("HKEY_CURRENT_USER\\Software\\Microsoft\\MediaPlayer\\AutoComplete");
    }
};

// ---- Firefox

class TMozillaFirefoxHistory final : public TPrivacyIssue {
    HM_ISSUE_NAME(TMozillaFirefoxHistory)
    bool Check() override { return FirefoxCheck(); }
    void Solve() override { TruncateEachFound(FirefoxPreamble(), {"history.dat", "formhistory.dat"}); }
};

}  // namespace

std::vector<TIssueRegistration> CatalogueGroupG()
{
    return {
        HM_REGISTER(TTempFolder),
        HM_REGISTER(TCookies),
        HM_REGISTER(TInternetCache),
        HM_REGISTER(TUserData),
        HM_REGISTER(TFavorites),
        HM_REGISTER(THistory),
        HM_REGISTER(TAutoCompleteForms),
        HM_REGISTER(TAutoCompletePWDs),
        HM_REGISTER(TIndexDat),
        HM_REGISTER(TAddressBarHistory),
        HM_REGISTER(TRecentDocs),
        HM_REGISTER(TComputerDocsHistory),
        HM_REGISTER(TRunHistory),
        HM_REGISTER(TFindFilesHistory),
        HM_REGISTER(TFindCompHistory),
        HM_REGISTER(TRecycleBin),
        HM_REGISTER(TLogonHistory),
        HM_REGISTER(TNethoodCache),
        HM_REGISTER(TPrinthoodCache),
        HM_REGISTER(TTelnetHistory),
        HM_REGISTER(TClipboard),
        HM_REGISTER(TSaveOpenDialogHistory),
        HM_REGISTER(TRegistryBackups),
        HM_REGISTER(TUserAssistCache),
        HM_REGISTER(TRegistryStreams),
        HM_REGISTER(TPagingFile),
        HM_REGISTER(TRASAutoDial),
        HM_REGISTER(TAOL90),
        HM_REGISTER(TAOLUp8),
        HM_REGISTER(TAOLInstantMessenger),
        HM_REGISTER(TAres18),
        HM_REGISTER(TAresLite),
        HM_REGISTER(TBlubster),
        HM_REGISTER(TBSPlayer),
        HM_REGISTER(TDirectConnect1),
        HM_REGISTER(TDirectConnect2),
        HM_REGISTER(TEarthStation5),
        HM_REGISTER(TEdonkey),
        HM_REGISTER(TGetRight),
        HM_REGISTER(TGnucleus),
        HM_REGISTER(TGoZilla),
        HM_REGISTER(TGrokster),
        HM_REGISTER(TICQ2000),
        HM_REGISTER(TICQ200X),
        HM_REGISTER(TICQLite),
        HM_REGISTER(TICQLiteDanger),
        HM_REGISTER(TIrfanView3x),
        HM_REGISTER(TKazaaLite),
        HM_REGISTER(TKazaa),
        HM_REGISTER(TLimewire),
        HM_REGISTER(TWindowsMediaPlayer7),
        HM_REGISTER(TWindowsMediaPlayer8),
        HM_REGISTER(TWindowsMediaPlayer9),
        HM_REGISTER(TWindowsMediaPlayer10),
        HM_REGISTER(TMozillaFirefoxHistory),
    };
}
