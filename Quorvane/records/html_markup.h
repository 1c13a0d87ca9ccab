#pragma once
// Putting catalogue text into HTML/XML markup.

#include <cstddef>
#include <string>
#include <string_view>

// The text as character data, safe in element content and in quoted attribute values: '&', '<', '>', '"'
// and '\'' become references, and control characters that XML 1.0 does not allow (below 0x20 except tab,
// line feed and carriage return) are dropped.
std::string EscapeMarkup(std::string_view text);

struct FilledTemplate {
    std::string text;
    // Where the value ends in the text; npos when the template has no "%s".
    std::size_t valueEnd = std::string::npos;
};

// The template with its first "%s" replaced by the value; "%%" stands for '%', every other character is
// copied as it is.
FilledTemplate FillTemplate(std::string_view pattern, std::string_view value);
