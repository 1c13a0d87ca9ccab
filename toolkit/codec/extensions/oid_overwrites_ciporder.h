#pragma once
// Entry of the CIP item-order package in the type registry.

#include "toolkit/codec/records/carried_type_registration.h"

namespace codec::extensions {

// Any id 44: CipBItemOrder under 1.2.840.10003.9.1000.99.1 (placeholder 0xFF 0x37); a failed conversion is
// reported on standard output.
extern const codec::records::CarriedTypeTable kCiporderTypeTable;

// registerCarriedTypes over kCiporderTypeTable with ASN_MakeOid.
void RegisterCiporderTypes();

}  // namespace codec::extensions
