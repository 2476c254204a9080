#pragma once
// Inside the effects layer only: where each effect reports itself.
#include "primitives/Effects.h"

// Records into the innermost preview scope, or when none is alive into the innermost
// effect log. Call it before doing an effect in preview, after doing it otherwise.
void RecordEffect(const Effect& effect);

// Records the effect when previewing (and answers true); otherwise answers false and
// the caller does the effect itself.
bool Previewed(EffectKind kind, const std::string& path, const std::string& name = std::string(),
               uint64_t bytes = 0);
void Done(EffectKind kind, const std::string& path, const std::string& name = std::string(), uint64_t bytes = 0);

// Records into the innermost left log, unless previewing. A restart-pending deletion
// replaces an earlier failure on the same path: the fallback worked.
void RecordLeft(TLeftItem item);
void Left(EffectKind kind, const std::string& path, const std::string& name, LeftReason reason);
// After a failed call: the reason from the error code; a target already gone is no
// failure and records nothing.
void LeftAfterError(EffectKind kind, const std::string& path, const std::string& name, DWORD error);
// A refused target that exists (an empty base that names nothing is not worth a line).
void LeftRefusedPath(EffectKind kind, const std::string& path);
