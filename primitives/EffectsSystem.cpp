// Effects beyond files and registry values: processes, clipboard, recycle bin, the
// clearing.dll exports and the catalogue's INI files.
#include "primitives/Effects.h"

#include "clearing/Clearing.h"
#include "primitives/EffectsRecord.h"
#include "primitives/Errors.h"
#include "primitives/RecycleBin.h"
#include "primitives/Versions.h"

#include <shellapi.h>

#include <vector>

namespace {

const char* const ProtectedStorage = "Software\\Microsoft\\Protected Storage System Provider\\";
const char* const FormsTail = "\\Data\\e161255a-37c3-11d2-bcaa-00c04fd929db";

// The user's SID as the clearing library writes it ("S-1-5-21-..."); empty when the
// token cannot be read, as on the Windows 95 family.
std::string CurrentUserSidText()
{
    HANDLE token;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return std::string();
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    std::vector<BYTE> buffer(size ? size : 1);
    std::string text;
    if (size && GetTokenInformation(token, TokenUser, buffer.data(), size, &size)) {
        PSID sid = reinterpret_cast<TOKEN_USER*>(buffer.data())->User.Sid;
        text = Format("S-1-%lu", static_cast<unsigned long>(GetSidIdentifierAuthority(sid)->Value[5]));
        for (BYTE i = 0; i < *GetSidSubAuthorityCount(sid); ++i)
            text += Format("-%lu", static_cast<unsigned long>(*GetSidSubAuthority(sid, i)));
    }
    CloseHandle(token);
    return text;
}

std::vector<std::string> ClearedTrees(ClearingExport which)
{
    switch (which) {
    case ClearingExport::AutoCompletePWDs:
        return {"HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\IntelliForms"};
    case ClearingExport::ComputerDocsHistory:
        return {"HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RecentDocs"};
    case ClearingExport::UserAssistCache:
        return {"HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\UserAssist"};
    case ClearingExport::AutoCompleteForms: {
        std::vector<std::string> trees;
        std::string sid = IsWindowsNT() ? CurrentUserSidText() : std::string();
        if (!sid.empty())
            trees.push_back(std::string("HKEY_CURRENT_USER\\") + ProtectedStorage + sid + FormsTail);
        char user[260];
        DWORD length = sizeof user;
        if (GetUserNameA(user, &length))
            trees.push_back(std::string("HKEY_LOCAL_MACHINE\\") + ProtectedStorage + user + FormsTail);
        return trees;
    }
    }
    return {};
}

std::string IniName(const std::string& section, const std::string& key)
{
    return key.empty() ? section : section + "\\" + key;
}

bool WriteProfile(const std::string& file, const std::string& section, const char* key, const char* value)
{
    if (!EffectPathAllowed(file))
        return false;
    // The profile calls create a missing file: a program that is not there gets none.
    const DWORD attributes = GetFileAttributesA(file.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return false;
    std::string name = IniName(section, key ? key : "");
    if (Previewed(EffectKind::WriteIni, file, name))
        return true;
    if (!WritePrivateProfileStringA(section.c_str(), key, value, file.c_str()))
        return false;
    Done(EffectKind::WriteIni, file, name);
    return true;
}

}  // namespace

bool EffectTerminateProcess(HANDLE process, const std::string& exeName)
{
    if (Previewed(EffectKind::EndProcess, std::string(), exeName))
        return true;
    if (!TerminateProcess(process, static_cast<UINT>(-1)))
        return false;
    Done(EffectKind::EndProcess, std::string(), exeName);
    return true;
}

bool EffectEmptyClipboard()
{
    if (Previewed(EffectKind::EmptyClipboard, std::string()))
        return true;
    if (!OpenClipboard(nullptr))
        return false;
    bool emptied = EmptyClipboard() != 0;
    CloseClipboard();
    if (emptied)
        Done(EffectKind::EmptyClipboard, std::string());
    return emptied;
}

bool EffectEmptyRecycleBin()
{
    TQueryRecycleBinA query = QueryRecycleBinCall();
    TEmptyRecycleBinA empty = EmptyRecycleBinCall();
    if (!empty)
        return false;
    SHQUERYRBINFO info = {};
    info.cbSize = sizeof info;
    uint64_t bytes = query && query(nullptr, &info) == S_OK ? static_cast<uint64_t>(info.i64Size) : 0;
    if (Previewed(EffectKind::EmptyRecycleBin, std::string(), std::string(), bytes))
        return true;
    if (FAILED(empty(nullptr, nullptr, SHERB_NOCONFIRMATION | SHERB_NOPROGRESSUI | SHERB_NOSOUND)))
        return false;
    Done(EffectKind::EmptyRecycleBin, std::string(), std::string(), bytes);
    return true;
}

DWORD EffectClearing(ClearingExport which)
{
    std::vector<std::string> trees = ClearedTrees(which);
    if (PreviewActive()) {
        for (const std::string& tree : trees)
            Previewed(EffectKind::ClearTree, tree);
        return 0;
    }
    DWORD result = 0;
    switch (which) {
    case ClearingExport::AutoCompleteForms: result = CleanAutoCompleteForms(); break;
    case ClearingExport::AutoCompletePWDs: result = CleanAutoCompletePWDs(); break;
    case ClearingExport::ComputerDocsHistory: result = CleanComputerDocsHistory(); break;
    case ClearingExport::UserAssistCache: result = CleanUserAssistCache(); break;
    }
    for (const std::string& tree : trees)
        Done(EffectKind::ClearTree, tree);
    return result;
}

bool EffectWriteProfileString(const std::string& file, const std::string& section, const std::string& key,
                              const std::string& value)
{
    return WriteProfile(file, section, key.c_str(), value.c_str());
}

bool EffectDeleteProfileKey(const std::string& file, const std::string& section, const std::string& key)
{
    return WriteProfile(file, section, key.c_str(), nullptr);
}

bool EffectDeleteProfileSection(const std::string& file, const std::string& section)
{
    return WriteProfile(file, section, nullptr, nullptr);
}
