#pragma once
// A registered type for ANY tests: its value is a GeneralString, the way SUTRS registers.

#include <cstdint>
#include <cstdio>

#include "tests/asn1/ber_test_support.h"
#include "toolkit/asn1/ber_any.h"
#include "toolkit/asn1/ber_primitives.h"

namespace test_any {

inline uint32_t encodeText(BerBuffer& buf, void* value) {
    return ASN_EncodeGeneralString(buf, static_cast<BerOctets*>(value));
}
inline void decodeText(BerBuffer& buf, void* value, uint32_t& counter, BerDecodeContext& ctx) {
    ASN_DecodeGeneralString(buf, static_cast<BerOctets*>(value), counter, ctx);
}
inline void freeText(void* value) {
    ASN_FreeOctetString(static_cast<BerOctets*>(value));
}
// Shows the indentation it was handed, so that callers' indentation is visible in tests.
inline void printText(std::FILE* out, void* value, uint16_t indent) {
    std::fprintf(out, "text@%u ", static_cast<unsigned>(indent));
    ASN_PrintOctetString(out, static_cast<BerOctets*>(value));
}

// A BerOid over the octets (not copied).
inline BerOid oidOf(const Octets& octets) {
    return BerOid{static_cast<int32_t>(octets.size()), const_cast<uint8_t*>(octets.data())};
}

// Registers the text type under the OID contents octets.
inline int registerText(int anyId, const Octets& oid) {
    BerOid key = oidOf(oid);
    return ASN_RegisterAnyByOid(anyId, &key, sizeof(BerOctets), encodeText, decodeText, freeText, printText);
}

}  // namespace test_any
