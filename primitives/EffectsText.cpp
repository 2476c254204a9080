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
