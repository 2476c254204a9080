#pragma once
// The recycle bin calls of Shell32, bound at run time: Shell32 of Windows 95 and NT 4
// without the desktop update lacks them, and a static import would keep the programs
// from starting there.
#include <windows.h>

#include <shellapi.h>

#include <string>

typedef HRESULT(WINAPI* TQueryRecycleBinA)(LPCSTR, LPSHQUERYRBINFO);
typedef HRESULT(WINAPI* TEmptyRecycleBinA)(HWND, LPCSTR, DWORD);

// Null when this Shell32 lacks the call.
TQueryRecycleBinA QueryRecycleBinCall();
TEmptyRecycleBinA EmptyRecycleBinCall();

// The number of items in the recycle bin of "C:\" and the like; 0 when the call is
// missing or fails.
int64_t RecycleBinItems(const std::string& drive);
