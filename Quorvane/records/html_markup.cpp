#include "Quorvane/records/html_markup.h"

std::string EscapeMarkup(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&#39;";
                break;
            case '\t':
            case '\n':
            case '\r':
                out += c;
                break;
            default:
                if (static_cast<unsigned char>(c) >= 0x20) out += c;
        }
    }
    return out;
}

FilledTemplate FillTemplate(std::string_view pattern, std::string_view value) {
    FilledTemplate filled;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const std::string_view pair = pattern.substr(i, 2);
        if (pair == "%%") {
            filled.text += '%';
            ++i;
        } else if (pair == "%s" && filled.valueEnd == std::string::npos) {
            filled.text += value;
            filled.valueEnd = filled.text.size();
            ++i;
        } else {
            filled.text += pattern[i];
        }
    }
    return filled;
}
