#pragma once
// What the translation of a query needs besides the search definitions and the query itself.

#include <cstdint>
#include <string>
#include <vector>

#include "Quorvane/search/sql_date_literal.h"
#include "Quorvane/text/source_charset.h"

struct SearchSettings {
    DateLiteralStyle dateLiteral = DateLiteralStyle::Access;
    SourceCharset charset = SourceCharset::Windows1252;  // how term routine 6 reads octets from 0x80 on
    // The phrase stop words of term routines 4 and 7; none when null.
    const std::vector<std::string>* phraseStopWords = nullptr;
    // The use value of an operand that has no use attribute; with 0 such an operand answers
    // kConditionUnsupportedAttributeType.
    int32_t defaultUse = 0;
    // Whether the database's LIKE takes a backslash as its escape character (DoubleLikeBackslashes).
    bool likeBackslashEscape = false;
};

// [SQL] pcDateLiteral of Quorvane.INI: "ISO" (any case) selects ISO literals; any other value, or none,
// the Access form.
DateLiteralStyle ReadDateLiteralStyle();
// [SQL] ulLikeBackslashEscape of Quorvane.INI: non-zero when the database's LIKE takes a backslash as its
// escape character; 0 when the key is missing.
bool ReadLikeBackslashEscape();
// [SQL] ulDefaultUseAttribute of Quorvane.INI (for example 1016, any); 0 when the key is missing.
int32_t ReadDefaultUseAttribute();
