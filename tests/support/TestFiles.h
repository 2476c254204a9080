#pragma once
// Scratch folders and files for tests, on the host or inside the sandbox.
#include <string>

#ifdef _WIN32
const char PathDelimiter = '\\';
#else
const char PathDelimiter = '/';
#endif

// A new empty folder under the temporary folder, with a trailing delimiter.
std::string MakeScratchFolder(const std::string& tag);
void WriteTextFile(const std::string& path, const std::string& text);
std::string ReadTextFile(const std::string& path);
