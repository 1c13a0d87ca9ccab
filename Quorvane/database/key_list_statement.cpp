#include "Quorvane/database/key_list_statement.h"

#include <sqlext.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <vector>

namespace {

constexpr std::string_view kListPlaceholder = "XXXXX";
constexpr std::array<std::size_t, 4> kParameterCounts = {4, 16, 64, KeyListStatement::kMaxKeys};
// Words that could make a key's rows in the list form differ from its rows alone (an outer join's ON
// clause among them).
constexpr std::array<std::string_view, 19> kRefusedWords = {
    "OR",       "NOT", "UNION", "INTERSECT", "EXCEPT", "GROUP", "HAVING", "LIMIT", "OFFSET", "FETCH",
    "DISTINCT", "TOP", "WITH",  "JOIN",      "ON",     "LEFT",  "RIGHT",  "FULL",  "OUTER"};

// A word (letters, digits, '_', '.', '$') or one other character, outside quoted texts and names.
struct Token {
    std::size_t at = 0;
    std::size_t length = 0;
    int depth = 0;  // parentheses open around it
    bool word = false;
};

bool isWordChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_' || c == '.' || c == '$';
}

bool isPlainName(std::string_view name) {
    if (name.empty() || !(std::isalpha(static_cast<unsigned char>(name.front())) != 0 || name.front() == '_'))
        return false;
    return name.back() != '.' &&
           std::all_of(name.begin(), name.end(), [](char c) { return c != '$' && isWordChar(c); });
}

bool sameWord(std::string_view text, std::string_view upper) {
    return text.size() == upper.size() &&
           std::equal(text.begin(), text.end(), upper.begin(),
                      [](char a, char b) { return std::toupper(static_cast<unsigned char>(a)) == b; });
}

// The tokens outside quotes; nothing when a quote or a parenthesis is left open.
std::optional<std::vector<Token>> tokensOf(std::string_view text) {
    std::vector<Token> tokens;
    int depth = 0;
    std::size_t at = 0;
    while (at < text.size()) {
        const char c = text[at];
        if (c == '\'' || c == '"') {
            const std::size_t close = text.find(c, at + 1);
            if (close == std::string_view::npos) return std::nullopt;
            at = close + 1;
            continue;
        }
        if (std::isspace(static_cast<unsigned char>(c)) != 0) {
            ++at;
            continue;
        }
        if (c == ')' && --depth < 0) return std::nullopt;
        Token token{at, 1, depth, isWordChar(c)};
        if (token.word) {
            while (at + token.length < text.size() && isWordChar(text[at + token.length])) ++token.length;
        }
        if (c == '(') ++depth;
        tokens.push_back(token);
        at += token.length;
    }
    if (depth != 0) return std::nullopt;
    return tokens;
}

}  // namespace

std::optional<KeyListStatement> KeyListStatement::make(std::string_view statementTemplate, std::size_t keys) {
    if (keys == 0 || keys > kMaxKeys) return std::nullopt;
    const std::size_t placeholderAt = statementTemplate.find(kListPlaceholder);
    if (placeholderAt == std::string_view::npos ||
        statementTemplate.find(kListPlaceholder, placeholderAt + 1) != std::string_view::npos) {
        return std::nullopt;
    }
    const std::optional<std::vector<Token>> tokens = tokensOf(statementTemplate);
    if (!tokens) return std::nullopt;
    const auto textOf = [&](const Token& token) { return statementTemplate.substr(token.at, token.length); };
    const auto isWord = [&](std::size_t index, std::string_view upper) {
        return index < tokens->size() && (*tokens)[index].word && sameWord(textOf((*tokens)[index]), upper);
    };

    std::size_t select = tokens->size();
    std::size_t from = tokens->size();
    std::size_t placeholder = tokens->size();
    for (std::size_t i = 0; i < tokens->size(); ++i) {
        const Token& token = (*tokens)[i];
        if (!token.word) continue;
        const std::string_view word = textOf(token);
        for (std::string_view refused : kRefusedWords) {
            if (sameWord(word, refused)) return std::nullopt;
        }
        if (sameWord(word, "SELECT")) {
            if (select != tokens->size()) return std::nullopt;
            select = i;
        } else if (sameWord(word, "FROM") && from == tokens->size() && token.depth == 0) {
            from = i;
        } else if (word == kListPlaceholder) {
            placeholder = i;
        }
    }
    if (select != 0 || from == tokens->size() || placeholder == tokens->size() || placeholder < 3 ||
        placeholder < from) {
        return std::nullopt;
    }
    const Token& fromToken = (*tokens)[from];
    const std::size_t afterFrom = fromToken.at + fromToken.length;
    if (afterFrom >= statementTemplate.size() ||
        std::isspace(static_cast<unsigned char>(statementTemplate[afterFrom])) == 0) {
        return std::nullopt;
    }
    const std::size_t listStart = (*tokens)[select].at + (*tokens)[select].length;
    const std::string_view selectList = statementTemplate.substr(listStart, fromToken.at - listStart);
    if (selectList.find_first_of("()*'\"") != std::string_view::npos) return std::nullopt;

    const Token& column = (*tokens)[placeholder - 2];
    const bool keyCondition =
        (*tokens)[placeholder].depth == 0 && textOf((*tokens)[placeholder - 1]) == "=" && column.word &&
        isPlainName(textOf(column)) && (isWord(placeholder - 3, "WHERE") || isWord(placeholder - 3, "AND"));
    const bool endsCondition = placeholder + 1 == tokens->size() || isWord(placeholder + 1, "AND") ||
                               isWord(placeholder + 1, "ORDER");
    if (!keyCondition || !endsCondition) return std::nullopt;

    KeyListStatement made;
    made.parameters_ = *std::find_if(kParameterCounts.begin(), kParameterCounts.end(),
                                     [keys](std::size_t count) { return count >= keys; });
    const std::string_view columnName = textOf(column);
    std::string_view head = statementTemplate.substr(0, fromToken.at);
    while (!head.empty() && std::isspace(static_cast<unsigned char>(head.back())) != 0) head.remove_suffix(1);
    made.text_.append(head).append(", ").append(columnName).append(" ");
    made.text_.append(statementTemplate.substr(fromToken.at, column.at - fromToken.at));
    made.text_.append(columnName).append(" IN (");
    made.listAt_ = made.text_.size();
    for (std::size_t i = 0; i < made.parameters_; ++i) made.text_.append(i == 0 ? "?" : ", ?");
    made.text_.append(")").append(statementTemplate.substr(placeholderAt + kListPlaceholder.size()));
    return made;
}

std::string KeyListStatement::shown(std::span<const std::int64_t> keys) const {
    std::string text = text_.substr(0, listAt_);
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (i != 0) text += ", ";
        text += std::to_string(keys[i]);
    }
    return text + text_.substr(listAt_ + 3 * parameters_ - 2);
}

bool KeyListStatement::bind(SQLHSTMT statement, std::span<const std::int64_t> keys) const {
    if (keys.empty() || keys.size() > parameters_) return false;
    for (std::size_t i = 0; i < parameters_; ++i) {
        const std::int64_t* key = &keys[std::min(i, keys.size() - 1)];
        SQLRETURN rc =
            SQLBindParameter(statement, static_cast<SQLUSMALLINT>(i + 1), SQL_PARAM_INPUT, SQL_C_SBIGINT,
                             SQL_BIGINT, 0, 0, const_cast<std::int64_t*>(key), 0, nullptr);
        if (!SQL_SUCCEEDED(rc)) return false;
    }
    return true;
}
