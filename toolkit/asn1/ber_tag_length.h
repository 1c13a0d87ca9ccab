#pragma once
// Identifiers, lengths, end-of-contents markers and print indentation.

#include <cstdint>
#include <cstdio>

#include "toolkit/asn1/ber_buffer.h"
#include "toolkit/asn1/ber_decode_context.h"

// Spaces per nesting level of printed values.
inline constexpr uint16_t kBerIndentStep = 4;

// Reads one identifier; adds its octets to counter. -26 when the data ends inside it, -25 past two
// continuation octets.
BerTag ASN_DecodeTag(BerBuffer& buf, uint32_t& counter, BerDecodeContext& ctx);
// Writes a definite length in front of the data; returns the number of length octets (1 to 5).
uint32_t ASN_EncodeLength(BerBuffer& buf, uint32_t length);
// Reads a length, -1 for the indefinite form; adds its octets to counter. Raises -13, -14, -15.
BerLength ASN_DecodeLength(BerBuffer& buf, uint32_t& counter, BerDecodeContext& ctx);
// Consumes the two zero octets of an end-of-contents marker; adds 2. Raises -16.
void ASN_DecodeEndOfContents(BerBuffer& buf, uint32_t& counter, BerDecodeContext& ctx);
// Writes n spaces.
void ASN_PrintIndent(std::FILE* out, uint16_t n);

