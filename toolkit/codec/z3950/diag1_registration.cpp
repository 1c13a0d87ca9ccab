#include "toolkit/codec/z3950/diag1_registration.h"

#include "toolkit/asn1/ber_any.h"
#include "toolkit/codec/z3950/diag1.h"

namespace codec::z3950 {

int RegisterDiag1Types() {
    uint8_t placeholder[] = {0x29};
    const BerOid oid{1, placeholder};
    return ASN_RegisterAnyByOid(0, &oid, sizeof(DiagnosticFormat), any::EncodeDiagnosticFormat,
                                any::DecodeDiagnosticFormat, any::FreeDiagnosticFormat,
                                any::PrintDiagnosticFormat);
}

}  // namespace codec::z3950
