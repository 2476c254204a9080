#pragma once
// The keyboard as the hot keys see it: the system-wide key state, polled rather than
// registered, and the order in which a combination is shown.
#include <functional>
#include <string>
#include <vector>

#ifdef _WIN32
// Down now, or pressed since the previous query of that key.
bool IsKeyDown(int code);
// The key that types the character is down now.
bool IsCharKeyDown(char character);
// The lowest code from start to 255 held down in this thread's keyboard state; -1 when
// none is, or the state cannot be read. start must not be negative.
int FirstKeyDown(int start);
#endif

// Alt before Ctrl, Ctrl before Shift, Shift before any other key.
bool KeyCodeBefore(int a, int b);
// Stable: keys of the same rank keep their order.
void SortHotKeyCodes(std::vector<int>& codes);
// The names in the order given, joined by " + ".
std::string HotKeyText(const std::vector<int>& codes, const std::function<std::string(int)>& keyName);
// One tick of the capture: every key down now, from the lowest code up, unless the first
// one down is a mouse button. Returns whether any key was added.
bool CaptureHotKeys(const std::function<int(int)>& firstKeyDown, const std::function<void(int)>& addHotKey);
