#include "primitives/WholeFiles.h"

#include "primitives/Errors.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

std::string LastErrorText()
{
#ifdef _WIN32
    DWORD code = GetLastError();
    char buffer[512] = {};
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, buffer,
                                  sizeof buffer, nullptr);
    while (length > 0 && (buffer[length - 1] == '\n' || buffer[length - 1] == '\r' || buffer[length - 1] == ' '))
        buffer[--length] = 0;
    return length ? std::string(buffer) : Format("System error %lu", static_cast<unsigned long>(code));
#else
    return std::strerror(errno);
#endif
}

}  // namespace

#ifdef _WIN32

bool FileExists(const std::string& path)
{
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void ReadFileBlocks(const std::string& path, const std::function<void(std::string_view)>& take)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        throw Exception(Format("Cannot open file \"%s\". %s", path.c_str(), LastErrorText().c_str()));
    struct TClose {
        HANDLE File;
        ~TClose() { CloseHandle(File); }
    } close{file};
    std::vector<char> buffer(65536);
    DWORD got = 0;
    BOOL ok;
    while ((ok = ReadFile(file, buffer.data(), static_cast<DWORD>(buffer.size()), &got, nullptr)) && got > 0)
        take(std::string_view(buffer.data(), got));
    if (!ok)
        throw Exception(Format("Cannot open file \"%s\". %s", path.c_str(), LastErrorText().c_str()));
}

std::string LoadFileText(const std::string& path)
{
    std::string text;
    ReadFileBlocks(path, [&](std::string_view block) { text.append(block); });
    return text;
}

void SaveFileReplacing(const std::string& path, const std::string& text)
{
    std::string temporary = path + ".new";
    auto fail = [&](const std::string& reason) {
        DeleteFileA(temporary.c_str());
        throw Exception(Format("Cannot create file \"%s\". %s", path.c_str(), reason.c_str()));
    };
    HANDLE file = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        fail(LastErrorText());
    DWORD written = 0;
    BOOL ok = text.empty() || WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    ok = ok && (text.empty() || written == text.size()) && FlushFileBuffers(file);
    std::string reason = ok ? std::string() : LastErrorText();
    CloseHandle(file);
    if (!ok)
        fail(reason.empty() ? "The disk is full." : reason);
    // MoveFileEx is missing on the Windows 95 family; there the old file goes first.
    typedef BOOL(WINAPI * MoveFileExFn)(LPCSTR, LPCSTR, DWORD);
    auto moveFileEx = reinterpret_cast<MoveFileExFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "MoveFileExA")));
    if (moveFileEx && moveFileEx(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return;
    if (!moveFileEx || GetLastError() == ERROR_CALL_NOT_IMPLEMENTED) {
        DeleteFileA(path.c_str());
        if (MoveFileA(temporary.c_str(), path.c_str()))
            return;
    }
    fail(LastErrorText());
}

#else

bool FileExists(const std::string& path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::string LoadFileText(const std::string& path)
{
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        throw Exception(Format("Cannot open file \"%s\". %s", path.c_str(), LastErrorText().c_str()));
    std::string text;
    char buffer[65536];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        text.append(buffer, got);
    std::fclose(file);
    return text;
}

void SaveFileReplacing(const std::string& path, const std::string& text)
{
    std::string temporary = path + ".new";
    FILE* file = std::fopen(temporary.c_str(), "wb");
    bool ok = file && std::fwrite(text.data(), 1, text.size(), file) == text.size();
    ok = file && (std::fclose(file) == 0) && ok;
    if (!ok || std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::string reason = LastErrorText();
        std::remove(temporary.c_str());
        throw Exception(Format("Cannot create file \"%s\". %s", path.c_str(), reason.c_str()));
    }
}

#endif
