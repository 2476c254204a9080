// What a real run could not do, and why.
#include "primitives/Effects.h"

#include "primitives/EffectsRecord.h"
#include "primitives/Errors.h"
#include "primitives/FileHolders.h"
#include "primitives/Files.h"

#include <algorithm>

namespace {

thread_local TLeftLog* CurrentLeft = nullptr;

// Each lookup starts a Restart Manager session; a cache of thousands of held files
// names the holder of the first ones and says "in use" for the rest.
const int MaxHolderLookups = 64;

}  // namespace

TLeftLog::TLeftLog() : Outer(CurrentLeft)
{
    CurrentLeft = this;
}

TLeftLog::~TLeftLog()
{
    CurrentLeft = Outer;
    if (Outer)
        for (TLeftItem& item : Recorded)
            RecordLeft(std::move(item));
}

std::string LeftReasonText(const TLeftItem& item)
{
    switch (item.Reason) {
    case LeftReason::InUse: return item.Program.empty() ? "in use" : "in use by " + item.Program;
    case LeftReason::AccessDenied: return "access denied";
    case LeftReason::ReadOnly: return "read-only and kept";
    case LeftReason::Refused: return "refused by the safety rules";
    case LeftReason::RestartPending: return "waiting for the next restart";
    case LeftReason::StillThere: return "still there after solving";
    case LeftReason::Failed: break;
    }
    std::string text = SystemErrorText(item.Error);
    if (!text.empty() && text.back() == '.')
        text.pop_back();
    return text.empty() ? Format("failed (error %lu)", static_cast<unsigned long>(item.Error)) : "failed: " + text;
}

void RecordLeft(TLeftItem item)
{
    TLeftLog* log = CurrentLeft;
    if (!log || PreviewActive())
        return;
    std::vector<TLeftItem>& items = log->Recorded;
    if (item.Reason == LeftReason::RestartPending)
        items.erase(std::remove_if(items.begin(), items.end(),
                                   [&](const TLeftItem& each) { return each.Path == item.Path && each.Name == item.Name; }),
                    items.end());
    if (item.Reason == LeftReason::InUse && item.Program.empty() && log->HolderLookups < MaxHolderLookups) {
        ++log->HolderLookups;
        item.Program = ProgramHoldingFile(item.Path);
    }
    items.push_back(std::move(item));
}

void Left(EffectKind kind, const std::string& path, const std::string& name, LeftReason reason)
{
    RecordLeft(TLeftItem{kind, path, name, reason, std::string(), 0});
}

void LeftAfterError(EffectKind kind, const std::string& path, const std::string& name, DWORD error)
{
    LeftReason reason;
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
        return;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_USER_MAPPED_FILE: reason = LeftReason::InUse; break;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT: reason = LeftReason::AccessDenied; break;
    default: reason = LeftReason::Failed; break;
    }
    RecordLeft(TLeftItem{kind, path, name, reason, std::string(), error});
}

void LeftRefusedPath(EffectKind kind, const std::string& path)
{
    if (!CurrentLeft || path.empty() || GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES)
        return;
    Left(kind, path, std::string(), LeftReason::Refused);
}

void EffectNoteRefused(EffectKind kind, const std::string& path)
{
    Left(kind, path, std::string(), LeftReason::Refused);
}
