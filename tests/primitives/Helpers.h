#pragma once
// Shared by the primitives' tests: scratch registry keys, raw registry reads that do
// not go through the code under test, and the helper programs the tests start.
#include <windows.h>

#include <string>
#include <vector>

// A new empty key under HKEY_CURRENT_USER\Software\HushmarkTest, without the hive.
std::string MakeScratchKey(const std::string& tag);
void MakeKey(HKEY root, const std::string& subkey);
void SetString(HKEY root, const std::string& subkey, const std::string& name, const std::string& text,
               DWORD type = REG_SZ);
void SetDword(HKEY root, const std::string& subkey, const std::string& name, DWORD value);
bool KeyThere(HKEY root, const std::string& subkey);
// An empty DACL closes the key to everyone; its owner may still give the rights back.
bool SetKeyClosed(HKEY root, const std::string& subkey, bool closed);
bool ValueThere(HKEY root, const std::string& subkey, const std::string& name);
DWORD ValueType(HKEY root, const std::string& subkey, const std::string& name);
std::string RawString(HKEY root, const std::string& subkey, const std::string& name);

// Writes the helper program carried as resource "HM_SLEEPER" or "HM_PROBE" beside the
// test program, as name, and answers its path.
std::string HelperProgram(const char* resource, const std::string& name);
// Starts a command line; the caller closes the handle.
HANDLE StartProcess(const std::string& commandLine);
// Runs it to its end and answers its exit code (or ~0u after the timeout).
DWORD RunProcess(const std::string& commandLine, DWORD timeoutMs = 60000);

void MakeFile(const std::string& path, size_t bytes = 10);
// A symbolic link to a folder beside it (target is a relative name such as
// "..\\Elsewhere"), made on the Unix side as Wine cannot make one itself; Wine shows it
// as a folder link. False when it did not appear.
bool MakeFolderLink(const std::string& link, const std::string& target);
bool FileThere(const std::string& path);
bool FolderThere(const std::string& path);

// What the rule of the tests of what is left works on: base\Cache holds a.bin and a link
// "Linked" to base\Elsewhere (which holds kept.bin); the key under HKEY_CURRENT_USER holds
// a value and a subkey "Closed", with one of its own, that nobody may open. The rule
// file holds the rule, its FileKey on ruleFolder\Cache (base as the rule writes it).
// False when the link or the closing failed.
bool PlantLeftTraces(const std::string& base, const std::string& key, const std::string& ruleFile,
                     const std::string& ruleName, const std::string& ruleFolder);
void ClearLeftTraces(const std::string& base, const std::string& key, const std::string& ruleFile);
