#include "Quorvane/database/key_parameters.h"

#include <sqlext.h>

#include <charconv>

namespace {

constexpr std::string_view kPlaceholder = "XXXXX";

}  // namespace

std::optional<std::int64_t> KeyInteger(std::string_view key) {
    std::int64_t number = 0;
    const char* end = key.data() + key.size();
    auto [stop, error] = std::from_chars(key.data(), end, number);
    if (key.empty() || error != std::errc() || stop != end) return std::nullopt;
    return number;
}

std::optional<KeyParameters> KeyParameters::make(std::string_view statementTemplate, std::string_view key) {
    KeyParameters made;
    char quote = 0;  // the quote character of the quoted text or name the scan is in
    std::size_t at = 0;
    while (at < statementTemplate.size()) {
        const char c = statementTemplate[at];
        if (statementTemplate.substr(at, kPlaceholder.size()) == kPlaceholder) {
            if (quote != 0) return std::nullopt;
            made.text_ += '?';
            made.kinds_ += 'n';
            at += kPlaceholder.size();
            continue;
        }
        if (quote == 0 && c == '\'' &&
            statementTemplate.substr(at + 1, kPlaceholder.size() + 1) == "XXXXX'") {
            made.text_ += '?';
            made.kinds_ += 't';
            at += kPlaceholder.size() + 2;
            continue;
        }
        if (quote == 0 && (c == '\'' || c == '"')) {
            quote = c;
        } else if (c == quote) {
            quote = 0;  // a doubled quote closes and opens again
        }
        made.text_ += c;
        ++at;
    }
    if (made.kinds_.empty()) return std::nullopt;
    if (made.kinds_.find('n') != std::string::npos) {
        std::optional<std::int64_t> number = KeyInteger(key);
        if (!number) return std::nullopt;
        made.number_ = *number;
    }
    made.key_ = key;
    made.keyLength_ = static_cast<SQLLEN>(key.size());
    return made;
}

bool KeyParameters::bind(SQLHSTMT statement) {
    for (std::size_t i = 0; i < kinds_.size(); ++i) {
        const auto number = static_cast<SQLUSMALLINT>(i + 1);
        SQLRETURN rc = kinds_[i] == 'n' ? SQLBindParameter(statement, number, SQL_PARAM_INPUT, SQL_C_SBIGINT,
                                                           SQL_BIGINT, 0, 0, &number_, 0, nullptr)
                                        : SQLBindParameter(statement, number, SQL_PARAM_INPUT, SQL_C_CHAR,
                                                           SQL_VARCHAR, static_cast<SQLULEN>(key_.size()), 0,
                                                           key_.data(), keyLength_, &keyLength_);
        if (!SQL_SUCCEEDED(rc)) return false;
    }
    return true;
}
