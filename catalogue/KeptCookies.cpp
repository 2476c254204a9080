#include "catalogue/KeptCookies.h"

#include "catalogue/BrowserFamilies.h"
#include "catalogue/CatalogueHelpers.h"
#include "catalogue/CookieDatabase.h"
#include "engine/CookieFiles.h"
#include "engine/CookiesToKeep.h"
#include "primitives/Effects.h"
#include "primitives/WholeFiles.h"

#include <windows.h>

#include <algorithm>
#include <vector>

namespace {

struct TEntry {
    std::string Path;
    DWORD Attributes;
    int64_t Bytes;
};

// The entries the system's search finds for the mask, names beginning with "." left
// out as every search of the catalogue does.
std::vector<TEntry> Entries(const std::string& folder, const std::string& mask)
{
    std::vector<TEntry> entries;
    WIN32_FIND_DATAA data;
    HANDLE search = FindFirstFileA((folder + mask).c_str(), &data);
    if (search == INVALID_HANDLE_VALUE)
        return entries;
    do {
        if (data.cFileName[0] != '.')
            entries.push_back(TEntry{folder + data.cFileName, data.dwFileAttributes,
                                     static_cast<int64_t>((static_cast<uint64_t>(data.nFileSizeHigh) << 32) |
                                                          data.nFileSizeLow)});
    } while (FindNextFileA(search, &data));
    FindClose(search);
    return entries;
}

bool IsFolderEntry(const TEntry& entry)
{
    return (entry.Attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// A file we cannot read might be a kept site's: it stays.
const char* const Unreadable = "(unreadable, kept)";

std::string SiteOfCookieFile(const std::string& path, const TKeepList& keep)
{
    try {
        return IeCookieFileSite(LoadFileText(path), keep);
    } catch (const std::exception&) {
        return Unreadable;
    }
}

bool IsIndex(const std::string& path)
{
    return SameText(path.substr(path.find_last_of('\\') + 1), "index.dat");
}

// Whether any file below the folder is a kept site's (the index aside).
bool KeepsAny(const std::string& folder, const TKeepList& keep)
{
    for (const TEntry& entry : Entries(folder, "*.*")) {
        if (IsFolderEntry(entry)) {
            if (IsFolderToEnter(entry.Path, entry.Attributes) && KeepsAny(entry.Path + "\\", keep))
                return true;
        } else if (!IsIndex(entry.Path) && !SiteOfCookieFile(entry.Path, keep).empty()) {
            return true;
        }
    }
    return false;
}

void FilterCookieFolder(const std::string& folder, const TKeepList& keep)
{
    for (const TEntry& entry : Entries(folder, "*.*")) {
        if (IsFolderEntry(entry)) {
            if (IsFolderToEnter(entry.Path, entry.Attributes) && KeepsAny(entry.Path + "\\", keep))
                FilterCookieFolder(entry.Path + "\\", keep);
            else
                DeleteFolder(entry.Path);
            continue;
        }
        if (IsIndex(entry.Path))
            continue;
        std::string site = SiteOfCookieFile(entry.Path, keep);
        if (site.empty())
            EffectDeleteFile(entry.Path, false, entry.Bytes);
        else
            EffectNoteKept(entry.Path, site);
    }
}

}  // namespace

void EmptyCookieFolder(const std::string& base, const std::string& tail)
{
    TKeepList keep = CookiesToKeep();
    if (base.empty())
        return;
    std::string folder = base + tail;
    AddTrailingBackslash(folder);
    if (keep.Empty() || !EffectPathAllowed(folder)) {
        EmptyFolder(base, tail);
        return;
    }
    FilterCookieFolder(folder, keep);
    if (!KeepCookieIndex(folder))
        for (const TEntry& entry : Entries(folder, "index.dat"))
            EffectDeleteFile(entry.Path, false, entry.Bytes);
}

bool KeepCookieIndex(const std::string& cookiesFolder)
{
    TKeepList keep = CookiesToKeep();
    if (keep.Empty() || cookiesFolder.empty())
        return false;
    std::string folder = cookiesFolder;
    AddTrailingBackslash(folder);
    if (!KeepsAny(folder, keep))
        return false;
    EffectNoteKept(folder + "index.dat", "index of the kept cookies");
    return true;
}

bool KeepWholeStore(const std::string& file)
{
    TKeepList keep = CookiesToKeep();
    if (keep.Empty() || !FileExists(file))
        return false;
    std::string site;
    try {
        site = keep.SiteMentionedIn(LoadFileText(file));
    } catch (const std::exception&) {
        site = Unreadable;
    }
    if (site.empty())
        return false;
    EffectNoteKept(file, site);
    return true;
}

void DeleteCookieStoreIn(const std::string& base, const std::string& tail)
{
    if (!base.empty() && !KeepWholeStore(base + tail))
        DeleteIn(base, tail);
}

void EmptyCookieStores(const std::string& base, const std::string& tail, const std::string& mask)
{
    if (base.empty())
        return;
    if (CookiesToKeep().Empty()) {
        EmptyFolder(base, tail, mask, true);
        return;
    }
    std::string folder = base + tail;
    AddTrailingBackslash(folder);
    if (!EffectPathAllowed(folder) || mask.find_first_of("\\/") != std::string::npos)
        return;
    for (const TEntry& entry : Entries(folder, mask))
        if (!IsFolderEntry(entry) && !KeepWholeStore(entry.Path))
            EffectDeleteFile(entry.Path, false, entry.Bytes);
}

void TruncateCookieStores(const std::string& folder, const char* mask)
{
    std::vector<std::string> files;
    if (!folder.empty())
        FindFiles(folder, mask, files);
    for (const std::string& file : files)
        if (!KeepWholeStore(file))
            TruncateFile(file);
}

namespace {

void AddSite(std::vector<std::string>& sites, const std::string& host)
{
    std::string site = NormalHost(host);
    if (site.compare(0, 4, "www.") == 0)
        site.erase(0, 4);
    if (!NormalSite(site).empty())
        sites.push_back(site);
}

void AddHostsOfIeFolder(std::vector<std::string>& sites, const std::string& folder)
{
    for (const TEntry& entry : Entries(folder, "*.*")) {
        if (IsFolderEntry(entry)) {
            if (IsFolderToEnter(entry.Path, entry.Attributes))
                AddHostsOfIeFolder(sites, entry.Path + "\\");
        } else if (!IsIndex(entry.Path)) {
            try {
                for (const std::string& host : IeCookieHosts(LoadFileText(entry.Path)))
                    AddSite(sites, host);
            } catch (const std::exception&) {
            }
        }
    }
}

void AddHostsOfCookiesTxt(std::vector<std::string>& sites, const std::string& file)
{
    try {
        for (const std::string& host : CookiesTxtHosts(LoadFileText(file)))
            AddSite(sites, host);
    } catch (const std::exception&) {
    }
}

}  // namespace

std::vector<std::string> CookieSitesFound()
{
    std::vector<std::string> sites;
    std::string cookies = GetCookiesFolder();
    if (!cookies.empty())
        AddHostsOfIeFolder(sites, cookies + "\\");
    std::vector<std::string> folders;
    std::string appData = GetAppDataFolder(), programFiles = GetProgramFilesFolder();
    if (!appData.empty())
        folders = {appData + "\\Mozilla\\", appData + "\\Phoenix\\"};
    if (!programFiles.empty())
        folders.push_back(programFiles + "\\Netscape\\");
    for (const std::string& folder : folders) {
        if (!IsDirectory(folder))
            continue;
        std::vector<std::string> files;
        FindFiles(folder, "cookies.txt", files);
        for (const std::string& file : files)
            AddHostsOfCookiesTxt(sites, file);
        files.clear();
        FindFiles(folder, "cookies.sqlite", files);
        for (const std::string& file : files)
            for (const std::string& host : HostsInCookieDatabase(file))
                AddSite(sites, host);
    }
    std::sort(sites.begin(), sites.end());
    sites.erase(std::unique(sites.begin(), sites.end()), sites.end());
    return sites;
}
