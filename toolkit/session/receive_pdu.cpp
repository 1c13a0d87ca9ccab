#include "toolkit/session/receive_pdu.h"

#include <poll.h>

#include <chrono>
#include <optional>

#include "toolkit/session/apdu_assembler.h"
#include "toolkit/session/association_registry.h"
#include "toolkit/session/poll_wait.h"
#include "toolkit/session/send_socket.h"
#include "toolkit/session/state_machine_names.h"
#include "toolkit/session/transport_codec.h"
#include "toolkit/session/transport_errors.h"
#include "toolkit/session/transport_message_size.h"

namespace {

enum class Readiness { Readable, TimedOut, Failed };

// Waits for the socket to become readable; a negative limit waits without one.
Readiness waitReadable(int socket, std::chrono::milliseconds limit) {
    pollfd entry{socket, POLLIN, 0};
    const int ready = siPollWithin(&entry, 1, limit);
    if (ready > 0) return Readiness::Readable;
    return ready == 0 ? Readiness::TimedOut : Readiness::Failed;
}

std::chrono::milliseconds firstWait(KivSecs secs) {
    if (secs > 0) return siWaitSeconds(secs);
    if (secs == 0) return std::chrono::milliseconds(1);
    return std::chrono::milliseconds(-1);
}

}  // namespace

int SIReceivePdu(KivAssocId assocId, codec::z3950::PDU* pdu, int socket, KivSecs secs,
                 std::vector<uint8_t>* octets, SIError** error) {
    octets->clear();
    switch (waitReadable(socket, firstWait(secs))) {
        case Readiness::Readable:
            break;
        case Readiness::TimedOut:
            return kSIReceiveTimedOut;
        case Readiness::Failed:
            siReportSystemCallFailed(0, SI_Communication_Error, "poll()", Association_Unknown_State, error);
            return kSIReceiveFailed;
    }
    ApduAssembler assembler;
    const size_t cap = siReceivedApduCap(assocId);
    for (;;) {
        switch (assembler.receive(socket, cap)) {
            case ApduAssembler::Receive::Complete:
                break;
            case ApduAssembler::Receive::Pending:
                if (waitReadable(socket, kSISendStallLimit) == Readiness::Readable) continue;
                siReportAssociationLost(assocId, error);
                return kSIReceiveFailed;
            case ApduAssembler::Receive::PeerClosed:
                return SIPeerClosed(assocId, error);
            case ApduAssembler::Receive::Failed:
                siReportAssociationLost(assocId, error);
                return kSIReceiveFailed;
            case ApduAssembler::Receive::Refused:
                siReportUndecodable(assocId, error);
                return kSIReceiveFailed;
        }
        break;
    }
    *octets = assembler.apdu();
    return SIDecodePdu(assocId, octets->data(), octets->size(), pdu, error) == 0 ? kSIReceiveDecoded
                                                                                 : kSIReceiveFailed;
}

int SIPeerClosed(KivAssocId assocId, SIError** error) {
    const std::optional<SIAssociation> record = siFindAssociation(assocId);
    if (!record) {
        SICheckAssociation(assocId, nullptr, error);
        return kSIReceiveFailed;
    }
    const int state = record->machine.state;
    if (record->role != kSIRoleOrigin && (state == KIV_TS_ASSOCIATION || state == KIV_TS_OPEN)) {
        return kSIReceivePeerReleased;
    }
    siReportAbort(assocId, error);
    return kSIReceiveFailed;
}
