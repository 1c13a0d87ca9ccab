#pragma once
// EXTERNAL: a value whose type an object identifier names, carried in one of three encodings. Every module
// that holds an EXTERNAL calls these routines; the holder writes and checks the identifier 0x28 and the
// length.

#include <cstdint>
#include <cstdio>

#include "toolkit/asn1/ber_any.h"
#include "toolkit/asn1/ber_buffer.h"
#include "toolkit/asn1/ber_decode_context.h"
#include "toolkit/asn1/ber_primitives.h"

namespace codec::z3950 {

// Decoder codes of EXTERNAL.
inline constexpr int kExternalLengthMismatch = -146;  // a definite length not matched by what it holds
inline constexpr int kExternalBadIdentifier = -147;   // identifier out of place, or a raw value not whole

// Every member is optional and present when its octets or value are set. The encoding CHOICE is flattened:
// the one of singleASN1Type, octetAligned and arbitrary that is set is the encoding.
struct EXTERNAL {
    BerOid directReference;
    BerInteger* indirectReference;
    BerOctets dataValueDescriptor;  // ObjectDescriptor
    // Bound: a decoded value of the type registered under directReference. Unbound with a value: the raw BER
    // element, kept when the OID is not a known carried type or no decoder is registered for it.
    BerAny singleASN1Type;
    BerOctets octetAligned;
    BerBits arbitrary;
};

// Contents octets written, backwards. A bound value is written by its entry's encoder, a raw one as it came.
uint32_t EncodeEXTERNALContent(BerBuffer& buf, EXTERNAL* value);
// Fills the zero-filled value from the contents; raises -146, -147 and the codes of the runtime.
void DecodeEXTERNALContent(BerBuffer& buf, BerTag tag, BerLength length, EXTERNAL* value, uint32_t& counter,
                           BerDecodeContext& ctx);
void PrintEXTERNAL(std::FILE* out, EXTERNAL* value, uint16_t indent);
// Releases what the value owns, never the record; null does nothing.
void FreeEXTERNAL(EXTERNAL* value);

}  // namespace codec::z3950
