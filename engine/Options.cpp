#include "engine/Options.h"

#include "engine/CookiesToKeep.h"
#include "engine/KeyName.h"
#include "primitives/Errors.h"
#include "primitives/Text.h"
#include "primitives/WholeFiles.h"

#include <algorithm>
#include <cstring>
#include <windows.h>

namespace {
const char* const OptionsSection = "options";
const char* const HotKeysSection = "hotkeys";
const char* const KeepSection = "KeepCookies";
}  // namespace

TOptions::TOptions(const std::string& fileName, bool load) : FFileName(fileName)
{
    if (load)
        LoadOptions();
}

std::string TOptions::ReadString(const std::string& section, const std::string& key,
                                 const std::string& fallback) const
{
    std::vector<char> buffer(2048);
    for (;;) {
        DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback.c_str(), buffer.data(),
                                                static_cast<DWORD>(buffer.size()), FFileName.c_str());
        if (length + 1 < buffer.size())
            return std::string(buffer.data(), length);
        buffer.resize(buffer.size() * 4);
    }
}

int32_t TOptions::ReadInteger(const std::string& section, const std::string& key, int32_t fallback) const
{
    return StrToIntDef(Trim(ReadString(section, key, "")), fallback);
}

bool TOptions::ReadBool(const std::string& key, bool fallback) const
{
    return ReadInteger(OptionsSection, key, fallback ? 1 : 0) == 1;
}

void TOptions::WriteString(const std::string& section, const std::string& key, const std::string& value)
{
    if (FWriteTo.empty()) {
        WriteReplacing([&] { WriteString(section, key, value); });
        return;
    }
    if (!WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), FWriteTo.c_str()))
        throw Exception(Format("Unable to write to %s", FFileName.c_str()));
}

// The system writes a profile file in place: a program ended during a write leaves it
// empty or cut short, and one ended between the writes of a save leaves a mix of two
// saves. On a copy, the file itself is always one whole version.
void TOptions::WriteReplacing(const std::function<void()>& writes)
{
    std::string copy = FFileName + ".saving";
    if (!CopyFileA(FFileName.c_str(), copy.c_str(), FALSE))
        DeleteFileA(copy.c_str());
    FWriteTo = copy;
    try {
        writes();
        FWriteTo.clear();
        // Nothing written to a file that is not there leaves nothing to save.
        if (FileExists(copy))
            SaveFileReplacing(FFileName, LoadFileText(copy));
    } catch (...) {
        FWriteTo.clear();
        DeleteFileA(copy.c_str());
        throw;
    }
    DeleteFileA(copy.c_str());
}

void TOptions::WriteInteger(const std::string& section, const std::string& key, int32_t value)
{
    WriteString(section, key, std::to_string(value));
}

std::vector<std::string> TOptions::KeyNames(const std::string& section) const
{
    std::vector<char> buffer(4096);
    DWORD length;
    for (;;) {
        length = GetPrivateProfileStringA(section.c_str(), nullptr, "", buffer.data(),
                                          static_cast<DWORD>(buffer.size()), FFileName.c_str());
        if (length + 2 < buffer.size())
            break;
        buffer.resize(buffer.size() * 4);
    }
    std::vector<std::string> names;
    for (const char* p = buffer.data(); p < buffer.data() + length && *p; p += std::strlen(p) + 1)
        names.emplace_back(p);
    return names;
}

void TOptions::LoadOptions()
{
    Autorun = ReadBool("Autorun", false);
    RunMinim = ReadBool("RunMinim", false);
    AskPanic = ReadBool("AskPanic", true);
    ScheduleWork = ReadBool("ScheduleWork", false);
    Minute = static_cast<uint8_t>(ReadInteger(OptionsSection, "Minute", 1));
    Hour = static_cast<uint8_t>(ReadInteger(OptionsSection, "Hour", 0));
    Day = static_cast<uint8_t>(ReadInteger(OptionsSection, "Day", 0));
    Month = static_cast<uint8_t>(ReadInteger(OptionsSection, "Month", 0));
    Year = ReadInteger(OptionsSection, "Year", 0);
    Weekday = static_cast<uint8_t>(ReadInteger(OptionsSection, "Weekday", 0));
    LoadCookiesToKeep();

    ClearHotKeys();
    std::vector<std::string> names = KeyNames(HotKeysSection);
    if (names.empty()) {
        WriteInteger(HotKeysSection, "key1", 17);
        WriteInteger(HotKeysSection, "key2", 16);
        WriteInteger(HotKeysSection, "key3", 80);
        AddHotKey(17);
        AddHotKey(16);
        AddHotKey(80);
        return;
    }
    for (const std::string& name : names)
        AddHotKey(ReadInteger(HotKeysSection, name, 0));
    // Erased until the next save writes the combination again in full.
    WriteReplacing([&] { WritePrivateProfileStringA(HotKeysSection, nullptr, nullptr, FWriteTo.c_str()); });
}

void TOptions::SaveOptions()
{
    WriteReplacing([&] { SaveOptionsTo(); });
}

void TOptions::SaveOptionsTo()
{
    WriteInteger(OptionsSection, "Autorun", Autorun ? 1 : 0);
    WriteInteger(OptionsSection, "RunMinim", RunMinim ? 1 : 0);
    WriteInteger(OptionsSection, "AskPanic", AskPanic ? 1 : 0);
    WriteInteger(OptionsSection, "ScheduleWork", ScheduleWork ? 1 : 0);
    WriteInteger(OptionsSection, "Minute", Minute);
    WriteInteger(OptionsSection, "Hour", Hour);
    WriteInteger(OptionsSection, "Day", Day);
    WriteInteger(OptionsSection, "Month", Month);
    WriteInteger(OptionsSection, "Year", Year);
    WriteInteger(OptionsSection, "Weekday", Weekday);
    // The section is written afresh: profile keys ignore case, so the first-run "key1".."key3"
    // would otherwise survive beside "Key0".."Key2" and add a stale key to the combination.
    WritePrivateProfileStringA(HotKeysSection, nullptr, nullptr, FWriteTo.c_str());
    for (size_t i = 0; i < HotKeys.size(); ++i)
        WriteInteger(HotKeysSection, "Key" + std::to_string(i), HotKeys[i]);
    SaveCookiesToKeepTo();
}

void TOptions::LoadCookiesToKeep()
{
    std::vector<std::string> entries;
    for (const std::string& name : KeyNames(KeepSection))
        entries.push_back(ReadString(KeepSection, name, ""));
    TKeepList list(entries);
    CookieSites = list.Sites();
    SetCookiesToKeep(list);
}

void TOptions::SaveCookiesToKeep()
{
    WriteReplacing([&] { SaveCookiesToKeepTo(); });
}

void TOptions::SaveCookiesToKeepTo()
{
    TKeepList list(CookieSites);
    WritePrivateProfileStringA(KeepSection, nullptr, nullptr, FWriteTo.c_str());
    for (size_t i = 0; i < list.Sites().size(); ++i)
        WriteString(KeepSection, "Site" + std::to_string(i + 1), list.Sites()[i]);
    SetCookiesToKeep(list);
}

bool TOptions::AddCookieSite(const std::string& entry)
{
    std::string site = NormalSite(entry);
    if (site.empty())
        return false;
    if (std::find(CookieSites.begin(), CookieSites.end(), site) == CookieSites.end())
        CookieSites.push_back(site);
    return true;
}

bool TOptions::RemoveCookieSite(const std::string& entry)
{
    auto found = std::find(CookieSites.begin(), CookieSites.end(), NormalSite(entry));
    if (found == CookieSites.end())
        return false;
    CookieSites.erase(found);
    return true;
}

void TOptions::AddHotKey(int code)
{
    std::string name = KeyName(code);
    for (int held : HotKeys) {
        std::string heldName = KeyName(held);
        if (held == code || heldName == name || (heldName == "Shift" && name == "Right Shift"))
            return;
    }
    HotKeys.push_back(code);
}

void TOptions::CopyOptions(TOptions& target) const
{
    target.Autorun = Autorun;
    target.RunMinim = RunMinim;
    target.AskPanic = AskPanic;
    target.ScheduleWork = ScheduleWork;
    target.Minute = Minute;
    target.Hour = Hour;
    target.Day = Day;
    target.Month = Month;
    target.Year = Year;
    target.Weekday = Weekday;
    target.HotKeys = HotKeys;
    target.CookieSites = CookieSites;
}

TDateTime TOptions::ReadDateTime(const std::string& section, const std::string& key, TDateTime fallback) const
{
    return StrToDateTimeDef(ReadString(section, key, ""), fallback);
}

void TOptions::WriteDateTime(const std::string& section, const std::string& key, TDateTime value)
{
    WriteString(section, key, DateTimeToStr(value));
}
