#pragma once
// Registry primitives. Path-based ones take "HKEY_CURRENT_USER\Software\..." (hive name
// exact, letter case included); the others take a root handle and a subkey path, one
// leading backslash of which is ignored. None raises for a missing key or value.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// Removes the hive name and its backslash from the front of the path and answers the
// hive's root; an unknown hive leaves the path as it is and answers 0 (no root).
HKEY SplitRegPath(std::string& path);
// The written-out name of a predefined root ("HKEY_CURRENT_USER"); empty for others.
std::string HiveName(HKEY root);
// The names of the values of an open key, in enumeration order.
std::vector<std::string> ValueNamesOf(HKEY key);

bool RegKeyExists(const std::string& path);
bool RegValueExists(const std::string& path, const std::string& name);
bool RegKeyHasValues(const std::string& path);
bool RegKeyHasSubKeys(const std::string& path);
bool DeleteRegValue(const std::string& path, const std::string& name);
void ClearRegValues(const std::string& path);
// Replaces an existing value by a REG_SZ holding the text; creates nothing. Raises
// "Failed to set data for '<name>'" when the value exists but the write is refused.
void ResetRegString(const std::string& path, const std::string& name, const std::string& text);
bool DeleteRegKey(const std::string& path);
bool DeleteRegSubKeys(const std::string& path);
// Appends the names of the values matching the mask, in enumeration order. Raises for
// an invalid mask.
void FindRegValues(const std::string& path, const std::string& mask, std::vector<std::string>& list);

std::string RegReadString(HKEY root, const std::string& subkey, const std::string& name, std::string& out);
std::string RegReadStringDef(HKEY root, const std::string& subkey, const std::string& name, std::string& out,
                             const std::string& fallback);
int32_t RegReadInteger(HKEY root, const std::string& subkey, const std::string& name);
// Writes a REG_DWORD into an existing key; a missing key is left missing.
void RegWriteInteger(HKEY root, const std::string& subkey, const std::string& name, int32_t value);
bool DeleteRegKeyTree(HKEY root, const std::string& subkey);
bool RegKeyHasSubKeysAt(HKEY root, const std::string& subkey);

// While alive on this thread, every value read through RegReadString(Def) and
// RegReadInteger is listed, found or not: the safety sweep learns from it which values
// an issue reads. One thread-local test when none is alive. Logs nest; an inner log
// hands its reads to the outer one when it ends.
struct RegistryRead {
    HKEY Root;
    std::string SubKey;  // without a leading backslash
    std::string Name;
    bool Text;           // read as a string (else as a number)
};
class TRegistryReadLog {
public:
    TRegistryReadLog();
    ~TRegistryReadLog();
    TRegistryReadLog(const TRegistryReadLog&) = delete;
    TRegistryReadLog& operator=(const TRegistryReadLog&) = delete;
    const std::vector<RegistryRead>& Reads() const { return Recorded; }

private:
    friend void RecordRegistryRead(HKEY root, const std::string& subkey, const std::string& name, bool text);
    std::vector<RegistryRead> Recorded;
    TRegistryReadLog* Outer;
};
