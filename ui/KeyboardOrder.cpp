#include "ui/Keyboard.h"

namespace {

int Rank(int code)
{
    switch (code) {
    case 18: return 0;  // Alt
    case 17: return 1;  // Ctrl
    case 16: return 2;  // Shift
    default: return 3;
    }
}

}  // namespace

bool KeyCodeBefore(int a, int b)
{
    return Rank(a) < Rank(b);
}

void SortHotKeyCodes(std::vector<int>& codes)
{
    for (size_t i = 1; i < codes.size(); ++i) {
        const int code = codes[i];
        size_t j = i;
        for (; j > 0 && KeyCodeBefore(code, codes[j - 1]); --j)
            codes[j] = codes[j - 1];
        codes[j] = code;
    }
}

std::string HotKeyText(const std::vector<int>& codes, const std::function<std::string(int)>& keyName)
{
    std::string text;
    for (int code : codes) {
        if (!text.empty())
            text += " + ";
        text += keyName(code);
    }
    return text;
}

bool CaptureHotKeys(const std::function<int(int)>& firstKeyDown, const std::function<void(int)>& addHotKey)
{
    int code = firstKeyDown(0);
    // A mouse button still held from the click on the box captures nothing.
    if (code == -1 || code == 1 || code == 2 || code == 4)
        return false;
    while (code != -1) {
        addHotKey(code);
        if (code >= 255)
            break;
        code = firstKeyDown(code + 1);
    }
    return true;
}
