#include "engine/DateTime.h"

#include "primitives/Text.h"

#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

// Days from 1970-01-01 for a proleptic Gregorian date, and back (H. Hinnant's method).
int64_t DaysFromCivil(int64_t y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

void CivilFromDays(int64_t z, int& year, int& month, int& day)
{
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(static_cast<int64_t>(yoe) + era * 400 + (month <= 2));
}

const int64_t Epoch1899 = DaysFromCivil(1899, 12, 30);

int DaysInMonth(int year, int month)
{
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

// Pattern tokens: a run of one letter ("yyyy", "MM", "tt"), a quoted literal, or
// any other single character.
struct Token {
    char Letter;  // 0 for a literal
    size_t Count;
    std::string Literal;
};

std::vector<Token> Tokenize(const std::string& pattern)
{
    std::vector<Token> tokens;
    for (size_t i = 0; i < pattern.size();) {
        char c = pattern[i];
        if (c == '\'') {
            size_t end = pattern.find('\'', i + 1);
            if (end == std::string::npos)
                end = pattern.size();
            tokens.push_back({0, 0, pattern.substr(i + 1, end - i - 1)});
            i = end + 1;
        } else if (std::strchr("dMyhHmst", c)) {
            size_t j = i;
            while (j < pattern.size() && pattern[j] == c)
                ++j;
            tokens.push_back({c, j - i, {}});
            i = j;
        } else {
            tokens.push_back({0, 0, std::string(1, c)});
            ++i;
        }
    }
    return tokens;
}

std::string Padded(int value, size_t width)
{
    std::string text = std::to_string(value);
    while (text.size() < width)
        text.insert(text.begin(), '0');
    return text;
}

class Reader {
public:
    explicit Reader(const std::string& text) : Text(text) {}
    void SkipBlanks()
    {
        while (Pos < Text.size() && std::isspace(static_cast<unsigned char>(Text[Pos])))
            ++Pos;
    }
    bool Number(int& value)
    {
        SkipBlanks();
        size_t start = Pos;
        value = 0;
        while (Pos < Text.size() && std::isdigit(static_cast<unsigned char>(Text[Pos])) && Pos - start < 9)
            value = value * 10 + (Text[Pos++] - '0');
        return Pos > start;
    }
    bool Word(const std::string& word)
    {
        SkipBlanks();
        if (word.empty() || Text.size() - Pos < word.size() || !SameText(Text.substr(Pos, word.size()), word))
            return false;
        Pos += word.size();
        return true;
    }
    // Anything that is neither a digit nor a blank separates two numbers.
    void SkipSeparator()
    {
        SkipBlanks();
        while (Pos < Text.size() && !std::isdigit(static_cast<unsigned char>(Text[Pos])) &&
               !std::isspace(static_cast<unsigned char>(Text[Pos])))
            ++Pos;
    }
    bool AtEnd()
    {
        SkipBlanks();
        return Pos >= Text.size();
    }

private:
    const std::string& Text;
    size_t Pos = 0;
};

// The order in which a pattern names its fields, e.g. "Mdy" for "M/d/yyyy".
std::string FieldOrder(const std::string& pattern, const char* fields)
{
    std::string order;
    for (const Token& t : Tokenize(pattern))
        if (t.Letter && std::strchr(fields, t.Letter) && order.find(t.Letter) == std::string::npos)
            order += t.Letter;
    return order;
}

}  // namespace

TDateTime EncodeDateTime(int year, int month, int day, int hour, int minute, int second)
{
    double days = static_cast<double>(DaysFromCivil(year, month, day) - Epoch1899);
    double time = (hour * 3600 + minute * 60 + second) / 86400.0;
    // Before the zero point the fraction counts away from it, as the scale has it.
    return days >= 0 ? days + time : days - time;
}

void DecodeDateTime(TDateTime value, int& year, int& month, int& day, int& hour, int& minute, int& second)
{
    double whole = std::trunc(value);
    int64_t secondsOfDay = std::llround(std::fabs(value - whole) * 86400.0);
    if (secondsOfDay >= 86400) {
        secondsOfDay -= 86400;
        whole += value >= 0 ? 1 : -1;
    }
    CivilFromDays(static_cast<int64_t>(whole) + Epoch1899, year, month, day);
    hour = static_cast<int>(secondsOfDay / 3600);
    minute = static_cast<int>(secondsOfDay / 60 % 60);
    second = static_cast<int>(secondsOfDay % 60);
}

std::string FormatDateTime(TDateTime value, const DateTimeFormat& format)
{
    int y, mo, d, h, mi, s;
    DecodeDateTime(value, y, mo, d, h, mi, s);
    std::string text;
    auto render = [&](const std::string& pattern) {
        for (const Token& t : Tokenize(pattern)) {
            switch (t.Letter) {
            case 0: text += t.Literal; break;
            case 'd': text += Padded(d, t.Count >= 2 ? 2 : 1); break;
            case 'M': text += Padded(mo, t.Count >= 2 ? 2 : 1); break;
            case 'y': text += t.Count <= 2 ? Padded(y % 100, t.Count) : Padded(y, 4); break;
            case 'h': text += Padded(h % 12 == 0 ? 12 : h % 12, t.Count >= 2 ? 2 : 1); break;
            case 'H': text += Padded(h, t.Count >= 2 ? 2 : 1); break;
            case 'm': text += Padded(mi, t.Count >= 2 ? 2 : 1); break;
            case 's': text += Padded(s, t.Count >= 2 ? 2 : 1); break;
            case 't': text += h < 12 ? format.Am : format.Pm; break;
            }
        }
    };
    render(format.ShortDate);
    text += ' ';
    render(format.Time);
    return Trim(text);
}

bool ParseDateTime(const std::string& text, const DateTimeFormat& format, TDateTime& value)
{
    std::string order = FieldOrder(format.ShortDate, "dMy");
    if (order.size() != 3)
        return false;
    Reader in(text);
    int fields[3];
    for (int i = 0; i < 3; ++i) {
        if (i > 0)
            in.SkipSeparator();
        if (!in.Number(fields[i]))
            return false;
    }
    int year = 0, month = 0, day = 0;
    for (int i = 0; i < 3; ++i)
        (order[i] == 'y' ? year : order[i] == 'M' ? month : day) = fields[i];
    if (year < 100)
        year += year < 50 ? 2000 : 1900;
    if (month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month))
        return false;

    int hour = 0, minute = 0, second = 0;
    if (!in.AtEnd()) {
        if (!in.Number(hour))
            return false;
        in.SkipSeparator();
        if (in.Number(minute)) {
            in.SkipSeparator();
            in.Number(second);
        }
        bool pm = in.Word(format.Pm) || in.Word("PM");
        bool am = !pm && (in.Word(format.Am) || in.Word("AM"));
        if (am || pm) {
            if (hour < 1 || hour > 12)
                return false;
            hour = hour % 12 + (pm ? 12 : 0);
        }
        if (!in.AtEnd() || hour > 23 || minute > 59 || second > 59)
            return false;
    }
    value = EncodeDateTime(year, month, day, hour, minute, second);
    return true;
}

#ifdef _WIN32

namespace {

std::string LocaleText(LCTYPE type, const char* fallback)
{
    char buffer[80];
    int length = GetLocaleInfoA(LOCALE_USER_DEFAULT, type, buffer, sizeof buffer);
    return length > 1 ? std::string(buffer) : std::string(fallback);
}

}  // namespace

DateTimeFormat SystemDateTimeFormat()
{
    DateTimeFormat format;
    format.ShortDate = LocaleText(LOCALE_SSHORTDATE, "M/d/yyyy");
    format.Time = LocaleText(LOCALE_STIMEFORMAT, "h:mm:ss tt");
    format.Am = LocaleText(LOCALE_S1159, "AM");
    format.Pm = LocaleText(LOCALE_S2359, "PM");
    return format;
}

TDateTime Now()
{
    SYSTEMTIME t;
    GetLocalTime(&t);
    return EncodeDateTime(t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond) +
           t.wMilliseconds / 86400000.0;
}

std::string DateTimeToStr(TDateTime value)
{
    return FormatDateTime(value, SystemDateTimeFormat());
}

TDateTime StrToDateTimeDef(const std::string& text, TDateTime fallback)
{
    TDateTime value = fallback;
    return ParseDateTime(text, SystemDateTimeFormat(), value) ? value : fallback;
}

#endif
