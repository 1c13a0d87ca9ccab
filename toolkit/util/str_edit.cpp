#include "toolkit/util/str_edit.h"

#include "toolkit/util/str_text.h"

int StrInsertAt(std::string& text, std::string_view insert, int32_t position) {
    const auto index = octet::indexOf(text, position);
    if (!index) return 0;
    text.insert(*index, insert);
    return 1;
}

int StrCutFrom(std::string& text, std::string_view pattern, int32_t& position) {
    if (pattern.empty() || text.size() < pattern.size()) return 0;
    const auto index = octet::indexOf(text, position);
    if (!index) return 0;
    const size_t at = text.find(pattern, *index);
    if (at == std::string::npos) return 0;
    text.erase(at, pattern.size());
    position = octet::position(at);
    return 1;
}

int StrCutFirst(std::string& text, std::string_view pattern, int32_t& position) {
    int32_t at = 0;
    if (!StrCutFrom(text, pattern, at)) return 0;
    position = at;
    return 1;
}

int StrReplaceAll(std::string& text, std::string_view pattern, std::string_view replacement) {
    if (pattern == replacement || pattern.empty()) return 0;
    std::string result;
    size_t from = 0;
    for (size_t at; (at = text.find(pattern, from)) != std::string::npos; from = at + pattern.size()) {
        result.append(text, from, at - from).append(replacement);
    }
    if (from == 0) return 0;
    result.append(text, from);
    text = std::move(result);
    return 0;
}

void StrReplaceFirst(std::string& text, std::string_view pattern, std::string_view replacement) {
    if (pattern == replacement) return;
    int32_t at = 0;
    if (StrCutFirst(text, pattern, at)) StrInsertAt(text, replacement, at);
}

void StrMaskFirst(std::string& text, std::string_view pattern, char fill) {
    if (pattern.empty()) return;
    const size_t at = text.find(pattern);
    if (at != std::string::npos) text.replace(at, pattern.size(), pattern.size(), fill);
}

void StrReplaceTilde(std::string& text, std::string_view insert) {
    const size_t at = text.find('~');
    if (at != std::string::npos) text.replace(at, 1, insert);
}

void StrReplaceCharOrAppend(std::string& text, std::string_view insert, char ch) {
    const size_t at = text.find(ch);
    if (at != std::string::npos) {
        text.replace(at, 1, insert);
    } else {
        text.append(1, ' ').append(insert);
    }
}

void StrDoubleEach(std::string& text, std::string_view pattern) {
    if (pattern.empty()) return;
    std::string result;
    size_t from = 0;
    for (size_t at; (at = text.find(pattern, from)) != std::string::npos; from = at + pattern.size()) {
        result.append(text, from, at + pattern.size() - from).append(pattern);
    }
    result.append(text, from);
    text = std::move(result);
}

void StrKeepAfter(std::string& text, std::string_view marker) {
    const size_t at = text.find(marker);
    if (at == std::string::npos || at + marker.size() == text.size()) return;
    text.erase(0, at + marker.size());
}

void StrSurroundWord(std::string& text, std::string_view word, char insert) {
    size_t lead = 0;
    while (lead < word.size() && octet::isBlankOrTab(word[lead])) ++lead;
    size_t trail = word.size();
    while (trail > lead && octet::isBlankOrTab(word[trail - 1])) --trail;
    if (lead == trail) return;
    std::string result;
    size_t from = 0;
    for (size_t at; (at = text.find(word, from)) != std::string::npos; from = at + word.size()) {
        if (at + word.size() == text.size()) break;
        result.append(text, from, at + lead - from).append(1, insert);
        result.append(text, at + lead, trail - lead).append(1, insert);
        result.append(text, at + trail, word.size() - trail);
    }
    result.append(text, from);
    text = std::move(result);
}

void StrPadWithBlanks(std::string& text) {
    StrEnclose(text, " ");
}

void StrEnclose(std::string& text, std::string_view with) {
    text.insert(0, with);
    text.append(with);
}
