#include "ui/Schedule.h"

#include "primitives/Text.h"

#include <cmath>

TSchedulePattern SchedulePattern(uint8_t minute, uint8_t hour, uint8_t day, uint8_t month, int32_t year,
                                 uint8_t weekday)
{
    TSchedulePattern pattern;
    pattern.Minute = minute == 0 ? ScheduleAny : static_cast<uint16_t>(minute - 1);
    pattern.Hour = hour == 0 ? ScheduleAny : static_cast<uint16_t>(hour - 1);
    pattern.Day = day == 0 ? ScheduleAny : day;
    pattern.Month = month == 0 ? ScheduleAny : month;
    pattern.Year = year == 0 ? ScheduleAny : static_cast<uint16_t>(year & 0xFFFF);
    pattern.Weekday = weekday == 0 ? ScheduleAny : weekday;
    return pattern;
}

int DayOfWeek(TDateTime when)
{
    // Day 0, 30 December 1899, was a Saturday.
    const long long day = static_cast<long long>(std::floor(when));
    return static_cast<int>(((day + 6) % 7 + 7) % 7) + 1;
}

bool DoScheduleAction(const TSchedulePattern& pattern, TDateTime when)
{
    if (pattern.Minute == ScheduleAny)
        return true;
    int year, month, day, hour, minute, second;
    DecodeDateTime(when, year, month, day, hour, minute, second);
    const auto differs = [](uint16_t field, int value) { return field != ScheduleAny && field != value; };
    return !(differs(pattern.Year, year) || differs(pattern.Month, month) || differs(pattern.Day, day) ||
             differs(pattern.Weekday, DayOfWeek(when)) || differs(pattern.Hour, hour) || pattern.Minute != minute);
}

bool IsLeapYear(int year)
{
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int DaysInMonth(int month, int year)
{
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 31;
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

bool IsValidYearText(const std::string& text)
{
    if (text.size() != 4)
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    const int year = std::stoi(text);
    return year >= 1900 && year <= 9999;
}

bool YearFromText(const std::string& text, int& year)
{
    // Two different fallbacks tell a number from text that is none.
    const int32_t a = StrToIntDef(text, 0), b = StrToIntDef(text, 1);
    if (a != b)
        return false;
    year = a;
    return true;
}
