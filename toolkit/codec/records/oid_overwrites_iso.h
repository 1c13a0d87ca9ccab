#pragma once
// Second entries of the carried types under their 1.0.10163 identifiers (the same suffix as under
// 1.2.840.10003), with the records and routines of their first entries.

#include "toolkit/codec/records/carried_type_registration.h"

namespace codec::records {

// In conversion order, which is ascending any id; every placeholder is 0xFF 0x37, so after a failed
// conversion only the first unconverted twin holds it.
extern const CarriedTypeTable kIsoTypeTable;

// registerCarriedTypes over kIsoTypeTable with ASN_MakeOid.
void RegisterIsoTypes();

}  // namespace codec::records
