#include "primitives/Versions.h"

#include <cstring>
#include <vector>

#include "primitives/Text.h"

namespace {

uint32_t KernelProductVersionMS()
{
    char path[MAX_PATH] = {};
    if (!GetModuleFileNameA(GetModuleHandleA("kernel32.dll"), path, sizeof path))
        return 0;
    TFixedFileInfo info;
    ReadFixedFileInfo(path, info);
    return info.ProductVersionMS;
}

bool ReadVersionRecord(OSVERSIONINFOA& info)
{
    std::memset(&info, 0, sizeof info);
    info.dwOSVersionInfoSize = sizeof info;
    return GetVersionExA(&info) != 0;
}

}  // namespace

uint8_t WindowsVersionOf(const OSVERSIONINFOA& info, uint32_t kernelProductVersionMS)
{
    DWORD major = info.dwMajorVersion, minor = info.dwMinorVersion;
    std::string servicePack = Trim(std::string(info.szCSDVersion, strnlen(info.szCSDVersion, sizeof info.szCSDVersion)));
    if (info.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS) {
        if (minor <= 9)
            return servicePack == "B" || servicePack == "C" ? 2 : 1;
        if (minor <= 89) {
            if (kernelProductVersionMS == ((4u << 16) | 90u))
                return 5;
            return servicePack == "A" ? 4 : 3;
        }
        return minor == 90 ? 5 : 0;
    }
    if (info.dwPlatformId == VER_PLATFORM_WIN32_NT) {
        if (major == 3)
            return minor == 1 ? 6 : minor == 5 ? 7 : minor == 51 ? 8 : 0;
        if (major == 4)
            return 9;
        if (major == 5)
            return minor == 0 ? 10 : minor == 1 ? 11 : minor == 2 ? 12 : 0;
    }
    return 0;
}

uint8_t WindowsVersionOrLaterOf(const OSVERSIONINFOA& info, uint32_t kernelProductVersionMS)
{
    uint8_t version = WindowsVersionOf(info, kernelProductVersionMS);
    if (version == 0 && info.dwPlatformId == VER_PLATFORM_WIN32_NT && info.dwMajorVersion >= 6)
        return WindowsVistaOrLater;
    return version;
}

uint8_t GetWindowsVersion()
{
    OSVERSIONINFOA info;
    if (!ReadVersionRecord(info))
        return 0;
    // kernel32's version resource tells Windows ME from 98 where the record does not;
    // it is read once, and only on the 95 family.
    static const uint32_t kernelVersion =
        info.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS ? KernelProductVersionMS() : 0;
    return WindowsVersionOrLaterOf(info, kernelVersion);
}

bool IsWindowsNT()
{
    OSVERSIONINFOA info;
    return ReadVersionRecord(info) && info.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

bool IsWow64()
{
    // Missing before XP SP2; a system without it has no 64-bit view.
    using TIsWow64Process = BOOL(WINAPI*)(HANDLE, PBOOL);
    static const bool wow64 = [] {
        auto query = reinterpret_cast<TIsWow64Process>(
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "IsWow64Process")));
        BOOL answer = FALSE;
        return query && query(GetCurrentProcess(), &answer) && answer;
    }();
    return wow64;
}

void ReadFixedFileInfo(const std::string& path, TFixedFileInfo& info)
{
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
    if (size == 0)
        return;
    std::vector<char> data(size);
    if (!GetFileVersionInfoA(path.c_str(), 0, size, data.data()))
        return;
    void* block = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(data.data(), "\\", &block, &length) || !block || length < sizeof info)
        return;
    std::memcpy(&info, block, sizeof info);
}

uint16_t GetFileMajorVersion(const std::string& path)
{
    TFixedFileInfo info;
    ReadFixedFileInfo(path, info);
    return static_cast<uint16_t>(info.FileVersionMS >> 16);
}
