#pragma once
// Date literals of search statements, built only from the integers read from a date term.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

enum class DateLiteralStyle {
    Access,  // #d/m/y h:m:s AM# with a 12-hour clock (the default)
    Iso,     // 'YYYY-MM-DD HH:MM:SS'
};

struct DateParts {
    int32_t year = 0;
    int32_t month = 1;
    int32_t day = 1;
    int32_t hour = 0;
    int32_t minute = 0;
    int32_t second = 0;
};

// Year, month, day, hour, minute and second read as four digits and then two digits each, every field
// after optional white space and with at least one digit; reading stops at the first field that cannot be
// read, whose value and those after it keep their defaults. None when the year cannot be read.
std::optional<DateParts> ParseDateTerm(std::string_view text);

// Access: "#%d/%d/%d %d:%d:%d %s#" with day, month, year, the hour less 12 from 13 on, minute, second and
// "PM" from hour 13 on, else "AM". Iso: "'%04d-%02d-%02d %02d:%02d:%02d'".
std::string FormatDateLiteral(const DateParts& date, DateLiteralStyle style);

// The literal of a date term; none when ParseDateTerm finds no year.
std::optional<std::string> DateToSqlLiteral(std::string_view text, DateLiteralStyle style);
