#pragma once
// Month names and days of the year (conventions in str_text.h).

#include <cstdint>
#include <string>
#include <string_view>

// out := "01" .. "12" when name is "Jan" .. "Dec" (exact case), else "00".
void StrMonthToNumber(std::string_view name, std::string& out);
// The day of the year of the date given as three texts. The month is a name ("JAN" .. "DEC", September as
// "SEPT", any case) or a number without leading zero ("1" .. "12"); a year of 94 or less is 2000 + year,
// 95 to 99 is 1900 + year. -1 when the month matches neither.
int32_t StrDayOfYear(std::string_view month, std::string_view day, std::string_view year);
