// File and folder effects: deleting, removing trees, truncating, deleting at reboot.
#include "primitives/Effects.h"

#include "primitives/EffectsRecord.h"
#include "primitives/EffectsTesting.h"
#include "primitives/EffectsWorkers.h"
#include "primitives/SpecialFolders.h"
#include "primitives/Text.h"
#include "primitives/Versions.h"
#include "primitives/WholeFiles.h"

#include <vector>

namespace {

TAttributeFilter AttributeFilter = nullptr;

DWORD Filtered(const std::string& path, DWORD attributes)
{
    return AttributeFilter ? AttributeFilter(path, attributes) : attributes;
}

const DWORD BlockingAttributes = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

struct TEntry {
    std::string Name;
    DWORD Attributes;
    uint64_t Bytes;
};

uint64_t SizeOf(const WIN32_FIND_DATAA& data)
{
    return (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

// The whole listing comes before any deletion: under Wine, deleting while a search is
// open on the same folder is more than twice as slow.
std::vector<TEntry> ListFolder(const std::string& folder)
{
    std::vector<TEntry> entries;
    WIN32_FIND_DATAA data;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &data);
    if (search == INVALID_HANDLE_VALUE)
        return entries;
    do {
        if (strcmp(data.cFileName, ".") == 0 || strcmp(data.cFileName, "..") == 0)
            continue;
        // The path is only built for the tests' filter: one allocation less per file.
        DWORD attributes = data.dwFileAttributes;
        if (AttributeFilter)
            attributes = AttributeFilter(folder + "\\" + data.cFileName, attributes);
        entries.push_back(TEntry{data.cFileName, attributes, SizeOf(data)});
    } while (FindNextFileA(search, &data));
    FindClose(search);
    return entries;
}

bool DeleteOneFile(const std::string& path, DWORD attributes, uint64_t bytes, bool clearAttributes)
{
    if (attributes & FILE_ATTRIBUTE_READONLY && !clearAttributes) {
        Left(EffectKind::DeleteFile, path, std::string(), LeftReason::ReadOnly);
        return false;
    }
    if (Previewed(EffectKind::DeleteFile, path, std::string(), bytes))
        return true;
    if (clearAttributes && (attributes & BlockingAttributes))
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!DeleteFileA(path.c_str())) {
        LeftAfterError(EffectKind::DeleteFile, path, std::string(), GetLastError());
        return false;
    }
    Done(EffectKind::DeleteFile, path, std::string(), bytes);
    return true;
}

// A junction or symbolic link goes as a link; what it points to is never entered.
bool RemoveLink(const std::string& path, DWORD attributes)
{
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY))
        return DeleteOneFile(path, attributes, 0, true);
    if (Previewed(EffectKind::RemoveFolder, path))
        return true;
    // Wine shows a Unix symbolic link to a folder as a folder link, and removes it
    // only as a file.
    if (!RemoveDirectoryA(path.c_str()) && !DeleteFileA(path.c_str())) {
        LeftAfterError(EffectKind::RemoveFolder, path, std::string(), GetLastError());
        return false;
    }
    Done(EffectKind::RemoveFolder, path);
    return true;
}

bool RemoveEmptiedFolder(const std::string& folder, DWORD attributes)
{
    if (Previewed(EffectKind::RemoveFolder, folder))
        return true;
    if (attributes & BlockingAttributes)
        SetFileAttributesA(folder.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!RemoveDirectoryA(folder.c_str())) {
        LeftAfterError(EffectKind::RemoveFolder, folder, std::string(), GetLastError());
        return false;
    }
    Done(EffectKind::RemoveFolder, folder);
    return true;
}

bool IsPlainFile(DWORD attributes)
{
    return !(attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT));
}

// A file deleted by the workers, recorded on this thread as DeleteOneFile records it.
bool FinishDeletion(TRawDeletion& file, uint64_t bytes)
{
    if (!file.Deleted) {
        LeftAfterError(EffectKind::DeleteFile, file.Path, std::string(), file.Error);
        return false;
    }
    Done(EffectKind::DeleteFile, file.Path, std::string(), bytes);
    return true;
}

bool RemoveTreeAt(const std::string& folder, DWORD attributes)
{
    std::vector<TEntry> entries = ListFolder(folder);
    // The plain files of the folder go first, overlapped; the record keeps the order of
    // the listing. A preview deletes nothing, so it walks the entries one by one.
    bool together = !PreviewActive();
    std::vector<TRawDeletion> files;
    if (together) {
        for (const TEntry& entry : entries)
            if (IsPlainFile(entry.Attributes))
                files.push_back(TRawDeletion{folder + "\\" + entry.Name, (entry.Attributes & BlockingAttributes) != 0});
        DeleteFilesOverlapped(files);
    }
    bool complete = true;
    size_t next = 0;
    for (const TEntry& entry : entries) {
        bool removed;
        if (together && IsPlainFile(entry.Attributes))
            removed = FinishDeletion(files[next++], entry.Bytes);
        else if (entry.Attributes & FILE_ATTRIBUTE_REPARSE_POINT)
            removed = RemoveLink(folder + "\\" + entry.Name, entry.Attributes);
        else if (entry.Attributes & FILE_ATTRIBUTE_DIRECTORY)
            removed = RemoveTreeAt(folder + "\\" + entry.Name, entry.Attributes);
        else
            removed = DeleteOneFile(folder + "\\" + entry.Name, entry.Attributes, entry.Bytes, true);
        complete = complete && removed;
    }
    return complete && RemoveEmptiedFolder(folder, attributes);
}

bool ReadAttributes(const std::string& path, WIN32_FILE_ATTRIBUTE_DATA& data)
{
    return GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) != 0;
}

uint64_t SizeOf(const WIN32_FILE_ATTRIBUTE_DATA& data)
{
    return (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

// WININIT.INI runs before Windows 95 to ME starts, under DOS: it knows short names
// only, and "NUL=<path>" deletes the file. Each file needs its own line, and
// profile-string calls cannot write a key twice, so the section is edited as text.
bool ScheduleInWininit(const std::string& path)
{
    std::string windows = GetWindowsFolder();
    if (windows.empty())
        return false;
    if (windows.back() != '\\')
        windows += '\\';
    std::string file = windows + "WININIT.INI";
    char shortPath[MAX_PATH];
    DWORD length = GetShortPathNameA(path.c_str(), shortPath, sizeof shortPath);
    std::string line = "NUL=" + (length > 0 && length < sizeof shortPath ? std::string(shortPath, length) : path);

    std::vector<std::string> lines;
    try {
        if (FileExists(file))
            lines = SplitLines(LoadFileText(file));
    } catch (const std::exception&) {
        return false;  // never write over a WININIT.INI that could not be read
    }
    size_t insertAt = lines.size();
    bool inSection = false, found = false;
    for (size_t i = 0; i < lines.size(); ++i) {
        std::string trimmed = Trim(lines[i]);
        if (!trimmed.empty() && trimmed[0] == '[') {
            if (inSection)
                break;
            inSection = SameText(trimmed, "[rename]");
            found = found || inSection;
            if (inSection)
                insertAt = i + 1;
            continue;
        }
        if (!inSection)
            continue;
        if (SameText(trimmed, line))
            return true;
        if (!trimmed.empty())
            insertAt = i + 1;
    }
    if (!found)
        lines.push_back("[rename]");
    lines.insert(found ? lines.begin() + insertAt : lines.end(), line);
    std::string text;
    for (const std::string& each : lines)
        text += each + "\r\n";
    try {
        SaveFileReplacing(file, text);
    } catch (const std::exception&) {
        return false;
    }
    return true;
}

}  // namespace

void SetTreeAttributeFilter(TAttributeFilter filter)
{
    AttributeFilter = filter;
}

bool IsFolderToEnter(const std::string& path, DWORD attributes)
{
    attributes = Filtered(path, attributes);
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) && !(attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

bool EffectDeleteFile(const std::string& path, bool clearAttributes, int64_t knownBytes)
{
    if (!EffectPathAllowed(path)) {
        LeftRefusedPath(EffectKind::DeleteFile, path);
        return false;
    }
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!ReadAttributes(path, data) || (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return false;
    uint64_t bytes = knownBytes >= 0 ? static_cast<uint64_t>(knownBytes) : SizeOf(data);
    return DeleteOneFile(path, data.dwFileAttributes, bytes, clearAttributes);
}

namespace {

// The folder without trailing backslashes and its attributes (through the test filter);
// false when the layer refuses the path or it is no folder.
bool FolderToRemove(const std::string& folder, std::string& path, DWORD& attributes)
{
    path = folder;
    while (path.size() > 1 && path.back() == '\\')
        path.pop_back();
    if (!EffectPathAllowed(path) || IsSystemRootFolder(path)) {
        LeftRefusedPath(EffectKind::RemoveFolder, folder);
        return false;
    }
    attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
        return false;
    attributes = Filtered(path, attributes);
    return true;
}

}  // namespace

bool EffectRemoveTree(const std::string& folder)
{
    std::string path;
    DWORD attributes;
    if (!FolderToRemove(folder, path, attributes))
        return false;
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT)
        return RemoveLink(path, attributes);
    return RemoveTreeAt(path, attributes);
}

bool EffectTruncateFile(const std::string& path)
{
    if (!EffectPathAllowed(path)) {
        LeftRefusedPath(EffectKind::TruncateFile, path);
        return false;
    }
    DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        LeftAfterError(EffectKind::TruncateFile, path, std::string(), GetLastError());
        return false;
    }
    if (attributes & FILE_ATTRIBUTE_READONLY) {
        Left(EffectKind::TruncateFile, path, std::string(), LeftReason::ReadOnly);
        return false;
    }
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        LeftAfterError(EffectKind::TruncateFile, path, std::string(), GetLastError());
        return false;
    }
    // GetFileSizeEx is missing on the Windows 95 family.
    DWORD high = 0;
    DWORD low = GetFileSize(file, &high);
    uint64_t bytes = low == INVALID_FILE_SIZE && GetLastError() != NO_ERROR ? 0 : (uint64_t(high) << 32) | low;
    if (Previewed(EffectKind::TruncateFile, path, std::string(), bytes)) {
        CloseHandle(file);
        return true;
    }
    bool done = SetFilePointer(file, 0, nullptr, FILE_BEGIN) != INVALID_SET_FILE_POINTER && SetEndOfFile(file);
    DWORD error = GetLastError();
    CloseHandle(file);
    if (done)
        Done(EffectKind::TruncateFile, path, std::string(), bytes);
    else
        LeftAfterError(EffectKind::TruncateFile, path, std::string(), error);
    return done;
}

bool EffectDeleteOnReboot(const std::string& path)
{
    if (!EffectPathAllowed(path)) {
        LeftRefusedPath(EffectKind::DeleteOnReboot, path);
        return false;
    }
    WIN32_FILE_ATTRIBUTE_DATA data;
    uint64_t bytes = ReadAttributes(path, data) ? SizeOf(data) : 0;
    if (Previewed(EffectKind::DeleteOnReboot, path, std::string(), bytes))
        return true;
    bool scheduled = IsWindowsNT() ? MoveFileExA(path.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT) != 0
                                   : ScheduleInWininit(path);
    DWORD error = GetLastError();
    if (scheduled) {
        Done(EffectKind::DeleteOnReboot, path, std::string(), bytes);
        Left(EffectKind::DeleteOnReboot, path, std::string(), LeftReason::RestartPending);
    } else {
        LeftAfterError(EffectKind::DeleteOnReboot, path, std::string(), error);
    }
    return scheduled;
}

bool EffectRemoveEmptyFolder(const std::string& folder)
{
    std::string path;
    DWORD attributes;
    if (!FolderToRemove(folder, path, attributes) || (attributes & FILE_ATTRIBUTE_REPARSE_POINT))
        return false;
    // A preview has not emptied the folder: the caller says that it would be.
    if (!PreviewActive() && !ListFolder(path).empty())
        return false;
    return RemoveEmptiedFolder(path, attributes);
}
