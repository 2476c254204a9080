#pragma once
// clearing.dll: four cleanings of registry trees whose security may deny the user.
// Each takes no arguments and returns a 32-bit value that callers discard.
#include <windows.h>

#ifdef CLEARING_BUILD
#define CLEARING_API extern "C" __declspec(dllexport)
#else
#define CLEARING_API extern "C" __declspec(dllimport)
#endif

CLEARING_API DWORD __stdcall CleanAutoCompleteForms();
CLEARING_API DWORD __stdcall CleanAutoCompletePWDs();
CLEARING_API DWORD __stdcall CleanComputerDocsHistory();
CLEARING_API DWORD __stdcall CleanUserAssistCache();
