#pragma once
// A record statement template run for many records at once: its "<column> = XXXXX" condition becomes
// "<column> IN (?, ..., ?)" and the key column is added to the end of the select list, so that each row
// can be matched back to the records of its key. Only templates whose rows for a key are then exactly
// the rows the template gives for that key alone take this form (see make); the others run per key.

#include <sql.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

class KeyListStatement {
  public:
    // The most keys one statement takes.
    static constexpr std::size_t kMaxKeys = 128;

    // The key-list form of the template with room for `keys` keys (rounded up to 4, 16, 64 or 128
    // parameters, so that a few prepared forms serve every Present; unused parameters repeat a key).
    // Nothing unless: the template has one placeholder, a bare XXXXX (a numeric key) outside quotes and
    // parentheses, in a condition "<column> = XXXXX" that follows WHERE or AND and is followed by AND,
    // ORDER BY or the end; <column> is a plain (optionally qualified) name; the text has one SELECT, no
    // OR, NOT, UNION, INTERSECT, EXCEPT, GROUP, HAVING, LIMIT, OFFSET, FETCH, DISTINCT, TOP, WITH and no
    // JOIN clause (JOIN, ON, LEFT, RIGHT, FULL, OUTER); and the select
    // list holds no parenthesis and no '*' (an aggregate or a wildcard would change the rows).
    static std::optional<KeyListStatement> make(std::string_view statementTemplate, std::size_t keys);

    // The text to prepare.
    const std::string& text() const { return text_; }
    std::size_t parameters() const { return parameters_; }
    // The text with the keys written in place of the parameters (for diaginfo.txt).
    std::string shown(std::span<const std::int64_t> keys) const;
    // Binds the keys (1 to parameters(); the last is repeated into the unused parameters). The keys
    // must stay in place until the statement has run.
    bool bind(SQLHSTMT statement, std::span<const std::int64_t> keys) const;

  private:
    std::string text_;
    std::size_t parameters_ = 0;
    std::size_t listAt_ = 0;  // where the parameter list's "?, ..., ?" begins in text_
};
