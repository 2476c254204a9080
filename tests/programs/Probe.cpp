// Runs one primitive in a process of its own, so that a test can start it under
// another Windows version (Wine's per-program "Version" setting).
//   hm-probe version             exit code: GetWindowsVersion()
//   hm-probe reboot FILE...      DeleteOnReboot for each file
//   hm-probe deletefolder FOLDER exit code: 1 when DeleteFolder succeeded
//   hm-probe attributes PATH     exit code: the path's attributes
//   hm-probe timedelete FOLDER   DeleteFolder, printing the milliseconds it took
//   hm-probe timenaive FOLDER    the same tree deleted while it is being enumerated,
//                                for comparison in the benchmark
#include "primitives/Files.h"
#include "primitives/Versions.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

bool DeleteWhileEnumerating(const std::string& folder)
{
    WIN32_FIND_DATAA data;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &data);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::string name = data.cFileName;
            if (name == "." || name == "..")
                continue;
            std::string path = folder + "\\" + name;
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                DeleteWhileEnumerating(path);
            else
                DeleteFileA(path.c_str());
        } while (FindNextFileA(search, &data));
        FindClose(search);
    }
    return RemoveDirectoryA(folder.c_str()) != 0;
}

double Milliseconds(LARGE_INTEGER start)
{
    LARGE_INTEGER end, frequency;
    QueryPerformanceCounter(&end);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

}  // namespace

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
    if (argc == 3 && (std::strcmp(argv[1], "timedelete") == 0 || std::strcmp(argv[1], "timenaive") == 0)) {
        LARGE_INTEGER start;
        QueryPerformanceCounter(&start);
        bool removed = std::strcmp(argv[1], "timedelete") == 0 ? DeleteFolder(argv[2]) : DeleteWhileEnumerating(argv[2]);
        std::printf("%.1f\n", Milliseconds(start));
        return removed ? 1 : 0;
    }
    if (argc == 3 && std::strcmp(argv[1], "attributes") == 0)
        return static_cast<int>(GetFileAttributesA(argv[2]));
    return 255;
}
