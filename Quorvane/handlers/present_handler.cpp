#include <memory>
#include <string>

#include "Quorvane/handlers/request_failure.h"
#include "Quorvane/handlers/request_handlers.h"
#include "Quorvane/log/operations_log.h"
#include "Quorvane/present/present_response.h"
#include "Quorvane/present/present_settings.h"
#include "Quorvane/response/bib1_conditions.h"
#include "Quorvane/response/counted_texts.h"
#include "Quorvane/response/diagnostics.h"
#include "Quorvane/session/session_lease.h"
#include "toolkit/session/response_services.h"

namespace {

void sendPresentResponse(KivAssocId assocId, const KivPresentRsp& response, bool& answered) {
    SIError* error = nullptr;
    answered = ResponseSent(KIVPresentResponse(assocId, &response, &error), error);
    LogMessage("Sent PresentResponse PDU from association id " + std::to_string(assocId));
}

}  // namespace

void HandlePresentRequest(KivAssocId assocId, const KivTargetPdu& pdu) {
    SessionLease session(assocId);
    const KivPresentReq* request = pdu.uPdu.psPresentReq.get();
    if (!session || request == nullptr) return;
    AnswerRequest(
        assocId,
        [&](bool& answered) {
            const PresentSettings settings = ReadPresentSettings();
            RequestMemory memory(settings.requestBudget);  // the records stay reserved until sent
            auto response = std::make_unique<KivPresentRsp>();
            FillPresentResponse(*session, *request, settings, *response, &memory);
            sendPresentResponse(assocId, *response, answered);
        },
        [&](bool& answered) {
            auto response = std::make_unique<KivPresentRsp>();
            response->psReferenceId = CopyReferenceId(request->psReferenceId.get());
            SetPresentDiagnostic(*response, kConditionTemporarySystemError);
            sendPresentResponse(assocId, *response, answered);
        });
}
