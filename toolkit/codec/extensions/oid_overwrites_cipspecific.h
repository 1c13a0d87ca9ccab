#pragma once
// Entry of the CIP specific information in the type registry.

#include "toolkit/codec/records/carried_type_registration.h"

namespace codec::extensions {

// Any id 45: CIPSpecificInfo under 1.2.840.10003.2.1000.99.1 (placeholder 0xFF 0x37); a failed conversion is
// reported on standard output.
extern const codec::records::CarriedTypeTable kCipspecificTypeTable;

// registerCarriedTypes over kCipspecificTypeTable with ASN_MakeOid; the last step of the start-up
// registration.
void RegisterCipspecificTypes();

}  // namespace codec::extensions
