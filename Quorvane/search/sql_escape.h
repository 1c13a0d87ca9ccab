#pragma once
// SQL text built from control-file templates and client text. A SqlText remembers which of its octets came
// from a client. Client text enters only through clientLiteral, with every quote doubled so that it can
// stand inside a quoted literal; a finished statement is run only when ClientTextConfined holds, so no
// path of the statement builders can let a client's text act as SQL.
//
// Literals follow the SQL standard: '' inside a literal is a quote, a backslash is an ordinary character
// (so in SQLite, and in PostgreSQL with standard_conforming_strings, the default).

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Every quote of the text doubled.
std::string EscapeSqlLiteral(std::string_view text);

class SqlText {
  public:
    static constexpr size_t npos = std::string::npos;

    SqlText() = default;
    // The server's own text (the configuration's templates and what the server writes itself).
    explicit SqlText(std::string_view serverText);
    // Client text for the inside of a quoted literal: EscapeSqlLiteral of it, every octet the client's.
    static SqlText clientLiteral(std::string_view clientText);

    const std::string& text() const { return text_; }
    size_t size() const { return text_.size(); }
    bool empty() const { return text_.empty(); }
    bool isClient(size_t index) const { return client_[index]; }

    SqlText& append(std::string_view serverText);
    SqlText& append(const SqlText& other);
    SqlText substr(size_t position, size_t count = npos) const;
    // Replaces count octets from position on (up to the end) by the replacement.
    void replace(size_t position, size_t count, const SqlText& replacement);

    // The first occurrence of pattern at or after position whose octets are all the server's; npos when
    // none. A client's text never matches a placeholder.
    size_t findServer(std::string_view pattern, size_t position = 0) const;
    // Replaces every server occurrence of pattern, left to right; a replacement is not searched again.
    void replaceServer(std::string_view pattern, const SqlText& replacement);

  private:
    std::string text_;
    std::vector<bool> client_;
};

// The statement with every client backslash doubled inside the literals that a LIKE keyword opens, for
// databases whose LIKE takes a backslash as its escape character (PostgreSQL, MySQL): the client's backslash
// then matches itself, as in SQLite, instead of escaping the character after it. A literal counts as a LIKE
// pattern when its opening quote follows the keyword LIKE and white space only.
SqlText DoubleLikeBackslashes(const SqlText& statement);

// Whether every client octet of the statement lies inside a quoted literal that the server's quotes open
// and close: none in code, identifiers or comments, no client quote ending a literal, no escaped quote made
// of a client and a server quote, no literal left open, no NUL octet.
bool ClientTextConfined(const SqlText& statement);
