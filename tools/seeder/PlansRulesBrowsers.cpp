// Traces of our own browser rules (data/rules/Browsers.ini): whole profiles of today's
// browsers, so that each rule's plan also shows that the logins, bookmarks, passwords,
// extensions and the other rules' files survive.
#include "tools/seeder/Seeder.h"

namespace {

SeedPlan Plan(const std::string& rule, const std::vector<Owned>& profile)
{
    return MakePlan(rule, For(rule, profile));
}

// A disk cache as Chromium writes it; the folder itself goes with its files.
std::vector<TraceItem> ChromiumCache(const std::string& folder)
{
    return {FolderAt(folder), FileAt(folder + "\\Cache_Data\\index", std::string(256, 'i')),
            FileAt(folder + "\\Cache_Data\\data_0", std::string(8192, 'd')),
            FileAt(folder + "\\Cache_Data\\f_00001a", "<html>page</html>")};
}

std::vector<TraceItem> CodeAndGpuCaches(const std::string& profile)
{
    return {FolderAt(profile + "Code Cache"), FileAt(profile + "Code Cache\\js\\index", "js"),
            FileAt(profile + "Code Cache\\wasm\\index", "wasm"), FolderAt(profile + "GPUCache"),
            FileAt(profile + "GPUCache\\data_1", std::string(1024, 'g'))};
}

std::vector<TraceItem> ChromiumHistory(const std::string& profile)
{
    return {FileAt(profile + "History", "SQLite format 3"), FileAt(profile + "History-journal", "journal"),
            FileAt(profile + "Visited Links", "links"), FileAt(profile + "Top Sites", "SQLite format 3")};
}

// A Chromium-family profile tree ("User Data") owned by the browser's rules: Cache,
// History, and where the browser has them, Cookies and Session. A second profile
// ("Profile 1") stands for the * step.
std::vector<Owned> ChromiumUserData(const std::string& browser, const std::string& userData, bool shaderCache)
{
    const std::string p = userData + "\\Default\\";
    const std::string second = userData + "\\Profile 1\\";
    std::vector<Owned> profile;
    Own(profile, "", {FileAt(userData + "\\Local State", "{\"profile\":{}}"), FileAt(p + "Bookmarks", "{\"roots\":{}}"),
                      FileAt(p + "Preferences", "{}"), FileAt(p + "Login Data", "SQLite format 3 passwords"),
                      FileAt(p + "Web Data", "SQLite format 3 autofill"),
                      FileAt(p + "History Provider Cache", "provider"),
                      FileAt(p + "Local Storage\\leveldb\\000003.log", "login token"),
                      FileAt(p + "Extensions\\abcdefgh\\1.0_0\\manifest.json", "{}"),
                      FileAt(second + "Bookmarks", "{\"roots\":{}}")});
    Own(profile, browser + " Cache *", ChromiumCache(p + "Cache"));
    Own(profile, browser + " Cache *", CodeAndGpuCaches(p));
    Own(profile, browser + " Cache *", ChromiumCache(second + "Cache"));
    if (shaderCache)
        Own(profile, browser + " Cache *",
            {FolderAt(userData + "\\ShaderCache"), FileAt(userData + "\\ShaderCache\\data_0", std::string(512, 's'))});
    Own(profile, browser + " History *", ChromiumHistory(p));
    Own(profile, browser + " History *", ChromiumHistory(second));
    Own(profile, browser + " Cookies *",
        {FileAt(p + "Network\\Cookies", "SQLite format 3 cookies"), FileAt(p + "Network\\Cookies-journal", "j"),
         FileAt(second + "Cookies", "SQLite format 3 old cookies")});
    Own(profile, browser + " Session *",
        {FileAt(p + "Sessions\\Session_13350000000000001", "SNSS"), FileAt(p + "Sessions\\Tabs_13350000000000001", "SNSS"),
         FileAt(second + "Current Session", "SNSS"), FileAt(second + "Last Tabs", "SNSS")});
    return profile;
}

// Opera keeps the profile in the roaming folder and the cache in the local one; Opera
// GX sits beside it.
std::vector<Owned> OperaProfiles()
{
    const std::string roaming = "%APPDATA%\\Opera Software\\Opera Stable\\";
    const std::string local = "%LOCALAPPDATA%\\Opera Software\\Opera Stable\\";
    const std::string gx = "Opera Software\\Opera GX Stable\\";
    std::vector<Owned> profile;
    Own(profile, "", {FileAt(roaming + "Bookmarks", "{}"), FileAt(roaming + "Login Data", "SQLite format 3"),
                      FileAt(roaming + "Cookies", "SQLite format 3 cookies"), FileAt(roaming + "Preferences", "{}"),
                      FileAt("%APPDATA%\\" + gx + "Bookmarks", "{}")});
    Own(profile, "Opera Cache *", ChromiumCache(local + "Cache"));
    Own(profile, "Opera Cache *", CodeAndGpuCaches(roaming));
    Own(profile, "Opera Cache *", ChromiumCache("%LOCALAPPDATA%\\" + gx + "Cache"));
    Own(profile, "Opera History *", ChromiumHistory(roaming));
    Own(profile, "Opera History *", ChromiumHistory("%APPDATA%\\" + gx));
    return profile;
}

// Current Firefox: the profile in the roaming folder, its cache in a folder of the same
// name under the local one.
std::vector<Owned> FirefoxToday()
{
    const std::string root = "%APPDATA%\\Mozilla\\Firefox\\";
    const std::string p = root + "Profiles\\k3x9q2lm.default-release\\";
    const std::string local = "%LOCALAPPDATA%\\Mozilla\\Firefox\\Profiles\\k3x9q2lm.default-release\\";
    std::vector<Owned> profile;
    Own(profile, "", {FileAt(root + "profiles.ini", "[Profile0]\r\nPath=Profiles/k3x9q2lm.default-release\r\n"),
                      FileAt(p + "places.sqlite", "SQLite format 3 bookmarks and history"),
                      FileAt(p + "logins.json", "{\"logins\":[]}"), FileAt(p + "key4.db", "SQLite format 3 keys"),
                      FileAt(p + "prefs.js", "user_pref(\"a\", 1);"), FileAt(p + "sessionCheckpoints.json", "{}"),
                      FileAt(p + "minidumps\\readme.txt", "kept"),
                      FileAt(root + "Crash Reports\\InstallTime20261101", "1761955200"),
                      FileAt(local + "safebrowsing\\google4\\goog-phish-proto.vlpset", "lists")});
    Own(profile, "Firefox Cache *",
        {FolderAt(local + "cache2"), FileAt(local + "cache2\\index", std::string(128, 'x')),
         FileAt(local + "cache2\\entries\\0A1B2C3D4E5F60718293A4B5C6D7E8F901234567", std::string(4096, 'e')),
         FileAt(local + "cache2\\entries\\FFEEDDCCBBAA99887766554433221100FFEEDDCC", "<html>"),
         FolderAt(local + "startupCache"), FileAt(local + "startupCache\\startupCache.8.little", "cache"),
         FolderAt(local + "thumbnails"), FileAt(local + "thumbnails\\a1b2c3d4e5.png", "PNG"),
         FolderAt(p + "shader-cache"), FileAt(p + "shader-cache\\0\\1a2b3c", "shader")});
    Own(profile, "Firefox Form History *",
        {FileAt(p + "formhistory.sqlite", "SQLite format 3 forms"), FileAt(p + "formhistory.sqlite-wal", "wal")});
    Own(profile, "Firefox Session *",
        {FileAt(p + "sessionstore.jsonlz4", "mozLz40"), FolderAt(p + "sessionstore-backups"),
         FileAt(p + "sessionstore-backups\\recovery.jsonlz4", "mozLz40"),
         FileAt(p + "sessionstore-backups\\previous.jsonlz4", "mozLz40"),
         FileAt(p + "sessionstore-backups\\upgrade.jsonlz4-20261101000000", "mozLz40")});
    Own(profile, "Firefox Cookies *",
        {FileAt(p + "cookies.sqlite", "SQLite format 3 cookies"), FileAt(p + "cookies.sqlite-wal", "wal")});
    Own(profile, "Firefox Crash Reports *",
        {FileAt(root + "Crash Reports\\pending\\1a2b3c4d.dmp", "MDMP"), FileAt(root + "Crash Reports\\pending\\1a2b3c4d.extra", "{}"),
         FileAt(root + "Crash Reports\\submitted\\bp-1a2b3c4d.txt", "bp"), FileAt(p + "minidumps\\9f8e7d6c.dmp", "MDMP")});
    return profile;
}

void AddPlans(std::vector<SeedPlan>& plans, const std::vector<Owned>& profile, const std::vector<std::string>& rules)
{
    for (const std::string& rule : rules)
        plans.push_back(Plan(rule, profile));
}

}  // namespace

std::vector<SeedPlan> RuleSeedPlansBrowsers()
{
    std::vector<SeedPlan> plans;
    AddPlans(plans, ChromiumUserData("Google Chrome", "%LOCALAPPDATA%\\Google\\Chrome\\User Data", true),
             {"Google Chrome Cache *", "Google Chrome History *", "Google Chrome Cookies *", "Google Chrome Session *"});
    AddPlans(plans, ChromiumUserData("Microsoft Edge", "%LOCALAPPDATA%\\Microsoft\\Edge\\User Data", true),
             {"Microsoft Edge Cache *", "Microsoft Edge History *", "Microsoft Edge Cookies *"});
    AddPlans(plans, ChromiumUserData("Brave", "%LOCALAPPDATA%\\BraveSoftware\\Brave-Browser\\User Data", false),
             {"Brave Cache *", "Brave History *"});
    AddPlans(plans, ChromiumUserData("Vivaldi", "%LOCALAPPDATA%\\Vivaldi\\User Data", false),
             {"Vivaldi Cache *", "Vivaldi History *"});
    AddPlans(plans, OperaProfiles(), {"Opera Cache *", "Opera History *"});
    AddPlans(plans, FirefoxToday(),
             {"Firefox Cache *", "Firefox Form History *", "Firefox Session *", "Firefox Cookies *",
              "Firefox Crash Reports *"});
    return plans;
}
