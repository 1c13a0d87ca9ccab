#pragma once
// A record statement template with its key as a statement parameter: the template's "XXXXX" placeholders
// become "?", so that one prepared statement serves every key.

#include <sql.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The key as a decimal integer; nothing when it is none (or out of range).
std::optional<std::int64_t> KeyInteger(std::string_view key);

class KeyParameters {
  public:
    // The parameterised form of the template for the key. A placeholder outside any quoted text stands
    // for a number: the key must then be a decimal integer (it is bound as one). A placeholder that is a
    // whole quoted text ('XXXXX') stands for the key's text. Nothing when the template has no
    // placeholder, one in any other place (inside a longer quoted text or a quoted name), or a bare one
    // and a key that is no integer: the key is then substituted into the text.
    static std::optional<KeyParameters> make(std::string_view statementTemplate, std::string_view key);

    const std::string& text() const { return text_; }
    // Binds the key to every parameter of the prepared statement; false when the driver refuses. The
    // object must stay in place until the statement has run.
    bool bind(SQLHSTMT statement);

  private:
    std::string text_;
    std::string key_;
    std::int64_t number_ = 0;
    SQLLEN keyLength_ = 0;
    std::string kinds_;  // 'n' (number) or 't' (text), one per parameter in order
};
