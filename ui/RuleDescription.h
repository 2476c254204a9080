#pragma once
// The row text of a rule in the results list: its warning, then what it removes in
// plain words ("Deletes the folders Cache and GPUCache in %LocalAppData%\...\User
// Data\*; the values FolderHistory and CopyHistory of HKCU\Software\7-Zip\FM."), cut at
// a word to fit a row. Portable: it only reads the keys as the reader took them apart.
#include "rules/RuleReader.h"

#include <string>
#include <vector>

// Longest text a row shows before it would outgrow the list box's row height.
const size_t MaxRuleDescription = 180;

std::string DescribeRule(const std::vector<TRuleKey>& deletionKeys, const std::string& warning,
                         size_t maxLength = MaxRuleDescription);

// A folder or registry path cut to its first step and its last three:
// "%WinDir%\...\Windows\DeliveryOptimization\Cache".
std::string ShortRulePath(const std::string& path);
