#include "toolkit/util/text_walk.h"

#include <algorithm>

#include "toolkit/util/str_text.h"

namespace {

bool isWhiteInLine(char c) {
    return octet::isWhite(c) && c != '\n';
}

size_t skipWhiteInLine(std::string_view text, size_t i) {
    while (i < text.size() && isWhiteInLine(text[i])) ++i;
    return i;
}

bool nonWhiteFollows(std::string_view text, size_t from) {
    return !std::all_of(text.begin() + static_cast<std::ptrdiff_t>(from), text.end(), octet::isWhite);
}

}  // namespace

int StrNextWord(std::string_view text, int32_t& position, std::string& out, int& hadWhite, int& gotWord) {
    hadWhite = 0;
    gotWord = 0;
    out.clear();
    const auto index = octet::indexOf(text, position);
    if (!index) return 0;
    size_t i = skipWhiteInLine(text, *index);
    hadWhite = i > *index ? 1 : 0;
    const size_t start = i;
    while (i < text.size() && !isWhiteInLine(text[i])) ++i;
    out.assign(text.substr(start, i - start));
    if (i == text.size()) return 0;
    position = octet::position(i);
    gotWord = 1;
    return nonWhiteFollows(text, i) ? 1 : 0;
}

int StrNextLine(std::string_view text, int32_t& position, std::string& out, int& hadWhite, int& gotLine) {
    hadWhite = 0;
    gotLine = 0;
    out.clear();
    const auto index = octet::indexOf(text, position);
    if (!index) return 0;
    const size_t start = skipWhiteInLine(text, *index);
    hadWhite = start > *index ? 1 : 0;
    const size_t lineFeed = text.find('\n', start);
    out.assign(text.substr(start, lineFeed - start));
    if (lineFeed == std::string_view::npos) return 0;
    position = octet::position(lineFeed);
    gotLine = 1;
    return nonWhiteFollows(text, lineFeed) ? 1 : 0;
}

int32_t StrSkipWhiteInLine(std::string_view text, int32_t position) {
    const auto index = octet::indexOf(text, position);
    return octet::position(index ? skipWhiteInLine(text, *index) : text.size());
}

int StrLineRestIsWhite(std::string_view text, int32_t position) {
    const auto index = octet::indexOf(text, position);
    if (!index) return 0;
    const size_t i = skipWhiteInLine(text, *index);
    return i < text.size() && text[i] == '\n' ? 1 : 0;
}

int StrEmptyLineFollows(std::string_view text, int32_t position) {
    const auto index = octet::indexOf(text, position);
    if (!index) return 0;
    const size_t i = skipWhiteInLine(text, *index);
    return i + 1 < text.size() && text[i] == '\n' && text[i + 1] == '\n' ? 1 : 0;
}
