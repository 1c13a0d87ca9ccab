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

}  // namespace

int BerElementScan::refuse(int32_t* missing) {
    malformed_ = true;
    *missing = 0;
    return kBerElementMalformed;
}

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

int BerDirElementComplete(const uint8_t* octets, int32_t count, int32_t* missing) {
    return BerElementScan().resume(octets, count, missing);
}

// Indefinite lengths are followed without recursion: elements lie end to end, so the walk needs only the
// position and the number of indefinite elements still open; definite elements are stepped over whole.
int BerElementScan::resume(const uint8_t* octets, int32_t count, int32_t* missing) {
    *missing = 0;
    if (malformed_) return kBerElementMalformed;
    if (octets == nullptr || count <= 0) return kBerElementIncomplete;
    if (total_ < 0 && open_ == 0) {
        const Header top = readHeader(octets, count);
        if (top.result == 0) return kBerElementIncomplete;
        if (top.result < 0) return refuse(missing);
        if (top.length >= 0) {
            total_ = int64_t{top.result} + top.length;
            if (total_ > kMaxTotal) return refuse(missing);
        } else {
            open_ = 1;
            position_ = top.result;
        }
    }
    while (total_ < 0 && count - position_ >= 2) {
        if (octets[position_] == 0 && octets[position_ + 1] == 0) {
            position_ += 2;
            if (--open_ == 0) total_ = position_;
            continue;
        }
        const Header nested = readHeader(octets + position_, static_cast<int32_t>(count - position_));
        if (nested.result == 0) return kBerElementIncomplete;
        if (nested.result < 0) return refuse(missing);
        position_ += nested.result;
        if (nested.length >= 0) {
            position_ += nested.length;
        } else if (++open_ > kBerMaxNesting) {
            return refuse(missing);
        }
    }
    if (total_ < 0) return kBerElementIncomplete;
    if (total_ > count) {
        *missing = static_cast<int32_t>(total_ - count);
        return kBerElementIncomplete;
    }
    *missing = static_cast<int32_t>(total_);
    return kBerElementComplete;
}
