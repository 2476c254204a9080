#include "clearing/Security.h"
#include <cstdio>

namespace Clearing {

namespace {

struct SidFreer {
    void operator()(void* sid) const { FreeSid(sid); }
};

// Built by hand because AddAccessAllowedAceEx, which takes inheritance flags, is
// missing before Windows 2000.
bool AppendAllowAce(PACL acl, PSID sid)
{
    const DWORD sidLength = GetLengthSid(sid);
    const DWORD aceSize = sizeof(ACE_HEADER) + sizeof(ACCESS_MASK) + sidLength;
    HeapBlock block = AllocZeroed(aceSize);
    if (!block)
        return false;
    auto* ace = static_cast<ACCESS_ALLOWED_ACE*>(block.get());
    ace->Header.AceType = ACCESS_ALLOWED_ACE_TYPE;
    ace->Header.AceFlags = OBJECT_INHERIT_ACE | CONTAINER_INHERIT_ACE;
    ace->Header.AceSize = static_cast<WORD>(aceSize);
    ace->Mask = KEY_ALL_ACCESS;
    if (!CopySid(sidLength, &ace->SidStart, sid))
        return false;
    return AddAce(acl, ACL_REVISION, MAXDWORD, ace, aceSize) != FALSE;
}

} // namespace

HeapBlock GetCurrentUserSid()
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return {};
    HeapBlock sid;
    DWORD size = 0;
    if (!GetTokenInformation(token, TokenUser, nullptr, 0, &size)
        && GetLastError() == ERROR_INSUFFICIENT_BUFFER) {
        HeapBlock info = AllocZeroed(size);
        if (info && GetTokenInformation(token, TokenUser, info.get(), size, &size)) {
            PSID user = static_cast<TOKEN_USER*>(info.get())->User.Sid;
            const DWORD length = GetLengthSid(user);
            HeapBlock copy = AllocZeroed(length);
            if (copy && CopySid(length, copy.get(), user))
                sid = std::move(copy);
        }
    }
    CloseHandle(token);
    return sid;
}

std::string SidText(const SID* sid)
{
    if (!sid || sid->Revision != SID_REVISION || sid->SubAuthorityCount > SID_MAX_SUB_AUTHORITIES)
        return {};
    // The authority is six bytes, most significant first; the usual form writes it in
    // decimal when it fits 32 bits and in hexadecimal otherwise.
    const BYTE* a = sid->IdentifierAuthority.Value;
    char part[32];
    if (a[0] == 0 && a[1] == 0) {
        const unsigned long authority = (static_cast<unsigned long>(a[2]) << 24)
            | (static_cast<unsigned long>(a[3]) << 16) | (static_cast<unsigned long>(a[4]) << 8) | a[5];
        std::snprintf(part, sizeof part, "S-1-%lu", authority);
    } else {
        std::snprintf(part, sizeof part, "S-1-0x%02X%02X%02X%02X%02X%02X", a[0], a[1], a[2], a[3], a[4], a[5]);
    }
    std::string text = part;
    for (BYTE i = 0; i < sid->SubAuthorityCount; ++i) {
        std::snprintf(part, sizeof part, "-%lu", static_cast<unsigned long>(sid->SubAuthority[i]));
        text += part;
    }
    return text;
}

HeapBlock SaveKeyDacl(HKEY root, const char* path)
{
    KeyHandle key;
    if (!key.Open(root, path, READ_CONTROL))
        return {};
    SECURITY_DESCRIPTOR probe;
    DWORD size = 0;
    if (RegGetKeySecurity(key.Get(), DACL_SECURITY_INFORMATION, &probe, &size) != ERROR_INSUFFICIENT_BUFFER)
        return {};
    HeapBlock saved = AllocZeroed(size);
    if (!saved || RegGetKeySecurity(key.Get(), DACL_SECURITY_INFORMATION, saved.get(), &size) != ERROR_SUCCESS)
        return {};
    return saved;
}

bool BuildUserAndSystemDacl(PSID user, SECURITY_DESCRIPTOR& descriptor, HeapBlock& acl)
{
    acl.reset();
    if (!user || !IsValidSid(user))
        return false;
    SID_IDENTIFIER_AUTHORITY ntAuthority = SECURITY_NT_AUTHORITY;
    PSID rawSystem = nullptr;
    if (!AllocateAndInitializeSid(&ntAuthority, 1, SECURITY_LOCAL_SYSTEM_RID, 0, 0, 0, 0, 0, 0, 0, &rawSystem))
        return false;
    std::unique_ptr<void, SidFreer> system(rawSystem);

    const DWORD size = sizeof(ACL) + 2 * (sizeof(ACE_HEADER) + sizeof(ACCESS_MASK))
        + GetLengthSid(user) + GetLengthSid(system.get());
    HeapBlock list = AllocZeroed(size);
    auto* dacl = static_cast<PACL>(list.get());
    if (!dacl || !InitializeAcl(dacl, size, ACL_REVISION)
        || !AppendAllowAce(dacl, user) || !AppendAllowAce(dacl, system.get())
        || !InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION)
        || !SetSecurityDescriptorDacl(&descriptor, TRUE, dacl, FALSE))
        return false;
    acl = std::move(list);
    return true;
}

bool ApplyKeyDacl(HKEY parent, const char* path, PSECURITY_DESCRIPTOR descriptor, bool recurse)
{
    if (!path)
        return false;
    KeyHandle key;
    if (!key.Open(parent, path, WRITE_DAC))
        return false;
    if (RegSetKeySecurity(key.Get(), DACL_SECURITY_INFORMATION, descriptor) != ERROR_SUCCESS)
        return false;
    if (!recurse)
        return true;

    // Reopened for reading only now: the DACL just set may be what lets us read it.
    DWORD count = 0;
    if (!key.Open(parent, path, KEY_READ)
        || RegQueryInfoKeyA(key.Get(), nullptr, nullptr, nullptr, &count, nullptr, nullptr, nullptr,
                            nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        return false;
    char name[MAX_PATH + 1];
    for (DWORD index = 0; index < count; ++index) {
        const LONG result = RegEnumKeyA(key.Get(), index, name, sizeof name);
        if (result == ERROR_NO_MORE_ITEMS)
            break;
        if (result == ERROR_SUCCESS)
            ApplyKeyDacl(key.Get(), name, descriptor, true);
    }
    return true;
}

} // namespace Clearing
