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
std::optional<std::string> builtRecord(KivResponseRecord& record, PresentCacheEntry& entry,
                                       SessionRecord& session) {
    session.marcSyntaxOverride = nullptr;
    MarcBuildResult built = BuildMarcRecord(entry, session);
    if (built.refusalCondition != 0) {
        SetRecordDiagnostic(record, session, built.refusalCondition, built.refusalInfo);
        return std::nullopt;
    }
    if (CheckRecordSize(session, static_cast<std::uint32_t>(built.record.size())) == 0) return std::nullopt;
    return std::move(built.record);
}

// The record syntax of the MARC record just built: its block's MARCOID, else the fallback.
std::string_view builtSyntax(const SessionRecord& session, std::string_view fallback) {
    return session.marcSyntaxOverride != nullptr ? session.marcSyntaxOverride : fallback;
}

}  // namespace

void PackageMarcRecord(KivResponseRecord& record, std::string_view databaseName, PresentCacheEntry& entry,
                       SessionRecord& session, std::string_view syntax) {
    std::optional<std::string> marc = builtRecord(record, entry, session);
    if (!marc) return;
    SetOctetAligned(SetRetrievalRecord(record, databaseName, builtSyntax(session, syntax)), *marc);
}

void PackageOpacRecord(KivResponseRecord& record, std::string_view databaseName, PresentCacheEntry& entry,
                       SessionRecord& session, std::string_view /*syntax*/) {
    std::optional<std::string> marc = builtRecord(record, entry, session);
    if (!marc) return;
    auto opac = std::make_unique<KivOpacRecord>();
    opac->ppsHoldingsData = ExtractHoldings(*marc);
    // Clients decode the bibliographic record by the syntax its EXTERNAL names.
    opac->psBibliographicRecord = std::make_unique<KivExternal>();
    opac->psBibliographicRecord->pcObjectIdentifier = std::string(builtSyntax(session, kUsMarcSyntax));
    SetOctetAligned(*opac->psBibliographicRecord, *marc);
    SetSingleAsn1Type(SetRetrievalRecord(record, databaseName, kOpacRecordSyntax), AT_OpacRecord)
        .uASN1.psOpacRecord = std::move(opac);
}
