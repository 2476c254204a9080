#pragma once
// Registry state for the clearing tests: plant keys with chosen DACLs, read back what
// is there, and remove trees that deny the user.
#include <windows.h>
#include <map>
#include <string>
#include <vector>

struct StoredValue {
    DWORD type;
    std::string data;
    bool operator==(const StoredValue& other) const { return type == other.type && data == other.data; }
};
using ValueMap = std::map<std::string, StoredValue>;

void CreateKey(HKEY root, const std::string& path);
void SetString(HKEY root, const std::string& path, const std::string& name, const std::string& text);
bool KeyExists(HKEY root, const std::string& path);
bool CanRead(HKEY root, const std::string& path);
std::vector<std::string> SubKeyNames(HKEY root, const std::string& path);
ValueMap ReadValues(HKEY root, const std::string& path);

// The key's DACL as the registry hands it back, byte for byte; empty when unreadable.
std::vector<BYTE> ReadDacl(HKEY root, const std::string& path);
// The user may do anything with the key itself, everyone else may read it and its
// subkeys: unlike the DACL the library grants while it works.
void SetUserAndEveryoneDacl(HKEY root, const std::string& path);
// An empty DACL: nobody gets in, though the owner can still change the DACL.
void DenyEveryone(HKEY root, const std::string& path);
// Opens the whole tree up, then deletes it.
void ForceDeleteKey(HKEY root, const std::string& path);

std::string CurrentUserSidText();
std::string CurrentUserName();
