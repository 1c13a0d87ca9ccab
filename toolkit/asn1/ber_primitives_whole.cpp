// Whole-value routines of the universal types: identifier and length around the contents routines.
#include "toolkit/asn1/ber_primitives.h"
#include "toolkit/asn1/ber_tag_length.h"

namespace {

enum Universal : uint8_t {
    kBoolean = 0x01,
    kInteger = 0x02,
    kBitString = 0x03,
    kOctetString = 0x04,
    kNull = 0x05,
    kOid = 0x06,
    kReal = 0x09,
    kNumericString = 0x12,
    kPrintableString = 0x13,
    kTeletexString = 0x14,
    kVideotexString = 0x15,
    kIA5String = 0x16,
    kUTCTime = 0x17,
    kGeneralizedTime = 0x18,
    kGraphicString = 0x19,
    kVisibleString = 0x1A,
    kGeneralString = 0x1B,
};

// Writes length and identifier in front of contents octets already written; returns the total.
uint32_t wrap(BerBuffer& buf, uint32_t contents, Universal identifier) {
    uint32_t total = contents + ASN_EncodeLength(buf, contents) + 1;
    ASN_PutOctet(buf, identifier);
    return total;
}

struct Header {
    BerTag tag;
    BerLength length;
};

// Reads identifier and length; raises code unless the identifier is the type's own, primitive or (where
// constructed is allowed) constructed.
Header readHeader(BerBuffer& buf, Universal identifier, bool constructed, int code, uint32_t& counter,
                  BerDecodeContext& ctx) {
    BerTag tag = ASN_DecodeTag(buf, counter, ctx);
    BerTag own = BerTag{identifier} << 24;
    if (tag != own && !(constructed && tag == (own | kBerConstructedBit))) ctx.raise(code);
    return Header{tag, ASN_DecodeLength(buf, counter, ctx)};
}

uint32_t encodeString(BerBuffer& buf, const BerOctets* value, Universal identifier) {
    return wrap(buf, ASN_EncodeOctetStringContent(buf, value), identifier);
}

void decodeString(BerBuffer& buf, BerOctets* value, uint32_t& counter, BerDecodeContext& ctx,
                  Universal identifier, int code) {
    Header header = readHeader(buf, identifier, true, code, counter, ctx);
    ASN_DecodeOctetStringContent(buf, header.tag, header.length, value, counter, ctx);
}

}  // namespace

uint32_t ASN_EncodeBoolean(BerBuffer& buf, BerBoolean value) {
    return wrap(buf, ASN_EncodeBooleanContent(buf, value), kBoolean);
}

void ASN_DecodeBoolean(BerBuffer& buf, BerBoolean* value, uint32_t& counter, BerDecodeContext& ctx) {
    Header header = readHeader(buf, kBoolean, false, kBerWrongUniversalTag, counter, ctx);
    ASN_DecodeBooleanContent(buf, header.tag, header.length, value, counter, ctx);
}

uint32_t ASN_EncodeInteger(BerBuffer& buf, BerInteger value) {
    return wrap(buf, ASN_EncodeIntegerContent(buf, value), kInteger);
}

void ASN_DecodeInteger(BerBuffer& buf, BerInteger* value, uint32_t& counter, BerDecodeContext& ctx) {
    Header header = readHeader(buf, kInteger, false, kBerWrongUniversalTag, counter, ctx);
    ASN_DecodeIntegerContent(buf, header.tag, header.length, value, counter, ctx);
}

uint32_t ASN_EncodeUnsigned(BerBuffer& buf, uint32_t value) {
    return wrap(buf, ASN_EncodeUnsignedContent(buf, value), kInteger);
}

void ASN_DecodeUnsigned(BerBuffer& buf, uint32_t* value, uint32_t& counter, BerDecodeContext& ctx) {
    Header header = readHeader(buf, kInteger, false, kBerWrongUniversalTag, counter, ctx);
    ASN_DecodeUnsignedContent(buf, header.tag, header.length, value, counter, ctx);
}

uint32_t ASN_EncodeBitString(BerBuffer& buf, const BerBits* value) {
    return wrap(buf, ASN_EncodeBitStringContent(buf, value), kBitString);
}

void ASN_DecodeBitString(BerBuffer& buf, BerBits* value, uint32_t& counter, BerDecodeContext& ctx) {
    Header header = readHeader(buf, kBitString, true, kBerWrongUniversalTag, counter, ctx);
    ASN_DecodeBitStringContent(buf, header.tag, header.length, value, counter, ctx);
}

uint32_t ASN_EncodeOctetString(BerBuffer& buf, const BerOctets* value) {
    return encodeString(buf, value, kOctetString);
}

void ASN_DecodeOctetString(BerBuffer& buf, BerOctets* value, uint32_t& counter, BerDecodeContext& ctx) {
    decodeString(buf, value, counter, ctx, kOctetString, kBerWrongUniversalTag);
}

uint32_t ASN_EncodeNull(BerBuffer& buf) {
    return wrap(buf, 0, kNull);
}

void ASN_DecodeNull(BerBuffer& buf, uint32_t& counter, BerDecodeContext& ctx) {
    Header header = readHeader(buf, kNull, false, kBerWrongUniversalTag, counter, ctx);
    ASN_DecodeNullContent(buf, header.tag, header.length, counter, ctx);
}

uint32_t ASN_EncodeOid(BerBuffer& buf, const BerOid* value) {
    return wrap(buf, ASN_EncodeOidContent(buf, value), kOid);
}

void ASN_DecodeOid(BerBuffer& buf, BerOid* value, uint32_t& counter, BerDecodeContext& ctx) {
    Header header = readHeader(buf, kOid, false, kBerWrongUniversalTag, counter, ctx);
    ASN_DecodeOidContent(buf, header.tag, header.length, value, counter, ctx);
}

uint32_t ASN_EncodeReal(BerBuffer& buf, BerReal value) {
    return wrap(buf, ASN_EncodeRealContent(buf, value), kReal);
}

void ASN_DecodeReal(BerBuffer& buf, BerReal* value, uint32_t& counter, BerDecodeContext& ctx) {
    Header header = readHeader(buf, kReal, false, kBerWrongUniversalTag, counter, ctx);
    ASN_DecodeRealContent(buf, header.tag, header.length, value, counter, ctx);
}

uint32_t ASN_EncodeNumericString(BerBuffer& buf, const BerOctets* value) {
    return encodeString(buf, value, kNumericString);
}
void ASN_DecodeNumericString(BerBuffer& buf, BerOctets* value, uint32_t& counter, BerDecodeContext& ctx) {
    decodeString(buf, value, counter, ctx, kNumericString, kBerWrongNumericStringTag);
}

uint32_t ASN_EncodePrintableString(BerBuffer& buf, const BerOctets* value) {
    return encodeString(buf, value, kPrintableString);
}
void ASN_DecodePrintableString(BerBuffer& buf, BerOctets* value, uint32_t& counter, BerDecodeContext& ctx) {
    decodeString(buf, value, counter, ctx, kPrintableString, kBerWrongPrintableStringTag);
}

uint32_t ASN_EncodeTeletexString(BerBuffer& buf, const BerOctets* value) {
    return encodeString(buf, value, kTeletexString);
}
void ASN_DecodeTeletexString(BerBuffer& buf, BerOctets* value, uint32_t& counter, BerDecodeContext& ctx) {
    decodeString(buf, value, counter, ctx, kTeletexString, kBerWrongTeletexStringTag);
}

uint32_t ASN_EncodeT61String(BerBuffer& buf, const BerOctets* value) {
    return encodeString(buf, value, kTeletexString);
}
void ASN_DecodeT61String(BerBuffer& buf, BerOctets* value, uint32_t& counter, BerDecodeContext& ctx) {
    decodeString(buf, value, counter, ctx, kTeletexString, kBerWrongT61StringTag);
}

uint32_t ASN_EncodeVideotexString(BerBuffer& buf, const BerOctets* value) {
    return encodeString(buf, value, kVideotexString);
}
void ASN_DecodeVideotexString(BerBuffer& buf, BerOctets* value, uint32_t& counter, BerDecodeContext& ctx) {
    decodeString(buf, value, counter, ctx, kVideotexString, kBerWrongVideotexStringTag);
}

uint32_t ASN_EncodeIA5String(BerBuffer& buf, const BerOctets* value) {
    return encodeString(buf, value, kIA5String);
}
void ASN_DecodeIA5String(BerBuffer& buf, BerOctets* value, uint32_t& counter, BerDecodeContext& ctx) {
    decodeString(buf, value, counter, ctx, kIA5String, kBerWrongIA5StringTag);
}

uint32_t ASN_EncodeGraphicString(BerBuffer& buf, const BerOctets* value) {
    return encodeString(buf, value, kGraphicString);
}
void ASN_DecodeGraphicString(BerBuffer& buf, BerOctets* value, uint32_t& counter, BerDecodeContext& ctx) {
    decodeString(buf, value, counter, ctx, kGraphicString, kBerWrongGraphicStringTag);
}

uint32_t ASN_EncodeVisibleString(BerBuffer& buf, const BerOctets* value) {
    return encodeString(buf, value, kVisibleString);
}
void ASN_DecodeVisibleString(BerBuffer& buf, BerOctets* value, uint32_t& counter, BerDecodeContext& ctx) {
    decodeString(buf, value, counter, ctx, kVisibleString, kBerWrongVisibleStringTag);
}

uint32_t ASN_EncodeISO646String(BerBuffer& buf, const BerOctets* value) {
    return encodeString(buf, value, kVisibleString);
}
void ASN_DecodeISO646String(BerBuffer& buf, BerOctets* value, uint32_t& counter, BerDecodeContext& ctx) {
    decodeString(buf, value, counter, ctx, kVisibleString, kBerWrongISO646StringTag);
}

uint32_t ASN_EncodeGeneralString(BerBuffer& buf, const BerOctets* value) {
    return encodeString(buf, value, kGeneralString);
}
void ASN_DecodeGeneralString(BerBuffer& buf, BerOctets* value, uint32_t& counter, BerDecodeContext& ctx) {
    decodeString(buf, value, counter, ctx, kGeneralString, kBerWrongGeneralStringTag);
}

uint32_t ASN_EncodeUTCTime(BerBuffer& buf, const BerOctets* value) {
    return encodeString(buf, value, kUTCTime);
}
void ASN_DecodeUTCTime(BerBuffer& buf, BerOctets* value, uint32_t& counter, BerDecodeContext& ctx) {
    decodeString(buf, value, counter, ctx, kUTCTime, kBerWrongUTCTimeTag);
}

uint32_t ASN_EncodeGeneralizedTime(BerBuffer& buf, const BerOctets* value) {
    return encodeString(buf, value, kGeneralizedTime);
}
void ASN_DecodeGeneralizedTime(BerBuffer& buf, BerOctets* value, uint32_t& counter, BerDecodeContext& ctx) {
    decodeString(buf, value, counter, ctx, kGeneralizedTime, kBerWrongGeneralizedTimeTag);
}
