// Traces of editors and image tools, browsers, newsreaders, file sharing, FTP clients,
// disk tools, virus-scanner logs and Microsoft Office.
#include "tools/seeder/Seeder.h"

#include <utility>

namespace {

const std::string Soft = "HKCU\\Software\\";
const std::string Office = "HKCU\\Software\\Microsoft\\Office\\";
const std::string FrontPage = "HKCU\\Software\\Microsoft\\FrontPage\\";

SeedPlan Plan(const std::string& name, std::vector<TraceItem> items)
{
    return MakePlan(name, std::move(items));
}

// The Check looks at the program's own key or folder, which the Solve leaves.
SeedPlan Installed(const std::string& name, std::vector<TraceItem> items)
{
    return MakePlan(name, std::move(items), true);
}

// A folder the Solve empties, with a file and a subfolder in it.
std::vector<TraceItem> Filled(const std::string& folder, const std::string& file = "cache0001.dat")
{
    return {FolderAt(folder).Emptied(), FileAt(folder + "\\" + file), FileAt(folder + "\\sub\\entry.dat")};
}

void AddKeyPlans(std::vector<SeedPlan>& plans)
{
    // Issues whose trace is one key: the key goes, the program's other settings stay.
    const std::pair<const char*, const char*> keys[] = {
        {"TAlcoholMRUList", "Alcohol Soft\\Alcohol 120%\\MountedMRU"},
        {"TAxialisIconWorkshop5x", "Axialis\\IconWorkshop\\Recent File List"},
        {"TBabylonBuilder22", "Babylon\\Babylon Builder\\Recent"},
        {"TCoffeeCupGIFAnimator", "CoffeeCup Software\\GIF Animator\\Settings\\MRU"},
        {"TCRT2x", "Van Dyke Technologies\\CRT\\Recent File List"},
        {"TFTPExplorer", "FTP Explorer\\FTP Explorer\\Recent File List"},
        {"THeliosTextPad", "Helios\\TextPad 4\\Recent File List"},
        {"THomesite40", "Allaire\\HomeSite4\\RecentFiles"},
        {"TJascAnimationShop3", "Jasc\\Animation Shop 3\\Recent File List"},
        {"TKodakImagingforWindows", "Kodak\\Imaging\\Recent File List"},
        {"TLViewPro2x", "MMedia Research Corp\\LView Pro Image Processor\\Recent File List"},
        {"TMacromediaFlashMX", "Macromedia\\Flash 6\\Recent File List"},
        {"TMasterSplitter", "Tomasoft\\MasterSplitter\\Recent Dir List"},
        {"TMEDAMP3Splitter", "MP3 Joiner\\SplitterRecent File List"},
        {"TMicrografxPicturePublisher8", "Micrografx\\Picture Publisher\\8.0\\Recent File List"},
        {"TMozart40", "Webber Software\\Mozart 4\\Recent File List"},
        {"TMicrosoftWorks40", "Microsoft\\Works\\4.0\\Recent file List"},
    };
    for (const auto& entry : keys) {
        std::string key = Soft + entry.second;
        std::string program = key.substr(0, key.find_last_of('\\'));
        plans.push_back(Plan(entry.first, With(Mru(key), {Setting(program + "\\Options")})));
    }
    plans.push_back(Plan("TMagicISOMaker46", With(Mru("HKLM\\SOFTWARE\\MagicISO\\Reopen"),
                                                  {Setting("HKLM\\SOFTWARE\\MagicISO\\Settings")})));
}

void AddOfficePlans(std::vector<SeedPlan>& plans)
{
    // The shortcuts of the Office Recent folder, which every Office issue empties.
    const std::vector<TraceItem> officeRecent = {
        FolderAt("%APPDATA%\\Microsoft\\Office\\Recent").Emptied(),
        FileAt("%APPDATA%\\Microsoft\\Office\\Recent\\budget 2026.doc.LNK"),
        FileAt("%APPDATA%\\Microsoft\\Office\\Recent\\index.dat"),
        FileAt("%APPDATA%\\Microsoft\\Templates\\Normal.dot").Kept(),
    };
    // What only the whole-suite issues empty as well.
    const std::vector<TraceItem> suiteOnly = {
        FileAt("%APPDATA%\\Microsoft\\Office\\Zuletzt verwendet\\Angebot.xls.LNK"),
        FileAt("%APPDATA%\\Microsoft\\Web Server Extensions\\Cache\\intranet\\page.htm"),
    };
    std::vector<TraceItem> recent = officeRecent;
    Append(recent, {FolderAt("%APPDATA%\\Microsoft\\Office\\Zuletzt verwendet").Emptied(),
                    FolderAt("%APPDATA%\\Microsoft\\Web Server Extensions\\Cache").Emptied()});
    Append(recent, suiteOnly);
    std::vector<TraceItem> recentOnly = officeRecent;
    for (const TraceItem& item : suiteOnly)
        recentOnly.push_back(item.Kept());
    {
        std::vector<TraceItem> items = {
            RegValue("HKLM\\Software\\Microsoft\\Office\\9.0\\Common\\InstallRoot", "Path",
                     "%PROGRAMFILES%\\Microsoft Office\\Office\\").Kept(),
            RegValue(Office + "9.0\\Word\\Data", "Settings", "recent files").Emptied(),
            Setting(Office + "9.0\\Word\\Data", "Toolbars"),
            Setting(Office + "9.0\\Common\\General", "SharedTemplates")};
        Append(items, recent);
        for (const char* key : {"9.0\\Common\\Open Find\\Microsoft Word\\Settings", "9.0\\Excel\\Recent Files",
                                "9.0\\Common\\Open Find\\Microsoft Excel\\Settings",
                                "9.0\\PowerPoint\\Recent File List", "9.0\\Access\\Settings",
                                "9.0\\Common\\Open Find\\Microsoft FrontPage\\Settings"})
            Append(items, Mru(Office + key));
        for (const char* key : {"Editor\\Insert Hyperlink\\Recently Used URLs",
                                "Explorer\\FrontPage Explorer\\Recent Web List"})
            Append(items, Mru(FrontPage + key));
        plans.push_back(Installed("TMicrosoftOffice2000", items));
    }
    {
        std::vector<TraceItem> items = {
            RegValue("HKLM\\Software\\Microsoft\\Office\\10.0\\Common\\InstallRoot", "Path",
                     "%PROGRAMFILES%\\Microsoft Office\\Office10\\").Kept(),
            RegValue(Office + "10.0\\Word\\Data", "Settings", "recent files").Emptied(),
            RegValue(Office + "10.0\\Common\\Search\\Last Query", "LastSearchText", "salary review").Emptied(),
            RegValue(FrontPage + "Explorer\\FrontPage Explorer\\Settings", "LastWebOpen", "http://intranet/").Emptied(),
            Setting(FrontPage + "Explorer\\FrontPage Explorer\\Settings", "ShowTasks")};
        for (const char* program : {"WINWORD.EXE", "EXCEL.EXE", "POWERPNT.EXE", "MSACCESS.EXE", "OUTLOOK.EXE",
                                    "FRONTPG.EXE", "MSO.DLL", "WWINTL.DLL", "XLINTL32.DLL"})
            items.push_back(FileAt("%PROGRAMFILES%\\Microsoft Office\\Office10\\" + std::string(program)).Kept());
        Append(items, recent);
        for (const char* key : {"10.0\\Word\\Recent Templates", "10.0\\Excel\\Recent Files",
                                "10.0\\PowerPoint\\RecentFolderList", "10.0\\Access\\Internet\\Recent Templates",
                                "10.0\\Common\\Open Find\\Microsoft FrontPage\\Settings"})
            Append(items, Mru(Office + key));
        Append(items, Mru(FrontPage + "Explorer\\FindMRU"));
        plans.push_back(Installed("TMicrosoftOfficeXP", items));
    }
    {
        const std::string find = Office + "11.0\\Common\\Open Find\\";
        std::vector<TraceItem> items = {
            RegValue("HKLM\\Software\\Microsoft\\Office\\11.0\\Common\\InstallRoot", "Path",
                     "%PROGRAMFILES%\\Microsoft Office\\OFFICE11\\").Kept(),
            RegValue(Office + "11.0\\Word\\Data", "Settings", "recent files").Emptied(),
            RegValue(Office + "11.0\\Common\\Search\\Last Query", "LastSearchText", "salary review").Emptied(),
            RegValue(Office + "11.0\\Clip Organizer", "MRUKeywords", "wedding").Emptied(),
            Setting(Office + "11.0\\Clip Organizer", "Layout"),
            RegValue(Office + "11.0\\OIS\\Options", "LastTreeConfig", "C:\\Photos").Emptied(),
            RegValue(Office + "11.0\\OIS\\Options", "LastTreeSelection", "C:\\Photos\\Holiday").Emptied(),
            FileAt("%APPDATA%\\Microsoft\\Clip Organizer\\mstore10.mgc"),
            FileAt("%LOCALAPPDATA%\\Microsoft\\OIS\\OIScatalog.cag"),
            FolderAt("%LOCALAPPDATA%\\Microsoft\\OIS\\thumbnails").Emptied(),
            FileAt("%LOCALAPPDATA%\\Microsoft\\OIS\\thumbnails\\0001.jpg"),
            FileAt("%LOCALAPPDATA%\\Microsoft\\OIS\\settings.xml").Kept()};
        for (const char* program : {"WINWORD.EXE", "EXCEL.EXE", "POWERPNT.EXE", "MSACCESS.EXE", "OUTLOOK.EXE",
                                    "FRONTPG.EXE", "MSPUB.EXE", "INFOPATH.EXE", "OIS.EXE"})
            items.push_back(FileAt("%PROGRAMFILES%\\Microsoft Office\\OFFICE11\\" + std::string(program)).Kept());
        Append(items, recent);
        for (const char* application : {"Microsoft Office Word", "Microsoft Office Excel", "Microsoft Office Publisher",
                                        "Microsoft Project", "Microsoft Office Visio"})
            Append(items, Mru(find + application + "\\Settings"));
        for (const char* key : {"11.0\\Common\\Internet\\Server Cache", "11.0\\Excel\\Recent Files",
                                "11.0\\PowerPoint\\Recent File List", "11.0\\InfoPath\\Recent Templates",
                                "11.0\\MS Project\\Recent File List", "11.0\\Visio\\Recent Templates"})
            Append(items, Mru(Office + key));
        Append(items, Mru(find + "Microsoft Office Picture Manager\\Settings\\Add Picture Shortcut\\File Name MRU"));
        Append(items, Mru(Soft + "Microsoft\\OfficeProfileWizard\\11.0\\RecentFileList"));
        Append(items, Mru(Soft + "Microsoft\\Snapshot Viewer\\Recent File List"));
        plans.push_back(Installed("TMicrosoftOffice2003", items));
    }
    plans.push_back(Plan("TMicrosoftPublisher2000",
                         With(With(Mru(Office + "9.0\\Publisher\\Recent File List"), recentOnly),
                              {Setting(Office + "9.0\\Publisher\\Options")})));
    plans.push_back(Plan("TMicrosoftVisualC60", With(With(Mru(Soft + "Microsoft\\DevStudio\\6.0\\Recent File List"),
                                                          Mru(Soft + "Microsoft\\DevStudio\\6.0\\Projects")),
                                                     {Setting(Soft + "Microsoft\\DevStudio\\6.0\\Text Editor")})));
    plans.push_back(Plan("TMicrosoftWord2000",
                         With(With({RegKey(Office + "9.0\\Word\\Data"),
                                    RegValue(Office + "9.0\\Word\\Data", "Settings", "recent files")},
                                   recentOnly),
                              {Setting(Office + "9.0\\Word\\Options", "AutoRecover")})));
    plans.push_back(Installed("TMicrosoftWordBackupFiles",
                              {FolderAt("%APPDATA%\\Microsoft\\Word").Kept(),
                               FileAt("%APPDATA%\\Microsoft\\Word\\AutoRecovery save of report.asd"),
                               FileAt("%APPDATA%\\Microsoft\\Word\\~WRL0003.tmp"),
                               FileAt("%APPDATA%\\Microsoft\\Word\\STARTUP\\letterhead.dot").Kept()}));
}

}  // namespace

std::vector<SeedPlan> SeedPlansD()
{
    std::vector<SeedPlan> plans;
    AddKeyPlans(plans);
    AddOfficePlans(plans);

    {
        const std::string search = Soft + "Antelope Studios\\Disk Explorer Professional 3\\Search";
        plans.push_back(Installed("TDiskExplorerProfessional3",
                                  {RegKey(search).Kept(), RegValue(search, "Text1", "tax return"),
                                   RegValue(search, "Mask1", "*.pdf"), RegValue(search + "\\Drives", "Last", "C:").Kept(),
                                   Setting(Soft + "Antelope Studios\\Disk Explorer Professional 3\\Settings")}));
    }
    plans.push_back(Plan("TChameleonWebBrowser",
                         With(With(Mru(Soft + "DMT\\BROWSER\\DEFAULTS"), Mru(Soft + "DMT\\BROWSER\\ComboBox\\URLS\\NonAdult")),
                              {RegValue(Soft + "DMT\\BROWSER\\ComboBox", "Count", "2"),
                               Setting(Soft + "DMT\\BROWSER\\Settings")})));
    {
        std::vector<TraceItem> items = With(Mru(Soft + "JASC\\Paint Shop Pro 8\\Recent File List"),
                                            Mru(Soft + "JASC\\Animation Shop\\Recent File List"));
        for (const char* version : {"8", "7", "6", "5"}) {
            std::string psp = Soft + "JASC\\Paint Shop Pro " + version;
            if (std::string(version) != "8")
                Append(items, Mru(psp + "\\Recent File List"));
            Append(items, {RegValue(psp + "\\General", "FolderHistory", "C:\\Scans"),
                           RegValue(psp + "\\General", "ImageDirectory", "C:\\Scans\\passport"),
                           RegValue(psp + "\\General", "BrowseDir", "C:\\Photos"),
                           Setting(psp + "\\General", "Units")});
        }
        plans.push_back(Installed("TJASCPaintShopPro", items));
    }
    plans.push_back(Installed("TMetapad", {RegValue(Soft + "Metapad", "mru_", "C:\\notes\\diary.txt").Emptied(),
                                           RegValue(Soft + "Metapad", "MRU_1", "C:\\notes\\todo.txt").Kept(),
                                           Setting(Soft + "Metapad", "x_pos")}));
    {
        const std::string current = Soft + "Ontrack\\PowerDesk\\CurrentVersion\\";
        std::vector<TraceItem> items = {Setting(current + "SizeManager", "Columns"),
                                        RegValue(current + "SizeManager", "CurrentPath", "C:\\Private")};
        for (const char* key : {"ExplorerPlus\\UnZip To", "ExplorerPlus\\Zip To", "ExplorerPlus\\Compare Folders",
                                "ExplorerPlus\\DOS Command Line", "Viewer\\ConvertDestination", "Synchronizer",
                                "Toolbar"}) {
            items.push_back(RegValue(current + key, "History", "C:\\Private\\archive").Emptied());
            items.push_back(Setting(current + key, "Count"));
        }
        for (const char* key : {"PDFind\\Extensions", "PDFind\\FileNames", "PDFind\\Paths", "PDFind\\Texts",
                                "DlgDirectory", "DlgFile"})
            Append(items, Mru(current + key));
        plans.push_back(Installed("TMijenixPowerdesk40", items));
    }
    plans.push_back(Plan("TBookReader", {FolderAt("%PROGRAMFILES%\\BookReader").Kept(),
                                         FileAt("%PROGRAMFILES%\\BookReader\\BookReader.exe").Kept(),
                                         FileAt("%PROGRAMFILES%\\BookReader\\history.dat")}));
    plans.push_back(Installed(
        "TCoolEdit200011",
        {FolderAt("%APPDATA%\\Syntrillium").Kept(),
         FileAt("%APPDATA%\\Syntrillium\\Cool Edit\\COOL.INI",
                "[Options]\r\nSample Rate=44100\r\n[DirGroup 101]\r\nItem=C:\\Recordings\\call with lawyer.wav\r\n"
                "NumItem=3\r\n")
             .Edited("-call with lawyer|-NumItem=3|+[Options]|+Sample Rate=44100")}));
    plans.push_back(Installed("TWindowsDownloadedInstallations",
                              {FolderAt("%WINDOWS%\\Downloaded Installations").Emptied(),
                               FileAt("%WINDOWS%\\Downloaded Installations\\{8F2A}\\setup.msi"),
                               FileAt("%WINDOWS%\\Downloaded Installations\\install.log")}));
    plans.push_back(Installed("TeMule", With({FolderAt("%PROGRAMFILES%\\eMule").Kept(),
                                              FileAt("%PROGRAMFILES%\\eMule\\Incoming\\lecture.avi").Kept()},
                                             Filled("%PROGRAMFILES%\\eMule\\Temp", "001.part"))));
    plans.push_back(Installed("TEnfishOnespace",
                              With({FolderAt("%PROGRAMFILES%\\Enfish Technology").Kept()},
                                   Filled("%PROGRAMFILES%\\Enfish Technology\\Enfish Onespace\\Data", "index.edb"))));
    plans.push_back(Plan("TEnigmaBrowser", {FolderAt("%PROGRAMFILES%\\Enigma Browser 3.6.0").Kept(),
                                            FileAt("%PROGRAMFILES%\\Enigma Browser 3.6.0\\History.dat"),
                                            FileAt("%PROGRAMFILES%\\Enigma Browser 3.6.0\\Favorites.dat").Kept(),
                                            FolderAt("%PROGRAMFILES%\\Enigma Browser Gold 4.4T").Kept(),
                                            FileAt("%PROGRAMFILES%\\Enigma Browser Gold 4.4T\\History.dat")}));
    plans.push_back(Installed("TFotostation40", With({FolderAt("%PROGRAMFILES%\\FotoStation 4.0").Kept()},
                                                     Filled("%PROGRAMFILES%\\FotoStation 4.0\\Thumbnails", "IMG_0042.thm"))));
    plans.push_back(Plan("TFTPVoyager",
                         With(Mru(Soft + "Rhino Software\\FTP Voyager\\Most Recent Sites"),
                              {Setting(Soft + "Rhino Software\\FTP Voyager\\Settings"),
                               FolderAt("%PROGRAMFILES%\\RhinoSoft.com").Kept(),
                               FileAt("%PROGRAMFILES%\\RhinoSoft.com\\FTP Voyager\\FTPVoyager.exe").Kept(),
                               FileAt("%PROGRAMFILES%\\RhinoSoft.com\\FTP Voyager\\FTPVoyager.qc"),
                               FileAt("%PROGRAMFILES%\\RhinoSoft.com\\FTP Voyager\\LocalCache.cache"),
                               FileAt("%PROGRAMFILES%\\RhinoSoft.com\\FTP Voyager\\FTP Voyager Scheduler.SCH")})));
    plans.push_back(Installed("TFunCD", {FolderAt("%PROGRAMFILES%\\FunCD").Kept(),
                                         FileAt("%PROGRAMFILES%\\FunCD\\FunCD.exe").Kept(),
                                         FileAt("%PROGRAMFILES%\\FunCD\\readme.txt").Kept(),
                                         FileAt("%PROGRAMFILES%\\FunCD\\funcd.log"),
                                         FileAt("%PROGRAMFILES%\\FunCD\\Rips\\2026\\rip.log"),
                                         FileAt("%PROGRAMFILES%\\FunCD\\Rips\\2026\\track01.mp3").Kept()}));
    plans.push_back(Plan("TGoldWaveDigitalAudioEditor", {FileAt("%WINDOWS%\\goldwave.ini", "[Files]\r\nLast=C:\\a.wav\r\n")}));
    plans.push_back(Installed("TGoogleDesktopSearchHistory",
                              With({FolderAt("%LOCALAPPDATA%\\Google").Kept()},
                                   Filled("%LOCALAPPDATA%\\Google\\Google Desktop Search", "index.cf1"))));
    {
        std::vector<TraceItem> items = {FolderAt("%PROGRAMFILES%\\Gravity").Kept(),
                                        FileAt("%PROGRAMFILES%\\Gravity\\gravity.exe").Kept(),
                                        Setting(Soft + "MicroPlanet\\Gravity\\Settings")};
        for (const char* key : {"Gravity\\Dirs\\Dirs", "Gravity\\URL\\Web", "Gravity\\URL\\Telnet",
                                "Gravity\\URL\\Gopher", "Gravity\\URL\\Ftp", "Image Gallery\\General"})
            Append(items, Mru(Soft + "MicroPlanet\\" + key));
        for (const char* folder : {"newsdb", "download", "parts", "backup"})
            Append(items, Filled("%PROGRAMFILES%\\Gravity\\" + std::string(folder)));
        plans.push_back(Installed("TGravityNewsreader", items));
    }
    plans.push_back(Plan("TInoculateltPEVirusScan", {FolderAt("%PROGRAMFILES%\\InoculateIT PE").Kept(),
                                                     FileAt("%PROGRAMFILES%\\InoculateIT PE\\VIRUSLOG.TXT"),
                                                     FileAt("%PROGRAMFILES%\\InoculateIT PE\\STARTLOG.TXT"),
                                                     FileAt("%PROGRAMFILES%\\InoculateIT PE\\INOCIT.INI").Kept()}));
    plans.push_back(Installed("TInterQuick",
                              With({FolderAt("%PROGRAMFILES%\\InterQuick.com").Kept(),
                                    FileAt("%PROGRAMFILES%\\InterQuick.com\\InterQuick\\iq.exe").Kept()},
                                   Filled("%PROGRAMFILES%\\InterQuick.com\\InterQuick\\HTTP Cache", "page0001.htm"))));
    plans.push_back(Plan("TJetPhotoShell",
                         With(Mru(Soft + "COWON System, Inc.\\Jet-Photo Viewer\\Recent File List"),
                              {Setting(Soft + "COWON System, Inc.\\Jet-Photo Viewer\\Settings"),
                               FolderAt("%PROGRAMFILES%\\COWON").Kept(),
                               FileAt("%PROGRAMFILES%\\COWON\\Jet-PhotoShell\\JetPSicn32.idb"),
                               FileAt("%PROGRAMFILES%\\COWON\\Jet-PhotoShell\\JetPS.exe").Kept()})));
    plans.push_back(Installed(
        "TJuno", With(With({RegValue("HKLM\\SOFTWARE\\United Online\\Juno", "INSTALLDIR", "%PROGRAMFILES%\\Juno\\").Kept(),
                            FolderAt("%PROGRAMFILES%\\Juno").Kept(), FileAt("%PROGRAMFILES%\\Juno\\juno.exe").Kept()},
                           Filled("%PROGRAMFILES%\\Juno\\cache", "ad0001.gif")),
                      Filled("%PROGRAMFILES%\\Juno\\temp", "msg0001.tmp"))));
    plans.push_back(Installed(
        "TKaZaAMediaDesktop",
        With(With(With(Mru(Soft + "Kazaa\\KaZaA Media Desktop\\Recent File List"), Mru(Soft + "Kazaa\\Search")),
                  {RegValue("HKLM\\Software\\Kazaa\\Settings", "HelpDir", "%PROGRAMFILES%\\Kazaa\\help").Kept(),
                   Setting(Soft + "Kazaa\\UserDetails", "UserName"), FolderAt("%PROGRAMFILES%\\Kazaa").Kept(),
                   FileAt("%PROGRAMFILES%\\Kazaa\\Kazaa.exe").Kept(),
                   FileAt("%PROGRAMFILES%\\Kazaa\\My Shared Folder\\song.mp3").Kept()}),
             With(Filled("%PROGRAMFILES%\\Kazaa\\Db", "data256.dbb"), Filled("%PROGRAMFILES%\\Kazaa\\Promotions")))));
    plans.push_back(Plan("TLeapFTP26", {FolderAt("%PROGRAMFILES%\\LeapFTP").Kept(),
                                        FileAt("%PROGRAMFILES%\\LeapFTP\\LeapFTP.exe").Kept(),
                                        FileAt("%PROGRAMFILES%\\LeapFTP\\stats.dat")}));
    plans.push_back(Plan("TLetterbox", {FolderAt("%PROGRAMFILES%\\LetterBox").Kept(),
                                        FileAt("%PROGRAMFILES%\\LetterBox\\ErrorLog.txt")}));
    plans.push_back(Installed("TLingoMail1x", With(With({FolderAt("%PROGRAMFILES%\\LINGO").Kept(),
                                                         FolderAt("C:\\LINGO").Kept()},
                                                        Filled("%PROGRAMFILES%\\LINGO\\Attach", "invoice.pdf")),
                                                   Filled("C:\\LINGO\\Attach", "photo.jpg"))));
    plans.push_back(Plan("TMcAfeeVirusScan", {FolderAt("%PROGRAMFILES%\\Network Associates").Kept(),
                                              FolderAt("%PROGRAMFILES%\\McAfee").Kept(),
                                              FileAt("%PROGRAMFILES%\\Network Associates\\VirusScan NT\\ScanLog.Txt"),
                                              FileAt("%PROGRAMFILES%\\McAfee\\VirusScan NT\\VirusScan Activity Log.txt"),
                                              FileAt("%PROGRAMFILES%\\McAfee\\McAfee VirusScan\\ScanLog.Txt"),
                                              FileAt("%PROGRAMFILES%\\McAfee\\McAfee VirusScan\\mcshield.exe").Kept()}));
    plans.push_back(Plan("TMyWayAdvertising", {RegValue("HKLM\\SOFTWARE\\MyWay", "InstallDate", "2026-12-01"),
                                               RegValue("HKLM\\SOFTWARE\\MyWay\\Partner", "ID", "4711"),
                                               FileAt("%PROGRAMFILES%\\MyWay")}));
    {
        std::vector<TraceItem> items = {FolderAt("%PROGRAMFILES%\\Net Vampire").Kept(),
                                        FileAt("%PROGRAMFILES%\\Net Vampire\\nv.exe").Kept()};
        for (const char* folder : {"Jobs", "Sites", "State"})
            Append(items, Filled("%PROGRAMFILES%\\Net Vampire\\Data\\" + std::string(folder)));
        plans.push_back(Installed("TNetVampire3x", items));
    }
    plans.push_back(Plan("TNetAnts", With(Mru(Soft + "Netants\\mru"),
                                          {Setting(Soft + "Netants\\Options"), FolderAt("%PROGRAMFILES%\\NetAnts").Kept(),
                                           FileAt("%PROGRAMFILES%\\NetAnts\\NetAnts.exe").Kept(),
                                           FileAt("%PROGRAMFILES%\\NetAnts\\netants.job"),
                                           FileAt("%PROGRAMFILES%\\NetAnts\\netantslog.htm"),
                                           FileAt("%PROGRAMFILES%\\NetAnts\\history.txt")})));
    return plans;
}
