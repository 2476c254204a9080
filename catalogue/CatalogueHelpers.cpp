#include "catalogue/CatalogueHelpers.h"

#include <cctype>
#include <cstring>
#include <vector>

std::string RegText(HKEY root, const std::string& subkey, const std::string& name)
{
    std::string value;
    return RegReadString(root, subkey, name, value);
}

std::string FolderOf(const std::string& path)
{
    size_t slash = path.find_last_of('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string NameOf(const std::string& path)
{
    size_t slash = path.find_last_of('\\');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string TrustedBase(const std::string& path)
{
    bool drive = path.size() > 3 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':' &&
                 path[2] == '\\';
    bool share = path.size() > 2 && path[0] == '\\' && path[1] == '\\' && path.find('\\', 2) != std::string::npos;
    if (!drive && !share)
        return std::string();
    // Every step between backslashes must name something: no "", "." or ".." steps
    // (a trailing backslash is the one empty step allowed).
    size_t start = drive ? 3 : path.find('\\', 2) + 1;
    while (start < path.size()) {
        size_t end = path.find('\\', start);
        std::string step = path.substr(start, end == std::string::npos ? std::string::npos : end - start);
        std::string trimmed = Trim(step);
        if (trimmed.empty() || trimmed == "." || trimmed == "..")
            return std::string();
        if (end == std::string::npos || end + 1 == path.size())
            break;
        start = end + 1;
    }
    return path;
}

namespace {

// Upper case, each step trimmed of blanks and dots, no trailing backslash: the form in
// which Windows itself resolves "C:\Program Files \" to the program-files folder.
std::string Canonical(const std::string& path)
{
    std::string result, step;
    auto flush = [&] {
        while (!step.empty() && (step.back() == ' ' || step.back() == '.'))
            step.pop_back();
        if (!result.empty())
            result += '\\';
        result += step;
        step.clear();
    };
    for (char c : path) {
        if (c == '\\')
            flush();
        else
            step += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    flush();
    while (!result.empty() && result.back() == '\\')
        result.pop_back();
    return result;
}

// The folders of Windows and of the user, canonical, each with a final backslash;
// read once, since they do not move while the program runs.
const std::vector<std::string>& SystemFolders()
{
    static const std::vector<std::string> folders = [] {
        std::vector<std::string> list;
        for (const std::string& folder : {GetWindowsFolder(), GetProgramFilesFolder(), GetCommonFilesFolder(),
                                          GetProfileFolder(), GetAppDataFolder(), GetPersonalFolder(),
                                          GetCommonAppDataFolder(), GetTempFolder(), GetProgramFiles64Folder(),
                                          GetCommonFiles64Folder(), GetSystemWow64Folder()})
            if (!folder.empty())
                list.push_back(Canonical(folder) + "\\");
        return list;
    }();
    return folders;
}

}  // namespace

std::string ProgramBase(const std::string& path)
{
    std::string base = TrustedBase(path);
    if (base.empty())
        return base;
    std::string mine = Canonical(base) + "\\";
    for (const std::string& system : SystemFolders())
        if (system.compare(0, mine.size(), mine) == 0)
            return std::string();
    return base;
}

std::string InstallFolderOf(const std::string& value)
{
    return ProgramBase(FolderOf(value));
}

bool InstallCheck(HKEY root, const std::string& subkey, const std::string& name)
{
    return !RegText(root, subkey, name).empty();
}

bool UninstallerCheckOn(const std::string& value)
{
    return !TrustedBase(value).empty() && PathExists(value);
}

bool UninstallerCheck(const std::string& subkey, const std::string& name)
{
    return UninstallerCheckOn(RegText(HKEY_LOCAL_MACHINE, subkey, name));
}

bool HasFilesIn(const std::string& base, const std::string& tail)
{
    return !base.empty() && !FolderIsEmpty(base + tail);
}

bool IsDirectoryAt(const std::string& base, const std::string& tail)
{
    return !base.empty() && IsDirectory(base + tail);
}

bool PathExistsAt(const std::string& base, const std::string& tail)
{
    return !base.empty() && PathExists(base + tail);
}

uint16_t MajorVersionAt(const std::string& base, const std::string& tail)
{
    return base.empty() ? 0 : GetFileMajorVersion(base + tail);
}

void DeleteIn(const std::string& base, const std::string& tail)
{
    if (!base.empty())
        DeleteFileSafe(base + tail);
}

void DeleteEachIn(const std::string& base, std::initializer_list<const char*> tails)
{
    for (const char* tail : tails)
        DeleteIn(base, tail);
}

void EmptyFolder(const std::string& base, const std::string& tail, const std::string& mask, bool keepSubfolders)
{
    if (!base.empty())
        DeleteFilesInFolder(base + tail, mask, keepSubfolders);
}

void KeepSubfoldersEmpty(const std::string& base, const std::string& tail, std::initializer_list<const char*> masks)
{
    for (const char* mask : masks)
        EmptyFolder(base, tail, mask, true);
}

void ScheduleDeletion(const std::string& base, const std::string& tail)
{
    if (!base.empty())
        DeleteOnReboot(base + tail);
}

void DeleteKeys(std::initializer_list<const char*> paths)
{
    for (const char* path : paths)
        DeleteRegKey(path);
}

void ResetValues(const std::string& key, std::initializer_list<const char*> names)
{
    for (const char* name : names)
        ResetRegString(key, name, "");
}

namespace {

std::vector<std::string> NullSeparated(const std::vector<char>& buffer, DWORD length)
{
    std::vector<std::string> names;
    for (const char* p = buffer.data(); p < buffer.data() + length && *p; p += std::strlen(p) + 1)
        names.emplace_back(p);
    return names;
}

}  // namespace

std::vector<std::string> ProfileSectionNames(const std::string& file)
{
    std::vector<char> buffer(8192);
    DWORD length;
    while ((length = GetPrivateProfileSectionNamesA(buffer.data(), static_cast<DWORD>(buffer.size()), file.c_str())) + 2 >=
           buffer.size())
        buffer.resize(buffer.size() * 4);
    return NullSeparated(buffer, length);
}

bool ProfileKeyExists(const std::string& file, const std::string& section, const std::string& key)
{
    std::vector<char> buffer(8192);
    DWORD length;
    while ((length = GetPrivateProfileStringA(section.c_str(), nullptr, "", buffer.data(),
                                              static_cast<DWORD>(buffer.size()), file.c_str())) + 2 >= buffer.size())
        buffer.resize(buffer.size() * 4);
    for (const std::string& name : NullSeparated(buffer, length))
        if (SameText(name, key))
            return true;
    return false;
}

void BlankSettings(const std::string& file, std::initializer_list<const char*> markers)
{
    if (TrustedBase(file).empty() || !FileExists(file))
        return;
    std::vector<std::string> lines = SplitLines(LoadFileText(file));
    bool changed = false;
    for (std::string& line : lines)
        for (const char* marker : markers)
            if (StartsWith(line, marker) && line.size() > std::strlen(marker)) {
                line = marker;
                changed = true;
            }
    if (!changed)
        return;
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    EffectReplaceFileText(file, text);
}

bool InstallCheckUnticked(TPrivacyIssue& issue, HKEY root, const std::string& subkey, const std::string& name)
{
    if (!InstallCheck(root, subkey, name))
        return false;
    issue.DefaultUnchecked = true;
    return true;
}

bool UninstallerCheckUnticked(TPrivacyIssue& issue, const std::string& value)
{
    if (value.empty())
        return false;
    issue.DefaultUnchecked = true;
    return UninstallerCheckOn(value);
}

bool AnyKeyHasSubKeys(const std::vector<std::string>& keys)
{
    for (const std::string& key : keys)
        if (RegKeyHasSubKeys(key))
            return true;
    return false;
}

void DeleteSubKeysOfEach(const std::vector<std::string>& keys)
{
    for (const std::string& key : keys)
        DeleteRegSubKeys(key);
}

namespace {

std::vector<std::string> FoundFiles(const std::string& folder, std::initializer_list<const char*> masks)
{
    std::vector<std::string> files;
    if (!folder.empty())
        for (const char* mask : masks)
            FindFiles(folder, mask, files);
    return files;
}

}  // namespace

void TruncateEachFound(const std::string& folder, std::initializer_list<const char*> masks)
{
    for (const std::string& file : FoundFiles(folder, masks))
        TruncateFile(file);
}

void DeleteEachFound(const std::string& folder, std::initializer_list<const char*> masks)
{
    for (const std::string& file : FoundFiles(folder, masks))
        DeleteFileSafe(file);
}
