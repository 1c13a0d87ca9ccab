#include "toolkit/util/str_number.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <limits>
#include <string>

namespace {

TEST(StrNumber, ToIntAndFromInt) {
    const struct {
        const char* text;
        int32_t expected;
    } cases[] = {
        {"42", 42},
        {"  -7x", -7},
        {"+5", 5},
        {"abc", 0},
        {"", 0},
        {"99999999999", std::numeric_limits<int32_t>::max()},
        {"-99999999999", std::numeric_limits<int32_t>::min()},
    };
    for (const auto& c : cases) EXPECT_EQ(StrToInt(c.text), c.expected) << c.text;

    std::string out;
    StrFromInt(-12, out);
    EXPECT_EQ(out, "-12");
}

TEST(StrNumber, NextNumberWalksTheNumbers) {
    const std::string text = "ab12cd345e";
    int32_t position = 0;
    std::string out;
    EXPECT_EQ(StrNextNumber(text, position, out), 1);
    EXPECT_EQ(out, "12");
    EXPECT_EQ(position, 4);
    EXPECT_EQ(StrNextNumber(text, position, out), 1);
    EXPECT_EQ(out, "345");
    EXPECT_EQ(position, 9);
    EXPECT_EQ(StrNextNumber(text, position, out), 0);
    EXPECT_EQ(out, "");
    EXPECT_EQ(position, 10);

    position = 20;  // past the text: a failure to test, not the end of the process
    EXPECT_EQ(StrNextNumber(text, position, out), 0);
    EXPECT_EQ(position, 20);
}

TEST(StrNumber, NextDigitsKeepsAtMost99Digits) {
    const std::string text = "x" + std::string(150, '7') + "y";
    int32_t position = 0;
    std::string out;
    EXPECT_EQ(StrNextDigits(text, position, out), 1);
    EXPECT_EQ(out, std::string(99, '7'));
    EXPECT_EQ(position, 151);
    EXPECT_EQ(StrNextDigits(text, position, out), 0);  // no digit follows: out and position kept
    EXPECT_EQ(out, std::string(99, '7'));
    EXPECT_EQ(position, 151);
    position = 500;
    EXPECT_EQ(StrNextDigits(text, position, out), 0);
    EXPECT_EQ(position, 500);
}

TEST(StrNumber, LastNumber) {
    std::string out = "keep";
    StrLastNumber("abc", out);
    EXPECT_EQ(out, "keep");
    StrLastNumber("v1.23b", out);
    EXPECT_EQ(out, "23");
}

TEST(StrNumber, AddNumbers) {
    const struct {
        const char *a, *b, *expected;
    } cases[] = {
        {"2", "3", "5"},  {"1.5", "2", "3.500000"},
        {"-1", "1", "0"}, {"2147483647", "1", "2147483648"},  // the integer sum does not overflow
        {"x", "", "0"},
    };
    for (const auto& c : cases) EXPECT_EQ(StrAddNumbers(c.a, c.b), c.expected) << c.a << " + " << c.b;
}

TEST(StrNumber, PairGreater) {
    const struct {
        const char *a, *b;
        int expected;
    } cases[] = {
        {"3,1", "2,9", 1},  {"2,5", "2,4", 1}, {"2,4", "2,4", 0},
        {"-1,0", "1,0", 0}, {"2", "1,9", 1},   {"1,-1", "1,0", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(StrPairGreater(c.a, c.b), c.expected) << c.a << " > " << c.b;
}

TEST(StrNumber, NumberEdits) {
    using Edit = std::function<void(std::string&)>;
    const struct {
        const char* name;
        Edit edit;
        std::string text, expected;
    } cases[] = {
        {"DropLeadingZeros", StrDropLeadingZeros, "007 and 0", "7 and "},
        {"DropLeadingZeros", StrDropLeadingZeros, "100 200", "100 200"},
        {"DropLeadingZeros", StrDropLeadingZeros, "0.05", ".5"},
        {"PadNumbers", [](std::string& t) { StrPadNumbers(t, 3); }, "a1b22c333d4444", "a001b022c333d4444"},
        {"PadNumbers", [](std::string& t) { StrPadNumbers(t, 12); }, "7-8", "000000000007-000000000008"},
        {"PadNumbers", [](std::string& t) { StrPadNumbers(t, 3); }, "x", "x"},
        {"DropPointsBetweenDigits", StrDropPointsBetweenDigits, "1.2.3", "123"},
        {"DropPointsBetweenDigits", StrDropPointsBetweenDigits, "a.1 1..2 1.", "a.1 1..2 1."},
    };
    for (const auto& c : cases) {
        std::string text = c.text;
        c.edit(text);
        EXPECT_EQ(text, c.expected) << c.name << " on \"" << c.text << '"';
    }
}

TEST(StrNumber, StripTrailingDigitsReportsAllDigitTexts) {
    const struct {
        const char* text;
        std::string expected;
        int result;
    } cases[] = {{"a1", "a", 1}, {"ab12", "ab", 1}, {"ab", "ab", 1}, {"12", "", 0}, {"", "", 0}};
    for (const auto& c : cases) {
        std::string out = "old";
        EXPECT_EQ(StrStripTrailingDigits(c.text, out), c.result) << c.text;
        EXPECT_EQ(out, c.expected) << c.text;
    }
}

}  // namespace
