#pragma once
#include <string>

// The system's name of a virtual key ("Ctrl", "Shift", "P"); the mouse buttons 1, 2
// and 4 are "LBUTTON", "RBUTTON" and "MBUTTON".
std::string KeyName(int code);
