// Traces of the FTP, web-authoring, toolbar, chat, file-sharing, Norton, image and
// media-player issues.
#include "tools/seeder/Seeder.h"

namespace {

const std::string HKCU = "HKCU\\Software\\";
const std::string HKLM = "HKLM\\Software\\";
const std::string PF = "%PROGRAMFILES%\\";

SeedPlan Plan(const std::string& name, std::vector<TraceItem> items, bool installed = true)
{
    return MakePlan(name, std::move(items), installed);
}

// A program's key with a setting that must survive, and one list the Solve deletes.
SeedPlan RecentList(const std::string& name, const std::string& key, const std::string& list)
{
    return Plan(name, {RegValue(key, "Window", "max").Kept(), RegValue(key + "\\" + list, "File1", "C:\\work\\draft.htm"),
                       RegValue(key + "\\" + list, "File2", "C:\\work\\letter.htm")});
}

}  // namespace

std::vector<SeedPlan> SeedPlansB()
{
    std::vector<SeedPlan> plans;
    const std::string scape = HKCU + "GlobalSCAPE\\";

    plans.push_back(Plan("TCuteFTP6HomeEdition",
                         {FolderAt(PF + "GlobalSCAPE").Kept(), FileAt(PF + "GlobalSCAPE\\CuteFTP Home\\cutehome.exe").Kept(),
                          FileAt(PF + "GlobalSCAPE\\CuteFTP Home\\sm.dat"), FileAt(PF + "GlobalSCAPE\\CuteFTP Home\\sm.bak"),
                          FileAt(PF + "GlobalSCAPE\\CuteFTP Home\\Log\\20261201.log"),
                          FileAt(PF + "GlobalSCAPE\\CuteFTP 7 Home\\commands.dat"),
                          FileAt(PF + "GlobalSCAPE\\CuteFTP\\7.0\\Logs\\session.log"),
                          RegValue(scape + "CuteFTP 6 Home\\Recent File List", "File1", "ftp.example.com"),
                          RegValue(scape + "CuteFTP 7 Home\\URLHistory", "0", "ftp://ftp.example.com/"),
                          RegValue(scape + "CuteFTP 7 Home", "Layout", "2").Kept()}));
    plans.push_back(Plan("TCuteFTP6ProfessionalEdition",
                         {FolderAt(PF + "GlobalSCAPE").Kept(),
                          FileAt(PF + "GlobalSCAPE\\CuteFTP Professional\\cuteftppro.exe").Kept(),
                          FileAt(PF + "GlobalSCAPE\\CuteFTP Professional\\sm.dat"),
                          FileAt(PF + "GlobalSCAPE\\CuteFTP 7 Professional\\sm.bak"),
                          FileAt(PF + "GlobalSCAPE\\CuteFTP 7 Professional\\Log\\20261201.log"),
                          FileAt(PF + "GlobalSCAPE\\CuteFTP\\6.0\\Logs\\session.log"),
                          FolderAt("%PROFILE%\\GlobalSCAPE").Kept(),
                          FileAt("%PROFILE%\\GlobalSCAPE\\CuteFTP Pro\\7.0\\sm.dat"),
                          FileAt("%PROFILE%\\GlobalSCAPE\\CuteFTP Pro\\Logs\\20261201.log"),
                          RegValue(scape + "CuteFTP 7 Professional\\URLHistory", "0", "ftp://ftp.example.com/")}));
    plans.push_back(Plan("TCuteFTP",
                         {FolderAt("%PROFILE%\\GlobalSCAPE").Kept(),
                          FileAt("%PROFILE%\\GlobalSCAPE\\CuteFTP\\6.0\\sm.dat"),
                          FileAt("%PROFILE%\\GlobalSCAPE\\CuteFTP\\6.0\\Logs\\20261201.log"),
                          FileAt("%PROFILE%\\GlobalSCAPE\\CuteFTP\\7.0\\sm.dat"),
                          FileAt("%PROFILE%\\GlobalSCAPE\\CuteFTP\\7.0\\settings.xml").Kept(),
                          FolderAt(PF + "GlobalSCAPE").Kept(), FileAt(PF + "GlobalSCAPE\\CuteFTP\\sm.dat"),
                          FileAt(PF + "GlobalSCAPE\\CuteFTP\\cuteftp.exe").Kept(),
                          RegValue(scape + "CuteFTP 3.0\\Cute MP3 and File Finder\\Keywords", "0", "song"),
                          RegValue(scape + "CuteFTP 3.0\\CuteFTP", "LastPastedURL", "ftp://ftp.example.com/").Emptied(),
                          RegValue(scape + "CuteFTP 4.0\\CuteFTP", "LastPastedURL", "ftp://ftp.example.org/").Emptied()}));
    plans.push_back(RecentList("TCuteHTML23", scape + "CuteHTML\\2.3", "Recent File List"));
    plans.push_back(Plan("TCuteHTML", {RegValue(scape + "CuteHTML Pro 5\\LastFiles", "0", "C:\\site\\index.htm"),
                                       RegValue(scape + "CuteHTML Pro 6\\OpenedFiles", "0", "C:\\site\\about.htm"),
                                       RegKey(scape + "CuteHTML Pro 6\\OpenedFiles").Kept(),
                                       RegValue(scape + "CuteHTML\\1.X\\Recent File List", "File1", "C:\\a.htm"),
                                       RegValue(scape + "CuteHTML Pro 6", "Font", "Courier").Kept()}));
    plans.push_back(Plan("TDiskeeper50",
                         {FolderAt(PF + "Executive Software").Kept(),
                          FileAt(PF + "Executive Software\\Diskeeper9X\\DKeventLog.txt"),
                          FileAt(PF + "Executive Software\\Diskeeper9X\\diskeeper.exe").Kept()},
                         false));
    plans.push_back(Plan("TDiskeeper80",
                         {FolderAt(PF + "Executive Software").Kept(),
                          FileAt(PF + "Executive Software\\Diskeeper\\DKeventLog.txt"),
                          FileAt(PF + "Executive Software\\Diskeeper\\diskeeper.exe").Kept()},
                         false));
    plans.push_back(Plan("TDownloadAccelerator",
                         {FolderAt(PF + "DAP").Kept(), FileAt(PF + "DAP\\DAP.exe").Kept(),
                          FileAt(PF + "DAP\\Ads\\banner1.gif"), FileAt(PF + "DAP\\Temp\\part0001.tmp"),
                          FileAt(PF + "DAP\\History\\history.dat"),
                          RegValue(HKCU + "SpeedBit\\Download Accelerator\\HistoryCombo", "URLHistory", "http://x/a.zip"),
                          RegValue(HKCU + "SpeedBit\\Download Accelerator", "Connections", "4").Kept(),
                          RegValue(HKLM + "SpeedBit\\Download Accelerator\\FileList", "0", "C:\\Downloads\\a.zip"),
                          RegValue(HKLM + "SpeedBit\\Download Accelerator\\ADS\\SecondMedia", "0", "ad"),
                          RegValue(HKCU + "SpeedBit\\DownloadAccelerator\\HistoryCombo", "0", "http://x/b.zip")}));
    plans.push_back(Plan("TEbayToolbar", {FolderAt(PF + "eBay").Kept(), FileAt(PF + "eBay\\eBay Toolbar\\eBayhistory.dat"),
                                          FileAt(PF + "eBay\\eBay Toolbar\\eBayhistory.bak"),
                                          FileAt(PF + "eBay\\eBay Toolbar\\toolbar.dll").Kept()}));
    plans.push_back(Plan("TEudora61", {FolderAt(PF + "Qualcomm").Kept(), FileAt(PF + "Qualcomm\\Eudora\\Trash.mbx"),
                                       FileAt(PF + "Qualcomm\\Eudora\\Trash.toc"),
                                       FileAt(PF + "Qualcomm\\Eudora\\In.mbx").Kept()}));
    plans.push_back(Plan("TGator", {FolderAt(PF + "Gator.com").Kept(), FileAt(PF + "Gator.com\\gator\\gator.exe").Kept(),
                                    FileAt(PF + "Gator.com\\gator\\Gator.log"), FileAt(PF + "Gator.com\\gator\\Banners\\b1.gif"),
                                    FileAt(PF + "Gator.com\\gator\\Scripts\\offer.js"), FileAt("%WINDOWS%\\GatorSetup.log"),
                                    FileAt("%WINDOWS%\\GatorPlugin.log")}));
    plans.push_back(Plan("TGoogleDeskbar", {RegValue(HKCU + "Google\\Deskbar\\termhistory", "0", "privacy"),
                                            RegValue(HKCU + "Google\\Deskbar\\urlhistory", "0", "http://example.com/"),
                                            RegValue(HKCU + "Google\\Deskbar", "Hotkey", "1").Kept()}));
    plans.push_back(Plan("TGoogleToolbar10", {RegValue(HKCU + "Google\\NavClient\\1.0\\History", "0", "privacy"),
                                              RegValue(HKCU + "Google\\NavClient\\1.0\\Options", "Highlight", "1").Kept()},
                         false));
    for (const char* name : {"TGoogleToolbar11", "TGoogleToolbar2"})
        plans.push_back(Plan(name, {RegValue(HKCU + "Google\\NavClient\\1.1\\History", "0", "privacy"),
                                    RegValue(HKCU + "Google\\NavClient\\1.1\\whitelist", "0", "example.com"),
                                    RegValue(HKCU + "Google\\NavClient\\1.1\\Options", "Highlight", "1").Kept()},
                             false));
    plans.push_back(Plan("TGraphicWorkshopPro", {FileAt("%WINDOWS%\\gwspro.ini", "[Recent]\r\nFile1=C:\\a.jpg\r\n")}, false));
    plans.push_back(Plan("THotbar30", {FolderAt(PF + "Hotbar").Kept(), FileAt(PF + "Hotbar\\v3.0\\hotbar.dll").Kept(),
                                       FileAt(PF + "Hotbar\\v3.0\\dynamic\\skin1.bmp"),
                                       FileAt(PF + "Hotbar\\v3.0\\static\\ad.gif"),
                                       RegValue(HKCU + "Hotbar\\hotbar\\ImagesHistory", "0", "http://x/a.gif")}));
    plans.push_back(Plan("THotJavaBrowser",
                         {FolderAt(PF + "HotJava").Kept(), FileAt(PF + "HotJava\\jre\\.hotjava\\cookies.txt"),
                          FileAt(PF + "HotJava\\jre\\.hotjava\\urlpool.dat"),
                          FileAt(PF + "HotJava\\jre\\.hotjava\\properties").Kept()}));
    plans.push_back(Plan("TiMesh", {FolderAt(PF + "iMesh").Kept(), FileAt(PF + "iMesh\\Client\\iMesh.exe").Kept(),
                                    FileAt(PF + "iMesh\\Client\\Partial\\song.mp3.part"),
                                    FileAt(PF + "iMesh\\Client\\PlayLists\\mix.m3u"), FileAt(PF + "iMesh\\Client\\DB\\db1.dat"),
                                    FileAt(PF + "iMesh\\Client\\shared.dbb"),
                                    RegValue(HKLM + "iMesh\\Client\\Local", "SearchEditHistory", "song"),
                                    RegValue(HKLM + "iMesh\\Client\\Local", "SearchEditHistorySize", "10"),
                                    RegValue(HKLM + "iMesh\\Client\\Local", "Port", "1214").Kept()}));
    plans.push_back(RecentList("TMacromediaDreamweaver3", HKCU + "Macromedia\\Dreamweaver 3", "Recent File List"));
    plans.push_back(Plan("TMacromediaDreamweaver4",
                         {RegValue(HKCU + "Macromedia\\Dreamweaver 4\\Recent File List", "File1", "C:\\site\\a.htm"),
                          RegValue(HKCU + "Macromedia\\Dreamweaver 4\\Temp File List", "File1", "C:\\site\\TMP1.htm"),
                          RegValue(HKCU + "Macromedia\\Dreamweaver 4\\Settings", "LastDirectory", "C:\\site"),
                          RegValue(HKCU + "Macromedia\\Dreamweaver 4\\Settings", "Grid", "1").Kept()}));
    plans.push_back(Plan("TMacromediaDreamweaverMX2004",
                         {RegValue(HKCU + "Macromedia\\Dreamweaver MX 2004\\Recent File List", "File1", "C:\\a.htm"),
                          RegValue(HKCU + "Macromedia\\Dreamweaver 6\\Recent File List", "File1", "C:\\b.htm"),
                          RegValue(HKCU + "Macromedia\\Dreamweaver MX 2004", "Window", "max").Kept()}));
    plans.push_back(RecentList("TMacromediaFireworkMX", HKCU + "Macromedia\\Firework 6", "Recent File List"));
    for (const char* version : {"55", "98"}) {
        std::string key = HKCU + (std::string(version) == "55" ? "Impact\\Microangelo" : "Impact\\Microangelo 98");
        plans.push_back(Plan(std::string("TMicroAngelo") + version,
                             {RegValue(key + "\\Studio\\MRU List", "0", "C:\\icons\\a.ico"),
                              RegValue(key + "\\Animator\\MRU List", "0", "C:\\icons\\b.ani"),
                              RegValue(key + "\\Studio", "Grid", "1").Kept()}));
    }
    plans.push_back(Plan("TMicrosoftHTMLHelp", {FileAt("%APPDATA%\\Microsoft\\HTML Help\\hh.dat"),
                                                FileAt("%APPDATA%\\Microsoft\\HTML Help\\settings.dat").Kept()},
                         false));
    plans.push_back(RecentList("TMicrosoftImaging", HKCU + "Kodak\\Imaging", "Recent File List"));
    plans.push_back(Plan("TMicrosoftNetmeeting",
                         {FolderAt(PF + "NetMeeting").Kept(), FileAt(PF + "NetMeeting\\conf.exe").Kept(),
                          FileAt(PF + "NetMeeting\\Received Files\\plan.doc"), FileAt(PF + "NetMeeting\\CallLog.dat"),
                          FileAt("%WINDOWS%\\Desktop\\Hitware plugin\\AOL Instant Messenger.hte"),
                          RegValue(HKCU + "Microsoft\\Conferencing\\UI\\CallMRU", "Name0", "bob"),
                          RegValue(HKCU + "Microsoft\\Conferencing\\UI\\Directory", "Name0", "ils.example.com"),
                          RegValue(HKCU + "Microsoft\\Conferencing\\UI", "Wizard", "1").Kept()}));
    plans.push_back(Plan("TMicrosoftOfficeInfoPath2003",
                         {RegValue(HKCU + "Microsoft\\Office\\11.0\\InfoPath", "Setup", "1").Kept(),
                          RegValue(HKCU + "Microsoft\\Office\\11.0\\InfoPath\\Recent File List", "File1", "C:\\form.xml"),
                          RegValue(HKCU + "Microsoft\\Office\\11.0\\InfoPath\\Recent Templates", "0", "C:\\t.xsn"),
                          FolderAt("%APPDATA%\\Microsoft\\Office\\Recent").Kept(),
                          FileAt("%APPDATA%\\Microsoft\\Office\\Recent\\form.xml.LNK")}));
    plans.push_back(Plan("TMicrosoftOfficePublisher2003",
                         {RegValue(HKCU + "Microsoft\\Office\\11.0\\Publisher", "Setup", "1").Kept(),
                          RegValue(HKCU + "Microsoft\\Office\\11.0\\Publisher\\Recent File List", "File1", "C:\\a.pub"),
                          FileAt("%APPDATA%\\Microsoft\\Office\\Recent\\flyer.pub"),
                          FileAt("%APPDATA%\\Microsoft\\Office\\Recent\\letter.doc.LNK").Kept()}));
    plans.push_back(Plan("TMirandaICQ", {FolderAt(PF + "Miranda ICQ").Kept(), FileAt(PF + "Miranda ICQ\\alice.hst"),
                                         FileAt(PF + "Miranda ICQ\\alice.dat").Kept(),
                                         FileAt(PF + "Miranda ICQ\\Old\\bob.hst").Kept()}));
    plans.push_back(Plan("TMIRC", {FolderAt(PF + "mirc").Kept(), FileAt(PF + "mirc\\mirc.exe").Kept(),
                                   FileAt(PF + "mirc\\download\\photo.jpg"), FolderAt("%DRIVE%\\mirc").Kept(),
                                   FileAt("%DRIVE%\\mirc\\download\\song.mp3")}));
    plans.push_back(Plan("TMorpheus", {FolderAt(PF + "Morpheus").Kept(), FileAt(PF + "Morpheus\\Morpheus.exe").Kept(),
                                       FileAt(PF + "Morpheus\\Db\\data1.dbb"), FileAt(PF + "Morpheus\\My\\shared.dat"),
                                       RegValue(HKCU + "Morpheus\\Morpheus\\Recent File List", "File1", "a.mp3")}));
    plans.push_back(Plan("TMSNMessenger", {FolderAt("%PERSONAL%\\My Received Files").Kept(),
                                           FileAt("%PERSONAL%\\My Received Files\\photo.jpg"),
                                           FileAt("%PERSONAL%\\My Received Files\\Holiday\\beach.jpg")}));
    plans.push_back(Plan("TMSNToolbar", {RegValue(HKCU + "Microsoft\\MSN Toolbar", "SearchStrings", "privacy"),
                                         RegValue(HKCU + "Microsoft\\MSN Toolbar", "Visible", "1").Kept()}));
    plans.push_back(Plan("TNapster", {FileAt("%DRIVE%\\shared.dat"), FileAt("%DRIVE%\\channels.dat"),
                                      FileAt(PF + "notify.dat"), FileAt("%DRIVE%\\boot.dat").Kept()},
                         false));
    plans.push_back(Plan("TNaviscope", {FolderAt("%APPDATA%\\Naviscope").Kept(), FileAt("%APPDATA%\\Naviscope\\history.dat"),
                                        FileAt("%APPDATA%\\Naviscope\\navrfile.dat"),
                                        FileAt("%APPDATA%\\Naviscope\\filters.dat").Kept()}));
    plans.push_back(Plan("TNetsonic", {FolderAt(PF + "NetSonic").Kept(), FileAt(PF + "NetSonic\\icache\\page1.htm"),
                                       FileAt(PF + "NetSonic\\icache\\0A\\img.gif"),
                                       FileAt(PF + "NetSonic\\NetSonic.exe").Kept()}));

    plans.push_back(Plan("TDivXPlayer25", {FolderAt(PF + "DivX").Kept(), FileAt(PF + "DivX\\DivX Player\\DivXPlayer2.dbf"),
                                           FileAt(PF + "DivX\\DivX Player\\DivX Player.exe").Kept(),
                                           RegValue(HKCU + "DivXNetworks\\DivX Player", "LastFile", "C:\\movie.avi"),
                                           RegKey(HKCU + "DivXNetworks\\DivX Player").Kept()}));
    {
        const std::string jukebox = PF + "MUSICMATCH\\MUSICMATCH Jukebox\\";
        plans.push_back(Plan("TMusicMatchJukebox",
                             {FolderAt(PF + "MUSICMATCH").Kept(), FileAt(jukebox + "mmjb.exe").Kept(),
                              FileAt(jukebox + "party.m3u"), FileAt(jukebox + "mmjb.log"),
                              FileAt(jukebox + "Mixes\\road.m3u").Kept(), FileAt(jukebox + "userinfo.dat"),
                              FileAt(jukebox + "mmjblog.txt"), FileAt(jukebox + "Cache\\art\\cover.jpg"),
                              FileAt(jukebox + "Library\\library.mdb"), FileAt(jukebox + "TEMP\\rip.tmp")}));
    }
    plans.push_back(Plan("TNortonAntiVirus2000",
                         {FolderAt(PF + "Navnt").Kept(), FileAt(PF + "Navnt\\ACTIVITY.LOG"),
                          FileAt(PF + "Navnt\\navwnt.exe").Kept(), FileAt("%WINDOWS%\\user.nav")}));
    plans.push_back(Plan("TNortonAntiVirus2003",
                         {FolderAt(PF + "Norton AntiVirus").Kept(), FileAt(PF + "Norton AntiVirus\\AVApp.log"),
                          FileAt(PF + "Norton AntiVirus\\Activity.log"),
                          FileAt(PF + "Norton AntiVirus\\navw32.exe").Kept()}));
    for (const char* product : {"Norton Personal Firewall", "Norton Internet Security"}) {
        std::string folder = PF + product + "\\";
        plans.push_back(Plan(std::string(product) == "Norton Personal Firewall" ? "TNortonFirewall" : "TNortonInternetSecurity",
                             {FolderAt(folder).Kept(), FileAt(folder + "iampriv.rel"), FileAt(folder + "iamfw.rel"),
                              FileAt(folder + "iamadblk.rel"), FileAt(folder + "iamapp.exe").Kept()}));
    }
    plans.push_back(Plan("TPaintShopPro70",
                         {RegValue(HKCU + "Jasc\\Paint Shop Pro 7\\Recent File List", "File1", "C:\\a.psp"),
                          RegValue(HKCU + "JASC\\Animation Shop\\Recent File List", "File1", "C:\\b.mng"),
                          RegValue(HKCU + "JASC\\Paint Shop Pro 7\\General", "FolderHistory", "C:\\Photos"),
                          RegValue(HKCU + "JASC\\Paint Shop Pro 7\\General", "BrowseDir", "C:\\Photos"),
                          RegValue(HKCU + "JASC\\Paint Shop Pro 7\\General", "Units", "cm").Kept()}));
    plans.push_back(RecentList("TPhotoCanvas20", HKCU + "ACD Systems\\FotoCanvas\\20", "Recent File List"));
    plans.push_back(RecentList("TPhotoDraw2000", HKCU + "Microsoft\\PhotoDraw\\1.0", "Recent File List"));
    plans.push_back(RecentList("TPhotoImpact5", HKCU + "Ulead Systems\\Ulead PhotoImpact\\5.0", "Recent File List"));
    plans.push_back(RecentList("TPhotoImpact80", HKCU + "Ulead Systems\\Ulead PhotoImpact\\8.0", "Recent File List"));
    plans.push_back(RecentList("TPhotoImpactViewer40", HKCU + "Ulead Systems\\PhotoImpact Viewer\\4.0", "Recent File List"));
    plans.push_back(Plan("TPicoZip2X", {RegValue(HKCU + "PicoZip\\MRU Items", "0", "C:\\a.zip"),
                                        RegValue(HKCU + "PicoZip\\MRUExtract", "0", "C:\\out"),
                                        RegValue(HKCU + "PicoZip", "Level", "9").Kept()}));
    plans.push_back(Plan("TPowerDVD5",
                         {FolderAt(PF + "CyberLink").Kept(), FileAt(PF + "CyberLink\\PowerDVD\\PowerDVD.exe").Kept(),
                          FileAt(PF + "CyberLink\\PowerDVD\\movies.pls"), FileAt(PF + "CyberLink\\PowerDVD\\songs.m3u"),
                          FileAt(PF + "CyberLink\\PowerDVD\\Skins\\dark.pls").Kept(),
                          FolderAt("%PERSONAL%\\CyberLink").Kept(), FileAt("%PERSONAL%\\CyberLink\\PowerDVD\\last.pls")}));
    {
        const std::string clips = HKCU + "RealNetworks\\RealPlayer\\6.0\\Preferences\\MostRecentClips";
        plans.push_back(Plan("TRealOneRealPlayer10",
                             {FolderAt("%APPDATA%\\Real").Kept(), FileAt("%APPDATA%\\Real\\RealPlayer\\urls.ini"),
                              FileAt("%APPDATA%\\Real\\RealPlayer\\cookies.txt"),
                              FileAt("%APPDATA%\\Real\\RealPlayer\\History\\clip1.dat"),
                              FileAt("%APPDATA%\\Real\\RealPlayer\\ErrorLogs\\err.log"),
                              FileAt("%APPDATA%\\Real\\RealPlayer\\prefs.ini").Kept(), RegValue(clips, "", "x"),
                              RegValue(clips + "0", "", "http://radio.example/"), RegValue(clips + "12", "", "C:\\a.rm"),
                              RegValue(clips + "13", "", "C:\\b.rm").Kept(),
                              RegValue(HKCU + "RealNetworks\\RealPlayer\\6.0\\Preferences\\Volume", "", "50").Kept()}));
    }
    plans.push_back(Plan("TSmartDraw5", {FileAt("%APPDATA%\\SmartDraw\\SMARTD4.OPT"),
                                         FileAt("%APPDATA%\\SmartDraw\\Symbols.sdl").Kept()},
                         false));
    return plans;
}
