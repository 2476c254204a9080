#include "primitives/Effects.h"

#include "primitives/EffectsRecord.h"
#include "primitives/Registry.h"

namespace {

thread_local TPreviewScope* CurrentPreview = nullptr;
thread_local TEffectLog* CurrentLog = nullptr;

bool AllDotsAndBlanks(const std::string& part)
{
    return part.find_first_not_of(". ") == std::string::npos;
}

}  // namespace

const char* EffectKindName(EffectKind kind)
{
    switch (kind) {
    case EffectKind::DeleteFile: return "delete-file";
    case EffectKind::RemoveFolder: return "remove-folder";
    case EffectKind::TruncateFile: return "truncate-file";
    case EffectKind::DeleteOnReboot: return "delete-on-reboot";
    case EffectKind::DeleteKey: return "delete-key";
    case EffectKind::DeleteValue: return "delete-value";
    case EffectKind::ResetValue: return "reset-value";
    case EffectKind::WriteValue: return "write-value";
    case EffectKind::EndProcess: return "end-process";
    case EffectKind::ClearTree: return "clear-tree";
    case EffectKind::WriteIni: return "write-ini";
    case EffectKind::EmptyClipboard: return "empty-clipboard";
    case EffectKind::EmptyRecycleBin: return "empty-recycle-bin";
    case EffectKind::Kept: return "kept";
    case EffectKind::FilterStore: return "filter-store";
    }
    return "unknown";
}

EffectTotals TotalEffects(const std::vector<Effect>& effects)
{
    EffectTotals totals;
    for (const Effect& effect : effects) {
        ++totals.ByKind[static_cast<int>(effect.Kind)];
        totals.Bytes += effect.Bytes;
        switch (effect.Kind) {
        case EffectKind::DeleteFile:
        case EffectKind::TruncateFile:
        case EffectKind::DeleteOnReboot: ++totals.Files; break;
        case EffectKind::RemoveFolder: ++totals.Folders; break;
        case EffectKind::DeleteKey:
        case EffectKind::ClearTree: ++totals.Keys; break;
        case EffectKind::DeleteValue:
        case EffectKind::ResetValue:
        case EffectKind::WriteValue: ++totals.Values; break;
        case EffectKind::EndProcess: ++totals.Processes; break;
        case EffectKind::Kept: break;
        default: ++totals.Other; break;
        }
    }
    return totals;
}

TPreviewScope::TPreviewScope() : Outer(CurrentPreview)
{
    CurrentPreview = this;
}

TPreviewScope::~TPreviewScope()
{
    CurrentPreview = Outer;
    if (Outer)
        Outer->Recorded.insert(Outer->Recorded.end(), Recorded.begin(), Recorded.end());
}

TEffectLog::TEffectLog() : Outer(CurrentLog)
{
    CurrentLog = this;
}

TEffectLog::~TEffectLog()
{
    CurrentLog = Outer;
    if (Outer)
        Outer->Recorded.insert(Outer->Recorded.end(), Recorded.begin(), Recorded.end());
}

bool PreviewActive()
{
    return CurrentPreview != nullptr;
}

void RecordEffect(const Effect& effect)
{
    if (CurrentPreview)
        CurrentPreview->Recorded.push_back(effect);
    else if (CurrentLog)
        CurrentLog->Recorded.push_back(effect);
}

bool Previewed(EffectKind kind, const std::string& path, const std::string& name, uint64_t bytes)
{
    if (!CurrentPreview)
        return false;
    RecordEffect(Effect{kind, path, name, bytes});
    return true;
}

void Done(EffectKind kind, const std::string& path, const std::string& name, uint64_t bytes)
{
    if (!CurrentPreview)
        RecordEffect(Effect{kind, path, name, bytes});
}

// "C:\x" or "\\server\share\x": at least one part below a drive root or a share. Parts
// made only of dots and blanks are refused outright, since Windows folds ".. " into
// ".." and "C:\." into the root.
bool EffectPathAllowed(const std::string& raw)
{
    std::string path = raw;
    for (char& c : path)
        if (c == '/')
            c = '\\';
    size_t start;
    int needed;
    bool letter = path.size() >= 3 && ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
    if (letter && path[1] == ':' && path[2] == '\\') {
        start = 3;
        needed = 1;
    } else if (path.size() > 2 && path[0] == '\\' && path[1] == '\\' && path[2] != '?' && path[2] != '.') {
        start = 2;
        needed = 3;
    } else {
        return false;
    }
    int parts = 0;
    while (start < path.size()) {
        size_t end = path.find('\\', start);
        if (end == std::string::npos)
            end = path.size();
        std::string part = path.substr(start, end - start);
        if (!part.empty()) {
            if (AllDotsAndBlanks(part))
                return false;
            ++parts;
        }
        start = end + 1;
    }
    return parts >= needed;
}

bool EffectKeyDeletionAllowed(HKEY root, const std::string& subkey)
{
    if (HiveName(root).empty())
        return false;
    int parts = 0;
    size_t start = 0;
    while (start <= subkey.size()) {
        size_t end = subkey.find('\\', start);
        if (end == std::string::npos)
            end = subkey.size();
        if (end > start)
            ++parts;
        start = end + 1;
    }
    return parts >= 2;
}
