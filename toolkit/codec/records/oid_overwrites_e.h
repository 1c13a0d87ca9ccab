#pragma once
// Entries of the formats of generated file e in the type registry: the access-control formats, the resource
// reports and the persistent-result-set package.

#include "toolkit/codec/records/carried_type_registration.h"

namespace codec::records {

// Any ids 7 to 12: des-1 (placeholder 0x33 only), krb-1 (0x34 only), resource-1 under 1.2.840.10003.7.1
// (0x30), resource-2 under 7.2 (0x31), the persistent result set (0x35 only), prompt-1 under 8.1 (0x32).
extern const CarriedTypeTable kETypeTable;

// registerCarriedTypes over kETypeTable with ASN_MakeOid.
void RegisterETypes();

}  // namespace codec::records
