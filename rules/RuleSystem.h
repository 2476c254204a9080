#pragma once
// What rules need to know of this system, read once per load: the folders behind the
// variables, the protected folders, the kernel version and whether the program runs
// under WOW64 (64-bit Windows).
#include "rules/RulePaths.h"

#include <cstdint>

struct TRuleSystem {
    TRuleVariables Variables;
    TProtectedFolders Protected;
    uint32_t Version = 0;  // major * 65536 + minor
    bool Wow64 = false;
};

TRuleSystem ReadRuleSystem();
