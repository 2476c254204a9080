#pragma once
// The keys the four exports clean, and a way to start each test from none of them.
#include "tests/clearing/RegistryKeys.h"
#include <string>

const std::string IntelliForms = "Software\\Microsoft\\Internet Explorer\\IntelliForms";
const std::string RecentDocs = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RecentDocs";
const std::string UserAssist = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\UserAssist";
const std::string Provider = "Software\\Microsoft\\Protected Storage System Provider";
const std::string FormsGuid = "e161255a-37c3-11d2-bcaa-00c04fd929db";

inline std::string UserProviderKey() { return Provider + "\\" + CurrentUserSidText(); }
inline std::string MachineProviderKey() { return Provider + "\\" + CurrentUserName(); }

inline void RemoveTraceKeys()
{
    for (const std::string& path : {IntelliForms, RecentDocs, UserAssist, Provider})
        ForceDeleteKey(HKEY_CURRENT_USER, path);
    ForceDeleteKey(HKEY_LOCAL_MACHINE, Provider);
}
