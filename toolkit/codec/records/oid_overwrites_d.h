#pragma once
// Entries of the record syntaxes of generated file d in the type registry, under their 1.2.840.10003
// identifiers: SUTRS, Summary, the extended-services task package, OPAC and GRS-1.

#include "toolkit/codec/records/carried_type_registration.h"

namespace codec::records {

// Any ids 2 to 6, in conversion order: SUTRS 5.101 (placeholder 0x2B), OPAC 5.102 (0x2C), Summary 5.103
// (0x2D), GRS-1 5.105 (0x2E), task package 5.106 (0x2F).
extern const CarriedTypeTable kDTypeTable;

// registerCarriedTypes over kDTypeTable with ASN_MakeOid.
void RegisterDTypes();

}  // namespace codec::records
