#include "clearing/FormData.h"
#include "clearing/KeyTree.h"
#include "clearing/Security.h"
#include <string>

namespace Clearing {

namespace {

const char ProviderKey[] = "Software\\Microsoft\\Protected Storage System Provider\\";
const char FormDataKey[] = "\\Data\\e161255a-37c3-11d2-bcaa-00c04fd929db";

} // namespace

void ClearUserFormData()
{
    HeapBlock user = GetCurrentUserSid();
    if (!user)
        return;
    const std::string sidText = SidText(static_cast<const SID*>(user.get()));
    if (sidText.empty())
        return;
    const std::string userKey = ProviderKey + sidText;
    const std::string dataKey = userKey + "\\Data";
    const std::string formKey = userKey + FormDataKey;

    // Both keys above the one cleared get their DACL back: they stay, and the user
    // should not find Protected Storage's area opened up after a clean-up.
    HeapBlock savedUser = SaveKeyDacl(HKEY_CURRENT_USER, userKey.c_str());
    HeapBlock savedData = SaveKeyDacl(HKEY_CURRENT_USER, dataKey.c_str());
    {
        SECURITY_DESCRIPTOR replacement;
        HeapBlock acl;
        if (BuildUserAndSystemDacl(user.get(), replacement, acl)) {
            ApplyKeyDacl(HKEY_CURRENT_USER, userKey.c_str(), &replacement, false);
            ApplyKeyDacl(HKEY_CURRENT_USER, dataKey.c_str(), &replacement, false);
            ApplyKeyDacl(HKEY_CURRENT_USER, formKey.c_str(), &replacement, true);
            DeleteKeyTree(HKEY_CURRENT_USER, formKey.c_str());
        }
    }
    if (savedData)
        ApplyKeyDacl(HKEY_CURRENT_USER, dataKey.c_str(), savedData.get(), false);
    if (savedUser)
        ApplyKeyDacl(HKEY_CURRENT_USER, userKey.c_str(), savedUser.get(), false);
}

void ClearMachineFormData()
{
    char name[MAX_PATH] = "";
    DWORD length = sizeof name;
    // Without a name the path would climb to the provider key itself.
    if (!GetUserNameA(name, &length) || !*name)
        return;
    const std::string machineKey = ProviderKey + std::string(name) + FormDataKey;
    DeleteKeyTree(HKEY_LOCAL_MACHINE, machineKey.c_str());
}

} // namespace Clearing
