#include "Quorvane/search/from_part.h"

#include <optional>
#include <vector>

#include "toolkit/util/str_text.h"

namespace {

bool isNameOctet(char octet) {
    return octet::isAlnum(octet) || octet == '_' || octet == '$';
}

std::string_view trimmedEntry(std::string_view text) {
    while (!text.empty() && octet::isWhite(text.front())) text.remove_prefix(1);
    while (!text.empty() && octet::isWhite(text.back())) text.remove_suffix(1);
    return text;
}

// The name an entry's columns are written with: its alias, else its table. None when the entry is not
// one or two plain names.
std::optional<std::string_view> entryName(std::string_view entry) {
    std::vector<std::string_view> words;
    size_t at = 0;
    while (at < entry.size()) {
        while (at < entry.size() && octet::isWhite(entry[at])) ++at;
        size_t end = at;
        while (end < entry.size() && !octet::isWhite(entry[end])) {
            if (!isNameOctet(entry[end]) && entry[end] != '.') return std::nullopt;
            ++end;
        }
        if (end > at) words.push_back(entry.substr(at, end - at));
        at = end;
    }
    if (words.empty() || words.size() > 2) return std::nullopt;
    return words.back();
}

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (octet::toUpper(a[i]) != octet::toUpper(b[i])) return false;
    }
    return true;
}

// Whether the text writes "name." outside its quoted literals, not as the end of a longer name.
bool textNames(std::string_view text, std::string_view name) {
    bool quoted = false;
    for (size_t at = 0; at < text.size(); ++at) {
        if (text[at] == '\'') {
            quoted = !quoted;  // a doubled quote inside a literal closes and reopens it
            continue;
        }
        if (quoted || (at > 0 && (isNameOctet(text[at - 1]) || text[at - 1] == '.'))) continue;
        if (at + name.size() < text.size() && text[at + name.size()] == '.' &&
            sameName(text.substr(at, name.size()), name)) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::string FromPartNamedBy(std::string_view fromPart, std::string_view naming) {
    std::vector<std::string_view> entries;
    for (size_t start = 0;;) {
        size_t comma = fromPart.find(',', start);
        entries.push_back(trimmedEntry(fromPart.substr(start, comma - start)));
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    if (entries.size() < 2) return std::string(fromPart);
    std::string kept;
    for (size_t i = 0; i < entries.size(); ++i) {
        std::optional<std::string_view> name = entryName(entries[i]);
        if (!name) return std::string(fromPart);
        if (i > 0 && !textNames(naming, *name)) continue;
        if (!kept.empty()) kept += ", ";
        kept += entries[i];
    }
    return kept;
}
