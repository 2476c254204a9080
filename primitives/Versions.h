#pragma once
// Windows versions and version resources of files.
#include <windows.h>

#include <cstdint>
#include <string>

// 0 not recognised; 1 Windows 95, 2 95 OSR2, 3 98, 4 98 SE, 5 ME (the 95 family);
// 6 NT 3.1, 7 NT 3.5, 8 NT 3.51, 9 NT 4.0, 10 2000, 11 XP, 12 Server 2003;
// 13 Vista and every later NT (7, 8, 10, 11 and their servers).
uint8_t GetWindowsVersion();
const uint8_t WindowsVistaOrLater = 13;
// The table of 95 to 2003 from a version record and, for the 95 family, kernel32's
// product version high word pair (major in the upper 16 bits); 0 beyond it.
uint8_t WindowsVersionOf(const OSVERSIONINFOA& info, uint32_t kernelProductVersionMS);
// The same, with NT 6 and later answered as WindowsVistaOrLater, so that the NT
// family's "newer than" branches hold there too.
uint8_t WindowsVersionOrLaterOf(const OSVERSIONINFOA& info, uint32_t kernelProductVersionMS);
// The NT family by its platform id, whatever GetWindowsVersion makes of the numbers.
bool IsWindowsNT();
// This 32-bit program runs on a 64-bit Windows, where the registry and System32 have
// a 32-bit view apart from the 64-bit one.
bool IsWow64();

// The first eleven words of a version resource's fixed-information block.
struct TFixedFileInfo {
    uint32_t Signature = 0;
    uint32_t StrucVersion = 0;
    uint32_t FileVersionMS = 0;
    uint32_t FileVersionLS = 0;
    uint32_t ProductVersionMS = 0;
    uint32_t ProductVersionLS = 0;
    uint32_t FileFlagsMask = 0;
    uint32_t FileFlags = 0;
    uint32_t FileOS = 0;
    uint32_t FileType = 0;
    uint32_t FileSubtype = 0;
};

// Leaves the record as it was when the file has no readable version resource.
void ReadFixedFileInfo(const std::string& path, TFixedFileInfo& info);
// 0 for a missing file or one without a version resource.
uint16_t GetFileMajorVersion(const std::string& path);
