#pragma once
#include <string>

// "A:\" for 0 up to "Z:\" for 25; raises "<index> is not a valid drive" otherwise.
std::string GetDriveRoot(int index);
// "Removable Drive", "Hard Disk", "Remote Drive", "CD-ROM", "RAM-Disk" or "Unknown
// drive type"; raises "<letter> is not a valid drive" for a character not A-Z, a-z.
std::string GetDriveTypeText(char letter);
