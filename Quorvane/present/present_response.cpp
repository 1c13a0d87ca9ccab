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

// The condition that fails the Present, or 0 to go on.
std::uint32_t checkRequest(SessionRecord& session, const KivPresentReq& request, const std::string& syntax) {
    if (IsSyntaxAvailable(syntax, session) == 0) return kConditionNoDataInSyntax;
    if (session.resultCount == 0) return kConditionNoResultSet;
    if (!StartPointInResultSet(request.ulResultSetStartPoint, session.resultCount))
        return kConditionStartPointOutOfRange;
    return 0;
}

}  // namespace

void FillPresentResponse(SessionRecord& session, const KivPresentReq& request,
                         const PresentSettings& settings, KivPresentRsp& response, RequestMemory* memory) {
    response.psReferenceId = CopyReferenceId(request.psReferenceId.get());
    const std::string syntax = request.pcPreferredRecordSyntax.value_or(settings.defaultSyntax);
    const Bib1Outcome connected = UseResultSetDatabase(session);

    std::uint32_t condition = checkRequest(session, request, syntax);
    if (condition != 0) {
        SetPresentDiagnostic(response, condition);
        return;
    }
    std::uint32_t number = 0;
    std::uint32_t nextPosition = 0;
    ComputePresentRange(request, session.resultCount, settings.maximumRecords, number, nextPosition);
    if (!connected) {
        SetPresentDiagnostic(response, connected.condition());
        return;
    }
    RecordFormatChoice choice;
    condition = ChooseRecordFormat(session, request, settings.defaultFull, choice);
    if (condition != 0) {
        SetPresentDiagnostic(response, condition);
        return;
    }

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
