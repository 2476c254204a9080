#include "engine/DateTime.h"

#include <gtest/gtest.h>

namespace {

TEST(DateTime, ZeroPointIsThe30thOfDecember1899)
{
    EXPECT_DOUBLE_EQ(EncodeDateTime(1899, 12, 30, 0, 0, 0), 0.0);
    EXPECT_DOUBLE_EQ(EncodeDateTime(2000, 1, 1, 12, 0, 0), 36526.5);
    int y, mo, d, h, mi, s;
    DecodeDateTime(36526.5, y, mo, d, h, mi, s);
    EXPECT_EQ(std::vector<int>({y, mo, d, h, mi, s}), std::vector<int>({2000, 1, 1, 12, 0, 0}));
}

TEST(DateTime, RoundTripsThroughLocaleFormats)
{
    DateTimeFormat us;  // M/d/yyyy h:mm:ss tt
    DateTimeFormat german{"dd.MM.yyyy", "HH:mm:ss", "", ""};
    DateTimeFormat iso{"yyyy-MM-dd", "H:mm:ss", "", ""};
    TDateTime value = EncodeDateTime(2026, 12, 8, 23, 5, 59);
    for (const DateTimeFormat& format : {us, german, iso}) {
        TDateTime back = -1;
        std::string text = FormatDateTime(value, format);
        ASSERT_TRUE(ParseDateTime(text, format, back)) << text;
        EXPECT_NEAR(back, value, 1e-9) << text;
    }
    EXPECT_EQ(FormatDateTime(value, us), "12/8/2026 11:05:59 PM");
    EXPECT_EQ(FormatDateTime(EncodeDateTime(2026, 1, 2, 0, 7, 0), us), "1/2/2026 12:07:00 AM");
    EXPECT_EQ(FormatDateTime(value, german), "08.12.2026 23:05:59");
}

TEST(DateTime, UnreadableTextsLeaveTheValue)
{
    DateTimeFormat us;
    for (const char* text : {"", "garbage", "13/1/2026 1:00:00 PM", "2/30/2026", "1/1/2026 25:00:00",
                             "1/1/2026 13:00:00 PM", "1/1/2026 10:00:00 junk"}) {
        TDateTime value = 7;
        EXPECT_FALSE(ParseDateTime(text, us, value)) << text;
        EXPECT_EQ(value, 7) << text;
    }
    TDateTime dateOnly = 0;
    EXPECT_TRUE(ParseDateTime("2/3/2026", us, dateOnly));
    EXPECT_DOUBLE_EQ(dateOnly, EncodeDateTime(2026, 2, 3, 0, 0, 0));
}

}  // namespace
