// Utilities, downloaders, editors, image and media tools, chat clients, and the traces
// that Windows itself leaves: log files, mapped drives, the prefetch folder.
#include "catalogue/CatalogueHelpers.h"
#include "catalogue/KeptCookies.h"
#include "catalogue/Groups.h"

#include <cctype>

namespace {

// Lists of keys and file tails that a Check tests and its Solve handles in turn.
using Keys = std::vector<const char*>;

bool AnyKeyExists(const Keys& keys)
{
    for (const char* key : keys)
        if (RegKeyExists(key))
            return true;
    return false;
}

// A file (not a folder) at base + tail; false when the base is empty.
bool FileThere(const std::string& base, const std::string& tail)
{
    return !base.empty() && FileExists(base + tail);
}

bool AnyFileThere(const std::string& base, const Keys& tails)
{
    for (const char* tail : tails)
        if (FileThere(base, tail))
            return true;
    return false;
}

void DeleteAll(const Keys& keys)
{
    for (const char* key : keys)
        DeleteRegKey(key);
}

void DeleteEachOf(const std::string& base, const Keys& tails)
{
    for (const char* tail : tails)
        DeleteIn(base, tail);
}

// Resets every value of the key whose name matches the mask.
void ResetMatchingValues(const std::string& key, const std::string& mask)
{
    std::vector<std::string> names;
    FindRegValues(key, mask, names);
    for (const std::string& name : names)
        ResetRegString(key, name, "");
}

const char* const TypedURLs = "HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\TypedURLs";

class TNetCaptor final : public TPrivacyIssue {
    HM_ISSUE_NAME(TNetCaptor)
    const char* const Sites = "HKEY_CURRENT_USER\\Software\\Stilesoft\\NetCaptor\\CurrentVersion\\Last Open Sites";
    bool Check() override { return RegKeyExists(Sites); }
    void Solve() override { DeleteKeys({TypedURLs, Sites}); }
};

class TNetzipDownloadDemon30 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TNetzipDownloadDemon30)
    static Keys Tested()
    {
        return {"HKEY_CURRENT_USER\\Software\\Netzip\\Download Demon\\Version 3.0\\URL History",
                "HKEY_CURRENT_USER\\Software\\Netzip\\Download Demon\\Version 3.0\\Jobs"};
    }
    bool Check() override { return AnyKeyExists(Tested()); }
    void Solve() override { DeleteAll(Tested()); }
};

class TNewsBinPro4 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TNewsBinPro4)
    static Keys Tested()
    {
        return {"HKEY_CURRENT_USER\\Software\\DJI Interprises\\Newsbin Pro\\FilterHistory",
                "HKEY_CURRENT_USER\\Software\\DJI Interprises\\Newsbin Pro\\Recent File List",
                "HKEY_CURRENT_USER\\Software\\DJI Interprises\\Newsbin Pro\\4.0 Recent File List"};
    }
    bool Check() override { return AnyKeyExists(Tested()); }
    void Solve() override { DeleteAll(Tested()); }
};

class TNortonCommander final : public TPrivacyIssue {
    HM_ISSUE_NAME(TNortonCommander)
    static Keys Tested()
    {
        return {"HKEY_CURRENT_USER\\Software\\Symantec\\Norton Commander\\nc_comp\\Recent File List",
                "HKEY_CURRENT_USER\\Software\\Symantec\\Norton Commander\\nc_comp\\Compare Files\\Pattern: File Name 1",
                "HKEY_CURRENT_USER\\Software\\Symantec\\Norton Commander\\nc_comp\\Compare Files\\Pattern: File Name 2",
                "HKEY_CURRENT_USER\\Software\\Symantec\\Norton Commander\\NC\\Recent File List",
                "HKEY_CURRENT_USER\\Software\\Symantec\\Norton Commander\\NC\\MRU\\Copy Destination",
                "HKEY_CURRENT_USER\\Software\\Symantec\\Norton Commander\\NC\\MRU\\Filters",
                "HKEY_CURRENT_USER\\Software\\Symantec\\Norton Commander\\NC\\MRU\\Find Source",
                "HKEY_CURRENT_USER\\Software\\Symantec\\Norton Commander\\NC\\MRU\\Mkdir",
                "HKEY_CURRENT_USER\\Software\\Symantec\\Norton Commander\\NC\\MRU\\Select",
                "HKEY_CURRENT_USER\\Software\\Symantec\\Norton Commander\\NC\\MRU\\Split Size"};
    }
    bool Check() override { return AnyKeyExists(Tested()); }
    void Solve() override { DeleteAll(Tested()); }
};

class TNotePadPlus final : public TPrivacyIssue {
    HM_ISSUE_NAME(TNotePadPlus)
    const char* const Recent = "HKEY_CURRENT_USER\\Software\\RogSoft\\NotePad+\\Pattern: Recent Files";
    bool Check() override { return RegKeyExists(Recent); }
    void Solve() override { DeleteRegKey(Recent); }
};

class TOmniPage100 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TOmniPage100)
    const char* const Recent = "HKEY_CURRENT_USER\\Software\\Caere Corp\\OmniPage10.0\\OMNIPAGE\\Recent File List";
    bool Check() override { return RegKeyExists(Recent); }
    void Solve() override { DeleteRegKey(Recent); }
};

class TOutlookExpress6 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TOutlookExpress6)
    bool Check() override
    {
        DefaultUnchecked = true;
        return InstallCheck(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Outlook Express", "InstallRoot");
    }
    void Solve() override
    {
        std::string appData = GetAppDataFolder();
        EmptyFolder(appData, "\\Microsoft\\Address Book\\", "*.wab*");
        EmptyFolder(appData, "\\Microsoft\\Address Book\\", "*.wa*");
        // The identity is one key name; anything else would lead the key paths elsewhere.
        std::string identity = Trim(RegText(HKEY_CURRENT_USER, "Identities", "Last User ID"));
        if (identity.find('\\') != std::string::npos)
            identity.clear();
        std::string user = identity.empty() ? "" : "HKEY_CURRENT_USER\\Identities\\" + identity;
        std::string store =
            identity.empty()
                ? ""
                : TrustedBase(RegText(HKEY_CURRENT_USER,
                                      "\\Identities\\" + identity + "\\Software\\Microsoft\\Outlook Express\\5.0",
                                      "Store Root"));
        if (!user.empty())
            DeleteRegKey(user + "\\Software\\Microsoft\\Internet Account Manager");
        DeleteRegKey("HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Account Manager");
        DeleteEachIn(store, {"\\Deleted Items.dbx", "\\Gel?schte Objekte.dbx", "\\?l?ments supprim?s.dbx",
                             "\\Sent Items.dbx", "\\Gesendete Objekte.dbx", "\\?l?ments envoy?s.dbx", "\\Outbox.dbx",
                             "\\Postausgang.dbx", "\\Bo?te d'envoi.dbx"});
        if (!user.empty())
            DeleteRegKey(user + "\\Software\\Microsoft\\Outlook Express\\5.0 \\Block Senders");
        DeleteIn(store, "\\Folders.dbx");
        if (user.empty())
            return;
        for (const char* tail : {"\\Software\\Microsoft\\Outlook Express\\5.0\\Rules\\Mail",
                                 "\\Software\\Microsoft\\Outlook Express\\5.0\\Rules\\News",
                                 "\\Software\\Microsoft\\Outlook Express\\5.0\\signatures"})
            DeleteRegKey(user + tail);
    }
};

class TPaintShopPro50 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TPaintShopPro50)
    bool Check() override { return RegKeyExists("HKEY_CURRENT_USER\\Software\\JASC\\Paint Shop Pro 5"); }
    void Solve() override
    {
        ClearRegValues("HKEY_CURRENT_USER\\Software\\JASC\\Paint Shop Pro 5\\Pattern: Recent File List");
        ClearRegValues("HKEY_CURRENT_USER\\Software\\JASC\\Animation Shop\\Recent File List");
        ResetValues("HKEY_CURRENT_USER\\Software\\JASC\\Paint Shop Pro 5\\General", {"FolderHistory", "ImageDirectory"});
        ResetValues("HKEY_CURRENT_USER\\Software\\JASC\\Paint Shop Pro 5\\Browser", {"BrowseDir"});
    }
};

class TPasswordSafe final : public TPrivacyIssue {
    HM_ISSUE_NAME(TPasswordSafe)
    const char* const Safe = "HKEY_CURRENT_USER\\Software\\Counterpane Systems\\Password Safe";
    const char* const Mru = "HKEY_CURRENT_USER\\Software\\Counterpane Systems\\Password Safe\\MRU";
    bool Check() override { return RegKeyExists(Safe) || RegKeyExists(Mru); }
    void Solve() override
    {
        DeleteRegValue(Safe, "currentfile");
        ResetMatchingValues(Mru, "Safe");
    }
};

class TPEExplorer195 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TPEExplorer195)
    bool Check() override { return FileThere(GetProgramFilesFolder(), "\\PE Explorer\\peexp.ini"); }
    void Solve() override
    {
        if (Check())
            EffectDeleteProfileKey(GetProgramFilesFolder() + "\\PE Explorer\\peexp.ini", "Params", "FILE");
    }
};

class TPersonalAncestralFile final : public TPrivacyIssue {
    HM_ISSUE_NAME(TPersonalAncestralFile)
    const char* const Recent =
        "HKEY_CURRENT_USER\\Software\\LDS Church\\FamilySearch\\Personal Ancestral File\\Recent File List";
    bool Check() override { return RegKeyExists(Recent); }
    void Solve() override { DeleteRegKey(Recent); }
};

class TPhotodexCompupicPro final : public TPrivacyIssue {
    HM_ISSUE_NAME(TPhotodexCompupicPro)
    bool Check() override
    {
        return AnyFileThere(GetProgramFilesFolder(), {"\\CompuPicPro\\cpic.opt", "\\CompuPicPro\\def.phd"});
    }
    void Solve() override { DeleteEachIn(GetProgramFilesFolder(), {"\\CompuPicPro\\cpic.opt", "\\CompuPicPro\\def.phd"}); }
};

class TPictureItDigitalImagePro70 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TPictureItDigitalImagePro70)
    const char* const Recent = "HKEY_CURRENT_USER\\Software\\Microsoft\\Picture It!\\7.0\\Recent File List";
    bool Check() override { return RegKeyExists(Recent); }
    void Solve() override { DeleteRegKey(Recent); }
};

class TPKZipforWindows final : public TPrivacyIssue {
    HM_ISSUE_NAME(TPKZipforWindows)
    bool Check() override { return FileThere(GetWindowsFolder(), "\\pkzipw.ini"); }
    void Solve() override
    {
        if (Check())
            EffectDeleteProfileSection(GetWindowsFolder() + "\\pkzipw.ini", "Recent File List");
    }
};

class TPolyView final : public TPrivacyIssue {
    HM_ISSUE_NAME(TPolyView)
    const char* const Recent = "HKEY_CURRENT_USER\\Software\\Polybytes\\PolyView\\Recent File List";
    bool Check() override { return RegKeyExists(Recent); }
    void Solve() override { DeleteRegKey(Recent); }
};

class TPopupPurger final : public TPrivacyIssue {
    HM_ISSUE_NAME(TPopupPurger)
    const char* const Logs = "HKEY_CURRENT_USER\\Software\\Atlas Solutions\\PopupPurger\\Logs";
    bool Check() override { return RegKeyExists(Logs); }
    void Solve() override { DeleteRegKey(Logs); }
};

class TPopUpCop final : public TPrivacyIssue {
    HM_ISSUE_NAME(TPopUpCop)
    bool Check() override { return FileThere(GetAppDataFolder(), "\\PopupCop\\CopLog.txt"); }
    void Solve() override { DeleteIn(GetAppDataFolder(), "\\PopupCop\\CopLog.txt"); }
};

class TPowerArc final : public TPrivacyIssue {
    HM_ISSUE_NAME(TPowerArc)
    const char* const Files = "HKEY_CURRENT_USER\\Software\\PowerArchiver\\Files";
    bool Check() override { return RegKeyExists(Files); }
    void Solve() override { ResetMatchingValues(Files, "Active_File"); }
};

class TOntrackPowerDesk5 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TOntrackPowerDesk5)
    const char* const CreateFolder =
        "HKEY_CURRENT_USER\\Software\\Ontrack\\PowerDesk\\CurrentVersion\\ExplorerPlus\\Create Folder";
    const char* const CopyMoveTo = "HKEY_CURRENT_USER\\Software\\Ontrack\\PowerDesk\\CurrentVersion\\ExplorerPlus\\Copy_Move To";
    static Keys Find()
    {
        return {"HKEY_CURRENT_USER\\Software\\Ontrack\\PowerDesk\\CurrentVersion\\PDFind\\Extensions",
                "HKEY_CURRENT_USER\\Software\\Ontrack\\PowerDesk\\CurrentVersion\\PDFind\\FileNames",
                "HKEY_CURRENT_USER\\Software\\Ontrack\\PowerDesk\\CurrentVersion\\PDFind\\Paths",
                "HKEY_CURRENT_USER\\Software\\Ontrack\\PowerDesk\\CurrentVersion\\PDFind\\Texts"};
    }
    bool Check() override { return RegKeyExists(CreateFolder) || RegKeyExists(CopyMoveTo) || AnyKeyExists(Find()); }
    void Solve() override
    {
        ResetMatchingValues(CreateFolder, "History");
        ResetMatchingValues(CopyMoveTo, "History");
        DeleteAll(Find());
    }
};

class TPowerZip60 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TPowerZip60)
    const char* const Recent = "HKEY_CURRENT_USER\\Software\\Trident Software\\PowerZip\\Recent File List";
    bool Check() override { return RegKeyExists(Recent); }
    void Solve() override { DeleteRegKey(Recent); }
};

class TQuickTime final : public TPrivacyIssue {
    HM_ISSUE_NAME(TQuickTime)
    bool Check() override
    {
        bool installed = InstallCheck(HKEY_LOCAL_MACHINE, "SOFTWARE\\Apple Computer, Inc.\\QuickTime", "InstallDir");
        bool favourites = FileThere(GetCommonAppDataFolder(), "\\QuickTime\\QuickTimeFavorites.qtr");
        return installed && favourites;
    }
    void Solve() override
    {
        KillProcess("QuickTimePlayer.exe");
        DeleteIn(GetCommonAppDataFolder(), "\\QuickTime\\QuickTimeFavorites.qtr");
    }
};

class TRealDownload final : public TPrivacyIssue {
    HM_ISSUE_NAME(TRealDownload)
    static Keys Tested()
    {
        return {"HKEY_CURRENT_USER\\Software\\RealNetworks\\RealDownload\\4.0\\URL History",
                "HKEY_CURRENT_USER\\Software\\RealNetworks\\RealDownload\\4.0\\Jobs",
                "HKEY_LOCAL_MACHINE\\Software\\RealNetworks\\RealDownload\\4.0\\Jobs"};
    }
    bool Check() override { return AnyKeyExists(Tested()); }
    void Solve() override { DeleteAll(Tested()); }
};

class TRealOneAndRealPlayer final : public TPrivacyIssue {
    HM_ISSUE_NAME(TRealOneAndRealPlayer)
    bool Check() override { return RegKeyExists("HKEY_CURRENT_USER\\Software\\RealNetworks\\RealPlayer\\6.0\\Preferences"); }
    void Solve() override
    {
        KillProcess("realplay.exe");
        // The blank before "\Preferences" under HKEY_USERS is how the key is written there.
        for (std::string clips : {"HKEY_CURRENT_USER\\Software\\RealNetworks\\RealPlayer\\6.0\\Preferences\\MostRecentClips",
                                  "HKEY_USERS\\Software\\RealNetworks\\RealPlayer\\6.0 \\Preferences\\MostRecentClips"}) {
            DeleteRegKey(clips);
            for (int n = 0; n <= 12; ++n)
                DeleteRegKey(clips + std::to_string(n));
        }
    }
};

class TRegEdit final : public TPrivacyIssue {
    HM_ISSUE_NAME(TRegEdit)
    const char* const LastKey = "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Regedit\\LastKey";
    bool Check() override { return RegKeyExists(LastKey); }
    void Solve() override { DeleteRegKey(LastKey); }
};

class TSaveNow final : public TPrivacyIssue {
    HM_ISSUE_NAME(TSaveNow)
    bool Check() override { return FileThere(GetProgramFilesFolder(), "\\Save\\save.db"); }
    void Solve() override { DeleteIn(GetProgramFilesFolder(), "\\Save\\save.db"); }
};

class TScourExchange final : public TPrivacyIssue {
    HM_ISSUE_NAME(TScourExchange)
    const char* const Hotlist = "HKEY_CURRENT_USER\\Software\\Scour\\Scour Exchange\\Hotlist";
    bool Check() override
    {
        std::string programs = GetProgramFilesFolder();
        return RegKeyExists(Hotlist) ||
               AnyFileThere(programs, {"\\Scour Exchange\\folders.txt", "\\Scour Exchange\\files.txt"}) ||
               IsDirectoryAt(programs, "\\Scour Exchange\\My Files");
    }
    void Solve() override
    {
        std::string programs = GetProgramFilesFolder();
        DeleteRegKey(Hotlist);
        DeleteEachIn(programs, {"\\Scour Exchange\\folders.txt", "\\Scour Exchange\\files.txt"});
        EmptyFolder(programs, "\\Scour Exchange\\My Files");
    }
};

class TSearchWolf final : public TPrivacyIssue {
    HM_ISSUE_NAME(TSearchWolf)
    bool Check() override { return FileThere(GetProgramFilesFolder(), "\\MSW\\SearchWolf\\report.htm"); }
    void Solve() override { DeleteIn(GetProgramFilesFolder(), "\\MSW\\SearchWolf\\report.htm"); }
};

class TSkype final : public TPrivacyIssue {
    HM_ISSUE_NAME(TSkype)
    bool Check() override { return IsDirectoryAt(GetAppDataFolder(), "\\Skype"); }
    void Solve() override { EmptyFolder(GetAppDataFolder(), "\\Skype", "*.dbb"); }
};

class TSmartExplorer final : public TPrivacyIssue {
    HM_ISSUE_NAME(TSmartExplorer)
    static Keys Tested()
    {
        return {"HKEY_CURRENT_USER\\Software\\Smarteque\\Smart Explorer\\Opened Pages",
                "HKEY_CURRENT_USER\\Software\\Smarteque\\Smart Explorer\\Recent Pages"};
    }
    bool Check() override { return AnyKeyExists(Tested()); }
    void Solve() override
    {
        DeleteAll(Tested());
        DeleteRegKey(TypedURLs);
    }
};

class TSonicFoundryAcid20 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TSonicFoundryAcid20)
    const char* const Metrics = "HKEY_CURRENT_USER\\Software\\Sonic Foundry\\ACID\\2.0\\Metrics";
    bool Check() override { return RegKeyExists(Metrics); }
    void Solve() override { DeleteRegKey(Metrics); }
};

class TSpinnerPlus final : public TPrivacyIssue {
    HM_ISSUE_NAME(TSpinnerPlus)
    bool Check() override { return FileThere(GetProgramFilesFolder(), "\\Spinner Plus\\Program\\cookies.txt"); }
    void Solve() override { DeleteCookieStoreIn(GetProgramFilesFolder(), "\\Spinner Plus\\Program\\cookies.txt"); }
};

class TStarDownloader final : public TPrivacyIssue {
    HM_ISSUE_NAME(TStarDownloader)
    bool Check() override
    {
        std::string programs = GetProgramFilesFolder();
        return IsDirectoryAt(programs, "\\Star Downloader\\Partial Downloads") ||
               AnyFileThere(programs, {"\\Star Downloader\\serverstats.txt", "\\Star Downloader\\LastURLs"});
    }
    void Solve() override
    {
        std::string programs = GetProgramFilesFolder();
        EmptyFolder(programs, "\\Star Downloader\\Partial Downloads");
        DeleteEachIn(programs, {"\\Star Downloader\\serverstats.txt", "\\Star Downloader\\LastURLs"});
    }
};

class TSubmitWolf final : public TPrivacyIssue {
    HM_ISSUE_NAME(TSubmitWolf)
    bool Check() override { return IsDirectoryAt(GetProgramFilesFolder(), "\\TRELLIAN\\SubmitWolf\\reports"); }
    void Solve() override { EmptyFolder(GetProgramFilesFolder(), "\\TRELLIAN\\SubmitWolf\\reports", "*.htm"); }
};

class TSunJavaCache final : public TPrivacyIssue {
    HM_ISSUE_NAME(TSunJavaCache)
    bool Check() override
    {
        std::string appData = GetAppDataFolder();
        return IsDirectoryAt(appData, "\\Sun\\Java\\Deployment\\cache") ||
               IsDirectoryAt(appData, "\\Sun\\Java\\Deployment\\tmp");
    }
    void Solve() override
    {
        std::string appData = GetAppDataFolder();
        EmptyFolder(appData, "\\Sun\\Java\\Deployment\\cache");
        EmptyFolder(appData, "\\Sun\\Java\\Deployment\\tmp");
    }
};

class TSureThingCDLabeler final : public TPrivacyIssue {
    HM_ISSUE_NAME(TSureThingCDLabeler)
    bool Check() override { return FileThere(GetProgramFilesFolder(), "\\SureThing\\STCD\\STCD.app"); }
    void Solve() override { DeleteIn(GetProgramFilesFolder(), "\\SureThing\\STCD\\STCD.app"); }
};

class TTeleportPro final : public TPrivacyIssue {
    HM_ISSUE_NAME(TTeleportPro)
    static Keys Tested()
    {
        return {"HKEY_CURRENT_USER\\Software\\Tennyson Maxwell\\Teleport Pro\\Recent File List",
                "HKEY_CURRENT_USER\\Software\\Tennyson Maxwell\\Teleport Pro\\User\\lastproject"};
    }
    bool Check() override
    {
        return AnyKeyExists(Tested()) || IsDirectoryAt(GetProgramFilesFolder(), "\\Teleport Pro\\Projects");
    }
    void Solve() override
    {
        DeleteAll(Tested());
        EmptyFolder(GetProgramFilesFolder(), "\\Teleport Pro\\Projects");
    }
};

class TTextPad4x final : public TPrivacyIssue {
    HM_ISSUE_NAME(TTextPad4x)
    static Keys Tested()
    {
        return {"HKEY_CURRENT_USER\\Software\\Helios\\TextPad 4\\Recent File List",
                "HKEY_CURRENT_USER\\Software\\Helios\\TextPad 4\\Recent Strings"};
    }
    bool Check() override { return AnyKeyExists(Tested()); }
    void Solve() override { DeleteAll(Tested()); }
};

class TThumbsPlus40 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TThumbsPlus40)
    static Keys Files()
    {
        return {"\\Thumbs4\\Thumbs.tdo", "\\Thumbs4\\Found Files.ffi", "\\Thumbs4\\Found Files.ffl"};
    }
    bool Check() override { return AnyFileThere(GetProgramFilesFolder(), Files()); }
    void Solve() override { DeleteEachOf(GetProgramFilesFolder(), Files()); }
};

class TTribalVoicePowWow final : public TPrivacyIssue {
    HM_ISSUE_NAME(TTribalVoicePowWow)
    bool Check() override
    {
        std::string programs = GetProgramFilesFolder();
        return IsDirectoryAt(programs, "\\Tribal Voice\\PowWow\\icache") ||
               IsDirectoryAt(programs, "\\Tribal Voice\\PowWow\\downloads");
    }
    void Solve() override
    {
        std::string programs = GetProgramFilesFolder();
        EmptyFolder(programs, "\\Tribal Voice\\PowWow\\icache");
        EmptyFolder(programs, "\\Tribal Voice\\PowWow\\downloads");
    }
};

class TTrillian final : public TPrivacyIssue {
    HM_ISSUE_NAME(TTrillian)
    bool Check() override
    {
        std::string common = GetCommonFilesFolder();
        return IsDirectoryAt(common, "\\Trillian\\users\\default\\cache") ||
               IsDirectoryAt(common, "\\Trillian\\users\\default\\logs");
    }
    void Solve() override
    {
        std::string common = GetCommonFilesFolder();
        EmptyFolder(common, "\\Trillian\\users\\default\\cache");
        EmptyFolder(common, "\\Trillian\\users\\default\\logs");
    }
};

class TUleadGIFAnimator final : public TPrivacyIssue {
    HM_ISSUE_NAME(TUleadGIFAnimator)
    static Keys Tested()
    {
        return {"HKEY_CURRENT_USER\\Software\\Ulead Systems\\Ulead GIF Animator\\5.05\\Recent File List",
                "HKEY_CURRENT_USER\\Software\\Ulead Systems\\Ulead GIF Animator\\4.0\\Recent File List",
                "HKEY_CURRENT_USER\\Software\\Ulead Systems\\Ulead GIF Animator\\5.0\\Recent File List"};
    }
    bool Check() override { return AnyKeyExists(Tested()); }
    void Solve() override { DeleteAll(Tested()); }
};

class TUleadPhotoExpress final : public TPrivacyIssue {
    HM_ISSUE_NAME(TUleadPhotoExpress)
    const char* const Recent = "HKEY_CURRENT_USER\\Software\\Ulead Systems\\Ulead Photo Express\\2.0\\RecentFile";
    bool Check() override { return RegKeyExists(Recent); }
    void Solve() override { DeleteRegKey(Recent); }
};

class TUltimatePaint final : public TPrivacyIssue {
    HM_ISSUE_NAME(TUltimatePaint)
    static Keys Tested()
    {
        return {"HKEY_CURRENT_USER\\software\\megalux\\UP\\MRU Items", "HKEY_CURRENT_USER\\software\\megalux\\UP\\OF Items",
                "HKEY_CURRENT_USER\\software\\megalux\\up\\preferences\\imagedir"};
    }
    bool Check() override { return AnyKeyExists(Tested()); }
    void Solve() override { DeleteAll(Tested()); }
};

class TUltraEdit final : public TPrivacyIssue {
    HM_ISSUE_NAME(TUltraEdit)
    bool Check() override { return FileThere(GetWindowsFolder(), "\\UEDIT32.INI"); }
    void Solve() override
    {
        if (!Check())
            return;
        std::string ini = GetWindowsFolder() + "\\UEDIT32.INI";
        EffectDeleteProfileKey(ini, "Recent File List", "File");
        for (int n = 1; n <= 4; ++n)
            EffectDeleteProfileKey(ini, "Recent File List", "File" + std::to_string(n));
    }
};

class TVueprint final : public TPrivacyIssue {
    HM_ISSUE_NAME(TVueprint)
    bool Check() override { return FileThere(GetWindowsFolder(), "\\VUEPRO32.ini"); }
    void Solve() override { DeleteIn(GetWindowsFolder(), "\\VUEPRO32.ini"); }
};

class TWildstylz final : public TPrivacyIssue {
    HM_ISSUE_NAME(TWildstylz)
    const char* const Log = "C:\\Wildstylz\\down_log.txt";
    bool Check() override { return FileExists(Log); }
    void Solve() override { DeleteFileSafe(Log); }
};

// The program path that a shell command starts: the quoted part, or up to ".exe".
std::string ProgramOfCommand(const std::string& command)
{
    if (!command.empty() && command[0] == '"') {
        size_t close = command.find('"', 1);
        return command.substr(1, close == std::string::npos ? std::string::npos : close - 1);
    }
    std::string lower = command;
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    size_t exe = lower.find(".exe");
    return exe == std::string::npos ? command : command.substr(0, exe + 4);
}

// An icon location "path,index" names its file before the comma.
std::string WithoutIconIndex(const std::string& location)
{
    size_t comma = location.find_last_of(',');
    if (comma == std::string::npos || comma + 1 == location.size())
        return location;
    for (size_t i = comma + 1; i < location.size(); ++i)
        if (!std::isdigit(static_cast<unsigned char>(location[i])) && location[i] != '-')
            return location;
    return location.substr(0, comma);
}

class TWinamp final : public TPrivacyIssue {
    HM_ISSUE_NAME(TWinamp)
    static std::string Icon() { return RegText(HKEY_CLASSES_ROOT, "Winamp.File\\DefaultIcon", ""); }
    static std::string Command()
    {
        return RegText(HKEY_LOCAL_MACHINE, "Software\\CLASSES\\Winamp3.File\\shell\\open\\command", "");
    }
    // The Winamp 3 folder: the command without its leading quote, cut to its folder.
    static std::string Winamp3Folder(const std::string& command)
    {
        std::string folder = command;
        if (!folder.empty() && folder[0] == '"')
            folder.erase(0, 1);
        StripLastPathPart(folder);
        return folder;
    }
    bool Check() override
    {
        std::string icon = TrustedBase(WithoutIconIndex(Icon()));
        bool found = !icon.empty() && GetFileMajorVersion(icon) == 5;
        std::string command = Command();
        if (command.empty())
            return found;
        // A folder carries no version: the program file that the command starts does.
        std::string program = TrustedBase(ProgramOfCommand(command));
        return !program.empty() && GetFileMajorVersion(program) == 3;
    }
    void Solve() override
    {
        std::string command = Command();
        std::string winamp3 = command.empty() ? "" : TrustedBase(Winamp3Folder(command));
        std::string icons = InstallFolderOf(Icon());
        DeleteEachIn(winamp3, {"db\\metadata.ndb", "db\\metadata_u6.ndb", "db\\metadata_u8.ndb", "studio.xnf"});
        EmptyFolder(winamp3, "Wacs\\data\\pledit", "*.pls", true);
        EmptyFolder(winamp3, "db", "CDDB.ndb", true);
        DeleteEachIn(icons, {"Winamp.bm", "Plugins\\gen_ml.ini"});
        EmptyFolder(icons, "Plugins\\ml");
        DeleteEachIn(icons, {"Winamp\\Winamp.ini", "Winamp\\winamp.m3u"});
    }
};

class TWindowsAppLogDirectory final : public TPrivacyIssue {
    HM_ISSUE_NAME(TWindowsAppLogDirectory)
    bool Check() override { return IsDirectoryAt(GetWindowsFolder(), "\\APPLOG"); }
    void Solve() override { EmptyFolder(GetWindowsFolder(), "\\APPLOG"); }
};

class TWindowsCommander final : public TPrivacyIssue {
    HM_ISSUE_NAME(TWindowsCommander)
    bool Check() override { return FileThere(GetWindowsFolder(), "\\wincmd.ini"); }
    void Solve() override { DeleteIn(GetWindowsFolder(), "\\wincmd.ini"); }
};

class TWindowsFTPAccounts final : public TPrivacyIssue {
    HM_ISSUE_NAME(TWindowsFTPAccounts)
    // "HKCU" below the hive is part of the key's name as the table gives it.
    const char* const Accounts = "HKEY_CURRENT_USER\\HKCU\\Software\\Microsoft\\Ftp\\Accounts";
    bool Check() override { return RegKeyExists(Accounts); }
    void Solve() override { DeleteRegValue(Accounts, "Login Attributes"); }
};

class TWindowsLogFiles final : public TPrivacyIssue {
    HM_ISSUE_NAME(TWindowsLogFiles)
    static Keys Logs()
    {
        return {"\\Directx.log", "\\SchedLog.Txt", "\\Faultlog.txt", "\\SFCLOG.TXT", "\\setupapi.log", "\\WININIT.LOG"};
    }
    bool Check() override
    {
        std::string windows = GetWindowsFolder();
        return FileExists("C:\\SCANDISK.LOG") || AnyFileThere(windows, Logs()) ||
               IsDirectoryAt(windows, "\\SYSTEM\\WBEM\\logs");
    }
    void Solve() override
    {
        std::string windows = GetWindowsFolder();
        DeleteFileSafe("C:\\SCANDISK.LOG");
        DeleteEachOf(windows, Logs());
        EmptyFolder(windows, "\\SYSTEM\\WBEM\\logs");
    }
};

class TWindowsMappedDrives final : public TPrivacyIssue {
    HM_ISSUE_NAME(TWindowsMappedDrives)
    const char* const Mru =
        "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Map Network Drive MRU";
    bool Check() override { return RegKeyExists(Mru); }
    void Solve() override { DeleteRegKey(Mru); }
};

class TWindowsRecentNetworkDriveList final : public TPrivacyIssue {
    HM_ISSUE_NAME(TWindowsRecentNetworkDriveList)
    const char* const Recent = "HKEY_CURRENT_USER\\Network\\Recent";
    bool Check() override { return RegKeyExists(Recent); }
    void Solve() override { DeleteRegKey(Recent); }
};

class TWindowsXPPrefetchFiles final : public TPrivacyIssue {
    HM_ISSUE_NAME(TWindowsXPPrefetchFiles)
    bool Check() override { return IsDirectoryAt(GetWindowsFolder(), "\\Prefetch"); }
    void Solve() override { EmptyFolder(GetWindowsFolder(), "\\Prefetch"); }
};

class TWinZip final : public TPrivacyIssue {
    HM_ISSUE_NAME(TWinZip)
    bool Check() override
    {
        return InstallCheck(HKEY_CURRENT_USER, "Software\\Nico Mak Computing\\WinZip\\Programs", "zip2exe");
    }
    void Solve() override
    {
        ResetValues("HKEY_CURRENT_USER\\Software\\Nico Mak Computing\\WinZip\\directories",
                    {"AddDir", "DefDir", "ExtractTo", "ZipTemp"});
        ClearRegValues("HKEY_CURRENT_USER\\Software\\Nico Mak Computing\\WinZip\\extract");
        ClearRegValues("HKEY_CURRENT_USER\\Software\\Nico Mak Computing\\WinZip\\filemenu");
        ClearRegValues("HKEY_CURRENT_USER\\Software\\Nico Mak Computing\\WinZip\\select");
        ResetValues("HKEY_CURRENT_USER\\Software\\Nico Mak Computing\\WinZip\\Programs", {"vviewer"});
        ClearRegValues("HKEY_CURRENT_USER\\Software\\Nico Mak Computing\\WinZip\\viewer");
        ClearRegValues("HKEY_CURRENT_USER\\Software\\Nico Mak Computing\\WinZip\\WIZDIR");
    }
};

}  // namespace

std::vector<TIssueRegistration> CatalogueGroupE()
{
    return {
        HM_REGISTER(TNetCaptor),
        HM_REGISTER(TNetzipDownloadDemon30),
        HM_REGISTER(TNewsBinPro4),
        HM_REGISTER(TNortonCommander),
        HM_REGISTER(TNotePadPlus),
        HM_REGISTER(TOmniPage100),
        HM_REGISTER(TOutlookExpress6),
        HM_REGISTER(TPaintShopPro50),
        HM_REGISTER(TPasswordSafe),
        HM_REGISTER(TPEExplorer195),
        HM_REGISTER(TPersonalAncestralFile),
        HM_REGISTER(TPhotodexCompupicPro),
        HM_REGISTER(TPictureItDigitalImagePro70),
        HM_REGISTER(TPKZipforWindows),
        HM_REGISTER(TPolyView),
        HM_REGISTER(TPopupPurger),
        HM_REGISTER(TPopUpCop),
        HM_REGISTER(TPowerArc),
        HM_REGISTER(TOntrackPowerDesk5),
        HM_REGISTER(TPowerZip60),
        HM_REGISTER(TQuickTime),
        HM_REGISTER(TRealDownload),
        HM_REGISTER(TRealOneAndRealPlayer),
        HM_REGISTER(TRegEdit),
        HM_REGISTER(TSaveNow),
        HM_REGISTER(TScourExchange),
        HM_REGISTER(TSearchWolf),
        HM_REGISTER(TSkype),
        HM_REGISTER(TSmartExplorer),
        HM_REGISTER(TSonicFoundryAcid20),
        HM_REGISTER(TSpinnerPlus),
        HM_REGISTER(TStarDownloader),
        HM_REGISTER(TSubmitWolf),
        HM_REGISTER(TSunJavaCache),
        HM_REGISTER(TSureThingCDLabeler),
        HM_REGISTER(TTeleportPro),
        HM_REGISTER(TTextPad4x),
        HM_REGISTER(TThumbsPlus40),
        HM_REGISTER(TTribalVoicePowWow),
        HM_REGISTER(TTrillian),
        HM_REGISTER(TUleadGIFAnimator),
        HM_REGISTER(TUleadPhotoExpress),
        HM_REGISTER(TUltimatePaint),
        HM_REGISTER(TUltraEdit),
        HM_REGISTER(TVueprint),
        HM_REGISTER(TWildstylz),
        HM_REGISTER(TWinamp),
        HM_REGISTER(TWindowsAppLogDirectory),
        HM_REGISTER(TWindowsCommander),
        HM_REGISTER(TWindowsFTPAccounts),
        HM_REGISTER(TWindowsLogFiles),
        HM_REGISTER(TWindowsMappedDrives),
        HM_REGISTER(TWindowsRecentNetworkDriveList),
        HM_REGISTER(TWindowsXPPrefetchFiles),
        HM_REGISTER(TWinZip),
    };
}
