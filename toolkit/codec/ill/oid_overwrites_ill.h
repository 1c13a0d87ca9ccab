#pragma once
// Entries of the ILL module in the type registry: the ILL-APDU under 1.2.10161.2.1 and the private
// extensions under their integer identifiers 800 and 799.

#include "toolkit/codec/records/carried_type_registration.h"

namespace codec::ill {

// The ILL-APDU row; its placeholder 0xFF 0x37 stands in when the text cannot be converted.
extern const codec::records::CarriedTypeTable kIllTypeTable;

// registerCarriedTypes over kIllTypeTable with ASN_MakeOid.
void RegisterIllTypes();
// IllExtension800 under 800 (any id 38), IllExtension799 under 799 (any id 33); registered in that order.
void RegisterIllExtension800Types();
void RegisterIllExtension799Types();

}  // namespace codec::ill
