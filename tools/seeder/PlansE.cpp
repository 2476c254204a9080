// Traces of the utilities, downloaders, editors, media tools and Windows logs.
#include "tools/seeder/Seeder.h"

namespace {

const std::string HKCU = "HKCU\\Software\\";
const std::string HKLM = "HKLM\\Software\\";

SeedPlan Plan(const std::string& name, std::vector<TraceItem> items, bool foundAfterSolve = false)
{
    return MakePlan(name, std::move(items), foundAfterSolve);
}

std::string ParentOf(const std::string& key)
{
    return key.substr(0, key.find_last_of('\\'));
}

// Keys the Solve deletes whole, each holding a recent entry, and a setting of the
// program beside them that stays.
SeedPlan KeysPlan(const std::string& name, std::initializer_list<const char*> keys)
{
    std::vector<TraceItem> items;
    int n = 1;
    for (const char* key : keys) {
        items.push_back(RegValue(key, "File" + std::to_string(n), "C:\\Documents\\letter" + std::to_string(n) + ".txt"));
        ++n;
    }
    items.push_back(RegValue(ParentOf(*keys.begin()), "WindowPlacement", "0,1,100,100").Kept());
    return Plan(name, items);
}

}  // namespace

std::vector<SeedPlan> SeedPlansE()
{
    std::vector<SeedPlan> plans;
    const std::string typed = HKCU + "Microsoft\\Internet Explorer\\TypedURLs";

    plans.push_back(Plan("TNetCaptor", {RegValue(HKCU + "Stilesoft\\NetCaptor\\CurrentVersion\\Last Open Sites", "0",
                                                 "http://news.example/"),
                                        RegValue(typed, "url1", "http://news.example/"),
                                        RegValue(HKCU + "Stilesoft\\NetCaptor\\CurrentVersion", "HomePage",
                                                 "about:blank").Kept()}));
    plans.push_back(KeysPlan("TNetzipDownloadDemon30", {"HKCU\\Software\\Netzip\\Download Demon\\Version 3.0\\URL History",
                                                        "HKCU\\Software\\Netzip\\Download Demon\\Version 3.0\\Jobs"}));
    plans.push_back(KeysPlan("TNewsBinPro4", {"HKCU\\Software\\DJI Interprises\\Newsbin Pro\\FilterHistory",
                                              "HKCU\\Software\\DJI Interprises\\Newsbin Pro\\Recent File List",
                                              "HKCU\\Software\\DJI Interprises\\Newsbin Pro\\4.0 Recent File List"}));
    plans.push_back(KeysPlan("TNortonCommander",
                             {"HKCU\\Software\\Symantec\\Norton Commander\\nc_comp\\Recent File List",
                              "HKCU\\Software\\Symantec\\Norton Commander\\nc_comp\\Compare Files\\Pattern: File Name 1",
                              "HKCU\\Software\\Symantec\\Norton Commander\\NC\\MRU\\Copy Destination",
                              "HKCU\\Software\\Symantec\\Norton Commander\\NC\\MRU\\Split Size"}));
    plans.push_back(KeysPlan("TNotePadPlus", {"HKCU\\Software\\RogSoft\\NotePad+\\Pattern: Recent Files"}));
    plans.push_back(KeysPlan("TOmniPage100", {"HKCU\\Software\\Caere Corp\\OmniPage10.0\\OMNIPAGE\\Recent File List"}));
    {
        const std::string id = "{6B2B5AC1-3F1A-4C1E-9A55-0123456789AB}";
        const std::string identity = "HKCU\\Identities\\" + id + "\\Software\\Microsoft\\";
        const std::string store = "%APPDATA%\\Identities\\" + id + "\\Microsoft\\Outlook Express";
        plans.push_back(Plan(
            "TOutlookExpress6",
            {RegValue(HKLM + "Microsoft\\Outlook Express", "InstallRoot", "%PROGRAMFILES%\\Outlook Express").Kept(),
             FileAt("%APPDATA%\\Microsoft\\Address Book\\alice.wab", "WAB data"),
             FileAt("%APPDATA%\\Microsoft\\Address Book\\alice.wa~", "WAB backup"),
             FileAt("%APPDATA%\\Microsoft\\Address Book\\readme.txt").Kept(),
             RegValue("HKCU\\Identities", "Last User ID", id).Kept(),
             RegValue(identity + "Outlook Express\\5.0", "Store Root", store).Kept(),
             RegValue(identity + "Internet Account Manager\\Accounts\\00000001", "SMTP Email Address", "alice@example.com"),
             RegValue(HKCU + "Microsoft\\Internet Account Manager\\Accounts\\00000001", "Account Name", "mail"),
             FileAt(store + "\\Deleted Items.dbx", "old mail"), FileAt(store + "\\Sent Items.dbx", "sent mail"),
             FileAt(store + "\\Outbox.dbx", "outgoing"), FileAt(store + "\\Folders.dbx", "folder list"),
             FileAt(store + "\\Inbox.dbx", "new mail").Kept(),
             RegValue(identity + "Outlook Express\\5.0 \\Block Senders\\Mail", "0", "spam@example.com"),
             RegValue(identity + "Outlook Express\\5.0\\Rules\\Mail\\000", "Name", "rule"),
             RegValue(identity + "Outlook Express\\5.0\\signatures\\00000000", "text", "Alice")},
            true));
    }
    plans.push_back(Plan("TPaintShopPro50",
                         {RegValue(HKCU + "JASC\\Paint Shop Pro 5\\Pattern: Recent File List", "File1", "C:\\a.psp"),
                          RegValue(HKCU + "JASC\\Animation Shop\\Recent File List", "File1", "C:\\b.gif"),
                          RegValue(HKCU + "JASC\\Paint Shop Pro 5\\General", "FolderHistory", "C:\\Photos").Emptied(),
                          RegValue(HKCU + "JASC\\Paint Shop Pro 5\\General", "ImageDirectory", "C:\\Photos").Emptied(),
                          RegValue(HKCU + "JASC\\Paint Shop Pro 5\\General", "Units", "1").Kept(),
                          RegValue(HKCU + "JASC\\Paint Shop Pro 5\\Browser", "BrowseDir", "C:\\Photos").Emptied()},
                         true));
    plans.push_back(Plan("TPasswordSafe",
                         {RegValue(HKCU + "Counterpane Systems\\Password Safe", "currentfile", "C:\\safe.dat"),
                          RegValue(HKCU + "Counterpane Systems\\Password Safe", "WindowPos", "1,2").Kept(),
                          RegValue(HKCU + "Counterpane Systems\\Password Safe\\MRU", "Safe", "C:\\safe.dat").Emptied()},
                         true));
    plans.push_back(Plan("TPEExplorer195",
                         {FileAt("%PROGRAMFILES%\\PE Explorer\\peexp.ini",
                                 "[Params]\r\nFILE=C:\\Tools\\secret.exe\r\nLang=1\r\n[View]\r\nToolbar=1\r\n")
                              .Edited("-secret.exe|+Lang=1|+Toolbar=1"),
                          FileAt("%PROGRAMFILES%\\PE Explorer\\pexplorer.exe").Kept()},
                         true));
    plans.push_back(KeysPlan("TPersonalAncestralFile",
                             {"HKCU\\Software\\LDS Church\\FamilySearch\\Personal Ancestral File\\Recent File List"}));
    plans.push_back(Plan("TPhotodexCompupicPro", {FileAt("%PROGRAMFILES%\\CompuPicPro\\cpic.opt", "last=C:\\Photos"),
                                                  FileAt("%PROGRAMFILES%\\CompuPicPro\\def.phd", "db"),
                                                  FileAt("%PROGRAMFILES%\\CompuPicPro\\cpic32.exe").Kept()}));
    plans.push_back(KeysPlan("TPictureItDigitalImagePro70", {"HKCU\\Software\\Microsoft\\Picture It!\\7.0\\Recent File List"}));
    plans.push_back(Plan("TPKZipforWindows",
                         {FileAt("%WINDOWS%\\pkzipw.ini", "[Options]\r\nOverwrite=1\r\n[Recent File List]\r\n"
                                                          "File1=C:\\private.zip\r\n")
                              .Edited("-Recent File List|-private.zip|+[Options]|+Overwrite=1")},
                         true));
    plans.push_back(KeysPlan("TPolyView", {"HKCU\\Software\\Polybytes\\PolyView\\Recent File List"}));
    plans.push_back(KeysPlan("TPopupPurger", {"HKCU\\Software\\Atlas Solutions\\PopupPurger\\Logs"}));
    plans.push_back(Plan("TPopUpCop", {FileAt("%APPDATA%\\PopupCop\\CopLog.txt", "blocked http://ads.example/"),
                                       FileAt("%APPDATA%\\PopupCop\\settings.ini").Kept()}));
    plans.push_back(Plan("TPowerArc", {RegValue(HKCU + "PowerArchiver\\Files", "Active_File", "C:\\a.zip").Emptied(),
                                       RegValue(HKCU + "PowerArchiver\\Files", "Toolbar", "1").Kept()},
                         true));
    {
        const std::string desk = HKCU + "Ontrack\\PowerDesk\\CurrentVersion\\";
        plans.push_back(Plan("TOntrackPowerDesk5",
                             {RegValue(desk + "ExplorerPlus\\Create Folder", "History", "C:\\New").Emptied(),
                              RegValue(desk + "ExplorerPlus\\Copy_Move To", "History", "D:\\Backup").Emptied(),
                              RegValue(desk + "ExplorerPlus\\Copy_Move To", "Count", "1").Kept(),
                              RegValue(desk + "PDFind\\Extensions", "0", "*.doc"),
                              RegValue(desk + "PDFind\\FileNames", "0", "salary"),
                              RegValue(desk + "PDFind\\Paths", "0", "C:\\HR"), RegValue(desk + "PDFind\\Texts", "0", "bonus")},
                             true));
    }
    plans.push_back(KeysPlan("TPowerZip60", {"HKCU\\Software\\Trident Software\\PowerZip\\Recent File List"}));
    plans.push_back(Plan("TQuickTime",
                         {RegValue(HKLM + "Apple Computer, Inc.\\QuickTime", "InstallDir", "%PROGRAMFILES%\\QuickTime").Kept(),
                          FileAt("%COMMONAPPDATA%\\QuickTime\\QuickTimeFavorites.qtr", "http://trailers.example/"),
                          FileAt("%COMMONAPPDATA%\\QuickTime\\QTPlayerSession.xml").Kept()}));
    plans.push_back(KeysPlan("TRealDownload", {"HKCU\\Software\\RealNetworks\\RealDownload\\4.0\\URL History",
                                               "HKCU\\Software\\RealNetworks\\RealDownload\\4.0\\Jobs",
                                               "HKLM\\Software\\RealNetworks\\RealDownload\\4.0\\Jobs"}));
    {
        const std::string prefs = HKCU + "RealNetworks\\RealPlayer\\6.0\\Preferences\\";
        plans.push_back(Plan("TRealOneAndRealPlayer",
                             {RegValue(prefs + "MostRecentClips", "", "1"),
                              RegValue(prefs + "MostRecentClips1", "", "http://radio.example/live.ram"),
                              RegValue(prefs + "MostRecentClips12", "", "C:\\Music\\song.rm"),
                              RegValue(prefs + "MostRecentClips13", "", "C:\\Music\\other.rm").Kept(),
                              RegValue(prefs + "Volume", "", "70").Kept()},
                             true));
    }
    plans.push_back(Plan("TRegEdit", {RegValue(HKCU + "Microsoft\\Windows\\CurrentVersion\\Applets\\Regedit\\LastKey", "",
                                               "My Computer\\HKEY_CURRENT_USER\\Software\\Secret"),
                                      RegValue(HKCU + "Microsoft\\Windows\\CurrentVersion\\Applets\\Regedit", "View",
                                               "1").Kept()}));
    plans.push_back(Plan("TSaveNow", {FileAt("%PROGRAMFILES%\\Save\\save.db", "visits"),
                                      FileAt("%PROGRAMFILES%\\Save\\save.exe").Kept()}));
    {
        std::vector<TraceItem> items = {RegValue(HKCU + "Scour\\Scour Exchange\\Hotlist", "0", "song"),
                                        FileAt("%PROGRAMFILES%\\Scour Exchange\\folders.txt", "C:\\Shared"),
                                        FileAt("%PROGRAMFILES%\\Scour Exchange\\files.txt", "song.mp3"),
                                        FileAt("%PROGRAMFILES%\\Scour Exchange\\scour.exe").Kept(),
                                        FolderAt("%PROGRAMFILES%\\Scour Exchange\\My Files").Emptied()};
        Append(items, CacheTree("%PROGRAMFILES%\\Scour Exchange\\My Files", 6, 2));
        plans.push_back(Plan("TScourExchange", items, true));
    }
    plans.push_back(Plan("TSearchWolf", {FileAt("%PROGRAMFILES%\\MSW\\SearchWolf\\report.htm", "<html>results</html>"),
                                         FileAt("%PROGRAMFILES%\\MSW\\SearchWolf\\SearchWolf.exe").Kept()}));
    plans.push_back(Plan("TSkype", {FolderAt("%APPDATA%\\Skype").Kept(), FileAt("%APPDATA%\\Skype\\call256.dbb", "calls"),
                                    FileAt("%APPDATA%\\Skype\\user256.dbb", "contacts"),
                                    FileAt("%APPDATA%\\Skype\\shared.xml").Kept(),
                                    FileAt("%APPDATA%\\Skype\\alice\\config.xml").Kept()},
                         true));
    plans.push_back(Plan("TSmartExplorer",
                         {RegValue(HKCU + "Smarteque\\Smart Explorer\\Opened Pages", "0", "http://news.example/"),
                          RegValue(HKCU + "Smarteque\\Smart Explorer\\Recent Pages", "0", "http://shop.example/"),
                          RegValue(typed, "url1", "http://news.example/"),
                          RegValue(HKCU + "Smarteque\\Smart Explorer", "Home", "about:blank").Kept()}));
    plans.push_back(KeysPlan("TSonicFoundryAcid20", {"HKCU\\Software\\Sonic Foundry\\ACID\\2.0\\Metrics"}));
    plans.push_back(Plan("TSpinnerPlus", {FileAt("%PROGRAMFILES%\\Spinner Plus\\Program\\cookies.txt", "id=1"),
                                          FileAt("%PROGRAMFILES%\\Spinner Plus\\Program\\spinner.exe").Kept()}));
    {
        std::vector<TraceItem> items = {FolderAt("%PROGRAMFILES%\\Star Downloader\\Partial Downloads").Emptied(),
                                        FileAt("%PROGRAMFILES%\\Star Downloader\\serverstats.txt", "mirror 1"),
                                        FileAt("%PROGRAMFILES%\\Star Downloader\\LastURLs", "http://files.example/a.zip"),
                                        FileAt("%PROGRAMFILES%\\Star Downloader\\stardown.exe").Kept()};
        Append(items, CacheTree("%PROGRAMFILES%\\Star Downloader\\Partial Downloads", 4, 0));
        plans.push_back(Plan("TStarDownloader", items, true));
    }
    plans.push_back(Plan("TSubmitWolf", {FolderAt("%PROGRAMFILES%\\TRELLIAN\\SubmitWolf\\reports").Kept(),
                                         FileAt("%PROGRAMFILES%\\TRELLIAN\\SubmitWolf\\reports\\site1.htm", "<html/>"),
                                         FileAt("%PROGRAMFILES%\\TRELLIAN\\SubmitWolf\\reports\\style.css").Kept()},
                         true));
    {
        std::vector<TraceItem> items = {FolderAt("%APPDATA%\\Sun\\Java\\Deployment\\cache").Emptied(),
                                        FolderAt("%APPDATA%\\Sun\\Java\\Deployment\\tmp").Emptied(),
                                        FileAt("%APPDATA%\\Sun\\Java\\Deployment\\tmp\\si8a3.tmp"),
                                        FileAt("%APPDATA%\\Sun\\Java\\Deployment\\deployment.properties").Kept()};
        Append(items, CacheTree("%APPDATA%\\Sun\\Java\\Deployment\\cache\\javapi\\v1.0", 12));
        plans.push_back(Plan("TSunJavaCache", items, true));
    }
    plans.push_back(Plan("TSureThingCDLabeler", {FileAt("%PROGRAMFILES%\\SureThing\\STCD\\STCD.app", "recent labels"),
                                                 FileAt("%PROGRAMFILES%\\SureThing\\STCD\\stcd.exe").Kept()}));
    plans.push_back(Plan("TTeleportPro",
                         {RegValue(HKCU + "Tennyson Maxwell\\Teleport Pro\\Recent File List", "File1", "C:\\site.tpx"),
                          RegValue(HKCU + "Tennyson Maxwell\\Teleport Pro\\User\\lastproject", "", "site"),
                          RegValue(HKCU + "Tennyson Maxwell\\Teleport Pro\\User", "Name", "alice").Kept(),
                          FolderAt("%PROGRAMFILES%\\Teleport Pro\\Projects").Kept(),
                          FileAt("%PROGRAMFILES%\\Teleport Pro\\Projects\\site.tpx", "project"),
                          FileAt("%PROGRAMFILES%\\Teleport Pro\\Projects\\site\\index.htm", "<html/>")},
                         true));
    plans.push_back(KeysPlan("TTextPad4x", {"HKCU\\Software\\Helios\\TextPad 4\\Recent File List",
                                            "HKCU\\Software\\Helios\\TextPad 4\\Recent Strings"}));
    plans.push_back(Plan("TThumbsPlus40", {FileAt("%PROGRAMFILES%\\Thumbs4\\Thumbs.tdo", "thumbs"),
                                           FileAt("%PROGRAMFILES%\\Thumbs4\\Found Files.ffi", "found"),
                                           FileAt("%PROGRAMFILES%\\Thumbs4\\Found Files.ffl", "found"),
                                           FileAt("%PROGRAMFILES%\\Thumbs4\\Thumbs.exe").Kept()}));
    plans.push_back(Plan("TTribalVoicePowWow", {FolderAt("%PROGRAMFILES%\\Tribal Voice\\PowWow\\icache").Kept(),
                                                FolderAt("%PROGRAMFILES%\\Tribal Voice\\PowWow\\downloads").Kept(),
                                                FileAt("%PROGRAMFILES%\\Tribal Voice\\PowWow\\icache\\face.gif"),
                                                FileAt("%PROGRAMFILES%\\Tribal Voice\\PowWow\\downloads\\photo.jpg"),
                                                FileAt("%PROGRAMFILES%\\Tribal Voice\\PowWow\\powwow.exe").Kept()},
                         true));
    plans.push_back(Plan("TTrillian",
                         {FolderAt("%PROGRAMFILES%\\Common Files\\Trillian\\users\\default\\cache").Kept(),
                          FolderAt("%PROGRAMFILES%\\Common Files\\Trillian\\users\\default\\logs").Kept(),
                          FileAt("%PROGRAMFILES%\\Common Files\\Trillian\\users\\default\\cache\\avatar.png"),
                          FileAt("%PROGRAMFILES%\\Common Files\\Trillian\\users\\default\\logs\\ICQ\\bob.log"),
                          FileAt("%PROGRAMFILES%\\Common Files\\Trillian\\users\\default\\trillian.ini").Kept()},
                         true));
    plans.push_back(KeysPlan("TUleadGIFAnimator",
                             {"HKCU\\Software\\Ulead Systems\\Ulead GIF Animator\\5.05\\Recent File List",
                              "HKCU\\Software\\Ulead Systems\\Ulead GIF Animator\\4.0\\Recent File List"}));
    plans.push_back(KeysPlan("TUleadPhotoExpress", {"HKCU\\Software\\Ulead Systems\\Ulead Photo Express\\2.0\\RecentFile"}));
    plans.push_back(KeysPlan("TUltimatePaint", {"HKCU\\software\\megalux\\UP\\MRU Items",
                                                "HKCU\\software\\megalux\\up\\preferences\\imagedir"}));
    plans.push_back(Plan("TUltraEdit",
                         {FileAt("%WINDOWS%\\UEDIT32.INI", "[Settings]\r\nTabs=4\r\n[Recent File List]\r\nFile=C:\\a.txt\r\n"
                                                          "File1=C:\\b.txt\r\nFile4=C:\\c.txt\r\nFile5=C:\\kept.txt\r\n")
                              .Edited("-a.txt|-b.txt|-c.txt|+File5=C:\\kept.txt|+Tabs=4")},
                         true));
    plans.push_back(Plan("TVueprint", {FileAt("%WINDOWS%\\VUEPRO32.ini", "[Recent]\r\n1=C:\\photo.jpg\r\n"),
                                       FileAt("%WINDOWS%\\win.ini.keep").Kept()}));
    plans.push_back(Plan("TWildstylz", {FileAt("%DRIVE%\\Wildstylz\\down_log.txt", "downloaded x"),
                                        FileAt("%DRIVE%\\Wildstylz\\wildstylz.exe").Kept()}));
    plans.push_back(Plan("TWinamp",
                         {RegValue("HKLM\\Software\\Classes\\Winamp.File\\DefaultIcon", "",
                                   "%PROGRAMFILES%\\Winamp\\winamp.exe,1").Kept(),
                          ProgramAt("%PROGRAMFILES%\\Winamp\\winamp.exe", 5).Kept(),
                          FileAt("%PROGRAMFILES%\\Winamp\\Winamp.bm", "bookmarks"),
                          FileAt("%PROGRAMFILES%\\Winamp\\Plugins\\gen_ml.ini", "[gen_ml]"),
                          FileAt("%PROGRAMFILES%\\Winamp\\Plugins\\ml\\main.dat", "library"),
                          FileAt("%PROGRAMFILES%\\Winamp\\Plugins\\in_mp3.dll").Kept(),
                          FileAt("%PROGRAMFILES%\\Winamp\\Winamp\\Winamp.ini", "[Winamp]"),
                          FileAt("%PROGRAMFILES%\\Winamp\\Winamp\\winamp.m3u", "song.mp3"),
                          FileAt("%PROGRAMFILES%\\Winamp\\Skins\\base.wsz").Kept()},
                         true));
    plans.push_back(Plan("TWindowsAppLogDirectory", {FolderAt("%WINDOWS%\\APPLOG").Kept(),
                                                     FileAt("%WINDOWS%\\APPLOG\\APPLOG.IND", "index"),
                                                     FileAt("%WINDOWS%\\APPLOG\\WINWORD.LGC", "usage")},
                         true));
    plans.push_back(Plan("TWindowsCommander", {FileAt("%WINDOWS%\\wincmd.ini", "[left]\r\npath=C:\\Secret\r\n"),
                                               FileAt("%WINDOWS%\\wcx_ftp.ini.keep").Kept()}));
    plans.push_back(Plan("TWindowsFTPAccounts",
                         {RegValue("HKCU\\HKCU\\Software\\Microsoft\\Ftp\\Accounts", "Login Attributes", "alice"),
                          RegValue("HKCU\\HKCU\\Software\\Microsoft\\Ftp\\Accounts", "Host", "ftp.example").Kept()},
                         true));
    plans.push_back(Plan("TWindowsLogFiles",
                         {FileAt("%DRIVE%\\SCANDISK.LOG", "scan"), FileAt("%WINDOWS%\\Directx.log", "dx"),
                          FileAt("%WINDOWS%\\SchedLog.Txt", "tasks"), FileAt("%WINDOWS%\\Faultlog.txt", "faults"),
                          FileAt("%WINDOWS%\\SFCLOG.TXT", "sfc"), FileAt("%WINDOWS%\\setupapi.log", "setup"),
                          FileAt("%WINDOWS%\\WININIT.LOG", "wininit"), FolderAt("%WINDOWS%\\SYSTEM\\WBEM\\logs").Kept(),
                          FileAt("%WINDOWS%\\SYSTEM\\WBEM\\logs\\wbemcore.log", "wmi"),
                          FileAt("%WINDOWS%\\SYSTEM\\WBEM\\repository.keep").Kept()},
                         true));
    plans.push_back(KeysPlan("TWindowsMappedDrives",
                             {"HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Map Network Drive MRU"}));
    plans.push_back(Plan("TWindowsRecentNetworkDriveList",
                         {RegValue("HKCU\\Network\\Recent\\##fileserver#public", "ProviderName", "Microsoft Network"),
                          RegKey("HKCU\\Network\\Recent"),
                          RegValue("HKCU\\Network\\Z", "RemotePath", "\\\\fileserver\\public").Kept()}));
    plans.push_back(Plan("TWindowsXPPrefetchFiles", {FolderAt("%WINDOWS%\\Prefetch").Kept(),
                                                     FileAt("%WINDOWS%\\Prefetch\\NOTEPAD.EXE-336351A9.pf", "pf"),
                                                     FileAt("%WINDOWS%\\Prefetch\\Layout.ini", "layout")},
                         true));
    {
        const std::string zip = HKCU + "Nico Mak Computing\\WinZip\\";
        plans.push_back(Plan("TWinZip",
                             {RegValue(zip + "Programs", "zip2exe", "%PROGRAMFILES%\\WinZip\\WZSEPE32.EXE").Kept(),
                              RegValue(zip + "Programs", "vviewer", "C:\\viewer.exe").Emptied(),
                              RegValue(zip + "directories", "AddDir", "C:\\Private").Emptied(),
                              RegValue(zip + "directories", "ExtractTo", "C:\\Private").Emptied(),
                              RegValue(zip + "extract", "extract0", "C:\\Private"),
                              RegValue(zip + "filemenu", "filemenu1", "C:\\private.zip"),
                              RegValue(zip + "WIZDIR", "0", "C:\\Private"),
                              RegValue(zip + "WinZip", "Name", "alice").Kept()},
                             true));
    }
    return plans;
}
