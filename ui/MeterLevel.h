#pragma once
// The privacy meter's level for a number of found issues. No Windows calls.
#include <string>

struct TMeterLevel {
    const char* Colour;   // "blue", "green", "yellow" or "red"
    const char* Picture;  // below the program folder; empty for "blue": the background shows
    const char* Status;   // the main window's status line
};

TMeterLevel MeterLevel(size_t foundCount);
