#include "primitives/RecycleBin.h"

namespace {

FARPROC ShellCall(const char* name)
{
    HMODULE shell = GetModuleHandleA("shell32.dll");
    if (!shell)
        shell = LoadLibraryA("shell32.dll");
    return shell ? GetProcAddress(shell, name) : nullptr;
}

}  // namespace

TQueryRecycleBinA QueryRecycleBinCall()
{
    return reinterpret_cast<TQueryRecycleBinA>(reinterpret_cast<void*>(ShellCall("SHQueryRecycleBinA")));
}

TEmptyRecycleBinA EmptyRecycleBinCall()
{
    return reinterpret_cast<TEmptyRecycleBinA>(reinterpret_cast<void*>(ShellCall("SHEmptyRecycleBinA")));
}

int64_t RecycleBinItems(const std::string& drive)
{
    TQueryRecycleBinA query = QueryRecycleBinCall();
    if (!query)
        return 0;
    SHQUERYRBINFO info = {};
    info.cbSize = sizeof info;
    return query(drive.c_str(), &info) == S_OK ? static_cast<int64_t>(info.i64NumItems) : 0;
}
