#include "toolkit/util/str_case.h"

#include <algorithm>

#include "toolkit/util/str_text.h"

void StrLower(std::string& text) {
    for (char& c : text) c = octet::toLower(c);
}

void StrUpper(std::string& text) {
    for (char& c : text) c = octet::toUpper(c);
}

int StrCapitalizeWords(std::string& text) {
    bool inWord = false;
    for (char& c : text) {
        if (octet::isLetter(c)) {
            c = inWord ? octet::toLower(c) : octet::toUpper(c);
            inWord = true;
        } else {
            inWord = octet::isDigit(c);
        }
    }
    return 0;
}

int StrCaseCompare(std::string_view a, std::string_view b) {
    const size_t common = std::min(a.size(), b.size());
    for (size_t i = 0; i < common; ++i) {
        const auto x = static_cast<unsigned char>(octet::toLower(a[i]));
        const auto y = static_cast<unsigned char>(octet::toLower(b[i]));
        if (x != y) return x < y ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}
