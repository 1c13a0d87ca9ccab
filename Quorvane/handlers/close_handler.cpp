#include <array>
#include <string>
#include <string_view>

#include "Quorvane/association/session_lease.h"
#include "Quorvane/handlers/request_failure.h"
#include "Quorvane/handlers/request_handlers.h"
#include "Quorvane/log/operations_log.h"
#include "Quorvane/protocol/counted_texts.h"
#include "toolkit/api/kiv_free.h"
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

void SendCloseResponse(KivAssocId assocId, const KivOctets* referenceId, bool& answered) {
    auto response = std::make_unique<KivClose>();
    response->psReferenceId = CopyReferenceId(referenceId);
    response->eCloseReason = CR_Finished;

    SIError* error = nullptr;
    answered = ResponseSent(KIVCloseResponse(assocId, response.get(), &error), error);
    LogMessage((answered ? "Sent Close Response PDU : Association "
                     : "Error in sending Close Response PDU : Association ") +
               std::to_string(assocId));
}

// Logs the received Close and, for a request, answers it.
void handleClose(KivAssocId assocId, const KivClose* close, bool answer) {
    SessionLease session(assocId);
    if (!session || close == nullptr) return;
    AnswerRequest(
        assocId,
        [&](bool& answered) {
            answered = !answer;
            logClose(assocId, *close);
            if (answer) SendCloseResponse(assocId, close->psReferenceId.get(), answered);
        },
        [&](bool& answered) {
            answered = !answer;
            if (answer) SendCloseResponse(assocId, close->psReferenceId.get(), answered);
        });
}

}  // namespace

void HandleCloseRequest(KivAssocId assocId, const KivTargetPdu& pdu) {
    handleClose(assocId, pdu.uPdu.psCloseReq.get(), true);
}

void LogCloseResponse(KivAssocId assocId, const KivTargetPdu& pdu) {
    handleClose(assocId, pdu.uPdu.psCloseRsp.get(), false);
}
