#include "rules/RuleFiles.h"

#include "catalogue/CookieDatabase.h"

#include "primitives/Effects.h"

#include <windows.h>

#include <cstring>
#include <functional>

namespace {

struct TEntry {
    std::string Name;
    bool Folder;  // a folder that may be entered (never a link)
    bool Link;
    int64_t Bytes;
};

// Every name in the folder but "." and "..", listed before anything is changed.
std::vector<TEntry> ListEntries(const std::string& folder)
{
    std::vector<TEntry> entries;
    UINT previous = SetErrorMode(SEM_FAILCRITICALERRORS);
    WIN32_FIND_DATAA data;
    HANDLE search = FindFirstFileA((folder + (folder.back() == '\\' ? "*" : "\\*")).c_str(), &data);
    SetErrorMode(previous);
    if (search == INVALID_HANDLE_VALUE)
        return entries;
    std::string base = folder.back() == '\\' ? folder : folder + "\\";
    do {
        if (std::strcmp(data.cFileName, ".") == 0 || std::strcmp(data.cFileName, "..") == 0)
            continue;
        bool directory = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        bool enter = directory && IsFolderToEnter(base + data.cFileName, data.dwFileAttributes);
        int64_t bytes = static_cast<int64_t>((static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow);
        entries.push_back(TEntry{data.cFileName, enter, directory && !enter, bytes});
    } while (FindNextFileA(search, &data));
    FindClose(search);
    return entries;
}

std::string Join(const std::string& folder, const std::string& name)
{
    return folder.back() == '\\' ? folder + name : folder + "\\" + name;
}

bool FolderToEnter(const std::string& path)
{
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && IsFolderToEnter(path, attributes);
}

bool Deletable(const std::string& path, const std::string& name, const TFileKeyWalk& walk)
{
    return MatchesAnyRulePattern(name, walk.Patterns) && !(walk.Exclusions && FileExcluded(path, *walk.Exclusions));
}

// Answers whether the folder is left empty.
bool Clean(const std::string& folder, const TFileKeyWalk& walk)
{
    bool empty = true;
    for (const TEntry& entry : ListEntries(folder)) {
        std::string path = Join(folder, entry.Name);
        bool gone = false;
        if (entry.Folder && walk.Recurse) {
            bool subEmpty = Clean(path, walk);
            gone = walk.RemoveSelf && subEmpty && EffectRemoveEmptyFolder(path);
        } else if (entry.Link && walk.Recurse) {
            // Never entered: what it leads to stays, and the user is told so.
            EffectNoteRefused(EffectKind::RemoveFolder, path);
        } else if (!entry.Folder && !entry.Link && Deletable(path, entry.Name, walk))
            gone = DeleteRuleFile(path, entry.Bytes);
        empty = empty && gone;
    }
    return empty;
}

}  // namespace

void MatchRuleFolders(const std::string& pattern, std::vector<std::string>& folders)
{
    std::vector<std::string> steps = FolderSteps(pattern);
    if (steps.empty() || HasWildcard(steps[0]))
        return;
    std::vector<std::string> current{steps[0] + "\\"};
    for (size_t i = 1; i < steps.size() && !current.empty();) {
        std::vector<std::string> next;
        if (!HasWildcard(steps[i])) {
            // A run of plain steps costs one look-up when its end is missing (most rules
            // find nothing); only an existing end has each step checked for a link.
            size_t end = i;
            while (end < steps.size() && !HasWildcard(steps[end]))
                ++end;
            for (const std::string& folder : current) {
                std::string path = folder;
                for (size_t k = i; k < end; ++k)
                    path = Join(path, steps[k]);
                if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES)
                    continue;
                std::string step = folder;
                bool enterable = true;
                for (size_t k = i; k < end && enterable; ++k) {
                    step = Join(step, steps[k]);
                    enterable = FolderToEnter(step);
                }
                if (enterable)
                    next.push_back(path);
            }
            i = end;
        } else {
            for (const std::string& folder : current)
                for (const TEntry& entry : ListEntries(folder))
                    if (entry.Folder && MatchesRulePattern(entry.Name, steps[i]))
                        next.push_back(Join(folder, entry.Name));
            ++i;
        }
        current.swap(next);
    }
    if (steps.size() == 1 && !FolderToEnter(current[0]))
        current.clear();
    folders.insert(folders.end(), current.begin(), current.end());
}

bool RulePathExists(const std::string& pattern)
{
    size_t slash = pattern.rfind('\\');
    if (slash == std::string::npos || slash + 1 >= pattern.size())
        return false;
    std::string last = pattern.substr(slash + 1);
    std::vector<std::string> parents;
    MatchRuleFolders(pattern.substr(0, slash == 2 ? 3 : slash), parents);
    for (const std::string& parent : parents) {
        if (!HasWildcard(last)) {
            if (GetFileAttributesA(Join(parent, last).c_str()) != INVALID_FILE_ATTRIBUTES)
                return true;
            continue;
        }
        for (const TEntry& entry : ListEntries(parent))
            if (MatchesRulePattern(entry.Name, last))
                return true;
    }
    return false;
}

bool FileKeyFinds(const std::string& folder, const TFileKeyWalk& walk)
{
    for (const TEntry& entry : ListEntries(folder)) {
        std::string path = Join(folder, entry.Name);
        if (entry.Folder ? walk.Recurse && FileKeyFinds(path, walk)
                         : !entry.Link && Deletable(path, entry.Name, walk))
            return true;
    }
    return false;
}

void FileKeyClean(const std::string& folder, const TFileKeyWalk& walk)
{
    if (Clean(folder, walk) && walk.RemoveSelf)
        EffectRemoveEmptyFolder(folder);
}

bool DeleteRuleFile(const std::string& path, int64_t bytes)
{
    // With a keep list, a browser's cookie database is filtered rather than deleted.
    return DeleteFileKeepingCookies(path, bytes);
}
