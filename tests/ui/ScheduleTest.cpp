#include "ui/Keyboard.h"
#include "ui/Schedule.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

// 6 December 2026 is a Sunday.
TDateTime At(int year, int month, int day, int hour, int minute)
{
    return EncodeDateTime(year, month, day, hour, minute, 0);
}

TEST(SchedulePattern, StoredPositionsBecomeValuesWithTheWildcard)
{
    const TSchedulePattern every = SchedulePattern(0, 0, 0, 0, 0, 0);
    for (uint16_t field : {every.Minute, every.Hour, every.Day, every.Month, every.Year, every.Weekday})
        EXPECT_EQ(field, ScheduleAny);
    // Minute and hour positions are one ahead: position 1 is minute 0.
    const TSchedulePattern some = SchedulePattern(1, 24, 31, 12, 2026, 7);
    EXPECT_EQ(some.Minute, 0);
    EXPECT_EQ(some.Hour, 23);
    EXPECT_EQ(some.Day, 31);
    EXPECT_EQ(some.Month, 12);
    EXPECT_EQ(some.Year, 2026);
    EXPECT_EQ(some.Weekday, 7);
    // Only the low 16 bits of the year count.
    EXPECT_EQ(SchedulePattern(1, 0, 0, 0, 0x10000 + 2030, 0).Year, 2030);
}

TEST(DoScheduleAction, EveryMinuteRunsWhateverTheOtherFieldsSay)
{
    // Hour 3 and a year long past do not stop "every minute".
    const TSchedulePattern pattern = SchedulePattern(0, 4, 0, 0, 1999, 0);
    EXPECT_TRUE(DoScheduleAction(pattern, At(2026, 12, 8, 11, 17)));
    EXPECT_TRUE(DoScheduleAction(pattern, At(2026, 12, 8, 0, 0)));
}

TEST(DoScheduleAction, HalfPastEveryHourOnSundaysOnly)
{
    const TSchedulePattern pattern = SchedulePattern(31, 0, 0, 0, 0, 1);
    EXPECT_TRUE(DoScheduleAction(pattern, At(2026, 12, 6, 0, 30)));
    EXPECT_TRUE(DoScheduleAction(pattern, At(2026, 12, 6, 23, 30)));
    EXPECT_TRUE(DoScheduleAction(pattern, At(2026, 12, 13, 9, 30)));
    EXPECT_FALSE(DoScheduleAction(pattern, At(2026, 12, 6, 9, 31)));
    EXPECT_FALSE(DoScheduleAction(pattern, At(2026, 12, 7, 9, 30)));  // Monday
    EXPECT_FALSE(DoScheduleAction(pattern, At(2026, 12, 12, 9, 30)));  // Saturday
}

TEST(DoScheduleAction, EachFixedFieldMustMatch)
{
    const TDateTime when = At(2026, 12, 8, 14, 5);  // a Tuesday
    EXPECT_TRUE(DoScheduleAction(SchedulePattern(6, 15, 8, 12, 2026, 3), when));
    EXPECT_FALSE(DoScheduleAction(SchedulePattern(6, 15, 8, 12, 2027, 0), when));  // another year
    EXPECT_FALSE(DoScheduleAction(SchedulePattern(6, 15, 8, 11, 0, 0), when));     // another month
    EXPECT_FALSE(DoScheduleAction(SchedulePattern(6, 15, 9, 0, 0, 0), when));      // another day
    EXPECT_FALSE(DoScheduleAction(SchedulePattern(6, 16, 0, 0, 0, 0), when));      // another hour
    EXPECT_FALSE(DoScheduleAction(SchedulePattern(6, 0, 0, 0, 0, 4), when));       // another weekday
    EXPECT_TRUE(DoScheduleAction(SchedulePattern(6, 0, 0, 0, 0, 0), At(2026, 12, 8, 14, 5) + 59.0 / 86400));
    EXPECT_FALSE(DoScheduleAction(SchedulePattern(6, 0, 0, 0, 0, 0), At(2026, 12, 8, 14, 6)));
}

TEST(DoScheduleAction, DayOfWeekAroundTheEpochAndLeapDays)
{
    EXPECT_EQ(DayOfWeek(0), 7);                      // 30 December 1899, Saturday
    EXPECT_EQ(DayOfWeek(1), 1);                      // Sunday
    EXPECT_EQ(DayOfWeek(-1), 6);                     // Friday before
    EXPECT_EQ(DayOfWeek(At(2024, 2, 29, 12, 0)), 5);  // Thursday
    EXPECT_EQ(DayOfWeek(At(2026, 12, 6, 23, 59)), 1);
}

TEST(DaysInMonth, FebruaryByYearAndYearZeroAsLeap)
{
    EXPECT_EQ(DaysInMonth(2, 2004), 29);
    EXPECT_EQ(DaysInMonth(2, 2005), 28);
    EXPECT_EQ(DaysInMonth(2, 0), 29);
    EXPECT_EQ(DaysInMonth(2, 1900), 28);
    EXPECT_EQ(DaysInMonth(2, 2000), 29);
    EXPECT_EQ(DaysInMonth(4, 2005), 30);
    EXPECT_EQ(DaysInMonth(12, 2005), 31);
}

TEST(YearText, OkAcceptsFourDigitsFrom1900To9999)
{
    for (const char* good : {"1900", "2026", "9999"})
        EXPECT_TRUE(IsValidYearText(good)) << good;
    for (const char* bad : {"999", "20a6", "1899", "0000", "10000", "", " 2026", "2026 ", "+202", "-1900"})
        EXPECT_FALSE(IsValidYearText(bad)) << '"' << bad << '"';
}

TEST(YearText, MonthChoiceReadsANumberOrRefuses)
{
    int year = -1;
    EXPECT_TRUE(YearFromText("2004", year));
    EXPECT_EQ(year, 2004);
    EXPECT_TRUE(YearFromText("0", year));
    EXPECT_EQ(year, 0);
    EXPECT_FALSE(YearFromText("20x4", year));
    EXPECT_FALSE(YearFromText("", year));
    EXPECT_EQ(year, 0);
}

std::string FakeKeyName(int code)
{
    static const std::map<int, std::string> names = {{16, "Shift"}, {17, "Ctrl"}, {18, "Alt"}, {80, "P"},
                                                     {88, "X"}, {161, "Right Shift"}};
    return names.at(code);
}

TEST(HotKeyOrder, AltCtrlXInAnyPressingOrder)
{
    const std::vector<std::vector<int>> orders = {{18, 17, 88}, {88, 17, 18}, {17, 88, 18}, {88, 18, 17}};
    for (std::vector<int> codes : orders) {
        SortHotKeyCodes(codes);
        EXPECT_EQ(HotKeyText(codes, FakeKeyName), "Alt + Ctrl + X");
    }
}

TEST(HotKeyOrder, ModifiersFirstOtherKeysKeepTheirOrder)
{
    std::vector<int> codes = {88, 16, 80, 17};
    SortHotKeyCodes(codes);
    EXPECT_EQ(codes, std::vector<int>({17, 16, 88, 80}));
    std::vector<int> none;
    SortHotKeyCodes(none);
    EXPECT_EQ(HotKeyText(none, FakeKeyName), "");
    EXPECT_TRUE(KeyCodeBefore(16, 161));
    EXPECT_FALSE(KeyCodeBefore(161, 88));
}

// A keyboard whose held keys are a set, read as the system's state is: lowest first.
struct FakeKeyboard {
    std::set<int> Held;
    std::vector<int> Added;
    bool Capture()
    {
        return CaptureHotKeys(
            [this](int start) {
                auto next = Held.lower_bound(start);
                return next == Held.end() ? -1 : *next;
            },
            [this](int code) { Added.push_back(code); });
    }
};

TEST(HotKeyCapture, GenericModifierMetBeforeItsRightHandCode)
{
    FakeKeyboard keyboard{{16, 161, 80}, {}};
    EXPECT_TRUE(keyboard.Capture());
    EXPECT_EQ(keyboard.Added, std::vector<int>({16, 80, 161}));
}

TEST(HotKeyCapture, MouseButtonFirstOrNothingHeldCapturesNothing)
{
    for (int button : {1, 2, 4}) {
        FakeKeyboard keyboard{{button, 17, 88}, {}};
        EXPECT_FALSE(keyboard.Capture());
        EXPECT_TRUE(keyboard.Added.empty());
    }
    FakeKeyboard idle;
    EXPECT_FALSE(idle.Capture());
    // Only the first key down decides: a mouse button after a key is added like any code.
    FakeKeyboard late{{3, 4}, {}};
    EXPECT_TRUE(late.Capture());
    EXPECT_EQ(late.Added, std::vector<int>({3, 4}));
    FakeKeyboard top{{255}, {}};
    EXPECT_TRUE(top.Capture());
    EXPECT_EQ(top.Added, std::vector<int>({255}));
}

}  // namespace
