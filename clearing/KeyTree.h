#pragma once
// Deleting registry trees, and deleting them from under a DACL that denies the user.
#include <windows.h>

namespace Clearing {

using ClearStep = void (*)(HKEY root, const char* path);

// The key with its whole tree.
void DeleteKeyTree(HKEY root, const char* path);

// Every subkey with its tree; the key and its own values stay. Stops at the first
// subkey that will not go.
void DeleteSubKeys(HKEY root, const char* path);

// On NT: gives the user and LocalSystem full control over the whole tree, clears it,
// then puts the key's own DACL back. On 9x: clears at once.
void UnlockAndClearKey(HKEY root, const char* path, ClearStep clear);

} // namespace Clearing
