#include "toolkit/session/send_pdu.h"

#include <cstdio>
#include <optional>
#include <vector>

#include "toolkit/session/association_registry.h"
#include "toolkit/session/send_socket.h"
#include "toolkit/session/state_event.h"
#include "toolkit/session/trace_registry.h"
#include "toolkit/session/transport_codec.h"
#include "toolkit/session/transport_errors.h"
#include "toolkit/session/transport_lifecycle.h"

namespace {

void traceAtHigh(KivAssocId assocId, const char* line) {
    if (SIGetTraceLevel(assocId) == Trace_High) SITraceWrite(assocId, Trace_High, line);
}

}  // namespace

int SISendPdu(codec::z3950::PDU* pdu, KivAssocId assocId, SIError** error) {
    traceAtHigh(assocId, "Encoding and sending PDU\n");
    std::vector<uint8_t> octets;
    if (SIEncodePdu(assocId, pdu, &octets, error) != 0) return 1;
    // A copy of the record: nothing of the registry is held while the write waits.
    const std::optional<SIAssociation> record = siFindAssociation(assocId);
    if (SICheckAssociation(assocId, nullptr, error) != 0 || !record) return 1;
    if (record->stackFlag == kSIStackOsi) {
        std::fputs("OSI not supported\n", stdout);
        traceAtHigh(assocId, "Send was successful\n");
        return 0;
    }
    if (SIWriteSocket(record->socketHandle, octets.data(), octets.size()) > 0) {
        traceAtHigh(assocId, "Send was successful\n");
        return 0;
    }
    const int abortEvent = record->role == kSIRoleOrigin ? int{KIV_OE_AABORT_IND} : int{KIV_TE_AABORT_IND};
    SIStateEvent(assocId, abortEvent, nullptr);
    siReportAbort(assocId, error);
    siAbortAssociation(assocId);
    return 1;
}
