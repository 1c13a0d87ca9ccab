#include "toolkit/util/ber_element_check.h"

#include <limits>

#include "toolkit/util/ber_limits.h"

namespace {

constexpr int64_t kMaxTotal = std::numeric_limits<int32_t>::max();

// Identifier and length octets of one element, or why they cannot be read yet.
struct Header {
    int result;  // octets in the header, 0 incomplete, -1 malformed
    bool constructed;
    int32_t length;  // -1 for the indefinite form
};

Header readHeader(const uint8_t* octets, int32_t count) {
    int32_t tag = 0;
    const int tagOctets = BerDirTagOctets(&tag, octets, count);
    if (tagOctets <= 0) return {tagOctets, false, -1};
    int32_t length = 0;
    const int lengthOctets = BerDirLengthOctets(&length, octets + tagOctets, count - tagOctets);
    if (lengthOctets <= 0) return {lengthOctets, false, -1};
    const bool constructed = (octets[0] & 0x20) != 0;
    if (length < 0 && !constructed) return {kBerElementMalformed, false, -1};
    return {tagOctets + lengthOctets, constructed, length};
}

int malformed(int32_t* missing) {
    *missing = 0;
    return kBerElementMalformed;
}

}  // namespace

int BerDirTagOctets(int32_t* tag, const uint8_t* octets, int32_t count) {
    *tag = -1;
    if (octets == nullptr || count < 1) return 0;
    if ((octets[0] & 0x1F) != 0x1F) {
        *tag = octets[0] & 0x1F;
        return 1;
    }
    // Bits 7 to 1 of the first continuation octet may not all be zero (X.690 8.1.2.4.2).
    if (count >= 2 && octets[1] == 0x80) return -1;
    int32_t number = 0;
    for (int32_t i = 1; i < count; ++i) {
        if (number > (std::numeric_limits<int32_t>::max() >> 7)) return -1;
        number = (number << 7) | (octets[i] & 0x7F);
        if ((octets[i] & 0x80) == 0) {
            *tag = number;
            return i + 1;
        }
    }
    return 0;
}

int BerDirLengthOctets(int32_t* length, const uint8_t* octets, int32_t count) {
    *length = -1;
    if (octets == nullptr || count < 1) return 0;
    const uint8_t first = octets[0];
    if (first < 0x80) {
        *length = first;
        return 1;
    }
    if (first == 0x80) return 1;
    const int following = first & 0x7F;
    if (following > 4) return -1;
    if (count <= following) return 0;
    uint32_t value = 0;
    for (int i = 1; i <= following; ++i) value = (value << 8) | octets[i];
    if (value > static_cast<uint32_t>(std::numeric_limits<int32_t>::max())) return -1;
    *length = static_cast<int32_t>(value);
    return following + 1;
}

// Indefinite lengths are followed without recursion: elements lie end to end, so the walk needs only the
// position and the number of indefinite elements still open; definite elements are stepped over whole.
int BerDirElementComplete(const uint8_t* octets, int32_t count, int32_t* missing) {
    *missing = 0;
    if (octets == nullptr || count <= 0) return kBerElementIncomplete;

    const Header top = readHeader(octets, count);
    if (top.result <= 0) return top.result < 0 ? malformed(missing) : kBerElementIncomplete;
    if (top.length >= 0) {
        const int64_t total = int64_t{top.result} + top.length;
        if (total > kMaxTotal) return malformed(missing);
        if (total > count) {
            *missing = static_cast<int32_t>(total - count);
            return kBerElementIncomplete;
        }
        *missing = static_cast<int32_t>(total);
        return kBerElementComplete;
    }

    int open = 1;
    int64_t position = top.result;
    while (count - position >= 2) {
        if (octets[position] == 0 && octets[position + 1] == 0) {
            position += 2;
            if (--open == 0) {
                *missing = static_cast<int32_t>(position);
                return kBerElementComplete;
            }
            continue;
        }
        const Header nested = readHeader(octets + position, static_cast<int32_t>(count - position));
        if (nested.result < 0) return malformed(missing);
        if (nested.result == 0) return kBerElementIncomplete;
        position += nested.result;
        if (nested.length < 0) {
            if (++open > kBerMaxNesting) return malformed(missing);
        } else {
            position += nested.length;
            if (position > count) return kBerElementIncomplete;
        }
    }
    return kBerElementIncomplete;
}
