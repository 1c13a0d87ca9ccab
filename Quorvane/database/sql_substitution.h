#pragma once
// Writing values into statement templates. A value taken from a client or a database never ends a quoted
// SQL literal early: every quote in it is doubled.

#include <string>
#include <string_view>

// value with every "'" doubled.
std::string DoubleQuotes(std::string_view value);
// Replaces every occurrence of placeholder in text by DoubleQuotes(value).
void SubstituteQuoted(std::string& text, std::string_view placeholder, std::string_view value);
