#include "clearing/Clearing.h"

// Placeholders until the cleanings land.
DWORD __stdcall CleanAutoCompleteForms() { return 0; }
DWORD __stdcall CleanAutoCompletePWDs() { return 0; }
DWORD __stdcall CleanComputerDocsHistory() { return 0; }
DWORD __stdcall CleanUserAssistCache() { return 0; }
