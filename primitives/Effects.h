#pragma once
// The one choke point for everything that changes the machine. Nothing else in the
// program deletes files or folders, truncates, schedules deletions, writes or deletes
// registry values and keys, ends processes, writes the catalogue's INI files, empties
// the clipboard or the recycle bin, or calls clearing.dll.
//
// The layer refuses (does nothing, answers false) paths that are empty, relative,
// "C:x", "\x", a bare drive or a drive root, and the deletion of a hive or of a key
// directly under a hive root. It never descends into a junction or symbolic link while
// removing a tree. While a TPreviewScope lives on the calling thread it records each
// effect instead of doing it and answers success, so callers walk exactly as in a real
// run; a TEffectLog records what was really done.
#include <windows.h>

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

enum class EffectKind {
    DeleteFile,
    RemoveFolder,
    TruncateFile,
    DeleteOnReboot,
    DeleteKey,
    DeleteValue,
    ResetValue,
    WriteValue,
    EndProcess,
    ClearTree,
    WriteIni,
    EmptyClipboard,
    EmptyRecycleBin,
    Kept,        // not an effect: a store left (whole or in part) for a kept site
    FilterStore, // rows of a database deleted in place
};
const int EffectKindCount = 15;

// "delete-file", "remove-folder", ... as reports and the console front end print them.
const char* EffectKindName(EffectKind kind);

struct Effect {
    EffectKind Kind;
    std::string Path;  // file or folder, or registry key "HKEY_CURRENT_USER\..."
    std::string Name;  // value name, INI "section\key", process name, or kept site
    uint64_t Bytes = 0;
};

struct EffectTotals {
    uint64_t Files = 0;      // deleted, truncated or scheduled for deletion
    uint64_t Folders = 0;
    uint64_t Bytes = 0;
    uint64_t Keys = 0;       // deleted keys and cleared key trees
    uint64_t Values = 0;     // deleted, reset or written values
    uint64_t Processes = 0;
    uint64_t Other = 0;      // INI writes, clipboard, recycle bin
    std::array<uint64_t, EffectKindCount> ByKind{};
};
EffectTotals TotalEffects(const std::vector<Effect>& effects);

// While alive on this thread: effects are recorded, not done, and report success.
// Scopes nest; an inner scope hands its record to the outer one when it ends.
class TPreviewScope {
public:
    TPreviewScope();
    ~TPreviewScope();
    TPreviewScope(const TPreviewScope&) = delete;
    TPreviewScope& operator=(const TPreviewScope&) = delete;
    const std::vector<Effect>& Effects() const { return Recorded; }
    EffectTotals Totals() const { return TotalEffects(Recorded); }

private:
    friend void RecordEffect(const Effect& effect);
    std::vector<Effect> Recorded;
    TPreviewScope* Outer;
};

// While alive on this thread: every effect really done (not refused, not failed) is
// recorded. Logs nest like preview scopes.
class TEffectLog {
public:
    TEffectLog();
    ~TEffectLog();
    TEffectLog(const TEffectLog&) = delete;
    TEffectLog& operator=(const TEffectLog&) = delete;
    const std::vector<Effect>& Effects() const { return Recorded; }
    EffectTotals Totals() const { return TotalEffects(Recorded); }

private:
    friend void RecordEffect(const Effect& effect);
    std::vector<Effect> Recorded;
    TEffectLog* Outer;
};

// Why something a real run tried to remove or change is still there.
enum class LeftReason {
    InUse,           // another program holds it open
    AccessDenied,
    ReadOnly,        // read-only, and the caller keeps read-only files
    Refused,         // the refusal rules above
    RestartPending,  // deleted when Windows next starts
    Failed,          // any other error; Error tells which
    StillThere,      // no error seen, but a second look still finds it
};

struct TLeftItem {
    EffectKind Kind;
    std::string Path;  // as in Effect
    std::string Name;
    LeftReason Reason;
    std::string Program;  // holder of an in-use file, where Windows can tell
    DWORD Error = 0;
};

// "in use by firefox.exe", "access denied", ... in plain words for the user.
std::string LeftReasonText(const TLeftItem& item);

// While alive on this thread: what a real run could not do, and deletions that wait
// for the next restart. Nothing is recorded while previewing. Logs nest.
class TLeftLog {
public:
    TLeftLog();
    ~TLeftLog();
    TLeftLog(const TLeftLog&) = delete;
    TLeftLog& operator=(const TLeftLog&) = delete;
    const std::vector<TLeftItem>& Items() const { return Recorded; }

private:
    friend void RecordLeft(TLeftItem item);
    std::vector<TLeftItem> Recorded;
    TLeftLog* Outer;
    int HolderLookups = 0;
};

bool PreviewActive();

// The refusal rules, for callers that must tell a refusal from a failure.
bool EffectPathAllowed(const std::string& path);
bool EffectKeyDeletionAllowed(HKEY root, const std::string& subkey);

// Files and folders. knownBytes < 0: the layer reads the size itself.
bool EffectDeleteFile(const std::string& path, bool clearAttributes = false, int64_t knownBytes = -1);
// Removes the folder with its whole content, listing each folder before deleting in it;
// a link is removed as a link. True when the folder is gone.
bool EffectRemoveTree(const std::string& folder);
// Removes a folder only when nothing is in it (in a preview the caller's word that it
// would be empty counts); never a link.
bool EffectRemoveEmptyFolder(const std::string& folder);
// Whether a search may go down into the entry with these attributes: a folder, and not
// a junction or symbolic link, which leads out of the folder searched.
bool IsFolderToEnter(const std::string& path, DWORD attributes);
// Sets the size of a file nobody holds open to 0.
bool EffectTruncateFile(const std::string& path);
// NT family: the system deletes the file at its next start. 95 family: one
// "NUL=<short path>" line per file in the [rename] section of WININIT.INI.
bool EffectDeleteOnReboot(const std::string& path);

// Registry, by root and subkey path. The key of a value must exist: nothing is created.
// A view (KEY_WOW64_64KEY) deletes in that registry view of a 64-bit Windows; 0, the
// program's own view, is all that a 32-bit Windows is ever asked.
bool EffectDeleteRegKey(HKEY root, const std::string& subkey, REGSAM view = 0);  // one key without subkeys
bool EffectDeleteRegValue(HKEY root, const std::string& subkey, const std::string& name, REGSAM view = 0);
// Deletes every value of the key; true when each went. A key that cannot be opened is
// recorded as one key left, with the reason.
bool EffectClearRegValues(HKEY root, const std::string& subkey, REGSAM view = 0);
bool EffectResetRegString(HKEY root, const std::string& subkey, const std::string& name, const std::string& text);
bool EffectWriteRegString(HKEY root, const std::string& subkey, const std::string& name, const std::string& text);
bool EffectWriteRegInteger(HKEY root, const std::string& subkey, const std::string& name, int32_t value);

// Ends a process opened with the terminate right, with exit code -1.
bool EffectTerminateProcess(HANDLE process, const std::string& exeName);

bool EffectEmptyClipboard();
bool EffectEmptyRecycleBin();

enum class ClearingExport { AutoCompleteForms, AutoCompletePWDs, ComputerDocsHistory, UserAssistCache };
// Calls the clearing.dll export; its result carries no meaning.
DWORD EffectClearing(ClearingExport which);

// Profile strings of the catalogue's INI files (never the program's own options.ini).
bool EffectWriteProfileString(const std::string& file, const std::string& section, const std::string& key,
                              const std::string& value);
bool EffectDeleteProfileKey(const std::string& file, const std::string& section, const std::string& key);
bool EffectDeleteProfileSection(const std::string& file, const std::string& section);

// Notes in the preview and the log that a cookie store stays, whole or in part, for
// the site; changes nothing.
void EffectNoteKept(const std::string& path, const std::string& site);

// Notes that a target stays because the safety rules keep the caller out of it (a link
// a walk does not enter); changes nothing, and notes nothing while previewing.
void EffectNoteRefused(EffectKind kind, const std::string& path);

// Runs the filter on a store in place (deleting some of its records) unless
// previewing; recorded under the store's path with the filter's description.
bool EffectFilterStore(const std::string& path, const std::string& description, const std::function<bool()>& filter);

// Writes a program's settings file anew (the whole text, replacing the file in one
// step); recorded as an INI write.
bool EffectReplaceFileText(const std::string& path, const std::string& text);
