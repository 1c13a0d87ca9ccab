#pragma once
// Object identifiers between dotted text ("1.2.840.10003.5.101") and BER contents octets.

#include <string>

#include "toolkit/asn1/ber_decode_context.h"
#include "toolkit/asn1/ber_primitives.h"

// Fills out with newly allocated contents octets of the OID the text names (released with ASN_FreeOid);
// fewer than two arcs give an empty OID. Raises -27 through ctx when memory is exhausted.
void ASN_MakeOid(const char* text, BerOid* out, BerDecodeContext& ctx);
// Dotted text of the OID; "0.0" for an empty one. At most 4999 characters.
std::string ASN_OidToText(const BerOid* oid);
