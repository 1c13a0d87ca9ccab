#include "toolkit/session/receive_data_target.h"

#include <cstdio>
#include <memory>
#include <new>
#include <optional>
#include <vector>

#include "toolkit/api/kiv_conversion_error.h"
#include "toolkit/codec/z3950/apdu_one.h"
#include "toolkit/session/association_registry.h"
#include "toolkit/session/call_trace.h"
#include "toolkit/session/receive_pdu.h"
#include "toolkit/session/received_pdu_dispatch.h"
#include "toolkit/session/state_event.h"
#include "toolkit/session/state_machine_names.h"
#include "toolkit/session/transport_codec.h"
#include "toolkit/session/transport_errors.h"
#include "toolkit/session/transport_lifecycle.h"

using codec::z3950::PDU;

namespace {

// The decoded APDU, freed with the holder.
struct DecodedPdu {
    PDU pdu{};
    ~DecodedPdu() { codec::z3950::FreePDU(&pdu); }
};

// Dispatches a decoded APDU into a new record, handed over through out on SI_OK.
SIResult deliver(KivAssocId assocId, PDU* pdu, const uint8_t* octets, size_t length, KivTargetPdu** out,
                 SIError** error) {
    try {
        auto target = std::make_unique<KivTargetPdu>();
        const SIResult result = SIDispatchReceivedPdu(assocId, pdu, octets, length, target.get(), error);
        if (result == SI_OK) *out = target.release();
        return result;
    } catch (const std::bad_alloc&) {
        KivReportOutOfMemory(assocId, error);
        return SI_NOTOK;
    }
}

SIResult deliverRelease(KivAssocId assocId, KivTargetPdu** out, SIError** error) {
    if (SIStateEvent(assocId, KIV_TE_AREL_IND, error) != 0) return SI_NOTOK;
    try {
        auto target = std::make_unique<KivTargetPdu>();
        target->ePduType = TPT_ReleaseInd;
        target->uPdu.plReleaseInd = 0;
        *out = target.release();
        return SI_OK;
    } catch (const std::bad_alloc&) {
        KivReportOutOfMemory(assocId, error);
        return SI_NOTOK;
    }
}

SIResult readAndDeliver(KivAssocId assocId, KivSecs secs, KivTargetPdu** out, SIError** error) {
    const std::optional<SIAssociation> record = siFindAssociation(assocId);
    KivProtocolStack stack = Unknown_Stack;
    if (SICheckAssociation(assocId, &stack, error) != 0 || !record) return SI_NOTOK;
    if (stack == OSI_Stack) {
        std::fputs("OSI not supported\n", stdout);
        return SI_OK;
    }
    DecodedPdu decoded;
    std::vector<uint8_t> octets;
    switch (SIReceivePdu(assocId, &decoded.pdu, record->socketHandle, secs, &octets, error)) {
        case kSIReceiveDecoded:
            return deliver(assocId, &decoded.pdu, octets.data(), octets.size(), out, error);
        case kSIReceivePeerReleased:
            return deliverRelease(assocId, out, error);
        case kSIReceiveTimedOut:
            return SI_OK;
        default:
            return SI_NOTOK;
    }
}

// The exit lines, and the end of an aborted association.
SIResult leave(const char* name, KivAssocId assocId, SIResult result, SIError** error) {
    SITraceLeave(name, assocId, result);
    if (result == SI_NOTOK && siIsAbort(error)) {
        siAbortAssociation(assocId);
    }
    return result;
}

}  // namespace

SIResult ReceiveDataTargetNT(KivAssocId assocId, KivSecs /*secs*/, KivTargetPdu** out, const uint8_t* octets,
                             size_t length, SIError** error) {
    constexpr const char* kName = "ReceiveDataTargetNT";
    const SIErrorSlot slot(error);
    SITraceEnter(kName, assocId);
    DecodedPdu decoded;
    SIResult result = SI_NOTOK;
    if (SIDecodePdu(assocId, octets, length, &decoded.pdu, slot.get()) == 0) {
        result = deliver(assocId, &decoded.pdu, octets, length, out, slot.get());
    }
    return leave(kName, assocId, result, slot.get());
}

SIResult ReceiveDataTarget(KivAssocId assocId, KivSecs secs, KivTargetPdu** out, SIError** error) {
    constexpr const char* kName = "ReceiveDataTarget";
    const SIErrorSlot slot(error);
    SITraceEnter(kName, assocId);
    return leave(kName, assocId, readAndDeliver(assocId, secs, out, slot.get()), slot.get());
}
