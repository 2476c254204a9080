#pragma once
// hushmark-cli keep: the list of sites whose cookies the cleaning keeps, in options.ini.
#include "cli/Arguments.h"

class TOptions;

// Lists, adds or removes a site and prints the list; exit code 2 for a site name that
// cannot be one (add) or is not listed (remove), 3 when options.ini cannot be saved.
int RunKeep(const TCommandLine& line, TOptions& options);
