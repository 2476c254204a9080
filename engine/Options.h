#pragma once
// The user's settings in options.ini, through the system's profile-string functions.
// Also the home of the last scan time (section "time", key "time").
#include "engine/DateTime.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class TOptions {
public:
    // A snapshot object (the options window's backup) is made with load = false, so that
    // making it neither erases nor rewrites the "hotkeys" section of the file.
    explicit TOptions(const std::string& fileName, bool load = true);
    TOptions(const TOptions&) = delete;
    TOptions& operator=(const TOptions&) = delete;

    void LoadOptions();
    void SaveOptions();
    void AddHotKey(int code);
    void ClearHotKeys() { HotKeys.clear(); }
    void CopyOptions(TOptions& target) const;

    // The keep list, section "KeepCookies" of the file, one site a key (any key name is
    // read; "Site1".."SiteN" are written). Only usable site names are loaded. Loading
    // and saving also make it the list the Solves consult (SetCookiesToKeep).
    void LoadCookiesToKeep();
    void SaveCookiesToKeep();
    // Adds the site in its normal form; false when it is no usable site name.
    bool AddCookieSite(const std::string& entry);
    // False when the site (in any form NormalSite accepts) is not in the list.
    bool RemoveCookieSite(const std::string& entry);

    TDateTime ReadDateTime(const std::string& section, const std::string& key, TDateTime fallback) const;
    void WriteDateTime(const std::string& section, const std::string& key, TDateTime value);

    const std::string& FileName() const { return FFileName; }

    bool Autorun = false;
    bool RunMinim = false;
    bool AskPanic = true;
    bool ScheduleWork = false;
    uint8_t Minute = 1;
    uint8_t Hour = 0;
    uint8_t Day = 0;
    uint8_t Month = 0;
    int32_t Year = 0;
    uint8_t Weekday = 0;
    std::vector<int> HotKeys;
    std::vector<std::string> CookieSites;  // normal forms, in the user's order

private:
    std::string ReadString(const std::string& section, const std::string& key, const std::string& fallback) const;
    int32_t ReadInteger(const std::string& section, const std::string& key, int32_t fallback) const;
    bool ReadBool(const std::string& key, bool fallback) const;
    void WriteString(const std::string& section, const std::string& key, const std::string& value);
    void WriteInteger(const std::string& section, const std::string& key, int32_t value);
    std::vector<std::string> KeyNames(const std::string& section) const;
    // Makes the writes on a copy of the file that then takes its place in one step.
    void WriteReplacing(const std::function<void()>& writes);
    void SaveOptionsTo();  // the writes of a save, inside WriteReplacing
    void SaveCookiesToKeepTo();

    std::string FFileName;
    std::string FWriteTo;  // the copy while WriteReplacing runs
};
