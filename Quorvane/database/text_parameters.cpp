#include "Quorvane/database/text_parameters.h"

#include <sqlext.h>

#include <algorithm>
#include <cctype>

namespace {

bool isNameCharacter(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_' || c == '$';
}

// Where the part that opens at `at` ends (one past its last character); npos when it is never closed.
std::size_t skipPart(std::string_view text, std::size_t at, std::string_view close) {
    const std::size_t end = text.find(close, at + 1);
    return end == std::string_view::npos ? end : end + close.size();
}

}  // namespace

std::optional<TextParameters> TextParameters::make(std::string_view statement) {
    TextParameters made;
    made.text_.reserve(statement.size());
    std::size_t at = 0;
    while (at < statement.size()) {
        const char c = statement[at];
        std::size_t end = at + 1;
        if (c == '\'') {
            std::string value;
            for (;;) {
                const std::size_t quote = statement.find('\'', end);
                if (quote == std::string_view::npos) return std::nullopt;
                value.append(statement.substr(end, quote - end));
                end = quote + 1;
                if (end >= statement.size() || statement[end] != '\'') break;
                value.push_back('\'');  // a doubled quote stands for one
                ++end;
            }
            if (at == 0 || !isNameCharacter(statement[at - 1])) {
                made.text_.push_back('?');
                made.values_.push_back(std::move(value));
                at = end;
                continue;
            }
        } else if (c == '"' || c == '`') {
            end = skipPart(statement, at, std::string_view(&c, 1));
        } else if (c == '[') {
            end = skipPart(statement, at, "]");
        } else if (statement.substr(at, 2) == "--") {
            end = std::min(skipPart(statement, at, "\n"), statement.size());
        } else if (statement.substr(at, 2) == "/*") {
            end = std::min(skipPart(statement, at + 1, "*/"), statement.size());
        }
        if (end == std::string_view::npos) return std::nullopt;
        made.text_.append(statement.substr(at, end - at));
        at = end;
    }
    if (made.values_.empty()) return std::nullopt;
    made.lengths_.resize(made.values_.size());
    return made;
}

bool TextParameters::bind(SQLHSTMT statement) {
    for (std::size_t i = 0; i < values_.size(); ++i) {
        std::string& value = values_[i];
        lengths_[i] = static_cast<SQLLEN>(value.size());
        if (!SQL_SUCCEEDED(SQLBindParameter(statement, static_cast<SQLUSMALLINT>(i + 1), SQL_PARAM_INPUT,
                                            SQL_C_CHAR, SQL_VARCHAR, std::max<SQLULEN>(value.size(), 1), 0,
                                            value.data(), lengths_[i], &lengths_[i])))
            return false;
    }
    return true;
}
