#include "Quorvane/platform/profile.h"

#include <climits>
#include <fstream>
#include <optional>
#include <string_view>

namespace platform {
namespace {

constexpr std::string_view kBlanks = " \t\r\n\f\v";

std::string_view trim(std::string_view text) {
    size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    size_t last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

std::string_view unquote(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

// The raw (trimmed, unquoted) value of the first occurrence of the key in a section of that name.
// Same-named sections are searched in file order.
std::optional<std::string> findValue(const std::string& file, std::string_view section,
                                     std::string_view key) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::string line;
    bool inSection = false;
    bool firstLine = true;
    while (std::getline(in, line)) {
        std::string_view text(line);
        if (firstLine && text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
        firstLine = false;
        text = trim(text);
        if (text.empty() || text.front() == ';') continue;
        if (text.front() == '[') {
            size_t close = text.rfind(']');
            if (close == std::string_view::npos) continue;
            inSection = equalsIgnoringCase(trim(text.substr(1, close - 1)), section);
            continue;
        }
        if (!inSection) continue;
        size_t equals = text.find('=');
        if (equals == std::string_view::npos) continue;
        if (!equalsIgnoringCase(trim(text.substr(0, equals)), key)) continue;
        return std::string(unquote(trim(text.substr(equals + 1))));
    }
    return std::nullopt;
}

}  // namespace

std::string readProfileString(const std::string& file, const std::string& section, const std::string& key,
                              const std::string& defaultValue) {
    std::optional<std::string> value = findValue(file, section, key);
    return value ? *value : defaultValue;
}

int readProfileInt(const std::string& file, const std::string& section, const std::string& key,
                   int defaultValue) {
    std::optional<std::string> value = findValue(file, section, key);
    if (!value) return defaultValue;
    std::string_view text(*value);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || text.front() < '0' || text.front() > '9') return defaultValue;
    long long magnitude = 0;
    for (char c : text) {
        if (c < '0' || c > '9') break;
        if (magnitude <= static_cast<long long>(INT_MAX) + 1) magnitude = magnitude * 10 + (c - '0');
    }
    long long result = negative ? -magnitude : magnitude;
    if (result > INT_MAX) return INT_MAX;
    if (result < INT_MIN) return INT_MIN;
    return static_cast<int>(result);
}

}  // namespace platform
