#include "toolkit/util/str_date.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(StrDate, MonthToNumber) {
    const struct {
        const char *name, *expected;
    } cases[] = {{"Jan", "01"}, {"Sep", "09"}, {"Dec", "12"}, {"jan", "00"}, {"Sept", "00"}, {"", "00"}};
    for (const auto& c : cases) {
        std::string out = "old";
        StrMonthToNumber(c.name, out);
        EXPECT_EQ(out, c.expected) << c.name;
    }
}

TEST(StrDate, DayOfYear) {
    const struct {
        const char *month, *day, *year;
        int32_t expected;
    } cases[] = {
        {"MAR", "1", "00", 61},     // 2000 is a leap year
        {"3", "1", "1900", 60},     // 1900 is not
        {"sept", "30", "99", 273},  // 1999
        {"Jan", "5", "2023", 5},
        {"FEB", "29", "96", 60},
        {"12", "31", "2000", 366},
        {"DEC", "31", "2100", 365},
        {"09", "1", "2000", -1},   // numbers with a leading zero match no month
        {"Sep", "1", "2000", -1},  // September is written SEPT
        {"Foo", "1", "2000", -1},
        {"DEC", "99999999999", "2000", 2147483647},  // held at the limit, no overflow
    };
    for (const auto& c : cases) {
        EXPECT_EQ(StrDayOfYear(c.month, c.day, c.year), c.expected)
            << c.month << ' ' << c.day << ' ' << c.year;
    }
}

}  // namespace
