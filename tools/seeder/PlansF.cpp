// Traces of the image tools and of the browser and mail families: whole profiles, so
// that each issue's plan also shows that the files of its sibling issues survive.
#include "tools/seeder/Seeder.h"

#include <set>

namespace {

const std::string HKCU = "HKCU\\Software\\";
const std::string HKLM = "HKLM\\Software\\";

SeedPlan Plan(const std::string& name, std::vector<TraceItem> items, bool foundAfterSolve = true)
{
    return MakePlan(name, std::move(items), foundAfterSolve);
}

const char* const CookieFile = "# HTTP Cookie File\r\n# http://www.netscape.com/newsref/std/cookie_spec.html\r\n"
                               "# This is a generated file!  Do not edit.\r\n\r\n"
                               ".example.com\tTRUE\t/\tFALSE\t1893456000\tsid\tabc123\r\n"
                               ".news.example\tTRUE\t/\tFALSE\t1893456000\tuser\talice\r\n";
const char* const CutCookies = "-abc123|-alice|+# HTTP Cookie File|+Do not edit.";

std::vector<Owned> FirefoxProfile(const std::string& root)
{
    const std::string p = root + "\\Profiles\\x1y2z3ab.default\\";
    std::vector<Owned> profile;
    Own(profile, "", {FolderAt(root), FolderAt(p + "Cache"), FileAt(p + "bookmarks.html", "<DL>"),
                      FileAt(p + "history.dat", "// history"), FileAt(p + "prefs.js", "user_pref(\"a\", 1);")});
    Own(profile, "TMozillaFirefoxCookies", {FileAt(p + "cookies.txt", CookieFile).Edited(CutCookies)});
    Own(profile, "TMozillaFirefoxCache", CacheTree(p + "Cache", 16));
    Own(profile, "TMozillaFirefoxWebFeatures",
        {FileAt(p + "cookperm.txt", "ads.example\t1\tF"), FileAt(p + "hostperm.1", "host\tpopup\t1\tnews.example")});
    Own(profile, "TMozillaFirefoxDownloadInfo", {FileAt(p + "downloads.rdf", "<RDF:RDF/>")});
    Own(profile, "TMozillaFirefoxSavedPasswords", {FileAt(p + "signons.txt", "#2c\r\n.\r\nhttp://mail.example\r\n")});
    return profile;
}

std::vector<Owned> ThunderbirdProfile()
{
    const std::string p = "%APPDATA%\\Thunderbird\\Profiles\\tb34cd56.default\\";
    std::vector<Owned> profile;
    Own(profile, "", {RegValue(HKLM + "Microsoft\\Windows\\CurrentVersion\\App Paths\\thunderbird.exe", "",
                               "%PROGRAMFILES%\\Mozilla Thunderbird\\thunderbird.exe"),
                      FolderAt("%APPDATA%\\Thunderbird"), FileAt(p + "Mail\\Local Folders\\Inbox", "From alice"),
                      FileAt(p + "Mail\\Local Folders\\Inbox.msf", "index"), FileAt(p + "key3.db", "keys")});
    Own(profile, "TMozillaThunderbirdSavedPasswords", {FileAt(p + "48291734.s", "#2c\r\nmail.example\r\n")});
    Own(profile, "TMozillaThunderbirdAddressBook",
        {FileAt(p + "abook.mab", "// <!-- <mdb:mork:z"), FileAt(p + "history.mab", "// <!-- <mdb:mork:z")});
    Own(profile, "TMozillaThunderbirdAccountsSettings",
        {FileAt(p + "prefs.js", "user_pref(\"mail.identity.id1.useremail\", \"alice@example.com\");"),
         FileAt(p + "prefs.bak", "user_pref(\"mail.server.server1.name\", \"alice\");"),
         FileAt(p + "panacea.dat", "cache")});
    Own(profile, "TMozillaThunderbirdSentMmail",
        {FileAt(p + "Mail\\Local Folders\\Sent", "From alice to bob"), FileAt(p + "Mail\\Local Folders\\Sent.msf", "idx")});
    Own(profile, "TMozillaThunderbirdTrashMail",
        {FileAt(p + "Mail\\Local Folders\\Trash", "From spam"), FileAt(p + "Mail\\Local Folders\\Trash.msf", "idx")});
    return profile;
}

std::vector<Owned> NetscapeUsers()
{
    const std::string u = "%PROGRAMFILES%\\Netscape\\Users\\alice\\";
    std::vector<Owned> profile;
    Own(profile, "", {RegValue(HKCU + "Netscape\\Netscape Navigator\\biff", "CurrentUser", "alice"),
                      FolderAt("%PROGRAMFILES%\\Netscape"), FolderAt(u + "Cache"),
                      FileAt("%PROGRAMFILES%\\Netscape\\Communicator\\Program\\netscape.exe"),
                      FileAt(u + "bookmark.htm", "<DL>"), FileAt(u + "liprefs.js", "user_pref(\"li\", 1);")});
    Own(profile, "TNetscapeNavigator4xCookies", {FileAt(u + "cookies.txt", CookieFile).Edited(CutCookies)});
    Own(profile, "TNetscapeNavigator4xCache", CacheTree(u + "Cache", 8, 0));
    Own(profile, "TNetscapeNavigator4xAddressBar",
        {FileAt(u + "prefs.js", "user_pref(\"browser.url_history.URL_1\", \"http://news.example/\");\r\n")});
    return profile;
}

// The Mozilla suite's profile, with a Firefox profile in the same Mozilla folder: the
// history and cookie issues pass Firefox by, the others act on it too.
std::vector<Owned> MozillaSuite()
{
    const std::string m = "%APPDATA%\\Mozilla\\Profiles\\default\\k3j4h5g6.slt\\";
    const std::string f = "%APPDATA%\\Mozilla\\Firefox\\Profiles\\x1y2z3ab.default\\";
    std::vector<Owned> profile;
    Own(profile, "", {FolderAt("%APPDATA%\\Mozilla"), FolderAt(m + "Cache"), FolderAt(f + "Cache"),
                      FileAt(m + "bookmarks.html", "<DL>"), FileAt(f + "history.dat", "// firefox history"),
                      FileAt(f + "cookies.txt", CookieFile)});
    Own(profile, "TMozillaNavigatorHisotry", {FileAt(m + "history.dat", "// <!-- <mdb:mork:z").Truncated()});
    Own(profile, "TMozillaNavigatorCookies", {FileAt(m + "cookies.txt", CookieFile).Edited(CutCookies)});
    Own(profile, "TMozillaNavigatorCache", CacheTree(m + "Cache", 8, 0));
    Own(profile, "TMozillaNavigatorCache", CacheTree(f + "Cache", 4, 0));
    Own(profile, "TMozillaNavigatorDownloadInfo",
        {FileAt(m + "downloads.rdf", "<RDF:RDF/>").Truncated(), FileAt(f + "downloads.rdf", "<RDF:RDF/>").Truncated()});
    Own(profile, "TMozillaNavigatorSavedPasses", {FileAt(m + "28461937.s", "#2c"), FileAt(f + "91735284.s", "#2c")});
    Own(profile, "TMozillaNavigatorOpenedPageKey",
        {FileAt(m + "prefs.js", "user_pref(\"browser.history.last_page_visited\", \"http://news.example/\");\r\n"),
         FileAt(m + "prefs.bak", "user_pref(\"browser.download.dir\", \"C:\\\\Downloads\");\r\n"),
         FileAt(f + "prefs.js", "user_pref(\"browser.download.dir\", \"C:\\\\Downloads\");\r\n")});
    return profile;
}

// An Opera folder with its profile files; which issue owns a file depends on the version.
std::vector<Owned> OperaFolder(const std::string& family)
{
    const std::string d = "%PROGRAMFILES%\\Opera\\";
    const std::string p = d + "profile\\";
    bool six = family == "UpTo6";
    auto owner = [&](const char* name) { return "TOpera" + family + name; };
    std::vector<Owned> profile;
    Own(profile, "", {FolderAt("%PROGRAMFILES%\\Opera"), FolderAt(p + "cache4"), FileAt(d + "opera.ini", "[User Prefs]"),
                      FileAt(d + "English.lng", "lang"), FileAt(p + "opera6.ini.keep", "settings")});
    Own(profile, owner("History"), {FileAt(p + "opera.dir", "visited").Truncated(),
                                    FileAt(p + "global.dat", "http://news.example/").Truncated()});
    Own(profile, six ? owner("History") : "", {FileAt(d + "autopera.win", "windows").Truncated()});
    Own(profile, owner("Cookies"), {FileAt(p + "cookies4.dat", "cookies").Truncated()});
    Own(profile, owner("Cache"), CacheTree(p + "cache4", 10, 0));
    Own(profile, owner("DownloadsHistory"), {FileAt(p + "download.dat", "a.zip").Truncated()});
    Own(profile, owner("HomePage"), {FileAt(p + "vlink4.dat", "links").Truncated()});
    Own(profile, six ? "" : owner("HomePage"), {FileAt(p + "opera6.ini", "[User Prefs]\r\nHome URL=x").Truncated()});
    Own(profile, six ? "" : owner("WandPasses"), {FileAt(p + "wand.dat", "wand").Truncated()});
    Own(profile, six ? "" : owner("Contacts"),
        {FileAt(p + "contacts.adr", "#CONTACT").Truncated(), FileAt(p + "contacts.adr.bak", "#CONTACT").Truncated()});
    Own(profile, six ? "" : owner("Bookmarks"),
        {FileAt(p + "opera6.adr", "#URL").Truncated(), FileAt(p + "opera6.adr.bak", "#URL").Truncated()});
    return profile;
}

}  // namespace

std::vector<SeedPlan> SeedPlansF()
{
    std::vector<SeedPlan> plans;

    plans.push_back(Plan("TXara3D40", {RegValue(HKCU + "Xara\\X3D4\\Recent File List", "File1", "C:\\logo.x3d"),
                                       RegValue(HKCU + "Xara\\X3D4\\Settings", "Quality", "2").Kept()}));
    plans.push_back(Plan("TXingMP3Player",
                         {RegValue(HKCU + "Xing Technology Corp.\\XingMP3 Player", "sRecentFile", "C:\\song.mp3").Emptied(),
                          RegValue(HKCU + "Xing Technology Corp.\\XingMP3 Player", "Volume", "80").Kept(),
                          FileAt("%PROGRAMFILES%\\Xing\\XingMP3 Player\\XingMP3Player.xpl", "C:\\song.mp3"),
                          FileAt("%PROGRAMFILES%\\Xing\\XingMP3 Player\\XingMP3.exe").Kept()}));
    {
        const std::string x = "%PROGRAMFILES%\\Xolox\\";
        plans.push_back(Plan(
            "TXolox", {RegValue(HKLM + "Xolox", "Install_Dir", "%PROGRAMFILES%\\Xolox").Kept(),
                       FileAt(x + "xolox.exe").Kept(), FileAt(x + "Temp\\part1.tmp"), FileAt(x + "mldonkey\\temp\\urn.part"),
                       FileAt(x + "XoloxConfig.ini", "[Share]"), FileAt(x + "ChatServers.ini", "[Servers]"),
                       FileAt(x + "proxy.xolox.com", "10.0.0.1:8080"),
                       RegValue(HKLM + "Xolox\\SearchRecent", "0", "song"), FileAt(x + "GnuHashes.ini", "hashes"),
                       FileAt(x + "mldonkey\\shared_files_new.ini", "C:\\Shared"), FileAt(x + "mldonkey\\files.ini", "f"),
                       FileAt(x + "mldonkey\\history.met", "h"), FileAt(x + "mldonkey\\store_1.dat", "s"),
                       FileAt(x + "mldonkey\\downloads.ini").Kept(), FileAt(x + "mldonkey\\store_x\\keep.dat").Kept()}));
    }
    plans.push_back(Plan("TYahooToolbar", {RegValue(HKCU + "Yahoo\\Companion\\SearchHistory", "0", "salary"),
                                           RegValue(HKCU + "Yahoo\\Companion\\SearchHistory\\Web", "0", "holiday"),
                                           RegKey(HKCU + "Yahoo\\Companion\\SearchHistory").Kept(),
                                           RegValue(HKCU + "Yahoo\\Companion", "Version", "5.6").Kept()}));
    plans.push_back(Plan("TYamahaSYXG100", {RegValue(HKCU + "YAMAHA\\XGplayer\\Recent File List", "File1", "C:\\a.mid"),
                                            RegValue(HKCU + "YAMAHA\\XGplayer\\Recent File List\\Old", "0", "C:\\b.mid"),
                                            RegKey(HKCU + "YAMAHA\\XGplayer\\Recent File List").Kept(),
                                            RegValue(HKCU + "YAMAHA\\XGplayer", "Reverb", "1").Kept()}));
    plans.push_back(Plan("TACDSeePhotoViewer",
                         {FolderAt("%PROGRAMFILES%\\ACD Systems\\ACDSee Trial Version").Kept(),
                          FileAt("%PROGRAMFILES%\\ACD Systems\\ACDSee Trial Version\\ImageDB.ddf", "db"),
                          FileAt("%PROGRAMFILES%\\ACD Systems\\ACDSee Trial Version\\ImageDB.dtf", "db"),
                          FileAt("%PROGRAMFILES%\\ACD Systems\\ACDSee Trial Version\\ACDSee.exe").Kept(),
                          FileAt("%APPDATA%\\ACD Systems\\ACDSee\\ImageDB.ddf", "db"),
                          RegValue(HKCU + "ACD Systems\\ACDSee", "LastFolder", "C:\\Photos").Emptied(),
                          RegValue(HKCU + "ACD Systems\\ACDSee", "OpenFolder", "C:\\Photos").Emptied(),
                          RegValue(HKCU + "ACD Systems\\ACDSee", "SlideDelay", "5").Kept()}));
    plans.push_back(Plan("TAdobePhotoshop5LE",
                         {FolderAt("%PROGRAMFILES%\\Adobe\\Photoshop 5.0 LE").Kept(),
                          FileAt("%PROGRAMFILES%\\Adobe\\Photoshop 5.0 LE\\Prefs\\phot50le.ini",
                                 "[PHOTOSHOP]\r\nFILE1=C:\\Photos\\a.psd\r\nFILE10=C:\\Photos\\j.psd\r\n"
                                 "STARTUPIMAGEDIRECTORY=C:\\Photos\r\nUNITS=1\r\n")
                              .Edited("-a.psd|-j.psd|-DIRECTORY=C:|+UNITS=1|+FILE1=|+STARTUPIMAGEDIRECTORY=")}));
    plans.push_back(Plan("TAdobePhotoshop55",
                         {FolderAt("%PROGRAMFILES%\\Adobe\\Photoshop 5.5").Kept(),
                          FileAt("%PROGRAMFILES%\\Adobe\\Photoshop 5.5\\Adobe Photoshop 5.5 Settings\\photos55.ini",
                                 "[PHOTOSHOP]\r\nFILE2=C:\\Photos\\b.psd\r\nUNITS=1\r\n")
                              .Edited("-b.psd|+UNITS=1|+FILE2=|+FILE10=|+STARTUPIMAGEDIRECTORY=")}));
    for (const auto& cs : {std::make_pair(std::string("CS"), std::string("8.0")), std::make_pair(std::string("CS2"), std::string("9.0"))}) {
        const std::string& name = cs.first;
        const std::string& version = cs.second;
        plans.push_back(Plan(
            "TAdobePhotoshop" + name,
            {RegValue(HKLM + "Adobe\\Photoshop\\" + version, "ApplicationPath", "%PROGRAMFILES%\\Adobe\\Photoshop " + name + "\\")
                 .Kept(),
             ProgramAt("%PROGRAMFILES%\\Adobe\\Photoshop " + name + "\\Photoshop.exe", name == "CS" ? 8 : 9).Kept(),
             FileAt("%APPDATA%\\Adobe\\ImageReady\\CS\\Settings\\Adobe ImageReady " + name + " Prefs", "prefs"),
             FileAt("%APPDATA%\\Adobe\\FileBrowser\\Photoshop" + name + "\\AdobeFB.dat", "thumbs"),
             FileAt("%APPDATA%\\Adobe\\Photoshop\\" + version + "\\Adobe Photoshop " + name + " Settings\\Adobe Photoshop " +
                    name + " Prefs.psp", "prefs"),
             FileAt("%APPDATA%\\Adobe\\Photoshop\\" + version + "\\Adobe Photoshop " + name + " Settings\\Actions.psp").Kept(),
             RegValue(HKCU + "Adobe\\Photoshop\\" + version + "\\VisitedDirs", "0", "C:\\Photos"),
             RegValue(HKCU + "Adobe\\Photoshop\\" + version, "Tools", "1").Kept()}));
    }

    for (const char* issue : {"TMozillaFirefoxCookies", "TMozillaFirefoxCache", "TMozillaFirefoxWebFeatures",
                              "TMozillaFirefoxDownloadInfo", "TMozillaFirefoxSavedPasswords"})
        plans.push_back(Plan(issue, For(issue, FirefoxProfile("%APPDATA%\\Mozilla\\Firefox"))));
    for (const char* issue : {"TMozillaThunderbirdSavedPasswords", "TMozillaThunderbirdAddressBook",
                              "TMozillaThunderbirdAccountsSettings", "TMozillaThunderbirdSentMmail",
                              "TMozillaThunderbirdTrashMail"})
        plans.push_back(Plan(issue, For(issue, ThunderbirdProfile())));
    for (const char* issue : {"TNetscapeNavigator4xCookies", "TNetscapeNavigator4xCache", "TNetscapeNavigator4xAddressBar"})
        plans.push_back(Plan(issue, For(issue, NetscapeUsers())));
    for (const char* issue : {"TMozillaNavigatorHisotry", "TMozillaNavigatorCookies", "TMozillaNavigatorCache",
                              "TMozillaNavigatorDownloadInfo", "TMozillaNavigatorSavedPasses",
                              "TMozillaNavigatorOpenedPageKey"}) {
        std::string name = issue;
        bool gone = name == "TMozillaNavigatorSavedPasses" || name == "TMozillaNavigatorOpenedPageKey";
        plans.push_back(Plan(issue, For(issue, MozillaSuite()), !gone));
    }

    plans.push_back(Plan("TBorlandDelphi3",
                         {RegValue(HKCU + "Borland\\Delphi\\3.0\\Closed Files", "File_0", "C:\\Src\\Unit1.pas"),
                          RegValue(HKCU + "Borland\\Delphi\\3.0\\Closed Projects", "File_0", "C:\\Src\\App.dpr"),
                          RegValue(HKCU + "Borland\\Delphi\\3.0\\HistoryLists\\hiOpenProject", "Item0", "C:\\Src"),
                          RegValue(HKCU + "Borland\\Delphi\\3.0\\Editor", "FontName", "Courier").Kept()}));
    plans.push_back(Plan("TBorlandDelphi4",
                         {FileAt("%PROGRAMFILES%\\Borland\\Delphi4\\Bin\\DELPHI32.dsk", "[Closed Files]"),
                          FileAt("%PROGRAMFILES%\\Borland\\Delphi4\\Bin\\delphi32.exe").Kept(),
                          RegValue(HKCU + "Borland\\Delphi\\4.0\\Closed Files", "File_0", "C:\\Src\\Unit1.pas"),
                          RegValue(HKCU + "Borland\\Delphi\\4.0\\Closed Projects", "File_0", "C:\\Src\\App.dpr"),
                          RegValue(HKCU + "Borland\\Delphi\\4.0\\Session", "Project", "C:\\Src\\App.dpr"),
                          RegValue(HKCU + "Borland\\Delphi\\4.0\\Editor", "FontName", "Courier").Kept()}));

    const std::string appPaths = HKLM + "Microsoft\\Windows\\CurrentVersion\\App Paths\\Opera.exe";
    for (const auto& family : {std::make_pair(std::string("UpTo6"), 6), std::make_pair(std::string("7x"), 7),
                               std::make_pair(std::string("8x"), 8)}) {
        std::set<std::string> issues;
        std::vector<Owned> folder = OperaFolder(family.first);
        for (const Owned& owned : folder)
            if (!owned.Owner.empty())
                issues.insert(owned.Owner);
        for (const std::string& issue : issues) {
            std::vector<TraceItem> items = {ProgramAt("%PROGRAMFILES%\\Opera\\Opera.exe", family.second).Kept()};
            if (family.second == 8)
                items.push_back(RegValue(HKCU + "Opera Software", "Last CommandLine v2",
                                         "%PROGRAMFILES%\\Opera\\Opera.exe %DRIVE%\\Pages\\start.htm").Kept());
            else
                items.push_back(RegValue(appPaths, "", "%PROGRAMFILES%\\Opera\\Opera.exe").Kept());
            Append(items, For(issue, folder));
            plans.push_back(Plan(issue, items));
        }
    }

    plans.push_back(Plan("THelpWriter", {FileAt("%WINDOWS%\\helpwrit.ini",
                                                "[OPTIONS]\r\nLastFile1=C:\\Docs\\manual.hlp\r\nLastFile9=C:\\Docs\\x.hlp\r\n"
                                                "Font=Arial\r\n")
                                             .Edited("-manual.hlp|-x.hlp|+Font=Arial|+LastFile1=|+LastFile5=")}));
    plans.push_back(Plan(
        "TPaintShopPro80",
        {RegValue(HKLM + "Jasc\\Paint Shop Pro 8\\Installer", "InstallDirectory", "%PROGRAMFILES%\\Jasc Software Inc\\Paint Shop Pro 8")
             .Kept(),
         FileAt("%APPDATA%\\Jasc Software Inc\\Paint Shop Pro 8\\Cache\\thumbs.jbf", "thumbs"),
         FileAt("%APPDATA%\\Jasc Software Inc\\Paint Shop Pro 8\\Presets.dat").Kept(),
         RegValue(HKCU + "Jasc\\Paint Shop Pro 8\\JascCmdFile\\FileOpen", "Folder", "C:\\Photos").Emptied(),
         RegValue(HKCU + "Jasc\\Paint Shop Pro 8\\Recent File List", "File1", "C:\\Photos\\a.pspimage"),
         RegValue(HKCU + "Jasc\\Paint Shop Pro 8\\Browser", "BrowseDir", "C:\\Photos").Emptied(),
         RegValue(HKCU + "Jasc\\Paint Shop Pro 8\\Browser", "FindNameHistory", "holiday").Emptied(),
         RegValue(HKCU + "Jasc\\Paint Shop Pro 8\\Browser", "ThumbSize", "96").Kept()}));
    return plans;
}
