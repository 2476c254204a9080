#include "primitives/EffectsRecord.h"
#include "primitives/WholeFiles.h"

bool EffectReplaceFileText(const std::string& path, const std::string& text)
{
    if (!EffectPathAllowed(path))
        return false;
    if (Previewed(EffectKind::WriteIni, path, std::string(), text.size()))
        return true;
    try {
        SaveFileReplacing(path, text);
    } catch (const std::exception&) {
        return false;
    }
    Done(EffectKind::WriteIni, path, std::string(), text.size());
    return true;
}

void EffectNoteKept(const std::string& path, const std::string& site)
{
    RecordEffect(Effect{EffectKind::Kept, path, site, 0});
}

bool EffectFilterStore(const std::string& path, const std::string& description, const std::function<bool()>& filter)
{
    if (!EffectPathAllowed(path))
        return false;
    if (Previewed(EffectKind::FilterStore, path, description))
        return true;
    if (!filter())
        return false;
    Done(EffectKind::FilterStore, path, description);
    return true;
}
