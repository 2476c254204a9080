#include "primitives/Errors.h"
#include "primitives/MatchesMask.h"

#include <gtest/gtest.h>

namespace {

std::string ErrorOf(const std::string& mask)
{
    try {
        MatchesMask("name", mask);
    } catch (const Exception& error) {
        return error.what();
    }
    return "no error";
}

TEST(MatchesMask, StarsAndQuestionMarks)
{
    EXPECT_TRUE(MatchesMask("abc", "A*"));
    EXPECT_FALSE(MatchesMask("abc", "A?"));
    EXPECT_TRUE(MatchesMask("abc", "*?"));
    EXPECT_TRUE(MatchesMask("abc", "a??"));
    EXPECT_FALSE(MatchesMask("abc", "a???"));
    EXPECT_TRUE(MatchesMask("", "*"));
    EXPECT_FALSE(MatchesMask("", "?"));
    EXPECT_TRUE(MatchesMask("", ""));
    EXPECT_FALSE(MatchesMask("a", ""));
    EXPECT_TRUE(MatchesMask("cookies.txt", "*.txt"));
    EXPECT_FALSE(MatchesMask("cookies.txt.bak", "*.txt"));
    EXPECT_TRUE(MatchesMask("a.b.c.txt", "*.*.txt"));
    EXPECT_TRUE(MatchesMask("aXbXc", "*x*x*"));
    EXPECT_FALSE(MatchesMask("aXbc", "*x*x*"));
}

TEST(MatchesMask, WholeNameAndAsciiCaseOnly)
{
    EXPECT_TRUE(MatchesMask("MRU_", "mru_"));
    EXPECT_TRUE(MatchesMask("mru_", "MRU_"));
    EXPECT_FALSE(MatchesMask("mru_1", "mru_"));
    EXPECT_FALSE(MatchesMask("xmru_", "mru_"));
    // Accented letters compare exactly.
    EXPECT_FALSE(MatchesMask("\xE9", "\xC9"));
    EXPECT_TRUE(MatchesMask("\xE9", "\xE9"));
}

TEST(MatchesMask, NameWithoutDotAgainstStarDotStar)
{
    EXPECT_FALSE(MatchesMask("README", "*.*"));
    EXPECT_TRUE(MatchesMask("a.", "*.*"));
}

TEST(MatchesMask, Sets)
{
    EXPECT_TRUE(MatchesMask("m", "[a-z]"));
    EXPECT_TRUE(MatchesMask("M", "[a-z]"));
    EXPECT_FALSE(MatchesMask("m", "[!a-z]"));
    EXPECT_TRUE(MatchesMask("5", "[!a-z]"));
    EXPECT_TRUE(MatchesMask("index.dat", "[ix]ndex.dat"));
    EXPECT_TRUE(MatchesMask("file7.log", "file[0-9].log"));
    EXPECT_FALSE(MatchesMask("fileA.log", "file[0-9].log"));
    EXPECT_TRUE(MatchesMask("abc9", "*[0-9]"));
    // A range whose end is below its start adds nothing.
    EXPECT_TRUE(MatchesMask("a", "[z-ab]") == false);
    EXPECT_TRUE(MatchesMask("b", "[z-ab]"));
    // A negated set never matches past the end of the name.
    EXPECT_FALSE(MatchesMask("", "[!a]"));
    EXPECT_FALSE(MatchesMask("ab", "ab[!a]"));
}

TEST(MatchesMask, InvalidMasksNameTheirPosition)
{
    EXPECT_EQ(ErrorOf("[abc"), "'[abc' is an invalid mask at (5)");
    EXPECT_EQ(ErrorOf("x[-a]"), "'x[-a]' is an invalid mask at (3)");
    EXPECT_EQ(ErrorOf("[]"), "'[]' is an invalid mask at (2)");
    EXPECT_EQ(ErrorOf("[!]"), "'[!]' is an invalid mask at (3)");
    EXPECT_EQ(ErrorOf("[a-"), "'[a-' is an invalid mask at (4)");
    EXPECT_EQ(ErrorOf("[a-z]"), "no error");
}

TEST(MatchesMask, AtMostThirtyElementsFollowAStar)
{
    std::string thirty, thirtyOne;
    for (int i = 0; i < 29; ++i)
        thirty += "*a";
    thirty += "*";  // the end of the mask counts as an element after a star
    EXPECT_EQ(ErrorOf(thirty), "no error");
    thirtyOne = thirty + "a*";
    EXPECT_EQ(ErrorOf(thirtyOne), "'" + thirtyOne + "' is an invalid mask at (" +
                                      std::to_string(thirtyOne.size() + 1) + ")");
}

TEST(MatchesMask, BacktracksThroughSeveralStars)
{
    EXPECT_TRUE(MatchesMask("index.dat.old.dat", "*.dat"));
    EXPECT_TRUE(MatchesMask("aaaaaaaaab", "*a*a*b"));
    EXPECT_FALSE(MatchesMask("aaaaaaaaaa", "*a*a*b"));
}

}  // namespace
