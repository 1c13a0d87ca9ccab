#include "toolkit/util/str_class.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using Test = int (*)(std::string_view);

struct ClassCase {
    const char* name;
    Test test;
    std::string text;
    int expected;
};

TEST(StrClass, OneTextTests) {
    const ClassCase cases[] = {
        {"HasAlnum", StrHasAlnum, "", 0},
        {"HasAlnum", StrHasAlnum, " - ", 0},
        {"HasAlnum", StrHasAlnum, "-a-", 1},
        {"HasAlnum", StrHasAlnum, "\xE9", 0},
        {"IsDigitsOrSpaces", StrIsDigitsOrSpaces, "", 0},
        {"IsDigitsOrSpaces", StrIsDigitsOrSpaces, "   ", 1},
        {"IsDigitsOrSpaces", StrIsDigitsOrSpaces, "12 3\n", 1},
        {"IsDigitsOrSpaces", StrIsDigitsOrSpaces, "12a", 0},
        {"IsBlank", StrIsBlank, "", 1},
        {"IsBlank", StrIsBlank, " \t", 1},
        {"IsBlank", StrIsBlank, " \n", 0},
        {"IsAllBlank", StrIsAllBlank, " \t", 1},
        {"IsAllBlank", StrIsAllBlank, " x", 0},
        {"IsWhite", StrIsWhite, "", 1},
        {"IsWhite", StrIsWhite, " \n\r\v\f\t", 1},
        {"IsWhite", StrIsWhite, " x", 0},
        {"IsAlnumOnly", StrIsAlnumOnly, "", 1},
        {"IsAlnumOnly", StrIsAlnumOnly, "ab12", 1},
        {"IsAlnumOnly", StrIsAlnumOnly, "ab 12", 0},
        {"IsAlphaOrWhiteOnly", StrIsAlphaOrWhiteOnly, "ab cd\n", 1},
        {"IsAlphaOrWhiteOnly", StrIsAlphaOrWhiteOnly, "ab1", 0},
        {"IsAlnumOrWhiteOnly", StrIsAlnumOrWhiteOnly, "ab 1", 1},
        {"IsAlnumOrWhiteOnly", StrIsAlnumOrWhiteOnly, "a-b", 0},
        {"IsDigitOrWhiteOnly", StrIsDigitOrWhiteOnly, "", 1},
        {"IsDigitOrWhiteOnly", StrIsDigitOrWhiteOnly, "1 2", 1},
        {"IsDigitOrWhiteOnly", StrIsDigitOrWhiteOnly, "1.2", 0},
        {"HasAlpha", StrHasAlpha, "12a", 1},
        {"HasAlpha", StrHasAlpha, "12", 0},
        {"HasDigit", StrHasDigit, "a1", 1},
        {"HasDigit", StrHasDigit, "ab", 0},
        {"IsNumber", StrIsNumber, "", 1},
        {"IsNumber", StrIsNumber, " \t", 1},
        {"IsNumber", StrIsNumber, " 123\t", 1},
        {"IsNumber", StrIsNumber, "1 2", 0},
        {"IsNumber", StrIsNumber, "\n12", 0},
        {"IsNumber", StrIsNumber, "-1", 0},
        {"HasInnerWhite", StrHasInnerWhite, "a b", 1},
        {"HasInnerWhite", StrHasInnerWhite, "a\tb", 1},
        {"HasInnerWhite", StrHasInnerWhite, " ab ", 0},
        {"HasInnerWhite", StrHasInnerWhite, "  ", 0},
        {"HasInnerWhite", StrHasInnerWhite, "", 0},
        {"HasNonPercent", StrHasNonPercent, "% %", 0},
        {"HasNonPercent", StrHasNonPercent, "%d", 1},
        {"HasNonPercent", StrHasNonPercent, "", 0},
        {"HasNoGraphic", StrHasNoGraphic, "", 1},
        {"HasNoGraphic", StrHasNoGraphic, " \n\x7F\x80", 1},
        {"HasNoGraphic", StrHasNoGraphic, " ~", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(c.test(c.text), c.expected) << c.name << " \"" << c.text << '"';
}

TEST(StrClass, IsWhiteFromTreatsPositionsOutsideAsEnd) {
    EXPECT_EQ(StrIsWhiteFrom("ab  ", 2), 1);
    EXPECT_EQ(StrIsWhiteFrom("ab  ", 1), 0);
    EXPECT_EQ(StrIsWhiteFrom("ab", 2), 1);
    EXPECT_EQ(StrIsWhiteFrom("ab", 9), 1);
    EXPECT_EQ(StrIsWhiteFrom("ab", -1), 1);
}

TEST(StrClass, SetTests) {
    EXPECT_EQ(StrHasNoneOf("abc", "xyz"), 1);
    EXPECT_EQ(StrHasNoneOf("abc", "cx"), 0);
    EXPECT_EQ(StrHasNoneOf("", "x"), 1);
    EXPECT_EQ(StrHasCharOutside("abc", "cba"), 0);
    EXPECT_EQ(StrHasCharOutside("abcd", "abc"), 1);
    EXPECT_EQ(StrHasCharOutside("", "a"), 0);
}

TEST(StrClass, BlankOrDash) {
    for (char ch : {' ', '-', '\0'}) EXPECT_EQ(StrIsBlankOrDash(ch), 1) << int{ch};
    for (char ch : {'\t', 'a', '_'}) EXPECT_EQ(StrIsBlankOrDash(ch), 0) << int{ch};
}

TEST(StrClass, IsSoleWord) {
    const struct {
        const char *text, *word;
        int expected;
    } cases[] = {
        {"  USMARC. ", "USMARC", 1}, {"12 USMARC 3", "USMARC", 1}, {"USMARC x", "USMARC", 0},
        {"US MARC", "USMARC", 0},    {"ab ab", "ab", 0},           {"", "ab", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(StrIsSoleWord(c.text, c.word), c.expected) << c.text;
}

}  // namespace
