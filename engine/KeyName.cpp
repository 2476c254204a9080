#include "engine/KeyName.h"

#include <windows.h>

std::string KeyName(int code)
{
    switch (code) {
    case 1: return "LBUTTON";
    case 2: return "RBUTTON";
    case 4: return "MBUTTON";
    }
    UINT scanCode = MapVirtualKeyA(static_cast<UINT>(code), 0);
    char name[32] = {};
    int length = GetKeyNameTextA(static_cast<LONG>(scanCode << 16), name, sizeof name);
    return length > 0 ? std::string(name, static_cast<size_t>(length)) : std::string();
}
