#include "tests/clearing/RegistryKeys.h"
#include <gtest/gtest.h>
#include <memory>
#include <sddl.h>
#include <shlwapi.h>

namespace {

struct KeyCloser {
    void operator()(HKEY key) const { RegCloseKey(key); }
};
using Key = std::unique_ptr<std::remove_pointer_t<HKEY>, KeyCloser>;

Key OpenKey(HKEY root, const std::string& path, REGSAM access)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, access, &key) != ERROR_SUCCESS)
        return nullptr;
    return Key(key);
}

struct SidFreer {
    void operator()(void* sid) const { FreeSid(sid); }
};
using Sid = std::unique_ptr<void, SidFreer>;

Sid EveryoneSid()
{
    SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
    PSID sid = nullptr;
    AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &sid);
    return Sid(sid);
}

std::vector<BYTE> UserTokenInfo()
{
    HANDLE token = nullptr;
    std::vector<BYTE> info;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return info;
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    info.resize(size);
    if (!GetTokenInformation(token, TokenUser, info.data(), size, &size))
        info.clear();
    CloseHandle(token);
    return info;
}

void SetDacl(HKEY root, const std::string& path, PACL acl)
{
    SECURITY_DESCRIPTOR descriptor;
    InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION);
    SetSecurityDescriptorDacl(&descriptor, TRUE, acl, FALSE);
    Key key = OpenKey(root, path, WRITE_DAC);
    ASSERT_TRUE(key) << path;
    ASSERT_EQ(ERROR_SUCCESS, RegSetKeySecurity(key.get(), DACL_SECURITY_INFORMATION, &descriptor)) << path;
}

} // namespace

void CreateKey(HKEY root, const std::string& path)
{
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr))
        << path;
    RegCloseKey(key);
}

void SetString(HKEY root, const std::string& path, const std::string& name, const std::string& text)
{
    CreateKey(root, path);
    Key key = OpenKey(root, path, KEY_SET_VALUE);
    ASSERT_TRUE(key);
    ASSERT_EQ(ERROR_SUCCESS, RegSetValueExA(key.get(), name.c_str(), 0, REG_SZ,
                                            reinterpret_cast<const BYTE*>(text.c_str()), DWORD(text.size() + 1)));
}

bool KeyExists(HKEY root, const std::string& path)
{
    HKEY key = nullptr;
    const LONG result = RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key);
    if (result == ERROR_SUCCESS)
        RegCloseKey(key);
    return result == ERROR_SUCCESS || result == ERROR_ACCESS_DENIED;
}

bool CanRead(HKEY root, const std::string& path)
{
    return OpenKey(root, path, KEY_READ) != nullptr;
}

std::vector<std::string> SubKeyNames(HKEY root, const std::string& path)
{
    std::vector<std::string> names;
    Key key = OpenKey(root, path, KEY_READ);
    char name[MAX_PATH + 1];
    for (DWORD index = 0; key && RegEnumKeyA(key.get(), index, name, sizeof name) == ERROR_SUCCESS; ++index)
        names.push_back(name);
    return names;
}

ValueMap ReadValues(HKEY root, const std::string& path)
{
    ValueMap values;
    Key key = OpenKey(root, path, KEY_READ);
    for (DWORD index = 0; key; ++index) {
        char name[16384];
        BYTE data[4096];
        DWORD nameLength = sizeof name, dataLength = sizeof data, type = 0;
        if (RegEnumValueA(key.get(), index, name, &nameLength, nullptr, &type, data, &dataLength) != ERROR_SUCCESS)
            break;
        values[name] = {type, std::string(reinterpret_cast<char*>(data), dataLength)};
    }
    return values;
}

std::vector<BYTE> ReadDacl(HKEY root, const std::string& path)
{
    Key key = OpenKey(root, path, READ_CONTROL);
    if (!key)
        return {};
    DWORD size = 0;
    SECURITY_DESCRIPTOR probe;
    RegGetKeySecurity(key.get(), DACL_SECURITY_INFORMATION, &probe, &size);
    std::vector<BYTE> bytes(size);
    if (size == 0 || RegGetKeySecurity(key.get(), DACL_SECURITY_INFORMATION, bytes.data(), &size) != ERROR_SUCCESS)
        return {};
    return bytes;
}

void SetUserAndEveryoneDacl(HKEY root, const std::string& path)
{
    std::vector<BYTE> info = UserTokenInfo();
    ASSERT_FALSE(info.empty());
    PSID user = reinterpret_cast<TOKEN_USER*>(info.data())->User.Sid;
    Sid everyone = EveryoneSid();
    std::vector<BYTE> buffer(1024);
    auto* acl = reinterpret_cast<PACL>(buffer.data());
    ASSERT_TRUE(InitializeAcl(acl, DWORD(buffer.size()), ACL_REVISION));
    ASSERT_TRUE(AddAccessAllowedAceEx(acl, ACL_REVISION, 0, KEY_ALL_ACCESS, user));
    ASSERT_TRUE(AddAccessAllowedAceEx(acl, ACL_REVISION, CONTAINER_INHERIT_ACE, KEY_READ, everyone.get()));
    SetDacl(root, path, acl);
}

void DenyEveryone(HKEY root, const std::string& path)
{
    ACL acl;
    ASSERT_TRUE(InitializeAcl(&acl, sizeof acl, ACL_REVISION));
    SetDacl(root, path, &acl);
}

void ForceDeleteKey(HKEY root, const std::string& path)
{
    if (Key key = OpenKey(root, path, WRITE_DAC)) {
        // A NULL DACL lets everyone in.
        SECURITY_DESCRIPTOR open;
        InitializeSecurityDescriptor(&open, SECURITY_DESCRIPTOR_REVISION);
        SetSecurityDescriptorDacl(&open, TRUE, nullptr, FALSE);
        RegSetKeySecurity(key.get(), DACL_SECURITY_INFORMATION, &open);
    }
    for (const std::string& name : SubKeyNames(root, path))
        ForceDeleteKey(root, path + "\\" + name);
    SHDeleteKeyA(root, path.c_str());
}

std::string CurrentUserSidText()
{
    std::vector<BYTE> info = UserTokenInfo();
    char* text = nullptr;
    if (info.empty() || !ConvertSidToStringSidA(reinterpret_cast<TOKEN_USER*>(info.data())->User.Sid, &text))
        return {};
    std::string result = text;
    LocalFree(text);
    return result;
}

std::string CurrentUserName()
{
    char name[MAX_PATH] = "";
    DWORD length = sizeof name;
    GetUserNameA(name, &length);
    return name;
}
