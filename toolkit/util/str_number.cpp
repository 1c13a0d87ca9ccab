#include "toolkit/util/str_number.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <utility>

#include "toolkit/util/str_text.h"

namespace {

constexpr size_t kMaxNextDigits = 99;

// Reads an integer from at as "%d" does, held at the 32-bit limits; moves at past it. No value (at kept)
// when no digit follows the white space and sign.
std::optional<int32_t> scanInt(std::string_view text, size_t& at) {
    size_t i = at;
    while (i < text.size() && octet::isWhite(text[i])) ++i;
    const bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
    if (i == text.size() || !octet::isDigit(text[i])) return std::nullopt;
    constexpr int64_t kCap = int64_t{std::numeric_limits<int32_t>::max()} + 1;
    int64_t value = 0;
    for (; i < text.size() && octet::isDigit(text[i]); ++i) {
        value = std::min(value * 10 + (text[i] - '0'), kCap);
    }
    at = i;
    if (negative) return static_cast<int32_t>(-value);
    return static_cast<int32_t>(std::min(value, kCap - 1));
}

// The first run of digits at or after from, as {start, end}; no value when there is none.
std::optional<std::pair<size_t, size_t>> nextDigitRun(std::string_view text, size_t from) {
    size_t start = from;
    while (start < text.size() && !octet::isDigit(text[start])) ++start;
    if (start == text.size()) return std::nullopt;
    size_t end = start;
    while (end < text.size() && octet::isDigit(text[end])) ++end;
    return std::pair{start, end};
}

double scanReal(std::string_view text) {
    const std::string copy(text);
    return std::strtod(copy.c_str(), nullptr);
}

std::pair<int32_t, int32_t> scanPair(std::string_view text) {
    size_t at = 0;
    const auto first = scanInt(text, at);
    if (!first) return {0, 0};
    if (at == text.size() || text[at] != ',') return {*first, 0};
    ++at;
    return {*first, scanInt(text, at).value_or(0)};
}

}  // namespace

int32_t StrToInt(std::string_view text) {
    size_t at = 0;
    return scanInt(text, at).value_or(0);
}

void StrFromInt(int32_t value, std::string& out) {
    out = std::to_string(value);
}

int StrNextNumber(std::string_view text, int32_t& position, std::string& out) {
    out.clear();
    const auto index = octet::indexOf(text, position);
    if (!index) return 0;
    const auto run = nextDigitRun(text, *index);
    if (!run) {
        position = octet::position(text.size());
        return 0;
    }
    out.assign(text.substr(run->first, run->second - run->first));
    position = octet::position(run->second);
    return 1;
}

int StrNextDigits(std::string_view text, int32_t& position, std::string& out) {
    const auto index = octet::indexOf(text, position);
    if (!index) return 0;
    const auto run = nextDigitRun(text, *index);
    if (!run) return 0;
    out.assign(text.substr(run->first, std::min(run->second - run->first, kMaxNextDigits)));
    position = octet::position(run->second);
    return 1;
}

void StrLastNumber(std::string_view text, std::string& out) {
    size_t end = text.size();
    while (end > 0 && !octet::isDigit(text[end - 1])) --end;
    if (end == 0) return;
    size_t start = end;
    while (start > 0 && octet::isDigit(text[start - 1])) --start;
    out.assign(text.substr(start, end - start));
}

std::string StrAddNumbers(std::string_view a, std::string_view b) {
    const bool realA = a.find('.') != std::string_view::npos;
    const bool realB = b.find('.') != std::string_view::npos;
    if (!realA && !realB) return std::to_string(int64_t{StrToInt(a)} + StrToInt(b));
    const double sum = (realA ? scanReal(a) : StrToInt(a)) + (realB ? scanReal(b) : StrToInt(b));
    std::string out(static_cast<size_t>(std::snprintf(nullptr, 0, "%f", sum)), '\0');
    std::snprintf(out.data(), out.size() + 1, "%f", sum);
    return out;
}

int StrPairGreater(std::string_view a, std::string_view b) {
    const auto [a1, a2] = scanPair(a);
    const auto [b1, b2] = scanPair(b);
    if (a1 != b1) return a1 > b1 ? 1 : 0;
    return a2 > b2 ? 1 : 0;
}

void StrDropLeadingZeros(std::string& text) {
    size_t kept = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '0' && (kept == 0 || !octet::isDigit(text[kept - 1]))) continue;
        text[kept++] = text[i];
    }
    text.resize(kept);
}

void StrPadNumbers(std::string& text, int32_t width) {
    std::string result;
    size_t from = 0;
    while (const auto run = nextDigitRun(text, from)) {
        result.append(text, from, run->first - from);
        const size_t length = run->second - run->first;
        if (width > 0 && length < static_cast<size_t>(width))
            result.append(static_cast<size_t>(width) - length, '0');
        result.append(text, run->first, length);
        from = run->second;
    }
    result.append(text, from);
    text = std::move(result);
}

void StrDropPointsBetweenDigits(std::string& text) {
    std::string result;
    for (size_t i = 0; i < text.size(); ++i) {
        const bool between =
            i > 0 && i + 1 < text.size() && octet::isDigit(text[i - 1]) && octet::isDigit(text[i + 1]);
        if (text[i] != '.' || !between) result.push_back(text[i]);
    }
    text = std::move(result);
}

int StrStripTrailingDigits(std::string_view text, std::string& out) {
    size_t end = text.size();
    while (end > 0 && octet::isDigit(text[end - 1])) --end;
    out.assign(text.substr(0, end));
    return end > 0 ? 1 : 0;
}
