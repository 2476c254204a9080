#include "primitives/Text.h"

#include <gtest/gtest.h>

namespace {

TEST(Text, TrimRemovesControlCharactersAndBlanks)
{
    EXPECT_EQ(Trim(" \t\x01 value x \r\n"), "value x");
    EXPECT_EQ(Trim("   "), "");
}

TEST(Text, StrToIntDef)
{
    EXPECT_EQ(StrToIntDef("42", 0), 42);
    EXPECT_EQ(StrToIntDef("-2147483648", 0), INT32_MIN);
    EXPECT_EQ(StrToIntDef("2147483648", 5), 5);
    EXPECT_EQ(StrToIntDef("$FFFFFFFF", 0), -1);
    EXPECT_EQ(StrToIntDef("0x10", 0), 16);
    EXPECT_EQ(StrToIntDef("", 3), 3);
    EXPECT_EQ(StrToIntDef("-", 3), 3);
    EXPECT_EQ(StrToIntDef("12 ", 3), 3);
    EXPECT_EQ(StrToIntDef("1e3", 3), 3);
}

TEST(Text, SplitLinesOnEveryEnding)
{
    using Lines = std::vector<std::string>;
    EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\r\n"), (Lines{"a"}));
    EXPECT_EQ(SplitLines("\r\n\r\n"), (Lines{"", ""}));
    EXPECT_EQ(SplitLines(""), Lines{});
}

}  // namespace
