#include "toolkit/util/str_octet_edit.h"

#include <algorithm>

void StrHalveRuns(std::string& text, char ch) {
    size_t kept = 0;
    size_t run = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        run = text[i] == ch ? run + 1 : 0;
        if (run > 0 && run % 2 == 0) continue;
        text[kept++] = text[i];
    }
    text.resize(kept);
}

void StrCollapseRuns(std::string& text, char ch) {
    size_t kept = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == ch && kept > 0 && text[kept - 1] == ch) continue;
        text[kept++] = text[i];
    }
    text.resize(kept);
}

void StrRemoveChar(std::string& text, char ch) {
    std::erase(text, ch);
}

void StrDeleteRange(std::string& text, int32_t from, int32_t to) {
    if (from < 0 || static_cast<size_t>(from) >= text.size() || to < from) return;
    const size_t last = std::min(static_cast<size_t>(to), text.size() - 1);
    text.erase(static_cast<size_t>(from), last - static_cast<size_t>(from) + 1);
}

void StrFillRange(std::string& buffer, int32_t from, int32_t to, char ch) {
    if (from < 0 || to < from) return;
    const auto last = static_cast<size_t>(to);
    if (last >= buffer.size()) buffer.resize(last + 1, ' ');
    std::fill(buffer.begin() + from, buffer.begin() + to + 1, ch);
}

void StrAppendChar(std::string& text, char ch) {
    text.push_back(ch);
}

void StrReverse(std::string& text) {
    std::reverse(text.begin(), text.end());
}
