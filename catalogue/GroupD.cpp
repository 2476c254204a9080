// Editors and image tools, browsers, newsreaders and mail, file sharing and download
// managers, FTP clients, disk tools and virus-scanner logs; the Office issues of this
// group live in GroupDOffice.cpp.
#include "catalogue/CatalogueHelpers.h"
#include "catalogue/GroupDOffice.h"
#include "catalogue/Groups.h"

namespace {

// Vendors that install below a folder named after their web domain.
const char* const FtpVoyagerVendor = "\\RhinoSoft.com";
const char* const InterQuickVendor = "\\InterQuick.com";

bool FileExistsAt(const std::string& base, const std::string& tail)
{
    return !base.empty() && FileExists(base + tail);
}

// Issues whose whole trace is one key: found while it exists, deleted whole.
class TKeyIssue : public TPrivacyIssue {
protected:
    virtual const char* Key() const = 0;

private:
    bool Check() override { return RegKeyExists(Key()); }
    void Solve() override { DeleteRegKey(Key()); }
};

#define HM_KEY_ISSUE(Name, Path)                                \
    class Name final : public TKeyIssue {                       \
        HM_ISSUE_NAME(Name)                                     \
        const char* Key() const override { return Path; }       \
    };

// ---- Recent lists kept in one registry key

HM_KEY_ISSUE(TAlcoholMRUList, "HKEY_CURRENT_USER\\Software\\Alcohol Soft\\Alcohol 120%\\MountedMRU")
HM_KEY_ISSUE(TAxialisIconWorkshop5x, "HKEY_CURRENT_USER\\Software\\Axialis\\IconWorkshop\\Recent File List")
HM_KEY_ISSUE(TBabylonBuilder22, "HKEY_CURRENT_USER\\Software\\Babylon\\Babylon Builder\\Recent")
HM_KEY_ISSUE(TCoffeeCupGIFAnimator, "HKEY_CURRENT_USER\\Software\\CoffeeCup Software\\GIF Animator\\Settings\\MRU")
HM_KEY_ISSUE(TCRT2x, "HKEY_CURRENT_USER\\Software\\Van Dyke Technologies\\CRT\\Recent File List")
HM_KEY_ISSUE(TFTPExplorer, "HKEY_CURRENT_USER\\Software\\FTP Explorer\\FTP Explorer\\Recent File List")
HM_KEY_ISSUE(THeliosTextPad, "HKEY_CURRENT_USER\\Software\\Helios\\TextPad 4\\Recent File List")
HM_KEY_ISSUE(THomesite40, "HKEY_CURRENT_USER\\Software\\Allaire\\HomeSite4\\RecentFiles")
HM_KEY_ISSUE(TJascAnimationShop3, "HKEY_CURRENT_USER\\Software\\Jasc\\Animation Shop 3\\Recent File List")
HM_KEY_ISSUE(TKodakImagingforWindows, "HKEY_CURRENT_USER\\Software\\Kodak\\Imaging\\Recent File List")
HM_KEY_ISSUE(TLViewPro2x,
             "HKEY_CURRENT_USER\\Software\\MMedia Research Corp\\LView Pro Image Processor\\Recent File List")
HM_KEY_ISSUE(TMacromediaFlashMX, "HKEY_CURRENT_USER\\Software\\Macromedia\\Flash 6\\Recent File List")
HM_KEY_ISSUE(TMagicISOMaker46, "HKEY_LOCAL_MACHINE\\SOFTWARE\\MagicISO\\Reopen")
HM_KEY_ISSUE(TMasterSplitter, "HKEY_CURRENT_USER\\Software\\Tomasoft\\MasterSplitter\\Recent Dir List")
HM_KEY_ISSUE(TMEDAMP3Splitter, "HKEY_CURRENT_USER\\Software\\MP3 Joiner\\SplitterRecent File List")
HM_KEY_ISSUE(TMicrografxPicturePublisher8,
             "HKEY_CURRENT_USER\\Software\\Micrografx\\Picture Publisher\\8.0\\Recent File List")
HM_KEY_ISSUE(TMozart40, "HKEY_CURRENT_USER\\Software\\Webber Software\\Mozart 4\\Recent File List")

#undef HM_KEY_ISSUE

class TDiskExplorerProfessional3 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TDiskExplorerProfessional3)
    const char* const Search = "HKEY_CURRENT_USER\\Software\\Antelope Studios\\Disk Explorer Professional 3\\Search";
    bool Check() override { return RegKeyExists(Search); }
    void Solve() override { ClearRegValues(Search); }
};

class TChameleonWebBrowser final : public TPrivacyIssue {
    HM_ISSUE_NAME(TChameleonWebBrowser)
    static constexpr const char* Keys[] = {"HKEY_CURRENT_USER\\Software\\DMT\\BROWSER\\DEFAULTS",
                                           "HKEY_CURRENT_USER\\Software\\DMT\\BROWSER\\ComboBox",
                                           "HKEY_CURRENT_USER\\Software\\DMT\\BROWSER\\ComboBox\\URLS\\NonAdult"};
    bool Check() override
    {
        bool any = false;
        for (const char* key : Keys)
            any = RegKeyExists(key) || any;
        return any;
    }
    void Solve() override
    {
        for (const char* key : Keys)
            DeleteRegKey(key);
    }
};

class TJASCPaintShopPro final : public TPrivacyIssue {
    HM_ISSUE_NAME(TJASCPaintShopPro)
    static void ClearGeneral(const char* key) { DeleteValues(key, {"FolderHistory", "ImageDirectory", "BrowseDir"}); }
    static void DeleteValues(const char* key, std::initializer_list<const char*> names)
    {
        for (const char* name : names)
            DeleteRegValue(key, name);
    }
    bool Check() override
    {
        for (const char* key : {"HKEY_CURRENT_USER\\Software\\JASC\\Paint Shop Pro 8\\Recent File List",
                                "HKEY_CURRENT_USER\\Software\\JASC\\Animation Shop\\Recent File List",
                                "HKEY_CURRENT_USER\\Software\\JASC\\Paint Shop Pro 8\\General",
                                "HKEY_CURRENT_USER\\Software\\JASC\\Paint Shop Pro 7\\Recent File List",
                                "HKEY_CURRENT_USER\\Software\\JASC\\Paint Shop Pro 7\\General",
                                "HKEY_CURRENT_USER\\Software\\JASC\\Paint Shop Pro 6\\Recent File List",
                                "HKEY_CURRENT_USER\\Software\\JASC\\Paint Shop Pro 6\\General",
                                "HKEY_CURRENT_USER\\Software\\JASC\\Paint Shop Pro 5\\Recent File List",
                                "HKEY_CURRENT_USER\\Software\\JASC\\Paint Shop Pro 5\\General"})
            if (RegKeyExists(key))
                return true;
        return false;
    }
    void Solve() override
    {
        DeleteKeys({"HKEY_CURRENT_USER\\Software\\JASC\\Paint Shop Pro 8\\Recent File List",
                    "HKEY_CURRENT_USER\\Software\\JASC\\Animation Shop\\Recent File List"});
        ClearGeneral("HKEY_CURRENT_USER\\Software\\JASC\\Paint Shop Pro 8\\General");
        DeleteRegKey("HKEY_CURRENT_USER\\Software\\JASC\\Paint Shop Pro 7\\Recent File List");
        ClearGeneral("HKEY_CURRENT_USER\\Software\\JASC\\Paint Shop Pro 7\\General");
        DeleteRegKey("HKEY_CURRENT_USER\\Software\\JASC\\Paint Shop Pro 6\\Recent File List");
        ClearGeneral("HKEY_CURRENT_USER\\Software\\JASC\\Paint Shop Pro 6\\General");
        DeleteRegKey("HKEY_CURRENT_USER\\Software\\JASC\\Paint Shop Pro 5\\Recent File List");
        ClearGeneral("HKEY_CURRENT_USER\\Software\\JASC\\Paint Shop Pro 5\\General");
    }
};

// Blanks the values of the key that the mask lists; a name the search did not list is
// never written.
void BlankListed(const std::string& key, const char* mask)
{
    std::vector<std::string> names;
    FindRegValues(key, mask, names);
    for (const std::string& name : names)
        ResetRegString(key, name, "");
}

class TMetapad final : public TPrivacyIssue {
    HM_ISSUE_NAME(TMetapad)
    bool Check() override { return RegKeyExists("HKEY_CURRENT_USER\\Software\\Metapad"); }
    void Solve() override { BlankListed("HKEY_CURRENT_USER\\Software\\Metapad", "mru_"); }
};

class TMijenixPowerdesk40 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TMijenixPowerdesk40)
    bool Check() override
    {
        return RegKeyExists("HKEY_CURRENT_USER\\Software\\Ontrack\\PowerDesk\\CurrentVersion\\ExplorerPlus\\UnZip To") ||
               RegKeyExists("HKEY_CURRENT_USER\\Software\\Ontrack\\PowerDesk\\CurrentVersion\\ExplorerPlus\\Zip To") ||
               RegKeyExists(
                   "HKEY_CURRENT_USER\\Software\\Ontrack\\PowerDesk\\CurrentVersion\\ExplorerPlus\\Compare Folders");
    }
    void Solve() override
    {
        const std::string current = "HKEY_CURRENT_USER\\Software\\Ontrack\\PowerDesk\\CurrentVersion";
        BlankListed(current + "\\ExplorerPlus\\UnZip To", "History");
        for (const char* key :
             {"HKEY_CURRENT_USER\\Software\\Ontrack\\PowerDesk\\CurrentVersion\\ExplorerPlus\\Zip To",
              "HKEY_CURRENT_USER\\Software\\Ontrack\\PowerDesk\\CurrentVersion\\ExplorerPlus\\Compare Folders",
              "HKEY_CURRENT_USER\\Software\\Ontrack\\PowerDesk\\CurrentVersion\\ExplorerPlus\\DOS Command Line",
              "HKEY_CURRENT_USER\\Software\\Ontrack\\PowerDesk\\CurrentVersion\\Viewer\\ConvertDestination"})
            BlankListed(key, "History");
        DeleteRegValue("HKEY_CURRENT_USER\\Software\\Ontrack\\PowerDesk\\CurrentVersion\\SizeManager", "CurrentPath");
        DeleteKeys({"HKEY_CURRENT_USER\\Software\\Ontrack\\PowerDesk\\CurrentVersion\\PDFind\\Extensions",
                    "HKEY_CURRENT_USER\\Software\\Ontrack\\PowerDesk\\CurrentVersion\\PDFind\\FileNames",
                    "HKEY_CURRENT_USER\\Software\\Ontrack\\PowerDesk\\CurrentVersion\\PDFind\\Paths",
                    "HKEY_CURRENT_USER\\Software\\Ontrack\\PowerDesk\\CurrentVersion\\PDFind\\Texts"});
        BlankListed("HKEY_CURRENT_USER\\Software\\Ontrack\\PowerDesk\\CurrentVersion\\Synchronizer", "History");
        BlankListed("HKEY_CURRENT_USER\\Software\\Ontrack\\PowerDesk\\CurrentVersion\\Toolbar", "History");
        DeleteKeys({"HKEY_CURRENT_USER\\Software\\Ontrack\\PowerDesk\\CurrentVersion\\DlgDirectory",
                    "HKEY_CURRENT_USER\\Software\\Ontrack\\PowerDesk\\CurrentVersion\\DlgFile"});
    }
};

// ---- Files and folders of programs

class TBookReader final : public TPrivacyIssue {
    HM_ISSUE_NAME(TBookReader)
    bool Check() override { return FileExistsAt(GetProgramFilesFolder(), "\\BookReader\\history.dat"); }
    void Solve() override { DeleteIn(GetProgramFilesFolder(), "\\BookReader\\history.dat"); }
};

class TCoolEdit200011 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TCoolEdit200011)
    static std::string Ini()
    {
        std::string appData = GetAppDataFolder();
        return appData.empty() ? std::string() : appData + "\\Syntrillium\\Cool Edit\\COOL.INI";
    }
    bool Check() override { return FileExistsAt(Ini(), ""); }
    void Solve() override
    {
        std::string ini = Ini();
        if (ini.empty())
            return;
        EffectWriteProfileString(ini, "DirGroup 101", "Item", "");
        EffectWriteProfileString(ini, "DirGroup 101", "NumItem", "");
    }
};

class TWindowsDownloadedInstallations final : public TPrivacyIssue {
    HM_ISSUE_NAME(TWindowsDownloadedInstallations)
    bool Check() override { return IsDirectoryAt(GetWindowsFolder(), "\\Downloaded Installations"); }
    void Solve() override { EmptyFolder(GetWindowsFolder(), "\\Downloaded Installations\\"); }
};

class TeMule final : public TPrivacyIssue {
    HM_ISSUE_NAME(TeMule)
    bool Check() override { return IsDirectoryAt(GetProgramFilesFolder(), "\\eMule\\Temp"); }
    void Solve() override { EmptyFolder(GetProgramFilesFolder(), "\\eMule\\Temp"); }
};

class TEnfishOnespace final : public TPrivacyIssue {
    HM_ISSUE_NAME(TEnfishOnespace)
    const char* const Data = "\\Enfish Technology\\Enfish Onespace\\Data";
    bool Check() override { return IsDirectoryAt(GetProgramFilesFolder(), Data); }
    void Solve() override
    {
        std::string programs = GetProgramFilesFolder();
        if (IsDirectoryAt(programs, Data))
            EmptyFolder(programs, Data);
    }
};

class TEnigmaBrowser final : public TPrivacyIssue {
    HM_ISSUE_NAME(TEnigmaBrowser)
    bool Check() override
    {
        std::string programs = GetProgramFilesFolder();
        return FileExistsAt(programs, "\\Enigma Browser 3.6.0\\History.dat") ||
               FileExistsAt(programs, "\\Enigma Browser Gold 4.4T\\History.dat");
    }
    void Solve() override
    {
        if (!Check())
            return;
        DeleteEachIn(GetProgramFilesFolder(),
                     {"\\Enigma Browser 3.6.0\\History.dat", "\\Enigma Browser Gold 4.4T\\History.dat"});
    }
};

class TFotostation40 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TFotostation40)
    bool Check() override { return IsDirectoryAt(GetProgramFilesFolder(), "\\FotoStation 4.0\\Thumbnails"); }
    void Solve() override { EmptyFolder(GetProgramFilesFolder(), "\\FotoStation 4.0\\Thumbnails"); }
};

class TFTPVoyager final : public TPrivacyIssue {
    HM_ISSUE_NAME(TFTPVoyager)
    const char* const Sites = "HKEY_CURRENT_USER\\Software\\Rhino Software\\FTP Voyager\\Most Recent Sites";
    static std::string Folder()
    {
        std::string programs = GetProgramFilesFolder();
        return programs.empty() ? std::string() : programs + FtpVoyagerVendor + "\\FTP Voyager";
    }
    bool Check() override
    {
        std::string folder = Folder();
        return RegKeyExists(Sites) || FileExistsAt(folder, "\\FTPVoyager.qc") ||
               FileExistsAt(folder, "\\LocalCache.cache") || FileExistsAt(folder, "\\FTP Voyager Scheduler.SCH");
    }
    void Solve() override
    {
        DeleteRegKey(Sites);
        DeleteEachIn(Folder(), {"\\FTPVoyager.qc", "\\LocalCache.cache", "\\FTP Voyager Scheduler.SCH"});
    }
};

class TFunCD final : public TPrivacyIssue {
    HM_ISSUE_NAME(TFunCD)
    bool Check() override { return IsDirectoryAt(GetProgramFilesFolder(), "\\FunCD"); }
    void Solve() override
    {
        std::string programs = GetProgramFilesFolder();
        if (programs.empty())
            return;
        std::vector<std::string> logs;
        FindFiles(programs + "\\FunCD", "*.log", logs);
        for (const std::string& log : logs)
            DeleteFileSafe(log);
    }
};

class TGoldWaveDigitalAudioEditor final : public TPrivacyIssue {
    HM_ISSUE_NAME(TGoldWaveDigitalAudioEditor)
    bool Check() override { return FileExistsAt(GetWindowsFolder(), "\\goldwave.ini"); }
    void Solve() override { DeleteIn(GetWindowsFolder(), "\\goldwave.ini"); }
};

class TGoogleDesktopSearchHistory final : public TPrivacyIssue {
    HM_ISSUE_NAME(TGoogleDesktopSearchHistory)
    static std::string LocalAppData()
    {
        return TrustedBase(RegText(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                                   "Local AppData"));
    }
    bool Check() override { return IsDirectoryAt(LocalAppData(), "\\Google\\Google Desktop Search"); }
    void Solve() override { EmptyFolder(LocalAppData(), "\\Google\\Google Desktop Search"); }
};

class TGravityNewsreader final : public TPrivacyIssue {
    HM_ISSUE_NAME(TGravityNewsreader)
    static constexpr const char* Keys[] = {"HKEY_CURRENT_USER\\Software\\MicroPlanet\\Gravity\\Dirs\\Dirs",
                                           "HKEY_CURRENT_USER\\Software\\MicroPlanet\\Gravity\\URL\\Web",
                                           "HKEY_CURRENT_USER\\Software\\MicroPlanet\\Gravity\\URL\\Telnet",
                                           "HKEY_CURRENT_USER\\Software\\MicroPlanet\\Gravity\\URL\\Gopher",
                                           "HKEY_CURRENT_USER\\Software\\MicroPlanet\\Gravity\\URL\\Ftp",
                                           "HKEY_CURRENT_USER\\Software\\MicroPlanet\\Image Gallery\\General"};
    static constexpr const char* Folders[] = {"\\Gravity\\newsdb", "\\Gravity\\download", "\\Gravity\\parts",
                                              "\\Gravity\\backup"};
    bool Check() override
    {
        for (const char* key : Keys)
            if (RegKeyExists(key))
                return true;
        std::string programs = GetProgramFilesFolder();
        for (const char* folder : Folders)
            if (IsDirectoryAt(programs, folder))
                return true;
        return false;
    }
    void Solve() override
    {
        for (const char* key : Keys)
            DeleteRegKey(key);
        std::string programs = GetProgramFilesFolder();
        for (const char* folder : Folders)
            EmptyFolder(programs, folder);
    }
};

class TInoculateltPEVirusScan final : public TPrivacyIssue {
    HM_ISSUE_NAME(TInoculateltPEVirusScan)
    bool Check() override
    {
        std::string programs = GetProgramFilesFolder();
        return FileExistsAt(programs, "\\InoculateIT PE\\VIRUSLOG.TXT") ||
               FileExistsAt(programs, "\\InoculateIT PE\\STARTLOG.TXT");
    }
    void Solve() override
    {
        DeleteEachIn(GetProgramFilesFolder(), {"\\InoculateIT PE\\VIRUSLOG.TXT", "\\InoculateIT PE\\STARTLOG.TXT"});
    }
};

class TInterQuick final : public TPrivacyIssue {
    HM_ISSUE_NAME(TInterQuick)
    static std::string Cache()
    {
        std::string programs = GetProgramFilesFolder();
        return programs.empty() ? std::string() : programs + InterQuickVendor + "\\InterQuick\\HTTP Cache";
    }
    bool Check() override { return IsDirectoryAt(Cache()); }
    void Solve() override { EmptyFolder(Cache(), ""); }
};

class TJetPhotoShell final : public TPrivacyIssue {
    HM_ISSUE_NAME(TJetPhotoShell)
    const char* const Key = "HKEY_CURRENT_USER\\Software\\COWON System, Inc.\\Jet-Photo Viewer\\Recent File List";
    bool Check() override
    {
        return RegKeyExists(Key) || FileExistsAt(GetProgramFilesFolder(), "\\COWON\\Jet-PhotoShell\\JetPSicn32.idb");
    }
    void Solve() override
    {
        DeleteRegKey(Key);
        DeleteIn(GetProgramFilesFolder(), "\\COWON\\Jet-PhotoShell\\JetPSicn32.idb");
    }
};

class TJuno final : public TPrivacyIssue {
    HM_ISSUE_NAME(TJuno)
    static std::string InstallDir() { return RegText(HKEY_LOCAL_MACHINE, "SOFTWARE\\United Online\\Juno", "INSTALLDIR"); }
    bool Check() override { return !InstallDir().empty(); }
    // The value is used as written: with a trailing backslash it names the install
    // folder's own cache and temp subfolders.
    void Solve() override
    {
        std::string folder = TrustedBase(InstallDir());
        EmptyFolder(folder, "cache");
        EmptyFolder(folder, "temp");
    }
};

class TKaZaAMediaDesktop final : public TPrivacyIssue {
    HM_ISSUE_NAME(TKaZaAMediaDesktop)
    bool Check() override { return RegKeyExists("HKEY_CURRENT_USER\\Software\\Kazaa"); }
    void Solve() override
    {
        std::string folder = InstallFolderOf(RegText(HKEY_LOCAL_MACHINE, "Software\\Kazaa\\Settings", "HelpDir"));
        if (folder.empty())
            return;
        DeleteKeys({"HKEY_CURRENT_USER\\Software\\Kazaa\\KaZaA Media Desktop\\Recent File List",
                    "HKEY_CURRENT_USER\\Software\\Kazaa\\Search"});
        EmptyFolder(folder, "Db");
        EmptyFolder(folder, "Promotions");
    }
};

class TLeapFTP26 final : public TPrivacyIssue {
    HM_ISSUE_NAME(TLeapFTP26)
    bool Check() override { return FileExistsAt(GetProgramFilesFolder(), "\\LeapFTP\\stats.dat"); }
    void Solve() override { DeleteIn(GetProgramFilesFolder(), "\\LeapFTP\\stats.dat"); }
};

class TLetterbox final : public TPrivacyIssue {
    HM_ISSUE_NAME(TLetterbox)
    bool Check() override { return FileExistsAt(GetProgramFilesFolder(), "\\LetterBox\\ErrorLog.txt"); }
    void Solve() override { DeleteIn(GetProgramFilesFolder(), "\\LetterBox\\ErrorLog.txt"); }
};

class TLingoMail1x final : public TPrivacyIssue {
    HM_ISSUE_NAME(TLingoMail1x)
    // Older versions install to a fixed folder on drive C: whatever drive Windows is on.
    const char* const Fixed = "C:\\LINGO\\Attach";
    bool Check() override { return IsDirectoryAt(GetProgramFilesFolder(), "\\LINGO\\Attach") || IsDirectory(Fixed); }
    void Solve() override
    {
        EmptyFolder(GetProgramFilesFolder(), "\\LINGO\\Attach");
        DeleteFilesInFolder(Fixed, "*.*", false);
    }
};

class TMcAfeeVirusScan final : public TPrivacyIssue {
    HM_ISSUE_NAME(TMcAfeeVirusScan)
    static constexpr const char* Logs[] = {"\\Network Associates\\VirusScan NT\\ScanLog.Txt",
                                           "\\Network Associates\\VirusScan NT\\VirusScan Activity Log.txt",
                                           "\\McAfee\\VirusScan NT\\ScanLog.Txt",
                                           "\\McAfee\\VirusScan NT\\VirusScan Activity Log.txt",
                                           "\\McAfee\\McAfee VirusScan\\ScanLog.Txt",
                                           "\\McAfee\\McAfee VirusScan\\VirusScan Activity Log.txt"};
    bool Check() override
    {
        std::string programs = GetProgramFilesFolder();
        for (const char* log : Logs)
            if (FileExistsAt(programs, log))
                return true;
        return false;
    }
    void Solve() override
    {
        std::string programs = GetProgramFilesFolder();
        for (const char* log : Logs)
            DeleteIn(programs, log);
    }
};

// The Program Files entry is tested and deleted as a file, as the component leaves it;
// a folder of that name is never removed.
class TMyWayAdvertising final : public TPrivacyIssue {
    HM_ISSUE_NAME(TMyWayAdvertising)
    bool Check() override
    {
        return RegKeyExists("HKEY_LOCAL_MACHINE\\SOFTWARE\\MyWay") || FileExistsAt(GetProgramFilesFolder(), "\\MyWay");
    }
    void Solve() override
    {
        DeleteRegKey("HKEY_LOCAL_MACHINE\\SOFTWARE\\MyWay");
        DeleteIn(GetProgramFilesFolder(), "\\MyWay");
    }
};

class TNetVampire3x final : public TPrivacyIssue {
    HM_ISSUE_NAME(TNetVampire3x)
    static constexpr const char* Folders[] = {"\\Net Vampire\\Data\\Jobs", "\\Net Vampire\\Data\\Sites",
                                              "\\Net Vampire\\Data\\State"};
    bool Check() override
    {
        std::string programs = GetProgramFilesFolder();
        for (const char* folder : Folders)
            if (IsDirectoryAt(programs, folder))
                return true;
        return false;
    }
    void Solve() override
    {
        std::string programs = GetProgramFilesFolder();
        for (const char* folder : Folders)
            EmptyFolder(programs, folder);
    }
};

class TNetAnts final : public TPrivacyIssue {
    HM_ISSUE_NAME(TNetAnts)
    const char* const Mru = "HKEY_CURRENT_USER\\Software\\Netants\\mru";
    static constexpr const char* Files[] = {"\\NetAnts\\netants.job", "\\NetAnts\\netantslog.htm",
                                            "\\NetAnts\\history.txt"};
    bool Check() override
    {
        if (RegKeyExists(Mru))
            return true;
        std::string programs = GetProgramFilesFolder();
        for (const char* file : Files)
            if (FileExistsAt(programs, file))
                return true;
        return false;
    }
    void Solve() override
    {
        DeleteRegKey(Mru);
        std::string programs = GetProgramFilesFolder();
        for (const char* file : Files)
            DeleteIn(programs, file);
    }
};

}  // namespace

std::vector<TIssueRegistration> CatalogueGroupD()
{
    std::vector<TIssueRegistration> classes = {
        HM_REGISTER(TDiskExplorerProfessional3),
        HM_REGISTER(TAlcoholMRUList),
        HM_REGISTER(TAxialisIconWorkshop5x),
        HM_REGISTER(TBabylonBuilder22),
        HM_REGISTER(TBookReader),
        HM_REGISTER(TChameleonWebBrowser),
        HM_REGISTER(TCoffeeCupGIFAnimator),
        HM_REGISTER(TCoolEdit200011),
        HM_REGISTER(TCRT2x),
        HM_REGISTER(TWindowsDownloadedInstallations),
        HM_REGISTER(TeMule),
        HM_REGISTER(TEnfishOnespace),
        HM_REGISTER(TEnigmaBrowser),
        HM_REGISTER(TFotostation40),
        HM_REGISTER(TFTPExplorer),
        HM_REGISTER(TFTPVoyager),
        HM_REGISTER(TFunCD),
        HM_REGISTER(TGoldWaveDigitalAudioEditor),
        HM_REGISTER(TGoogleDesktopSearchHistory),
        HM_REGISTER(TGravityNewsreader),
        HM_REGISTER(THeliosTextPad),
        HM_REGISTER(THomesite40),
        HM_REGISTER(TInoculateltPEVirusScan),
        HM_REGISTER(TInterQuick),
        HM_REGISTER(TJascAnimationShop3),
        HM_REGISTER(TJASCPaintShopPro),
        HM_REGISTER(TJetPhotoShell),
        HM_REGISTER(TJuno),
        HM_REGISTER(TKaZaAMediaDesktop),
        HM_REGISTER(TKodakImagingforWindows),
        HM_REGISTER(TLeapFTP26),
        HM_REGISTER(TLetterbox),
        HM_REGISTER(TLingoMail1x),
        HM_REGISTER(TLViewPro2x),
        HM_REGISTER(TMacromediaFlashMX),
        HM_REGISTER(TMagicISOMaker46),
        HM_REGISTER(TMasterSplitter),
        HM_REGISTER(TMcAfeeVirusScan),
        HM_REGISTER(TMEDAMP3Splitter),
        HM_REGISTER(TMetapad),
        HM_REGISTER(TMicrografxPicturePublisher8),
        HM_REGISTER(TMijenixPowerdesk40),
        HM_REGISTER(TMozart40),
        HM_REGISTER(TMyWayAdvertising),
        HM_REGISTER(TNetVampire3x),
        HM_REGISTER(TNetAnts),
    };
    std::vector<TIssueRegistration> office = CatalogueGroupDOffice();
    classes.insert(classes.end(), office.begin(), office.end());
    return classes;
}
