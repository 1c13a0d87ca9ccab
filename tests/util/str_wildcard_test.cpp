#include "toolkit/util/str_wildcard.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

TEST(StrWildcard, CompareWild) {
    const struct {
        std::string text, pattern;
        int expected;
    } cases[] = {
        {"abc", "a?c", 0},
        {"abc", "abd", 1},
        {"abd", "abc", -1},
        {"ab", "abc", 1},
        {"a\x80", "a?", 0},
        {"a\x80", "a\x7F", -1},
        {"", "", 0},
        {std::string(500, 'x'), std::string(500, '?'), 0},  // longer than the former 199-octet buffer
        {std::string(500, 'x'), std::string(499, '?') + "y", 1},
    };
    for (const auto& c : cases) EXPECT_EQ(StrCompareWild(c.text, c.pattern, '?'), c.expected) << c.pattern;
}

TEST(StrWildcard, MatchUpToStar) {
    EXPECT_EQ(StrMatchUpToStar("abcdef", "abc*x"), 1);
    EXPECT_EQ(StrMatchUpToStar("abx", "abc*"), 0);
    EXPECT_EQ(StrMatchUpToStar("ab", "abc"), 0);
    EXPECT_EQ(StrMatchUpToStar("anything", "*x"), 1);
}

TEST(StrWildcard, FindStarMatch) {
    const struct {
        std::string data, pattern;
        std::optional<std::string> expected;
    } cases[] = {
        {"Title: Hobbit\nAuthor: Tolkien\n", "Author: *", "Author: Tolkien"},
        {"key=abc;rest;", "key=*;", "key=abc;"},
        {"a1 a2 b", "a*b", "a1 a2 b"},
        {"xa1by", "a*b*", "a1by"},
        {"ab\ncd", "a*d", std::nullopt},  // a star does not cross a line feed
        {"xyz", "q", std::nullopt},
        {"aab", "ab", "ab"},
        {"xyz", "", ""},
        {"a*b", "a**b", "a*b"},
        {"p1 p2 q", "p*q", "p1 p2 q"},
        {"ab\x01 ab c", "ab*c", "ab c"},  // the first start fails at the control octet, a later one matches
    };
    for (const auto& c : cases) {
        const auto found = findStarMatch(c.data, c.pattern);
        ASSERT_EQ(found.has_value(), c.expected.has_value()) << c.pattern;
        if (found) {
            EXPECT_EQ(*found, *c.expected) << c.pattern;
        }
    }
}

}  // namespace
