#pragma once
// The file side of rules on the real system: folder patterns matched step by step,
// the files a file key names, and the one function through which a rule deletes a file.
#include "rules/RulePaths.h"

#include <cstdint>
#include <string>
#include <vector>

// Every existing folder the pattern (wildcards in any step) names. Each step is
// looked up in the folders there; a junction or symbolic link is never entered, also
// where a step names it literally.
void MatchRuleFolders(const std::string& pattern, std::vector<std::string>& folders);
// A file or folder the path pattern names exists.
bool RulePathExists(const std::string& pattern);

struct TFileKeyWalk {
    std::vector<std::string> Patterns;
    bool Recurse = false;
    bool RemoveSelf = false;
    const std::vector<TFileExclusion>* Exclusions = nullptr;
};
// True when a file the key would delete is in the folder (or below, when it recurses).
bool FileKeyFinds(const std::string& folder, const TFileKeyWalk& walk);
// Deletes what the key names in the folder; with RemoveSelf the folders left empty
// go too, the folder itself last.
void FileKeyClean(const std::string& folder, const TFileKeyWalk& walk);

// Every file deletion of a rule comes here.
bool DeleteRuleFile(const std::string& path, int64_t bytes);
