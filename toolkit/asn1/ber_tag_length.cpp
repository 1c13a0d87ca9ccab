#include "toolkit/asn1/ber_tag_length.h"

namespace {
constexpr uint8_t kHighTagNumber = 0x1F;
constexpr uint8_t kMoreOctets = 0x80;
// Lengths up to this value fit the three-octet long form; above it the four-octet form is used.
constexpr uint32_t kLastThreeOctetLength = 0xFFFFA5;
}  // namespace

BerTag ASN_DecodeTag(BerBuffer& buf, uint32_t& counter, BerDecodeContext& ctx) {
    uint8_t first = ASN_GetOctet(buf);
    ++counter;
    BerTag tag = BerTag{first} << 24;
    if ((first & kHighTagNumber) == kHighTagNumber) {
        uint8_t next = ASN_GetOctet(buf);
        ++counter;
        tag |= BerTag{next} << 16;
        if ((next & kMoreOctets) != 0) {
            next = ASN_GetOctet(buf);
            ++counter;
            tag |= BerTag{next} << 8;
            if (!buf.readFailed && (next & kMoreOctets) != 0) ctx.raise(kBerTagTooLong);
        }
    }
    if (buf.readFailed) ctx.raise(kBerTagEnded);
    return tag;
}

uint32_t ASN_EncodeLength(BerBuffer& buf, uint32_t length) {
    if (length < 0x80) {
        ASN_PutOctet(buf, static_cast<uint8_t>(length));
        return 1;
    }
    uint32_t octets = length <= 0xFF ? 1 : length <= 0xFFFF ? 2 : length <= kLastThreeOctetLength ? 3 : 4;
    for (uint32_t i = 0; i < octets; ++i) ASN_PutOctet(buf, static_cast<uint8_t>(length >> (8 * i)));
    ASN_PutOctet(buf, static_cast<uint8_t>(0x80 | octets));
    return octets + 1;
}

BerLength ASN_DecodeLength(BerBuffer& buf, uint32_t& counter, BerDecodeContext& ctx) {
    uint8_t first = ASN_GetOctet(buf);
    if (buf.readFailed) ctx.raise(kBerLengthMissing);
    ++counter;
    if (first < 0x80) return first;
    if (first == 0x80) return -1;
    uint32_t octets = first - 0x80u;
    if (octets > 4) ctx.raise(kBerLengthTooLong);
    counter += octets;
    uint32_t length = 0;
    for (uint32_t i = 0; i < octets; ++i) length = (length << 8) | ASN_GetOctet(buf);
    if (buf.readFailed) ctx.raise(kBerLengthEnded);
    if (length > INT32_MAX) ctx.raise(kBerLengthTooLong);
    return static_cast<BerLength>(length);
}

void ASN_DecodeEndOfContents(BerBuffer& buf, uint32_t& counter, BerDecodeContext& ctx) {
    uint8_t first = ASN_GetOctet(buf);
    uint8_t second = ASN_GetOctet(buf);
    if (first != 0 || second != 0 || buf.readFailed) ctx.raise(kBerEndOfContentsMissing);
    counter += 2;
}

void ASN_PrintIndent(std::FILE* out, uint16_t n) {
    std::fprintf(out, "%*s", static_cast<int>(n), "");
}
