#include <optional>
#include <string>

#include "Quorvane/association/authentication.h"
#include "Quorvane/handlers/request_handlers.h"
#include "Quorvane/handlers/serve_request.h"
#include "Quorvane/log/operations_log.h"
#include "Quorvane/protocol/counted_texts.h"
#include "toolkit/api/kiv_free.h"
#include "toolkit/session/response_services.h"

namespace {

std::string textOrNull(const std::optional<std::string>& text) {
    return text ? *text : std::string("NULL");
}

void logInitRequest(KivAssocId assocId, const KivInitializeReq& request) {
    LogMessage("Received InitRequest PDU : Association " + std::to_string(assocId));
    LogMessage("psReferenceId: " + PrintOctetsText(request.psReferenceId.get()));
    LogMessage("pcProtocolVersion: " + textOrNull(request.pcProtocolVersion));
}

// The client's sizes lower the session's; the server never offers more than it is configured for. A size
// of 0 names no size and leaves the configured one.
void lowerMessageSize(std::uint32_t clientSize, std::uint32_t& sessionSize) {
    if (clientSize != 0 && clientSize < sessionSize) sessionSize = clientSize;
}

void logAndLowerMessageSizes(const KivInitializeReq& request, SessionRecord& session) {
    LogMessage("ulPreferredMessageSize: " + std::to_string(request.ulPreferredMessageSize));
    lowerMessageSize(request.ulPreferredMessageSize, session.preferredMessageSize);
    LogMessage("ulMaxmiumMessageSize: " + std::to_string(request.ulMaxmiumMessageSize));
    lowerMessageSize(request.ulMaxmiumMessageSize, session.maximumMessageSize);
}

void logImplementation(const KivInitializeReq& request) {
    LogMessage("psImplementationId: " + PrintCountedText(request.psImplementationId.get()));
    LogMessage("psImplementationName: " + PrintCountedText(request.psImplementationName.get()));
    LogMessage("psImplementationVersion: " + PrintCountedText(request.psImplementationVersion.get()));
}

// The response's fields other than the reference id: the session's values and the result.
void setInitResponse(const SessionRecord& session, int result, KivInitializeRsp& response) {
    response.pcProtocolVersion = session.protocolVersion;
    response.pcOptions = session.options;
    response.ulPreferredMessageSize = session.preferredMessageSize;
    response.ulMaxmiumMessageSize = session.maximumMessageSize;
    response.fResult = result == 1 ? 1 : 0;
    response.psImplementationId = NewInternationalString(session.implementationId);
    response.psImplementationName = NewInternationalString(session.implementationName);
    response.psImplementationVersion = NewInternationalString(session.implementationVersion);
}

void fillInitResponse(SessionRecord& session, const KivInitializeReq& request, KivInitializeRsp& response) {
    logInitRequest(session.assocId, request);
    session.clientProtocolVersion = request.pcProtocolVersion;
    LogMessage("pcOptions: " + textOrNull(request.pcOptions));
    logAndLowerMessageSizes(request, session);
    logImplementation(request);
    response.psReferenceId = CopyReferenceId(request.psReferenceId.get());
    setInitResponse(session, Authenticate(request), response);
}

bool sendInitResponse(KivAssocId assocId, const KivInitializeRsp& response) {
    SIError* error = nullptr;
    const bool sent = ResponseSent(KIVInitializeResponse(assocId, &response, &error), error);
    LogMessage((sent ? "Sent Initialize Response PDU : Association "
                     : "Error in sending Initialize Response PDU : Association ") +
               std::to_string(assocId));
    return sent;
}

}  // namespace

void HandleInitRequest(KivAssocId assocId, const KivTargetPdu& pdu) {
    ServeRequest(assocId, pdu.uPdu.psInitializeReq.get(), sendInitResponse, fillInitResponse,
                 [](const SessionRecord& session, KivInitializeRsp& response) {
                     setInitResponse(session, 0, response);
                 });
}
