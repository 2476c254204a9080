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
    return MatchesAnyRulePattern(name, *walk.Patterns) && !(walk.Exclusions && FileExcluded(path, *walk.Exclusions));
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

namespace {

// A path pattern as its parent folder pattern and its last step; false when it has none.
bool SplitLastStep(const std::string& pattern, std::string& parent, std::string& last)
{
    size_t slash = pattern.rfind('\\');
    if (slash == std::string::npos || slash + 1 >= pattern.size())
        return false;
    last = pattern.substr(slash + 1);
    parent = pattern.substr(0, slash == 2 ? 3 : slash);
    return true;
}

bool ExistsIn(const std::vector<std::string>& parents, const std::string& last)
{
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

}  // namespace

bool RulePathExists(const std::string& pattern)
{
    std::string parent, last;
    if (!SplitLastStep(pattern, parent, last))
        return false;
    std::vector<std::string> parents;
    MatchRuleFolders(parent, parents);
    return ExistsIn(parents, last);
}

// A short (8.3) step would slip past the protected-folder test: the long form decides.
std::string RuleLongFolder(const std::string& folder)
{
    using TGetLongPathName = DWORD(WINAPI*)(const char*, char*, DWORD);
    static auto get = reinterpret_cast<TGetLongPathName>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetLongPathNameA")));
    char path[MAX_PATH] = {};
    DWORD length = get ? get(folder.c_str(), path, sizeof path) : 0;
    return length > 0 && length < sizeof path ? std::string(path, length) : folder;
}

std::vector<std::string> TRuleLookups::MatchFolders(const std::string& pattern)
{
    std::lock_guard<std::mutex> hold(Lock);
    return MatchWithRootTest(pattern);
}

// Match, with MatchRuleFolders' test of a pattern of one step (a root that is a link).
std::vector<std::string> TRuleLookups::MatchWithRootTest(const std::string& pattern)
{
    std::vector<std::string> folders = Match(pattern);
    if (FolderDepth(pattern) == 1 && !folders.empty() && !FolderToEnter(folders[0]))
        folders.clear();
    return folders;
}

// The folders of every prefix of the pattern are kept, so that the next pattern with
// the same first steps starts where this one left off. Step for step, this is the walk
// of MatchRuleFolders, without its root test for a pattern of one step (MatchWithRootTest's).
const std::vector<std::string>& TRuleLookups::Match(const std::string& pattern)
{
    // A normal folder pattern is the join of its steps, the key it is kept under: most
    // patterns of a pass were met whole before, by an earlier rule or key.
    auto whole = Folders.find(pattern);
    if (whole != Folders.end())
        return whole->second;
    std::vector<std::string> steps = FolderSteps(pattern);
    static const std::vector<std::string> none;
    if (steps.empty() || HasWildcard(steps[0]))
        return none;
    std::vector<std::string> prefixes{steps[0]};
    for (size_t i = 1; i < steps.size(); ++i)
        prefixes.push_back(prefixes.back() + "\\" + steps[i]);
    size_t known = prefixes.size();
    auto found = Folders.end();
    while (known > 0 && (found = Folders.find(prefixes[known - 1])) == Folders.end())
        --known;
    if (known == 0) {
        found = Folders.emplace(prefixes[0], std::vector<std::string>{steps[0] + "\\"}).first;
        known = 1;
    }
    for (; known < steps.size(); ++known) {
        const std::vector<std::string>& current = found->second;
        std::vector<std::string> next;
        const std::string& step = steps[known];
        for (const std::string& folder : current) {
            if (!HasWildcard(step)) {
                std::string path = Join(folder, step);
                if (FolderToEnter(path))
                    next.push_back(path);
                continue;
            }
            for (const TEntry& entry : ListEntries(folder))
                if (entry.Folder && MatchesRulePattern(entry.Name, step))
                    next.push_back(Join(folder, entry.Name));
        }
        found = Folders.emplace(prefixes[known], std::move(next)).first;
    }
    return found->second;
}

bool TRuleLookups::PathExists(const std::string& pattern)
{
    std::lock_guard<std::mutex> hold(Lock);
    auto known = Answers.find("path " + pattern);
    if (known != Answers.end())
        return known->second;
    std::string parent, last;
    bool exists = false;
    if (SplitLastStep(pattern, parent, last)) {
        exists = ExistsIn(MatchWithRootTest(parent), last);
    }
    Answers.emplace("path " + pattern, exists);
    return exists;
}

std::string TRuleLookups::LongFolder(const std::string& folder)
{
    std::lock_guard<std::mutex> hold(Lock);
    auto known = LongForms.find(folder);
    if (known == LongForms.end())
        known = LongForms.emplace(folder, RuleLongFolder(folder)).first;
    return known->second;
}

bool TRuleLookups::Remembered(const std::string& question, const std::function<bool()>& answer)
{
    std::lock_guard<std::mutex> hold(Lock);
    auto known = Answers.find(question);
    if (known == Answers.end())
        known = Answers.emplace(question, answer()).first;
    return known->second;
}

void TRuleLookups::BeginCheck(size_t order)
{
    std::lock_guard<std::mutex> hold(Lock);
    if (InPass && order <= LastOrder) {
        Folders.clear();
        Answers.clear();
        LongForms.clear();
    }
    LastOrder = order;
    InPass = true;
}

void TRuleLookups::Forget()
{
    std::lock_guard<std::mutex> hold(Lock);
    Folders.clear();
    Answers.clear();
    LongForms.clear();
    InPass = false;
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
