#include "toolkit/util/text_format.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(TextFormat, FindMarkers) {
    const struct {
        const char* text;
        std::string marker;
        int result;
    } cases[] = {
        {"Total %d items", "%d", 1}, {"100%", "", 0}, {"%%s", "%s", 1}, {"", "", 0}, {"%x %n", "%n", 1},
    };
    for (const auto& c : cases) {
        std::string out = "old";
        EXPECT_EQ(StrFindFormatMarker(c.text, out), c.result) << c.text;
        EXPECT_EQ(out, c.marker) << c.text;
    }

    const char* mixed = "a %s b %d";
    EXPECT_EQ(StrFindAnyMarker(mixed), mixed + 7);  // "%d" anywhere comes before "%s"
    const char* noDecimal = "%n %s";
    EXPECT_EQ(StrFindAnyMarker(noDecimal), noDecimal + 3);
    EXPECT_EQ(StrFindAnyMarker("none %x"), nullptr);
}

TEST(TextFormat, FillMarkerRight) {
    const struct {
        std::string format, value, expected;
        int result;
    } cases[] = {
        {"          %d", "42", "          42", 1},
        {"          %d", "12345", "       12345", 1},
        {"x%dy", "7", "x 7y", 1},
        {"ab%d|", "12345", "12345|", 1},  // reaches before the start: the format grows at its start
        {"no marker", "1", "no marker", 0},
    };
    for (const auto& c : cases) {
        std::string format = c.format;
        EXPECT_EQ(StrFillMarkerRight(format, c.value), c.result) << c.format;
        EXPECT_EQ(format, c.expected) << c.format;
    }
}

TEST(TextFormat, FillMarkerLeft) {
    const struct {
        std::string format, value, expected;
        int result;
    } cases[] = {
        {"%s          ", "abc", "abc         ", 1},
        {"ab%s", " \txyz", "abxyz", 1},  // reaches past the end: the format grows
        {"a%sb", "", "a  b", 1},
        {"none", "x", "none", 0},
    };
    for (const auto& c : cases) {
        std::string format = c.format;
        EXPECT_EQ(StrFillMarkerLeft(format, c.value), c.result) << c.format;
        EXPECT_EQ(format, c.expected) << c.format;
    }
}

TEST(TextFormat, LengthEstimate) {
    EXPECT_EQ(StrFormatLengthEstimate("ab%dcd%sef"), 110);
    EXPECT_EQ(StrFormatLengthEstimate("%n"), 302);
    EXPECT_EQ(StrFormatLengthEstimate(""), 0);
}

}  // namespace
