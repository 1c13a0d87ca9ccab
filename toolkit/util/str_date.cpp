#include "toolkit/util/str_date.h"

#include <array>

#include "toolkit/util/str_case.h"
#include "toolkit/util/str_number.h"
#include "toolkit/util/str_text.h"

namespace {

struct MonthRow {
    std::string_view name;
    std::string_view number;
    int32_t offset;  // days before the month in a common year
};

constexpr std::array<MonthRow, 12> kMonths{{
    {"JAN", "1", 0},
    {"FEB", "2", 31},
    {"MAR", "3", 59},
    {"APR", "4", 90},
    {"MAY", "5", 120},
    {"JUN", "6", 151},
    {"JUL", "7", 181},
    {"AUG", "8", 212},
    {"SEPT", "9", 243},
    {"OCT", "10", 273},
    {"NOV", "11", 304},
    {"DEC", "12", 334},
}};

constexpr std::array<std::string_view, 12> kShortNames{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                       "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

int32_t fullYear(int32_t year) {
    if (year <= 94) return 2000 + year;
    if (year <= 99) return 1900 + year;
    return year;
}

bool isLeap(int32_t year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

}  // namespace

void StrMonthToNumber(std::string_view name, std::string& out) {
    out = "00";
    for (size_t i = 0; i < kShortNames.size(); ++i) {
        if (name == kShortNames[i]) {
            out[0] = static_cast<char>('0' + (i + 1) / 10);
            out[1] = static_cast<char>('0' + (i + 1) % 10);
        }
    }
}

int32_t StrDayOfYear(std::string_view month, std::string_view day, std::string_view year) {
    const int32_t leap = isLeap(fullYear(StrToInt(year))) ? 1 : 0;
    const int32_t dayOfMonth = StrToInt(day);
    for (size_t i = 0; i < kMonths.size(); ++i) {
        const MonthRow& row = kMonths[i];
        if (StrCaseCompare(month, row.name) == 0 || month == row.number) {
            return octet::clampToInt32(int64_t{dayOfMonth} + row.offset + (i >= 2 ? leap : 0));
        }
    }
    return -1;
}
