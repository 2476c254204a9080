#pragma once
// Everything a catalogue issue builds its Check and Solve from.
#include "primitives/Drives.h"
#include "primitives/Effects.h"
#include "primitives/Errors.h"
#include "primitives/Files.h"
#include "primitives/MatchesMask.h"
#include "primitives/Processes.h"
#include "primitives/Registry.h"
#include "primitives/SpecialFolders.h"
#include "primitives/Text.h"
#include "primitives/Versions.h"
