// Text NUL short-date pattern NUL time pattern NUL am NUL pm; missing parts keep the
// defaults. A parsed value must decode to a real date and time, and in the default
// format a four-digit year must survive a format-and-parse round trip.
#include "engine/DateTime.h"
#include "fuzz/FuzzInput.h"

#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<std::string> parts = SplitInput(data, size, 5);
    DateTimeFormat format;
    if (parts.size() > 1) format.ShortDate = parts[1];
    if (parts.size() > 2) format.Time = parts[2];
    if (parts.size() > 3) format.Am = parts[3];
    if (parts.size() > 4) format.Pm = parts[4];

    TDateTime value = -1e300;
    if (!ParseDateTime(parts[0], format, value)) {
        FUZZ_CHECK(value == -1e300);  // a failed parse leaves the value alone
        return 0;
    }
    int y, mo, d, h, mi, s;
    DecodeDateTime(value, y, mo, d, h, mi, s);
    FUZZ_CHECK(mo >= 1 && mo <= 12 && d >= 1 && d <= 31);
    FUZZ_CHECK(h >= 0 && h <= 23 && mi >= 0 && mi <= 59 && s >= 0 && s <= 59);
    FormatDateTime(value, format);

    if (y >= 100 && y <= 9999) {
        DateTimeFormat standard;
        TDateTime again = 0;
        FUZZ_CHECK(ParseDateTime(FormatDateTime(value, standard), standard, again));
        FUZZ_CHECK(again == value);
    }
    return 0;
}
