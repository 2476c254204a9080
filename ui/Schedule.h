#pragma once
// When a scheduled clean-up is due, and the checks of the schedule's fields as the
// options window edits them. No Windows calls.
#include "engine/DateTime.h"

#include <cstdint>
#include <string>

// A pattern field that matches any value.
const uint16_t ScheduleAny = 255;

struct TSchedulePattern {
    uint16_t Minute = ScheduleAny;
    uint16_t Hour = ScheduleAny;
    uint16_t Day = ScheduleAny;
    uint16_t Month = ScheduleAny;
    uint16_t Year = ScheduleAny;
    uint16_t Weekday = ScheduleAny;  // 1 = Sunday to 7 = Saturday
};

// The pattern from the list positions kept in options.ini (position 0 is "Every ...";
// the minute and hour lists start at 0, so their positions are one ahead of the value).
TSchedulePattern SchedulePattern(uint8_t minute, uint8_t hour, uint8_t day, uint8_t month, int32_t year,
                                 uint8_t weekday);

// True when the date-time matches; "every minute" matches whatever the other fields say.
bool DoScheduleAction(const TSchedulePattern& pattern, TDateTime when);

// 1 = Sunday to 7 = Saturday.
int DayOfWeek(TDateTime when);
bool IsLeapYear(int year);
// Year 0 stands for "every year" and counts as a leap year, so that 29 February stays
// available.
int DaysInMonth(int month, int year);

// The year box on OK: exactly four decimal digits, 1900 to 9999.
bool IsValidYearText(const std::string& text);
// The year box read as a number when a month is chosen; false for text that is no
// integer.
bool YearFromText(const std::string& text, int& year);
