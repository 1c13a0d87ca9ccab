#include <memory>
#include <string>

#include "Quorvane/diagnostics/bib1_conditions.h"
#include "Quorvane/protocol/counted_texts.h"
#include "Quorvane/protocol/record_size_check.h"
#include "Quorvane/records/grs1_record.h"
#include "Quorvane/records/html_record.h"
#include "Quorvane/records/record_packaging.h"
#include "Quorvane/records/record_packaging_external.h"
#include "Quorvane/records/sutrs_record.h"

namespace {

constexpr std::string_view kSutrsSyntax = "1.2.840.10003.5.101";
constexpr std::string_view kGenericSyntax = "1.2.840.10003.5.105";

void noDefinition(KivResponseRecord& record, const SessionRecord& session) {
    SetRecordDiagnostic(record, session, kConditionNoDataInSyntax,
                        "No record definition for database " + session.currentDatabase.value_or(""));
}

// The built text when it passes the size check; none otherwise (a builder without a definition for the
// database makes the record a surrogate diagnostic).
std::optional<std::string> checkedText(KivResponseRecord& record, SessionRecord& session,
                                       RecordPlacement& placement, bool built, std::string text) {
    if (!built) {
        noDefinition(record, session);
        return std::nullopt;
    }
    if (CheckRecordSize(session, placement, static_cast<std::uint32_t>(text.size())) == 0)
        return std::nullopt;
    return text;
}

}  // namespace

void PackageSutrsRecord(KivResponseRecord& record, std::string_view databaseName, PresentCacheEntry& entry,
                        SessionRecord& session, RecordPlacement& placement) {
    std::string text;
    const bool built = BuildSutrsRecord(entry, text, session);
    std::optional<std::string> checked = checkedText(record, session, placement, built, std::move(text));
    if (!checked) return;
    SetSingleAsn1Type(SetRetrievalRecord(record, databaseName, kSutrsSyntax), AT_UnstructuredText)
        .uASN1.psUnstructuredText = NewInternationalString(*checked);
}

void PackageHtmlRecord(KivResponseRecord& record, std::string_view databaseName, PresentCacheEntry& entry,
                       SessionRecord& session, RecordPlacement& placement, std::string_view syntax) {
    std::string text;
    const bool built = BuildHtmlRecord(entry, text, session);
    std::optional<std::string> checked = checkedText(record, session, placement, built, std::move(text));
    if (!checked) return;
    SetOctetAligned(SetRetrievalRecord(record, databaseName, syntax), *checked);
}

void PackageGenericRecord(KivResponseRecord& record, std::string_view databaseName, PresentCacheEntry& entry,
                          SessionRecord& session, RecordPlacement& placement) {
    auto generic = std::make_unique<KivGenericRecord>();
    if (BuildGenericRecord(entry, *generic, session, placement) == 0) {
        if (placement.sizeDiagnostic == 0) noDefinition(record, session);
        return;
    }
    SetSingleAsn1Type(SetRetrievalRecord(record, databaseName, kGenericSyntax), AT_GenericRecord)
        .uASN1.psGenericRecord = std::move(generic);
}
