#include "toolkit/util/str_quotes.h"

#include "toolkit/util/str_octet_edit.h"
#include "toolkit/util/str_text.h"
#include "toolkit/util/str_trim.h"

void StrStripEnclosing(std::string& text, char q) {
    StrHalveRuns(text, q);
    size_t first = 0;
    while (first < text.size() && octet::isWhite(text[first])) ++first;
    if (first == text.size() || text[first] != q) return;
    const size_t last = text.rfind(q);
    if (last == first) return;
    text[first] = ' ';
    text[last] = ' ';
    StrTrimLeading(text);
    StrTrimTrailing(text);
}

void StrReplaceCharOutsideQuotes(std::string& text, char from, char to, char quote) {
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == quote) {
            i = text.find(quote, i + 1);
            if (i == std::string::npos) return;
        } else if (text[i] == from) {
            text[i] = to;
        }
    }
}

void StrReplaceCharCounted(std::string& text, int32_t count, int32_t direction, std::optional<char> quote,
                           char from, char to) {
    if (direction != 0 && direction != 1) return;
    const bool backwards = direction == 1;
    bool inside = false;
    int32_t replaced = 0;
    for (size_t step = 0; step < text.size() && replaced < count; ++step) {
        char& c = text[backwards ? text.size() - 1 - step : step];
        if (quote && c == *quote) {
            inside = !inside;
        } else if (!inside && c == from) {
            c = to;
            ++replaced;
        }
    }
}

void StrReplaceOutsideQuotes(std::string& text, std::string_view pattern, std::string_view replacement,
                             char quote) {
    if (pattern.empty()) return;
    std::string result;
    size_t i = 0;
    while (i < text.size()) {
        if (text[i] == quote) {
            const size_t close = text.find(quote, i + 1);
            const size_t end = close == std::string::npos ? text.size() : close + 1;
            result.append(text, i, end - i);
            i = end;
        } else if (text.compare(i, pattern.size(), pattern) == 0) {
            result.append(replacement);
            i += pattern.size();
        } else {
            result.push_back(text[i++]);
        }
    }
    text = std::move(result);
}
