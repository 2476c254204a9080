#pragma once
// What the two files of catalogue group A share.
#include "engine/ScannerInit.h"

#include <windows.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace GroupA {

extern const char* const Uninstall;  // below HKEY_LOCAL_MACHINE
extern const char* const AppPaths;   // below HKEY_LOCAL_MACHINE

// Steps on base + tail that do nothing when the base is empty.
void TruncateIn(const std::string& base, const std::string& tail);
void TruncateEachIn(const std::string& base, std::initializer_list<const char*> tails);

bool AnyKeyExists(std::initializer_list<const char*> keys);
void ClearEachKey(std::initializer_list<const char*> keys);
// FindRegValues and DeleteRegValue: a mask without wildcards matches only that name.
void DeleteValuesMatching(const std::string& key, const std::string& mask);

}  // namespace GroupA

// The image, audio, development and utility issues of the group.
std::vector<TIssueRegistration> CatalogueGroupATools();
