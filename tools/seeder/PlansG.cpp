// Traces of the Windows, Internet Explorer, chat, file-sharing and media-player issues.
#include "tools/seeder/Seeder.h"

namespace {

const std::string HKCU = "HKCU\\Software\\";
const std::string HKLM = "HKLM\\Software\\";
const std::string Explorer = "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";
const std::string Uninstall = "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
const std::string Bars = "HKCU\\Software\\Microsoft\\Internet Explorer\\Explorer Bars\\{C4EE31F3-4768-11D2-BE5C-00A0C9A83DA1}";

std::string Big(size_t size)
{
    std::string text(size, 'U');
    text.replace(0, 16, "Client UrlCache ");
    return text;
}

SeedPlan Plan(const std::string& name, std::vector<TraceItem> items)
{
    return MakePlan(name, std::move(items));
}

SeedPlan Installed(SeedPlan plan)
{
    plan.FoundAfterSolve = true;
    return plan;
}

}  // namespace

std::vector<SeedPlan> SeedPlansG()
{
    std::vector<SeedPlan> plans;

    plans.push_back(Plan("TTempFolder", {FolderAt("%TEMP%").Kept(), FileAt("%TEMP%\\~DF39A2.tmp"),
                                         FileAt("%TEMP%\\setup-2026\\install.log")}));
    plans.push_back(Plan("TCookies", {FolderAt("%COOKIES%").Kept(), FileAt("%COOKIES%\\index.dat", Big(16384)),
                                      FileAt("%COOKIES%\\user@example[1].txt", "id\n42\nexample.com/\n"),
                                      FileAt("%COOKIES%\\user@news.example[2].txt", "sid\nabc\nnews.example/\n")}));
    {
        std::vector<TraceItem> items = {FolderAt("%CACHE%").Kept(), FileAt("%CACHE%\\desktop.ini")};
        Append(items, CacheTree("%CACHE%\\Content.IE5", 40));
        plans.push_back(Plan("TInternetCache", items));
    }
    {
        SeedPlan plan = Plan("TUserData", {FileAt("%PROFILE%\\UserData\\index.dat", Big(40000)).Pending(),
                                           FileAt("%PROFILE%\\UserData\\readme.txt").Kept()});
        plan.FoundAfterSolve = true;  // the store goes at the next start of Windows
        plans.push_back(plan);
    }
    plans.push_back(Plan("TFavorites", {FolderAt("%FAVORITES%").Kept(), FileAt("%FAVORITES%\\Example news.url"),
                                        FileAt("%FAVORITES%\\Links\\Example.url")}));
    plans.push_back(Plan("THistory", {FolderAt("%HISTORY%").Kept(), FileAt("%HISTORY%\\desktop.ini"),
                                      FileAt("%HISTORY%\\History.IE5\\MSHist012026120120261208\\index.dat")}));
    {
        SeedPlan plan = Plan("TAutoCompleteForms",
                             {RegValue("HKCU\\Software\\Microsoft\\Protected Storage System Provider\\%SID%\\Data\\"
                                       "e161255a-37c3-11d2-bcaa-00c04fd929db\\e161255a-37c3-11d2-bcaa-00c04fd929db",
                                       "Value", "form data"),
                              RegValue("HKCU\\Software\\Microsoft\\Protected Storage System Provider\\%SID%\\Data",
                                       "Behavior", "1").Kept(),
                              RegValue("HKLM\\Software\\Microsoft\\Protected Storage System Provider\\%USER%\\Data\\"
                                       "e161255a-37c3-11d2-bcaa-00c04fd929db",
                                       "Item", "machine form data")});
        plan.FoundWhenClean = plan.FoundAfterSolve = true;
        plans.push_back(plan);
    }
    plans.push_back(Plan("TAutoCompletePWDs",
                         {RegValue("HKCU\\Software\\Microsoft\\Internet Explorer\\IntelliForms\\SPW", "a1b2", "secret"),
                          RegKey("HKCU\\Software\\Microsoft\\Internet Explorer\\IntelliForms"),
                          RegValue("HKCU\\Software\\Microsoft\\Internet Explorer\\Main", "Start Page",
                                   "about:blank").Kept()}));
    {
        SeedPlan plan = Plan("TIndexDat", {FileAt("%COOKIES%\\index.dat").Pending(),
                                           FileAt("%HISTORY%\\index.dat").Pending(),
                                           FileAt("%HISTORY%\\History.IE5\\index.dat").Pending(),
                                           FileAt("%HISTORY%\\MSHist012026120120261208\\index.dat").Pending(),
                                           FileAt("%HISTORY%\\History.IE5\\MSHist012026120720261208\\index.dat").Pending(),
                                           FileAt("%CACHE%\\index.dat").Pending(),
                                           FileAt("%CACHE%\\Content.IE5\\index.dat").Pending()});
        plan.FoundWhenClean = plan.FoundAfterSolve = true;
        plans.push_back(plan);
    }
    plans.push_back(Plan("TAddressBarHistory",
                         {RegValue(HKCU + "Microsoft\\Internet Explorer\\TypedURLs", "url1", "http://example.com/"),
                          RegValue(HKCU + "Microsoft\\Internet Explorer\\TypedURLs", "url2", "http://news.example/"),
                          RegValue(HKLM + "Microsoft\\Internet Explorer\\TypedURLs", "url1", "http://intranet/"),
                          RegValue(HKCU + "Microsoft\\Internet Explorer\\Main", "Search Page", "about:blank").Kept()}));
    plans.push_back(Plan("TRecentDocs", {FolderAt("%RECENT%").Kept(), FileAt("%RECENT%\\report.doc.lnk"),
                                         FileAt("%RECENT%\\holiday.jpg.lnk")}));
    plans.push_back(Plan("TComputerDocsHistory",
                         {RegValue(Explorer + "\\RecentDocs\\.doc", "0", "report.doc"),
                          RegValue(Explorer + "\\RecentDocs\\Folder", "0", "Budget"),
                          RegValue(Explorer + "\\RecentDocs", "MRUListEx", "01").Kept()}));
    {
        SeedPlan plan = Plan("TRunHistory", {RegValue(Explorer + "\\RunMRU", "a", "regedit\\1"),
                                              RegValue(Explorer + "\\RunMRU", "MRUList", "a"),
                                              RegValue(Explorer + "\\RunOther", "keep", "1").Kept()});
        plans.push_back(plan);
    }
    plans.push_back(Plan("TFindFilesHistory",
                         {RegValue(Explorer + "\\Doc Find Spec MRU\\Old", "a", "*.doc"),
                          RegValue(Explorer + "\\Doc Find Spec MRU", "MRUList", "a").Kept(),
                          RegValue(Bars + "\\ContainingTextMRU\\0", "0", "salary"),
                          RegValue(Bars + "\\FilesNamedMRU\\0", "0", "letter*"),
                          RegValue("HKCU\\Software\\Microsoft\\Search Assistant\\ACMru\\5603", "000", "holiday")}));
    plans.push_back(Plan("TFindCompHistory",
                         {RegValue(Explorer + "\\FindComputerMRU\\Net", "a", "FILESERVER"),
                          RegValue(Explorer + "\\FindComputerMRU", "MRUList", "a").Kept(),
                          RegValue(Bars + "\\ComputerNameMRU\\0", "0", "PRINTHOST")}));
    plans.push_back(Plan("TLogonHistory",
                         {RegValue(HKCU + "Microsoft\\Windows NT\\CurrentVersion\\Winlogon", "DefaultUserName", "alice"),
                          RegValue(HKCU + "Microsoft\\Windows NT\\CurrentVersion\\Winlogon", "DefaultPassword", "pw"),
                          RegValue(HKCU + "Microsoft\\Windows NT\\CurrentVersion\\Winlogon", "Shell", "explorer.exe").Kept()}));
    plans.push_back(Plan("TNethoodCache", {FolderAt("%NETHOOD%").Kept(), FileAt("%NETHOOD%\\Share on server.lnk")}));
    plans.push_back(Plan("TPrinthoodCache", {FolderAt("%PRINTHOOD%").Kept(), FileAt("%PRINTHOOD%\\Office printer.lnk")}));
    plans.push_back(Plan("TTelnetHistory", {RegValue(HKCU + "Microsoft\\Telnet", "Telnet", "host.example"),
                                            RegValue(HKCU + "Microsoft\\Telnet", "LastMachine", "router"),
                                            RegValue(HKCU + "Microsoft\\Telnet", "Rows", "25").Kept()}));
    plans.push_back(Plan("TSaveOpenDialogHistory",
                         {RegValue(Explorer + "\\ComDlg32\\ComDlg32\\OpenSaveMRU", "a", "C:\\letter.doc"),
                          RegValue(Explorer + "\\ComDlg32\\LastVisitedMRU", "a", "notepad.exe"),
                          RegKey(Explorer + "\\ComDlg32"),
                          RegValue(Explorer + "\\Advanced", "Hidden", "1").Kept()}));
    plans.push_back(Plan("TRegistryBackups", {FileAt("%WINDOWS%\\repair\\ntuser.dat"), FileAt("%WINDOWS%\\user.bak"),
                                              FileAt("%WINDOWS%\\system.bak"), FileAt("%WINDOWS%\\repair\\setup.log").Kept()}));
    plans.push_back(Plan("TUserAssistCache",
                         {RegValue(Explorer + "\\UserAssist\\{75048700-EF1F-11D0-9888-006097DEACF9}\\Count",
                                   "HRZR_EHACNGU", "counts"),
                          RegValue(Explorer + "\\UserAssist", "Version", "2").Kept()}));
    plans.push_back(Plan("TRegistryStreams",
                         {RegValue("HKCU\\Software\\Microsoft\\Windows\\Current Version\\Explorer\\StreamMRU", "0", "x"),
                          RegKey("HKCU\\Software\\Microsoft\\Windows\\Current Version\\Explorer\\StreamMRU"),
                          RegValue(Explorer + "\\Streams\\0", "ViewView2", "x"),
                          RegKey(Explorer + "\\Streams")}));
    {
        // A missing value reads as 0: the setting is off until someone turns it on.
        SeedPlan plan = Plan("TPagingFile",
                             {RegDword("HKLM\\SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management",
                                       "ClearPageFileAtShutdown", 0).Written("1")});
        plan.FoundWhenClean = true;
        plans.push_back(plan);
    }
    plans.push_back(Plan("TRASAutoDial", {RegValue(HKCU + "Microsoft\\RAS Autodial\\Addresses\\dial.example", "", "x"),
                                          RegKey(HKCU + "Microsoft\\RAS Autodial\\Addresses").Kept()}));

    // AOL 9 lives in a folder whose name holds a 9; older ones do not.
    plans.push_back(Installed(Plan(
        "TAOL90", {RegValue(HKLM + "Microsoft\\Windows\\CurrentVersion\\App Paths\\Aol.exe", "",
                            "%PROGRAMFILES%\\America Online 9.0\\aol.exe").Kept(),
                   FileAt("%PROGRAMFILES%\\America Online 9.0\\aol.exe").Kept(),
                   FileAt("%PROGRAMFILES%\\America Online 9.0\\organize\\cache\\art001.bin"),
                   FileAt("%PROGRAMFILES%\\America Online 9.0\\organize\\member.ARL"),
                   FileAt("%PROGRAMFILES%\\America Online 9.0\\organize\\member.BAG"),
                   FileAt("%PROGRAMFILES%\\America Online 9.0\\organize\\member.txt").Kept(),
                   FileAt("%COMMONAPPDATA%\\AOL\\C:_America Online 9.0\\storage\\cache.db"),
                   FileAt("%COMMONAPPDATA%\\AOL\\C:_America Online 9.0\\errorlog.ini")})));
    plans.push_back(Installed(Plan(
        "TAOLUp8", {RegValue(HKLM + "Microsoft\\Windows\\CurrentVersion\\App Paths\\Aol.exe", "",
                             "%PROGRAMFILES%\\America Online 8.0\\aol.exe").Kept(),
                    FileAt("%PROGRAMFILES%\\America Online 8.0\\aol.exe").Kept(),
                    FileAt("%PROGRAMFILES%\\America Online 8.0\\organize\\cache\\art001.bin"),
                    FileAt("%PROGRAMFILES%\\America Online 8.0\\organize\\screen.AUT"),
                    FileAt("%PROGRAMFILES%\\America Online 8.0\\AOLTEMP\\tmp001.tmp"),
                    FileAt("%PROGRAMFILES%\\America Online 8.0\\download\\session.log"),
                    FileAt("%PROGRAMFILES%\\America Online 8.0\\download\\movie.mpg").Kept()})));
    plans.push_back(Installed(Plan("TAOLInstantMessenger",
                                   {FileAt("%WINDOWS%\\aim95\\buddy.dat"), FileAt("%WINDOWS%\\aim95\\session.tmp"),
                                    FileAt("%WINDOWS%\\aim95\\aim.exe").Kept(),
                                    FileAt("%WINDOWS%\\aim95\\logs\\keep.dat").Kept()})));
    plans.push_back(Installed(Plan(
        "TAres18", {RegValue(Uninstall + "Ares", "UninstallString", "%PROGRAMFILES%\\Ares\\uninstall.exe").Kept(),
                    FileAt("%PROGRAMFILES%\\Ares\\uninstall.exe").Kept(), FileAt("%PROGRAMFILES%\\Ares\\Temp\\part1.dat"),
                    RegValue(HKCU + "Softgap\\Ares\\Search.History", "0", "song"),
                    RegValue(HKCU + "Ares\\WebSearchHist", "0", "site"),
                    RegValue(HKCU + "Ares", "History.LastHostedChannel", "#chan").Emptied(),
                    RegValue(HKCU + "Ares", "Nick", "me").Kept()})));
    plans.push_back(Installed(Plan(
        "TAresLite", {RegValue(Uninstall + "AresLite", "UninstallString", "%PROGRAMFILES%\\AresLite\\uninstall.exe").Kept(),
                      FileAt("%PROGRAMFILES%\\AresLite\\uninstall.exe").Kept(),
                      FileAt("%PROGRAMFILES%\\AresLite\\Temp\\part1.dat"),
                      RegValue(HKCU + "AresLite\\Search.History", "0", "song")})));
    plans.push_back(Installed(Plan(
        "TBlubster", {RegValue(HKCU + "Cydoor\\Adwr_336", "ExistFile", "%PROGRAMFILES%\\Blubster\\Blubster.exe").Kept(),
                      FileAt("%PROGRAMFILES%\\Blubster\\Blubster.exe").Kept(),
                      FileAt("%PROGRAMFILES%\\Blubster\\MyFiles.dat.lst"), FileAt("%PROGRAMFILES%\\Blubster\\downloads.dat"),
                      FileAt("%PROGRAMFILES%\\Blubster\\Settings.ini",
                             "[General]\r\nPort=41170\r\n[Shared Folders]\r\nFolder0=C:\\Music\r\n[User]\r\nNick=alice\r\n")
                          .Edited("-Shared Folders|-Folder0|-Nick=|+Port=41170|+[User]")})));
    plans.push_back(Installed(Plan(
        "TBSPlayer", {RegValue(Uninstall + "BSPlayer1", "UninstallString", "%PROGRAMFILES%\\BSPlayer\\uninstall.exe").Kept(),
                      FileAt("%PROGRAMFILES%\\BSPlayer\\uninstall.exe").Kept(),
                      FileAt("%PROGRAMFILES%\\BSPlayer\\bsplist.bsl"), FileAt("%PROGRAMFILES%\\BSPlayer\\BSPlayer.xml"),
                      FileAt("%PROGRAMFILES%\\BSPlayer\\bsplayer.exe").Kept()})));
    plans.push_back(Installed(Plan(
        "TDirectConnect1",
        {RegValue(HKLM + "NeoModus\\Direct Connect", "InstallPath", "%PROGRAMFILES%\\Direct Connect\\").Kept(),
         FileAt("%PROGRAMFILES%\\Direct Connect\\DcLists\\hub.xml"),
         FileAt("%PROGRAMFILES%\\Direct Connect\\SharedDirectories.config"),
         FileAt("%PROGRAMFILES%\\Direct Connect\\HubLists\\Recent.config"),
         FileAt("%PROGRAMFILES%\\Direct Connect\\Queue.config"),
         FileAt("%PROGRAMFILES%\\Direct Connect\\DCPlusPlus.exe").Kept(),
         RegValue(HKCU + "NeoModus\\Direct Connect\\Settings", "MyNick", "alice").Emptied(),
         RegValue(HKCU + "NeoModus\\Direct Connect\\Settings", "MyEmail", "a@example.com").Emptied()})));
    plans.push_back(Installed(Plan("TDirectConnect2",
                                   {FolderAt("%APPDATA%\\neo-modus.com\\DCSettings").Kept(),
                                    FileAt("%APPDATA%\\neo-modus.com\\DCSettings\\DCQueue.config"),
                                    FileAt("%APPDATA%\\neo-modus.com\\DCSettings\\HubLists\\favorites.config"),
                                    FileAt("%APPDATA%\\neo-modus.com\\DCSettings\\DCLists\\user.xml"),
                                    FileAt("%APPDATA%\\neo-modus.com\\DCSettings\\DCSettings.config"),
                                    FileAt("%APPDATA%\\neo-modus.com\\DCSettings\\Themes.config").Kept()})));
    plans.push_back(Installed(Plan(
        "TEarthStation5", {RegValue(HKLM + "EarthStation5", "Install_Dir", "%PROGRAMFILES%\\EarthStation5").Kept(),
                           FileAt("%PROGRAMFILES%\\EarthStation5\\duplicates\\a.dup"),
                           FileAt("%PROGRAMFILES%\\EarthStation5\\temp\\b.tmp"),
                           FileAt("%PROGRAMFILES%\\EarthStation5\\ES5.exe").Kept(),
                           RegValue(HKCU + "HelmuthSpeakingForBoskone\\Excalibur1.0\\share-directory-tree", "0", "C:\\")})));
    plans.push_back(Installed(Plan(
        "TEdonkey", {RegValue(HKLM + "Classes\\Software\\MM\\eDonkey2000", "installDir", "%PROGRAMFILES%\\eDonkey2000").Kept(),
                     FileAt("%PROGRAMFILES%\\eDonkey2000\\temp\\1.part"), FileAt("%PROGRAMFILES%\\eDonkey2000\\known.met"),
                     FileAt("%PROGRAMFILES%\\eDonkey2000\\pref.xml"), FileAt("%PROGRAMFILES%\\eDonkey2000\\friend.met"),
                     FileAt("%PROGRAMFILES%\\eDonkey2000\\server.met").Kept(),
                     RegValue(HKLM + "Classes\\Software\\MM", "passWord", "secret").Emptied(),
                     RegValue(HKLM + "Classes\\Software\\MM", "userName", "alice").Emptied()})));
    plans.push_back(Installed(Plan(
        "TGetRight", {RegValue(HKLM + "Headlight\\GetRight", "InstallDir", "%PROGRAMFILES%\\GetRight").Kept(),
                      FileAt("%PROGRAMFILES%\\GetRight\\GetRight.hst"), FileAt("%PROGRAMFILES%\\GetRight\\GetRight.lst"),
                      FileAt("%PROGRAMFILES%\\GetRight\\getright.exe").Kept(),
                      RegValue(HKCU + "HeadLight\\GetRight\\MRU", "0", "http://files.example/a.zip"),
                      RegValue(HKCU + "HeadLight\\GetRight\\Config", "Lastdir", "C:\\Downloads").Emptied(),
                      RegValue(HKCU + "HeadLight\\GetRight\\Config", "Speed", "9").Kept(),
                      RegValue(HKCU + "HeadLight\\GetRight\\TypedDescs", "0", "movie"),
                      RegValue(Explorer + "\\ComDlg32\\OpenSaveMRU\\*", "a", "C:\\a.zip")})));
    plans.push_back(Installed(Plan(
        "TGnucleus", {RegValue(Uninstall + "Gnucleus", "UninstallString", "%PROGRAMFILES%\\Gnucleus\\uninst.exe").Kept(),
                      FileAt("%PROGRAMFILES%\\Gnucleus\\uninst.exe").Kept(), FileAt("%PROGRAMFILES%\\Gnucleus\\GnuHashes.ini"),
                      FileAt("%PROGRAMFILES%\\Gnucleus\\Partials\\song.part"),
                      RegValue(HKCU + "Gnucleus\\Searches", "0", "song")})));
    plans.push_back(Installed(Plan(
        "TGoZilla", {RegValue(Uninstall + "Go!Zilla", "DisplayIcon", "%PROGRAMFILES%\\GoZilla\\gozilla.exe").Kept(),
                     FileAt("%PROGRAMFILES%\\GoZilla\\gozilla.exe").Kept(), FileAt("%PROGRAMFILES%\\GoZilla\\leech.hst"),
                     FileAt("%PROGRAMFILES%\\GoZilla\\download.log"),
                     FileAt("%APPDATA%\\Software\\Radiate\\Go!Zilla\\4.0\\items\\item1.dat")})));
    plans.push_back(Installed(Plan(
        "TGrokster", {RegValue(Uninstall + "Grokster", "DisplayIcon", "%PROGRAMFILES%\\Grokster\\grokster.exe").Kept(),
                      FileAt("%PROGRAMFILES%\\Grokster\\grokster.exe").Kept(), FileAt("%PROGRAMFILES%\\Grokster\\Db\\data1.dbb"),
                      RegValue(HKCU + "Grokster\\Search", "0", "song"),
                      RegValue(HKCU + "Grokster\\Grokster\\Recent File List", "File1", "a.mp3")})));
    plans.push_back(Installed(Plan(
        "TICQ2000", {RegValue(HKLM + "Classes\\icqplugin\\DefaultIcon", "", "%PROGRAMFILES%\\ICQ\\icq.exe,1").Kept(),
                     FileAt("%PROGRAMFILES%\\ICQ\\icq.exe").Kept(), FileAt("%PROGRAMFILES%\\ICQ\\Chats\\chat1.txt"),
                     FileAt("%PROGRAMFILES%\\ICQ\\Received Files\\photo.jpg"),
                     FileAt("%PROGRAMFILES%\\ICQ\\Plugins\\Voice Messages\\incoming\\msg.wav")})));
    plans.push_back(Installed(Plan(
        "TICQ200X", {RegValue(HKLM + "Mirabilis\\ICQ\\Install\\General", "InstalledDir", "%PROGRAMFILES%\\ICQ2003\\icq.exe").Kept(),
                     FileAt("%PROGRAMFILES%\\ICQ2003\\icq.exe").Kept(), FileAt("%PROGRAMFILES%\\ICQ2003\\UIN\\12345.dat"),
                     FileAt("%PROGRAMFILES%\\ICQ2003\\Bookmark\\b.url")})));
    plans.push_back(Installed(Plan(
        "TICQLite", {RegValue(HKLM + "Mirabilis\\ICQ\\ICQLite", "FileName", "%PROGRAMFILES%\\ICQLite\\ICQLite.exe").Kept(),
                     FileAt("%APPDATA%\\ICQLite\\HistoryDB\\123.fdt"), FileAt("%APPDATA%\\ICQ\\OwnersLog\\log.txt")})));
    plans.push_back(Installed(Plan(
        "TICQLiteDanger",
        {RegValue(HKLM + "Mirabilis\\ICQ\\ICQLite", "FileName", "%PROGRAMFILES%\\ICQLite\\ICQLite.exe").Kept(),
         FileAt("%PROGRAMFILES%\\ICQLite\\owner.fb"), FileAt("%PROGRAMFILES%\\ICQLite\\ICQLite.exe").Kept(),
         FileAt("%APPDATA%\\ICQLite\\HistoryDB\\123.fdt"), FileAt("%PERSONAL%\\ICQ Lite\\received.jpg"),
         RegValue(HKLM + "Mirabilis\\ICQ\\NewOwners\\123", "Nick", "alice"),
         RegValue(HKCU + "Mirabilis\\ICQ\\NewOwners\\123", "Nick", "alice")})));
    plans.push_back(Installed(Plan(
        "TIrfanView3x",
        {RegValue(HKLM + "Classes\\IrfanView\\shell\\open\\command", "", "%PROGRAMFILES%\\IrfanView\\i_view32.exe \"%1\"").Kept(),
         FileAt("%PROGRAMFILES%\\IrfanView\\Slideshow.lst"), FileAt("%PROGRAMFILES%\\IrfanView\\i_view32.ini"),
         FileAt("%PROGRAMFILES%\\IrfanView\\i_view32.exe").Kept()})));
    plans.push_back(Installed(Plan(
        "TKazaaLite", {RegValue(HKLM + "Kazaa\\k-lite", "Installdir", "%PROGRAMFILES%\\K-Lite").Kept(),
                       FileAt("%PROGRAMFILES%\\K-Lite\\kazaa.exe").Kept(), FileAt("%PROGRAMFILES%\\K-Lite\\db\\data256.dbb"),
                       FileAt("%PROGRAMFILES%\\K-Lite\\My Shared Folder\\song.dat"),
                       FileAt("%PROGRAMFILES%\\K-Lite\\My Shared Folder\\song.mp3").Kept(),
                       RegValue(HKCU + "Kazaa\\Search", "0", "song")})));
    plans.push_back(Installed(Plan(
        "TKazaa", {RegValue(HKLM + "Kazaa\\Settings", "HelpDir", "%PROGRAMFILES%\\Kazaa\\help\\").Kept(),
                   FileAt("%PROGRAMFILES%\\Kazaa\\help\\My Shared Folder\\song.mp3"),
                   FileAt("%PROGRAMFILES%\\Kazaa\\help\\Db\\data.dbb"),
                   FileAt("%PROGRAMFILES%\\Kazaa\\help\\index.htm").Kept(),
                   RegValue(HKCU + "KAZAA\\UserDetails", "Nick", "alice"),
                   RegValue(HKCU + "Kazaa\\ResultsFilter", "custom_filter_phrases", "x").Emptied()})));
    plans.push_back(Installed(Plan(
        "TLimewire",
        {RegValue(HKLM + "LimeWire", "InstallDir", "%PROGRAMFILES%\\LimeWire").Kept(),
         FileAt("%PROFILE%\\.limewire\\fileurns.cache"),
         FileAt("%PROFILE%\\.limewire\\limewire.props",
                "#LimeWire properties\r\nBANNED_WORDS=secret\r\nDIRECTORIES_TO_SEARCH_FOR_FILES=C:\\Shared\r\nPORT=6346\r\n")
             .Edited("-secret|-C:\\Shared|+BANNED_WORDS=|+PORT=6346"),
         FolderAt("%DRIVE%\\Shared").Kept(), FileAt("%DRIVE%\\Shared\\song.mp3").Kept()})));
    // The four Windows Media Player versions are told apart by the player's version resource.
    const std::string player = HKCU + "Microsoft\\MediaPlayer\\Player";
    for (int major : {7, 8}) {
        std::string folder = "%PROGRAMFILES%\\WMP" + std::to_string(major);
        plans.push_back(Installed(Plan(
            "TWindowsMediaPlayer" + std::to_string(major),
            {RegValue("HKU\\.DEFAULT\\Software\\Microsoft\\Keyboard\\NativeMediaPlayers\\WMP", "ExePath",
                      folder + "\\wmplayer.exe").Kept(),
             ProgramAt(folder + "\\wmplayer.exe", major).Kept(), FileAt("%WINDOWS%\\wmplibrary_v_0_12.db"),
             FileAt("%APPDATA%\\Microsoft\\Media Player\\ActivePlaylist.dat"),
             RegValue(player + "\\RecentFileList", "File0", "C:\\Music\\song.mp3"),
             RegValue(player + "\\RecentURLList", "URL0", "http://radio.example/"),
             RegValue(player + "\\Settings", major == 7 ? "opendir" : "OpenDir", "C:\\Music").Emptied(),
             RegValue(player + "\\Settings", "Volume", "50").Kept()})));
    }
    plans.push_back(Installed(Plan(
        "TWindowsMediaPlayer9",
        {RegValue(HKLM + "CLASSES\\WVXFile\\shell\\play\\command", "", "%PROGRAMFILES%\\WMP9\\wmplayer.exe /play \"%L\"").Kept(),
         ProgramAt("%PROGRAMFILES%\\WMP9\\wmplayer.exe", 9).Kept(),
         FileAt("%PERSONAL%\\My Music\\My Playlists\\party.wpl"),
         FileAt("%APPDATA%\\Microsoft\\Media Player\\CurrentDatabase_59R.wmdb"),
         RegValue(player + "\\RecentFileList", "File0", "C:\\Music\\song.mp3"),
         RegKey(player + "\\RecentFileList"),
         RegValue(player + "\\Settings", "OpenDir", "C:\\Music").Emptied(),
         FileAt("%PERSONAL%\\My Music\\song.mp3").Kept()})));
    plans.push_back(Installed(Plan(
        "TWindowsMediaPlayer10",
        {RegValue(HKLM + "Microsoft\\Windows\\CurrentVersion\\Uninstall\\Windows Media Player", "DisplayIcon",
                  "%PROGRAMFILES%\\WMP10\\wmplayer.exe,0").Kept(),
         ProgramAt("%PROGRAMFILES%\\WMP10\\wmplayer.exe", 10).Kept(),
         FileAt("%PERSONAL%\\My Music\\My Playlists\\party.wpl"),
         FileAt("%APPDATA%\\Microsoft\\Media Player\\001181DF.wpl"),
         RegValue(HKCU + "Microsoft\\MediaPlayer\\Preferences", "SearchPath", "C:\\Music").Emptied(),
         RegValue(HKCU + "Microsoft\\MediaPlayer\\Preferences", "Volume", "50").Kept(),
         RegValue(player + "\\RecentURLList", "URL0", "http://radio.example/"), RegKey(player + "\\RecentURLList"),
         RegValue(HKCU + "Microsoft\\MediaPlayer\\AutoComplete\\Search", "0", "song"),
         FileAt("%PERSONAL%\\My Music\\song.mp3").Kept()})));
    plans.push_back(Installed(Plan(
        "TMozillaFirefoxHistory",
        {FileAt("%APPDATA%\\Mozilla\\Firefox\\Profiles\\abcd1234.default\\history.dat", "// history\r\nhttp://x/\r\n")
             .Truncated(),
         FileAt("%APPDATA%\\Mozilla\\Firefox\\Profiles\\abcd1234.default\\formhistory.dat", "name=alice\r\n").Truncated(),
         FileAt("%APPDATA%\\Mozilla\\Firefox\\Profiles\\abcd1234.default\\bookmarks.html").Kept()})));
    return plans;
}
