// Traces of our own rules for chat, media, games, office, tools and Windows 7 to 11
// (data/rules/*.ini but Browsers.ini), each with the program's files that must survive:
// messages, login tokens, games, saved games, settings and unsaved work.
#include "tools/seeder/Seeder.h"

namespace {

const std::string Roaming = "%APPDATA%\\";
const std::string Local = "%LOCALAPPDATA%\\";
const std::string Explorer = "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";

std::vector<TraceItem> ElectronCaches(const std::string& app)
{
    return {FolderAt(app + "Cache"), FileAt(app + "Cache\\Cache_Data\\index", std::string(256, 'i')),
            FileAt(app + "Cache\\Cache_Data\\data_0", std::string(4096, 'd')), FolderAt(app + "Code Cache"),
            FileAt(app + "Code Cache\\js\\index", "js"), FolderAt(app + "GPUCache"),
            FileAt(app + "GPUCache\\data_1", std::string(512, 'g'))};
}

// The login token and settings every Electron program keeps beside its caches.
std::vector<TraceItem> ElectronKeeps(const std::string& app)
{
    return {FileAt(app + "Local Storage\\leveldb\\000003.log", "token"), FileAt(app + "settings.json", "{}")};
}

std::vector<TraceItem> MruKey(const std::string& key, const std::string& first, const std::string& second)
{
    return {RegKey(key), RegValue(key, "Item 1", first), RegValue(key, "Item 2", second)};
}

void Add(std::vector<SeedPlan>& plans, const std::string& rule, std::vector<TraceItem> items)
{
    plans.push_back(MakePlan(rule, std::move(items)));
}

void AddOwned(std::vector<SeedPlan>& plans, const std::vector<Owned>& profile, const std::vector<std::string>& rules)
{
    for (const std::string& rule : rules)
        plans.push_back(MakePlan(rule, For(rule, profile)));
}

void ChatPlans(std::vector<SeedPlan>& plans)
{
    {
        const std::string local = Local + "Thunderbird\\Profiles\\ab12cd34.default-release\\";
        const std::string roaming = Roaming + "Thunderbird\\Profiles\\ab12cd34.default-release\\";
        Add(plans, "Thunderbird Cache *",
            {FolderAt(local + "cache2"), FileAt(local + "cache2\\entries\\0A1B2C3D4E5F", std::string(2048, 'e')),
             FolderAt(local + "startupCache"), FileAt(local + "startupCache\\startupCache.8.little", "cache"),
             FileAt(Roaming + "Thunderbird\\Crash Reports\\pending\\5e6f.dmp", "MDMP"),
             FileAt(roaming + "prefs.js", "user_pref(\"mail.identity.id1.useremail\", \"alice@example.com\");").Kept(),
             FileAt(roaming + "Mail\\Local Folders\\Inbox", "From alice").Kept(),
             FileAt(roaming + "logins.json", "{}").Kept()});
    }
    {
        const std::string app = Roaming + "discord\\";
        Add(plans, "Discord Cache *",
            With(With(ElectronCaches(app), ElectronCaches(Roaming + "discordptb\\")),
                 {FileAt(app + "Local Storage\\leveldb\\000003.log", "token").Kept(),
                  FileAt(app + "settings.json", "{}").Kept(), FileAt(app + "0.0.300\\modules\\installed.json").Kept()}));
    }
    {
        const std::string app = Roaming + "Microsoft\\Teams\\";
        std::vector<TraceItem> items = ElectronCaches(app);
        Append(items, {FolderAt(app + "tmp"), FileAt(app + "tmp\\x1a2b.tmp"), FileAt(app + "logs.txt", "log")});
        for (const TraceItem& kept : ElectronKeeps(app))
            items.push_back(kept.Kept());
        items.push_back(FileAt(app + "Backgrounds\\Uploads\\beach.png", "PNG").Kept());
        Add(plans, "Microsoft Teams Cache *", items);
    }
    {
        const std::string app = Local + "Packages\\MSTeams_8wekyb3d8bbwe\\LocalCache\\Microsoft\\MSTeams\\";
        std::vector<TraceItem> items = ElectronCaches(app + "EBWebView\\WV2Profile_tfw\\");
        Append(items, {FileAt(app + "Logs\\MSTeams_2026-12-01_10-10-10.00.log", "log")});
        items.push_back(FileAt(app + "EBWebView\\WV2Profile_tfw\\Local Storage\\leveldb\\000003.log", "token").Kept());
        items.push_back(FileAt(Local + "Packages\\MSTeams_8wekyb3d8bbwe\\Settings\\settings.dat", "s").Kept());
        Add(plans, "Microsoft Teams (new) Cache *", items);
    }
    Add(plans, "Zoom Logs *",
        {FileAt(Roaming + "Zoom\\logs\\zoom_stdout_stderr.log"), FileAt(Roaming + "Zoom\\logs\\webview2\\wv_20261201.txt"),
         FileAt(Roaming + "Zoom\\logs\\crash_20261201.dmp", "MDMP").Kept(),
         FileAt(Roaming + "Zoom\\data\\zoomus.enc.db", "chats").Kept()});
    {
        const std::string app = Roaming + "Slack\\";
        std::vector<TraceItem> items = ElectronCaches(app);
        Append(items, {FolderAt(app + "logs"), FileAt(app + "logs\\browser.log"), FileAt(app + "logs\\webapp\\console.log")});
        for (const TraceItem& kept : ElectronKeeps(app))
            items.push_back(kept.Kept());
        items.push_back(FileAt(app + "storage\\slack-downloads", "[]").Kept());
        Add(plans, "Slack Cache *", items);
    }
    {
        const std::string tdata = Roaming + "Telegram Desktop\\tdata\\";
        Add(plans, "Telegram Desktop Cache *",
            {FolderAt(tdata + "user_data\\cache"), FileAt(tdata + "user_data\\cache\\0\\AB\\CDEF0123", std::string(3000, 'p')),
             FolderAt(tdata + "user_data\\media_cache"), FileAt(tdata + "user_data\\media_cache\\1\\video0001", "mp4"),
             FileAt(tdata + "key_datas", "account key").Kept(), FileAt(tdata + "D877F783D5D3EF8C\\maps", "maps").Kept(),
             FileAt(tdata + "settingss", "settings").Kept()});
    }
    Add(plans, "TeamViewer Logs *",
        {FileAt(Roaming + "TeamViewer\\TeamViewer15_Logfile.log"), FileAt(Roaming + "TeamViewer\\TeamViewer15_Logfile_OLD.log"),
         FileAt(Roaming + "TeamViewer\\Connections.txt", "123456789\tAlice"),
         FileAt(Roaming + "TeamViewer\\MRU\\RemoteSupport\\123456789.tvc", "mru").Kept(),
         FileAt("%PROGRAMFILES%\\TeamViewer\\TeamViewer15_Logfile.log"),
         FileAt("%PROGRAMFILES%\\TeamViewer\\Connections_incoming.txt", "987654321\tBob"),
         FileAt("%PROGRAMFILES%\\TeamViewer\\TeamViewer.exe", "MZ").Kept()});
}

void MediaAndGamesPlans(std::vector<SeedPlan>& plans)
{
    {
        std::vector<Owned> spotify;
        Own(spotify, "", {FileAt(Roaming + "Spotify\\prefs", "language=\"en\""),
                          FileAt(Roaming + "Spotify\\Users\\alice-user\\local-files.bnk", "files"),
                          FileAt(Local + "Spotify\\Browser\\Local Storage\\leveldb\\000003.log", "token")});
        Own(spotify, "Spotify Web Cache *", ElectronCaches(Local + "Spotify\\Browser\\"));
        Own(spotify, "Spotify Music Cache *",
            {FolderAt(Local + "Spotify\\Data"), FileAt(Local + "Spotify\\Data\\0a\\0a1b2c3d4e5f.file", std::string(6000, 'm')),
             FolderAt(Local + "Spotify\\Storage"), FileAt(Local + "Spotify\\Storage\\3f\\3f4e5d6c.file", std::string(5000, 'o'))});
        AddOwned(plans, spotify, {"Spotify Web Cache *", "Spotify Music Cache *"});
    }
    {
        std::vector<Owned> vlc;
        Own(vlc, "", {FileAt(Roaming + "vlc\\vlcrc", "[core]\r\n"), FileAt(Roaming + "vlc\\ml.xspf", "<playlist/>")});
        Own(vlc, "VLC Media Player Art Cache *",
            {FolderAt(Roaming + "vlc\\art"), FileAt(Roaming + "vlc\\art\\artistalbum\\Band\\Album\\art.jpg", "JFIF"),
             FileAt(Roaming + "vlc\\crashdump\\vlc-20261201.dmp", "MDMP")});
        Own(vlc, "VLC Media Player Recent Media *",
            {FileAt(Roaming + "vlc\\vlc-qt-interface.ini",
                    "[RecentsMRL]\r\nlist=file:///C:/Users/alice/Videos/holiday.mp4\r\n")});
        AddOwned(plans, vlc, {"VLC Media Player Art Cache *", "VLC Media Player Recent Media *"});
    }
    {
        const std::string steam = "%PROGRAMFILES%\\Steam\\";
        std::vector<Owned> items;
        Own(items, "", {RegValue("HKCU\\Software\\Valve\\Steam", "SteamPath", "c:/program files/steam"),
                        FileAt(steam + "steamapps\\common\\Portal\\portal.exe", "MZ"),
                        FileAt(steam + "steamapps\\appmanifest_400.acf", "\"AppState\""),
                        FileAt(steam + "userdata\\12345678\\400\\remote\\save1.sav", "saved game"),
                        FileAt(steam + "config\\loginusers.vdf", "\"users\"")});
        Own(items, "Steam Logs *",
            {FileAt(steam + "logs\\content_log.txt"), FileAt(steam + "logs\\connection_log.txt"),
             FileAt(steam + "logs\\bootstrap_log.txt"), FileAt(steam + "dumps\\crash_20261201.dmp", "MDMP")});
        Own(items, "Steam Web Cache *",
            {FolderAt(Local + "Steam\\htmlcache"), FileAt(Local + "Steam\\htmlcache\\Cache\\data_0", std::string(2048, 'h')),
             FileAt(Local + "Steam\\htmlcache\\GPUCache\\index", "g")});
        AddOwned(plans, items, {"Steam Logs *", "Steam Web Cache *"});
    }
    {
        const std::string saved = Local + "EpicGamesLauncher\\Saved\\";
        std::vector<Owned> items;
        Own(items, "", {FileAt(saved + "Config\\Windows\\GameUserSettings.ini", "[Launcher]"),
                        FileAt(saved + "Data\\Manifests\\game.manifest", "{}")});
        Own(items, "Epic Games Launcher Web Cache *",
            {FolderAt(saved + "webcache"), FileAt(saved + "webcache\\Cache\\index", "i"),
             FolderAt(saved + "webcache_4430"), FileAt(saved + "webcache_4430\\Cache\\data_0", std::string(1024, 'w'))});
        Own(items, "Epic Games Launcher Logs *",
            {FileAt(saved + "Logs\\EpicGamesLauncher.log"), FileAt(saved + "Logs\\EpicGamesLauncher-backup-2026.12.01.log")});
        AddOwned(plans, items, {"Epic Games Launcher Web Cache *", "Epic Games Launcher Logs *"});
    }
}

void OfficeAndToolsPlans(std::vector<SeedPlan>& plans)
{
    const std::string office = "HKCU\\Software\\Microsoft\\Office\\";
    for (const char* app : {"Word", "Excel", "PowerPoint"}) {
        std::vector<TraceItem> items =
            MruKey(office + "16.0\\" + app + "\\File MRU", "[F00000000][T01DB3A1B2C3D4E5F][O00000000]*C:\\Users\\alice\\Documents\\report",
                   "[F00000000][T01DB3A1B2C3D4E5F][O00000000]*\\\\nas\\share\\budget");
        Append(items, MruKey(office + "16.0\\" + app + "\\Place MRU", "[F00000000][T01DB3A1B2C3D4E5F]*C:\\Users\\alice\\Documents\\",
                             "[F00000000][T01DB3A1B2C3D4E5F]*\\\\nas\\share\\"));
        Append(items, MruKey(office + "14.0\\" + app + "\\File MRU", "[F00000000][T01CB1A2B3C4D5E6F]*C:\\old\\letter", "x"));
        items.push_back(Setting(office + "16.0\\" + app + "\\Options", "AutoRecoverTime"));
        items.push_back(Setting(office + "14.0\\" + app + "\\Options", "AutoRecoverTime"));
        Add(plans, std::string("Microsoft ") + app + " Recent Files *", items);
    }
    Add(plans, "Microsoft Office Recent Shortcuts *",
        {FileAt(Roaming + "Microsoft\\Office\\Recent\\report.docx.LNK", "L"),
         FileAt(Roaming + "Microsoft\\Office\\Recent\\budget.xlsx.LNK", "L"),
         FileAt(Roaming + "Microsoft\\Office\\Recent\\index.dat", "[Folders]"),
         FileAt(Roaming + "Microsoft\\Office\\Recent\\desktop.ini", "[.ShellClassInfo]").Kept(),
         FileAt(Roaming + "Microsoft\\Templates\\Normal.dotm", "template").Kept()});
    {
        const std::string reader = "HKCU\\Software\\Adobe\\Acrobat Reader\\";
        Add(plans, "Adobe Acrobat Reader Recent Files *",
            {RegKey(reader + "DC\\AVGeneral\\cRecentFiles"),
             RegValue(reader + "DC\\AVGeneral\\cRecentFiles\\c1", "tDIText", "/C/Users/alice/Documents/tax 2026.pdf"),
             RegValue(reader + "DC\\AVGeneral\\cRecentFiles\\c2", "tDIText", "/C/Users/alice/Downloads/contract.pdf"),
             RegValue(reader + "DC\\AVGeneral\\cRecentFolders\\c1", "tDIText", "/C/Users/alice/Documents"),
             RegValue(reader + "11.0\\AVGeneral\\cRecentFiles\\c1", "tDIText", "/C/old/manual.pdf"),
             Setting(reader + "DC\\AVGeneral", "iDefaultZoomType"), Setting(reader + "11.0\\AVGeneral", "iDefaultZoomType")});
    }
    {
        const std::string zip = "HKCU\\Software\\7-Zip\\";
        Add(plans, "7-Zip History *",
            {RegValue(zip + "FM", "FolderHistory", "C:\\Users\\alice\\Downloads"), RegValue(zip + "FM", "CopyHistory", "D:\\Backup"),
             RegValue(zip + "FM", "PanelPath0", "C:\\Users\\alice\\Documents\\"), RegValue(zip + "FM", "PanelPath1", "E:\\"),
             RegValue(zip + "Extraction", "PathHistory", "C:\\Users\\alice\\Desktop\\photos"),
             RegValue(zip + "Compression", "ArcHistory", "C:\\Users\\alice\\Desktop\\photos.7z"),
             Setting(zip + "FM", "Position"), Setting(zip + "Extraction", "ExtractMode"), Setting(zip + "Compression", "Level")});
    }
    Add(plans, "Notepad++ Session *",
        {FileAt(Roaming + "Notepad++\\session.xml", "<NotepadPlus><Session activeView=\"0\"/></NotepadPlus>"),
         FileAt(Roaming + "Notepad++\\config.xml", "<NotepadPlus/>").Kept(),
         FileAt(Roaming + "Notepad++\\shortcuts.xml", "<NotepadPlus/>").Kept(),
         FileAt(Roaming + "Notepad++\\backup\\new 1@2026-12-01_101010", "unsaved notes").Kept()});
    {
        const std::string code = Roaming + "Code\\";
        std::vector<Owned> items;
        Own(items, "", {FileAt(code + "User\\settings.json", "{}"), FileAt(code + "User\\keybindings.json", "[]"),
                        FileAt(code + "User\\workspaceStorage\\a1b2\\state.vscdb", "SQLite format 3"),
                        FileAt(code + "Backups\\1701425410\\file\\-7a3c", "unsaved code")});
        Own(items, "Visual Studio Code Cache *", ElectronCaches(code));
        Own(items, "Visual Studio Code Cache *",
            {FolderAt(code + "CachedData"), FileAt(code + "CachedData\\e170\\chrome\\js\\index", "js"),
             FolderAt(code + "CachedExtensionVSIXs"), FileAt(code + "CachedExtensionVSIXs\\ms-python.python-2026.1.0", "vsix")});
        Own(items, "Visual Studio Code Logs *",
            {FolderAt(code + "logs"), FileAt(code + "logs\\20261201T101010\\main.log"),
             FileAt(code + "logs\\20261201T101010\\window1\\renderer.log")});
        AddOwned(plans, items, {"Visual Studio Code Cache *", "Visual Studio Code Logs *"});
    }
    {
        const std::string low = "%LOCALLOWAPPDATA%\\Sun\\Java\\Deployment\\";
        Add(plans, "Java Cache and Logs *",
            {FolderAt(low + "cache"), FileAt(low + "cache\\6.0\\12\\3a4b5c6d-1e2f3a4b.idx", "idx"),
             FileAt(low + "cache\\6.0\\lastAccessed", "0"), FileAt(low + "log\\java_20261201.log"),
             FileAt(low + "log\\plugin1.trace"), FileAt(Roaming + "Sun\\Java\\Deployment\\log\\javaws.log"),
             FileAt(low + "deployment.properties", "deployment.version=8").Kept(),
             FileAt(low + "security\\trusted.certs", "certs").Kept()});
    }
    Add(plans, "OneDrive Logs *",
        {FolderAt(Local + "Microsoft\\OneDrive\\logs"), FileAt(Local + "Microsoft\\OneDrive\\logs\\Personal\\SyncDiagnostics.log"),
         FileAt(Local + "Microsoft\\OneDrive\\logs\\Common\\telemetry-2026-12-01.odl", "odl"),
         FileAt(Local + "Microsoft\\OneDrive\\settings\\Personal\\global.ini", "cid=1").Kept()});
    Add(plans, "NVIDIA Shader Cache *",
        {FolderAt(Local + "NVIDIA\\DXCache"), FileAt(Local + "NVIDIA\\DXCache\\a1b2c3d4.nvph", std::string(2048, 'n')),
         FolderAt(Local + "NVIDIA\\GLCache"), FileAt(Local + "NVIDIA\\GLCache\\0f1e\\2d3c.bin", "bin"),
         FolderAt("%LOCALLOWAPPDATA%\\NVIDIA\\PerDriverVersion\\DXCache"),
         FileAt("%LOCALLOWAPPDATA%\\NVIDIA\\PerDriverVersion\\DXCache\\e5f6.nvph", "nvph"),
         FileAt(Local + "NVIDIA\\NvBackend\\ApplicationOntology\\data\\wrappers.json", "{}").Kept()});
}

void WindowsPlans(std::vector<SeedPlan>& plans)
{
    const std::string explorerFolder = Local + "Microsoft\\Windows\\Explorer\\";
    Add(plans, "Windows Thumbnail Cache *",
        {FileAt(explorerFolder + "thumbcache_32.db", std::string(4096, 't')), FileAt(explorerFolder + "thumbcache_256.db", "CMMM"),
         FileAt(explorerFolder + "thumbcache_idx.db", "IMMM"), FileAt(explorerFolder + "iconcache_16.db", "icons").Kept(),
         FileAt(explorerFolder + "ExplorerStartupLog.etl", "etl").Kept()});
    {
        const std::string user = Local + "Microsoft\\Windows\\WER\\";
        const std::string machine = "%COMMONAPPDATA%\\Microsoft\\Windows\\WER\\";
        Add(plans, "Windows Error Reporting Files *",
            {FolderAt(user + "ReportQueue"), FileAt(user + "ReportQueue\\AppCrash_editor.exe_1a2b\\Report.wer", "Version=1"),
             FolderAt(user + "ReportArchive"), FileAt(user + "ReportArchive\\AppHang_player.exe_3c4d\\Report.wer", "Version=1"),
             FolderAt(machine + "ReportQueue"), FileAt(machine + "ReportQueue\\Critical_service.exe_5e6f\\memory.hdmp", "MDMP"),
             FolderAt(machine + "ReportArchive"), FileAt(machine + "ReportArchive\\Kernel_141_7a8b\\Report.wer", "Version=1"),
             FolderAt(machine + "Temp"), FileAt(machine + "Temp\\WER1A2B.tmp.WERInternalMetadata.xml", "<xml/>"),
             FileAt(user + "ERC\\statecache.lock", "lock").Kept(), FileAt(machine + "ERC\\statecache.lock", "lock").Kept()});
    }
    {
        const std::string recent = Roaming + "Microsoft\\Windows\\Recent\\";
        Add(plans, "Windows Jump Lists *",
            {FileAt(recent + "AutomaticDestinations\\5f7b5f1e01b83767.automaticDestinations-ms", "jump"),
             FileAt(recent + "AutomaticDestinations\\f01b4d95cf55d32a.automaticDestinations-ms", "quick access"),
             FileAt(recent + "CustomDestinations\\28c8b86deab549a1.customDestinations-ms", "custom"),
             FileAt(recent + "budget.xlsx.lnk", "L").Kept(), FileAt(recent + "AutomaticDestinations\\desktop.ini", "ini").Kept()});
    }
    {
        const std::string service =
            "%WINDOWS%\\ServiceProfiles\\NetworkService\\AppData\\Local\\Microsoft\\Windows\\DeliveryOptimization\\";
        const std::string distribution = "%WINDOWS%\\SoftwareDistribution\\";
        Add(plans, "Windows Delivery Optimization Cache *",
            {FolderAt(service + "Cache"), FileAt(service + "Cache\\a1b2c3\\d4e5f6a7b8", std::string(8192, 'u')),
             FileAt(service + "Logs\\dosvc.20261201_101010_123.etl", "etl"),
             FolderAt(distribution + "DeliveryOptimization"), FileAt(distribution + "DeliveryOptimization\\9f8e\\7d6c", "old"),
             FileAt(service + "State\\dosvcState.dat", "state").Kept(),
             FileAt(distribution + "Download\\a1b2\\update.cab", "MSCF").Kept(),
             FileAt(distribution + "DataStore\\DataStore.edb", "edb").Kept()});
    }
    {
        std::vector<Owned> keys;
        Own(keys, "", {Setting(Explorer + "\\Advanced", "TaskbarSizeMove"),
                       Setting("HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Search", "SearchboxTaskbarMode")});
        Own(keys, "Windows Explorer Search History *",
            {RegKey(Explorer + "\\WordWheelQuery"), RegValue(Explorer + "\\WordWheelQuery", "0", "tax return"),
             RegValue(Explorer + "\\WordWheelQuery", "1", "holiday photos")});
        Own(keys, "Windows Explorer Typed Paths *",
            {RegKey(Explorer + "\\TypedPaths"), RegValue(Explorer + "\\TypedPaths", "url1", "C:\\Users\\alice\\Documents\\Tax"),
             RegValue(Explorer + "\\TypedPaths", "url2", "\\\\nas\\photos")});
        const std::string apps = "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Search\\RecentApps";
        Own(keys, "Windows Recent Apps *",
            {RegKey(apps), RegValue(apps + "\\{0A1B2C3D-4E5F-6071-8293-A4B5C6D7E8F9}", "AppId", "Microsoft.Windows.Photos"),
             RegValue(apps + "\\{0A1B2C3D-4E5F-6071-8293-A4B5C6D7E8F9}\\RecentItems\\{1A2B}", "DisplayName", "holiday.jpg")});
        AddOwned(plans, keys, {"Windows Explorer Search History *", "Windows Explorer Typed Paths *", "Windows Recent Apps *"});
    }
    Add(plans, "DirectX Shader Cache *",
        {FolderAt(Local + "D3DSCache"), FileAt(Local + "D3DSCache\\a1b2c3d4e5f6a7b8\\c2e5f1.idx", "idx"),
         FileAt(Local + "D3DSCache\\a1b2c3d4e5f6a7b8\\c2e5f1.val", std::string(4096, 'v')),
         FileAt(Local + "IconCache.db", "icons").Kept()});
    Add(plans, "Windows Update Logs *",
        {FileAt("%WINDOWS%\\Logs\\WindowsUpdate\\WindowsUpdate.20261201.101010.123.1.etl", "etl"),
         FileAt("%WINDOWS%\\Logs\\WindowsUpdate\\WindowsUpdate.20261202.090909.456.1.etl", "etl"),
         FileAt("%WINDOWS%\\Logs\\CBS\\CBS.log", "cbs").Kept()});
}

}  // namespace

std::vector<SeedPlan> RuleSeedPlansPrograms()
{
    std::vector<SeedPlan> plans;
    ChatPlans(plans);
    MediaAndGamesPlans(plans);
    OfficeAndToolsPlans(plans);
    WindowsPlans(plans);
    return plans;
}
