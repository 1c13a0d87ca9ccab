#include "Quorvane/records/record_packaging_external.h"

#include <memory>
#include <string>

#include "Quorvane/diagnostics/diagnostics.h"
#include "Quorvane/protocol/counted_texts.h"

KivExternal& SetRetrievalRecord(KivResponseRecord& record, std::string_view databaseName,
                                std::string_view oid) {
    record.psDatabaseName = NewInternationalString(databaseName);
    record.eDbRecordType = DRT_Retrieval;
    record.uDbRecord.psRetrievalRecord = std::make_unique<KivExternal>();
    record.uDbRecord.psRetrievalRecord->pcObjectIdentifier = std::string(oid);
    return *record.uDbRecord.psRetrievalRecord;
}

void SetOctetAligned(KivExternal& external, std::string_view octets) {
    external.eValueType = EVT_OctetAligned;
    external.uExternalValue.psOctetAligned = std::make_unique<KivOctets>(KivOctets{std::string(octets)});
}

KivSingleASN1Type& SetSingleAsn1Type(KivExternal& external, std::int32_t asn1Type) {
    external.eValueType = EVT_SingleASN1Type;
    external.uExternalValue.psSingleASN1Type = std::make_unique<KivSingleASN1Type>();
    external.uExternalValue.psSingleASN1Type->eASN1Type = asn1Type;
    return *external.uExternalValue.psSingleASN1Type;
}

void SetRecordDiagnostic(KivResponseRecord& record, const SessionRecord& session, std::uint32_t condition,
                         std::string_view info) {
    record.eDbRecordType = DRT_SurrogateDiagnostics;
    record.uDbRecord.psSurrogateDiagnostic = std::make_unique<KivDiagRec>();
    FillSurrogateDiag(session, *record.uDbRecord.psSurrogateDiagnostic,
                      "SDIAG|" + std::to_string(condition) + "|" + std::string(info));
}
