#include "toolkit/util/text_lines.h"

#include <algorithm>

#include "toolkit/util/str_text.h"

namespace {

// Calls visit(start, end) for every line of the text, end being the index of its line feed or the text's end.
template <typename Visit>
void forEachLine(std::string_view text, Visit visit) {
    for (size_t start = 0; start <= text.size();) {
        const size_t end = std::min(text.find('\n', start), text.size());
        visit(start, end);
        start = end + 1;
    }
}

size_t lastNonWhite(std::string_view text) {
    size_t i = text.size();
    while (i > 0 && octet::isWhite(text[i - 1])) --i;
    return i == 0 ? std::string_view::npos : i - 1;
}

}  // namespace

void StrTruncateLines(std::string& text, int32_t width) {
    const size_t keep = width < 0 ? 0 : static_cast<size_t>(width);
    std::string result;
    forEachLine(text, [&](size_t start, size_t end) {
        result.append(text, start, std::min(end - start, keep));
        if (end < text.size()) result.push_back('\n');
    });
    text = std::move(result);
}

void StrOverlayAtColumn(std::string& text, std::string_view insert, int32_t column) {
    if (column < 0) return;
    const auto offset = static_cast<size_t>(column);
    forEachLine(text, [&](size_t start, size_t end) {
        if (end - start < offset + insert.size()) return;
        const size_t from = start + offset;
        for (size_t i = from + 1; i < from + insert.size(); ++i) {
            if (text[i - 1] != ' ' && text[i] != ' ') return;
        }
        text.replace(from, insert.size(), insert);
    });
}

void StrSqueezeAfterChar(std::string& text, char ch) {
    std::string result;
    forEachLine(text, [&](size_t start, size_t end) {
        const std::string_view line = std::string_view(text).substr(start, end - start);
        const size_t at = line.find(ch);
        if (at == std::string_view::npos) {
            result.append(line);
        } else {
            result.append(line.substr(0, at + 1));
            const size_t rest = line.find_first_not_of(" \t", at + 1);
            if (rest != std::string_view::npos) result.append(line.substr(rest));
        }
        if (end < text.size()) result.push_back('\n');
    });
    text = std::move(result);
}

void StrDropLinesStartingWith(std::string& text, std::string_view prefix) {
    std::string result;
    forEachLine(text, [&](size_t start, size_t end) {
        const std::string_view line = std::string_view(text).substr(start, end - start);
        const size_t first = std::min(line.find_first_not_of(" \t"), line.size());
        if (line.substr(first).starts_with(prefix)) return;
        result.append(line);
        if (end < text.size()) result.push_back('\n');
    });
    text = std::move(result);
}

int StrInsertAtLineStart(std::string& text, int32_t position, char ch) {
    const auto index = octet::indexOf(text, position);
    if (!index) return 0;
    const size_t lineFeed = text.rfind('\n', *index);
    text.insert(lineFeed == std::string::npos ? 0 : lineFeed + 1, 1, ch);
    return 1;
}

char StrLastNonWhite(std::string_view text) {
    const size_t at = lastNonWhite(text);
    return at == std::string_view::npos ? '\0' : text[at];
}

void StrSetLastNonWhite(std::string& text, char ch) {
    const size_t at = lastNonWhite(text);
    if (at != std::string_view::npos) text[at] = ch;
}

int StrEndsWithPrompt(std::string_view text) {
    const size_t lineFeed = text.rfind('\n');
    const std::string_view line =
        octet::trimBlanksAndTabs(text.substr(lineFeed == std::string_view::npos ? 0 : lineFeed + 1));
    return line == "?" || line == ">" ? 1 : 0;
}

void StrClearIfPrompt(std::string& text) {
    if (StrEndsWithPrompt(text)) text.clear();
}
