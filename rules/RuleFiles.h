#pragma once
// The file side of rules on the real system: folder patterns matched step by step,
// the files a file key names, and the one function through which a rule deletes a file.
#include "rules/RulePaths.h"

#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

// Every existing folder the pattern (wildcards in any step) names. Each step is
// looked up in the folders there; a junction or symbolic link is never entered, also
// where a step names it literally.
void MatchRuleFolders(const std::string& pattern, std::vector<std::string>& folders);
// A file or folder the path pattern names exists.
bool RulePathExists(const std::string& pattern);
// The folder with each short (8.3) step in its long form.
std::string RuleLongFolder(const std::string& folder);

struct TFileKeyWalk {
    const std::vector<std::string>* Patterns = nullptr;
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

// What one pass of checks over many rules has looked up already: the folders behind
// each step of a pattern, whether a path exists, the long form of a folder. Rules of
// one program share most of their steps, so each is looked up once per pass instead
// of once per rule. Answers are those of MatchRuleFolders and RulePathExists.
class TRuleLookups {
public:
    std::vector<std::string> MatchFolders(const std::string& pattern);
    bool PathExists(const std::string& pattern);
    std::string LongFolder(const std::string& folder);
    bool Remembered(const std::string& question, const std::function<bool()>& answer);
    // A check at or before the one of the last check starts a new pass: the disk may
    // have changed since. Forget drops everything (a solve changed the disk).
    void BeginCheck(size_t order);
    void Forget();

private:
    const std::vector<std::string>& Match(const std::string& pattern);
    std::vector<std::string> MatchWithRootTest(const std::string& pattern);
    std::mutex Lock;
    std::unordered_map<std::string, std::vector<std::string>> Folders;  // by pattern prefix
    std::unordered_map<std::string, bool> Answers;
    std::unordered_map<std::string, std::string> LongForms;
    size_t LastOrder = 0;
    bool InPass = false;
};
