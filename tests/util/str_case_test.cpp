#include "toolkit/util/str_case.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(StrCase, LowerAndUpperTouchAsciiLettersOnly) {
    std::string text = "AbC xyz-09 \xC4\xE4";
    StrLower(text);
    EXPECT_EQ(text, "abc xyz-09 \xC4\xE4");
    StrUpper(text);
    EXPECT_EQ(text, "ABC XYZ-09 \xC4\xE4");
}

TEST(StrCase, CapitalizeWordsStartsWordsAfterNonAlnum) {
    const struct {
        std::string input, expected;
    } cases[] = {
        {"hello WORLD", "Hello World"},
        {"3rd street", "3rd Street"},
        {"o'neil-SMITH", "O'Neil-Smith"},
        {"a1b c", "A1b C"},
        {"", ""},
    };
    for (const auto& c : cases) {
        std::string text = c.input;
        EXPECT_EQ(StrCapitalizeWords(text), 0);
        EXPECT_EQ(text, c.expected) << c.input;
    }
}

TEST(StrCase, CaseCompareIgnoresCaseAndComparesUnsigned) {
    const struct {
        const char *a, *b;
        int expected;
    } cases[] = {
        {"abc", "ABC", 0}, {"abc", "abd", -1}, {"b", "A", 1},     {"ab", "abc", -1},
        {"abc", "ab", 1},  {"\x80", "z", 1},   {"z", "\x80", -1}, {"", "", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(StrCaseCompare(c.a, c.b), c.expected) << c.a << " / " << c.b;
}

}  // namespace
