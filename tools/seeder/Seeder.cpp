#include "tools/seeder/Seeder.h"

#include <shlobj.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <map>
#include <stdexcept>

namespace {

const char* const PendingKey = "System\\CurrentControlSet\\Control\\Session Manager";

HKEY RootOf(const std::string& rawWhere, std::string& subkey)
{
    std::string where = ExpandPath(rawWhere);
    static const std::pair<const char*, HKEY> roots[] = {
        {"HKCU\\", HKEY_CURRENT_USER}, {"HKLM\\", HKEY_LOCAL_MACHINE}, {"HKU\\", HKEY_USERS},
        {"HKCR\\", HKEY_CLASSES_ROOT}};
    for (const auto& root : roots) {
        size_t length = std::strlen(root.first);
        if (where.compare(0, length, root.first) == 0) {
            subkey = where.substr(length);
            return root.second;
        }
    }
    throw std::runtime_error("seeder: unknown hive in " + where);
}

std::string ShellFolder(int csidl)
{
    char path[MAX_PATH] = {};
    if (!SHGetSpecialFolderPathA(nullptr, path, csidl, TRUE))
        throw std::runtime_error("seeder: no shell folder " + std::to_string(csidl));
    return path;
}

std::string RegText(HKEY root, const char* subkey, const char* name)
{
    char data[MAX_PATH] = {};
    DWORD size = sizeof data - 1;
    HKEY key;
    if (RegOpenKeyExA(root, subkey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return "";
    RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(data), &size);
    RegCloseKey(key);
    return data;
}

std::string UserName()
{
    char name[260] = {};
    DWORD size = sizeof name;
    GetUserNameA(name, &size);
    return name;
}

std::string UserSidText()
{
    HANDLE token;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return "";
    char buffer[512];
    DWORD size = 0;
    std::string text;
    if (GetTokenInformation(token, TokenUser, buffer, sizeof buffer, &size)) {
        PSID sid = reinterpret_cast<TOKEN_USER*>(buffer)->User.Sid;
        text = "S-1-" + std::to_string(GetSidIdentifierAuthority(sid)->Value[5]);
        for (DWORD i = 0; i < *GetSidSubAuthorityCount(sid); ++i)
            text += "-" + std::to_string(static_cast<unsigned long>(*GetSidSubAuthority(sid, i)));
    }
    CloseHandle(token);
    return text;
}

// FOLDERID_LocalAppDataLow, through the known-folder call of Vista and later (Wine has
// it at every version it plays).
std::string LocalLowFolder()
{
    using GetKnownFolder = HRESULT(WINAPI*)(const GUID&, DWORD, HANDLE, wchar_t**);
    static const GUID LocalAppDataLow = {0xA520A1A4, 0x1780, 0x4FF6, {0xBD, 0x18, 0x16, 0x73, 0x43, 0xC5, 0xAF, 0x16}};
    auto get = reinterpret_cast<GetKnownFolder>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("shell32.dll"), "SHGetKnownFolderPath")));
    wchar_t* wide = nullptr;
    if (!get || get(LocalAppDataLow, 0x00008000 /* KF_FLAG_CREATE */, nullptr, &wide) != S_OK || !wide)
        return "";
    char path[MAX_PATH] = {};
    WideCharToMultiByte(CP_ACP, 0, wide, -1, path, MAX_PATH, nullptr, nullptr);
    CoTaskMemFree(wide);
    return path;
}

const std::map<std::string, std::string>& Placeholders()
{
    static std::map<std::string, std::string> folders;
    if (folders.empty()) {
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        std::string tempFolder = temp;
        if (!tempFolder.empty() && tempFolder.back() == '\\')
            tempFolder.pop_back();
        char windows[MAX_PATH] = {};
        GetWindowsDirectoryA(windows, MAX_PATH);
        folders = {
            {"TEMP", tempFolder},
            {"APPDATA", ShellFolder(CSIDL_APPDATA)},
            {"LOCALAPPDATA", ShellFolder(CSIDL_LOCAL_APPDATA)},
            {"COOKIES", ShellFolder(CSIDL_COOKIES)},
            {"CACHE", ShellFolder(CSIDL_INTERNET_CACHE)},
            {"HISTORY", ShellFolder(CSIDL_HISTORY)},
            {"FAVORITES", ShellFolder(CSIDL_FAVORITES)},
            {"RECENT", ShellFolder(CSIDL_RECENT)},
            {"NETHOOD", ShellFolder(CSIDL_NETHOOD)},
            {"PRINTHOOD", ShellFolder(CSIDL_PRINTHOOD)},
            {"PERSONAL", ShellFolder(CSIDL_PERSONAL)},
            {"PROFILE", ShellFolder(CSIDL_PROFILE)},
            {"WINDOWS", windows},
            {"PROGRAMFILES", RegText(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion",
                                     "ProgramFilesDir")},
            {"COMMONAPPDATA", ShellFolder(CSIDL_COMMON_APPDATA)},
            {"LOCALLOWAPPDATA", LocalLowFolder()},
            {"DRIVE", std::string(windows, 2)},
            {"SID", UserSidText()},
            {"USER", UserName()},
        };
    }
    return folders;
}

bool IsFolder(const std::string& path)
{
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}


void MakeFolders(const std::string& folder)
{
    if (folder.size() <= 3 || IsFolder(folder))
        return;
    size_t slash = folder.find_last_of('\\');
    if (slash != std::string::npos)
        MakeFolders(folder.substr(0, slash));
    CreateDirectoryA(folder.c_str(), nullptr);
}

std::string ParentOf(const std::string& path)
{
    size_t slash = path.find_last_of('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

void WriteFileText(const std::string& path, const std::string& text)
{
    MakeFolders(ParentOf(path));
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        throw std::runtime_error("seeder: cannot write " + path);
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
}

bool ReadFileText(const std::string& path, std::string& text)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    text.clear();
    char buffer[8192];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0)
        text.append(buffer, got);
    CloseHandle(file);
    return true;
}

bool FolderHasEntries(const std::string& folder)
{
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE)
        return false;
    bool any = false;
    do {
        std::string name = entry.cFileName;
        any = name != "." && name != "..";
    } while (!any && FindNextFileA(search, &entry));
    FindClose(search);
    return any;
}

struct ValueState {
    bool Exists = false;
    DWORD Type = 0;
    std::string Data;
};

ValueState ReadValue(const std::string& where, const std::string& name)
{
    ValueState state;
    std::string subkey;
    HKEY root = RootOf(where, subkey);
    HKEY key;
    if (RegOpenKeyExA(root, subkey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return state;
    DWORD size = 0;
    if (RegQueryValueExA(key, name.c_str(), nullptr, &state.Type, nullptr, &size) == ERROR_SUCCESS) {
        state.Exists = true;
        std::string data(size, '\0');
        RegQueryValueExA(key, name.c_str(), nullptr, &state.Type, reinterpret_cast<BYTE*>(&data[0]), &size);
        if (state.Type == REG_DWORD && size == 4) {
            DWORD number;
            std::memcpy(&number, data.data(), 4);
            state.Data = std::to_string(number);
        } else {
            state.Data = data.substr(0, data.find('\0'));
        }
    }
    RegCloseKey(key);
    return state;
}

bool KeyExists(const std::string& where)
{
    std::string subkey;
    HKEY root = RootOf(where, subkey);
    HKEY key;
    if (RegOpenKeyExA(root, subkey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

HKEY CreateKey(const std::string& where)
{
    std::string subkey;
    HKEY root = RootOf(where, subkey);
    HKEY key;
    if (RegCreateKeyExA(root, subkey.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS)
        throw std::runtime_error("seeder: cannot create key " + where);
    return key;
}

void DeleteKeyTree(const std::string& where)
{
    std::string subkey;
    HKEY root = RootOf(where, subkey);
    HKEY key;
    if (RegOpenKeyExA(root, subkey.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS) {
        std::vector<std::string> names;
        char name[256];
        DWORD length = sizeof name;
        for (DWORD i = 0; RegEnumKeyExA(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
             ++i, length = sizeof name)
            names.emplace_back(name, length);
        RegCloseKey(key);
        for (const std::string& child : names)
            DeleteKeyTree(where + "\\" + child);
    }
    RegDeleteKeyA(root, subkey.c_str());
}

// Removes a key that holds nothing any more, and its parents while they hold nothing,
// down to the second level ("HKCU\Software" stays): keys the seeder made for values
// must not outlive them, or existence tests would find them.
void PruneEmptyKeys(const std::string& where)
{
    std::string path = ExpandPath(where);
    while (std::count(path.begin(), path.end(), '\\') > 1) {
        std::string subkey;
        HKEY root = RootOf(path, subkey);
        HKEY key;
        if (RegOpenKeyExA(root, subkey.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS) {
            DWORD subkeys = 0, values = 0;
            LONG status = RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values,
                                           nullptr, nullptr, nullptr, nullptr);
            RegCloseKey(key);
            if (status != ERROR_SUCCESS || subkeys > 0 || values > 0)
                return;
            RegDeleteKeyA(root, subkey.c_str());
        }
        path = path.substr(0, path.find_last_of('\\'));
    }
}

std::string PendingOperations()
{
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, PendingKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return "";
    DWORD size = 0;
    std::string data;
    if (RegQueryValueExA(key, "PendingFileRenameOperations", nullptr, nullptr, nullptr, &size) == ERROR_SUCCESS) {
        data.resize(size);
        RegQueryValueExA(key, "PendingFileRenameOperations", nullptr, nullptr, reinterpret_cast<BYTE*>(&data[0]),
                         &size);
    }
    RegCloseKey(key);
    for (char& c : data)
        c = c == '\0' ? '|' : static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return data;
}

std::string Upper(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

std::string Describe(const TraceItem& item)
{
    switch (item.What) {
    case TraceItem::Value:
    case TraceItem::DwordValue: return "value " + ExpandPath(item.Where) + " [" + item.Name + "]";
    case TraceItem::Key: return "key " + ExpandPath(item.Where);
    case TraceItem::File: return "file " + ExpandPath(item.Where);
    case TraceItem::Folder: return "folder " + ExpandPath(item.Where);
    }
    return item.Where;
}

std::string Problem(const TraceItem& item, Expect outcome)
{
    std::string path = item.What == TraceItem::File || item.What == TraceItem::Folder ? ExpandPath(item.Where) : "";
    switch (item.What) {
    case TraceItem::Value:
    case TraceItem::DwordValue: {
        ValueState state = ReadValue(item.Where, item.Name);
        switch (outcome) {
        case Expect::Gone: return state.Exists ? "still there" : "";
        case Expect::Kept:
            return !state.Exists ? "gone" : state.Data != ExpandPath(item.Data) ? "changed to " + state.Data : "";
        case Expect::Emptied:
            return !state.Exists ? "gone" : state.Type != REG_SZ || !state.Data.empty() ? "not emptied" : "";
        case Expect::Written: return state.Data != item.Want ? "holds '" + state.Data + "'" : "";
        default: return "bad expectation";
        }
    }
    case TraceItem::Key:
        switch (outcome) {
        case Expect::Gone: return KeyExists(item.Where) ? "still there" : "";
        case Expect::Kept: return KeyExists(item.Where) ? "" : "gone";
        default: return "bad expectation";
        }
    case TraceItem::File: {
        std::string text;
        bool exists = ReadFileText(path, text);
        switch (outcome) {
        case Expect::Gone: return exists ? "still there" : "";
        case Expect::Kept: return !exists ? "gone" : text != item.Data ? "changed" : "";
        case Expect::Truncated: return !exists ? "gone" : !text.empty() ? "not truncated" : "";
        case Expect::Written: return !exists ? "gone" : text != item.Want ? "holds '" + text + "'" : "";
        case Expect::Edited: {
            if (!exists)
                return "gone";
            size_t start = 0;
            while (start < item.Want.size()) {
                size_t end = item.Want.find('|', start);
                std::string part = item.Want.substr(start, end == std::string::npos ? std::string::npos : end - start);
                bool present = text.find(part.substr(1)) != std::string::npos;
                if (part[0] == '-' && present)
                    return "still holds " + part.substr(1);
                if (part[0] == '+' && !present)
                    return "lost " + part.substr(1);
                if (end == std::string::npos)
                    break;
                start = end + 1;
            }
            return "";
        }
        case Expect::Pending:
            return PendingOperations().find(Upper("\\??\\" + path + "|")) == std::string::npos
                       ? "not scheduled for deletion"
                       : "";
        default: return "bad expectation";
        }
    }
    case TraceItem::Folder:
        switch (outcome) {
        case Expect::Gone: return IsFolder(path) ? "still there" : "";
        case Expect::Kept: return IsFolder(path) ? "" : "gone";
        case Expect::Emptied: return !IsFolder(path) ? "gone" : FolderHasEntries(path) ? "not empty" : "";
        default: return "bad expectation";
        }
    }
    return "";
}

}  // namespace

void RemoveTree(const std::string& folder)
{
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &entry);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::string name = entry.cFileName;
            if (name == "." || name == "..")
                continue;
            std::string path = folder + "\\" + name;
            bool link = entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT;
            if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && !link) {
                RemoveTree(path);
            } else if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveDirectoryA(path.c_str());
            } else {
                SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(path.c_str());
            }
        } while (FindNextFileA(search, &entry));
        FindClose(search);
    }
    SetFileAttributesA(folder.c_str(), FILE_ATTRIBUTE_NORMAL);
    RemoveDirectoryA(folder.c_str());
}

TraceItem RegValue(const std::string& key, const std::string& name, const std::string& data)
{
    TraceItem item;
    item.What = TraceItem::Value;
    item.Where = key;
    item.Name = name;
    item.Data = data;
    return item;
}

TraceItem RegDword(const std::string& key, const std::string& name, DWORD data)
{
    TraceItem item = RegValue(key, name, std::to_string(data));
    item.What = TraceItem::DwordValue;
    return item;
}

TraceItem RegKey(const std::string& key)
{
    TraceItem item;
    item.What = TraceItem::Key;
    item.Where = key;
    return item;
}

TraceItem FileAt(const std::string& path, const std::string& content)
{
    TraceItem item;
    item.What = TraceItem::File;
    item.Where = path;
    item.Data = content.empty() ? "trace of " + path + "\r\n" : content;
    return item;
}

TraceItem ProgramAt(const std::string& path, int major)
{
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string source = ParentOf(self) + "\\hm-versioned-" + std::to_string(major) + ".exe";
    std::string image;
    if (!ReadFileText(source, image))
        throw std::runtime_error("seeder: no " + source);
    return FileAt(path, image);
}

TraceItem FolderAt(const std::string& path)
{
    TraceItem item;
    item.What = TraceItem::Folder;
    item.Where = path;
    return item;
}

std::string ExpandPath(const std::string& path)
{
    std::string result;
    for (size_t i = 0; i < path.size();) {
        size_t end = path[i] == '%' ? path.find('%', i + 1) : std::string::npos;
        if (end == std::string::npos) {
            result += path[i++];
            continue;
        }
        auto found = Placeholders().find(path.substr(i + 1, end - i - 1));
        if (found == Placeholders().end() || found->second.empty())
            throw std::runtime_error("seeder: unknown folder in " + path);
        result += found->second;
        i = end + 1;
    }
    return result;
}

void RequireSandbox()
{
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Wine", 0, KEY_READ, &key) != ERROR_SUCCESS)
        throw std::runtime_error("seeder: not running under Wine; refusing to plant traces");
    RegCloseKey(key);
}

void Plant(const SeedPlan& plan)
{
    RequireSandbox();
    for (const TraceItem& item : plan.Items) {
        switch (item.What) {
        case TraceItem::Value: {
            HKEY key = CreateKey(item.Where);
            std::string data = ExpandPath(item.Data);
            RegSetValueExA(key, item.Name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                           static_cast<DWORD>(data.size() + 1));
            RegCloseKey(key);
            break;
        }
        case TraceItem::DwordValue: {
            HKEY key = CreateKey(item.Where);
            DWORD number = std::stoul(item.Data);
            RegSetValueExA(key, item.Name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), 4);
            RegCloseKey(key);
            break;
        }
        case TraceItem::Key: RegCloseKey(CreateKey(item.Where)); break;
        case TraceItem::File: WriteFileText(ExpandPath(item.Where), item.Data); break;
        case TraceItem::Folder: MakeFolders(ExpandPath(item.Where)); break;
        }
    }
}

void Unplant(const SeedPlan& plan)
{
    RequireSandbox();
    bool pending = false;
    for (auto item = plan.Items.rbegin(); item != plan.Items.rend(); ++item) {
        switch (item->What) {
        case TraceItem::Value:
        case TraceItem::DwordValue: {
            std::string subkey;
            HKEY root = RootOf(item->Where, subkey);
            HKEY key;
            if (RegOpenKeyExA(root, subkey.c_str(), 0, KEY_ALL_ACCESS, &key) == ERROR_SUCCESS) {
                RegDeleteValueA(key, item->Name.c_str());
                RegCloseKey(key);
            }
            PruneEmptyKeys(item->Where);
            break;
        }
        case TraceItem::Key: DeleteKeyTree(item->Where); break;
        case TraceItem::File: {
            std::string path = ExpandPath(item->Where);
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(path.c_str());
            pending = pending || item->Outcome == Expect::Pending;
            break;
        }
        case TraceItem::Folder: {
            std::string path = ExpandPath(item->Where);
            // A special folder itself (the plan empties it) stays; a program's folder goes.
            bool special = false;
            for (const auto& folder : Placeholders())
                special = special || _stricmp(folder.second.c_str(), path.c_str()) == 0;
            RemoveTree(path);
            if (special)
                MakeFolders(path);
            break;
        }
        }
    }
    if (pending) {
        HKEY key;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, PendingKey, 0, KEY_ALL_ACCESS, &key) == ERROR_SUCCESS) {
            RegDeleteValueA(key, "PendingFileRenameOperations");
            RegCloseKey(key);
        }
    }
}

std::vector<std::string> Verify(const SeedPlan& plan)
{
    std::vector<std::string> problems;
    for (const TraceItem& item : plan.Items) {
        std::string problem = Problem(item, item.Outcome);
        if (!problem.empty())
            problems.push_back(Describe(item) + ": " + problem);
    }
    return problems;
}

std::vector<std::string> VerifyAllPresent(const SeedPlan& plan)
{
    std::vector<std::string> problems;
    for (const TraceItem& item : plan.Items) {
        // Folders planted to be emptied are checked by the files inside them.
        if (item.What == TraceItem::Folder && item.Outcome != Expect::Gone && item.Outcome != Expect::Kept)
            continue;
        std::string problem = Problem(item, Expect::Kept);
        if (!problem.empty())
            problems.push_back(Describe(item) + ": " + problem);
    }
    return problems;
}

std::vector<TraceItem> CacheTree(const std::string& folder, int files, int subfolders)
{
    static const char* const kinds[] = {".jpg", ".gif", ".htm", ".js", ".css", ".png"};
    std::vector<TraceItem> items;
    for (int i = 0; i < files; ++i) {
        char sub[16], name[32];
        std::snprintf(sub, sizeof sub, "%08X", 0x5A3C0000u + static_cast<unsigned>(i % (subfolders > 0 ? subfolders : 1)));
        std::snprintf(name, sizeof name, "item%05d[1]%s", i, kinds[i % 6]);
        std::string content(64 + (i * 37) % 900, static_cast<char>('a' + i % 26));
        items.push_back(FileAt(folder + (subfolders > 0 ? "\\" + std::string(sub) : "") + "\\" + name, content));
    }
    return items;
}

std::vector<TraceItem> For(const std::string& owner, const std::vector<Owned>& profile)
{
    std::vector<TraceItem> items;
    for (const Owned& owned : profile)
        items.push_back(owned.Owner == owner ? owned.Item : owned.Item.Kept());
    return items;
}

void Own(std::vector<Owned>& profile, const std::string& owner, const std::vector<TraceItem>& items)
{
    for (const TraceItem& item : items)
        profile.push_back({owner, item});
}

std::vector<SeedPlan> RuleSeedPlans()
{
    std::vector<SeedPlan> plans = RuleSeedPlansBrowsers();
    std::vector<SeedPlan> more = RuleSeedPlansPrograms();
    plans.insert(plans.end(), more.begin(), more.end());
    return plans;
}

std::vector<SeedPlan> AllSeedPlans()
{
    std::vector<SeedPlan> plans;
    for (auto group : {SeedPlansG, SeedPlansA, SeedPlansB, SeedPlansC, SeedPlansD, SeedPlansE, SeedPlansF}) {
        std::vector<SeedPlan> more = group();
        plans.insert(plans.end(), more.begin(), more.end());
    }
    return plans;
}

const SeedPlan* FindSeedPlan(const std::string& className)
{
    static const std::vector<SeedPlan> plans = AllSeedPlans();
    static const std::vector<SeedPlan> rules = RuleSeedPlans();
    for (const std::vector<SeedPlan>* list : {&plans, &rules})
        for (const SeedPlan& plan : *list)
            if (plan.ClassName == className)
                return &plan;
    return nullptr;
}

void Append(std::vector<TraceItem>& items, const std::vector<TraceItem>& more)
{
    items.insert(items.end(), more.begin(), more.end());
}

std::vector<TraceItem> With(std::vector<TraceItem> items, const std::vector<TraceItem>& more)
{
    Append(items, more);
    return items;
}

std::vector<TraceItem> Mru(const std::string& key)
{
    return {RegKey(key), RegValue(key, "File1", "C:\\Documents and Settings\\jdoe\\My Documents\\budget 2026.doc"),
            RegValue(key, "File2", "D:\\Projects\\letter to bank.txt")};
}

TraceItem Setting(const std::string& key, const std::string& name)
{
    return RegValue(key, name, "120,80,900,640").Kept();
}

SeedPlan MakePlan(const std::string& className, std::vector<TraceItem> items, bool foundAfterSolve)
{
    SeedPlan plan;
    plan.ClassName = className;
    plan.Items = std::move(items);
    plan.FoundAfterSolve = foundAfterSolve;
    return plan;
}
