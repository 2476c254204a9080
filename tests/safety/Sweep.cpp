#include "tests/safety/Sweep.h"

#include "engine/Scanner.h"
#include "primitives/Effects.h"
#include "primitives/Registry.h"
#include "primitives/SpecialFolders.h"
#include <gtest/gtest.h>

#include "tests/catalogue/CatalogueCycle.h"
#include "tools/seeder/Seeder.h"

#include <cstdio>
#include <cstring>
#include <tuple>

namespace {

std::string Upper(std::string text)
{
    if (!text.empty())
        CharUpperBuffA(&text[0], static_cast<DWORD>(text.size()));
    return text;
}

bool Below(const std::string& path, const std::string& folder)
{
    return path.size() > folder.size() && path.compare(0, folder.size(), folder) == 0 && path[folder.size()] == '\\';
}

// Where the registry trees are saved for a moment; never part of the drive's state.
const char RegistryFile[] = "C:\\hushmark\\sweep-registry.txt";

bool SkippedFolder(const std::string& upperPath)
{
    static const char* const skipped[] = {"\\WINDOWS\\SYSTEM32", "\\WINDOWS\\SYSWOW64", "\\WINDOWS\\WINSXS",
                                          "\\WINDOWS\\INSTALLER", "\\WINDOWS\\FONTS", "\\WINDOWS\\GLOBALIZATION"};
    for (const char* tail : skipped) {
        size_t length = std::strlen(tail);
        if (upperPath.size() >= length && upperPath.compare(upperPath.size() - length, length, tail) == 0)
            return true;
    }
    return false;
}

void ListFiles(const std::string& folder, FileState& files)
{
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        std::string name = entry.cFileName;
        if (name == "." || name == "..")
            continue;
        std::string path = folder + "\\" + Upper(name);
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) && !SkippedFolder(path))
                ListFiles(path, files);
        } else if (path != Upper(RegistryFile)) {
            uint64_t size = (uint64_t(entry.nFileSizeHigh) << 32) | entry.nFileSizeLow;
            uint64_t time = (uint64_t(entry.ftLastWriteTime.dwHighDateTime) << 32) | entry.ftLastWriteTime.dwLowDateTime;
            files[path] = {size, time};
        }
    } while (FindNextFileA(search, &entry));
    FindClose(search);
}

const char ValueMark[] = "\\\x01";

// Saving a key needs the backup privilege, which the token holds but keeps disabled.
void EnableBackupPrivilege()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    HANDLE token;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token))
        return;
    TOKEN_PRIVILEGES privileges = {};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    if (LookupPrivilegeValueA(nullptr, SE_BACKUP_NAME, &privileges.Privileges[0].Luid))
        AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr);
    CloseHandle(token);
}

// A key name of Wine's registry text: "\\" stands for a backslash inside a name part,
// a lone backslash separates the parts.
std::string KeyNameOf(const std::string& escaped)
{
    std::string name;
    for (size_t i = 0; i < escaped.size(); ++i) {
        if (escaped[i] == '\\' && i + 1 < escaped.size() && escaped[i + 1] == '\\')
            ++i;
        name += escaped[i];
    }
    return Upper(name);
}

// The tree saved by the registry itself in one call (walking it value by value costs
// tens of seconds under Wine), read back into entries. Each key's time stamp is left
// out: only names and data count.
void SaveTree(HKEY root, const std::string& subkey, const std::string& text, RegistryState& state)
{
    HKEY key;
    if (RegOpenKeyExA(root, subkey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        state[text] = "(closed)";
        return;
    }
    const std::string file = RegistryFile;
    DeleteFileA(file.c_str());
    EnableBackupPrivilege();
    LONG saved = RegSaveKeyA(key, file.c_str(), nullptr);
    RegCloseKey(key);
    std::string content;
    if (saved == ERROR_SUCCESS) {
        HANDLE handle = CreateFileA(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        if (handle != INVALID_HANDLE_VALUE) {
            DWORD size = GetFileSize(handle, nullptr), got = 0;
            content.resize(size);
            if (size && !ReadFile(handle, &content[0], size, &got, nullptr))
                got = 0;
            content.resize(got);
            CloseHandle(handle);
        }
        DeleteFileA(file.c_str());
    }
    if (content.empty()) {
        state[text] = "(unsaved)";
        return;
    }
    state[text] = "";
    std::string current = text, entry;
    size_t at = 0;
    while (at < content.size()) {
        size_t end = content.find('\n', at);
        if (end == std::string::npos)
            end = content.size();
        std::string line = content.substr(at, end - at);
        at = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!entry.empty()) {  // a value's data continued from the line before
            entry += line;
        } else if (!line.empty() && line[0] == '[') {
            size_t close = line.rfind(']');
            current = text + "\\" + KeyNameOf(line.substr(1, close == std::string::npos ? 0 : close - 1));
            // The text names only keys with values or without subkeys: the others
            // follow from the names below them.
            for (size_t slash = current.find('\\', text.size() + 1); slash != std::string::npos;
                 slash = current.find('\\', slash + 1))
                state.emplace(current.substr(0, slash), "");
            state[current] = "";
            continue;
        } else if (!line.empty() && (line[0] == '"' || line[0] == '@')) {
            entry = line;
        } else {
            continue;
        }
        if (!entry.empty() && entry.back() == '\\') {
            entry.pop_back();
            continue;
        }
        // "name"=data or @=data; the name's quotes may hold escaped quotes.
        std::string name;
        size_t data = 0;
        if (entry[0] == '@') {
            data = 2;
        } else {
            size_t i = 1;
            for (; i < entry.size() && entry[i] != '"'; ++i) {
                if (entry[i] == '\\' && i + 1 < entry.size())
                    ++i;
                name += entry[i];
            }
            data = i + 2;
        }
        state[current + ValueMark + Upper(name)] = data < entry.size() ? entry.substr(data) : std::string();
        entry.clear();
    }
}

// The values the sweep set, and how to put each back.
struct SavedValue {
    HKEY Root;
    std::string SubKey, Name;
    std::string CreatedKey;  // the first key the sweep had to create, or empty
    bool Existed = false;
    DWORD Type = 0;
    std::vector<BYTE> Data;
};

void DeleteTree(HKEY root, const std::string& subkey)
{
    HKEY key;
    if (RegOpenKeyExA(root, subkey.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS) {
        std::vector<std::string> children;
        char child[MAX_PATH + 1];
        for (DWORD index = 0;; ++index) {
            DWORD length = sizeof child;
            LONG status = RegEnumKeyExA(key, index, child, &length, nullptr, nullptr, nullptr, nullptr);
            if (status == ERROR_NO_MORE_ITEMS)
                break;
            if (status == ERROR_SUCCESS)
                children.emplace_back(child, length);
        }
        RegCloseKey(key);
        for (const std::string& each : children)
            DeleteTree(root, subkey + "\\" + each);
    }
    RegDeleteKeyA(root, subkey.c_str());
}

bool KeyOpens(HKEY root, const std::string& subkey)
{
    HKEY key;
    if (RegOpenKeyExA(root, subkey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

bool SetHostile(const RegistryRead& read, const std::string& text, std::vector<SavedValue>& saved)
{
    SavedValue value;
    value.Root = read.Root;
    value.SubKey = read.SubKey;
    value.Name = read.Name;
    for (size_t at = 0; at != std::string::npos && value.CreatedKey.empty();) {
        at = read.SubKey.find('\\', at + 1);
        std::string prefix = read.SubKey.substr(0, at);
        if (!prefix.empty() && !KeyOpens(read.Root, prefix))
            value.CreatedKey = prefix;
    }
    if (value.CreatedKey.empty()) {
        HKEY key;
        if (RegOpenKeyExA(read.Root, read.SubKey.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS) {
            DWORD size = 0;
            if (RegQueryValueExA(key, read.Name.c_str(), nullptr, &value.Type, nullptr, &size) == ERROR_SUCCESS) {
                value.Existed = true;
                value.Data.resize(size);
                RegQueryValueExA(key, read.Name.c_str(), nullptr, &value.Type, value.Data.data(), &size);
            }
            RegCloseKey(key);
        }
    }
    HKEY key;
    if (RegCreateKeyExA(read.Root, read.SubKey.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS) {
        if (!value.CreatedKey.empty())
            DeleteTree(read.Root, value.CreatedKey);
        return false;
    }
    LONG status = RegSetValueExA(key, read.Name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                                 static_cast<DWORD>(text.size() + 1));
    RegCloseKey(key);
    saved.push_back(value);
    return status == ERROR_SUCCESS;
}

void Restore(std::vector<SavedValue>& saved)
{
    for (auto value = saved.rbegin(); value != saved.rend(); ++value) {
        if (!value->CreatedKey.empty()) {
            DeleteTree(value->Root, value->CreatedKey);
            continue;
        }
        HKEY key;
        if (value->Existed) {
            if (RegCreateKeyExA(value->Root, value->SubKey.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                                nullptr) == ERROR_SUCCESS) {
                RegSetValueExA(key, value->Name.c_str(), 0, value->Type, value->Data.data(),
                               static_cast<DWORD>(value->Data.size()));
                RegCloseKey(key);
            }
        } else if (RegOpenKeyExA(value->Root, value->SubKey.c_str(), 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
            RegDeleteValueA(key, value->Name.c_str());
            RegCloseKey(key);
        }
    }
    saved.clear();
}

using ReadKey = std::tuple<HKEY, std::string, std::string>;

// Check and Solve in preview, answering the text values they read.
std::vector<RegistryRead> ReadsOf(TPrivacyIssue& issue)
{
    TRegistryReadLog reads;
    {
        TPreviewScope preview;
        GuardedCheck(issue);
        GuardedSolve(issue);
    }
    std::vector<RegistryRead> text;
    for (const RegistryRead& read : reads.Reads())
        if (read.Text && read.Root)
            text.push_back(read);
    return text;
}

// A registry effect's key as the dump names it: HKEY_USERS\<the user's SID> is
// HKEY_CURRENT_USER.
std::string DumpKeyOf(const std::string& effectPath)
{
    std::string key = Upper(effectPath);
    const std::string users = "HKEY_USERS\\S-";
    if (key.compare(0, users.size(), users) == 0) {
        size_t slash = key.find('\\', users.size());
        key = slash == std::string::npos ? "HKEY_CURRENT_USER" : "HKEY_CURRENT_USER" + key.substr(slash);
    }
    return key;
}

// An effect's path as the drive's state names it: a base ending in a backslash joined
// to a tail beginning with one gives "C:\\x", which the system reads as "C:\x".
std::string FilePath(const std::string& path)
{
    std::string clean;
    for (size_t i = 0; i < path.size(); ++i)
        if (!(path[i] == '\\' && i > 1 && path[i - 1] == '\\'))
            clean += path[i];
    while (clean.size() > 3 && clean.back() == '\\')
        clean.pop_back();
    return Upper(clean);
}

struct Allowed {
    std::set<std::string> Files, Folders, Keys, Values;
    bool RebootList = false;

    explicit Allowed(const std::vector<Effect>& effects)
    {
        for (const Effect& effect : effects) {
            switch (effect.Kind) {
            case EffectKind::DeleteFile:
            case EffectKind::TruncateFile:
            case EffectKind::WriteIni: Files.insert(FilePath(effect.Path)); break;
            case EffectKind::DeleteOnReboot: RebootList = true; break;
            case EffectKind::RemoveFolder: Folders.insert(FilePath(effect.Path)); break;
            case EffectKind::DeleteKey:
            case EffectKind::ClearTree: Keys.insert(DumpKeyOf(effect.Path)); break;
            case EffectKind::DeleteValue:
            case EffectKind::ResetValue:
            case EffectKind::WriteValue: Values.insert(DumpKeyOf(effect.Path) + ValueMark + Upper(effect.Name)); break;
            default: break;
            }
        }
    }

    bool File(const std::string& path) const
    {
        if (Files.count(path))
            return true;
        for (const std::string& folder : Folders)
            if (Below(path, folder))
                return true;
        // The 95 family keeps its list of deletions at the next start in WININIT.INI.
        return RebootList && path.size() >= 12 && path.compare(path.size() - 12, 12, "\\WININIT.INI") == 0;
    }

    bool Key(const std::string& key) const
    {
        for (const std::string& deleted : Keys)
            if (key == deleted || Below(key, deleted))
                return true;
        return false;
    }

    bool Entry(const std::string& entry) const
    {
        size_t mark = entry.find(ValueMark);
        if (mark == std::string::npos)
            return Key(entry);
        return Values.count(entry) || Key(entry.substr(0, mark));
    }
};

std::string Printable(const std::string& entry)
{
    size_t mark = entry.find(ValueMark);
    return mark == std::string::npos ? entry : entry.substr(0, mark) + " value '" + entry.substr(mark + 2) + "'";
}

// Taken once, before any hostile value can move them.
const std::vector<std::string>& SentinelFolders()
{
    static const std::vector<std::string> folders = {"C:", GetWindowsFolder(), ExpandPath("%PROGRAMFILES%"),
                                                     ExpandPath("%PROFILE%"), ExpandPath("%PERSONAL%")};
    return folders;
}

const char SentinelName[] = "\\hm-keep.sentinel";
const char SentinelText[] = "a file no cleaning may touch\r\n";

std::set<std::string> LaySentinels()
{
    std::set<std::string> paths;
    for (const std::string& folder : SentinelFolders()) {
        if (folder.empty())
            continue;
        std::string path = folder + SentinelName;
        HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            DWORD written = 0;
            WriteFile(file, SentinelText, sizeof SentinelText - 1, &written, nullptr);
            CloseHandle(file);
        }
        paths.insert(Upper(path));
    }
    return paths;
}

}  // namespace

std::vector<HostileSet> HostileSets()
{
    std::string windows = GetWindowsFolder();
    std::string longPath = "C:\\Program Files\\";
    for (int i = 0; longPath.size() < 300; ++i)
        longPath += "Hostile Folder " + std::to_string(i) + "\\";
    longPath.resize(300);
    return {{"\"\"", ""},
            {"C:\\", "C:\\"},
            {"\\", "\\"},
            {"..", ".."},
            {"C:", "C:"},
            {windows, windows},
            {"C:\\Program Files (trailing blank)", "C:\\Program Files "},
            {"300-character path", longPath}};
}

void RemoveSentinels()
{
    for (const std::string& folder : SentinelFolders())
        if (!folder.empty())
            DeleteFileA((folder + SentinelName).c_str());
}

FileState DriveState()
{
    FileState files;
    ListFiles("C:", files);
    return files;
}

RegistryState RegistryDump()
{
    RegistryState state;
    SaveTree(HKEY_CURRENT_USER, "", "HKEY_CURRENT_USER", state);
    SaveTree(HKEY_LOCAL_MACHINE, "Software", "HKEY_LOCAL_MACHINE\\SOFTWARE", state);
    return state;
}

TChangeWatch::TChangeWatch(const std::set<std::string>& sentinels)
    : Sentinels(sentinels), Files(DriveState()), Registry(RegistryDump())
{
}

std::vector<std::string> TChangeWatch::ChangesOutside(const std::vector<Effect>& effects) const
{
    std::vector<std::string> faults;
    FileState files = DriveState();
    RegistryState registry = RegistryDump();
    Allowed allowed(effects);
    for (const auto& [path, state] : Files) {
        auto after = files.find(path);
        if (after != files.end() && after->second == state)
            continue;
        const char* what = after == files.end() ? "lost" : "changed";
        if (Sentinels.count(Upper(path)))
            faults.push_back(std::string("sentinel ") + what + ": " + path);
        else if (!allowed.File(path))
            faults.push_back(std::string("file ") + what + " outside the issue's effects: " + path);
    }
    for (const auto& [entry, data] : Registry) {
        auto after = registry.find(entry);
        if ((after == registry.end() || after->second != data) && !allowed.Entry(entry))
            faults.push_back(std::string("registry ") + (after == registry.end() ? "lost" : "changed") +
                             " outside the issue's effects: " + Printable(entry));
    }
    for (const auto& [entry, data] : registry)
        if (!Registry.count(entry) && !allowed.Entry(entry))
            faults.push_back("registry added outside the issue's effects: " + Printable(entry));
    return faults;
}

SweepOutcome SweepIssue(const std::string& className, const HostileSet& set)
{
    SweepOutcome outcome;
    TPrivacyIssue* issue = IssueNamed(className);
    if (!issue) {
        outcome.Faults.push_back("no class " + className);
        return outcome;
    }
    SentinelFolders();
    const SeedPlan* found = FindSeedPlan(className);
    SeedPlan plan = found ? *found : Only(className, {});
    Unplant(plan);
    Plant(plan);

    // What the issue reads with its traces there, then again after each round of
    // hostile values, since a hostile value can lead the issue to read others.
    std::set<ReadKey> done;
    std::vector<SavedValue> saved;
    for (int round = 0; round < 4; ++round) {
        bool added = false;
        for (const RegistryRead& read : ReadsOf(*issue)) {
            if (!done.insert(ReadKey{read.Root, Upper(read.SubKey), Upper(read.Name)}).second)
                continue;
            added = true;
            outcome.ValuesSet += SetHostile(read, set.Text, saved);
        }
        if (!added)
            break;
    }

    std::set<std::string> sentinels = LaySentinels();
    TChangeWatch watch(sentinels);
    std::vector<Effect> effects;
    {
        TEffectLog log;
        RestartRequired = false;
        GuardedCheck(*issue);
        GuardedSolve(*issue);
        effects = log.Effects();
    }
    outcome.Faults = watch.ChangesOutside(effects);

    Restore(saved);
    Unplant(plan);
    return outcome;
}
