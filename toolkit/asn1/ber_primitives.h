#pragma once
// The universal types: value layouts and their contents encoders, contents decoders, printers and frees.
//
// Contents routines handle the contents octets only; the caller writes or has read the identifier and length.
// Encoders: (buffer, value) -> contents octets written, backwards. Decoders: (buffer, identifier as read,
// length or -1, value, counter, context) -> fill the value and add the contents octets consumed to counter.
// Printers write one line fragment without a line end.

#include <cstdint>
#include <cstdio>

#include "toolkit/asn1/ber_buffer.h"
#include "toolkit/asn1/ber_decode_context.h"

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

void ASN_SetBitStringBit(BerBits* bits, int32_t n);
void ASN_ClearBitStringBit(BerBits* bits, int32_t n);
int ASN_GetBitStringBit(const BerBits* bits, int32_t n);

// Whole-value routines: identifier and length included. The string types accept the constructed form too.
uint32_t ASN_EncodeGeneralString(BerBuffer& buf, const BerOctets* value);
void ASN_DecodeGeneralString(BerBuffer& buf, BerOctets* value, uint32_t& counter, BerDecodeContext& ctx);
