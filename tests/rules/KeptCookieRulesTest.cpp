// A rule that deletes a browser's cookie database, with "example.com" on the keep list:
// the database is filtered instead, other files of the rule still go.
#include "engine/CookiesToKeep.h"
#include "primitives/Effects.h"
#include "primitives/WholeFiles.h"
#include "rules/RuleLoader.h"
#include "rules/RuleSystem.h"
#include "tests/primitives/Helpers.h"
#include "tools/seeder/Seeder.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

std::string Rows(const std::string& path)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* statement = nullptr;
    std::string rows;
    if (sqlite3_prepare_v2(db, "SELECT host_key FROM cookies ORDER BY host_key", -1, &statement, nullptr) == SQLITE_OK)
        while (sqlite3_step(statement) == SQLITE_ROW)
            rows += reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)) + std::string(";");
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return rows;
}

void MakeChromeStore(const std::string& path)
{
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db,
                           "CREATE TABLE cookies(host_key TEXT NOT NULL, name TEXT, value TEXT);"
                           "INSERT INTO cookies VALUES('.example.com','sid','1'),('.badexample.com','sid','2'),"
                           "('mail.example.com','t','3'),('.ads.example.net','id','4');",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(db);
}

TEST(KeptCookieRules, ARuleFiltersTheCookieDatabaseInsteadOfDeletingIt)
{
    RequireSandbox();
    auto system = std::make_shared<const TRuleSystem>(ReadRuleSystem());
    const std::string base = system->Variables.at("localappdata")[0] + "\\HmCookieRule";
    const std::string profile = base + "\\User Data\\Default\\";
    RemoveTree(base);
    for (const std::string& folder : {base, base + "\\User Data", profile})
        CreateDirectoryA(folder.c_str(), nullptr);
    MakeChromeStore(profile + "Cookies");
    MakeFile(profile + "History", 10);

    TIssueList issues;
    std::vector<std::string> messages;
    AddRuleIssues("[Cookie rule *]\nFileKey1=%LocalAppData%\\HmCookieRule\\User Data\\*|Cookies;Cookies-journal;History\n",
                  "test.ini", system, issues, messages);
    ASSERT_EQ(issues.size(), 1u);
    TPrivacyIssue& rule = *issues[0];

    SetCookiesToKeep(TKeepList({"example.com"}));
    {
        TPreviewScope preview;
        ASSERT_TRUE(rule.Check());
        rule.Solve();
        bool kept = false, filtered = false;
        for (const Effect& effect : preview.Effects()) {
            kept = kept || (effect.Kind == EffectKind::Kept && effect.Name == "example.com");
            filtered = filtered || (effect.Kind == EffectKind::FilterStore && effect.Path == profile + "Cookies");
        }
        EXPECT_TRUE(kept && filtered);
    }
    EXPECT_EQ(Rows(profile + "Cookies"), ".ads.example.net;.badexample.com;.example.com;mail.example.com;");
    rule.Solve();
    EXPECT_EQ(Rows(profile + "Cookies"), ".example.com;mail.example.com;");
    EXPECT_FALSE(FileExists(profile + "History"));

    // No list: the rule deletes the database as it says.
    SetCookiesToKeep(TKeepList());
    rule.Solve();
    EXPECT_FALSE(FileExists(profile + "Cookies"));
    RemoveTree(base);
}

}  // namespace
