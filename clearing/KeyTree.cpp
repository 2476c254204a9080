#include "clearing/KeyTree.h"
#include "clearing/Handles.h"
#include "clearing/Platform.h"
#include "clearing/Security.h"
#include <shlwapi.h>
#include <string>

namespace Clearing {

void DeleteKeyTree(HKEY root, const char* path)
{
    // An empty path would name the whole root.
    if (!path || !*path)
        return;
    SHDeleteKeyA(root, path);
}

void DeleteSubKeys(HKEY root, const char* path)
{
    if (!path || !*path)
        return;
    KeyHandle key;
    if (!key.Open(root, path, KEY_READ))
        return;
    // Index 0 is always the first subkey left, so a subkey that will not go comes
    // back at index 0: stop there rather than try it forever.
    std::string deleted;
    for (;;) {
        char name[MAX_PATH + 1];
        DWORD length = sizeof name;
        if (SHEnumKeyExA(key.Get(), 0, name, &length) != ERROR_SUCCESS)
            return;
        if (!deleted.empty() && lstrcmpiA(name, deleted.c_str()) == 0)
            return;
        const std::string subkey = std::string(path) + "\\" + name;
        if (SHDeleteKeyA(root, subkey.c_str()) != ERROR_SUCCESS)
            return;
        deleted = name;
    }
}

void UnlockAndClearKey(HKEY root, const char* path, ClearStep clear)
{
    if (!IsNtPlatform()) {
        clear(root, path);
        return;
    }
    HeapBlock user = GetCurrentUserSid();
    if (!user)
        return;
    HeapBlock saved = SaveKeyDacl(root, path);
    {
        SECURITY_DESCRIPTOR replacement;
        HeapBlock acl;
        if (BuildUserAndSystemDacl(user.get(), replacement, acl)) {
            ApplyKeyDacl(root, path, &replacement, true);
            clear(root, path);
        }
    }
    // Where the clear step took the key itself, the open fails and nothing happens.
    if (saved)
        ApplyKeyDacl(root, path, saved.get(), false);
}

} // namespace Clearing
