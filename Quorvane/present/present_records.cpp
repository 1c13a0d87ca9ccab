#include "Quorvane/present/present_records.h"

#include <memory>

#include "Quorvane/diagnostics/bib1_conditions.h"
#include "Quorvane/diagnostics/diagnostics.h"
#include "Quorvane/present/present_cache.h"
#include "Quorvane/present/record_fetch.h"
#include "Quorvane/present/record_syntaxes.h"
#include "Quorvane/protocol/marc_syntax.h"
#include "Quorvane/records/record_packaging.h"

Bib1Outcome PackagePresentRecord(KivResponseRecord& record, PresentCacheEntry& entry, SessionRecord& session,
                                 RecordPlacement& placement, std::string_view syntax) {
    const std::string database = session.currentDatabase.value_or("");
    if (IsMarkupSyntax(syntax)) {
        PackageHtmlRecord(record, database, entry, session, placement, syntax);
    } else if (syntax == kSutrsRecordSyntax) {
        PackageSutrsRecord(record, database, entry, session, placement);
    } else if (syntax == kGenericRecordSyntax) {
        PackageGenericRecord(record, database, entry, session, placement);
    } else if (syntax == kOpacPresentSyntax) {
        return PackageOpacRecord(record, database, entry, session, placement, syntax);
    } else if (IsMarcSyntax(syntax) != 0) {
        return PackageMarcRecord(record, database, entry, session, placement, syntax);
    }
    return {};
}

Bib1Outcome PlacePresentRecords(SessionRecord& session, KivPresentRsp& response, std::uint32_t start,
                                std::uint32_t number, const RecordFormatChoice& choice,
                                std::string_view syntax, RequestMemory& memory) {
    response.psRecords = std::make_unique<KivRecords>();
    response.psRecords->eRecordType = RT_Response;
    KivArray<KivResponseRecord>& records = response.psRecords->uRecord.ppsResponseRecord;
    records = KivArray<KivResponseRecord>::emptyArray();
    RecordPlacement placement;

    Bib1Result<RowFetch> fetched = FetchPresentRecords(session, start, number, choice, syntax, memory);
    if (!fetched) {
        response.ulNumberOfRecordsReturned = 0;
        return fetched.outcome();
    }
    Bib1Outcome outcome;
    for (std::uint32_t i = 0; i < number; ++i) {
        const std::uint32_t position = start + i;
        PresentCacheEntry* entry = FindCachedRecord(*session.presentCache, position);
        if (entry == nullptr && *fetched == RowFetch::Done) break;
        auto record = std::make_unique<KivResponseRecord>();
        const std::uint32_t octetsBefore = placement.octetsPlaced;
        if (entry != nullptr)
            outcome.keepFailure(PackagePresentRecord(*record, *entry, session, placement, syntax));
        if (entry == nullptr || !memory.reserve(2 * std::size_t{placement.octetsPlaced - octetsBefore})) {
            if (placement.recordsPlaced == 0) {
                SetPresentDiagnostic(response, kConditionResourcesExhausted);
                return outcome;
            }
            response.ePresentStatus = PS_Partial_4;
            response.ulNextResultSetPosition = position;
            break;
        }
        if (placement.sizeDiagnostic != 0) {
            if (placement.recordsPlaced == 0) {
                SetSurrogateDiagnostic(session, *record, placement.sizeDiagnostic);
                records.append(std::move(record));
                ++placement.recordsPlaced;
                response.ulNextResultSetPosition = 0;
            } else {
                response.ulNextResultSetPosition = position;
            }
            break;
        }
        records.append(std::move(record));
        ++placement.recordsPlaced;
    }
    response.ulNumberOfRecordsReturned = placement.recordsPlaced;
    return outcome;
}
