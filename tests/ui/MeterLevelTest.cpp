#include "ui/MeterLevel.h"

#include <gtest/gtest.h>

namespace {

TEST(MeterLevel, BoundariesOfTheFourLevels)
{
    const struct {
        size_t Found;
        std::string Colour;
    } rows[] = {{0, "blue"}, {1, "green"}, {10, "green"}, {11, "yellow"}, {30, "yellow"}, {31, "red"}, {382, "red"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Found);
        EXPECT_EQ(MeterLevel(row.Found).Colour, row.Colour);
    }
    // No picture at all for "blue": the background's own meter shows.
    EXPECT_STREQ(MeterLevel(0).Picture, "");
    EXPECT_STREQ(MeterLevel(5).Picture, "res\\meter_green.jpg");
    EXPECT_STREQ(MeterLevel(31).Status, "Your privacy level is awful. Scan your PC now!");
    // The program's own wording, odd spelling and trailing blank included.
    EXPECT_STREQ(MeterLevel(1).Status, "You privacy level is almost perfect! Minor privacy leaks left.");
    EXPECT_STREQ(MeterLevel(0).Status, "You are highly secured and private now! ");
}

}  // namespace
