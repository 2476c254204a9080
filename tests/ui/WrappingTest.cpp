#include "ui/Wrapping.h"

#include <gtest/gtest.h>

namespace {

std::string Joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line;
    return text;
}

TEST(Wrapping, ATextWithoutBreaksStaysOnOneLine)
{
    const std::string text(120, 'x');
    EXPECT_EQ(FindBreakPos(text, 40), 120);
    EXPECT_EQ(GetPartOfStrCount(text, 40), 1);
    EXPECT_EQ(WrapDescription(text, 40), std::vector<std::string>{text});
    // A break only after the first n characters does not count either.
    const std::string late = std::string(50, 'y') + " tail";
    EXPECT_EQ(WrapDescription(late, 40), std::vector<std::string>{late});
}

TEST(Wrapping, BreaksStayAtTheEndOfTheirLine)
{
    const std::string path = "Found in C:\\Documents and Settings\\alice\\Favorites\\Links";
    const std::vector<std::string> lines = WrapDescription(path, 20);
    const std::vector<std::string> want = {"Found in C:\\", "Documents and ", "Settings\\alice\\",
                                           "Favorites\\Links"};
    EXPECT_EQ(lines, want);
    EXPECT_EQ(FindBreakPos("C:\\Windows\\Temp\\x", 12), 11);  // after "C:\Windows\"
}

TEST(Wrapping, BoundaryLengths)
{
    // Shorter than n: whole and untouched. Exactly n and longer: cut at the last break.
    const int n = 10;
    std::string shorter = "abcd efgh";  // n - 1
    EXPECT_EQ(GetPartOfStrCount(shorter, n), 1);
    EXPECT_EQ(GetPartOfStr(shorter, n), "abcd efgh");
    EXPECT_EQ(shorter, "abcd efgh");

    std::string exact = "abcd efghi";  // n
    EXPECT_EQ(FindBreakPos(exact, n), 5);
    EXPECT_EQ(GetPartOfStrCount(exact, n), 2);
    EXPECT_EQ(GetPartOfStr(exact, n), "abcd ");
    EXPECT_EQ(exact, "efghi");
    // The rest is shorter than n now: returned whole and kept.
    EXPECT_EQ(GetPartOfStr(exact, n), "efghi");
    EXPECT_EQ(exact, "efghi");

    std::string longer = "abcdefghi jk";  // n + 2, the blank at position n
    EXPECT_EQ(FindBreakPos(longer, n), n);
    EXPECT_EQ(WrapDescription(longer, n), (std::vector<std::string>{"abcdefghi ", "jk"}));
    std::string after = "abcdefghij k";  // n + 2, the first blank at n + 1
    EXPECT_EQ(FindBreakPos(after, n), 12);
    EXPECT_EQ(GetPartOfStrCount(after, n), 1);
}

TEST(Wrapping, CountAgreesWithThePieces)
{
    const std::string texts[] = {"", " ", "\\", "a b c d e f g h i j k l m n o p", "   many    blanks   ",
                                 "trailing\\\\\\\\", "one two three four five six seven eight nine ten eleven"};
    for (const std::string& text : texts)
        for (int n = 1; n <= 25; ++n) {
            SCOPED_TRACE(text + " / " + std::to_string(n));
            const std::vector<std::string> lines = WrapDescription(text, n);
            EXPECT_EQ(static_cast<int>(lines.size()), GetPartOfStrCount(text, n));
            EXPECT_EQ(Joined(lines), text);
            for (size_t i = 0; i + 1 < lines.size(); ++i)
                EXPECT_FALSE(lines[i].empty());
        }
}

TEST(Wrapping, NoWidthMeansNoWrapping)
{
    // A list narrower than four characters gives n <= 0; this must end, one line.
    const std::string text = "a b c\\d";
    for (int n : {0, -1, -4}) {
        EXPECT_EQ(FindBreakPos(text, n), 7);
        EXPECT_EQ(GetPartOfStrCount(text, n), 1);
        EXPECT_EQ(WrapDescription(text, n), std::vector<std::string>{text});
    }
}

}  // namespace
