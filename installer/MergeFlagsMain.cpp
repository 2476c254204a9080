// Run by the setup program during an upgrade: hm-merge-flags OLD-INFO.INI NEW-INFO.INI.
// A window-less program, so that no console flashes up; the exit code is the answer
// (0 merged, 1 a file could not be read or saved, 2 wrong arguments).
#include "installer/FlagMerge.h"

#include <exception>
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    if (__argc != 3)
        return 2;
    try {
        const TIniFile32 old(__argv[1]);
        TIniFile32 fresh(__argv[2]);
        MergeIssueFlags(old, fresh);
        return 0;
    } catch (const std::exception&) {
        return 1;
    }
}
