#pragma once
#include <string>

// Ends the first running process, in snapshot order, whose executable name equals
// exeName exactly (letter case included). True when none runs or it was ended; false
// means a matching process is still running. Never raises.
bool KillProcess(const std::string& exeName);

// The executable's bare name ("firefox.exe") of the running process; empty when none.
std::string ProcessExeName(unsigned long id);
// Whether a process of that executable name runs, letter case aside.
bool ProcessRunning(const std::string& exeName);
