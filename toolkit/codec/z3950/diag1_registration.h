#pragma once
// Entry of the diag-1 diagnostic format in the type registry.

namespace codec::z3950 {

// Registers DiagnosticFormat (a list header) as any id 0 under the one-octet placeholder identifier 0x29:
// the system holds no identifier text for diag-1, so a lookup by the format's real identifier binds nothing.
// Gives what ASN_RegisterAnyByOid gives.
int RegisterDiag1Types();

}  // namespace codec::z3950
