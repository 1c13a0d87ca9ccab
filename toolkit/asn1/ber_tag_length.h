#pragma once
// Identifiers, lengths, end-of-contents markers and print indentation.

#include <cstdint>
#include <cstdio>

#include "toolkit/asn1/ber_buffer.h"
#include "toolkit/asn1/ber_decode_context.h"

// Spaces per nesting level of printed values.
inline constexpr uint16_t kBerIndentStep = 4;

// Codes raised while reading identifiers, lengths and end-of-contents markers.
inline constexpr int kBerLengthMissing = -13;  // the data ended before the first length octet
inline constexpr int kBerLengthTooLong = -14;  // more than four length octets, or a value of 2^31 or more
inline constexpr int kBerLengthEnded = -15;    // the data ended inside the length octets
inline constexpr int kBerEndOfContentsMissing = -16;  // the two zero octets are not there
inline constexpr int kBerTagTooLong = -25;            // more than two continuation octets
inline constexpr int kBerTagEnded = -26;              // the data ended inside the identifier

// Bit of a BerTag that marks the constructed form.
inline constexpr BerTag kBerConstructedBit = 0x20000000;

// Reads one identifier; adds its octets to counter. -26 when the data ends inside it, -25 past two
// continuation octets.
BerTag ASN_DecodeTag(BerBuffer& buf, uint32_t& counter, BerDecodeContext& ctx);
// Writes a definite length in front of the data; returns the number of length octets (1 to 5).
uint32_t ASN_EncodeLength(BerBuffer& buf, uint32_t length);
// Reads a length, -1 for the indefinite form, otherwise 0 to 2^31 - 1; adds its octets to counter.
// Raises -13, -14, -15.
BerLength ASN_DecodeLength(BerBuffer& buf, uint32_t& counter, BerDecodeContext& ctx);
// Consumes the two zero octets of an end-of-contents marker; adds 2. Raises -16.
void ASN_DecodeEndOfContents(BerBuffer& buf, uint32_t& counter, BerDecodeContext& ctx);
// Writes n spaces.
void ASN_PrintIndent(std::FILE* out, uint16_t n);

// Raises code unless length is definite and no more than the octets that remain, so that a value's contents
// are known to be present before anything is allocated or copied for them.
inline void berCheckContentsLength(const BerBuffer& buf, BerLength length, int code, BerDecodeContext& ctx) {
    if (length < 0 || static_cast<size_t>(length) > berRemaining(buf)) ctx.raise(code);
}
