#include "toolkit/codec/records/oid_overwrites_f.h"

#include "toolkit/codec/records/records_f.h"

namespace codec::records {

namespace {

// The export invocation (9.7) is converted before searchResult-1 (10.1), so it stands before it here.
constexpr CarriedType kTypes[] = {
    CARRIED_TYPE(13, nullptr, (OidPlaceholder{{0x36}, 1}), codec::records, PersistentQuery),
    CARRIED_TYPE(14, "1.2.840.10003.9.4", (OidPlaceholder{{0x38}, 1}), codec::records, ItemOrder),
    CARRIED_TYPE(15, "1.2.840.10003.9.5", (OidPlaceholder{{0x39}, 1}), codec::records, Update),
    CARRIED_TYPE(16, "1.2.840.10003.9.6", (OidPlaceholder{{0x3A}, 1}), codec::records, ExportSpecification),
    CARRIED_TYPE(19, "1.2.840.10003.9.7", (OidPlaceholder{{0x3B}, 1}), codec::records, ExportInvocation),
    CARRIED_TYPE(17, "1.2.840.10003.10.1", (OidPlaceholder{{0x3C}, 1}), codec::records, SearchResult1),
    CARRIED_TYPE(18, nullptr, (OidPlaceholder{{0x37}, 1}), codec::records, PeriodicQuerySchedule),
    CARRIED_TYPE(20, nullptr, (OidPlaceholder{{0x3D}, 1}), codec::records, Espec1),
};

}  // namespace

constinit const CarriedTypeTable kFTypeTable{kTypes,
                                             "Fatal event: ASN_MakeOid failed for oid_overwrites_f\n"};

void RegisterFTypes() {
    registerCarriedTypes(kFTypeTable);
}

}  // namespace codec::records
