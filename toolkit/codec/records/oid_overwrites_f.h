#pragma once
// Entries of the extended-services packages of generated file f in the type registry, under their
// 1.2.840.10003 identifiers.

#include "toolkit/codec/records/carried_type_registration.h"

namespace codec::records {

// Any ids 13 to 20, in conversion order of their texts (9.4, 9.5, 9.6, 9.7, 10.1): the persistent query
// (placeholder 0x36 only), Item Order under 1.2.840.10003.9.4 (0x38), Update under 9.5 (0x39), the export
// specification under 9.6 (0x3A), the export invocation under 9.7 (0x3B), searchResult-1 under 10.1 (0x3C),
// the periodic query schedule (0x37 only) and eSpec-1 (0x3D only).
extern const CarriedTypeTable kFTypeTable;

// registerCarriedTypes over kFTypeTable with ASN_MakeOid.
void RegisterFTypes();

}  // namespace codec::records
