#pragma once
// The cookie stores of today's browsers are SQLite databases: "Cookies" of the Chrome
// family (table "cookies", column "host_key") and "cookies.sqlite" of Firefox (table
// "moz_cookies", column "host"). With a keep list, a deletion of such a store deletes
// only the rows of the sites not listed.
#include <cstdint>
#include <string>
#include <vector>

enum class TStoreFilter {
    NotFiltered,  // no keep list, or no cookie database: delete it as before
    Filtered,     // the rows of other sites are gone (or would be, in a preview)
    Kept,         // left whole, and noted: its browser holds it open, or it cannot be read
                  // as a database and names a listed site
};

// Whether the file's name is that of a cookie database we can filter.
bool IsCookieDatabaseName(const std::string& path);

// Filters the store in one transaction (SQLite settles a journal or write-ahead log the
// browser left), overwriting the deleted rows on disk. Changes nothing in a preview,
// where it records the kept sites and the filtering it would do.
TStoreFilter FilterCookieDatabase(const std::string& path);

// The deletion of a file by a rule: with a keep list, a cookie database is filtered
// instead, and its journal files ("-journal", "-wal", "-shm") are left to SQLite, which
// settles them when it opens the store. Any other file is deleted as EffectDeleteFile
// does (knownBytes < 0: the layer reads the size). True when the file was deleted,
// filtered or deliberately kept.
bool DeleteFileKeepingCookies(const std::string& path, int64_t knownBytes = -1);

// Every host of the store's cookies, read without changing anything; empty when it
// cannot be read.
std::vector<std::string> HostsInCookieDatabase(const std::string& path);
