#include "catalogue/CookieDatabase.h"

#include "catalogue/KeptCookies.h"
#include "engine/CookiesToKeep.h"
#include "primitives/Effects.h"
#include "primitives/Text.h"
#include "primitives/WholeFiles.h"

#include <sqlite3.h>
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

namespace {

struct TStoreLayout {
    const char* Table;
    const char* HostColumn;
};

const char* BaseName(const std::string& path)
{
    size_t slash = path.find_last_of("\\/");
    return path.c_str() + (slash == std::string::npos ? 0 : slash + 1);
}

bool LayoutOf(const std::string& path, TStoreLayout& layout)
{
    std::string name = BaseName(path);
    if (SameText(name, "Cookies"))
        layout = {"cookies", "host_key"};
    else if (SameText(name, "cookies.sqlite"))
        layout = {"moz_cookies", "host"};
    else
        return false;
    return true;
}

struct TCloser {
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
using TDatabase = std::unique_ptr<sqlite3, TCloser>;

// hm_kept(host): 1 when the keep list keeps the host's cookies.
void KeptFunction(sqlite3_context* context, int, sqlite3_value** values)
{
    const auto* keep = static_cast<const TKeepList*>(sqlite3_user_data(context));
    const unsigned char* host = sqlite3_value_text(values[0]);
    bool kept = host && !keep->SiteKeeping(reinterpret_cast<const char*>(host)).empty();
    sqlite3_result_int(context, kept ? 1 : 0);
}

// A read of the store that cannot change it: "immutable" takes no locks and neither
// reads nor makes a journal.
std::string ImmutableUri(const std::string& path)
{
    std::string uri = "file:///";
    for (char c : path) {
        if (c == '\\')
            uri += '/';
        else if (c == '%' || c == '?' || c == '#') {
            char escaped[4];
            wsprintfA(escaped, "%%%02X", static_cast<unsigned char>(c));
            uri += escaped;
        } else
            uri += c;
    }
    return uri + "?mode=ro&immutable=1";
}

TDatabase Open(const std::string& target, int flags, const TKeepList& keep)
{
    sqlite3* raw = nullptr;
    int status = sqlite3_open_v2(target.c_str(), &raw, flags, nullptr);
    TDatabase db(raw);
    if (status != SQLITE_OK)
        return nullptr;
    sqlite3_busy_timeout(db.get(), 2000);
    if (sqlite3_create_function(db.get(), "hm_kept", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC,
                                const_cast<TKeepList*>(&keep), KeptFunction, nullptr, nullptr) != SQLITE_OK)
        return nullptr;
    return db;
}

// The listed sites that rows of the store belong to; false when the store cannot be
// read as a cookie database of its kind.
bool KeptSitesIn(sqlite3* db, const TStoreLayout& layout, const TKeepList& keep, std::vector<std::string>& sites)
{
    std::string sql = std::string("SELECT DISTINCT ") + layout.HostColumn + " FROM " + layout.Table + " WHERE hm_kept(" +
                      layout.HostColumn + ")";
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK)
        return false;
    int status;
    while ((status = sqlite3_step(statement)) == SQLITE_ROW) {
        std::string site = keep.SiteKeeping(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
        bool known = false;
        for (const std::string& listed : sites)
            known = known || listed == site;
        if (!known)
            sites.push_back(site);
    }
    sqlite3_finalize(statement);
    return status == SQLITE_DONE;
}

bool Execute(sqlite3* db, const std::string& sql)
{
    return sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
}

// Deletes the rows of other sites in one transaction; nothing changes unless all of it
// succeeds. Deleted rows are overwritten, so that their values do not stay in free pages.
bool DeleteOtherRows(sqlite3* db, const TStoreLayout& layout)
{
    if (!Execute(db, "PRAGMA secure_delete=ON") || !Execute(db, "BEGIN IMMEDIATE"))
        return false;
    bool done = Execute(db, std::string("DELETE FROM ") + layout.Table + " WHERE NOT hm_kept(" + layout.HostColumn +
                                ")");
    if (done && Execute(db, "COMMIT"))
        return true;
    Execute(db, "ROLLBACK");
    return false;
}

// A store with a write-ahead log holds rows that a read without the log misses, and
// reading the log itself writes beside it: a preview reads a copy of both in a folder
// of its own, removed again afterwards. Empty path without a log.
class TPreviewCopy {
public:
    explicit TPreviewCopy(const std::string& store)
    {
        if (!FileExists(store + "-wal"))
            return;
        char temp[MAX_PATH] = {};
        if (!GetTempPathA(MAX_PATH, temp))
            return;
        Folder = std::string(temp) + "hm-preview-" + std::to_string(GetCurrentProcessId()) + "-" +
                 std::to_string(GetTickCount());
        if (!CreateDirectoryA(Folder.c_str(), nullptr)) {
            Folder.clear();
            return;
        }
        Name = BaseName(store);
        std::string copy = Folder + "\\" + Name;
        if (CopyFileA(store.c_str(), copy.c_str(), FALSE) && CopyFileA((store + "-wal").c_str(), (copy + "-wal").c_str(), FALSE))
            Copy = copy;
    }
    ~TPreviewCopy()
    {
        if (Folder.empty())
            return;
        // Our own scratch copy, not the user's data: removed directly.
        for (const char* suffix : {"", "-wal", "-shm", "-journal"})
            DeleteFileA((Folder + "\\" + Name + suffix).c_str());
        RemoveDirectoryA(Folder.c_str());
    }
    TPreviewCopy(const TPreviewCopy&) = delete;
    TPreviewCopy& operator=(const TPreviewCopy&) = delete;
    const std::string& Path() const { return Copy; }

private:
    std::string Folder, Copy, Name;
};

// The browser keeps its store open while it runs; nothing else may then open it
// without sharing.
bool HeldOpen(const std::string& path)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        CloseHandle(file);
        return false;
    }
    return GetLastError() == ERROR_SHARING_VIOLATION || GetLastError() == ERROR_LOCK_VIOLATION;
}

// A store we cannot read as a database: whole when it or its write-ahead log names a
// listed site, else gone.
TStoreFilter Unreadable(const std::string& path)
{
    bool kept = KeepWholeStore(path) || KeepWholeStore(path + "-wal");
    return kept ? TStoreFilter::Kept : TStoreFilter::NotFiltered;
}

}  // namespace

bool IsCookieDatabaseName(const std::string& path)
{
    TStoreLayout layout;
    return LayoutOf(path, layout);
}

TStoreFilter FilterCookieDatabase(const std::string& path)
{
    TKeepList keep = CookiesToKeep();
    TStoreLayout layout;
    DWORD attributes = GetFileAttributesA(path.c_str());
    if (keep.Empty() || !LayoutOf(path, layout) || attributes == INVALID_FILE_ATTRIBUTES ||
        (attributes & FILE_ATTRIBUTE_DIRECTORY) || !EffectPathAllowed(path))
        return TStoreFilter::NotFiltered;
    if (HeldOpen(path)) {
        EffectNoteKept(path, "in use by its browser, left alone");
        return TStoreFilter::Kept;
    }

    std::vector<std::string> sites;
    if (PreviewActive()) {
        TPreviewCopy copy(path);
        TDatabase db = copy.Path().empty() ? Open(ImmutableUri(path), SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, keep)
                                           : Open(copy.Path(), SQLITE_OPEN_READWRITE, keep);
        if (!db || !KeptSitesIn(db.get(), layout, keep, sites))
            return Unreadable(path);
        for (const std::string& site : sites)
            EffectNoteKept(path, site);
        EffectFilterStore(path, "cookies of other sites", [] { return true; });
        return TStoreFilter::Filtered;
    }

    TDatabase db = Open(path, SQLITE_OPEN_READWRITE, keep);
    if (!db || !KeptSitesIn(db.get(), layout, keep, sites))
        return Unreadable(path);
    for (const std::string& site : sites)
        EffectNoteKept(path, site);
    sqlite3* handle = db.get();
    if (EffectFilterStore(path, "cookies of other sites", [&] { return DeleteOtherRows(handle, layout); }))
        return TStoreFilter::Filtered;
    // The transaction rolled back: the store is as it was, and stays so.
    EffectNoteKept(path, "could not be filtered, left alone");
    return TStoreFilter::Kept;
}

bool DeleteFileKeepingCookies(const std::string& path, int64_t knownBytes)
{
    if (!CookiesToKeep().Empty()) {
        for (const char* suffix : {"-journal", "-wal", "-shm"}) {
            std::string store = path.substr(0, path.size() - std::min(path.size(), strlen(suffix)));
            if (EndsWith(path, suffix) && IsCookieDatabaseName(store) && FileExists(store))
                return true;
        }
        if (FilterCookieDatabase(path) != TStoreFilter::NotFiltered)
            return true;
    }
    return EffectDeleteFile(path, false, knownBytes);
}

std::vector<std::string> HostsInCookieDatabase(const std::string& path)
{
    std::vector<std::string> hosts;
    TStoreLayout layout;
    TKeepList none;
    if (!LayoutOf(path, layout))
        return hosts;
    TDatabase db = Open(ImmutableUri(path), SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, none);
    sqlite3_stmt* statement = nullptr;
    std::string sql = std::string("SELECT DISTINCT ") + layout.HostColumn + " FROM " + layout.Table;
    if (!db || sqlite3_prepare_v2(db.get(), sql.c_str(), -1, &statement, nullptr) != SQLITE_OK)
        return hosts;
    while (sqlite3_step(statement) == SQLITE_ROW)
        if (const unsigned char* host = sqlite3_column_text(statement, 0))
            hosts.push_back(reinterpret_cast<const char*>(host));
    sqlite3_finalize(statement);
    return hosts;
}
