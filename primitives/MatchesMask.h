#pragma once
#include <string>

// Wildcard match of a whole file, folder or registry value name: "*", "?", sets
// "[a-z]" and "[!...]", ASCII letters without regard to case. Raises Exception
// "'<mask>' is an invalid mask at (<position>)" for an invalid mask.
bool MatchesMask(const std::string& name, const std::string& mask);
