#pragma once
#include <string>

// The executable name ("firefox.exe") of a program that holds the file open, as the
// Restart Manager tells it on Vista and later; empty where it cannot tell.
std::string ProgramHoldingFile(const std::string& path);
