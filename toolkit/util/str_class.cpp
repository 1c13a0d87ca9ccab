#include "toolkit/util/str_class.h"

#include <algorithm>

#include "toolkit/util/str_text.h"

namespace {

template <typename Test>
int allOf(std::string_view text, Test test) {
    return std::all_of(text.begin(), text.end(), test) ? 1 : 0;
}

template <typename Test>
int anyOf(std::string_view text, Test test) {
    return std::any_of(text.begin(), text.end(), test) ? 1 : 0;
}

bool isDigitOrWhite(char c) {
    return octet::isDigit(c) || octet::isWhite(c);
}

}  // namespace

int StrHasAlnum(std::string_view text) {
    return anyOf(text, octet::isAlnum);
}

int StrIsDigitsOrSpaces(std::string_view text) {
    return !text.empty() && allOf(text, isDigitOrWhite) ? 1 : 0;
}

int StrIsBlank(std::string_view text) {
    return allOf(text, octet::isBlankOrTab);
}

int StrIsAllBlank(std::string_view text) {
    return StrIsBlank(text);
}

int StrIsWhite(std::string_view text) {
    return allOf(text, octet::isWhite);
}

int StrIsWhiteFrom(std::string_view text, int32_t position) {
    const auto index = octet::indexOf(text, position);
    return index ? StrIsWhite(text.substr(*index)) : 1;
}

int StrIsAlnumOnly(std::string_view text) {
    return allOf(text, octet::isAlnum);
}

int StrIsAlphaOrWhiteOnly(std::string_view text) {
    return allOf(text, [](char c) { return octet::isLetter(c) || octet::isWhite(c); });
}

int StrIsAlnumOrWhiteOnly(std::string_view text) {
    return allOf(text, [](char c) { return octet::isAlnum(c) || octet::isWhite(c); });
}

int StrIsDigitOrWhiteOnly(std::string_view text) {
    return allOf(text, isDigitOrWhite);
}

int StrHasAlpha(std::string_view text) {
    return anyOf(text, octet::isLetter);
}

int StrHasDigit(std::string_view text) {
    return anyOf(text, octet::isDigit);
}

int StrIsNumber(std::string_view text) {
    return allOf(octet::trimBlanksAndTabs(text), octet::isDigit);
}

int StrHasNoneOf(std::string_view text, std::string_view set) {
    return allOf(text, [set](char c) { return set.find(c) == std::string_view::npos; });
}

int StrHasCharOutside(std::string_view text, std::string_view set) {
    return anyOf(text, [set](char c) { return set.find(c) == std::string_view::npos; });
}

int StrIsBlankOrDash(char ch) {
    return ch == ' ' || ch == '-' || ch == '\0' ? 1 : 0;
}

int StrHasInnerWhite(std::string_view text) {
    const auto isWord = [](char c) { return !octet::isWhite(c); };
    const auto first = std::find_if(text.begin(), text.end(), isWord);
    const auto last = std::find_if(text.rbegin(), text.rend(), isWord).base();
    return first < last && std::any_of(first, last, octet::isWhite) ? 1 : 0;
}

int StrHasNonPercent(std::string_view text) {
    return anyOf(text, [](char c) { return c != '%' && !octet::isWhite(c); });
}

int StrHasNoGraphic(std::string_view text) {
    return anyOf(text, octet::isGraphic) ? 0 : 1;
}

int StrIsSoleWord(std::string_view text, std::string_view word) {
    const size_t at = text.find(word);
    if (at == std::string_view::npos) return 0;
    return StrHasAlpha(text.substr(0, at)) || StrHasAlpha(text.substr(at + word.size())) ? 0 : 1;
}
