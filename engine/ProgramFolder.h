#pragma once
#include <string>

// The folder of the running program with a trailing backslash: the base of info.ini,
// options.ini, res\ and icons\.
std::string ProgramFolder();
