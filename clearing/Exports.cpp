#include "clearing/Clearing.h"
#include "clearing/FormData.h"
#include "clearing/KeyTree.h"
#include "clearing/Platform.h"

using namespace Clearing;

namespace {

const char IntelliFormsKey[] = "Software\\Microsoft\\Internet Explorer\\IntelliForms";
const char RecentDocsKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RecentDocs";
const char UserAssistKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\UserAssist";

// Nothing may leave the library but the result, which callers discard.
template <typename Work>
DWORD Guarded(Work work)
{
    try {
        work();
    } catch (...) {
    }
    return 0;
}

} // namespace

DWORD __stdcall CleanAutoCompleteForms()
{
    return Guarded([] {
        if (IsNtPlatform())
            ClearUserFormData();
        ClearMachineFormData();
    });
}

DWORD __stdcall CleanAutoCompletePWDs()
{
    return Guarded([] { UnlockAndClearKey(HKEY_CURRENT_USER, IntelliFormsKey, DeleteKeyTree); });
}

DWORD __stdcall CleanComputerDocsHistory()
{
    return Guarded([] { UnlockAndClearKey(HKEY_CURRENT_USER, RecentDocsKey, DeleteSubKeys); });
}

DWORD __stdcall CleanUserAssistCache()
{
    return Guarded([] { UnlockAndClearKey(HKEY_CURRENT_USER, UserAssistKey, DeleteSubKeys); });
}
