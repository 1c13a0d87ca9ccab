#include <optional>
#include <string>

#include "Quorvane/diagnostics/bib1_conditions.h"
#include "Quorvane/diagnostics/diagnostics.h"
#include "Quorvane/handlers/request_handlers.h"
#include "Quorvane/handlers/serve_request.h"
#include "Quorvane/log/operations_log.h"
#include "Quorvane/memory/memory_budget.h"
#include "Quorvane/present/present_response.h"
#include "Quorvane/present/present_settings.h"
#include "toolkit/session/response_services.h"

namespace {

bool sendPresentResponse(KivAssocId assocId, const KivPresentRsp& response) {
    SIError* error = nullptr;
    const bool sent = ResponseSent(KIVPresentResponse(assocId, &response, &error), error);
    LogMessage("Sent PresentResponse PDU from association id " + std::to_string(assocId));
    return sent;
}

}  // namespace

void HandlePresentRequest(KivAssocId assocId, const KivTargetPdu& pdu) {
    std::optional<RequestMemory> memory;  // the records stay reserved until the response is sent
    ServeRequest(
        assocId, pdu.uPdu.psPresentReq.get(), sendPresentResponse,
        [&](SessionRecord& session, const KivPresentReq& request, KivPresentRsp& response) {
            const PresentSettings settings = ReadPresentSettings();
            RequestMemory& requestMemory = memory.emplace(settings.requestBudget);
            FillPresentResponse(session, request, settings, response, &requestMemory);
        },
        [](SessionRecord&, KivPresentRsp& response) {
            SetPresentDiagnostic(response, kConditionTemporarySystemError);
        });
}
