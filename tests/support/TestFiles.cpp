#include "tests/support/TestFiles.h"

#include <cstdio>
#include <stdexcept>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

std::string MakeScratchFolder(const std::string& tag)
{
    static int counter = 0;
#ifdef _WIN32
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string folder = std::string(temp) + "hm-" + tag + "-" + std::to_string(GetCurrentProcessId()) + "-" +
                         std::to_string(++counter);
    CreateDirectoryA(folder.c_str(), nullptr);
#else
    std::string folder = "/tmp/hm-" + tag + "-" + std::to_string(getpid()) + "-" + std::to_string(++counter);
    mkdir(folder.c_str(), 0700);
#endif
    return folder + PathDelimiter;
}

void WriteTextFile(const std::string& path, const std::string& text)
{
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        throw std::runtime_error("cannot write " + path);
    std::fwrite(text.data(), 1, text.size(), file);
    std::fclose(file);
}

std::string ReadTextFile(const std::string& path)
{
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return "<missing>";
    std::string text;
    char buffer[4096];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        text.append(buffer, got);
    std::fclose(file);
    return text;
}
