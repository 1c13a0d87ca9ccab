#include "toolkit/codec/records/sutrs_record.h"

namespace codec::records::any {

uint32_t EncodeSutrsRecord(BerBuffer& buf, void* value) {
    return ASN_EncodeGeneralString(buf, static_cast<SutrsRecord*>(value));
}

void DecodeSutrsRecord(BerBuffer& buf, void* value, uint32_t& counter, BerDecodeContext& ctx) {
    ASN_DecodeGeneralString(buf, static_cast<SutrsRecord*>(value), counter, ctx);
}

void FreeSutrsRecord(void* value) {
    ASN_FreeOctetString(static_cast<SutrsRecord*>(value));
}

void PrintSutrsRecord(std::FILE* out, void* value, uint16_t /*indent*/) {
    ASN_PrintOctetString(out, static_cast<SutrsRecord*>(value));
}

}  // namespace codec::records::any
