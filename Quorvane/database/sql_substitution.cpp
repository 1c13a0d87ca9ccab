#include "Quorvane/database/sql_substitution.h"

#include "toolkit/util/str_edit.h"

std::string DoubleQuotes(std::string_view value) {
    std::string doubled(value);
    StrDoubleEach(doubled, "'");
    return doubled;
}

void SubstituteQuoted(std::string& text, std::string_view placeholder, std::string_view value) {
    StrReplaceAll(text, placeholder, DoubleQuotes(value));
}
