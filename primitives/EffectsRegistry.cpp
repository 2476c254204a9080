// Registry effects: deleting keys and values, resetting and writing values.
#include "primitives/Effects.h"

#include "primitives/Errors.h"
#include "primitives/EffectsRecord.h"
#include "primitives/Registry.h"

namespace {

std::string WithoutLeadingBackslash(const std::string& subkey)
{
    return !subkey.empty() && subkey[0] == '\\' ? subkey.substr(1) : subkey;
}

std::string KeyText(HKEY root, const std::string& subkey)
{
    std::string hive = HiveName(root);
    if (hive.empty())
        hive = Format("HKEY(%p)", static_cast<void*>(root));
    return subkey.empty() ? hive : hive + "\\" + subkey;
}

class TOpenKey {
public:
    TOpenKey(HKEY root, const std::string& subkey, REGSAM access)
    {
        Error = root ? RegOpenKeyExA(root, subkey.c_str(), 0, access, &Handle) : ERROR_INVALID_HANDLE;
        if (Error != ERROR_SUCCESS)
            Handle = nullptr;
    }
    ~TOpenKey()
    {
        if (Handle)
            RegCloseKey(Handle);
    }
    TOpenKey(const TOpenKey&) = delete;
    TOpenKey& operator=(const TOpenKey&) = delete;
    explicit operator bool() const { return Handle != nullptr; }
    HKEY Handle = nullptr;
    LONG Error = ERROR_SUCCESS;
};

bool ValueExists(HKEY key, const std::string& name)
{
    return RegQueryValueExA(key, name.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

bool SetValue(EffectKind kind, HKEY root, const std::string& subkey, const std::string& name, DWORD type,
              const void* data, DWORD size, bool onlyExisting)
{
    std::string sub = WithoutLeadingBackslash(subkey);
    TOpenKey key(root, sub, KEY_SET_VALUE | KEY_QUERY_VALUE);
    if (!key)
        LeftAfterError(kind, KeyText(root, sub), name, static_cast<DWORD>(key.Error));
    if (!key || (onlyExisting && !ValueExists(key.Handle, name)))
        return false;
    if (Previewed(kind, KeyText(root, sub), name))
        return true;
    LONG error = RegSetValueExA(key.Handle, name.c_str(), 0, type, static_cast<const BYTE*>(data), size);
    if (error != ERROR_SUCCESS) {
        LeftAfterError(kind, KeyText(root, sub), name, static_cast<DWORD>(error));
        return false;
    }
    Done(kind, KeyText(root, sub), name);
    return true;
}

// RegDeleteKeyA deletes in the program's own view only; the call that takes a view is
// missing before XP x64, where no other view exists.
LONG DeleteKeyIn(HKEY root, const std::string& sub, REGSAM view)
{
    if (!view)
        return RegDeleteKeyA(root, sub.c_str());
    using TRegDeleteKeyEx = LONG(WINAPI*)(HKEY, LPCSTR, REGSAM, DWORD);
    static const auto erase = reinterpret_cast<TRegDeleteKeyEx>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("advapi32.dll"), "RegDeleteKeyExA")));
    return erase ? erase(root, sub.c_str(), view, 0) : ERROR_CALL_NOT_IMPLEMENTED;
}

}  // namespace

bool EffectDeleteRegKey(HKEY root, const std::string& subkey, REGSAM view)
{
    std::string sub = WithoutLeadingBackslash(subkey);
    if (!EffectKeyDeletionAllowed(root, sub)) {
        if (TOpenKey(root, sub, KEY_READ | view))
            Left(EffectKind::DeleteKey, KeyText(root, sub), std::string(), LeftReason::Refused);
        return false;
    }
    if (PreviewActive()) {
        // Opening for deletion deletes nothing; it tells whether a real run could.
        TOpenKey key(root, sub, DELETE | view);
        return key && Previewed(EffectKind::DeleteKey, KeyText(root, sub));
    }
    LONG error = DeleteKeyIn(root, sub, view);
    if (error != ERROR_SUCCESS) {
        LeftAfterError(EffectKind::DeleteKey, KeyText(root, sub), std::string(), static_cast<DWORD>(error));
        return false;
    }
    Done(EffectKind::DeleteKey, KeyText(root, sub));
    return true;
}

bool EffectDeleteRegValue(HKEY root, const std::string& subkey, const std::string& name, REGSAM view)
{
    std::string sub = WithoutLeadingBackslash(subkey);
    TOpenKey key(root, sub, KEY_SET_VALUE | KEY_QUERY_VALUE | view);
    if (!key) {
        LeftAfterError(EffectKind::DeleteValue, KeyText(root, sub), name, static_cast<DWORD>(key.Error));
        return false;
    }
    if (PreviewActive())
        return ValueExists(key.Handle, name) && Previewed(EffectKind::DeleteValue, KeyText(root, sub), name);
    LONG error = RegDeleteValueA(key.Handle, name.c_str());
    if (error != ERROR_SUCCESS) {
        LeftAfterError(EffectKind::DeleteValue, KeyText(root, sub), name, static_cast<DWORD>(error));
        return false;
    }
    Done(EffectKind::DeleteValue, KeyText(root, sub), name);
    return true;
}

bool EffectClearRegValues(HKEY root, const std::string& subkey, REGSAM view)
{
    std::string sub = WithoutLeadingBackslash(subkey);
    std::vector<std::string> names;
    {
        TOpenKey key(root, sub, KEY_SET_VALUE | KEY_QUERY_VALUE | view);
        if (!key) {
            LeftAfterError(EffectKind::ClearTree, KeyText(root, sub), std::string(), static_cast<DWORD>(key.Error));
            return false;
        }
        names = ValueNamesOf(key.Handle);
    }
    bool all = true;
    for (const std::string& name : names)
        all = EffectDeleteRegValue(root, sub, name, view) && all;
    return all;
}

bool EffectResetRegString(HKEY root, const std::string& subkey, const std::string& name, const std::string& text)
{
    return SetValue(EffectKind::ResetValue, root, subkey, name, REG_SZ, text.c_str(),
                    static_cast<DWORD>(text.size() + 1), true);
}

bool EffectWriteRegString(HKEY root, const std::string& subkey, const std::string& name, const std::string& text)
{
    return SetValue(EffectKind::WriteValue, root, subkey, name, REG_SZ, text.c_str(),
                    static_cast<DWORD>(text.size() + 1), false);
}

bool EffectWriteRegInteger(HKEY root, const std::string& subkey, const std::string& name, int32_t value)
{
    DWORD data = static_cast<DWORD>(value);
    return SetValue(EffectKind::WriteValue, root, subkey, name, REG_DWORD, &data, sizeof data, false);
}
