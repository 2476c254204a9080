#pragma once
// The hostile registry sweep: every registry value an issue reads is set to a hostile
// text, sentinel files lie in the folders a wrong path would reach, Check and Solve run,
// and everything that changed on drive C: or in the registry must be something the
// effects layer reports having done, and no sentinel may be touched.
#include <windows.h>

#include <map>
#include <set>
#include <string>
#include <vector>

struct HostileSet {
    std::string Label;  // for reports: the text itself, or a description of a long one
    std::string Text;
};
// "", "C:\", "\", "..", "C:", the Windows folder, a path with a trailing blank and a
// 300-character path.
std::vector<HostileSet> HostileSets();

// Every file of drive C: (the system's DLL folders aside), upper-cased, with its size
// and time of last write.
using FileState = std::map<std::string, std::pair<uint64_t, uint64_t>>;
FileState DriveState();

// HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE\Software as "KEY" -> "" for each key and
// "KEY\0NAME" -> type and data for each value, upper-cased names.
using RegistryState = std::map<std::string, std::string>;
RegistryState RegistryDump();

struct Effect;
// Takes the state of drive C: and of the registry when made; afterwards, names every
// change that the effects do not account for, and any change to a sentinel file.
class TChangeWatch {
public:
    explicit TChangeWatch(const std::set<std::string>& sentinels = {});
    std::vector<std::string> ChangesOutside(const std::vector<Effect>& effects) const;

private:
    std::set<std::string> Sentinels;  // upper-cased paths
    FileState Files;
    RegistryState Registry;
};

struct SweepOutcome {
    int ValuesSet = 0;               // recorded values set to the hostile text
    std::vector<std::string> Faults; // one line per change outside the issue's effects
};

// The sentinel files the sweep lays, removed at the end.
void RemoveSentinels();

// One issue, one hostile text: plants the issue's seed plan (when it has one), records
// the values its Check and Solve read, sets them, runs, compares and restores.
SweepOutcome SweepIssue(const std::string& className, const HostileSet& set);
