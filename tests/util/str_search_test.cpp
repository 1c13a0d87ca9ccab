#include "toolkit/util/str_search.h"

#include <gtest/gtest.h>

namespace {

TEST(StrSearch, PrefixMatching) {
    const struct {
        const char *text, *prefix;
        int32_t startsWith, skippingBlanks;
    } cases[] = {
        {"abc", "ab", 2, 2},    {"abc", "", 0, 0},         {"ab", "abc", -1, -1},
        {"abc", "b", -1, -1},   {"  a b c", "abc", -1, 7}, {"a bcd", "abc", -1, 4},
        {"a b", "abc", -1, -1}, {"a\tbc", "abc", -1, -1},  // only blanks are passed over
    };
    for (const auto& c : cases) {
        EXPECT_EQ(StrStartsWith(c.text, c.prefix), c.startsWith) << c.text << " / " << c.prefix;
        EXPECT_EQ(StrMatchPrefixSkippingBlanks(c.text, c.prefix), c.skippingBlanks)
            << c.text << " / " << c.prefix;
    }
}

TEST(StrSearch, FindIndexRestartsAfterFailedPartialMatch) {
    const struct {
        const char *text, *pattern;
        int32_t expected;
    } cases[] = {
        {"aab", "ab", 1}, {"ababc", "abc", 2}, {"abc", "", -1},
        {"", "a", -1},    {"abc", "d", -1},    {"abc", "abc", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StrFindIndex(c.text, c.pattern), c.expected) << c.text << " / " << c.pattern;
}

TEST(StrSearch, CaselessSearches) {
    const char* text = "Hello World";
    EXPECT_EQ(StrFindCaseless(text, "WORLD"), text + 6);
    EXPECT_EQ(StrFindCaseless(text, "o w"), text + 4);
    EXPECT_EQ(StrFindCaseless(text, "worlds"), nullptr);
    EXPECT_EQ(StrFindCharCaseless(text, 'L'), text + 2);
    EXPECT_EQ(StrFindCharCaseless(text, 'x'), nullptr);
}

TEST(StrSearch, PointerPositions) {
    const char text[] = "abc";
    const char other[] = "abc";
    EXPECT_EQ(StrIndexOfPointer(text, text + 1), 1);
    EXPECT_EQ(StrIndexOfPointer(text, text + 3), -1);  // the NUL is no octet of the text
    EXPECT_EQ(StrIndexOfPointer(text, other), -1);

    EXPECT_EQ(StrSpanLength(text, text + 2), 2);
    EXPECT_EQ(StrSpanLength(text, text + 3), 3);
    EXPECT_EQ(StrSpanLength(text, text), 0);
    EXPECT_EQ(StrSpanLength(text + 1, text), -1);  // end lies before start: the NUL comes first
}

TEST(StrSearch, CountsOfAnOctet) {
    EXPECT_EQ(StrCountChar("a,b,,c", ','), 3);
    EXPECT_EQ(StrCountChar("", ','), 0);
    EXPECT_EQ(StrRunLength("ab---c--", '-'), 3);
    EXPECT_EQ(StrRunLength("--", '-'), 2);
    EXPECT_EQ(StrRunLength("abc", '-'), 0);
}

}  // namespace
