#include <memory>
#include <string>

#include "Quorvane/present/record_syntaxes.h"
#include "Quorvane/protocol/record_size_check.h"
#include "Quorvane/records/holdings_extraction.h"
#include "Quorvane/records/marc_record_builder.h"
#include "Quorvane/records/record_packaging.h"
#include "Quorvane/records/record_packaging_external.h"

namespace {

// Whether the built MARC record goes into the response record: not when it was refused, by the builder
// (the response record then holds its surrogate diagnostic) or by the size check (the response record
// stays untouched).
bool placeable(KivResponseRecord& record, const MarcBuildResult& built, SessionRecord& session,
               RecordPlacement& placement) {
    if (!built.refusal) {
        SetRecordDiagnostic(record, session, built.refusal.condition(), built.refusalInfo);
        return false;
    }
    return CheckRecordSize(session, placement, static_cast<std::uint32_t>(built.record.size())) != 0;
}

}  // namespace

Bib1Outcome PackageMarcRecord(KivResponseRecord& record, std::string_view databaseName,
                              PresentCacheEntry& entry, SessionRecord& session, RecordPlacement& placement,
                              std::string_view syntax) {
    const MarcBuildResult marc = BuildMarcRecord(entry, session);
    if (placeable(record, marc, session, placement)) {
        SetOctetAligned(SetRetrievalRecord(record, databaseName, marc.syntax.value_or(std::string(syntax))),
                        marc.record);
    }
    return marc.spillOver;
}

Bib1Outcome PackageOpacRecord(KivResponseRecord& record, std::string_view databaseName,
                              PresentCacheEntry& entry, SessionRecord& session, RecordPlacement& placement,
                              std::string_view /*syntax*/) {
    MarcBuildResult built = BuildMarcRecord(entry, session);
    if (!placeable(record, built, session, placement)) return built.spillOver;
    auto opac = std::make_unique<KivOpacRecord>();
    opac->ppsHoldingsData = ExtractHoldings(built.record);
    // Clients decode the bibliographic record by the syntax its EXTERNAL names.
    opac->psBibliographicRecord = std::make_unique<KivExternal>();
    opac->psBibliographicRecord->pcObjectIdentifier = built.syntax.value_or(std::string(kUsMarcSyntax));
    SetOctetAligned(*opac->psBibliographicRecord, built.record);
    SetSingleAsn1Type(SetRetrievalRecord(record, databaseName, kOpacRecordSyntax), AT_OpacRecord)
        .uASN1.psOpacRecord = std::move(opac);
    return built.spillOver;
}
