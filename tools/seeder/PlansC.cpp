// Traces of archivers, players, recent-file lists, mail and chat logs and system tools.
#include "tools/seeder/Seeder.h"

namespace {

const std::string Soft = "HKCU\\Software\\";

SeedPlan Plan(const std::string& name, std::vector<TraceItem> items)
{
    return MakePlan(name, std::move(items));
}

// The Check looks at the program's own key or folder, which the Solve leaves.
SeedPlan Installed(const std::string& name, std::vector<TraceItem> items)
{
    return MakePlan(name, std::move(items), true);
}

}  // namespace

std::vector<SeedPlan> SeedPlansC()
{
    std::vector<SeedPlan> plans;

    plans.push_back(Plan("TSmartDraw6", {FolderAt("%APPDATA%\\SmartDraw").Kept(),
                                         FileAt("%APPDATA%\\SmartDraw\\SMARTD4.OPT", "LastFile=C:\\flow.sdr\r\n"),
                                         FileAt("%APPDATA%\\SmartDraw\\Symbols.sdl").Kept()}));
    plans.push_back(Installed(
        "TSonique",
        With({FolderAt("%PROGRAMFILES%\\Sonique").Kept(), FileAt("%PROGRAMFILES%\\Sonique\\sonique.exe").Kept(),
              FileAt("%PROGRAMFILES%\\Sonique\\last.pls", "[playlist]\r\nFile1=C:\\music\\song.mp3\r\n"),
              FileAt("%PROGRAMFILES%\\Sonique\\party.pls"),
              FileAt("%PROGRAMFILES%\\Sonique\\Skins\\default.pls").Kept(),
              RegValue(Soft + "MediaScience\\Sonique\\General Preferences 0.80", "LoadPlaylist", "C:\\last.pls"),
              Setting(Soft + "MediaScience\\Sonique\\General Preferences 0.80", "Volume")},
             With(Mru(Soft + "MediaScience\\Sonique\\PLAY_HISTORY"), Mru(Soft + "MediaScience\\Sonique\\URL_HISTORY")))));
    plans.push_back(Plan("TStarOffice51", {FolderAt("%DRIVE%\\Office51").Kept(),
                                           FileAt("%DRIVE%\\Office51\\Soffice.ini", "[Recent]\r\n1=C:\\a.sdw\r\n"),
                                           FileAt("%DRIVE%\\Office51\\soffice.exe").Kept()}));
    plans.push_back(Installed("TSWiSH20", With(With(Mru(Soft + "DJJ Holdings\\SWiSH\\Recent File List"),
                                                    Mru(Soft + "SWiSHzone.com\\SWiSH\\Recent File List")),
                                               {Setting(Soft + "DJJ Holdings\\SWiSH\\Settings"),
                                                Setting(Soft + "SWiSHzone.com\\SWiSH\\Settings")})));
    plans.push_back(Installed("TUleadGIFAnimator505",
                              With(Mru(Soft + "Ulead Systems\\Ulead GIF Animator\\5.05\\Recent File List"),
                                   {Setting(Soft + "Ulead Systems\\Ulead GIF Animator\\5.05\\Settings")})));
    plans.push_back(Installed("TWebferret",
                              {RegValue(Soft + "FerretSoft\\NetFerret\\CurrentVersion\\Web", "Search History",
                                        "cheap flights|symptoms fever"),
                               Setting(Soft + "FerretSoft\\NetFerret\\CurrentVersion\\Web", "Max Results")}));
    plans.push_back(Installed("TWinAce2X", With(With(Mru(Soft + "e-merge\\WinAce\\2.0\\Favorites"),
                                                     Mru(Soft + "e-merge\\WinAce\\2.0\\MRU Items")),
                                                With(Mru(Soft + "e-merge\\WinAce\\2.0\\Copy"),
                                                     {Setting(Soft + "e-merge\\WinAce\\2.0\\Options")}))));
    {
        SeedPlan plan = Installed(
            "TWinamp27",
            {RegKey("HKCR\\Winamp.File").Kept(),
             RegValue("HKCR\\Winamp.File\\DefaultIcon", "", "%PROGRAMFILES%\\Winamp\\winamp.exe,1").Kept(),
             FolderAt("%PROGRAMFILES%\\Winamp").Kept(), ProgramAt("%PROGRAMFILES%\\Winamp\\winamp.exe", 2).Kept(),
             FileAt("%PROGRAMFILES%\\Winamp\\Winamp.ini", "[Winamp]\r\nrecent_dir=C:\\music\r\n"),
             FileAt("%PROGRAMFILES%\\Winamp\\winamp.m3u", "#EXTM3U\r\nC:\\music\\song.mp3\r\n"),
             FileAt("%PROGRAMFILES%\\Winamp\\Winamp\\Winamp.ini"),
             FileAt("%PROGRAMFILES%\\Winamp\\Plugins\\in_mp3.dll").Kept()});
        plans.push_back(plan);
    }
    for (const char* winrar : {"TWinRAR30", "TWinRAR34"}) {
        plans.push_back(Installed(
            winrar, With(With(Mru(Soft + "WinRAR\\ArcHistory"), Mru(Soft + "WinRAR\\DialogEditHistory\\ArcName")),
                         {RegValue(Soft + "WinRAR\\General", "LastFolder", "C:\\Downloads"),
                          Setting(Soft + "WinRAR\\General", "Toolbar"),
                          RegValue(Soft + "WinRAR\\Compression", "deffolder", "C:\\Archives"),
                          RegValue(Soft + "WinRAR\\Extraction", "deffolder", "C:\\Extracted"),
                          RegValue(Soft + "WinRAR\\Extraction", "lastfolder", "C:\\Extracted\\taxes"),
                          RegDword(Soft + "WinRAR\\Extraction", "Overwrite", 1).Kept(),
                          RegValue(Soft + "WinRAR\\Paths", "startfolder", "C:\\Downloads")})));
    }
    plans.push_back(Installed(
        "TWinZip90", With(With(Mru(Soft + "Nico Mak Computing\\WinZip\\extract"),
                               Mru(Soft + "Nico Mak Computing\\WinZip\\filemenu")),
                          {RegValue(Soft + "Nico Mak Computing\\WinZip\\directories", "ExtractTo", "C:\\Unzipped"),
                           RegValue(Soft + "Nico Mak Computing\\WinZip\\directories", "DefDir", "C:\\Zips"),
                           Setting(Soft + "Nico Mak Computing\\WinZip\\directories", "CheckOutDir"),
                           Setting(Soft + "Nico Mak Computing\\WinZip\\WinZip", "Name")})));
    plans.push_back(Installed("TXara3D50", With(Mru(Soft + "Xara\\X3D5\\Recent File List"),
                                                {Setting(Soft + "Xara\\X3D5\\Options")})));
    {
        std::vector<TraceItem> items = {FolderAt("%PROGRAMFILES%\\Yahoo!").Kept(),
                                        FileAt("%PROGRAMFILES%\\Yahoo!\\Messenger\\ypager.exe").Kept(),
                                        FileAt("%PROGRAMFILES%\\Yahoo!\\Messenger\\ypager.log"),
                                        FolderAt("%PROGRAMFILES%\\Yahoo!\\Messenger\\IMVCache").Emptied(),
                                        FolderAt("%PROGRAMFILES%\\Yahoo!\\Messenger\\Profiles").Emptied(),
                                        FileAt("%PROGRAMFILES%\\Yahoo!\\Messenger\\Profiles\\jdoe\\Archive\\Messages\\"
                                               "friend\\20261201-jdoe.dat")};
        Append(items, CacheTree("%PROGRAMFILES%\\Yahoo!\\Messenger\\IMVCache", 6, 2));
        plans.push_back(Installed("TYahooMessenger", items));
    }
    plans.push_back(Installed(
        "TYahooPlayer",
        With({FolderAt("%PROGRAMFILES%\\Yahoo!").Kept(), FileAt("%PROGRAMFILES%\\Yahoo!\\Player\\yplayer.exe").Kept(),
              FileAt("%PROGRAMFILES%\\Yahoo!\\Player\\yplayer.ypl"), FileAt("%PROGRAMFILES%\\Yahoo!\\Player\\findmusic.ini"),
              RegValue(Soft + "Yahoo\\YPlayer\\Settings", "open initial dir", "C:\\My Music"),
              Setting(Soft + "Yahoo\\YPlayer\\Settings", "volume")},
             Mru(Soft + "Yahoo\\YPlayer\\Recent URLs"))));
    {
        std::vector<TraceItem> items = {Setting(Soft + "Mijenix\\ZipMagic\\CurrentVersion", "InstallDir")};
        for (const char* key : {"Recent", "Archive Manager\\UnZip T", "UnZip To", "Zip To"})
            Append(items, Mru(Soft + "Mijenix\\ZipMagic\\CurrentVersion\\" + key));
        plans.push_back(Installed("TZipMagic2000", items));
    }
    plans.push_back(Plan("TZoneAlarm", {FolderAt("%WINDOWS%\\Internet Logs").Emptied(),
                                        FileAt("%WINDOWS%\\Internet Logs\\ZALog.txt",
                                               "# ZoneAlarm log\r\nFWIN,2026/12/01,10:22:31 +1:00 GMT,192.0.2.7:1031,"
                                               "198.51.100.2:80,TCP (flags:S)\r\nFWIN,2026/12/01,10:22:35 +1:00 "
                                               "GMT,192.0.2.7:1032,198.51.100.2:443,TCP (flags:S)\r\n"),
                                        FileAt("%WINDOWS%\\Internet Logs\\backup.rdb"),
                                        FileAt("%WINDOWS%\\Internet Logs\\2026-11\\ZALog.txt"),
                                        FileAt("%WINDOWS%\\zllictbl.dat").Kept()}));
    plans.push_back(Installed("TEditPlus2RecentFileList", With(Mru(Soft + "ES-Computing\\EditPlus 2\\Recent File List"),
                                                               {Setting(Soft + "ES-Computing\\EditPlus 2\\Options")})));
    plans.push_back(Installed("TEudoraMail", {FolderAt("%PROGRAMFILES%\\Qualcomm").Kept(),
                                              FileAt("%PROGRAMFILES%\\Qualcomm\\Eudora\\In.mbx").Kept(),
                                              FileAt("%PROGRAMFILES%\\Qualcomm\\Eudora\\Trash.mbx", "From ???@???\r\n"),
                                              FileAt("%PROGRAMFILES%\\Qualcomm\\Eudora\\Trash.toc")}));
    plans.push_back(Plan("TExcel2000RecentFileList", With(Mru(Soft + "Microsoft\\Office\\9.0\\Excel\\Recent Files"),
                                                          {Setting(Soft + "Microsoft\\Office\\9.0\\Excel\\Options")})));
    plans.push_back(Installed("TFlashGetRecentFiles", {FolderAt("%PROGRAMFILES%\\FlashGet").Kept(),
                                                       FileAt("%PROGRAMFILES%\\FlashGet\\flashget.exe").Kept(),
                                                       FileAt("%PROGRAMFILES%\\FlashGet\\Default.jcd"),
                                                       FileAt("%PROGRAMFILES%\\FlashGet\\Default.bk1"),
                                                       FileAt("%PROGRAMFILES%\\FlashGet\\Default.bk2"),
                                                       FileAt("%PROGRAMFILES%\\FlashGet\\Download\\old.bk1").Kept()}));
    plans.push_back(Installed(
        "TGetRightExplorerBarRecentlyFileList",
        With(Mru(Soft + "VB and VBA Program Settings\\GetRightExplorerBar\\CachedData"),
             {Setting(Soft + "VB and VBA Program Settings\\GetRightExplorerBar\\Settings")})));
    {
        std::vector<TraceItem> items = {Setting(Soft + "Macromedia\\Flash 4\\Settings")};
        for (const char* key : {"Import", "Open Document", "Recent File List"})
            Append(items, Mru(Soft + "Macromedia\\Flash 4\\" + key));
        plans.push_back(Installed("TMacromediaFlash40RecentFileList", items));
    }
    plans.push_back(Installed("TMediaJukebox", {FolderAt("%PROGRAMFILES%\\J River").Kept(),
                                                FileAt("%PROGRAMFILES%\\J River\\Media JukeBox\\mjb.exe").Kept(),
                                                FileAt("%PROGRAMFILES%\\J River\\Media JukeBox\\Data\\Library.jmd"),
                                                FileAt("%PROGRAMFILES%\\J River\\Media JukeBox\\Data\\Playlists.jmd"),
                                                FileAt("%PROGRAMFILES%\\J River\\Media JukeBox\\Data\\Skins.ini").Kept()}));
    plans.push_back(Installed(
        "TMSPaint", With(Mru(Soft + "Microsoft\\Windows\\CurrentVersion\\Applets\\Paint\\Recent File List"),
                         {Setting(Soft + "Microsoft\\Windows\\CurrentVersion\\Applets\\Paint\\View")})));
    plans.push_back(Installed(
        "TMSPhotoEditor",
        {RegValue(Soft + "Microsoft\\Photo Editor\\3.0\\Microsoft Photo Editor", "LastFile", "C:\\holiday.jpg"),
         RegValue(Soft + "Microsoft\\Photo Editor\\3.0\\Microsoft Photo Editor", "LastType", "JPEG"),
         Setting(Soft + "Microsoft\\Photo Editor\\3.0\\Microsoft Photo Editor", "Zoom"),
         RegValue(Soft + "Microsoft\\Photo Editor\\3.0\\File Options", "Path", "C:\\Photos")}));
    plans.push_back(Installed("TNetscapeMail", {FolderAt("%APPDATA%\\Mozilla").Kept(),
                                                FolderAt("%APPDATA%\\Mozilla\\Profiles\\trash").Emptied(),
                                                FileAt("%APPDATA%\\Mozilla\\Profiles\\trash\\Inbox"),
                                                FileAt("%APPDATA%\\Mozilla\\Profiles\\trash\\old\\Sent"),
                                                FileAt("%APPDATA%\\Mozilla\\Profiles\\registry.dat").Kept()}));
    {
        std::vector<TraceItem> items = {Setting(Soft + "Symantec\\Navigator\\Options")};
        for (const char* key : {"FileAssist\\History Lists", "FILEMGR\\FMDirTree\\Hist", "SYMFDLG4\\History_Lists"})
            Append(items, Mru(Soft + "Symantec\\Navigator\\" + key));
        plans.push_back(Installed("TNortonFileManagerRecentFileList", items));
    }
    {
        std::vector<TraceItem> items = {FolderAt("%PROGRAMFILES%\\Norton Personal Firewall").Kept(),
                                        FileAt("%PROGRAMFILES%\\Norton Personal Firewall\\iamapp.exe").Kept(),
                                        FileAt("%PROGRAMFILES%\\Norton Personal Firewall\\iam.dat").Kept()};
        for (const char* log : {"iampriv", "iamwebh", "iamfw", "iamsys", "iamtdi", "iamtcp", "iamadblk"})
            items.push_back(FileAt("%PROGRAMFILES%\\Norton Personal Firewall\\" + std::string(log) + ".rel"));
        plans.push_back(Installed("TNortonPersonalFirewall2003LogFiles", items));
    }
    plans.push_back(Installed("TNortonUtilities2000History",
                              {FolderAt("%PROGRAMFILES%\\Norton Utilities").Kept(),
                               FileAt("%PROGRAMFILES%\\Norton Utilities\\diskedit.exe").Kept(),
                               FileAt("%WINDOWS%\\user.nu4"),
                               FileAt("%PROGRAMFILES%\\Norton Utilities\\LNK_UNDO\\undo0001.dat"),
                               FileAt("%PROGRAMFILES%\\Norton Utilities\\Reg_undo\\reg0001.dat"),
                               FileAt("%PROGRAMFILES%\\Norton Utilities\\RegTrk\\track.log")}));
    plans.push_back(Installed("TPowerZipRecentFileList",
                              With(Mru(Soft + "Trident Software\\PowerZip\\Recent File List"),
                                   {Setting(Soft + "Trident Software\\PowerZip\\Settings")})));
    {
        const std::string real = "HKLM\\SOFTWARE\\Classes\\Software\\RealNetworks\\RealPlayer\\6.0\\Preferences";
        plans.push_back(Installed(
            "TRealplayerRecentFiles",
            {RegKey(real + "\\MostRecentClips").Kept(), RegValue(real + "\\MostRecentClips", "", "0"),
             RegValue(real + "\\MostRecentClips", "Clip1", "http://radio.example/live.ram"),
             RegValue(real + "\\MostRecentClips", "Clip2", "C:\\video\\party.rm"),
             RegValue(real + "\\AutoUpgrade", "", "1").Kept()}));
    }
    plans.push_back(Installed(
        "TRoxioEasyCDCreatorRecentFileList",
        With(With(Mru(Soft + "Roxio\\Roxio Shared\\Creator API\\2.0\\Recent File List"),
                  Mru(Soft + "Roxio\\Creator Classic\\6.0\\Creatorc.exe\\Recent File List")),
             {RegValue(Soft + "Roxio\\Creator Classic\\6.0\\Creatorc.exe\\FileDialogDirectories", "opensave",
                       "C:\\Burn"),
              Setting(Soft + "Roxio\\Creator Classic\\6.0\\Creatorc.exe\\FileDialogDirectories", "addfiles")})));
    {
        const std::string telnet = Soft + "Microsoft\\Telnet";
        plans.push_back(Installed("TWindowsTelnetRecentlyVisitedServers",
                                  {RegValue(telnet, "LastMachine", "mail.example.com"),
                                   RegValue(telnet, "Machine1", "mail.example.com"),
                                   RegValue(telnet, "Machine2", "bbs.example.org"),
                                   RegValue(telnet, "Machine3", "10.0.0.5"),
                                   RegValue(telnet, "Machine4", "router.lan").Kept(),
                                   RegValue(telnet, "LastPort", "telnet").Kept()}));
    }
    {
        std::vector<TraceItem> items = {FolderAt("%PROGRAMFILES%\\Trillian").Kept(),
                                        FileAt("%PROGRAMFILES%\\Trillian\\trillian.exe").Kept(),
                                        FileAt("%PROGRAMFILES%\\Trillian\\users\\default\\talk.ini").Kept(),
                                        FolderAt("%PROGRAMFILES%\\Trillian\\users\\default\\cache").Emptied(),
                                        FolderAt("%PROGRAMFILES%\\Trillian\\users\\default\\logs").Emptied(),
                                        FileAt("%PROGRAMFILES%\\Trillian\\users\\default\\logs\\MSN\\friend.log"),
                                        FileAt("%PROGRAMFILES%\\Trillian\\users\\default\\logs\\ICQ.log")};
        Append(items, CacheTree("%PROGRAMFILES%\\Trillian\\users\\default\\cache", 5, 0));
        plans.push_back(Installed("TTrillianLogFilesCacheFiles", items));
    }
    for (const auto& ulead : {std::make_pair("TUleadGifAnimatorv40RecentFileList", "Ulead GIF Animator\\4.0"),
                              std::make_pair("TUleadPhotoImpact60RecentFileList", "Ulead PhotoImpact\\6.0"),
                              std::make_pair("TUleadPhotoImpact70RecentFileList", "Ulead PhotoImpact\\7.0")}) {
        std::string key = Soft + "Ulead Systems\\" + ulead.second;
        plans.push_back(Installed(ulead.first, With(Mru(key + "\\Recent File List"), {Setting(key + "\\Settings")})));
    }
    plans.push_back(Plan("TUltraEditRecentFileList",
                         {FileAt("%WINDOWS%\\UEDIT32.INI", "[Recent File List]\r\nFile1=C:\\notes.txt\r\n")}));
    plans.push_back(Installed("TWinAceRecentFileList",
                              With(With(Mru(Soft + "e-merge\\WinAce\\2.0\\Favorites"),
                                        Mru(Soft + "e-merge\\WinAce\\2.0\\MRU Items")),
                                   {RegKey(Soft + "e-merge\\WinAce\\2.0\\Copy").Kept(),
                                    RegValue(Soft + "e-merge\\WinAce\\2.0\\Copy", "Dest1", "C:\\Backup").Kept()})));
    {
        const std::string player = Soft + "Microsoft\\MediaPlayer\\Player";
        std::vector<TraceItem> items = {FolderAt("%APPDATA%\\Microsoft\\Media Player").Emptied(),
                                        FileAt("%APPDATA%\\Microsoft\\Media Player\\CurrentDatabase_59R.wmdb"),
                                        FileAt("%APPDATA%\\Microsoft\\Media Player\\Art Cache\\LocalMLS\\1.jpg"),
                                        FolderAt("%WINDOWS%\\All Users").Kept(),
                                        FileAt("%WINDOWS%\\All Users\\Application Data\\Microsoft\\Media Index\\wmplibrary_v_0_12.db"),
                                        FileAt("%WINDOWS%\\wmplibrary_v_0_12.db"),
                                        FileAt("%WINDOWS%\\wmplibrary_v_0_12.lrd"),
                                        RegValue(player + "\\RecentSettings", "OpenDir", "C:\\My Music"),
                                        Setting(player + "\\Settings", "Volume")};
        Append(items, Mru(player + "\\RecentFileList"));
        Append(items, Mru(player + "\\RecentURLList"));
        plans.push_back(Installed("TMediaPlayerRecentFileList", items));
    }
    plans.push_back(Installed(
        "TWordPadRecentFileList",
        With(Mru(Soft + "Microsoft\\Windows\\CurrentVersion\\Applets\\Wordpad\\Recent File List"),
             {Setting(Soft + "Microsoft\\Windows\\CurrentVersion\\Applets\\Wordpad\\Options", "FrameRect")})));
    plans.push_back(Installed(
        "TZipMagicRecentFileList",
        With(Mru(Soft + "Mijenix\\ZipMagic\\CurrentVersion\\Recent"),
             {RegValue(Soft + "Mijenix\\ZipMagic\\CurrentVersion\\UnZip To", "File1", "C:\\Unzipped").Kept()})));
    {
        const std::string history = Soft + "7-ZIP\\Compression\\ArcHistory";
        std::vector<TraceItem> items = {Setting(Soft + "7-ZIP\\Compression", "Level"),
                                        RegValue(history, "11", "C:\\oldest.7z").Kept()};
        for (int n = 0; n <= 10; ++n)
            items.push_back(RegValue(history, std::to_string(n), "C:\\Archives\\backup" + std::to_string(n) + ".7z"));
        plans.push_back(Installed("T7ZipCompressionPgm", items));
    }
    plans.push_back(Installed(
        "TACDSee", {RegValue(Soft + "ACD Systems\\ACDSee", "LastFolder", "C:\\Photos\\2026"),
                    RegValue(Soft + "ACD Systems\\ACDSee", "Favorites", "C:\\Private"),
                    RegValue(Soft + "ACD Systems\\ACDSee\\Plugins", "Enabled", "1").Kept(),
                    RegValue("HKU\\.default\\Software\\ACD Systems\\ACDSee", "LastFolder", "C:\\Shared\\Photos")}));
    plans.push_back(Installed("TAcousticaCDLabelMaker", With(Mru(Soft + "Acoustica\\CD Label Maker\\MRU"),
                                                             {Setting(Soft + "Acoustica\\CD Label Maker\\Settings")})));
    plans.push_back(Installed("TAcrobatReader70",
                              With(With(Mru(Soft + "Adobe\\Acrobat\\7.0\\Weblink\\7.0\\OpenURL"),
                                        Mru(Soft + "Adobe\\Acrobat Reader\\7.0\\AVGeneral\\cRecentFiles")),
                                   {Setting(Soft + "Adobe\\Acrobat\\7.0\\Language"),
                                    Setting(Soft + "Adobe\\Acrobat Reader\\7.0\\AVGeneral", "bShowSplash")})));
    for (const char* acrobat : {"TAcrobatReader30", "TAcrobatReader31"})
        plans.push_back(Plan(acrobat, {FileAt("%WINDOWS%\\acroread.ini", "[AdobeViewer]\r\nLastFile=C:\\offer.pdf\r\n")}));
    plans.push_back(Installed("TAdawareSE", {FolderAt("%PROFILE%\\Lavasoft").Kept(),
                                             FileAt("%PROFILE%\\Lavasoft\\Ad-Aware\\prefs.ini").Kept(),
                                             FolderAt("%PROFILE%\\Lavasoft\\Ad-Aware\\Logs").Emptied(),
                                             FileAt("%PROFILE%\\Lavasoft\\Ad-Aware\\Logs\\Ad-Aware log 12-01-2026.txt"),
                                             FileAt("%PROFILE%\\Lavasoft\\Ad-Aware\\Logs\\Ad-Aware log 12-02-2026.txt")}));
    plans.push_back(Installed("TAdaptecEasyCDCreator",
                              With(Mru(Soft + "Adaptec\\Easy CD Creator 4\\4.0\\Recent File List"),
                                   {Setting(Soft + "Adaptec\\Easy CD Creator 4\\4.0\\Settings")})));
    plans.push_back(Installed("TAddSoft", {FolderAt("%PROGRAMFILES%\\AddSoft").Kept(),
                                           FileAt("%PROGRAMFILES%\\AddSoft\\addsoft.exe").Kept(),
                                           FolderAt("%PROGRAMFILES%\\AddSoft\\reports").Emptied(),
                                           FileAt("%PROGRAMFILES%\\AddSoft\\reports\\submissions.htm")}));
    plans.push_back(Installed("TAddWeb30", {FolderAt("%PROGRAMFILES%\\Addweb3").Kept(),
                                            FileAt("%PROGRAMFILES%\\Addweb3\\Reports\\template.htm").Kept(),
                                            FolderAt("%PROGRAMFILES%\\Addweb3\\Reports\\Output").Emptied(),
                                            FileAt("%PROGRAMFILES%\\Addweb3\\Reports\\Output\\rank-2026-12.htm")}));
    plans.push_back(Installed("TAdvancedMP3Catalog",
                              {RegValue(Soft + "Wizetech\\AMC3", "SearchString", "live bootleg"),
                               Setting(Soft + "Wizetech\\AMC3", "Database")}));
    plans.push_back(Plan("TAgnitumOutpostPro", {FolderAt("%PROGRAMFILES%\\Agnitum").Kept(),
                                                FileAt("%PROGRAMFILES%\\Agnitum\\Outpost Firewall\\outpost.exe").Kept(),
                                                FileAt("%PROGRAMFILES%\\Agnitum\\Outpost Firewall\\op_data.mdb")}));
    plans.push_back(Installed("TAIMloginnames",
                              With({FolderAt("%PERSONAL%\\filelib").Emptied(),
                                    FileAt("%PERSONAL%\\filelib\\received\\photo.jpg"),
                                    FileAt("%PERSONAL%\\filelib\\notes.txt"),
                                    Setting(Soft + "Van Dyke Technologies\\AbsoluteFTP\\Settings")},
                                   Mru(Soft + "Van Dyke Technologies\\AbsoluteFTP\\Recent File List"))));
    return plans;
}
