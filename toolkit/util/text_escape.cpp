#include "toolkit/util/text_escape.h"

namespace {

bool isControlOctet(unsigned char c) {
    return c < 0x20 || c == 0x7F;
}

}  // namespace

std::string escapeControlText(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (char c : text) {
        const auto octet = static_cast<unsigned char>(c);
        if (!isControlOctet(octet)) {
            escaped += c;
        } else if (c == '\r') {
            escaped += "\\r";
        } else if (c == '\n') {
            escaped += "\\n";
        } else if (c == '\t') {
            escaped += "\\t";
        } else {
            static constexpr char kHex[] = "0123456789ABCDEF";
            escaped += "\\x";
            escaped += kHex[octet >> 4];
            escaped += kHex[octet & 0x0F];
        }
    }
    return escaped;
}
