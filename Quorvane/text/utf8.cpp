#include "Quorvane/text/utf8.h"

namespace {

// The lead octet of a multi-octet sequence: its marker bits, the sequence length and the smallest code
// point that needs that length (anything smaller is an overlong form).
struct LeadForm {
    unsigned char mask;
    unsigned char bits;
    size_t length;
    uint32_t smallest;
};

constexpr LeadForm kLeadForms[] = {
    {0xE0, 0xC0, 2, 0x80},
    {0xF0, 0xE0, 3, 0x800},
    {0xF8, 0xF0, 4, 0x10000},
};

bool isContinuation(unsigned char octet) {
    return (octet & 0xC0) == 0x80;
}

bool isSurrogate(uint32_t codePoint) {
    return codePoint >= 0xD800 && codePoint <= 0xDFFF;
}

}  // namespace

int EncodeUtf8(std::string& output, uint32_t codePoint) {
    if (codePoint == 0 || isSurrogate(codePoint) || codePoint > 0x10FFFF) return 0;
    if (codePoint < 0x80) {
        output += static_cast<char>(codePoint);
        return 1;
    }
    if (codePoint < 0x800) {
        output += static_cast<char>(0xC0 | (codePoint >> 6));
        output += static_cast<char>(0x80 | (codePoint & 0x3F));
        return 2;
    }
    if (codePoint < 0x10000) {
        output += static_cast<char>(0xE0 | (codePoint >> 12));
        output += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        output += static_cast<char>(0x80 | (codePoint & 0x3F));
        return 3;
    }
    output += static_cast<char>(0xF0 | (codePoint >> 18));
    output += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
    output += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    output += static_cast<char>(0x80 | (codePoint & 0x3F));
    return 4;
}

Utf8Char DecodeUtf8(std::string_view text) {
    constexpr Utf8Char kInvalid{0, 0};
    if (text.empty()) return kInvalid;
    auto lead = static_cast<unsigned char>(text[0]);
    if (lead < 0x80) return {lead, 1};
    for (const LeadForm& form : kLeadForms) {
        if ((lead & form.mask) != form.bits) continue;
        if (text.size() < form.length) return kInvalid;
        uint32_t codePoint = lead & ~form.mask & 0xFF;
        for (size_t i = 1; i < form.length; ++i) {
            auto octet = static_cast<unsigned char>(text[i]);
            if (!isContinuation(octet)) return kInvalid;
            codePoint = (codePoint << 6) | (octet & 0x3F);
        }
        bool valid = codePoint >= form.smallest && codePoint <= 0x10FFFF && !isSurrogate(codePoint);
        return valid ? Utf8Char{codePoint, form.length} : kInvalid;
    }
    return kInvalid;
}
