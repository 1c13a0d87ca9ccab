#pragma once
// The universal types: value layouts and their contents encoders, contents decoders, printers and frees.
//
// Contents routines handle the contents octets only; the caller writes or has read the identifier and length.
// Encoders: (buffer, value) -> contents octets written, backwards. Decoders: (buffer, identifier as read,
// length or -1, value, counter, context) -> fill the value and add the contents octets consumed to counter.
// Printers write one line fragment without a line end. Frees release the octets (never the record holding
// them), null the pointer and zero the count; a null record does nothing.

#include <cstdint>
#include <cstdio>

#include "toolkit/asn1/ber_buffer.h"
#include "toolkit/asn1/ber_decode_context.h"

// Codes the contents decoders raise. Every length is checked against the octets that remain before anything
// is allocated; a length that does not fit, or the indefinite form on a primitive value, raises the type's
// data-ended code.
inline constexpr int kBerBitsSegmentAfterUnused = -1;  // constructed BIT STRING: segment after unused bits
inline constexpr int kBerBitsSegmentEnded = -2;        // constructed BIT STRING: segment cut short or empty
inline constexpr int kBerBitsSegmentTag = -3;          // constructed BIT STRING: segment of another type
inline constexpr int kBerBitsEnded =
    -4;  // BIT STRING: data ended, length 0, unused bits above 7 or with no data
inline constexpr int kBerBooleanLength = -5;        // BOOLEAN: length other than 1
inline constexpr int kBerBooleanEnded = -6;         // BOOLEAN: data ended
inline constexpr int kBerIntegerLength = -7;        // INTEGER: length 0 or above 4 (indefinite included)
inline constexpr int kBerIntegerEnded = -8;         // INTEGER: data ended
inline constexpr int kBerUnsignedLength = -9;       // unsigned INTEGER: length 0 or 6 and more
inline constexpr int kBerUnsignedNegative = -10;    // unsigned INTEGER: first octet with its top bit set
inline constexpr int kBerUnsignedTooBig = -11;      // unsigned INTEGER: five octets, the first not 0
inline constexpr int kBerUnsignedEnded = -12;       // unsigned INTEGER: data ended
inline constexpr int kBerNullLength = -17;          // NULL: length other than 0
inline constexpr int kBerOctetsSegmentEnded = -18;  // constructed string: segment cut short
inline constexpr int kBerOctetsSegmentTag = -19;    // constructed string: segment of another type
inline constexpr int kBerOctetsEnded = -20;         // OCTET STRING and character strings: data ended
inline constexpr int kBerOidEnded = -21;            // OBJECT IDENTIFIER: data ended
inline constexpr int kBerRealSpecial = -22;         // REAL: one octet other than 0x40 and 0x41
inline constexpr int kBerRealBase = -23;            // REAL: reserved base
inline constexpr int kBerRealForm = -24;  // REAL: not binary, bad exponent or mantissa length, data ended
inline constexpr int kBerWrongUniversalTag = -40;  // whole-value decoders of the universal types
// Whole-value decoders of the character-string and time types: identifier not the type's own.
inline constexpr int kBerWrongNumericStringTag = -50;
inline constexpr int kBerWrongPrintableStringTag = -51;
inline constexpr int kBerWrongTeletexStringTag = -52;
inline constexpr int kBerWrongT61StringTag = -53;
inline constexpr int kBerWrongVideotexStringTag = -54;
inline constexpr int kBerWrongIA5StringTag = -55;
inline constexpr int kBerWrongGraphicStringTag = -56;
inline constexpr int kBerWrongVisibleStringTag = -57;
inline constexpr int kBerWrongISO646StringTag = -58;
inline constexpr int kBerWrongGeneralStringTag = -59;
inline constexpr int kBerWrongUTCTimeTag = -60;
inline constexpr int kBerWrongGeneralizedTimeTag = -61;

using BerInteger = int32_t;  // INTEGER and ENUMERATED
using BerBoolean = uint8_t;  // 0 or 1
using BerReal = double;

// OCTET STRING and every character-string and time type. Decoded octets are followed by a 0 octet that
// length does not count. Absent when octets is null.
struct BerOctets {
    int32_t length;
    uint8_t* octets;
};

// BIT STRING: ceil(bitCount / 8) octets, bit 0 the top bit of the first octet.
struct BerBits {
    int32_t bitCount;
    uint8_t* octets;
};

// OBJECT IDENTIFIER: the contents octets as encoded, not terminated.
struct BerOid {
    int32_t length;
    uint8_t* octets;
};

uint32_t ASN_EncodeIntegerContent(BerBuffer& buf, BerInteger value);
void ASN_DecodeIntegerContent(BerBuffer& buf, BerTag tag, BerLength length, BerInteger* value,
                              uint32_t& counter, BerDecodeContext& ctx);
void ASN_PrintInteger(std::FILE* out, BerInteger value);

uint32_t ASN_EncodeUnsignedContent(BerBuffer& buf, uint32_t value);
void ASN_DecodeUnsignedContent(BerBuffer& buf, BerTag tag, BerLength length, uint32_t* value,
                               uint32_t& counter, BerDecodeContext& ctx);
void ASN_PrintUnsigned(std::FILE* out, uint32_t value);

uint32_t ASN_EncodeBooleanContent(BerBuffer& buf, BerBoolean value);
void ASN_DecodeBooleanContent(BerBuffer& buf, BerTag tag, BerLength length, BerBoolean* value,
                              uint32_t& counter, BerDecodeContext& ctx);
void ASN_PrintBoolean(std::FILE* out, BerBoolean value);

void ASN_DecodeNullContent(BerBuffer& buf, BerTag tag, BerLength length, uint32_t& counter,
                           BerDecodeContext& ctx);
void ASN_PrintNull(std::FILE* out);

// Binary form, base 2; zero has no contents octets, the infinities are 0x40 and 0x41, a NaN is sent as 0x42
// (which the decoder, like the infinities' neighbours, refuses with -22).
uint32_t ASN_EncodeRealContent(BerBuffer& buf, BerReal value);
void ASN_DecodeRealContent(BerBuffer& buf, BerTag tag, BerLength length, BerReal* value, uint32_t& counter,
                           BerDecodeContext& ctx);
void ASN_PrintReal(std::FILE* out, BerReal value);

// Also encodes an OBJECT IDENTIFIER (same two fields).
uint32_t ASN_EncodeOctetStringContent(BerBuffer& buf, const BerOctets* value);
uint32_t ASN_EncodeOidContent(BerBuffer& buf, const BerOid* value);
void ASN_DecodeOctetStringContent(BerBuffer& buf, BerTag tag, BerLength length, BerOctets* value,
                                  uint32_t& counter, BerDecodeContext& ctx);
void ASN_PrintOctetString(std::FILE* out, const BerOctets* value);
void ASN_FreeOctetString(BerOctets* value);

uint32_t ASN_EncodeBitStringContent(BerBuffer& buf, const BerBits* value);
void ASN_DecodeBitStringContent(BerBuffer& buf, BerTag tag, BerLength length, BerBits* value,
                                uint32_t& counter, BerDecodeContext& ctx);
void ASN_PrintBitString(std::FILE* out, const BerBits* value);
void ASN_FreeBitString(BerBits* value);

void ASN_DecodeOidContent(BerBuffer& buf, BerTag tag, BerLength length, BerOid* value, uint32_t& counter,
                          BerDecodeContext& ctx);
void ASN_PrintOid(std::FILE* out, const BerOid* value);
void ASN_FreeOid(BerOid* value);

// Bit n counts from the top bit of the first octet; n outside [0, bitCount) changes nothing and reads as 0.
void ASN_SetBitStringBit(BerBits* bits, int32_t n);
void ASN_ClearBitStringBit(BerBits* bits, int32_t n);
int ASN_GetBitStringBit(const BerBits* bits, int32_t n);

// Whole-value routines: identifier and length included; encoders return the total octets written. Decoders
// raise -40 (the character-string and time types: their kBerWrong...Tag code) when the identifier is not the
// type's own; the string types accept it with the constructed bit too. T61String shares TeletexString's
// identifier and ISO646String VisibleString's.
uint32_t ASN_EncodeBoolean(BerBuffer& buf, BerBoolean value);
void ASN_DecodeBoolean(BerBuffer& buf, BerBoolean* value, uint32_t& counter, BerDecodeContext& ctx);
uint32_t ASN_EncodeInteger(BerBuffer& buf, BerInteger value);
void ASN_DecodeInteger(BerBuffer& buf, BerInteger* value, uint32_t& counter, BerDecodeContext& ctx);
uint32_t ASN_EncodeUnsigned(BerBuffer& buf, uint32_t value);
void ASN_DecodeUnsigned(BerBuffer& buf, uint32_t* value, uint32_t& counter, BerDecodeContext& ctx);
uint32_t ASN_EncodeBitString(BerBuffer& buf, const BerBits* value);
void ASN_DecodeBitString(BerBuffer& buf, BerBits* value, uint32_t& counter, BerDecodeContext& ctx);
uint32_t ASN_EncodeOctetString(BerBuffer& buf, const BerOctets* value);
void ASN_DecodeOctetString(BerBuffer& buf, BerOctets* value, uint32_t& counter, BerDecodeContext& ctx);
uint32_t ASN_EncodeNull(BerBuffer& buf);
void ASN_DecodeNull(BerBuffer& buf, uint32_t& counter, BerDecodeContext& ctx);
uint32_t ASN_EncodeOid(BerBuffer& buf, const BerOid* value);
void ASN_DecodeOid(BerBuffer& buf, BerOid* value, uint32_t& counter, BerDecodeContext& ctx);
uint32_t ASN_EncodeReal(BerBuffer& buf, BerReal value);
void ASN_DecodeReal(BerBuffer& buf, BerReal* value, uint32_t& counter, BerDecodeContext& ctx);

uint32_t ASN_EncodeNumericString(BerBuffer& buf, const BerOctets* value);
void ASN_DecodeNumericString(BerBuffer& buf, BerOctets* value, uint32_t& counter, BerDecodeContext& ctx);
uint32_t ASN_EncodePrintableString(BerBuffer& buf, const BerOctets* value);
void ASN_DecodePrintableString(BerBuffer& buf, BerOctets* value, uint32_t& counter, BerDecodeContext& ctx);
uint32_t ASN_EncodeTeletexString(BerBuffer& buf, const BerOctets* value);
void ASN_DecodeTeletexString(BerBuffer& buf, BerOctets* value, uint32_t& counter, BerDecodeContext& ctx);
uint32_t ASN_EncodeT61String(BerBuffer& buf, const BerOctets* value);
void ASN_DecodeT61String(BerBuffer& buf, BerOctets* value, uint32_t& counter, BerDecodeContext& ctx);
uint32_t ASN_EncodeVideotexString(BerBuffer& buf, const BerOctets* value);
void ASN_DecodeVideotexString(BerBuffer& buf, BerOctets* value, uint32_t& counter, BerDecodeContext& ctx);
uint32_t ASN_EncodeIA5String(BerBuffer& buf, const BerOctets* value);
void ASN_DecodeIA5String(BerBuffer& buf, BerOctets* value, uint32_t& counter, BerDecodeContext& ctx);
uint32_t ASN_EncodeGraphicString(BerBuffer& buf, const BerOctets* value);
void ASN_DecodeGraphicString(BerBuffer& buf, BerOctets* value, uint32_t& counter, BerDecodeContext& ctx);
uint32_t ASN_EncodeVisibleString(BerBuffer& buf, const BerOctets* value);
void ASN_DecodeVisibleString(BerBuffer& buf, BerOctets* value, uint32_t& counter, BerDecodeContext& ctx);
uint32_t ASN_EncodeISO646String(BerBuffer& buf, const BerOctets* value);
void ASN_DecodeISO646String(BerBuffer& buf, BerOctets* value, uint32_t& counter, BerDecodeContext& ctx);
uint32_t ASN_EncodeGeneralString(BerBuffer& buf, const BerOctets* value);
void ASN_DecodeGeneralString(BerBuffer& buf, BerOctets* value, uint32_t& counter, BerDecodeContext& ctx);
uint32_t ASN_EncodeUTCTime(BerBuffer& buf, const BerOctets* value);
void ASN_DecodeUTCTime(BerBuffer& buf, BerOctets* value, uint32_t& counter, BerDecodeContext& ctx);
uint32_t ASN_EncodeGeneralizedTime(BerBuffer& buf, const BerOctets* value);
void ASN_DecodeGeneralizedTime(BerBuffer& buf, BerOctets* value, uint32_t& counter, BerDecodeContext& ctx);
