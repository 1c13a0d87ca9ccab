#pragma once
// The entries of character-set and language negotiation in the type registry: under 1.2.840.10003.10.2 (its
// twin under 1.0.10163.10.2 is registered with the other 1.0.10163 twins, oid_overwrites_iso.h), and version
// 3 under 1.2.840.10003.15.3, the identifier Z39.50 clients propose character sets under.

#include "toolkit/codec/records/carried_type_registration.h"

namespace codec::extensions {

// Any id 39 (placeholder 0x3E), then version 3 under any id 40 (placeholder 0x3E 0x33).
extern const codec::records::CarriedTypeTable kCharsetTypeTable;

// registerCarriedTypes over kCharsetTypeTable with ASN_MakeOid.
void RegisterCharsetTypes();

}  // namespace codec::extensions
