#include "ui/Keyboard.h"

#include <windows.h>

bool IsKeyDown(int code)
{
    return GetAsyncKeyState(code) != 0;
}

bool IsCharKeyDown(char character)
{
    const SHORT key = VkKeyScanA(character);
    if (key == -1)
        return false;
    return (GetAsyncKeyState(key & 0xFF) & 0x8000) != 0;
}

int FirstKeyDown(int start)
{
    BYTE state[256];
    if (start < 0 || !GetKeyboardState(state))
        return -1;
    for (int code = start; code < 256; ++code)
        if (state[code] & 0x80)
            return code;
    return -1;
}
