// Cookie databases made by the test in the layouts of the Chrome family and Firefox,
// filtered with "example.com" on the keep list.
#include "catalogue/CookieDatabase.h"
#include "engine/CookiesToKeep.h"
#include "primitives/Effects.h"
#include "primitives/WholeFiles.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

const char* const Hosts[] = {".example.com", "example.com", "www.example.com", ".badexample.com",
                             "example.com.evil.net", ".news.example", "EXAMPLE.COM"};

struct TLayout {
    const char* FileName;
    const char* Table;
    const char* Host;
};
const TLayout Chrome = {"Cookies", "cookies", "host_key"};
const TLayout Firefox = {"cookies.sqlite", "moz_cookies", "host"};

class CookieDatabaseTest : public ::testing::Test {
protected:
    void SetUp() override { SetCookiesToKeep(TKeepList({"example.com"})); }
    void TearDown() override { SetCookiesToKeep(TKeepList()); }

    static sqlite3* OpenDb(const std::string& path)
    {
        sqlite3* db = nullptr;
        EXPECT_EQ(sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr), SQLITE_OK);
        return db;
    }
    static void Exec(sqlite3* db, const std::string& sql)
    {
        char* error = nullptr;
        EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error), SQLITE_OK) << (error ? error : "") << sql;
        sqlite3_free(error);
    }
    static std::vector<std::string> Column(const std::string& path, const std::string& sql)
    {
        sqlite3* db = OpenDb(path);
        sqlite3_stmt* statement = nullptr;
        std::vector<std::string> values;
        EXPECT_EQ(sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr), SQLITE_OK) << sql;
        while (statement && sqlite3_step(statement) == SQLITE_ROW)
            values.push_back(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
        sqlite3_finalize(statement);
        sqlite3_close(db);
        return values;
    }

    // A store with one cookie per host (value "secret-<n>"), a table the filter must not
    // touch, and in WAL mode rows left in the log, as a browser ended abruptly leaves them.
    std::string MakeStore(const TLayout& layout, bool wal)
    {
        std::string path = MakeScratchFolder("cookiedb") + layout.FileName;
        sqlite3* db = OpenDb(path);
        if (wal) {
            Exec(db, "PRAGMA journal_mode=WAL");
            sqlite3_db_config(db, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
        }
        Exec(db, "CREATE TABLE meta(key TEXT PRIMARY KEY, value TEXT)");
        Exec(db, "INSERT INTO meta VALUES('version', '18'), ('owner', 'example.org')");
        Exec(db, std::string("CREATE TABLE ") + layout.Table + "(id INTEGER PRIMARY KEY, " + layout.Host +
                     " TEXT NOT NULL, name TEXT, value TEXT)");
        Exec(db, std::string("CREATE INDEX hosts ON ") + layout.Table + "(" + layout.Host + ")");
        int n = 0;
        for (const char* host : Hosts)
            Exec(db, std::string("INSERT INTO ") + layout.Table + "(" + layout.Host + ", name, value) VALUES('" + host +
                         "', 'sid', 'secret-" + std::to_string(n++) + "')");
        sqlite3_close(db);
        return path;
    }
};

std::string Sorted(std::vector<std::string> values)
{
    std::sort(values.begin(), values.end());
    std::string joined;
    for (const std::string& value : values)
        joined += value + ";";
    return joined;
}

TEST_F(CookieDatabaseTest, OnlyTheRowsOfListedSitesStayAndTheStoreStaysWhole)
{
    for (const TLayout* layout : {&Chrome, &Firefox}) {
        for (bool wal : {false, true}) {
            SCOPED_TRACE(std::string(layout->FileName) + (wal ? " with WAL" : ""));
            std::string path = MakeStore(*layout, wal);
            std::string hostsSql = std::string("SELECT ") + layout->Host + " FROM " + layout->Table;
            ASSERT_EQ(FileExists(path + "-wal"), wal);
            std::string before = LoadFileText(path);

            {
                TPreviewScope preview;
                EXPECT_EQ(FilterCookieDatabase(path), TStoreFilter::Filtered);
                ASSERT_EQ(preview.Effects().size(), 2u);
                EXPECT_EQ(preview.Effects()[0].Kind, EffectKind::Kept);
                EXPECT_EQ(preview.Effects()[0].Name, "example.com");
                EXPECT_EQ(preview.Effects()[1].Kind, EffectKind::FilterStore);
            }
            EXPECT_EQ(LoadFileText(path), before) << "a preview changed the store";
            EXPECT_EQ(FileExists(path + "-wal"), wal);

            TEffectLog log;
            EXPECT_EQ(FilterCookieDatabase(path), TStoreFilter::Filtered);
            EXPECT_EQ(TotalEffects(log.Effects()).ByKind[static_cast<int>(EffectKind::FilterStore)], 1u);
            EXPECT_EQ(Sorted(Column(path, hostsSql)),
                      Sorted({".example.com", "example.com", "www.example.com", "EXAMPLE.COM"}));
            EXPECT_EQ(Sorted(Column(path, "SELECT key || '=' || value FROM meta")), "owner=example.org;version=18;");
            EXPECT_EQ(Column(path, "PRAGMA integrity_check"), std::vector<std::string>({"ok"}));
            // The log was settled into the store, and the deleted values were overwritten.
            EXPECT_FALSE(FileExists(path + "-wal"));
            EXPECT_FALSE(FileExists(path + "-journal"));
            std::string after = LoadFileText(path);
            for (const char* gone : {"secret-3", "secret-4", "secret-5", "badexample"})
                EXPECT_EQ(after.find(gone), std::string::npos) << gone;
        }
    }
}

TEST_F(CookieDatabaseTest, AStoreHeldOpenByItsBrowserIsLeftAloneAndReported)
{
    std::string path = MakeStore(Chrome, false);
    std::string before = LoadFileText(path);
    HANDLE browser = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                 OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(browser, INVALID_HANDLE_VALUE);
    TEffectLog log;
    EXPECT_EQ(FilterCookieDatabase(path), TStoreFilter::Kept);
    CloseHandle(browser);
    ASSERT_EQ(log.Effects().size(), 1u);
    EXPECT_EQ(log.Effects()[0].Kind, EffectKind::Kept);
    EXPECT_EQ(log.Effects()[0].Name, "in use by its browser, left alone");
    EXPECT_EQ(LoadFileText(path), before);
}

TEST_F(CookieDatabaseTest, NoListOtherNamesAndCorruptStoresAreNotFiltered)
{
    std::string path = MakeStore(Firefox, false);
    std::string before = LoadFileText(path);
    SetCookiesToKeep(TKeepList());
    EXPECT_EQ(FilterCookieDatabase(path), TStoreFilter::NotFiltered);
    SetCookiesToKeep(TKeepList({"example.com"}));
    std::string other = MakeScratchFolder("cookiedb") + "places.sqlite";
    WriteTextFile(other, before);
    EXPECT_EQ(FilterCookieDatabase(other), TStoreFilter::NotFiltered);
    EXPECT_EQ(LoadFileText(path), before);

    // Not a database: whole when it names a listed site, else the caller deletes it.
    std::string folder = MakeScratchFolder("cookiedb");
    WriteTextFile(folder + "Cookies", "garbage .example.com sid=1 garbage");
    EXPECT_EQ(FilterCookieDatabase(folder + "Cookies"), TStoreFilter::Kept);
    EXPECT_EQ(LoadFileText(folder + "Cookies"), "garbage .example.com sid=1 garbage");
    WriteTextFile(folder + "Cookies", "garbage .news.example sid=1");
    EXPECT_EQ(FilterCookieDatabase(folder + "Cookies"), TStoreFilter::NotFiltered);
    EXPECT_EQ(LoadFileText(folder + "Cookies"), "garbage .news.example sid=1");

    // A database without the cookie table is no store of ours either.
    std::string wrong = MakeScratchFolder("cookiedb") + "Cookies";
    sqlite3* db = OpenDb(wrong);
    Exec(db, "CREATE TABLE visits(url TEXT)");
    sqlite3_close(db);
    EXPECT_EQ(FilterCookieDatabase(wrong), TStoreFilter::NotFiltered);
    EXPECT_EQ(Column(wrong, "SELECT count(*) FROM visits"), std::vector<std::string>({"0"}));
}

}  // namespace

namespace {

TEST_F(CookieDatabaseTest, TheRulesDeletionFiltersStoresAndLeavesTheirJournalsToSqlite)
{
    std::string path = MakeStore(Chrome, false);
    std::string folder = path.substr(0, path.size() - 7);
    WriteTextFile(path + "-journal", "");
    WriteTextFile(folder + "History", "visits");
    for (const std::string& file : {path + "-journal", path, folder + "History"})
        EXPECT_TRUE(DeleteFileKeepingCookies(file)) << file;
    EXPECT_TRUE(FileExists(path));
    EXPECT_FALSE(FileExists(folder + "History"));
    EXPECT_EQ(Column(path, "SELECT count(*) FROM cookies"), std::vector<std::string>({"4"}));

    // SQLite removed the empty journal when it opened the store.
    EXPECT_FALSE(FileExists(path + "-journal"));

    SetCookiesToKeep(TKeepList());
    WriteTextFile(path + "-journal", "");
    for (const std::string& file : {path + "-journal", path})
        EXPECT_TRUE(DeleteFileKeepingCookies(file)) << file;
    EXPECT_FALSE(FileExists(path));
    EXPECT_FALSE(FileExists(path + "-journal"));
}

}  // namespace
