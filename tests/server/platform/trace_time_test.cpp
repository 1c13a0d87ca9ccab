#include "Quorvane/platform/trace_time.h"

#include <gtest/gtest.h>

#include <ctime>

namespace {

std::tm dateTime(int year, int month, int day, int hour, int minute, int second) {
    std::tm time{};
    time.tm_year = year - 1900;
    time.tm_mon = month - 1;
    time.tm_mday = day;
    time.tm_hour = hour;
    time.tm_min = minute;
    time.tm_sec = second;
    std::time_t seconds = ::timegm(&time);  // fills in the day of the week
    ::gmtime_r(&seconds, &time);
    return time;
}

TEST(TraceTime, LongDateAndTime) {
    EXPECT_EQ(platform::longDateTime(dateTime(1995, 3, 14, 12, 41, 29)), "Tuesday, March 14, 1995, 12:41:29");
    EXPECT_EQ(platform::longDateTime(dateTime(2024, 1, 5, 7, 3, 9)), "Friday, January 05, 2024, 07:03:09");
}

}  // namespace
