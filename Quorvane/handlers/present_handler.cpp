#include <memory>
#include <string>

#include "Quorvane/association/session_lease.h"
#include "Quorvane/diagnostics/bib1_conditions.h"
#include "Quorvane/diagnostics/diagnostics.h"
#include "Quorvane/handlers/request_failure.h"
#include "Quorvane/handlers/request_handlers.h"
#include "Quorvane/log/operations_log.h"
#include "Quorvane/present/present_response.h"
#include "Quorvane/present/present_settings.h"
#include "Quorvane/protocol/counted_texts.h"
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
            auto response = std::make_unique<KivPresentRsp>();
            FillPresentResponse(*session, *request, ReadPresentSettings(), *response);
            sendPresentResponse(assocId, *response, answered);
        },
        [&](bool& answered) {
            auto response = std::make_unique<KivPresentRsp>();
            response->psReferenceId = CopyReferenceId(request->psReferenceId.get());
            SetPresentDiagnostic(*response, kConditionTemporarySystemError);
            sendPresentResponse(assocId, *response, answered);
        });
}
