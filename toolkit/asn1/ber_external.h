#pragma once
// The runtime's own EXTERNAL: a whole-value codec whose encoding is a CHOICE record and whose
// single-ASN1-type alternative carries an OCTET STRING.
//
// EXTERNAL ::= [UNIVERSAL 8] IMPLICIT SEQUENCE {
//     direct-reference OBJECT IDENTIFIER OPTIONAL, indirect-reference INTEGER OPTIONAL,
//     data-value-descriptor ObjectDescriptor OPTIONAL,
//     encoding CHOICE { single-ASN1-type [0] OCTET STRING, octet-aligned [1] IMPLICIT OCTET STRING,
//                       arbitrary [2] IMPLICIT BIT STRING } }

#include <cstdint>
#include <cstdio>

#include "toolkit/asn1/ber_buffer.h"
#include "toolkit/asn1/ber_decode_context.h"
#include "toolkit/asn1/ber_primitives.h"

// Codes the EXTERNAL decoder raises beyond those of its members.
inline constexpr int kBerExternalNotOctets = -62;        // single-ASN1-type holding no OCTET STRING
inline constexpr int kBerExternalUnknownEncoding = -63;  // identifier of no encoding alternative
inline constexpr int kBerExternalWrongTag = -64;         // identifier other than 0x28
inline constexpr int kBerExternalNoEncoding = -65;       // the value ends before its encoding
inline constexpr int kBerExternalLengthMismatch = -66;   // a definite length not met exactly

enum class BerExternalEncodingKind : int32_t {
    kNone = 0,  // no encoding chosen: encoded without one, which the decoder refuses
    kSingleAsn1Type = 1,
    kOctetAligned = 2,
    kArbitrary = 3,
};

// The encoding CHOICE: which names the member that holds the value.
struct BerExternalEncoding {
    BerExternalEncodingKind which;
    BerOctets singleAsn1Type;
    BerOctets octetAligned;
    BerBits arbitrary;
};

// Each optional member is present when its octets (or, for indirect-reference, the pointer) are set.
struct BerExternal {
    BerOid directReference;
    BerInteger* indirectReference;
    BerOctets dataValueDescriptor;
    BerExternalEncoding encoding;
};

// Writes the whole value (identifier 0x28 and length included); returns the octets it needs.
uint32_t ASN_EncodeExternal(BerBuffer& buf, const BerExternal* value);
// Fills a zero-filled record from a whole value and adds the octets read to counter. Raises -62 to -66, -27,
// -28, -16 and the members' codes; what was decoded before a fault stays in the record for ASN_FreeExternal.
void ASN_DecodeExternal(BerBuffer& buf, BerExternal* value, uint32_t& counter, BerDecodeContext& ctx);
// Prints the value with its closing brace indented by indent spaces.
void ASN_PrintExternal(std::FILE* out, const BerExternal* value, uint16_t indent);
// Releases what the record owns and leaves it empty; the record itself stays with its holder.
void ASN_FreeExternal(BerExternal* value);
