// Runs one primitive in a process of its own, so that a test can start it under
// another Windows version (Wine's per-program "Version" setting).
//   hm-probe version             exit code: GetWindowsVersion()
//   hm-probe reboot FILE...      DeleteOnReboot for each file
//   hm-probe deletefolder FOLDER exit code: 1 when DeleteFolder succeeded
//   hm-probe attributes PATH     exit code: the path's attributes
#include "primitives/Files.h"
#include "primitives/Versions.h"

#include <windows.h>

#include <cstring>

int main(int argc, char** argv)
{
    if (argc >= 2 && std::strcmp(argv[1], "version") == 0)
        return GetWindowsVersion();
    if (argc >= 2 && std::strcmp(argv[1], "reboot") == 0) {
        for (int i = 2; i < argc; ++i)
            DeleteOnReboot(argv[i]);
        return 0;
    }
    if (argc == 3 && std::strcmp(argv[1], "deletefolder") == 0)
        return DeleteFolder(argv[2]) ? 1 : 0;
    if (argc == 3 && std::strcmp(argv[1], "attributes") == 0)
        return static_cast<int>(GetFileAttributesA(argv[2]));
    return 255;
}
