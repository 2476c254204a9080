#pragma once
// Reading and writing a file as one piece of text (the program's own INI files,
// exports, and text files that the catalogue reads values from).
#include <string>

bool FileExists(const std::string& path);

// The whole content; raises Exception "Cannot open file "<path>". <reason>".
std::string LoadFileText(const std::string& path);

// Writes the text to a new file beside the target and then puts it in the target's
// place in one step, so a crash or a full disk never leaves a truncated file.
// Raises Exception "Cannot create file "<path>". <reason>" and leaves the old file.
void SaveFileReplacing(const std::string& path, const std::string& text);
