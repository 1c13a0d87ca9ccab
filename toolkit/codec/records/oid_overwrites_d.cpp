#include "toolkit/codec/records/oid_overwrites_d.h"

#include "toolkit/codec/records/records_d.h"
#include "toolkit/codec/records/sutrs_record.h"

namespace codec::records {

namespace {

constexpr CarriedType kTypes[] = {
    CARRIED_TYPE(2, "1.2.840.10003.5.101", (OidPlaceholder{{0x2B}, 1}), codec::records, SutrsRecord),
    CARRIED_TYPE(5, "1.2.840.10003.5.102", (OidPlaceholder{{0x2C}, 1}), codec::records, OPACRecordChoice),
    CARRIED_TYPE(3, "1.2.840.10003.5.103", (OidPlaceholder{{0x2D}, 1}), codec::records, BriefBibChoice),
    CARRIED_TYPE(6, "1.2.840.10003.5.105", (OidPlaceholder{{0x2E}, 1}), codec::records, GenericRecordChoice),
    CARRIED_TYPE(4, "1.2.840.10003.5.106", (OidPlaceholder{{0x2F}, 1}), codec::records, TaskPackageChoice),
};

}  // namespace

constinit const CarriedTypeTable kDTypeTable{kTypes,
                                             "Fatal event: ASN_MakeOid failed for oid_overwrites_d\n"};

void RegisterDTypes() {
    registerCarriedTypes(kDTypeTable);
}

}  // namespace codec::records
