#pragma once
// Reading and writing a file as one piece of text (the program's own INI files,
// exports, and text files that the catalogue reads values from).
#include <functional>
#include <string>
#include <string_view>

bool FileExists(const std::string& path);

// The whole content; raises Exception "Cannot open file "<path>". <reason>".
std::string LoadFileText(const std::string& path);
#ifdef _WIN32
// The content a block at a time, in order, for files too large to hold whole; raises
// as LoadFileText does, also after some blocks were handed over.
void ReadFileBlocks(const std::string& path, const std::function<void(std::string_view)>& take);
#endif

// Writes the text to a new file beside the target and then puts it in the target's
// place in one step, so a crash or a full disk never leaves a truncated file.
// Raises Exception "Cannot create file "<path>". <reason>" and leaves the old file.
void SaveFileReplacing(const std::string& path, const std::string& text);
