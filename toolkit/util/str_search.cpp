#include "toolkit/util/str_search.h"

#include <algorithm>
#include <cstring>
#include <functional>

#include "toolkit/util/str_text.h"

namespace {

bool equalCaseless(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return octet::toLower(x) == octet::toLower(y); });
}

}  // namespace

int32_t StrStartsWith(std::string_view text, std::string_view prefix) {
    return text.starts_with(prefix) ? octet::position(prefix.size()) : -1;
}

int32_t StrMatchPrefixSkippingBlanks(std::string_view text, std::string_view prefix) {
    size_t walked = 0;
    for (const char wanted : prefix) {
        while (walked < text.size() && text[walked] == ' ') ++walked;
        if (walked == text.size() || text[walked] != wanted) return -1;
        ++walked;
    }
    return octet::position(walked);
}

int32_t StrFindIndex(std::string_view text, std::string_view pattern) {
    if (text.empty() || pattern.empty()) return -1;
    const size_t at = text.find(pattern);
    return at == std::string_view::npos ? -1 : octet::position(at);
}

const char* StrFindCaseless(const char* text, std::string_view pattern) {
    const std::string_view whole(text);
    for (size_t start = 0; start + pattern.size() <= whole.size(); ++start) {
        if (equalCaseless(whole.substr(start, pattern.size()), pattern)) return text + start;
    }
    return nullptr;
}

const char* StrFindCharCaseless(const char* text, char ch) {
    for (; *text != '\0'; ++text) {
        if (octet::toLower(*text) == octet::toLower(ch)) return text;
    }
    return nullptr;
}

int32_t StrIndexOfPointer(const char* text, const char* pointer) {
    const std::less<const char*> before;
    if (before(pointer, text) || !before(pointer, text + std::strlen(text))) return -1;
    return octet::position(static_cast<size_t>(pointer - text));
}

int32_t StrSpanLength(const char* start, const char* end) {
    size_t count = 0;
    for (; start + count != end; ++count) {
        if (start[count] == '\0') return -1;
    }
    return octet::position(count);
}

int32_t StrCountChar(std::string_view text, char ch) {
    return octet::position(static_cast<size_t>(std::count(text.begin(), text.end(), ch)));
}

int32_t StrRunLength(std::string_view text, char ch) {
    const size_t start = text.find(ch);
    if (start == std::string_view::npos) return 0;
    const size_t end = text.find_first_not_of(ch, start);
    return octet::position((end == std::string_view::npos ? text.size() : end) - start);
}
