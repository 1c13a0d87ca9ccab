#pragma once
// Entries of the private Print, Alert and COrder packages in the type registry.

#include "toolkit/codec/records/carried_type_registration.h"

namespace codec::extensions {

// In conversion order of their texts: any id 38, PrintExtendedService under 1.2.840.10003.9.1000.70.1;
// 36, AlertExtendedService under 1.2.840.10003.9.1000.70.2; 37, COrder under 1.2.840.10003.9.4.1000.70.1;
// each with the placeholder 0xFF 0x37.
extern const codec::records::CarriedTypeTable kSilTypeTable;

// registerCarriedTypes over kSilTypeTable with ASN_MakeOid.
void RegisterSilTypes();

}  // namespace codec::extensions
