#include "toolkit/session/target_association.h"

#include <atomic>
#include <charconv>
#include <cstdio>

#include "toolkit/session/association_registry.h"
#include "toolkit/session/state_machine_names.h"
#include "toolkit/session/target_association_socket.h"
#include "toolkit/session/target_association_state.h"
#include "toolkit/session/transport_errors.h"
#include "toolkit/session/transport_message_size.h"

namespace {

// The descriptor of the calling thread's last TCP instance: a set-up and its associate request stay
// together even while another thread sets up another connection.
thread_local int pendingSocket = -1;
std::atomic<bool> tcpActive{false};
std::atomic<KivAssocId> associationCounter{0};

int descriptorOf(const std::optional<std::string>& text) {
    int descriptor = -1;
    if (!text) return descriptor;
    const char* first = text->data();
    const char* last = first + text->size();
    const auto parsed = std::from_chars(first, last, descriptor);
    return parsed.ec == std::errc() && parsed.ptr == last ? descriptor : -1;
}

}  // namespace

std::atomic<bool> siTargetInitialised{false};

SIResult KivInitialiseTargetNT(int /*unused*/, const KivTargetInstance* instance, SIError** error) {
    SIFreeError(error);
    siTargetInitialised = true;
    if (instance != nullptr && instance->pcProtocolStack == "TCP") {
        pendingSocket = descriptorOf(instance->pcPortNumber);
        tcpActive = true;
    } else {
        std::fputs("OSI not supported\n", stdout);
    }
    return SI_OK;
}

SIResult KivReceiveAssociateRequestNT(KivAssocId assocId, KivAssocId* outAssocId, KivSecs /*secs*/,
                                      std::string* peerAddress,
                                      std::unique_ptr<KivProtocolAndSyntaxes>* protocolAndSyntaxes,
                                      SIError** error) {
    SIFreeError(error);
    if (outAssocId != nullptr) *outAssocId = assocId;
    if (!tcpActive) {
        std::fputs("OSI not supported\n", stdout);
        return SI_OK;
    }
    const std::optional<std::string> address = siPeerAddress(pendingSocket);
    if (!address) {
        siReportSystemCallFailed(0, SI_OperatingSystem_Error, "getpeername()", Association_Open, error);
        return SI_NOTOK;
    }
    SIAssociation record;
    record.lAssocId = assocId;
    record.stackFlag = kSIStackTcp;
    record.socketHandle = pendingSocket;
    record.role = kSIRoleTarget;
    record.machine.state = KIV_TS_ASSOC_INPROGRESS;
    record.peerAddress = *address;
    siForgetNegotiatedMessageSize(assocId);
    if (!siAddAssociation(record)) {
        siReportInvalidParameters(0, "KivReceiveAssociateRequest: the association id is in use already",
                                  Association_Open, error);
        return SI_NOTOK;
    }
    if (peerAddress != nullptr) *peerAddress = *address;
    if (protocolAndSyntaxes != nullptr) {
        auto offered = std::make_unique<KivProtocolAndSyntaxes>();
        offered->peApplicationProtocol = Unknown_Protocol;
        offered->peAbstractSyntax = No_Syntaxes_Provided;
        *protocolAndSyntaxes = std::move(offered);
    }
    return SI_OK;
}

SIResult KivReceiveAssociateRequest(KivAssocId* outAssocId, KivSecs secs, std::string* peerAddress,
                                    std::unique_ptr<KivProtocolAndSyntaxes>* protocolAndSyntaxes,
                                    SIError** error) {
    return KivReceiveAssociateRequestNT(++associationCounter, outAssocId, secs, peerAddress,
                                        protocolAndSyntaxes, error);
}
