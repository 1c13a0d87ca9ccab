#include <memory>
#include <optional>
#include <string>

#include "Quorvane/present/record_syntaxes.h"
#include "Quorvane/protocol/record_size_check.h"
#include "Quorvane/records/holdings_extraction.h"
#include "Quorvane/records/marc_record_builder.h"
#include "Quorvane/records/record_packaging.h"
#include "Quorvane/records/record_packaging_external.h"

namespace {

// The built MARC record; none when it was refused, by the builder (the response record then holds its
// surrogate diagnostic) or by the size check (the response record stays untouched).
std::optional<MarcBuildResult> builtRecord(KivResponseRecord& record, PresentCacheEntry& entry,
                                           SessionRecord& session, RecordPlacement& placement) {
    MarcBuildResult built = BuildMarcRecord(entry, session);
    if (built.refusalCondition != 0) {
        SetRecordDiagnostic(record, session, built.refusalCondition, built.refusalInfo);
        return std::nullopt;
    }
    if (CheckRecordSize(session, placement, static_cast<std::uint32_t>(built.record.size())) == 0)
        return std::nullopt;
    return built;
}

}  // namespace

void PackageMarcRecord(KivResponseRecord& record, std::string_view databaseName, PresentCacheEntry& entry,
                       SessionRecord& session, RecordPlacement& placement, std::string_view syntax) {
    std::optional<MarcBuildResult> marc = builtRecord(record, entry, session, placement);
    if (!marc) return;
    SetOctetAligned(SetRetrievalRecord(record, databaseName, marc->syntax.value_or(std::string(syntax))),
                    marc->record);
}

void PackageOpacRecord(KivResponseRecord& record, std::string_view databaseName, PresentCacheEntry& entry,
                       SessionRecord& session, RecordPlacement& placement, std::string_view /*syntax*/) {
    std::optional<MarcBuildResult> marc = builtRecord(record, entry, session, placement);
    if (!marc) return;
    auto opac = std::make_unique<KivOpacRecord>();
    opac->ppsHoldingsData = ExtractHoldings(marc->record);
    // Clients decode the bibliographic record by the syntax its EXTERNAL names.
    opac->psBibliographicRecord = std::make_unique<KivExternal>();
    opac->psBibliographicRecord->pcObjectIdentifier = marc->syntax.value_or(std::string(kUsMarcSyntax));
    SetOctetAligned(*opac->psBibliographicRecord, marc->record);
    SetSingleAsn1Type(SetRetrievalRecord(record, databaseName, kOpacRecordSyntax), AT_OpacRecord)
        .uASN1.psOpacRecord = std::move(opac);
}
