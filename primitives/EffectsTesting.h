#pragma once
// For tests only. Wine cannot make junctions or symbolic links (and shows a Unix link
// as a plain folder), so tests mark a folder as a link through this filter, which sees
// the attributes of every entry that tree removal and the file searches meet.
#include <windows.h>

#include <string>

using TAttributeFilter = DWORD (*)(const std::string& path, DWORD attributes);
void SetTreeAttributeFilter(TAttributeFilter filter);
