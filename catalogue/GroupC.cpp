// Archivers, players, recent-file lists of editors and graphics tools, mail and chat
// logs, firewall and system-tool histories.
#include "catalogue/CatalogueHelpers.h"
#include "catalogue/Groups.h"

#include <cctype>

namespace {

// SWiSH 2.0 moved its settings from the old company key to one named after the
// vendor's web domain; both are looked at.
const char* const SwishVendorKey = "SWiSHzone.com";

// The program file that a DefaultIcon value names: file associations write it as
// "path,index", often in quotes, and the version resource is read from the path alone.
std::string IconFile(std::string value)
{
    value = Trim(value);
    size_t comma = value.find_last_of(',');
    if (comma != std::string::npos && comma + 1 < value.size()) {
        size_t digit = comma + 1 + (value[comma + 1] == '-' ? 1 : 0);
        bool index = digit < value.size();
        for (size_t i = digit; i < value.size(); ++i)
            index = index && std::isdigit(static_cast<unsigned char>(value[i]));
        if (index)
            value = Trim(value.substr(0, comma));
    }
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        value = value.substr(1, value.size() - 2);
    return value;
}

// ---- Archivers, graphics and media programs

class TSmartDraw6 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TSmartDraw6)
    bool Check() override { return PathExistsAt(GetAppDataFolder(), "\\SmartDraw\\SMARTD4.OPT"); }
    void Solve() override { DeleteIn(GetAppDataFolder(), "\\SmartDraw\\SMARTD4.OPT"); }
};

class TSonique final : public TPrivacyIssue {
    HM_ISSUE_NAME(TSonique)
    bool Check() override
    {
        return IsDirectoryAt(GetProgramFilesFolder(), "\\Sonique") ||
               RegKeyExists("HKEY_CURRENT_USER\\Software\\MediaScience\\Sonique");
    }
    void Solve() override
    {
        DeleteRegValue("HKEY_CURRENT_USER\\Software\\MediaScience\\Sonique\\General Preferences 0.80", "LoadPlaylist");
        DeleteRegValue("HKEY_USERS\\Software\\MediaScience\\Sonique\\General Preferences 0.80", "LoadPlaylist");
        DeleteKeys({"HKEY_CURRENT_USER\\Software\\MediaScience\\Sonique\\PLAY_HISTORY",
                    "HKEY_CURRENT_USER\\Software\\MediaScience\\Sonique\\URL_HISTORY",
                    "HKEY_USERS\\Software\\MediaScience\\Sonique\\PLAY_HISTORY"});
        EmptyFolder(GetProgramFilesFolder(), "\\Sonique", "*.pls", true);
    }
};

// The settings file lies at the root of the drive that holds Windows.
std::string StarOfficeIni()
{
    std::string windows = GetWindowsFolder();
    return windows.empty() ? std::string() : windows.substr(0, 1) + ":\\Office51\\Soffice.ini";
}

class TStarOffice51 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TStarOffice51)
    bool Check() override { return PathExistsAt(StarOfficeIni()); }
    void Solve() override { DeleteIn(StarOfficeIni(), ""); }
};

class TSWiSH20 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TSWiSH20)
    bool Check() override
    {
        return RegKeyExists("HKEY_CURRENT_USER\\Software\\DJJ Holdings\\SWiSH") ||
               RegKeyExists(std::string("HKEY_CURRENT_USER\\Software\\") + SwishVendorKey + "\\SWiSH");
    }
    void Solve() override
    {
        DeleteRegKey("HKEY_CURRENT_USER\\Software\\DJJ Holdings\\SWiSH\\Recent File List");
        DeleteRegKey(std::string("HKEY_CURRENT_USER\\Software\\") + SwishVendorKey + "\\SWiSH\\Recent File List");
    }
};

class TUleadGIFAnimator505 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TUleadGIFAnimator505)
    bool Check() override { return RegKeyExists("HKEY_CURRENT_USER\\Software\\Ulead Systems\\Ulead GIF Animator\\5.05"); }
    void Solve() override
    {
        DeleteRegKey("HKEY_CURRENT_USER\\Software\\Ulead Systems\\Ulead GIF Animator\\5.05\\Recent File List");
    }
};

class TWebferret final : public TPrivacyIssue {
    HM_ISSUE_NAME(TWebferret)
    bool Check() override { return RegKeyExists("HKEY_CURRENT_USER\\Software\\FerretSoft\\NetFerret"); }
    void Solve() override
    {
        DeleteRegValue("HKEY_CURRENT_USER\\Software\\FerretSoft\\NetFerret\\CurrentVersion\\Web", "Search History");
    }
};

class TWinAce2X final : public TPrivacyIssue {
    HM_ISSUE_NAME(TWinAce2X)
    bool Check() override { return RegKeyExists("HKEY_CURRENT_USER\\Software\\e-merge\\WinAce\\2.0"); }
    void Solve() override
    {
        DeleteKeys({"HKEY_CURRENT_USER\\Software\\e-merge\\WinAce\\2.0\\Favorites",
                    "HKEY_CURRENT_USER\\Software\\e-merge\\WinAce\\2.0\\MRU Items",
                    "HKEY_CURRENT_USER\\Software\\e-merge\\WinAce\\2.0\\Copy"});
    }
};

class TWinamp27 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TWinamp27)
    static std::string Program() { return IconFile(RegText(HKEY_CLASSES_ROOT, "Winamp.File\\DefaultIcon", "")); }
    bool Check() override
    {
        std::string program = Program();
        return !TrustedBase(program).empty() && GetFileMajorVersion(program) == 2;
    }
    void Solve() override
    {
        // Winamp 2 keeps both files beside winamp.exe; the "Winamp" subfolder is looked
        // at as well for installations that nest the program one level deeper.
        std::string folder = InstallFolderOf(Program());
        DeleteEachIn(folder, {"Winamp\\Winamp.ini", "Winamp\\winamp.m3u", "Winamp.ini", "winamp.m3u"});
    }
};

// WinRAR 3.0 and 3.4 keep the same keys.
class TWinRARHistory : public TPrivacyIssue {
    bool Check() override { return RegKeyExists("HKEY_CURRENT_USER\\Software\\WinRAR"); }
    void Solve() override
    {
        DeleteKeys({"HKEY_CURRENT_USER\\Software\\WinRAR\\ArcHistory",
                    "HKEY_CURRENT_USER\\Software\\WinRAR\\DialogEditHistory"});
        DeleteRegValue("HKEY_CURRENT_USER\\Software\\WinRAR\\General", "LastFolder");
        DeleteRegValue("HKEY_CURRENT_USER\\Software\\WinRAR\\Compression", "deffolder");
        DeleteRegValue("HKEY_CURRENT_USER\\Software\\WinRAR\\Extraction", "deffolder");
        DeleteRegValue("HKEY_CURRENT_USER\\Software\\WinRAR\\Extraction", "lastfolder");
        DeleteRegValue("HKEY_CURRENT_USER\\Software\\WinRAR\\Paths", "startfolder");
    }
};

class TWinRAR30 final : public TWinRARHistory {
    HM_ISSUE_NAME(TWinRAR30)
};

class TWinRAR34 final : public TWinRARHistory {
    HM_ISSUE_NAME(TWinRAR34)
};

class TWinZip90 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TWinZip90)
    bool Check() override { return RegKeyExists("HKEY_CURRENT_USER\\Software\\Nico Mak Computing\\WinZip"); }
    void Solve() override
    {
        DeleteRegValue("HKEY_CURRENT_USER\\Software\\Nico Mak Computing\\WinZip\\directories", "ExtractTo");
        DeleteRegValue("HKEY_CURRENT_USER\\Software\\Nico Mak Computing\\WinZip\\directories", "DefDir");
        DeleteKeys({"HKEY_CURRENT_USER\\Software\\Nico Mak Computing\\WinZip\\extract",
                    "HKEY_CURRENT_USER\\Software\\Nico Mak Computing\\WinZip\\filemenu"});
    }
};

class TXara3D50 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TXara3D50)
    bool Check() override { return RegKeyExists("HKEY_CURRENT_USER\\Software\\Xara\\X3D5"); }
    void Solve() override { DeleteRegKey("HKEY_CURRENT_USER\\Software\\Xara\\X3D5\\Recent File List"); }
};

class TYahooMessenger final : public TPrivacyIssue {
    HM_ISSUE_NAME(TYahooMessenger)
    bool Check() override { return IsDirectoryAt(GetProgramFilesFolder(), "\\Yahoo!\\Messenger"); }
    void Solve() override
    {
        std::string programs = GetProgramFilesFolder();
        DeleteIn(programs, "\\Yahoo!\\Messenger\\ypager.log");
        EmptyFolder(programs, "\\Yahoo!\\Messenger\\IMVCache");
        EmptyFolder(programs, "\\Yahoo!\\Messenger\\Profiles");
    }
};

class TYahooPlayer final : public TPrivacyIssue {
    HM_ISSUE_NAME(TYahooPlayer)
    bool Check() override
    {
        return IsDirectoryAt(GetProgramFilesFolder(), "\\Yahoo!\\Player") ||
               RegKeyExists("HKEY_CURRENT_USER\\Software\\Yahoo\\YPlayer");
    }
    void Solve() override
    {
        DeleteEachIn(GetProgramFilesFolder(), {"\\Yahoo!\\Player\\yplayer.ypl", "\\Yahoo!\\Player\\findmusic.ini"});
        DeleteRegKey("HKEY_CURRENT_USER\\Software\\Yahoo\\YPlayer\\Recent URLs");
        DeleteRegValue("HKEY_CURRENT_USER\\Software\\Yahoo\\YPlayer\\Settings", "open initial dir");
    }
};

class TZipMagic2000 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TZipMagic2000)
    bool Check() override { return RegKeyExists("HKEY_CURRENT_USER\\Software\\Mijenix\\ZipMagic"); }
    void Solve() override
    {
        DeleteKeys({"HKEY_CURRENT_USER\\Software\\Mijenix\\ZipMagic\\CurrentVersion\\Recent",
                    "HKEY_CURRENT_USER\\Software\\Mijenix\\ZipMagic\\CurrentVersion\\Archive Manager\\UnZip T",
                    "HKEY_CURRENT_USER\\Software\\Mijenix\\ZipMagic\\CurrentVersion\\UnZip To",
                    "HKEY_CURRENT_USER\\Software\\Mijenix\\ZipMagic\\CurrentVersion\\Zip To"});
    }
};

class TZoneAlarm final : public TPrivacyIssue {
    HM_ISSUE_NAME(TZoneAlarm)
    // A fresh log holds only its header; a missing log raises, which counts as not found.
    bool Check() override
    {
        std::string windows = GetWindowsFolder();
        if (!IsDirectoryAt(windows, "\\Internet Logs\\"))
            return false;
        return GetFileSize64(windows + "\\Internet Logs\\" + "ZALog.txt") > 105;
    }
    void Solve() override { EmptyFolder(GetWindowsFolder(), "\\Internet Logs"); }
};

// ---- Recent-file lists and logs

class TEditPlus2RecentFileList final : public TPrivacyIssue {
    HM_ISSUE_NAME(TEditPlus2RecentFileList)
    bool Check() override { return RegKeyExists("HKEY_CURRENT_USER\\Software\\ES-Computing\\EditPlus 2"); }
    void Solve() override { DeleteRegKey("HKEY_CURRENT_USER\\Software\\ES-Computing\\EditPlus 2\\Recent File List"); }
};

class TEudoraMail final : public TPrivacyIssue {
    HM_ISSUE_NAME(TEudoraMail)
    bool Check() override { return IsDirectoryAt(GetProgramFilesFolder(), "\\Qualcomm\\Eudora"); }
    void Solve() override
    {
        DeleteEachIn(GetProgramFilesFolder(), {"\\Qualcomm\\Eudora\\Trash.mbx", "\\Qualcomm\\Eudora\\Trash.toc"});
    }
};

class TExcel2000RecentFileList final : public TPrivacyIssue {
    HM_ISSUE_NAME(TExcel2000RecentFileList)
    const char* const Key = "HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\9.0\\Excel\\Recent Files";
    bool Check() override { return RegKeyExists(Key); }
    void Solve() override { DeleteRegKey(Key); }
};

class TFlashGetRecentFiles final : public TPrivacyIssue {
    HM_ISSUE_NAME(TFlashGetRecentFiles)
    bool Check() override { return IsDirectoryAt(GetProgramFilesFolder(), "\\FlashGet"); }
    void Solve() override
    {
        std::string programs = GetProgramFilesFolder();
        DeleteIn(programs, "\\FlashGet\\Default.jcd");
        EmptyFolder(programs, "\\FlashGet", "*.bk*", true);
    }
};

class TGetRightExplorerBarRecentlyFileList final : public TPrivacyIssue {
    HM_ISSUE_NAME(TGetRightExplorerBarRecentlyFileList)
    bool Check() override
    {
        return RegKeyExists("HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\GetRightExplorerBar");
    }
    void Solve() override
    {
        DeleteRegKey("HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\GetRightExplorerBar\\CachedData");
    }
};

class TMacromediaFlash40RecentFileList final : public TPrivacyIssue {
    HM_ISSUE_NAME(TMacromediaFlash40RecentFileList)
    bool Check() override { return RegKeyExists("HKEY_CURRENT_USER\\Software\\Macromedia\\Flash 4"); }
    void Solve() override
    {
        DeleteKeys({"HKEY_CURRENT_USER\\Software\\Macromedia\\Flash 4\\Import",
                    "HKEY_CURRENT_USER\\Software\\Macromedia\\Flash 4\\Open Document",
                    "HKEY_CURRENT_USER\\Software\\Macromedia\\Flash 4\\Recent File List"});
    }
};

class TMediaJukebox final : public TPrivacyIssue {
    HM_ISSUE_NAME(TMediaJukebox)
    bool Check() override { return IsDirectoryAt(GetProgramFilesFolder(), "\\J River\\Media JukeBox"); }
    void Solve() override { EmptyFolder(GetProgramFilesFolder(), "\\J River\\Media JukeBox\\Data", "*.jmd", true); }
};

class TMSPaint final : public TPrivacyIssue {
    HM_ISSUE_NAME(TMSPaint)
    bool Check() override
    {
        return RegKeyExists("HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Paint");
    }
    void Solve() override
    {
        DeleteRegKey("HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Paint\\Recent File List");
    }
};

class TMSPhotoEditor final : public TPrivacyIssue {
    HM_ISSUE_NAME(TMSPhotoEditor)
    bool Check() override { return RegKeyExists("HKEY_CURRENT_USER\\Software\\Microsoft\\Photo Editor\\3.0"); }
    void Solve() override
    {
        const char* const Editor = "HKEY_CURRENT_USER\\Software\\Microsoft\\Photo Editor\\3.0\\Microsoft Photo Editor";
        DeleteRegValue(Editor, "LastFile");
        DeleteRegValue(Editor, "LastType");
        DeleteRegValue("HKEY_CURRENT_USER\\Software\\Microsoft\\Photo Editor\\3.0\\File Options", "Path");
    }
};

class TNetscapeMail final : public TPrivacyIssue {
    HM_ISSUE_NAME(TNetscapeMail)
    bool Check() override { return IsDirectoryAt(GetAppDataFolder(), "\\Mozilla\\Profiles\\trash"); }
    void Solve() override { EmptyFolder(GetAppDataFolder(), "\\Mozilla\\Profiles\\trash"); }
};

class TNortonFileManagerRecentFileList final : public TPrivacyIssue {
    HM_ISSUE_NAME(TNortonFileManagerRecentFileList)
    bool Check() override { return RegKeyExists("HKEY_CURRENT_USER\\Software\\Symantec\\Navigator"); }
    void Solve() override
    {
        DeleteKeys({"HKEY_CURRENT_USER\\Software\\Symantec\\Navigator\\FileAssist\\History Lists",
                    "HKEY_CURRENT_USER\\Software\\Symantec\\Navigator\\FILEMGR\\FMDirTree\\Hist",
                    "HKEY_CURRENT_USER\\Software\\Symantec\\Navigator\\SYMFDLG4\\History_Lists"});
    }
};

class TNortonPersonalFirewall2003LogFiles final : public TPrivacyIssue {
    HM_ISSUE_NAME(TNortonPersonalFirewall2003LogFiles)
    bool Check() override { return IsDirectoryAt(GetProgramFilesFolder(), "\\Norton Personal Firewall"); }
    void Solve() override
    {
        DeleteEachIn(GetProgramFilesFolder(),
                     {"\\Norton Personal Firewall\\iampriv.rel", "\\Norton Personal Firewall\\iamwebh.rel",
                      "\\Norton Personal Firewall\\iamfw.rel", "\\Norton Personal Firewall\\iamsys.rel",
                      "\\Norton Personal Firewall\\iamtdi.rel", "\\Norton Personal Firewall\\iamtcp.rel",
                      "\\Norton Personal Firewall\\iamadblk.rel"});
    }
};

class TNortonUtilities2000History final : public TPrivacyIssue {
    HM_ISSUE_NAME(TNortonUtilities2000History)
    bool Check() override
    {
        return IsDirectoryAt(GetProgramFilesFolder(), "\\Norton Utilities") ||
               PathExistsAt(GetWindowsFolder(), "\\user.nu4");
    }
    void Solve() override
    {
        DeleteIn(GetWindowsFolder(), "\\user.nu4");
        std::string programs = GetProgramFilesFolder();
        EmptyFolder(programs, "\\Norton Utilities\\LNK_UNDO");
        EmptyFolder(programs, "\\Norton Utilities\\Reg_undo");
        EmptyFolder(programs, "\\Norton Utilities\\RegTrk");
    }
};

class TPowerZipRecentFileList final : public TPrivacyIssue {
    HM_ISSUE_NAME(TPowerZipRecentFileList)
    bool Check() override { return RegKeyExists("HKEY_CURRENT_USER\\Software\\Trident Software\\PowerZip"); }
    void Solve() override
    {
        DeleteRegKey("HKEY_CURRENT_USER\\Software\\Trident Software\\PowerZip\\Recent File List");
    }
};

class TRealplayerRecentFiles final : public TPrivacyIssue {
    HM_ISSUE_NAME(TRealplayerRecentFiles)
    bool Check() override
    {
        return RegKeyExists("HKEY_LOCAL_MACHINE\\SOFTWARE\\Classes\\Software\\RealNetworks\\RealPlayer\\6.0");
    }
    void Solve() override
    {
        ClearRegValues(
            "HKEY_LOCAL_MACHINE\\SOFTWARE\\Classes\\Software\\RealNetworks\\RealPlayer\\6.0\\Preferences\\MostRecentClips");
    }
};

class TRoxioEasyCDCreatorRecentFileList final : public TPrivacyIssue {
    HM_ISSUE_NAME(TRoxioEasyCDCreatorRecentFileList)
    bool Check() override { return RegKeyExists("HKEY_CURRENT_USER\\Software\\Roxio"); }
    void Solve() override
    {
        DeleteKeys({"HKEY_CURRENT_USER\\Software\\Roxio\\Roxio Shared\\Creator API\\2.0\\Recent File List",
                    "HKEY_CURRENT_USER\\Software\\Roxio\\Creator Classic\\6.0\\Creatorc.exe\\Recent File List"});
        DeleteRegValue("HKEY_CURRENT_USER\\Software\\Roxio\\Creator Classic\\6.0\\Creatorc.exe\\FileDialogDirectories",
                       "opensave");
    }
};

class TWindowsTelnetRecentlyVisitedServers final : public TPrivacyIssue {
    HM_ISSUE_NAME(TWindowsTelnetRecentlyVisitedServers)
    const char* const Telnet = "HKEY_CURRENT_USER\\Software\\Microsoft\\Telnet";
    bool Check() override { return RegKeyExists(Telnet); }
    void Solve() override
    {
        for (const char* name : {"LastMachine", "Machine1", "Machine2", "Machine3"})
            DeleteRegValue(Telnet, name);
    }
};

class TTrillianLogFilesCacheFiles final : public TPrivacyIssue {
    HM_ISSUE_NAME(TTrillianLogFilesCacheFiles)
    bool Check() override { return IsDirectoryAt(GetProgramFilesFolder(), "\\Trillian"); }
    void Solve() override
    {
        std::string programs = GetProgramFilesFolder();
        EmptyFolder(programs, "\\Trillian\\users\\default\\cache");
        EmptyFolder(programs, "\\Trillian\\users\\default\\logs");
    }
};

class TUleadGifAnimatorv40RecentFileList final : public TPrivacyIssue {
    HM_ISSUE_NAME(TUleadGifAnimatorv40RecentFileList)
    bool Check() override { return RegKeyExists("HKEY_CURRENT_USER\\Software\\Ulead Systems\\Ulead GIF Animator\\4.0"); }
    void Solve() override
    {
        DeleteRegKey("HKEY_CURRENT_USER\\Software\\Ulead Systems\\Ulead GIF Animator\\4.0\\Recent File List");
    }
};

class TUleadPhotoImpact60RecentFileList final : public TPrivacyIssue {
    HM_ISSUE_NAME(TUleadPhotoImpact60RecentFileList)
    bool Check() override { return RegKeyExists("HKEY_CURRENT_USER\\Software\\Ulead Systems\\Ulead PhotoImpact\\6.0"); }
    void Solve() override
    {
        DeleteRegKey("HKEY_CURRENT_USER\\Software\\Ulead Systems\\Ulead PhotoImpact\\6.0\\Recent File List");
    }
};

class TUleadPhotoImpact70RecentFileList final : public TPrivacyIssue {
    HM_ISSUE_NAME(TUleadPhotoImpact70RecentFileList)
    bool Check() override { return RegKeyExists("HKEY_CURRENT_USER\\Software\\Ulead Systems\\Ulead PhotoImpact\\7.0"); }
    void Solve() override
    {
        DeleteRegKey("HKEY_CURRENT_USER\\Software\\Ulead Systems\\Ulead PhotoImpact\\7.0\\Recent File List");
    }
};

class TUltraEditRecentFileList final : public TPrivacyIssue {
    HM_ISSUE_NAME(TUltraEditRecentFileList)
    bool Check() override { return PathExistsAt(GetWindowsFolder(), "\\UEDIT32.INI"); }
    void Solve() override { DeleteIn(GetWindowsFolder(), "\\UEDIT32.INI"); }
};

class TWinAceRecentFileList final : public TPrivacyIssue {
    HM_ISSUE_NAME(TWinAceRecentFileList)
    bool Check() override { return RegKeyExists("HKEY_CURRENT_USER\\Software\\e-merge\\WinAce\\2.0"); }
    void Solve() override
    {
        DeleteKeys({"HKEY_CURRENT_USER\\Software\\e-merge\\WinAce\\2.0\\Favorites",
                    "HKEY_CURRENT_USER\\Software\\e-merge\\WinAce\\2.0\\MRU Items"});
    }
};

class TMediaPlayerRecentFileList final : public TPrivacyIssue {
    HM_ISSUE_NAME(TMediaPlayerRecentFileList)
    bool Check() override
    {
        std::string windows = GetWindowsFolder();
        return IsDirectoryAt(GetAppDataFolder(), "\\Microsoft\\Media Player") ||
               PathExistsAt(windows, "\\wmplibrary_v_0_12.db") || PathExistsAt(windows, "\\wmplibrary_v_0_12.lrd") ||
               RegKeyExists("HKEY_CURRENT_USER\\Software\\Microsoft\\MediaPlayer\\Player");
    }
    void Solve() override
    {
        std::string windows = GetWindowsFolder();
        EmptyFolder(GetAppDataFolder(), "\\Microsoft\\Media Player");
        // Where Windows 98 keeps the shared media index.
        EmptyFolder(windows, "\\All Users\\Application Data\\Microsoft\\Media Index");
        DeleteEachIn(windows, {"\\wmplibrary_v_0_12.db", "\\wmplibrary_v_0_12.lrd"});
        DeleteKeys({"HKEY_CURRENT_USER\\Software\\Microsoft\\MediaPlayer\\Player\\RecentFileList",
                    "HKEY_CURRENT_USER\\Software\\Microsoft\\MediaPlayer\\Player\\RecentURLList"});
        DeleteRegValue("HKEY_CURRENT_USER\\Software\\Microsoft\\MediaPlayer\\Player\\RecentSettings", "OpenDir");
    }
};

class TWordPadRecentFileList final : public TPrivacyIssue {
    HM_ISSUE_NAME(TWordPadRecentFileList)
    bool Check() override
    {
        return RegKeyExists("HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Wordpad");
    }
    void Solve() override
    {
        DeleteRegKey(
            "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Applets\\Wordpad\\Recent File List");
    }
};

class TZipMagicRecentFileList final : public TPrivacyIssue {
    HM_ISSUE_NAME(TZipMagicRecentFileList)
    bool Check() override { return RegKeyExists("HKEY_CURRENT_USER\\Software\\Mijenix\\ZipMagic"); }
    void Solve() override { DeleteRegKey("HKEY_CURRENT_USER\\Software\\Mijenix\\ZipMagic\\CurrentVersion\\Recent"); }
};

class T7ZipCompressionPgm final : public TPrivacyIssue {
    HM_ISSUE_NAME(T7ZipCompressionPgm)
    bool Check() override { return RegKeyExists("HKEY_CURRENT_USER\\Software\\7-ZIP\\Compression"); }
    void Solve() override
    {
        for (int n = 0; n <= 10; ++n)
            DeleteRegValue("HKEY_CURRENT_USER\\Software\\7-ZIP\\Compression\\ArcHistory", std::to_string(n));
    }
};

// ---- From ACDSee to AIM

class TACDSee final : public TPrivacyIssue {
    HM_ISSUE_NAME(TACDSee)
    bool Check() override
    {
        return IsDirectoryAt(GetWindowsFolder(), "\\Application Data\\ACD Systems\\ACDSee") ||
               RegKeyExists("HKEY_CURRENT_USER\\Software\\ACD Systems\\ACDSee") ||
               RegKeyExists("HKEY_USERS\\.default\\Software\\ACD Systems\\ACDSee") ||
               RegKeyExists("HKEY_USERS\\Software\\ACD Systems\\ACDSee");
    }
    void Solve() override
    {
        ClearRegValues("HKEY_CURRENT_USER\\Software\\ACD Systems\\ACDSee");
        ClearRegValues("HKEY_USERS\\.default\\Software\\ACD Systems\\ACDSee");
        ClearRegValues("HKEY_USERS\\Software\\ACD Systems\\ACDSee");
    }
};

class TAcousticaCDLabelMaker final : public TPrivacyIssue {
    HM_ISSUE_NAME(TAcousticaCDLabelMaker)
    bool Check() override { return RegKeyExists("HKEY_CURRENT_USER\\Software\\Acoustica\\CD Label Maker"); }
    void Solve() override { DeleteRegKey("HKEY_CURRENT_USER\\Software\\Acoustica\\CD Label Maker\\MRU"); }
};

class TAcrobatReader70 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TAcrobatReader70)
    bool Check() override { return RegKeyExists("HKEY_CURRENT_USER\\Software\\Adobe\\Acrobat\\7.0"); }
    void Solve() override
    {
        DeleteKeys({"HKEY_CURRENT_USER\\Software\\Adobe\\Acrobat\\7.0\\Weblink\\7.0\\OpenURL",
                    "HKEY_CURRENT_USER\\Software\\Adobe\\Acrobat Reader\\7.0\\AVGeneral\\cRecentFiles"});
    }
};

// Acrobat Reader 3.0 and 3.1 share one settings file in the Windows folder.
class TAcrobatReaderIni : public TPrivacyIssue {
    bool Check() override { return PathExistsAt(GetWindowsFolder(), "\\acroread.ini"); }
    void Solve() override { DeleteIn(GetWindowsFolder(), "\\acroread.ini"); }
};

class TAcrobatReader30 final : public TAcrobatReaderIni {
    HM_ISSUE_NAME(TAcrobatReader30)
};

class TAcrobatReader31 final : public TAcrobatReaderIni {
    HM_ISSUE_NAME(TAcrobatReader31)
};

class TAdawareSE final : public TPrivacyIssue {
    HM_ISSUE_NAME(TAdawareSE)
    bool Check() override { return IsDirectoryAt(GetProfileFolder(), "\\Lavasoft\\Ad-Aware"); }
    void Solve() override { EmptyFolder(GetProfileFolder(), "\\Lavasoft\\Ad-Aware\\Logs"); }
};

class TAdaptecEasyCDCreator final : public TPrivacyIssue {
    HM_ISSUE_NAME(TAdaptecEasyCDCreator)
    bool Check() override { return RegKeyExists("HKEY_CURRENT_USER\\Software\\Adaptec\\Easy CD Creator 4\\4.0"); }
    void Solve() override
    {
        DeleteRegKey("HKEY_CURRENT_USER\\Software\\Adaptec\\Easy CD Creator 4\\4.0\\Recent File List");
    }
};

class TAddSoft final : public TPrivacyIssue {
    HM_ISSUE_NAME(TAddSoft)
    bool Check() override { return IsDirectoryAt(GetProgramFilesFolder(), "\\AddSoft"); }
    void Solve() override { EmptyFolder(GetProgramFilesFolder(), "\\AddSoft\\reports"); }
};

class TAddWeb30 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TAddWeb30)
    bool Check() override { return IsDirectoryAt(GetProgramFilesFolder(), "\\Addweb3"); }
    void Solve() override { EmptyFolder(GetProgramFilesFolder(), "\\Addweb3\\Reports\\Output"); }
};

class TAdvancedMP3Catalog final : public TPrivacyIssue {
    HM_ISSUE_NAME(TAdvancedMP3Catalog)
    bool Check() override { return RegKeyExists("HKEY_CURRENT_USER\\Software\\Wizetech\\AMC3"); }
    void Solve() override { DeleteRegValue("HKEY_CURRENT_USER\\Software\\Wizetech\\AMC3", "SearchString"); }
};

class TAgnitumOutpostPro final : public TPrivacyIssue {
    HM_ISSUE_NAME(TAgnitumOutpostPro)
    bool Check() override
    {
        return PathExistsAt(GetProgramFilesFolder(), "\\Agnitum\\Outpost Firewall\\op_data.mdb");
    }
    void Solve() override { DeleteIn(GetProgramFilesFolder(), "\\Agnitum\\Outpost Firewall\\op_data.mdb"); }
};

class TAIMloginnames final : public TPrivacyIssue {
    HM_ISSUE_NAME(TAIMloginnames)
    bool Check() override
    {
        return IsDirectoryAt(GetPersonalFolder(), "\\filelib") ||
               RegKeyExists("HKEY_CURRENT_USER\\Software\\Van Dyke Technologies\\AbsoluteFTP");
    }
    void Solve() override
    {
        EmptyFolder(GetPersonalFolder(), "\\filelib");
        DeleteRegKey("HKEY_CURRENT_USER\\Software\\Van Dyke Technologies\\AbsoluteFTP\\Recent File List");
    }
};

}  // namespace

std::vector<TIssueRegistration> CatalogueGroupC()
{
    return {
        HM_REGISTER(TSmartDraw6),
        HM_REGISTER(TSonique),
        HM_REGISTER(TStarOffice51),
        HM_REGISTER(TSWiSH20),
        HM_REGISTER(TUleadGIFAnimator505),
        HM_REGISTER(TWebferret),
        HM_REGISTER(TWinAce2X),
        HM_REGISTER(TWinamp27),
        HM_REGISTER(TWinRAR30),
        HM_REGISTER(TWinRAR34),
        HM_REGISTER(TWinZip90),
        HM_REGISTER(TXara3D50),
        HM_REGISTER(TYahooMessenger),
        HM_REGISTER(TYahooPlayer),
        HM_REGISTER(TZipMagic2000),
        HM_REGISTER(TZoneAlarm),
        HM_REGISTER(TEditPlus2RecentFileList),
        HM_REGISTER(TEudoraMail),
        HM_REGISTER(TExcel2000RecentFileList),
        HM_REGISTER(TFlashGetRecentFiles),
        HM_REGISTER(TGetRightExplorerBarRecentlyFileList),
        HM_REGISTER(TMacromediaFlash40RecentFileList),
        HM_REGISTER(TMediaJukebox),
        HM_REGISTER(TMSPaint),
        HM_REGISTER(TMSPhotoEditor),
        HM_REGISTER(TNetscapeMail),
        HM_REGISTER(TNortonFileManagerRecentFileList),
        HM_REGISTER(TNortonPersonalFirewall2003LogFiles),
        HM_REGISTER(TNortonUtilities2000History),
        HM_REGISTER(TPowerZipRecentFileList),
        HM_REGISTER(TRealplayerRecentFiles),
        HM_REGISTER(TRoxioEasyCDCreatorRecentFileList),
        HM_REGISTER(TWindowsTelnetRecentlyVisitedServers),
        HM_REGISTER(TTrillianLogFilesCacheFiles),
        HM_REGISTER(TUleadGifAnimatorv40RecentFileList),
        HM_REGISTER(TUleadPhotoImpact60RecentFileList),
        HM_REGISTER(TUleadPhotoImpact70RecentFileList),
        HM_REGISTER(TUltraEditRecentFileList),
        HM_REGISTER(TWinAceRecentFileList),
        HM_REGISTER(TMediaPlayerRecentFileList),
        HM_REGISTER(TWordPadRecentFileList),
        HM_REGISTER(TZipMagicRecentFileList),
        HM_REGISTER(T7ZipCompressionPgm),
        HM_REGISTER(TACDSee),
        HM_REGISTER(TAcousticaCDLabelMaker),
        HM_REGISTER(TAcrobatReader70),
        HM_REGISTER(TAcrobatReader30),
        HM_REGISTER(TAcrobatReader31),
        HM_REGISTER(TAdawareSE),
        HM_REGISTER(TAdaptecEasyCDCreator),
        HM_REGISTER(TAddSoft),
        HM_REGISTER(TAddWeb30),
        HM_REGISTER(TAdvancedMP3Catalog),
        HM_REGISTER(TAgnitumOutpostPro),
        HM_REGISTER(TAIMloginnames),
    };
}
