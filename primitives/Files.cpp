#include "primitives/Files.h"

#include "primitives/Effects.h"
#include "primitives/Errors.h"
#include "primitives/MatchesMask.h"
#include "primitives/Text.h"
#include "primitives/WholeFiles.h"

#include <windows.h>

#include <functional>

namespace {

// Calls visit for every entry that a search for the pattern finds, except names that
// begin with "." ("." and ".." and the files Unix tools hide). Answers false when the
// search cannot start. visit answers false to stop.
bool ForEachEntry(const std::string& pattern, const std::function<bool(const WIN32_FIND_DATAA&)>& visit)
{
    WIN32_FIND_DATAA data;
    HANDLE search = FindFirstFileA(pattern.c_str(), &data);
    if (search == INVALID_HANDLE_VALUE)
        return false;
    do {
        if (data.cFileName[0] == '.')
            continue;
        if (!visit(data))
            break;
    } while (FindNextFileA(search, &data));
    FindClose(search);
    return true;
}

bool IsFolder(const WIN32_FIND_DATAA& data)
{
    return (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

int64_t SizeOf(const WIN32_FIND_DATAA& data)
{
    return static_cast<int64_t>((static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow);
}

}  // namespace

std::string SystemErrorText(unsigned long code)
{
    char buffer[512] = {};
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, buffer,
                                  sizeof buffer, nullptr);
    while (length > 0 && (buffer[length - 1] == '\n' || buffer[length - 1] == '\r' || buffer[length - 1] == ' '))
        buffer[--length] = 0;
    return buffer;
}

void FindFiles(const std::string& folder, const std::string& mask, std::vector<std::string>& list)
{
    std::string base = folder;
    AddTrailingBackslash(base);
    ForEachEntry(base + "*.*", [&](const WIN32_FIND_DATAA& data) {
        if (IsFolder(data)) {
            if (IsFolderToEnter(base + data.cFileName, data.dwFileAttributes))
                FindFiles(base + data.cFileName, mask, list);
        } else if (MatchesMask(data.cFileName, mask))
            list.push_back(base + data.cFileName);
        return true;
    });
}

void FindFolders(const std::string& folder, const std::string& mask, std::vector<std::string>& list)
{
    std::string base = folder;
    AddTrailingBackslash(base);
    ForEachEntry(base + "*.*", [&](const WIN32_FIND_DATAA& data) {
        // A link is neither entered nor listed: callers empty what they are given.
        if (!IsFolderToEnter(base + data.cFileName, data.dwFileAttributes))
            return true;
        if (MatchesMask(data.cFileName, mask))
            list.push_back(base + data.cFileName + "\\");
        FindFolders(base + data.cFileName, mask, list);
        return true;
    });
}

void DeleteFilesInFolder(const std::string& folder, const std::string& mask, bool keepSubfolders)
{
    std::string base = folder;
    AddTrailingBackslash(base);
    // The mask is a name pattern: one that climbs elsewhere ("..\*") is refused like a
    // folder that is a drive root.
    if (!EffectPathAllowed(base) || mask.empty() || mask.find_first_of("\\/") != std::string::npos)
        return;
    struct TFound {
        std::string Path;
        bool Folder;
        int64_t Bytes;
    };
    std::vector<TFound> found;
    ForEachEntry(base + mask, [&](const WIN32_FIND_DATAA& data) {
        found.push_back(TFound{base + data.cFileName, IsFolder(data), SizeOf(data)});
        return true;
    });
    for (const TFound& entry : found) {
        if (!entry.Folder)
            EffectDeleteFile(entry.Path, false, entry.Bytes);
        else if (!keepSubfolders)
            DeleteFolder(entry.Path);
    }
}

bool DeleteFileSafe(const std::string& path)
{
    return EffectDeleteFile(path, false);
}

bool DeleteFolder(const std::string& folder)
{
    return EffectRemoveTree(folder);
}

bool CanOpenFile(const std::string& path)
{
    // Windows refuses to open a read-only file for writing; Wine run by root would not.
    DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        return false;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(file);
    return true;
}

bool TruncateFile(const std::string& path)
{
    DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return false;
    // A file that cannot be opened still goes to the layer, which records why it stays.
    const bool openable = EffectPathAllowed(path) && CanOpenFile(path);
    if (EffectTruncateFile(path))
        return true;
    if (openable)
        throw Exception(Format("Cannot open file \"%s\". %s", path.c_str(), SystemErrorText(GetLastError()).c_str()));
    return false;
}

void DeleteOnReboot(const std::string& path)
{
    EffectDeleteOnReboot(path);
}

int CountFiles(const std::string& folder, int limit)
{
    int count = 0;
    ForEachEntry(folder + "*.*", [&](const WIN32_FIND_DATAA& data) {
        if (!IsFolder(data))
            ++count;
        return count < limit;
    });
    return count;
}

bool FolderIsEmpty(const std::string& folder)
{
    return CountFiles(folder + "\\", 1) == 0;
}

std::string FindHistoryFolder(const std::string& folder, std::string& out)
{
    std::string base = folder;
    AddTrailingBackslash(base);
    out.clear();
    ForEachEntry(base + "*.*", [&](const WIN32_FIND_DATAA& data) {
        std::string head = std::string(data.cFileName).substr(0, 6);
        for (char& c : head)
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
        if (!IsFolder(data) || head != "mshist")
            return true;
        out = base + data.cFileName;
        return false;
    });
    return out;
}

std::string ReadValueAfter(const std::string& file, const std::string& marker, std::string& out)
{
    ValueAfterMarker(LoadFileText(file), marker, out);
    return out;
}

bool IsDirectory(const std::string& path)
{
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool PathExists(const std::string& path)
{
    // No "insert a disk" box for an empty drive.
    UINT previous = SetErrorMode(SEM_FAILCRITICALERRORS);
    WIN32_FIND_DATAA data;
    HANDLE search = FindFirstFileA(path.c_str(), &data);
    SetErrorMode(previous);
    if (search == INVALID_HANDLE_VALUE)
        return false;
    FindClose(search);
    return true;
}

int64_t GetFileSize64(const std::string& path)
{
    WIN32_FIND_DATAA data;
    HANDLE search = FindFirstFileA(path.c_str(), &data);
    if (search == INVALID_HANDLE_VALUE) {
        DWORD code = GetLastError();
        throw Exception(Format("System Error.  Code: %lu.\r\n%s", static_cast<unsigned long>(code),
                               SystemErrorText(code).c_str()));
    }
    FindClose(search);
    return SizeOf(data);
}

void AddTrailingBackslash(std::string& path)
{
    if (!path.empty() && path.back() != '\\')
        path += '\\';
}

void StripLastPathPart(std::string& path)
{
    if (path.empty())
        return;
    path.pop_back();
    while (!path.empty() && path.back() != '\\')
        path.pop_back();
}
