#include "toolkit/util/str_extract.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <new>

#include "toolkit/util/err_report.h"
#include "toolkit/util/str_text.h"

char* StrDup(std::string_view text) {
    if (text.size() >= static_cast<size_t>(std::numeric_limits<int32_t>::max())) throw std::bad_alloc();
    auto* copy = static_cast<char*>(ErrAllocString(static_cast<int32_t>(text.size() + 1), "STR1"));
    if (!text.empty()) std::memcpy(copy, text.data(), text.size());
    return copy;
}

int32_t StrCopyN(std::string& destination, std::string_view source, int32_t n) {
    destination.assign(source.substr(0, n < 0 ? 0 : static_cast<size_t>(n)));
    return octet::position(destination.size());
}

int StrCopyRange(std::string& out, std::string_view text, int32_t from, int32_t to) {
    out.clear();
    const size_t begin = from < 0 ? 0 : static_cast<size_t>(from);
    const size_t end = to < 0 ? text.size() : std::min(static_cast<size_t>(to) + 1, text.size());
    if (begin >= end) return 0;
    out.assign(text.substr(begin, end - begin));
    return std::any_of(out.begin(), out.end(), octet::isAlnum) ? 1 : 0;
}

int32_t StrCopyUntilChar(std::string_view text, int32_t position, char ch, std::string& out) {
    out.clear();
    const auto index = octet::indexOf(text, position);
    if (!index) return 0;
    const std::string_view rest = text.substr(*index);
    out.assign(rest.substr(0, rest.find(ch)));
    return octet::position(out.size());
}

int StrFirstToken(std::string_view text, char separator, std::string& out) {
    const size_t start = text.find_first_not_of(separator);
    if (start == std::string_view::npos) {
        out.clear();
        return 0;
    }
    const std::string_view rest = text.substr(start);
    out.assign(rest.substr(0, rest.find(separator)));
    return 1;
}

std::string StrNthWord(std::string_view text, int32_t n) {
    size_t i = 0;
    for (int32_t count = 1; n >= 1; ++count) {
        while (i < text.size() && !octet::isGraphic(text[i])) ++i;
        if (i == text.size()) break;
        const size_t start = i;
        while (i < text.size() && octet::isGraphic(text[i])) ++i;
        if (count == n) return std::string(text.substr(start, i - start));
    }
    return {};
}

int StrNthField(std::string_view text, int32_t n, std::string& out) {
    out.clear();
    if (n < 1) return 0;
    size_t start = 0;
    for (int32_t field = 1; field < n; ++field) {
        const size_t separator = text.find_first_of("\n!", start);
        if (separator == std::string_view::npos) return 0;
        start = separator + 1;
    }
    const std::string_view rest = text.substr(start);
    out.assign(rest.substr(0, rest.find_first_of("\n!")));
    return 1;
}

int32_t StrMaxLength(std::span<const std::string_view> texts) {
    size_t longest = 0;
    for (const std::string_view text : texts) longest = std::max(longest, text.size());
    return octet::position(longest);
}

int32_t StrLongestWord(std::string_view text) {
    size_t longest = 0;
    size_t run = 0;
    for (const char c : text) {
        run = octet::isWhite(c) ? 0 : run + 1;
        longest = std::max(longest, run);
    }
    return octet::position(longest);
}
