#pragma once
// What the catalogue's checks and solves repeat: reading install values, taking the
// folder of a program path, and steps that skip themselves when their base is empty,
// so that no path is ever built on an empty base.
#include "engine/PrivacyIssues.h"
#include "primitives/Utils.h"
#include "primitives/WholeFiles.h"

#include <initializer_list>
#include <vector>
#include <string>

// A string value of the registry, empty when missing.
std::string RegText(HKEY root, const std::string& subkey, const std::string& name);

// The part of a path up to and including its last backslash; empty when there is none.
std::string FolderOf(const std::string& path);
// The part after the last backslash.
std::string NameOf(const std::string& path);

// A base folder taken from the registry or a file: kept only when it is an absolute
// path below a drive root or share, without "." or ".." steps; otherwise empty, so
// that a damaged or hostile value makes every step skip itself.
std::string TrustedBase(const std::string& path);
// A program's own folder read from its settings: a TrustedBase that is not a folder of
// Windows or of the user, nor a parent of one. A damaged value such as "C:\Windows" or
// "C:\Program Files " (which Windows resolves to the program-files folder) must never
// make a Solve empty such a folder.
std::string ProgramBase(const std::string& path);
// ProgramBase(FolderOf(value)): the folder of a program path read from the registry.
std::string InstallFolderOf(const std::string& value);

// Install check: the value is non-empty.
bool InstallCheck(HKEY root, const std::string& subkey, const std::string& name);
// Uninstaller check: V := the HKEY_LOCAL_MACHINE value; false when empty, else PathExists(V).
bool UninstallerCheck(const std::string& subkey, const std::string& name);
// Uninstaller check on a value already read.
bool UninstallerCheckOn(const std::string& value);

// Tests on base + tail, false when the base is empty.
bool HasFilesIn(const std::string& base, const std::string& tail = "");
bool IsDirectoryAt(const std::string& base, const std::string& tail = "");
bool PathExistsAt(const std::string& base, const std::string& tail = "");
uint16_t MajorVersionAt(const std::string& base, const std::string& tail);

// Solve steps on base + tail that do nothing when the base is empty.
void DeleteIn(const std::string& base, const std::string& tail);
void DeleteEachIn(const std::string& base, std::initializer_list<const char*> tails);
void EmptyFolder(const std::string& base, const std::string& tail, const std::string& mask = "*.*",
                 bool keepSubfolders = false);
void KeepSubfoldersEmpty(const std::string& base, const std::string& tail, std::initializer_list<const char*> masks);
void ScheduleDeletion(const std::string& base, const std::string& tail);
void DeleteKeys(std::initializer_list<const char*> paths);
void ResetValues(const std::string& key, std::initializer_list<const char*> names);

// Reads of a program's INI file through the system's profile functions.
std::vector<std::string> ProfileSectionNames(const std::string& file);
bool ProfileKeyExists(const std::string& file, const std::string& section, const std::string& key);

// Empties the values of "KEY=value" lines that begin with one of the markers, in a
// program's settings file; the file is written back only when a value changed.
void BlankSettings(const std::string& file, std::initializer_list<const char*> markers);

// The checks that list an issue unticked when its program is there: the issue's
// DefaultUnchecked is set once the value is non-empty, then the check runs.
bool InstallCheckUnticked(TPrivacyIssue& issue, HKEY root, const std::string& subkey, const std::string& name);
bool UninstallerCheckUnticked(TPrivacyIssue& issue, const std::string& value);

// True when one of the keys has a subkey; deleting the subkeys of each, in order.
bool AnyKeyHasSubKeys(const std::vector<std::string>& keys);
void DeleteSubKeysOfEach(const std::vector<std::string>& keys);

// Every file below the folder matching the masks, each mask's finds after the
// previous one's, all collected before any is touched; nothing when the folder is empty.
void TruncateEachFound(const std::string& folder, std::initializer_list<const char*> masks);
void DeleteEachFound(const std::string& folder, std::initializer_list<const char*> masks);
