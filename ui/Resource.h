#pragma once
// Resource numbers of Hushmark.exe, shared by Hushmark.rc and the code.
#define IDI_PROGRAM 1
#define IDI_TRAY_NORMAL 101
#define IDI_TRAY_ALTERNATE 102
