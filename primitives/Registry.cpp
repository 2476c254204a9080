#include "primitives/Registry.h"

#include "primitives/Effects.h"
#include "primitives/Errors.h"
#include "primitives/MatchesMask.h"
#include "primitives/Versions.h"

namespace {

// Access levels: every right; the standard read rights; only what an existence test
// needs, so that keys whose security allows little still count as present.
const REGSAM Full = KEY_ALL_ACCESS;
const REGSAM Read = KEY_READ;
const REGSAM Probe = READ_CONTROL | KEY_QUERY_VALUE | KEY_ENUMERATE_SUB_KEYS;

const struct {
    const char* Name;
    HKEY Root;
} Hives[] = {
    {"HKEY_CURRENT_USER", HKEY_CURRENT_USER},   {"HKEY_LOCAL_MACHINE", HKEY_LOCAL_MACHINE},
    {"HKEY_CLASSES_ROOT", HKEY_CLASSES_ROOT},   {"HKEY_USERS", HKEY_USERS},
    {"HKEY_CURRENT_CONFIG", HKEY_CURRENT_CONFIG},
};

class TKey {
public:
    TKey(HKEY root, const std::string& subkey, REGSAM access)
    {
        if (!root || RegOpenKeyExA(root, subkey.c_str(), 0, access, &Handle) != ERROR_SUCCESS)
            Handle = nullptr;
    }
    ~TKey()
    {
        if (Handle)
            RegCloseKey(Handle);
    }
    TKey(const TKey&) = delete;
    TKey& operator=(const TKey&) = delete;
    explicit operator bool() const { return Handle != nullptr; }

    DWORD SubKeyCount() const { return Info(true); }
    DWORD ValueCount() const { return Info(false); }

    std::vector<std::string> SubKeyNames() const
    {
        std::vector<std::string> names;
        char name[MAX_PATH + 1];
        for (DWORD index = 0;; ++index) {
            DWORD length = sizeof name;
            LONG status = RegEnumKeyExA(Handle, index, name, &length, nullptr, nullptr, nullptr, nullptr);
            if (status == ERROR_NO_MORE_ITEMS)
                break;
            if (status == ERROR_SUCCESS)
                names.emplace_back(name, length);
        }
        return names;
    }

    std::vector<std::string> ValueNames() const { return ValueNamesOf(Handle); }

    HKEY Handle = nullptr;

private:
    DWORD Info(bool subKeys) const
    {
        DWORD keys = 0, values = 0;
        if (RegQueryInfoKeyA(Handle, nullptr, nullptr, nullptr, &keys, nullptr, nullptr, &values, nullptr, nullptr,
                             nullptr, nullptr) != ERROR_SUCCESS)
            return 0;
        return subKeys ? keys : values;
    }
};

thread_local TRegistryReadLog* CurrentReadLog = nullptr;

std::string WithoutLeadingBackslash(const std::string& subkey)
{
    return !subkey.empty() && subkey[0] == '\\' ? subkey.substr(1) : subkey;
}

std::string Child(const std::string& subkey, const std::string& name)
{
    return subkey.empty() ? name : subkey + "\\" + name;
}

// Deletes every subkey below the key, depth-first from the last name to the first;
// single failures are passed over.
void DeleteSubtree(HKEY root, const std::string& subkey, REGSAM view)
{
    std::vector<std::string> names;
    {
        TKey key(root, subkey, Full | view);
        if (!key)
            return;
        names = key.SubKeyNames();
    }
    for (auto name = names.rbegin(); name != names.rend(); ++name) {
        DeleteSubtree(root, Child(subkey, *name), view);
        EffectDeleteRegKey(root, Child(subkey, *name), view);
    }
}

// On a 64-bit Windows a 64-bit program keeps its machine keys in the 64-bit view, which
// this 32-bit program does not see unless it asks. A key is taken from the 32-bit view
// when it is there, else from the 64-bit one, so that a Solve deletes in the view where
// its Check found the key. The flag is asked for only there, since Windows 2000 refuses it.
REGSAM ViewOfKey(HKEY root, const std::string& subkey)
{
    if (root != HKEY_LOCAL_MACHINE || !IsWow64() || TKey(root, subkey, Probe))
        return 0;
    return TKey(root, subkey, Probe | KEY_WOW64_64KEY) ? KEY_WOW64_64KEY : 0;
}

bool HasValue(HKEY root, const std::string& subkey, const std::string& name, REGSAM view)
{
    TKey key(root, subkey, Full | view);
    return key && RegQueryValueExA(key.Handle, name.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

// The same for one value: a key of the 32-bit view that lacks it does not hide the
// value that a 64-bit program wrote.
REGSAM ViewOfValue(HKEY root, const std::string& subkey, const std::string& name)
{
    if (root != HKEY_LOCAL_MACHINE || !IsWow64() || HasValue(root, subkey, name, 0))
        return 0;
    return HasValue(root, subkey, name, KEY_WOW64_64KEY) ? KEY_WOW64_64KEY : 0;
}

}  // namespace

void RecordRegistryRead(HKEY root, const std::string& subkey, const std::string& name, bool text)
{
    if (CurrentReadLog)
        CurrentReadLog->Recorded.push_back({root, WithoutLeadingBackslash(subkey), name, text});
}

TRegistryReadLog::TRegistryReadLog() : Outer(CurrentReadLog) { CurrentReadLog = this; }

TRegistryReadLog::~TRegistryReadLog()
{
    CurrentReadLog = Outer;
    if (Outer)
        Outer->Recorded.insert(Outer->Recorded.end(), Recorded.begin(), Recorded.end());
}

HKEY SplitRegPath(std::string& path)
{
    size_t slash = path.find('\\');
    if (slash == std::string::npos)
        return nullptr;
    std::string hive = path.substr(0, slash);
    for (const auto& each : Hives)
        if (hive == each.Name) {
            path.erase(0, slash + 1);
            return each.Root;
        }
    return nullptr;
}

std::string HiveName(HKEY root)
{
    for (const auto& each : Hives)
        if (root == each.Root)
            return each.Name;
    return std::string();
}

std::vector<std::string> ValueNamesOf(HKEY key)
{
    std::vector<std::string> names;
    DWORD longest = 0;
    RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &longest, nullptr, nullptr,
                     nullptr);
    std::vector<char> name(longest + 2 > 16384 ? longest + 2 : 16384);
    for (DWORD index = 0;; ++index) {
        DWORD length = static_cast<DWORD>(name.size());
        LONG status = RegEnumValueA(key, index, name.data(), &length, nullptr, nullptr, nullptr, nullptr);
        if (status == ERROR_NO_MORE_ITEMS)
            break;
        if (status == ERROR_SUCCESS)
            names.emplace_back(name.data(), length);
    }
    return names;
}

bool RegKeyExists(const std::string& path)
{
    std::string subkey = path;
    HKEY root = SplitRegPath(subkey);
    return bool(TKey(root, subkey, Probe | ViewOfKey(root, subkey)));
}

bool RegValueExists(const std::string& path, const std::string& name)
{
    std::string subkey = path;
    HKEY root = SplitRegPath(subkey);
    return HasValue(root, subkey, name, ViewOfValue(root, subkey, name));
}

bool RegKeyHasValues(const std::string& path)
{
    std::string subkey = path;
    HKEY root = SplitRegPath(subkey);
    TKey key(root, subkey, Full | ViewOfKey(root, subkey));
    return key && key.ValueCount() > 0;
}

bool RegKeyHasSubKeys(const std::string& path)
{
    std::string subkey = path;
    HKEY root = SplitRegPath(subkey);
    return root && RegKeyHasSubKeysAt(root, subkey);
}

// The layer opens the key itself: a key that cannot be opened is recorded with its reason.
bool DeleteRegValue(const std::string& path, const std::string& name)
{
    std::string subkey = path;
    HKEY root = SplitRegPath(subkey);
    return root && EffectDeleteRegValue(root, subkey, name, ViewOfValue(root, subkey, name));
}

void ClearRegValues(const std::string& path)
{
    std::string subkey = path;
    HKEY root = SplitRegPath(subkey);
    if (root)
        EffectClearRegValues(root, subkey, ViewOfKey(root, subkey));
}

void ResetRegString(const std::string& path, const std::string& name, const std::string& text)
{
    std::string subkey = path;
    HKEY root = SplitRegPath(subkey);
    TKey key(root, subkey, Full);
    if (!key || RegQueryValueExA(key.Handle, name.c_str(), nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        return;
    if (!EffectResetRegString(root, subkey, name, text))
        throw Exception(Format("Failed to set data for '%s'", name.c_str()));
}

bool DeleteRegKey(const std::string& path)
{
    std::string subkey = path;
    HKEY root = SplitRegPath(subkey);
    // A hive, or a key right under one, is refused before anything below it goes.
    if (!root || !EffectKeyDeletionAllowed(root, subkey))
        return false;
    REGSAM view = ViewOfKey(root, subkey);
    DeleteSubtree(root, subkey, view);
    return EffectDeleteRegKey(root, subkey, view);
}

bool DeleteRegSubKeys(const std::string& path)
{
    std::string subkey = path;
    HKEY root = SplitRegPath(subkey);
    REGSAM view = ViewOfKey(root, subkey);
    std::vector<std::string> names;
    {
        TKey key(root, subkey, Full | view);
        if (!key)
            return false;
        names = key.SubKeyNames();
    }
    bool any = false;
    for (auto name = names.rbegin(); name != names.rend(); ++name) {
        std::string child = Child(subkey, *name);
        if (!EffectKeyDeletionAllowed(root, child))
            return false;
        DeleteSubtree(root, child, view);
        any = EffectDeleteRegKey(root, child, view) || any;
    }
    return any;
}

void FindRegValues(const std::string& path, const std::string& mask, std::vector<std::string>& list)
{
    std::string subkey = path;
    HKEY root = SplitRegPath(subkey);
    TKey key(root, subkey, Full | ViewOfKey(root, subkey));
    if (!key)
        return;
    for (const std::string& name : key.ValueNames())
        if (MatchesMask(name, mask))
            list.push_back(name);
}

std::string RegReadString(HKEY root, const std::string& subkey, const std::string& name, std::string& out)
{
    out.clear();
    return RegReadStringDef(root, subkey, name, out, std::string());
}

namespace {

bool ReadStringIn(HKEY root, const std::string& subkey, const std::string& name, REGSAM view, std::string& out)
{
    TKey key(root, WithoutLeadingBackslash(subkey), Read | view);
    if (!key)
        return false;
    DWORD type = 0, size = 0;
    if (RegQueryValueExA(key.Handle, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return false;
    // Room for a terminating NUL that the stored data may lack.
    std::vector<char> data(size + 1, 0);
    DWORD got = size;
    if (RegQueryValueExA(key.Handle, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &got) !=
            ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return false;
    out.assign(data.data());
    return true;
}

}  // namespace

std::string RegReadStringDef(HKEY root, const std::string& subkey, const std::string& name, std::string& out,
                             const std::string& fallback)
{
    out = fallback;
    RecordRegistryRead(root, subkey, name, true);
    if (ReadStringIn(root, subkey, name, 0, out))
        return out;
    // On a 64-bit Windows a 64-bit program keeps its machine values in the 64-bit view,
    // which this 32-bit program does not see unless it asks; the flag is asked for only
    // there, since Windows 2000 refuses it.
    if (root == HKEY_LOCAL_MACHINE && IsWow64())
        ReadStringIn(root, subkey, name, KEY_WOW64_64KEY, out);
    return out;
}

int32_t RegReadInteger(HKEY root, const std::string& subkey, const std::string& name)
{
    RecordRegistryRead(root, subkey, name, false);
    TKey key(root, WithoutLeadingBackslash(subkey), Read);
    if (!key)
        return 0;
    DWORD type = 0, value = 0, size = sizeof value;
    if (RegQueryValueExA(key.Handle, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) !=
            ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof value)
        return 0;
    return static_cast<int32_t>(value);
}

void RegWriteInteger(HKEY root, const std::string& subkey, const std::string& name, int32_t value)
{
    EffectWriteRegInteger(root, WithoutLeadingBackslash(subkey), name, value);
}

namespace {

bool DeleteKeyTreeIn(HKEY root, const std::string& sub, REGSAM view)
{
    if (!EffectKeyDeletionAllowed(root, sub))
        return false;
    std::vector<std::string> names;
    {
        TKey key(root, sub, Full | view);
        // A key that cannot be opened still goes to the effects layer, which deletes it
        // when it can or records why not.
        if (!key)
            return EffectDeleteRegKey(root, sub, view);
        names = key.SubKeyNames();
    }
    for (auto name = names.rbegin(); name != names.rend(); ++name)
        if (!DeleteKeyTreeIn(root, Child(sub, *name), view))
            return false;
    return EffectDeleteRegKey(root, sub, view);
}

}  // namespace

bool DeleteRegKeyTree(HKEY root, const std::string& subkey)
{
    std::string sub = WithoutLeadingBackslash(subkey);
    return DeleteKeyTreeIn(root, sub, ViewOfKey(root, sub));
}

bool RegKeyHasSubKeysAt(HKEY root, const std::string& subkey)
{
    std::string sub = WithoutLeadingBackslash(subkey);
    TKey key(root, sub, Read | ViewOfKey(root, sub));
    return key && key.SubKeyCount() > 0;
}
