#include "toolkit/codec/records/oid_overwrites_e.h"

#include "toolkit/codec/records/records_e.h"

namespace codec::records {

namespace {

constexpr CarriedType kTypes[] = {
    CARRIED_TYPE(7, nullptr, (OidPlaceholder{{0x33}, 1}), codec::records, DESRNObject),
    CARRIED_TYPE(8, nullptr, (OidPlaceholder{{0x34}, 1}), codec::records, KRBObject),
    CARRIED_TYPE(9, "1.2.840.10003.7.1", (OidPlaceholder{{0x30}, 1}), codec::records, ResourceReport1),
    CARRIED_TYPE(10, "1.2.840.10003.7.2", (OidPlaceholder{{0x31}, 1}), codec::records, ResourceReport2Choice),
    CARRIED_TYPE(11, nullptr, (OidPlaceholder{{0x35}, 1}), codec::records, PersistentResultSet),
    CARRIED_TYPE(12, "1.2.840.10003.8.1", (OidPlaceholder{{0x32}, 1}), codec::records, PromptObject),
};

}  // namespace

constinit const CarriedTypeTable kETypeTable{kTypes,
                                             "Fatal event: ASN_MakeOid failed for oid_overwrites_e\n"};

void RegisterETypes() {
    registerCarriedTypes(kETypeTable);
}

}  // namespace codec::records
