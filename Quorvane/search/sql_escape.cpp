#include "Quorvane/search/sql_escape.h"

#include <algorithm>

#include "toolkit/util/str_case.h"
#include "toolkit/util/str_text.h"

std::string EscapeSqlLiteral(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size() + std::count(text.begin(), text.end(), '\''));
    for (char c : text) {
        escaped += c;
        if (c == '\'') escaped += '\'';
    }
    return escaped;
}

SqlText::SqlText(std::string_view serverText) : text_(serverText), client_(serverText.size(), false) {}

SqlText SqlText::clientLiteral(std::string_view clientText) {
    SqlText literal;
    literal.text_ = EscapeSqlLiteral(clientText);
    literal.client_.assign(literal.text_.size(), true);
    return literal;
}

SqlText& SqlText::append(std::string_view serverText) {
    text_ += serverText;
    client_.insert(client_.end(), serverText.size(), false);
    return *this;
}

SqlText& SqlText::append(const SqlText& other) {
    text_ += other.text_;
    client_.insert(client_.end(), other.client_.begin(), other.client_.end());
    return *this;
}

SqlText SqlText::substr(size_t position, size_t count) const {
    SqlText part;
    position = std::min(position, text_.size());
    count = std::min(count, text_.size() - position);
    part.text_ = text_.substr(position, count);
    part.client_.assign(client_.begin() + static_cast<std::ptrdiff_t>(position),
                        client_.begin() + static_cast<std::ptrdiff_t>(position + count));
    return part;
}

void SqlText::replace(size_t position, size_t count, const SqlText& replacement) {
    position = std::min(position, text_.size());
    count = std::min(count, text_.size() - position);
    text_.replace(position, count, replacement.text_);
    auto first = client_.begin() + static_cast<std::ptrdiff_t>(position);
    client_.erase(first, first + static_cast<std::ptrdiff_t>(count));
    client_.insert(client_.begin() + static_cast<std::ptrdiff_t>(position), replacement.client_.begin(),
                   replacement.client_.end());
}

size_t SqlText::findServer(std::string_view pattern, size_t position) const {
    if (pattern.empty()) return npos;
    for (size_t at = text_.find(pattern, position); at != npos; at = text_.find(pattern, at + 1)) {
        auto first = client_.begin() + static_cast<std::ptrdiff_t>(at);
        if (std::none_of(first, first + static_cast<std::ptrdiff_t>(pattern.size()),
                         [](bool c) { return c; })) {
            return at;
        }
    }
    return npos;
}

void SqlText::replaceServer(std::string_view pattern, const SqlText& replacement) {
    for (size_t at = findServer(pattern); at != npos; at = findServer(pattern, at + replacement.size())) {
        replace(at, pattern.size(), replacement);
    }
}

namespace {

bool isWordOctet(char c) {
    return octet::isAlnum(c) || c == '_';
}

// Whether the text before end is the keyword LIKE followed by white space only.
bool endsWithLike(const std::string& text, size_t end) {
    while (end > 0 && octet::isWhite(text[end - 1])) --end;
    constexpr std::string_view kLike = "LIKE";
    if (end < kLike.size()) return false;
    size_t start = end - kLike.size();
    if (StrCaseCompare(std::string_view(text).substr(start, kLike.size()), kLike) != 0) return false;
    return start == 0 || !isWordOctet(text[start - 1]);
}

}  // namespace

SqlText DoubleLikeBackslashes(const SqlText& statement) {
    const std::string& text = statement.text();
    SqlText doubled;
    bool likePattern = false;  // whether the server's last quote opened a LIKE pattern
    size_t copied = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (!statement.isClient(i)) {
            if (text[i] == '\'') likePattern = endsWithLike(text, i);
        } else if (text[i] == '\\' && likePattern) {
            doubled.append(statement.substr(copied, i + 1 - copied)).append(SqlText::clientLiteral("\\"));
            copied = i + 1;
        }
    }
    return doubled.append(statement.substr(copied));
}

namespace {

enum class Lexeme { Code, Literal, Identifier, LineComment, BlockComment };

}  // namespace

bool ClientTextConfined(const SqlText& statement) {
    const std::string& text = statement.text();
    Lexeme state = Lexeme::Code;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        char next = i + 1 < text.size() ? text[i + 1] : '\0';
        if (c == '\0') return false;
        if (state != Lexeme::Literal && statement.isClient(i)) return false;
        // Two octets read as one: neither may be the client's outside a literal, nor only one inside it.
        auto pairOk = [&] {
            return state == Lexeme::Literal ? statement.isClient(i) == statement.isClient(i + 1)
                                            : !statement.isClient(i + 1);
        };
        switch (state) {
            case Lexeme::Code:
                if (c == '\'') {
                    state = Lexeme::Literal;
                } else if (c == '"') {
                    state = Lexeme::Identifier;
                } else if ((c == '-' && next == '-') || (c == '/' && next == '*')) {
                    if (!pairOk()) return false;
                    state = c == '-' ? Lexeme::LineComment : Lexeme::BlockComment;
                    ++i;
                }
                break;
            case Lexeme::Literal:
                if (c != '\'') break;
                if (next == '\'') {
                    if (!pairOk()) return false;
                    ++i;
                } else if (statement.isClient(i)) {
                    return false;
                } else {
                    state = Lexeme::Code;
                }
                break;
            case Lexeme::Identifier:
                if (c == '"' && next == '"') {
                    if (!pairOk()) return false;
                    ++i;
                } else if (c == '"') {
                    state = Lexeme::Code;
                }
                break;
            case Lexeme::LineComment:
                if (c == '\n') state = Lexeme::Code;
                break;
            case Lexeme::BlockComment:
                if (c == '*' && next == '/') {
                    if (!pairOk()) return false;
                    ++i;
                    state = Lexeme::Code;
                }
                break;
        }
    }
    return state == Lexeme::Code || state == Lexeme::LineComment;
}
