#pragma once
// The security work around a cleaning: who the user is, a key's DACL saved and put
// back, and a DACL that lets only the user and LocalSystem in.
#include "clearing/Handles.h"
#include <string>

namespace Clearing {

// The user SID of the process token, copied into a heap block; empty on failure.
HeapBlock GetCurrentUserSid();

// "S-1-5-21-...": the usual text form of a SID; empty for a SID that is not valid.
std::string SidText(const SID* sid);

// A self-relative descriptor holding the key's DACL alone; empty when the key cannot
// be opened or read.
HeapBlock SaveKeyDacl(HKEY root, const char* path);

// Fills descriptor with a fresh DACL: full control, inherited by subkeys, for the
// user and then for LocalSystem. The list is handed back in acl, which must outlive
// every use of the descriptor.
bool BuildUserAndSystemDacl(PSID user, SECURITY_DESCRIPTOR& descriptor, HeapBlock& acl);

// Sets the descriptor's DACL on parent\path and, with recurse, on every key below it.
bool ApplyKeyDacl(HKEY parent, const char* path, PSECURITY_DESCRIPTOR descriptor, bool recurse);

} // namespace Clearing
