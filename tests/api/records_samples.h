#pragma once
// Valid record and diagnostic structures that conversion and validation tests start from.

#include <memory>
#include <optional>
#include <string>

#include "toolkit/api/kivproto.h"

inline constexpr const char* kBib1 = "1.2.840.10003.4.1";

inline std::unique_ptr<KivInternationalString> sampleString(const std::string& text) {
    return std::make_unique<KivInternationalString>(KivInternationalString{text});
}

// A bib-1 diagnostic with a version-2 (text) or version-3 (counted) additional information.
inline std::unique_ptr<KivDefaultDiagFormat> sampleDefaultDiag(uint32_t condition, int32_t version,
                                                               const std::string& info) {
    auto diag = std::make_unique<KivDefaultDiagFormat>();
    diag->pcDiagnosticSetId = kBib1;
    diag->ulCondition = condition;
    diag->sAdditionalInfo.eProtocolVersionInForce = version;
    if (version == PVIF_Version2) {
        diag->sAdditionalInfo.uAdditionalInfo.pcV2 = info;
    } else {
        diag->sAdditionalInfo.uAdditionalInfo.psV3 = sampleString(info);
    }
    return diag;
}

inline std::unique_ptr<KivExternal> sampleOctetAligned(const std::string& oid, const std::string& octets) {
    auto external = std::make_unique<KivExternal>();
    external->pcObjectIdentifier = oid;
    external->eValueType = EVT_OctetAligned;
    external->uExternalValue.psOctetAligned = std::make_unique<KivOctets>(KivOctets{octets});
    return external;
}

inline std::unique_ptr<KivExternal> sampleArbitrary(const std::string& bits) {
    auto external = std::make_unique<KivExternal>();
    external->pcObjectIdentifier = "1.2.840.10003.5.109.3";
    external->eValueType = EVT_Arbitrary;
    external->uExternalValue.psArbitrary =
        std::make_unique<KivArbitrary>(KivArbitrary{static_cast<uint32_t>(bits.size()), bits});
    return external;
}

inline std::unique_ptr<KivDiagRec> sampleDefaultDiagRec(uint32_t condition, int32_t version,
                                                        const std::string& info) {
    auto rec = std::make_unique<KivDiagRec>();
    rec->eDiagnosticsType = DT_DefaultFormat;
    rec->uDiagnostics.psDefault = sampleDefaultDiag(condition, version, info);
    return rec;
}

inline std::unique_ptr<KivDiagRec> sampleExternalDiagRec() {
    auto rec = std::make_unique<KivDiagRec>();
    rec->eDiagnosticsType = DT_ExternallyDefined;
    rec->uDiagnostics.psExternallyDefined = sampleOctetAligned("1.2.840.10003.4.2", "diag-1 octets");
    return rec;
}

inline std::unique_ptr<KivFragmentSyntax> sampleOctetsFragment(const std::string& octets) {
    auto fragment = std::make_unique<KivFragmentSyntax>();
    fragment->eFragmentSyntaxType = FST_NotExternallyTagged;
    fragment->uFragmentSyntax.psNotExternallyTagged = std::make_unique<KivOctets>(KivOctets{octets});
    return fragment;
}

inline std::unique_ptr<KivFragmentSyntax> sampleTaggedFragment() {
    auto fragment = std::make_unique<KivFragmentSyntax>();
    fragment->eFragmentSyntaxType = FST_ExternallyTagged;
    fragment->uFragmentSyntax.psExternallyTagged = sampleArbitrary("1011");
    return fragment;
}

// One response record of every kind, in eDbRecordType order: a MARC record under a database name, a
// surrogate diagnostic and the three fragments.
inline KivRecords sampleResponseRecords() {
    KivRecords records;
    records.eRecordType = RT_Response;
    auto& array = records.uRecord.ppsResponseRecord;
    array = KivArray<KivResponseRecord>::emptyArray();

    KivResponseRecord* marc = array.emplace();
    marc->psDatabaseName = sampleString("Default");
    marc->eDbRecordType = DRT_Retrieval;
    marc->uDbRecord.psRetrievalRecord = sampleOctetAligned("1.2.840.10003.5.10", "00714cam  2200205 a 4500");

    KivResponseRecord* surrogate = array.emplace();
    surrogate->eDbRecordType = DRT_SurrogateDiagnostics;
    surrogate->uDbRecord.psSurrogateDiagnostic = sampleDefaultDiagRec(14, PVIF_Version3, "record 2");

    KivResponseRecord* starting = array.emplace();
    starting->psDatabaseName = sampleString("books");
    starting->eDbRecordType = DRT_StartingFragment;
    starting->uDbRecord.psStartingFragment = sampleOctetsFragment("first part");

    KivResponseRecord* intermediate = array.emplace();
    intermediate->eDbRecordType = DRT_IntermediateFragment;
    intermediate->uDbRecord.psIntermediateFragment = sampleTaggedFragment();

    KivResponseRecord* final = array.emplace();
    final->eDbRecordType = DRT_FinalFragment;
    final->uDbRecord.psFinalFragment = sampleOctetsFragment("");
    return records;
}

inline KivRecords sampleNonSurrogateDiagnostic(int32_t version, const std::string& info) {
    KivRecords records;
    records.eRecordType = RT_NonSurrDiagnostics;
    records.uRecord.psNonSurrogateDiag = sampleDefaultDiag(109, version, info);
    return records;
}

inline KivRecords sampleMultipleDiagnostics() {
    KivRecords records;
    records.eRecordType = RT_MultipleNonSurrDiagnostics;
    auto& array = records.uRecord.ppsMultipleNonSurrogateDiag;
    array = KivArray<KivDiagRec>::emptyArray();
    array.append(sampleDefaultDiagRec(2, PVIF_Version2, "temporary"));
    array.append(sampleExternalDiagRec());
    array.append(sampleDefaultDiagRec(1, PVIF_Version3, ""));
    return records;
}
