// INTEGER (and ENUMERATED), unsigned INTEGER, BOOLEAN and NULL contents.
#include "toolkit/asn1/ber_primitives.h"

uint32_t ASN_EncodeIntegerContent(BerBuffer& buf, BerInteger value) {
    auto bits = static_cast<uint32_t>(value);
    uint32_t octets = 4;
    // Drop a leading octet while the nine bits it shares with the next are all sign bits.
    while (octets > 1) {
        uint32_t topNine = (bits >> (8 * octets - 9)) & 0x1FF;
        if (topNine != 0 && topNine != 0x1FF) break;
        --octets;
    }
    for (uint32_t i = 0; i < octets; ++i) ASN_PutOctet(buf, static_cast<uint8_t>(bits >> (8 * i)));
    return octets;
}

void ASN_DecodeIntegerContent(BerBuffer& buf, BerTag, BerLength length, BerInteger* value, uint32_t& counter,
                              BerDecodeContext& ctx) {
    if (length <= 0 || length > 4) ctx.raise(kBerIntegerLength);
    auto bits = static_cast<uint32_t>(static_cast<int8_t>(ASN_GetOctet(buf)));
    for (BerLength i = 1; i < length; ++i) bits = (bits << 8) | ASN_GetOctet(buf);
    if (buf.readFailed) ctx.raise(kBerIntegerEnded);
    *value = static_cast<BerInteger>(bits);
    counter += static_cast<uint32_t>(length);
}

uint32_t ASN_EncodeUnsignedContent(BerBuffer& buf, uint32_t value) {
    if (value <= INT32_MAX) return ASN_EncodeIntegerContent(buf, static_cast<BerInteger>(value));
    for (uint32_t i = 0; i < 4; ++i) ASN_PutOctet(buf, static_cast<uint8_t>(value >> (8 * i)));
    ASN_PutOctet(buf, 0);
    return 5;
}

void ASN_DecodeUnsignedContent(BerBuffer& buf, BerTag, BerLength length, uint32_t* value, uint32_t& counter,
                               BerDecodeContext& ctx) {
    if (length <= 0 || length >= 6) ctx.raise(kBerUnsignedLength);
    uint8_t first = ASN_GetOctet(buf);
    if ((first & 0x80) != 0) ctx.raise(kBerUnsignedNegative);
    if (length == 5 && first != 0) ctx.raise(kBerUnsignedTooBig);
    uint32_t bits = first;
    for (BerLength i = 1; i < length; ++i) bits = (bits << 8) | ASN_GetOctet(buf);
    if (buf.readFailed) ctx.raise(kBerUnsignedEnded);
    *value = bits;
    counter += static_cast<uint32_t>(length);
}

uint32_t ASN_EncodeBooleanContent(BerBuffer& buf, BerBoolean value) {
    ASN_PutOctet(buf, value != 0 ? 0xFF : 0x00);
    return 1;
}

void ASN_DecodeBooleanContent(BerBuffer& buf, BerTag, BerLength length, BerBoolean* value, uint32_t& counter,
                              BerDecodeContext& ctx) {
    if (length != 1) ctx.raise(kBerBooleanLength);
    uint8_t octet = ASN_GetOctet(buf);
    if (buf.readFailed) ctx.raise(kBerBooleanEnded);
    *value = octet != 0 ? 1 : 0;
    counter += 1;
}

void ASN_DecodeNullContent(BerBuffer&, BerTag, BerLength length, uint32_t&, BerDecodeContext& ctx) {
    if (length != 0) ctx.raise(kBerNullLength);
}
