#include "Quorvane/search/sql_date_literal.h"

#include <cstdio>

#include "toolkit/util/str_text.h"

namespace {

// One field of at most width digits after optional white space; none without a digit.
std::optional<int32_t> readField(std::string_view& text, size_t width) {
    while (!text.empty() && octet::isWhite(text.front())) text.remove_prefix(1);
    int32_t value = 0;
    size_t digits = 0;
    while (digits < width && digits < text.size() && octet::isDigit(text[digits])) {
        value = value * 10 + (text[digits] - '0');
        ++digits;
    }
    if (digits == 0) return std::nullopt;
    text.remove_prefix(digits);
    return value;
}

}  // namespace

std::optional<DateParts> ParseDateTerm(std::string_view text) {
    DateParts date;
    std::optional<int32_t> year = readField(text, 4);
    if (!year) return std::nullopt;
    date.year = *year;
    for (int32_t* field : {&date.month, &date.day, &date.hour, &date.minute, &date.second}) {
        std::optional<int32_t> value = readField(text, 2);
        if (!value) break;
        *field = *value;
    }
    return date;
}

std::string FormatDateLiteral(const DateParts& date, DateLiteralStyle style) {
    char literal[64];
    if (style == DateLiteralStyle::Iso) {
        std::snprintf(literal, sizeof literal, "'%04d-%02d-%02d %02d:%02d:%02d'", date.year, date.month,
                      date.day, date.hour, date.minute, date.second);
    } else {
        bool afternoon = date.hour >= 13;
        std::snprintf(literal, sizeof literal, "#%d/%d/%d %d:%d:%d %s#", date.day, date.month, date.year,
                      afternoon ? date.hour - 12 : date.hour, date.minute, date.second,
                      afternoon ? "PM" : "AM");
    }
    return literal;
}

std::optional<std::string> DateToSqlLiteral(std::string_view text, DateLiteralStyle style) {
    std::optional<DateParts> date = ParseDateTerm(text);
    if (!date) return std::nullopt;
    return FormatDateLiteral(*date, style);
}
