#include "toolkit/util/text_reflow.h"

#include <algorithm>

#include "toolkit/util/str_text.h"
#include "toolkit/util/text_line_ends.h"

namespace {

// Spreads blanks over the line that starts at lineStart and runs to the end of out until it is width
// octets long: one blank before each following word in turn, from the first word, again and again. A line
// with no blank after its first word stays as it is.
void widenLine(std::string& out, size_t lineStart, size_t width) {
    const size_t firstWord = std::min(out.find_first_not_of(' ', lineStart), out.size());
    if (out.find(' ', firstWord) == std::string::npos) return;
    size_t from = firstWord;
    while (out.size() - lineStart < width) {
        const size_t blank = out.find(' ', from);
        if (blank == std::string::npos) {
            from = firstWord;
            continue;
        }
        size_t word = blank;
        while (word < out.size() && octet::isWhite(out[word])) ++word;
        out.insert(word, 1, ' ');
        from = word + 1;
    }
}

}  // namespace

void StrBreakLongWords(std::string& text, int32_t count) {
    if (count < 1) return;
    std::string result;
    int64_t run = 0;
    int64_t limit = count;
    for (const char c : text) {
        if (octet::isBlankOrTab(c)) {
            run = 0;
            limit = count;
        } else if (run == limit) {
            result.push_back(' ');
            run = 1;
            limit = int64_t{count} + 1;
        } else {
            ++run;
        }
        result.push_back(c);
    }
    text = std::move(result);
}

int32_t StrFindBreak(std::string_view text, int32_t start, char quote, int32_t width) {
    const auto index = octet::indexOf(text, start);
    if (!index) return -1;
    bool inside = false;
    int64_t previous = -1;
    for (size_t i = *index; i < text.size(); ++i) {
        if (text[i] == quote) {
            inside = !inside;
        } else if (!inside && text[i] == ' ') {
            if (static_cast<int64_t>(i - *index) > width) {
                return octet::clampToInt32(previous >= 0 ? previous : int64_t{start} + width - 3);
            }
            previous = static_cast<int64_t>(i);
        }
    }
    return -1;
}

void StrJustify(std::string& text, int32_t width, int32_t margin) {
    if (width < 1) return;
    StrTrimLineEnds(text);
    StrBreakLongWords(text, octet::clampToInt32(int64_t{width} - margin - 2));
    std::string out;
    size_t lineStart = 0;
    int32_t column = 0;
    size_t i = 0;
    while (i < text.size()) {
        const char c = text[i++];
        out.push_back(c);
        if (c == '\n' || c == '\r') {
            column = 0;
            lineStart = out.size();
            continue;
        }
        if (++column < width) continue;
        // Octets of the current line map one to one from text to out, so the cut maps back into the text.
        const size_t blank = out.rfind(' ');
        const bool atBlank = blank != std::string::npos && blank >= lineStart;
        const size_t cut = atBlank ? blank : out.size();
        i -= out.size() - cut;
        if (atBlank) ++i;
        out.resize(cut);
        widenLine(out, lineStart, static_cast<size_t>(width));
        out.push_back('\n');
        lineStart = out.size();
        column = 0;
    }
    text = std::move(out);
}
