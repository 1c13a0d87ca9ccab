#pragma once
// Entry of the Explain record in the type registry, under 1.2.840.10003.5.100. Its ISO-arc twin
// 1.0.10163.5.100 is entered by the record syntaxes' ISO registration.

#include "toolkit/codec/records/carried_type_registration.h"

namespace codec::explain {

// Any id 1: Explain-Record under 1.2.840.10003.5.100 (placeholder 0x2A).
extern const codec::records::CarriedTypeTable kBTypeTable;

// registerCarriedTypes over kBTypeTable with ASN_MakeOid.
void RegisterBTypes();

}  // namespace codec::explain
