#include "engine/CookieFiles.h"
#include "engine/CookiesToKeep.h"

#include <gtest/gtest.h>

namespace {

TEST(CookiesToKeepTest, SiteKeepsItselfAndItsSubdomainsOnly)
{
    TKeepList keep({"example.com"});
    for (const char* host : {"example.com", ".example.com", "www.example.com", "a.b.example.com", "EXAMPLE.COM.",
                             "Mail.Example.Com"})
        EXPECT_EQ(keep.SiteKeeping(host), "example.com") << host;
    for (const char* host : {"badexample.com", "example.com.evil.net", "example.co", "xample.com", "example",
                             "com", "example.com-evil.net", "www-example.com", "", ".", "..example.com"})
        EXPECT_EQ(keep.SiteKeeping(host), "") << host;
}

TEST(CookiesToKeepTest, UnusableEntriesAreDroppedAndNeverKeepEverything)
{
    std::string long300(300, 'a');
    std::string longLabel = std::string(64, 'b') + ".com";
    TKeepList keep({"", "   ", ".", "..", "*", "*.", long300 + ".com", longLabel, "com", ".com", "exa mple.com",
                    "example..com", "http://example.com/", "ex\tample.com", "\xe9xample.com"});
    EXPECT_TRUE(keep.Empty());
    for (const char* host : {"example.com", "a.com", "com", "x", ""})
        EXPECT_EQ(keep.SiteKeeping(host), "") << host;
    EXPECT_EQ(keep.SiteMentionedIn("a.com example.com com"), "");
}

TEST(CookiesToKeepTest, EntriesAreNormalisedAndKeptOnce)
{
    TKeepList keep({"  Example.COM ", ".example.com", "*.example.com", "example.com.", "bank.example.org"});
    EXPECT_EQ(keep.Sites(), std::vector<std::string>({"example.com", "bank.example.org"}));
    EXPECT_EQ(keep.SiteKeeping("online.bank.example.org"), "bank.example.org");
    EXPECT_EQ(keep.SiteKeeping("example.org"), "");
    // The longest name a host may have still counts.
    std::string longest = std::string(63, 'a') + "." + std::string(63, 'b') + "." + std::string(63, 'c') + "." +
                          std::string(61, 'd');
    ASSERT_EQ(longest.size(), 253u);
    EXPECT_EQ(NormalSite(longest), longest);
    EXPECT_EQ(NormalSite(longest + "d"), "");
}

TEST(CookiesToKeepTest, MentionNeedsEveryLabelAsAWordOfItsOwn)
{
    TKeepList keep({"example.com"});
    EXPECT_EQ(keep.SiteMentionedIn(std::string("\x07" "example\x03" "com\x00", 13)), "example.com");
    EXPECT_EQ(keep.SiteMentionedIn("host=.EXAMPLE.COM;"), "example.com");
    EXPECT_EQ(keep.SiteMentionedIn("badexample.com"), "");
    EXPECT_EQ(keep.SiteMentionedIn("example.community"), "");
    EXPECT_EQ(keep.SiteMentionedIn(""), "");
}

const char* const Header = "# HTTP Cookie File\r\n# Do not edit.\r\n";

TEST(CookiesToKeepTest, CookiesTxtKeepsHeaderAndTheLinesOfKeptHosts)
{
    std::string text = std::string(Header) + "\r\n" +
                       ".example.com\tTRUE\t/\tFALSE\t1893456000\tsid\tabc\r\n"
                       ".badexample.com\tTRUE\t/\tFALSE\t1893456000\tsid\tbad\r\n"
                       "#HttpOnly_www.example.com\tFALSE\t/\tTRUE\t1893456000\tt\tho\r\n"
                       "example.com.evil.net\tFALSE\t/\tFALSE\t0\tx\tevil\r\n"
                       "# example.com\r\n"
                       "example.com without tabs\r\n"
                       "\r\n"
                       "news.example\tTRUE\t/\tFALSE\t0\tuser\talice\n";
    std::string result;
    std::vector<std::string> sites;
    ASSERT_TRUE(FilterCookiesTxt(text, TKeepList({"example.com"}), result, sites));
    EXPECT_EQ(result, std::string(Header) + "\r\n" + ".example.com\tTRUE\t/\tFALSE\t1893456000\tsid\tabc\r\n" +
                          "#HttpOnly_www.example.com\tFALSE\t/\tTRUE\t1893456000\tt\tho\r\n");
    EXPECT_EQ(sites, std::vector<std::string>({"example.com"}));
    EXPECT_EQ(CookiesTxtHosts(text),
              std::vector<std::string>({".example.com", ".badexample.com", "www.example.com", "example.com.evil.net",
                                        "news.example"}));

    // Nothing kept, or no list: the header alone, as the plain cut leaves it.
    sites.clear();
    ASSERT_TRUE(FilterCookiesTxt(text, TKeepList({"other.org"}), result, sites));
    EXPECT_EQ(result, Header);
    EXPECT_TRUE(sites.empty());
    ASSERT_TRUE(FilterCookiesTxt(text, TKeepList(), result, sites));
    EXPECT_EQ(result, Header);

    // Without an empty line nothing is touched.
    result = "untouched";
    EXPECT_FALSE(FilterCookiesTxt(".example.com\tTRUE\t/\tFALSE\t0\ta\tb\r\n", TKeepList({"example.com"}), result,
                                  sites));
    EXPECT_EQ(result, "untouched");
}

TEST(CookiesToKeepTest, IeCookieFilesAreJudgedByTheHostsOfTheirRecords)
{
    std::string two = "id\n42\nexample.com/\n1024\n1\n2\n3\n4\n*\n"
                      "sid\nx\nmail.example.com/inbox\n0\n1\n2\n3\n4\n*\n";
    EXPECT_EQ(IeCookieHosts(two), std::vector<std::string>({"example.com", "mail.example.com"}));
    TKeepList keep({"example.com"});
    EXPECT_EQ(IeCookieFileSite(two, keep), "example.com");
    EXPECT_EQ(IeCookieFileSite("id\n42\nexample.com/\n", keep), "example.com");
    EXPECT_EQ(IeCookieFileSite("id\n42\nbadexample.com/\n0\n1\n2\n3\n4\n*\n", keep), "");
    // A value naming the site does not keep another site's cookie.
    EXPECT_EQ(IeCookieFileSite("ref\nhttp://example.com/\nads.net/\n0\n1\n2\n3\n4\n*\n", keep), "");
    // Records we cannot read: kept when the site is named anywhere in them.
    EXPECT_TRUE(IeCookieHosts("garbage\nexample.com\n").empty());
    EXPECT_EQ(IeCookieFileSite("garbage\nexample.com\n", keep), "example.com");
    EXPECT_EQ(IeCookieFileSite("id\n1\nads.net/\n0\n1\n2\n3\n4\n*\nbroken\nexample\ncom\n", keep), "example.com");
    EXPECT_EQ(IeCookieFileSite("", keep), "");
}

}  // namespace
