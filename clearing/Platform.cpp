#include "clearing/Platform.h"
#include <windows.h>

namespace Clearing {

bool IsNtPlatform()
{
    // Windows 95 and NT 4 before SP6 refuse the extended record; the basic one
    // answers the platform question just as well.
    OSVERSIONINFOEXA extended = {};
    extended.dwOSVersionInfoSize = sizeof extended;
    if (GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&extended)))
        return extended.dwPlatformId == VER_PLATFORM_WIN32_NT;
    OSVERSIONINFOA basic = {};
    basic.dwOSVersionInfoSize = sizeof basic;
    if (GetVersionExA(&basic))
        return basic.dwPlatformId == VER_PLATFORM_WIN32_NT;
    return false;
}

} // namespace Clearing
