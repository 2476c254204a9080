#include "primitives/Drives.h"

#include "primitives/Errors.h"

#include <windows.h>

std::string GetDriveRoot(int index)
{
    if (index < 0 || index > 25)
        throw Exception(Format("%d is not a valid drive", index));
    return std::string(1, static_cast<char>('A' + index)) + ":\\";
}

std::string GetDriveTypeText(char letter)
{
    if (!((letter >= 'A' && letter <= 'Z') || (letter >= 'a' && letter <= 'z')))
        throw Exception(Format("%c is not a valid drive", letter));
    switch (GetDriveTypeA((std::string(1, letter) + ":\\").c_str())) {
    case DRIVE_REMOVABLE: return "Removable Drive";
    case DRIVE_FIXED: return "Hard Disk";
    case DRIVE_REMOTE: return "Remote Drive";
    case DRIVE_CDROM: return "CD-ROM";
    case DRIVE_RAMDISK: return "RAM-Disk";
    default: return "Unknown drive type";
    }
}
