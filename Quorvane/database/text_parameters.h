#pragma once
// A statement with its quoted texts as statement parameters: each '...' text becomes "?" bound to that
// text, so that one prepared statement serves every search of the same shape whatever its terms.

#include <sql.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class TextParameters {
  public:
    // The parameterised form of the statement. Quoted names ("...", `...`, [...]) and comments are left as
    // they are, and so is a quoted text that follows a letter, digit, '_' or '$' (X'00FF', N'...').
    // Nothing when no text becomes a parameter or a quote is left open.
    static std::optional<TextParameters> make(std::string_view statement);

    const std::string& text() const { return text_; }
    const std::vector<std::string>& values() const { return values_; }
    // Binds the texts to the parameters of the prepared statement; false when the driver refuses. The
    // object must stay in place until the statement has run.
    bool bind(SQLHSTMT statement);

  private:
    std::string text_;
    std::vector<std::string> values_;
    std::vector<SQLLEN> lengths_;
};
