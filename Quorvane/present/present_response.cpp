#include "Quorvane/present/present_response.h"

#include <optional>
#include <string>

#include "Quorvane/config/config_error_state.h"
#include "Quorvane/diagnostics/bib1_conditions.h"
#include "Quorvane/diagnostics/diagnostics.h"
#include "Quorvane/present/present_cache.h"
#include "Quorvane/present/present_range.h"
#include "Quorvane/present/present_records.h"
#include "Quorvane/present/record_format_choice.h"
#include "Quorvane/present/syntax_availability.h"
#include "Quorvane/protocol/counted_texts.h"
#include "Quorvane/results/result_set_store.h"

namespace {

// Success, or the condition that fails the Present before any record is fetched.
Bib1Outcome checkRequest(SessionRecord& session, const KivPresentReq& request, const std::string& syntax) {
    if (IsSyntaxAvailable(syntax, session) == 0) return Bib1Outcome::failure(kConditionNoDataInSyntax);
    if (session.resultCount == 0) return Bib1Outcome::failure(kConditionNoResultSet);
    if (!StartPointInResultSet(request.ulResultSetStartPoint, session.resultCount))
        return Bib1Outcome::failure(kConditionStartPointOutOfRange);
    return {};
}

}  // namespace

void FillPresentResponse(SessionRecord& session, const KivPresentReq& request,
                         const PresentSettings& settings, KivPresentRsp& response, RequestMemory* memory) {
    response.psReferenceId = CopyReferenceId(request.psReferenceId.get());
    const std::string syntax = request.pcPreferredRecordSyntax.value_or(settings.defaultSyntax);
    const Bib1Outcome connected = UseResultSetDatabase(session);

    if (const Bib1Outcome checked = checkRequest(session, request, syntax); !checked) {
        SetPresentDiagnostic(response, checked.condition());
        return;
    }
    std::uint32_t number = 0;
    std::uint32_t nextPosition = 0;
    ComputePresentRange(request, session.resultCount, settings.maximumRecords, number, nextPosition);
    if (!connected) {
        SetPresentDiagnostic(response, connected.condition());
        return;
    }
    Bib1Result<RecordFormatChoice> chosen = ChooseRecordFormat(session, request, settings.defaultFull);
    if (!chosen) {
        SetPresentDiagnostic(response, chosen.outcome().condition());
        return;
    }
    const RecordFormatChoice& choice = *chosen;

    response.ulNumberOfRecordsReturned = number;
    response.ulNextResultSetPosition = nextPosition;
    response.ePresentStatus = PS_Success;
    Bib1Outcome placed;
    if (number != 0) {
        ProcessMemoryBudget::instance().setLimit(settings.processBudget);
        std::optional<RequestMemory> ownMemory;
        if (memory == nullptr) memory = &ownMemory.emplace(settings.requestBudget);
        PreparePresentCache(session, choice, syntax);
        placed = PlacePresentRecords(session, response, request.ulResultSetStartPoint, number, choice, syntax,
                                     *memory);
    }
    if (!placed) {
        SetPresentDiagnostic(response, placed.condition());
    } else if (configErrorIsSet()) {
        SetPresentDiagnostic(response, kConditionConfigurationFailure);
    }
}
