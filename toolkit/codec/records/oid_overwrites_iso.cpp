#include "toolkit/codec/records/oid_overwrites_iso.h"

#include "toolkit/codec/explain/explain_a.h"
#include "toolkit/codec/extensions/charset.h"
#include "toolkit/codec/records/records_d.h"
#include "toolkit/codec/records/records_e.h"
#include "toolkit/codec/records/records_f.h"
#include "toolkit/codec/records/sutrs_record.h"

namespace codec::records {

namespace {

constexpr OidPlaceholder kIsoPlaceholder{{0xFF, 0x37}, 2};

constexpr CarriedType kTypes[] = {
    CARRIED_TYPE(21, "1.0.10163.5.101", kIsoPlaceholder, codec::records, SutrsRecord),
    CARRIED_TYPE(22, "1.0.10163.5.102", kIsoPlaceholder, codec::records, OPACRecordChoice),
    CARRIED_TYPE(23, "1.0.10163.5.103", kIsoPlaceholder, codec::records, BriefBibChoice),
    CARRIED_TYPE(24, "1.0.10163.5.106", kIsoPlaceholder, codec::records, TaskPackageChoice),
    CARRIED_TYPE(25, "1.0.10163.7.1", kIsoPlaceholder, codec::records, ResourceReport1),
    CARRIED_TYPE(26, "1.0.10163.7.2", kIsoPlaceholder, codec::records, ResourceReport2Choice),
    CARRIED_TYPE(27, "1.0.10163.9.4", kIsoPlaceholder, codec::records, ItemOrder),
    CARRIED_TYPE(28, "1.0.10163.9.5", kIsoPlaceholder, codec::records, Update),
    CARRIED_TYPE(29, "1.0.10163.5.100", kIsoPlaceholder, codec::explain, ExplainRecord),
    CARRIED_TYPE(30, "1.0.10163.5.105", kIsoPlaceholder, codec::records, GenericRecordChoice),
    CARRIED_TYPE(31, "1.0.10163.8.1", kIsoPlaceholder, codec::records, PromptObject),
    CARRIED_TYPE(32, "1.0.10163.10.2", kIsoPlaceholder, codec::extensions, CharSetandLanguageNegotiation),
    CARRIED_TYPE(33, "1.0.10163.9.6", kIsoPlaceholder, codec::records, ExportSpecification),
    CARRIED_TYPE(34, "1.0.10163.9.7", kIsoPlaceholder, codec::records, ExportInvocation),
    CARRIED_TYPE(35, "1.0.10163.10.1", kIsoPlaceholder, codec::records, SearchResult1),
};

}  // namespace

constinit const CarriedTypeTable kIsoTypeTable{kTypes,
                                               "Fatal event: ASN_MakeOid failed for oid_overwrites_iso\n"};

void RegisterIsoTypes() {
    registerCarriedTypes(kIsoTypeTable);
}

}  // namespace codec::records
