#include "toolkit/util/oid_arcs.h"

#include <cstdlib>

namespace {

int subidentifierOctets(uint32_t value) {
    int octets = 1;
    while (value >= 0x80) {
        value >>= 7;
        ++octets;
    }
    return octets;
}

uint8_t* writeSubidentifier(uint32_t value, uint8_t* out) {
    const int octets = subidentifierOctets(value);
    for (int i = octets - 1; i >= 0; --i) {
        const uint8_t group = static_cast<uint8_t>((value >> (7 * i)) & 0x7F);
        *out++ = i > 0 ? static_cast<uint8_t>(group | 0x80) : group;
    }
    return out;
}

uint32_t readSubidentifier(const uint8_t* octets, int32_t count, int32_t& position) {
    uint32_t value = 0;
    while (position < count) {
        const uint8_t octet = octets[position++];
        value = (value << 7) | (octet & 0x7F);
        if ((octet & 0x80) == 0) break;
    }
    return value;
}

}  // namespace

OidArcs oidArcsFromText(const char* text) {
    OidArcs arcs;
    if (text == nullptr) return arcs;
    const char* p = text;
    for (;;) {
        while (*p == '.') ++p;
        if (*p == '\0') break;
        // strtol stops at the first character that is no white space, sign or digit, so never past a '.'.
        arcs.push_back(static_cast<uint32_t>(std::strtol(p, nullptr, 10)));
        while (*p != '.' && *p != '\0') ++p;
    }
    return arcs;
}

int64_t oidArcsOctetCount(const OidArcs& arcs) {
    if (arcs.size() < 2) return 0;
    int64_t count = subidentifierOctets(40 * arcs[0] + arcs[1]);
    for (size_t i = 2; i < arcs.size(); ++i) count += subidentifierOctets(arcs[i]);
    return count;
}

uint8_t* oidWriteArcs(const OidArcs& arcs, uint8_t* out) {
    if (arcs.size() < 2) return out;
    out = writeSubidentifier(40 * arcs[0] + arcs[1], out);
    for (size_t i = 2; i < arcs.size(); ++i) out = writeSubidentifier(arcs[i], out);
    return out;
}

std::string oidOctetsToText(const uint8_t* octets, int32_t count, size_t maxChars) {
    std::string text;
    if (octets == nullptr || count <= 0) {
        text = "0.0";
    } else {
        int32_t position = 0;
        const uint32_t first = readSubidentifier(octets, count, position);
        const uint32_t firstArc = first / 40 < 3 ? first / 40 : 2;
        text = std::to_string(firstArc) + '.' + std::to_string(first - 40 * firstArc);
        while (position < count && text.size() < maxChars) {
            text += '.';
            text += std::to_string(readSubidentifier(octets, count, position));
        }
    }
    if (text.size() > maxChars) text.resize(maxChars);
    return text;
}
