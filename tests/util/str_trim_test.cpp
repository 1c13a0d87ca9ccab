#include "toolkit/util/str_trim.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(StrTrim, LeadingAndTrailingRemoveBlanksAndTabsOnly) {
    const struct {
        std::string input, leading, trailing;
    } cases[] = {
        {"", "", ""},
        {" \t ", "", ""},
        {"\t a b \t", "a b \t", "\t a b"},
        {"ab", "ab", "ab"},
        {"\na\n", "\na\n", "\na\n"},
    };
    for (const auto& c : cases) {
        std::string leading = c.input;
        StrTrimLeading(leading);
        EXPECT_EQ(leading, c.leading) << '"' << c.input << '"';
        std::string trailing = c.input;
        StrTrimTrailing(trailing);
        EXPECT_EQ(trailing, c.trailing) << '"' << c.input << '"';
    }
}

TEST(StrTrim, TrailingCharAndTrailingWhite) {
    std::string dots = "abc...";
    StrTrimTrailingChar(dots, '.');
    EXPECT_EQ(dots, "abc");
    std::string allDots = "...";
    StrTrimTrailingChar(allDots, '.');
    EXPECT_EQ(allDots, "");

    const struct {
        std::string input, expected;
        char last;
    } cases[] = {
        {"ab \t\r\n", "ab", 'b'},
        {"ab\v", "ab\v", '\v'},  // vertical tab is not among the trimmed octets
        {" \n", "", '\0'},
        {"", "", '\0'},
    };
    for (const auto& c : cases) {
        std::string text = c.input;
        EXPECT_EQ(StrTrimTrailingWhite(text), c.last);
        EXPECT_EQ(text, c.expected);
    }
}

TEST(StrTrim, SquashBlanks) {
    const struct {
        std::string input, expected;
    } cases[] = {{"a \t  b\t", "a b "}, {"", ""}, {"\t\t", " "}, {"a b", "a b"}};
    for (const auto& c : cases) {
        std::string text = c.input;
        EXPECT_EQ(StrSquashBlanks(text), static_cast<int32_t>(c.expected.size()));
        EXPECT_EQ(text, c.expected);
    }
}

TEST(StrTrim, SkipBlanksAndSkipWhite) {
    const char* blanks = " \t\nx";
    EXPECT_EQ(StrSkipBlanks(blanks), blanks + 2);
    const char* onlyBlanks = "  ";
    EXPECT_EQ(StrSkipBlanks(onlyBlanks), onlyBlanks + 2);

    const char* white = " \n\r\tx";
    EXPECT_EQ(StrSkipWhite(white), white + 4);
    const char* onlyWhite = " \n\t";
    EXPECT_EQ(StrSkipWhite(onlyWhite), onlyWhite);  // all white: the text itself
}

}  // namespace
