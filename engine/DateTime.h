#pragma once
// Local date-times as days since 30 December 1899 (the fraction is the time of day),
// and their text in the system's locale format, as options.ini keeps the last scan.
#include <string>

using TDateTime = double;

TDateTime EncodeDateTime(int year, int month, int day, int hour, int minute, int second);
void DecodeDateTime(TDateTime value, int& year, int& month, int& day, int& hour, int& minute, int& second);

// A locale's short date and time patterns ("M/d/yyyy", "h:mm:ss tt", "dd.MM.yyyy",
// "HH:mm:ss" ...) and its morning and afternoon designators.
struct DateTimeFormat {
    std::string ShortDate = "M/d/yyyy";
    std::string Time = "h:mm:ss tt";
    std::string Am = "AM";
    std::string Pm = "PM";
};

std::string FormatDateTime(TDateTime value, const DateTimeFormat& format);
// False, leaving value alone, when the text is not a date-time in that format.
bool ParseDateTime(const std::string& text, const DateTimeFormat& format, TDateTime& value);

#ifdef _WIN32
DateTimeFormat SystemDateTimeFormat();
TDateTime Now();
std::string DateTimeToStr(TDateTime value);
// An unreadable text gives the fallback.
TDateTime StrToDateTimeDef(const std::string& text, TDateTime fallback);
#endif
