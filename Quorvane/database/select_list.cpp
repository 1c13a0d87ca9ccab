#include "Quorvane/database/select_list.h"

#include <cctype>

namespace {

bool isWhite(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

bool sameLetters(std::string_view text, std::size_t at, std::string_view word) {
    if (text.size() - at < word.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(text[at + i])) != word[i]) return false;
    }
    return true;
}

std::size_t findSelect(std::string_view text) {
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (sameLetters(text, at, "SELECT")) return at;
    }
    return std::string_view::npos;
}

// FROM preceded by white space or ')' and followed by white space.
std::size_t findFrom(std::string_view text, std::size_t from) {
    for (std::size_t at = from; at + 4 < text.size(); ++at) {
        if (!sameLetters(text, at, "FROM") || !isWhite(text[at + 4])) continue;
        if (at == from || isWhite(text[at - 1]) || text[at - 1] == ')') return at;
    }
    return std::string_view::npos;
}

}  // namespace

std::vector<std::string> SplitSelectList(std::string_view statement, bool upperCase) {
    std::vector<std::string> names;
    std::size_t select = findSelect(statement);
    if (select == std::string_view::npos) return names;
    std::size_t start = select + 6;
    std::size_t from = findFrom(statement, start);
    if (from == std::string_view::npos) return names;

    std::string name;
    int depth = 0;
    for (char c : statement.substr(start, from - start)) {
        if (c == ',' && depth == 0) {
            names.push_back(name);
            name.clear();
            continue;
        }
        if (c == '(') ++depth;
        if (c == ')' && depth > 0) --depth;
        if (isWhite(c)) continue;
        name.push_back(upperCase ? static_cast<char>(std::toupper(static_cast<unsigned char>(c))) : c);
    }
    names.push_back(name);
    return names;
}
