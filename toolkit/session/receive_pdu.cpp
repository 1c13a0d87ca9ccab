#include "toolkit/session/receive_pdu.h"

#include <poll.h>
#include <sys/socket.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <optional>

#include "toolkit/session/association_registry.h"
#include "toolkit/session/poll_wait.h"
#include "toolkit/session/send_socket.h"
#include "toolkit/session/state_machine_names.h"
#include "toolkit/session/transport_codec.h"
#include "toolkit/session/transport_errors.h"
#include "toolkit/session/transport_message_size.h"
#include "toolkit/util/ber_element_check.h"

namespace {

constexpr size_t kLargestRead = 4096;

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
    const size_t cap = siReceivedApduCap(assocId);
    size_t wanted = 1;
    for (;;) {
        const size_t held = octets->size();
        octets->resize(held + wanted);
        const ssize_t got = recv(socket, octets->data() + held, wanted, 0);
        octets->resize(held + static_cast<size_t>(std::max<ssize_t>(got, 0)));
        if (got == 0) return SIPeerClosed(assocId, error);
        if (got < 0) {
            if (errno == EINTR) continue;
            if ((errno == EAGAIN || errno == EWOULDBLOCK) &&
                waitReadable(socket, kSISendStallLimit) == Readiness::Readable) {
                continue;
            }
            siReportAssociationLost(assocId, error);
            return kSIReceiveFailed;
        }
        int32_t missing = 0;
        const int whole =
            BerDirElementComplete(octets->data(), static_cast<int32_t>(octets->size()), &missing);
        if (whole == kBerElementComplete) break;
        const size_t declared = octets->size() + static_cast<size_t>(missing);
        if (whole == kBerElementMalformed || declared > cap || octets->size() >= cap) {
            siReportUndecodable(assocId, error);
            return kSIReceiveFailed;
        }
        wanted = missing > 0 ? std::min(static_cast<size_t>(missing), kLargestRead) : 1;
    }
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
