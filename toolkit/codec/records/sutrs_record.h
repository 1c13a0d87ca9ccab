#pragma once
// SUTRS (simple unstructured text record syntax): one GeneralString. It has no generated type; the type
// registry holds the runtime's GeneralString routines under the registry's signatures.

#include <cstdint>
#include <cstdio>

#include "toolkit/asn1/ber_buffer.h"
#include "toolkit/asn1/ber_decode_context.h"
#include "toolkit/asn1/ber_primitives.h"

namespace codec::records {

// The registered value of SUTRS.
using SutrsRecord = BerOctets;

namespace any {
// ASN_EncodeGeneralString: identifier 0x1B, length, octets.
uint32_t EncodeSutrsRecord(BerBuffer& buf, void* value);
// ASN_DecodeGeneralString: identifier 0x1B or 0x3B (segments gathered), otherwise -59.
void DecodeSutrsRecord(BerBuffer& buf, void* value, uint32_t& counter, BerDecodeContext& ctx);
void FreeSutrsRecord(void* value);
void PrintSutrsRecord(std::FILE* out, void* value, uint16_t indent);
}  // namespace any

}  // namespace codec::records
