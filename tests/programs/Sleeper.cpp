// A program that only waits, to be found and ended by name. Given a file, it first
// holds it open without sharing, and says so by creating "<file>.held".
#include <windows.h>

#include <string>

int main(int argc, char** argv)
{
    if (argc > 1) {
        HANDLE file = INVALID_HANDLE_VALUE;
        // The test may be probing the file at the same moment: try again.
        for (int attempt = 0; attempt < 200 && file == INVALID_HANDLE_VALUE; ++attempt) {
            file = CreateFileA(argv[1], GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
            if (file == INVALID_HANDLE_VALUE)
                Sleep(50);
        }
        if (file == INVALID_HANDLE_VALUE)
            return 2;
        HANDLE marker = CreateFileA((std::string(argv[1]) + ".held").c_str(), GENERIC_WRITE, 0, nullptr,
                                    CREATE_ALWAYS, 0, nullptr);
        CloseHandle(marker);
    }
    Sleep(120000);
    return 0;
}
