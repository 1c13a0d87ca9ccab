#include "toolkit/util/text_line_ends.h"

#include <algorithm>

#include "toolkit/util/str_edit.h"
#include "toolkit/util/str_text.h"

namespace {

void replaceCarriageReturns(std::string& text) {
    std::string result;
    size_t i = 0;
    while (i < text.size()) {
        if (text[i] != '\r') {
            result.push_back(text[i++]);
            continue;
        }
        result.push_back('\n');
        size_t end = i + 1;
        while (end < text.size() && octet::isWhite(text[end]) && text[end] != '\n') ++end;
        if (end < text.size() && text[end] != '\n') {
            ++i;
        } else {
            i = end < text.size() ? end + 1 : end;
        }
    }
    text = std::move(result);
}

void emptyWhiteLines(std::string& text) {
    std::string result;
    size_t start = 0;
    while (start <= text.size()) {
        const size_t lineFeed = std::min(text.find('\n', start), text.size());
        const std::string_view line = std::string_view(text).substr(start, lineFeed - start);
        if (!std::all_of(line.begin(), line.end(), octet::isWhite)) result.append(line);
        if (lineFeed == text.size()) break;
        result.push_back('\n');
        start = lineFeed + 1;
    }
    text = std::move(result);
}

}  // namespace

int32_t StrLinesToBlanks(std::string& text) {
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    const auto length = octet::position(text.size());
    if (!text.empty() && text.back() == ' ') text.pop_back();
    return length;
}

void StrUnescapeLineEnds(std::string& text) {
    StrReplaceAll(text, "\\n", "\n");
    StrReplaceAll(text, "\\r", "\r");
}

void StrNormaliseLineEnds(std::string& text) {
    replaceCarriageReturns(text);
    emptyWhiteLines(text);
}

void StrTrimLineEnds(std::string& text) {
    std::string result;
    size_t blanks = 0;
    for (const char c : text) {
        if (c == ' ') {
            ++blanks;
            continue;
        }
        if (c != '\n') result.append(blanks, ' ');
        blanks = 0;
        result.push_back(c);
    }
    text = std::move(result);
}
