#include <string>

#include "Quorvane/diagnostics/bib1_conditions.h"
#include "Quorvane/diagnostics/diagnostics.h"
#include "Quorvane/handlers/request_handlers.h"
#include "Quorvane/handlers/serve_request.h"
#include "Quorvane/log/operations_log.h"
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
    ServeRequest(
        assocId, pdu.uPdu.psPresentReq.get(), sendPresentResponse,
        [](SessionRecord& session, const KivPresentReq& request, KivPresentRsp& response) {
            FillPresentResponse(session, request, ReadPresentSettings(), response);
        },
        [](SessionRecord&, KivPresentRsp& response) {
            SetPresentDiagnostic(response, kConditionTemporarySystemError);
        });
}
