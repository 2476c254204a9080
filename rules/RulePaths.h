#pragma once
// Path and registry-key texts of rules: variables, folder form, wildcard names,
// refusals and exclusions. Portable (no Windows calls): the system's folders come in
// as tables, so every rule here is tested natively.
#include <map>
#include <string>
#include <string_view>
#include <vector>

// Variable name in lower case -> its folders (none: empty on this system; two for
// %ProgramFiles% on 64-bit Windows).
using TRuleVariables = std::map<std::string, std::vector<std::string>>;

const size_t MaxRuleExpansions = 16;
// Replaces every %Name% (case ignored). False with the reason when a variable is
// unknown or empty, or when they stand for more than MaxRuleExpansions folders: such a
// key skips itself, it never expands to "".
bool ExpandRuleVariables(const std::string& text, const TRuleVariables& variables, std::vector<std::string>& out,
                         std::string& reason);

// An absolute folder without a trailing backslash ("C:\" for a drive root; "C:" alone
// is read as the root). False with the reason for relative folders, "." or ".." steps,
// share roots and over-long paths.
bool NormalFolder(const std::string& expanded, std::string& folder, std::string& reason);

// The steps of a normal folder: "C:" first, or "\\server\share" for a share.
std::vector<std::string> FolderSteps(const std::string& folder);
// The number of steps FolderSteps would give, without making them.
size_t FolderDepth(const std::string& folder);
bool HasWildcard(const std::string& text);

// "*" and "?" only, ASCII letters without regard to case; "*.*" matches every name,
// as on Windows. Linear in the lengths, whatever the pattern.
bool MatchesRulePattern(const std::string& name, const std::string& pattern);
bool MatchesAnyRulePattern(const std::string& name, const std::vector<std::string>& patterns);
bool PatternMatchesEveryName(const std::string& pattern);
// "*.exe", "*.dl?" ...: a program file type named by its extension alone.
bool PatternNamesProgramType(const std::string& pattern);
// The folder pattern (wildcards in any step) matches the folder or one of its parents.
bool FolderPatternCovers(const std::string& pattern, const std::string& folder);
// The folder pattern matches exactly this folder.
bool FolderPatternMatches(const std::string& pattern, const std::string& folder);

struct TProtectedFolders {
    std::vector<std::string> System;  // Windows and its system folders, Program Files, Users root, profile
    std::vector<std::string> User;    // Documents, Desktop, ... the AppData roots, ProgramData
    // Their steps, split once (SplitProtectedFolders): thousands of keys are tested.
    std::vector<std::vector<std::string>> SystemSteps, UserSteps;
};
void SplitProtectedFolders(TProtectedFolders& folders);

// Why a file key on this normal folder is refused; empty when it may run.
std::string RefuseFileKey(const std::string& folder, const std::vector<std::string>& patterns, bool recurse,
                          const TProtectedFolders& protectedFolders);

// "HKCU\..." or "HKEY_CURRENT_USER\..." (case ignored) into the written-out hive name
// and the subkey without leading or trailing backslashes; false for an unknown hive.
bool SplitRuleHive(const std::string& text, std::string& hive, std::string& subkey);
// Why deleting this key (or a value in it) is refused; empty when it may run.
std::string RefuseRegKey(const std::string& hive, const std::string& subkey);

// One FILE or PATH exclusion: a folder pattern and name patterns; Below for PATH.
struct TFileExclusion {
    std::string Folder;
    std::vector<std::string> Patterns;
    bool Below = false;
};
bool FileExcluded(const std::string& path, const std::vector<TFileExclusion>& exclusions);

// A REG exclusion: the key (written-out hive) and, when HasValue, one value of it.
struct TRegExclusion {
    std::string Key;
    std::string Value;
    bool HasValue = false;
};
// The key or something below it is kept (so the key cannot go whole).
bool RegKeyHoldsExclusion(const std::string& key, const std::vector<TRegExclusion>& exclusions);
// The key itself is kept, with all below it.
bool RegKeyExcluded(const std::string& key, const std::vector<TRegExclusion>& exclusions);
bool RegValueExcluded(const std::string& key, const std::string& value, const std::vector<TRegExclusion>& exclusions);

bool SameAsciiText(std::string_view a, std::string_view b);
std::string LowerAscii(std::string_view text);
