#pragma once
// The generations that hm-save-loop writes and the kill test reads back.
#include "engine/IniFiles32.h"
#include "engine/Options.h"

#include <string>

const int InfoSections = 382;

// Every section's "Solved" and "Stamp" keys hold g, saved in one batch.
inline void WriteInfoGeneration(TIniFile32& ini, long g)
{
    ini.BeginUpdate();
    for (int i = 0; i < InfoSections; ++i) {
        std::string section = "TIssue" + std::to_string(i);
        ini.WriteString(section, "Solved", std::to_string(g));
        ini.WriteString(section, "Stamp", "generation " + std::to_string(g) + " of " + section);
    }
    ini.EndUpdate();
}

// The generation the file holds in full, or -1 when it holds a mix, lacks a section or
// a key, or cannot be read.
inline long InfoGeneration(const std::string& file)
{
    try {
        TIniFile32 ini(file);
        long g = ini.ReadInteger("TIssue0", "Solved", -1);
        for (int i = 0; i < InfoSections; ++i) {
            std::string section = "TIssue" + std::to_string(i);
            if (ini.ReadInteger(section, "Solved", -2) != g ||
                ini.ReadString(section, "Stamp", "") != "generation " + std::to_string(g) + " of " + section)
                return -1;
        }
        return g;
    } catch (...) {
        return -1;
    }
}

inline void SetOptionsGeneration(TOptions& options, long g)
{
    options.Autorun = g % 2 == 1;
    options.RunMinim = g % 3 == 1;
    options.AskPanic = g % 2 == 0;
    options.ScheduleWork = true;
    options.Minute = static_cast<uint8_t>(g % 60);
    options.Hour = static_cast<uint8_t>(g % 24);
    options.Day = static_cast<uint8_t>(1 + g % 28);
    options.Month = static_cast<uint8_t>(1 + g % 12);
    options.Year = static_cast<int32_t>(2000 + g);
    options.Weekday = static_cast<uint8_t>(g % 7);
    options.ClearHotKeys();
    options.HotKeys = {17, 18, static_cast<int>(65 + g % 26)};
}
