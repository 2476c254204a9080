// Traces of the news, browser add-on, file-sharing, image, audio, editor and utility issues.
#include "tools/seeder/Seeder.h"

namespace {

const std::string HKCU = "HKCU\\Software\\";
const std::string HKLM = "HKLM\\Software\\";
const std::string Uninstall = "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
const std::string AppPaths = "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";
const std::string PF = "%PROGRAMFILES%\\";

SeedPlan Plan(const std::string& name, std::vector<TraceItem> items, bool installed = true)
{
    return MakePlan(name, std::move(items), installed);
}

// Registry-only traces: the keys the Check looks at go with the Solve.
SeedPlan Cleared(const std::string& name, std::vector<TraceItem> items)
{
    return Plan(name, std::move(items), false);
}

}  // namespace

std::vector<SeedPlan> SeedPlansA()
{
    std::vector<SeedPlan> plans;

    plans.push_back(Plan(
        "TMozillaThunderbirdNews",
        {RegValue(AppPaths + "thunderbird.exe", "", PF + "Mozilla Thunderbird\\thunderbird.exe").Kept(),
         FolderAt(PF + "Mozilla Thunderbird").Kept(), FileAt(PF + "Mozilla Thunderbird\\thunderbird.exe").Kept(),
         FileAt(PF + "Mozilla Thunderbird\\News\\newsrc-news.example.com.rc"),
         FolderAt("%APPDATA%\\Thunderbird").Kept(),
         FileAt("%APPDATA%\\Thunderbird\\Profiles\\k3x9q2.default\\News\\newsrc-news.example.com.rc",
                "alt.privacy: 1-4012\r\n"),
         FileAt("%APPDATA%\\Thunderbird\\Profiles\\k3x9q2.default\\News\\news.example.com\\alt.privacy.msf"),
         FileAt("%APPDATA%\\Thunderbird\\Profiles\\k3x9q2.default\\News\\news.example.com\\alt.privacy").Kept(),
         FileAt("%APPDATA%\\Thunderbird\\Profiles\\k3x9q2.default\\prefs.js").Kept(),
         FileAt("%APPDATA%\\Thunderbird\\Profiles\\k3x9q2.default\\Mail\\News\\archive.msf").Kept()}));
    plans.push_back(Plan("TMSNExplorer",
                         {FolderAt("%APPDATA%\\MSN6").Kept(), FileAt("%APPDATA%\\MSN6\\alice\\addrbook.dat"),
                          FileAt("%APPDATA%\\MSN6\\alice\\session.dat"), FileAt("%APPDATA%\\MSN6\\alice\\skin.xml").Kept(),
                          FolderAt("%COOKIES%").Kept(), FileAt("%COOKIES%\\alice@msn[1].txt"),
                          FolderAt("%HISTORY%").Kept(), FileAt("%HISTORY%\\History.IE5\\MSHist012026120120261208\\index.dat"),
                          FolderAt("%CACHE%").Kept(), FileAt("%CACHE%\\Content.IE5\\A1B2C3D4\\home[1].htm")}));
    plans.push_back(Plan(
        "TNortonAntivirus2005",
        {RegValue(HKLM + "Symantec\\Norton AntiVirus", "version", "11.0.2.4").Kept(),
         RegValue(HKLM + "Symantec\\InstalledApps", "NAV", PF + "Norton AntiVirus").Kept(),
         FolderAt(PF + "Norton AntiVirus").Kept(), FileAt(PF + "Norton AntiVirus\\navw32.exe").Kept(),
         FileAt(PF + "Norton AntiVirus\\Quarantine\\4A2B0C1D.vbn"), FileAt(PF + "Norton AntiVirus\\AVApp.log"),
         FileAt(PF + "Norton AntiVirus\\AVVirus.log"), FolderAt("%APPDATA%\\Symantec").Kept(),
         FileAt("%APPDATA%\\Symantec\\Norton AntiVirus\\Tasks\\mycomp.sca"),
         FileAt("%APPDATA%\\Symantec\\Norton AntiVirus\\settings.dat").Kept()}));
    plans.push_back(Plan("TNetscapeNavigator4xHistory",
                         {FolderAt(PF + "Netscape").Kept(),
                          RegValue(HKCU + "Netscape\\Netscape Navigator\\biff", "CurrentUser", "alice").Kept(),
                          FileAt(PF + "Netscape\\Users\\alice\\netscape.hst"),
                          FileAt(PF + "Netscape\\Users\\alice\\prefs.js").Kept(),
                          FileAt(PF + "Netscape\\Users\\bob\\netscape.hst").Kept()}));
    plans.push_back(Plan("TNetzero7", {RegValue(HKLM + "NetZero, Inc.\\NetZero", "INSTALLDIR", PF + "NetZero").Kept(),
                                       FolderAt(PF + "NetZero").Kept(), FileAt(PF + "NetZero\\netzero.exe").Kept(),
                                       FileAt(PF + "NetZero\\cache\\page1.htm"), FileAt(PF + "NetZero\\cache\\img\\ad.gif")}));
    {
        const std::string rover = HKCU + "S&H Computer Systems, Inc.\\News Rover\\1.0";
        plans.push_back(Plan(
            "TNewsRover92",
            {RegValue(HKLM + "S&H Computer Systems, Inc.\\News Rover\\1.0", "Path", PF + "News Rover").Kept(),
             FolderAt(PF + "News Rover").Kept(), FileAt(PF + "News Rover\\Rover.exe").Kept(),
             FileAt(PF + "News Rover\\Temp\\part0001.tmp"), FileAt(PF + "News Rover\\Rover.ol2").Truncated(),
             FileAt(PF + "News Rover\\DupCRC.mdb").Truncated(), RegValue(rover, "ngtexp", "alt.binaries").Emptied(),
             RegValue(rover, "LastAttach", "C:\\letter.doc").Emptied(), RegValue(rover, "Server", "news.example").Kept()}));
    }
    plans.push_back(Plan(
        "TAdobePhotoshopElements2",
        {RegValue(Uninstall + "Adobe Photoshop Elements 2.0", "InstallLocation", PF + "Adobe\\Photoshop Elements 2").Kept(),
         FileAt("%APPDATA%\\Adobe\\Photoshop\\Elements\\Photoshop Elements 2.0 Prefs\\Adobe Photoshop Elements 2.0 Prefs.psp"),
         FileAt("%APPDATA%\\Adobe\\Photoshop\\Elements\\Photoshop Elements 2.0 Prefs\\Actions Palette.psp").Kept(),
         RegValue(HKCU + "Adobe\\Photoshop Elements\\2.0\\VisitedDirs", "STARTUPIMAGEDIRECTORY", "C:\\Photos").Emptied()}));
    {
        const std::string secure = HKCU + "SecureIE2004\\Secure IE\\2004.0";
        const std::string comDlg = HKCU + "Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32";
        plans.push_back(Plan(
            "TSecureIE2004",
            {RegValue(Uninstall + "SecureIE2004_is1", "Inno Setup: App Path", PF + "SecureIE2004").Kept(),
             FileAt("%APPDATA%\\SecureIE2004\\FileTransferQueue.xml"), FileAt("%APPDATA%\\SecureIE2004\\SecureIE2004.atb"),
             FileAt("%APPDATA%\\SecureIE2004\\skin.ini").Kept(),
             RegValue(secure + "\\Download Bars", "0", "http://files.example/a.zip"),
             RegValue(secure + "\\MRU", "0", "http://news.example/"),
             RegValue(secure, "DefaultSavePath", "C:\\Downloads").Emptied(), RegValue(secure, "Toolbar", "1").Kept(),
             RegValue(comDlg + "\\LastVisitedMRU", "a", "iexplore.exe"), RegValue(comDlg + "\\OpenSaveMRU", "a", "C:\\a.zip"),
             RegValue(comDlg + "\\OpenSaveMRU\\zip", "a", "C:\\a.zip").Kept()}));
    }
    plans.push_back(Plan(
        "TShareaza",
        {RegValue(HKLM + "Shareaza", "", PF + "Shareaza\\Shareaza.exe").Kept(),
         RegValue(HKCU + "Shareaza\\Shareaza\\Downloads", "IncompletePath", PF + "Shareaza\\Incomplete").Kept(),
         FolderAt(PF + "Shareaza").Kept(), FileAt(PF + "Shareaza\\Shareaza.exe").Kept(),
         FileAt(PF + "Shareaza\\Data\\Library1.dat").Truncated(), FileAt(PF + "Shareaza\\Data\\Library2.dat").Truncated(),
         FileAt(PF + "Shareaza\\Data\\Profile.xml").Truncated(), FileAt(PF + "Shareaza\\Data\\Searches.dat").Truncated(),
         FileAt(PF + "Shareaza\\Data\\Security.dat").Kept(), FolderAt(PF + "Shareaza\\Incomplete").Kept(),
         FileAt(PF + "Shareaza\\Incomplete\\movie.avi.partial"), FolderAt("%APPDATA%\\Shareaza").Kept(),
         FileAt("%APPDATA%\\Shareaza\\Data\\UploadQueues.dat").Truncated(),
         FileAt("%APPDATA%\\Shareaza\\Data\\Searches.dat").Truncated(),
         FileAt("%APPDATA%\\Shareaza\\Torrents\\album.torrent"),
         RegValue(HKCU + "Shareaza\\Shareaza\\Search", "Last", "album")}));
    plans.push_back(Plan("TSoulSeek152", {RegValue(HKCU + "SoulSeek", "InstallPath", PF + "SoulSeek").Kept(),
                                          FolderAt(PF + "SoulSeek").Kept(), FileAt(PF + "SoulSeek\\slsk.exe").Kept(),
                                          FileAt(PF + "SoulSeek\\login.cfg"), FileAt(PF + "SoulSeek\\search.cfg"),
                                          FileAt(PF + "SoulSeek\\userinfo.cfg"), FileAt(PF + "SoulSeek\\skin.cfg").Kept()}));
    plans.push_back(Plan("TSwapper",
                         {RegValue(HKLM + "Classes\\magnet\\shell\\open\\command", "",
                                   "\"" + PF + "Swapper\\Swapper.exe\" \"%1\"").Kept(),
                          FolderAt(PF + "Swapper").Kept(), FileAt(PF + "Swapper\\Swapper.exe").Kept(),
                          FileAt(PF + "Swapper\\Swapper\\shareddirs.csv", "C:\\Music;1\r\n").Truncated(),
                          FileAt(PF + "Swapper\\Swapper\\Logs\\Errors\\20261201.log"),
                          FileAt(PF + "Swapper\\Swapper\\settings.csv").Kept()}));
    {
        const std::string tweak = HKCU + "Hagel\\TweakMASTER";
        plans.push_back(Plan(
            "TTweakMasterPro",
            {RegValue(HKLM + "Hagel\\TweakMASTER", "InstDir", PF + "TweakMASTER").Kept(),
             RegValue(tweak, "MTUAssistantSites", "www.example.com").Emptied(),
             RegValue(tweak, "WhoisQueries", "example.com").Emptied(), RegValue(tweak, "Mode", "2").Kept(),
             RegValue(HKCU + "Microsoft\\Windows\\CurrentVersion\\Explorer\\ComDlg32\\LastVisitedMRU", "a", "tweak.exe")}));
    }
    plans.push_back(Plan("TWinmx3",
                         {RegValue(Uninstall + "WinMX", "UninstallString", PF + "WinMX\\uninst.exe").Kept(),
                          FolderAt(PF + "WinMX").Kept(), FileAt(PF + "WinMX\\library.dat").Truncated(),
                          FileAt(PF + "WinMX\\WinMX.exe").Kept()}));

    plans.push_back(Cleared("TAOLDeskBar", {RegValue(HKCU + "AOL\\DeskBar\\HistorySearchCombo", "0", "weather"),
                                            RegValue(HKCU + "AOL\\DeskBar", "Visible", "1").Kept()}));
    plans.push_back(Cleared("TEditPadPro", {RegValue(HKCU + "JG\\EditPad\\Reopen", "0", "C:\\notes.txt"),
                                            RegValue(HKCU + "JGSoft\\EditPadPro5\\HistoryFile", "0", "C:\\plan.txt"),
                                            RegValue(HKCU + "JGSoft\\EditPadPro5\\Search", "0", "salary"),
                                            RegValue(HKCU + "JGSoft\\EditPadPro5", "Font", "Courier").Kept()}));
    plans.push_back(Cleared("TEditPadLite", {RegValue(HKCU + "JG\\EditPad\\Reopen", "0", "C:\\notes.txt"),
                                             RegValue(HKCU + "JGSoft\\EditPadLite5\\Search", "0", "salary"),
                                             RegValue(HKCU + "JGSoft\\EditPadLite5", "Font", "Courier").Kept()}));
    plans.push_back(Cleared(
        "THTMLHelpWorkshop", {RegValue(HKCU + "Microsoft\\HTML Help Workshop\\Recent File List", "File1", "C:\\help.hhp"),
                              RegValue(HKCU + "Microsoft\\HTML Help Workshop\\Html Titles", "0", "Welcome"),
                              RegValue(HKCU + "Microsoft\\HTML Help Workshop\\Settings", "Grid", "1").Kept()}));
    plans.push_back(Cleared("TMicrosoftHelpWorkshop",
                            {RegValue(HKCU + "Microsoft\\Microsoft Help Workshop\\Recent File List", "File1", "C:\\a.hpj"),
                             RegValue(HKCU + "Microsoft\\Microsoft Help Workshop\\Settings", "Grid", "1").Kept()}));
    plans.push_back(Plan("TMassDownloader",
                         {FolderAt(PF + "Mass Downloader").Kept(), FileAt(PF + "Mass Downloader\\massdown.exe").Kept(),
                          FileAt(PF + "Mass Downloader\\INDEX\\00000001.idx"),
                          FileAt(PF + "Mass Downloader\\INDEX\\old\\00000000.idx").Kept(),
                          FileAt(PF + "Mass Downloader\\history.dat"), FileAt(PF + "Mass Downloader\\massdown.dat")}));
    plans.push_back(Plan("TAbsoluteFTPHistory",
                         {RegKey(HKCU + "Van Dyke Technologies\\AbsoluteFTP\\Recent File").Kept(),
                          RegValue(HKCU + "Van Dyke Technologies\\AbsoluteFTP\\Recent File", "File1", "ftp.example.com"),
                          RegValue(HKCU + "Van Dyke Technologies\\AbsoluteFTP\\Recent File", "File2", "ftp.example.org")}));

    const std::string acdsee = HKCU + "ACD Systems\\ACDSee";
    plans.push_back(Plan("TACDSee3XHistory",
                         {RegValue(AppPaths + "ACDSee.exe", "", PF + "ACDSee\\ACDSee.exe").Kept(),
                          FolderAt(PF + "ACDSee").Kept(), FileAt(PF + "ACDSee\\ACDSee.exe").Kept(),
                          FileAt(PF + "ACDSee\\ImageDB.ddf"), FileAt(PF + "ACDSee\\ImageDB.dtf"),
                          RegValue(acdsee, "LastFolder", "C:\\Photos").Emptied(),
                          RegValue(acdsee, "HistPaths", "C:\\Photos|C:\\Scans").Emptied(),
                          RegValue(acdsee, "Toolbar", "1").Kept()}));
    plans.push_back(Cleared("TACDSee40History", {RegValue(acdsee, "ImageDB", "C:\\ImageDB").Emptied(),
                                                 RegValue(acdsee, "OpenFolder", "C:\\Photos").Emptied(),
                                                 RegValue(acdsee, "HistSearchText", "holiday").Emptied(),
                                                 RegValue(acdsee, "Toolbar", "1").Kept()}));
    plans.push_back(Plan("TACDSee50History",
                         {RegKey(acdsee + "\\50").Kept(), RegValue(acdsee + "\\50", "OpenFolder", "C:\\Photos").Emptied(),
                          RegValue(acdsee + "\\50", "Toolbar", "1").Kept(),
                          RegValue(acdsee, "ImageDB", "C:\\ImageDB").Emptied(),
                          FileAt("%APPDATA%\\ACD Systems\\ACDSee\\ImageDB.ddf"),
                          FileAt("%APPDATA%\\ACD Systems\\ACDSee\\ImageDB.dtf")}));
    plans.push_back(Plan("TACDSee60History",
                         {RegValue(AppPaths + "ACDSee6.exe", "", PF + "ACD Systems\\ACDSee\\6.0\\ACDSee6.exe").Kept(),
                          FileAt("%APPDATA%\\ACD Systems\\vango.data"),
                          FileAt("%APPDATA%\\ACD Systems\\Catalogs\\Default\\catalog.db"),
                          FileAt("%APPDATA%\\ACD Systems\\Catalogs\\Backup\\2026\\catalog.bak"),
                          FileAt("%APPDATA%\\ACD Systems\\Plugins.ini").Kept(),
                          RegValue(acdsee + "\\60", "OpenFolder", "C:\\Photos").Emptied()}));
    plans.push_back(Plan("TACDSee70History",
                         {RegKey(acdsee + "\\70").Kept(), RegValue(acdsee + "\\70", "HistPaths", "C:\\Photos").Emptied(),
                          RegValue(acdsee, "lastfolder", "C:\\Photos").Emptied(),
                          RegValue("HKU\\.DEFAULT\\Software\\ACD Systems\\ACDSee", "histpaths", "C:\\Photos").Emptied(),
                          FileAt("%APPDATA%\\ACD Systems\\ACDSee\\ImageDB.dtf")}));
    plans.push_back(Plan(
        "TAcrobatReader40",
        {RegValue(HKCU + "Adobe\\Acrobat Reader\\4.0\\InstallPath", "", PF + "Adobe\\Acrobat 4.0\\Reader").Kept(),
         RegValue(HKCU + "Adobe\\Acrobat Reader\\4.0\\AdobeViewer", "avpRecentFile1", "C:\\report.pdf").Emptied(),
         RegValue(HKCU + "Adobe\\Acrobat Reader\\4.0\\AdobeViewer", "avpRecentFile9", "C:\\tax.pdf").Emptied(),
         RegValue(HKCU + "Adobe\\Acrobat Reader\\4.0\\AdobeViewer", "avpZoom", "100").Kept(),
         RegValue(HKCU + "Adobe\\Acrobat\\4.0\\Weblink\\4.0\\OpenURL", "0", "http://example.com/")}));
    {
        const std::string reader = HKCU + "Adobe\\Acrobat Reader\\5.0\\AVGeneral";
        plans.push_back(Plan(
            "TAcrobatReader50",
            {RegValue(HKLM + "Adobe\\Acrobat Reader\\5.0\\InstallPath", "", PF + "Adobe\\Acrobat 5.0\\Reader").Kept(),
             RegValue(HKCU + "Adobe\\Acrobat\\5.0\\Weblink\\5.0\\OpenURL", "0", "http://example.com/"),
             RegValue(reader + "\\cRecentFiles\\c1", "tDIText", "/C/report.pdf"),
             RegValue(reader + "\\cRecentFiles\\c8", "tDIText", "/C/tax.pdf"), RegKey(reader + "\\cRecentFiles"),
             RegValue(reader, "iZoom", "100").Kept(),
             RegValue(HKCU + "Adobe\\Adobe Acrobat\\5.0\\AVGeneral\\cRecentFiles\\c2", "tDIText", "/C/plan.pdf")}));
    }
    plans.push_back(Plan("TAdaware6", {FolderAt(PF + "Lavasoft\\Ad-Aware 6").Kept(),
                                       FileAt(PF + "Lavasoft\\Ad-Aware 6\\Ad-Aware.exe").Kept(),
                                       FileAt(PF + "Lavasoft\\Ad-Aware 6\\Logs\\Ad-Aware log[1].txt"),
                                       FolderAt(PF + "Lavasoft\\Ad-Aware 6\\Logs").Kept()}));
    plans.push_back(Plan("TAdaptecAudioCD", {RegKey(HKLM + "Adaptec\\AUDIO_CD_INFO").Kept(),
                                             RegValue(HKLM + "Adaptec\\AUDIO_CD_INFO", "8A0B7C0D", "Album title"),
                                             RegValue(HKLM + "Adaptec\\AUDIO_CD_INFO\\8A0B7C0D", "Track1", "Song")}));
    plans.push_back(Plan(
        "TAdobePhotoshop60",
        {RegValue(HKLM + "Classes\\Photoshop.AdobePlugin\\shell\\open\\command", "",
                  "\"" + PF + "Adobe\\Photoshop 6.0\\Photoshp.exe\" \"%1\"").Kept(),
         ProgramAt(PF + "Adobe\\Photoshop 6.0\\Photoshp.exe", 6).Kept(),
         RegValue(HKCU + "Adobe\\Photoshop\\6.0\\VisitedDirs", "Dir0", "C:\\Photos"),
         FileAt("%APPDATA%\\Adobe\\Photoshop\\6.0\\Adobe Photoshop 6 Settings\\Adobe Photoshop 6 Prefs.psp"),
         FileAt("%APPDATA%\\Adobe\\Photoshop\\6.0\\Adobe Photoshop 6 Settings\\Actions Palette.psp").Kept()}));
    plans.push_back(Plan(
        "TAdobePhotoshop70",
        {RegValue(AppPaths + "Photoshop.exe", "", PF + "Adobe\\Photoshop 7.0\\Photoshop.exe").Kept(),
         ProgramAt(PF + "Adobe\\Photoshop 7.0\\Photoshop.exe", 7).Kept(),
         RegValue(HKCU + "Adobe\\Photoshop\\7.0\\VisitedDirs", "Dir0", "C:\\Photos"),
         FileAt("%APPDATA%\\Adobe\\Photoshop\\7.0\\Adobe Photoshop 7.0 Einstellungen\\Adobe Photoshop 7.0 Prefs.psp"),
         FileAt("%APPDATA%\\Adobe\\Photoshop\\7.0\\Adobe Photoshop 7.0 Settings\\Color Swatches.psp").Kept()}));
    plans.push_back(Plan("TAdvancedDiskCatalog149",
                         {RegValue(HKLM + "Elcom\\Advanced Disk Catalog", "Language", "English").Kept(),
                          RegValue(HKLM + "Elcom\\Advanced Disk Catalog\\MRU", "1", "C:\\disks.adc"),
                          RegValue(HKLM + "Elcom\\Advanced Disk Catalog\\MRU\\Find", "1", "holiday")}));
    plans.push_back(Plan("TAgentNewsReader",
                         {FolderAt(PF + "Agent").Kept(), FileAt(PF + "Agent\\agent.exe").Kept(),
                          FileAt(PF + "Agent\\Data\\00000001.idx"), FileAt(PF + "Agent\\Data\\00000001.dat"),
                          FileAt(PF + "Agent\\Data\\Old\\00000002.bak"), FileAt(PF + "Agent\\Data\\agent.ini").Kept()}));
    plans.push_back(Plan("TAudioCatalyst",
                         {FolderAt(PF + "Xing").Kept(), FileAt(PF + "Xing\\AudioCatalyst\\AudioCatalyst.exe").Kept(),
                          FileAt(PF + "Xing\\AudioCatalyst\\Track01.mp3"), FileAt(PF + "Xing\\AudioCatalyst\\Track01.wav"),
                          FileAt(PF + "Xing\\AudioCatalyst\\rip0001.tmp"),
                          FileAt(PF + "Xing\\AudioCatalyst\\Album\\Track02.mp3").Kept()}));
    plans.push_back(Plan("TAudioGrabber",
                         {FolderAt(PF + "AudioGrabber").Kept(), FileAt(PF + "AudioGrabber\\audiograbber.exe").Kept(),
                          FileAt(PF + "AudioGrabber\\Track01.mp3"), FileAt(PF + "AudioGrabber\\Track01.wav"),
                          FileAt(PF + "AudioGrabber\\Album\\Track02.mp3").Kept()}));
    plans.push_back(Plan("TAvantBrowser",
                         {RegValue(Uninstall + "AvantBrowser", "UninstallString", PF + "Avant Browser\\uninst.exe").Kept(),
                          FileAt("%APPDATA%\\Avant Browser\\pages.dat", "http://example.com/\r\n").Truncated(),
                          FileAt("%APPDATA%\\Avant Browser\\recents.dat", "http://news.example/\r\n").Truncated(),
                          FileAt("%APPDATA%\\Avant Browser\\homepages.dat").Truncated(),
                          FileAt("%APPDATA%\\Avant Browser\\skin.ini").Kept(),
                          RegValue(HKCU + "Microsoft\\Internet Explorer\\TypedURLs", "url1", "http://example.com/")}));
    plans.push_back(Plan("TAXIcons4x", {RegValue(HKCU + "Axialis\\AX-Icons 4.0\\Recent File List", "File1", "C:\\a.ico"),
                                        RegValue(HKCU + "Axialis\\AX-Icons 4.0\\Settings", "Grid", "1").Kept()}));
    plans.push_back(Plan("TAXIcons45", {RegValue(HKCU + "Axialis\\AX-Icons 4.5\\Recent File List", "File1", "C:\\a.ico"),
                                        RegValue(HKCU + "Axialis\\AX-Icons 4.5\\Settings", "Grid", "1").Kept()}));
    plans.push_back(Plan("TAxialisMediaBrowser",
                         {RegValue(HKCU + "Axialis\\MediaBrowser\\folders", "0", "C:\\Photos"),
                          RegValue(HKCU + "Axialis\\MediaBrowser\\Recent File List", "File1", "C:\\a.jpg"),
                          RegValue(HKCU + "Axialis\\MediaBrowser\\Settings", "Thumbs", "1").Kept()}));
    {
        const std::string babylon = HKCU + "Babylon\\Babylon Translator";
        plans.push_back(Plan("TBabylon", {RegValue(babylon + "\\Users\\Default\\History", "0", "privacy"),
                                          RegValue(babylon + "\\WebSearch", "0", "cleaner"),
                                          RegKey(babylon + "\\UserInfo\\History").Kept(),
                                          RegValue(babylon + "\\UserInfo\\History", "1", "secret"),
                                          RegValue(babylon + "\\UserInfo\\History\\2", "Term", "word"),
                                          RegValue(babylon + "\\UserInfo", "Name", "alice").Kept()}));
    }
    // Found and listed unticked; its Solve changes nothing.
    plans.push_back(Plan("TBearShare", {RegValue(HKLM + "BearShare", "InstallDir", PF + "BearShare").Kept(),
                                        FileAt(PF + "BearShare\\Downloads\\song.mp3").Kept(),
                                        FileAt(PF + "BearShare\\BearShare.exe").Kept()}));
    plans.push_back(Plan("TBlazeDVD20",
                         {FolderAt(PF + "BlazeDVD").Kept(), FileAt(PF + "BlazeDVD\\BlazeDVD.exe").Kept(),
                          FileAt(PF + "BlazeDVD\\Bookmark\\movie.bmk"), FileAt(PF + "BlazeDVD\\Bookmark\\movie.ini").Kept(),
                          FileAt(PF + "BlazeDVD\\CapturedPictures\\shot0001.bmp")}));
    plans.push_back(Plan("TBorlandCBuilder5",
                         {RegKey(HKCU + "Borland\\C++Builder\\5.0").Kept(),
                          RegValue(HKCU + "Borland\\C++Builder\\5.0\\Closed Files", "File_0", "C:\\src\\main.cpp"),
                          RegValue(HKCU + "Borland\\C++Builder\\5.0\\Session", "Project", "C:\\src\\app.bpr"),
                          RegValue(HKCU + "Borland\\C++Builder\\5.0\\Editor", "Font", "Courier").Kept()}));
    plans.push_back(Plan("TBorlandDelphi5",
                         {RegKey(HKCU + "Borland\\Delphi\\5.0").Kept(),
                          FileAt(PF + "Borland\\Delphi5\\Bin\\DELPHI32.dsk"),
                          FileAt(PF + "Borland\\Delphi5\\Bin\\delphi32.exe").Kept(),
                          RegValue(HKCU + "Borland\\Delphi\\5.0\\Closed Projects", "File_0", "C:\\src\\app.dpr")}));
    {
        const std::string delphi = HKCU + "Borland\\Delphi\\7.0";
        const std::string lists = delphi + "\\History Lists";
        plans.push_back(Plan(
            "TBorlandDelphi7",
            {RegKey(delphi).Kept(), RegValue(delphi + "\\Session", "Project", "C:\\src\\app.dpr"),
             RegValue(delphi + "\\Session", "Layout", "Default").Kept(),
             RegValue(delphi + "\\Closed Files", "File", "C:\\src\\main.pas"),
             RegValue(lists + "\\hlSearchText", "Item", "password"), RegValue(lists + "\\hlSearchText", "Count", "1").Emptied(),
             RegValue(lists + "\\hIPackgeSearchPath", "Item", "C:\\pkg"),
             RegValue(lists + "\\hIBrowsingPath", "Count", "1").Emptied(),
             RegValue(lists + "\\hIBrowsingPath", "Item", "C:\\src"),
             FileAt(PF + "Borland\\Delphi7\\Bin\\delphi32.dsk"), FileAt(PF + "Borland\\Delphi7\\Bin\\delphi32.~dsk"),
             FileAt(PF + "Borland\\Delphi7\\Bin\\delphi32.exe").Kept()}));
    }
    plans.push_back(Plan("TCabinetManager",
                         {RegValue(HKCU + "Microlog\\Cabinet Manager 2.1\\Recent File List", "File1", "C:\\a.cab"),
                          RegValue(HKCU + "Microlog\\Cabinet Manager 4.1\\Recent File List", "File1", "C:\\b.cab"),
                          RegValue(HKCU + "Microlog\\Cabinet Manager 4.1", "Window", "max").Kept()}));
    plans.push_back(Plan("TClassify98",
                         {FolderAt(PF + "TRELLIAN").Kept(), FileAt(PF + "TRELLIAN\\Classify 98\\classify.exe").Kept(),
                          FileAt(PF + "TRELLIAN\\Classify 98\\report\\report1.htm"),
                          FileAt(PF + "TRELLIAN\\Classify 98\\report\\style.css").Kept(),
                          FileAt(PF + "TRELLIAN\\Classify 98\\report\\old\\report0.htm").Kept()}));
    plans.push_back(Plan("TCoffeeCupDirectFTP",
                         {RegValue(HKCU + "Idyle Software\\DirectFTP\\Interface", "localpath", "C:\\site").Emptied(),
                          RegValue(HKCU + "Idyle Software\\DirectFTP\\Interface", "Width", "640").Kept(),
                          FileAt(PF + "CoffeeCup Software\\DirectFTP\\FTPServers.ini", "[ftp.example.com]\r\nUser=alice\r\n"),
                          FileAt(PF + "CoffeeCup Software\\DirectFTP\\DirectFTP.exe").Kept()}));
    plans.push_back(Plan("TCoffeeCupGIFAnimator62",
                         {RegValue(HKCU + "CoffeeCup Software\\GIF Animator\\Settings\\MRU", "1", "C:\\banner.gif"),
                          RegKey(HKCU + "CoffeeCup Software\\GIF Animator\\Settings\\MRU").Kept()}));
    plans.push_back(Plan("TCoolEditPro", {FileAt("%WINDOWS%\\cool.ini",
                                                 "[DirGroup 101]\r\nItem=C:\\Audio\\interview.wav\r\n[Options]\r\nRate=44100\r\n")
                                              .Edited("-interview|+Item=|+Rate=44100")}));
    for (const char* edition : {"Basic", "Plus", "Pro"}) {
        std::string folder = PF + "Copernic 2001 " + edition;
        plans.push_back(Plan(std::string("TCopernic2001") + edition,
                             {FolderAt(folder).Kept(), FileAt(folder + "\\Copernic.exe").Kept(),
                              FileAt(folder + "\\Search Results\\privacy cleaner.htm"),
                              FileAt(folder + "\\Search Results\\Saved\\keep.htm").Kept(),
                              FileAt(folder + "\\data\\history.dat"), FileAt(folder + "\\data\\cache\\page.htm")}));
    }
    plans.push_back(Plan("TCuteMX25", {RegValue(HKCU + "GlobalSCAPE\\CuteMX\\SearchInfo", "0", "song"),
                                       RegValue(HKCU + "GlobalSCAPE\\CuteMX", "Nick", "alice").Kept(),
                                       FileAt("%APPDATA%\\GlobalSCAPE\\CuteMX\\ChatLog\\20261201.txt")}));
    return plans;
}
