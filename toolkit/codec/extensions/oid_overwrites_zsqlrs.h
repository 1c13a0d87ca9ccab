#pragma once
// The entry of the SQL result set in the type registry under 1.2.840.10003.5.111.

#include "toolkit/codec/records/carried_type_registration.h"

namespace codec::extensions {

// Any id 43, placeholder 0x3E.
extern const codec::records::CarriedTypeTable kZsqlrsTypeTable;

// registerCarriedTypes over kZsqlrsTypeTable with ASN_MakeOid.
void RegisterZsqlrsTypes();

}  // namespace codec::extensions
