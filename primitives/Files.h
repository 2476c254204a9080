#pragma once
// File and folder primitives. Folders are accepted with or without a trailing
// backslash unless noted; entries whose names begin with "." are never seen. Missing
// files and folders give false, zero or nothing; the few that raise say so.
#include <climits>
#include <cstdint>
#include <string>
#include <vector>

// The system's message for an error code, without the line end.
std::string SystemErrorText(unsigned long code);

// Every file below the folder, at any depth, whose name matches the mask (MatchesMask),
// appended depth-first; a junction or symbolic link is not entered. Raises for an
// invalid mask.
void FindFiles(const std::string& folder, const std::string& mask, std::vector<std::string>& list);
// Every folder below the folder whose name matches, with a trailing backslash; a
// junction or symbolic link is neither listed nor entered.
void FindFolders(const std::string& folder, const std::string& mask, std::vector<std::string>& list);
// Deletes the files directly in the folder that the system's search matches with the
// mask (read-only files stay); unless keepSubfolders, also matching folders whole.
void DeleteFilesInFolder(const std::string& folder, const std::string& mask, bool keepSubfolders);
// Read-only files are not deleted.
bool DeleteFileSafe(const std::string& path);
// Removes the folder with everything in it; true when it is gone. Links inside are
// removed as links: what they point to stays.
bool DeleteFolder(const std::string& folder);
// The file exists and nobody holds it open: it opens for writing without sharing.
bool CanOpenFile(const std::string& path);
// Empties a file that CanOpenFile; answers CanOpenFile's answer.
bool TruncateFile(const std::string& path);
// Deletes the file when Windows next starts.
void DeleteOnReboot(const std::string& path);
// Files directly in the folder, which must end with a backslash. Counting stops at
// limit, for callers that only compare the count with a small number.
int CountFiles(const std::string& folder, int limit = INT_MAX);
// No file directly in the folder (subfolders do not count); a missing folder is empty.
bool FolderIsEmpty(const std::string& folder);
// The first subfolder whose name begins with "mshist" (any case), without a trailing
// backslash; empty when there is none.
std::string FindHistoryFolder(const std::string& folder, std::string& out);
// The rest of the first line of the file containing the marker; out keeps its value
// when no line does. Raises when the file cannot be read.
std::string ReadValueAfter(const std::string& file, const std::string& marker, std::string& out);
bool IsDirectory(const std::string& path);
// A search for the path (wildcards allowed) finds anything.
bool PathExists(const std::string& path);
// Size of the first entry found; raises the system error when there is none.
int64_t GetFileSize64(const std::string& path);
void AddTrailingBackslash(std::string& path);
// Cuts the last part: a file path becomes its folder with a trailing backslash.
void StripLastPathPart(std::string& path);
