#include "toolkit/util/str_trim.h"

#include "toolkit/util/str_text.h"

void StrTrimLeading(std::string& text) {
    size_t count = 0;
    while (count < text.size() && octet::isBlankOrTab(text[count])) ++count;
    text.erase(0, count);
}

void StrTrimTrailing(std::string& text) {
    while (!text.empty() && octet::isBlankOrTab(text.back())) text.pop_back();
}

void StrTrimTrailingChar(std::string& text, char ch) {
    while (!text.empty() && text.back() == ch) text.pop_back();
}

char StrTrimTrailingWhite(std::string& text) {
    while (!text.empty() &&
           (octet::isBlankOrTab(text.back()) || text.back() == '\n' || text.back() == '\r')) {
        text.pop_back();
    }
    return text.empty() ? '\0' : text.back();
}

int32_t StrSquashBlanks(std::string& text) {
    size_t kept = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i] == '\t' ? ' ' : text[i];
        if (c == ' ' && kept > 0 && text[kept - 1] == ' ') continue;
        text[kept++] = c;
    }
    text.resize(kept);
    return octet::position(kept);
}

const char* StrSkipBlanks(const char* text) {
    while (octet::isBlankOrTab(*text)) ++text;
    return text;
}

const char* StrSkipWhite(const char* text) {
    const char* p = text;
    while (*p != '\0' && octet::isWhite(*p)) ++p;
    return *p == '\0' ? text : p;
}
