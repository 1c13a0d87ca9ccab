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

// The session's pending diagnostic, cleared.
std::uint32_t takePendingDiagnostic(SessionRecord& session) {
    const auto condition = static_cast<std::uint32_t>(session.pendingDiagnostic);
    session.pendingDiagnostic = 0;
    return condition;
}

}  // namespace

void FillPresentResponse(SessionRecord& session, const KivPresentReq& request,
                         const PresentSettings& settings, KivPresentRsp& response, RequestMemory* memory) {
    response.psReferenceId = CopyReferenceId(request.psReferenceId.get());
    const std::string syntax = request.pcPreferredRecordSyntax.value_or(settings.defaultSyntax);
    UseResultSetDatabase(session);

    std::uint32_t condition = checkRequest(session, request, syntax);
    if (condition != 0) {
        SetPresentDiagnostic(response, condition);
        return;
    }
    std::uint32_t number = 0;
    std::uint32_t nextPosition = 0;
    ComputePresentRange(request, session.resultCount, settings.maximumRecords, number, nextPosition);
    if (session.pendingDiagnostic != 0) {
        SetPresentDiagnostic(response, takePendingDiagnostic(session));
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
    if (number != 0) {
        ProcessMemoryBudget::instance().setLimit(settings.processBudget);
        std::optional<RequestMemory> ownMemory;
        if (memory == nullptr) memory = &ownMemory.emplace(settings.requestBudget);
        PreparePresentCache(session, choice, syntax);
        PlacePresentRecords(session, response, request.ulResultSetStartPoint, number, choice, syntax,
                            *memory);
    }
    if (configErrorIsSet() || session.pendingDiagnostic != 0) {
        condition = takePendingDiagnostic(session);
        SetPresentDiagnostic(response, condition != 0 ? condition : kConditionConfigurationFailure);
    }
}
