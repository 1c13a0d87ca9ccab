#include <array>
#include <string>
#include <string_view>

#include "Quorvane/association/session_lease.h"
#include "Quorvane/handlers/request_handlers.h"
#include "Quorvane/handlers/serve_request.h"
#include "Quorvane/log/operations_log.h"
#include "Quorvane/protocol/counted_texts.h"
#include "toolkit/session/close_service.h"

namespace {

// The names of eCloseReason -1 (CR_Invalid) to 9; any other value has none.
constexpr std::array<std::string_view, 11> kCloseReasonNames = {
    "CR_Invalid",        "CR_Finished",  "CR_ShutDown",          "CR_SystemProblem",
    "CR_CostLimit",      "CR_Resources", "CR_SecurityViolation", "CR_ProtocolError",
    "CR_LackOfActivity", "CR_PeerAbort", "CR_Unspecified",
};

std::string_view closeReasonName(std::int32_t reason) {
    if (reason < CR_Invalid || reason > CR_Unspecified) return {};
    return kCloseReasonNames[static_cast<std::size_t>(reason + 1)];
}

void logClose(KivAssocId assocId, const KivClose& close) {
    LogMessage(" ");
    LogMessage("Received CloseRequest PDU : Association " + std::to_string(assocId));
    LogMessage("psReferenceId: " + PrintOctetsText(close.psReferenceId.get()));
    LogMessage("eCloseReason: " + std::string(closeReasonName(close.eCloseReason)));
    LogMessage("psDiagnosticInformation: " + PrintCountedText(close.psDiagnosticInformation.get()));
    LogMessage("pcResourceReportFormat: " +
               (close.pcResourceReportFormat ? *close.pcResourceReportFormat : std::string("NULL")));
}

void setCloseResponse(KivClose& response) {
    response.eCloseReason = CR_Finished;
}

void fillCloseResponse(SessionRecord& session, const KivClose& request, KivClose& response) {
    logClose(session.assocId, request);
    response.psReferenceId = CopyReferenceId(request.psReferenceId.get());
    setCloseResponse(response);
}

bool sendCloseResponse(KivAssocId assocId, const KivClose& response) {
    SIError* error = nullptr;
    const bool sent = ResponseSent(KIVCloseResponse(assocId, &response, &error), error);
    LogMessage((sent ? "Sent Close Response PDU : Association "
                     : "Error in sending Close Response PDU : Association ") +
               std::to_string(assocId));
    return sent;
}

}  // namespace

void HandleCloseRequest(KivAssocId assocId, const KivTargetPdu& pdu) {
    ServeRequest(assocId, pdu.uPdu.psCloseReq.get(), sendCloseResponse, fillCloseResponse,
                 [](SessionRecord&, KivClose& response) { setCloseResponse(response); });
}

void LogCloseResponse(KivAssocId assocId, const KivTargetPdu& pdu) {
    SessionLease session(assocId);
    const KivClose* close = pdu.uPdu.psCloseRsp.get();
    if (!session || close == nullptr) return;
    try {
        logClose(assocId, *close);
    } catch (const std::exception& failure) {
        LogRequestFailure(assocId, failure);
    }
}
