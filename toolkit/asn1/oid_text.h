#pragma once
// Object identifiers between dotted text ("1.2.840.10003.5.101") and BER contents octets.

#include <string>

#include "toolkit/asn1/ber_decode_context.h"
#include "toolkit/asn1/ber_primitives.h"

// Fills out with newly allocated contents octets of the OID the text names (released with ASN_FreeOid or
// MemFree). The text is not checked: runs of dots separate arcs, each arc is read as atol reads it, and
// fewer than two arcs (a null text included) give an empty OID. Raises -27 through ctx when memory is
// exhausted.
void ASN_MakeOid(const char* text, BerOid* out, BerDecodeContext& ctx);
// Dotted text of the OID; "0.0" for an empty or null one. At most 4999 characters, the rest cut off.
std::string ASN_OidToText(const BerOid* oid);
