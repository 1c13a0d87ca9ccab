#include "toolkit/session/received_pdu_dispatch.h"

#include <memory>

#include "toolkit/session/invalid_pdu_dump.h"
#include "toolkit/session/pdu_trace.h"
#include "toolkit/session/received_pdu_conversion.h"
#include "toolkit/session/state_event.h"
#include "toolkit/session/state_machine_names.h"
#include "toolkit/session/trace_registry.h"

using codec::z3950::PDU;

namespace {

// How a target receives one kind of APDU.
struct ReceivedKind {
    int32_t choiceId;
    int32_t pduType;
    int event;
    const char* failureLine;  // null: converted whatever the event gives
};

constexpr ReceivedKind kReceivedKinds[] = {
    {PDU::kInitRequest, TPT_InitializeReq, KIV_TE_INITREQ_PDU,
     "Failed to convert received InitReq PDU to KIV format\n"},
    {PDU::kSearchRequest, TPT_SearchReq, KIV_TE_SEARCHREQ_PDU,
     "Failed to convert received SrchReq PDU to KIV format\n"},
    {PDU::kPresentRequest, TPT_PresentReq, KIV_TE_PRESENTREQ_PDU,
     "Failed to convert received PresReq PDU to KIV format\n"},
    {PDU::kDeleteResultSetRequest, TPT_DeleteResultSetReq, KIV_TE_DELETEREQ_PDU,
     "Failed to convert received DeleteResultSetReq PDU to KIV format\n"},
    {PDU::kScanRequest, TPT_ScanReq, KIV_TE_SCANREQ_PDU,
     "Failed to convert received ScanReq PDU to KIV format\n"},
    {PDU::kResourceReportRequest, TPT_ResourceReportReq, KIV_TE_RESOURCEREQ_PDU,
     "Failed to convert received ResourceReportReq PDU to KIV format\n"},
    {PDU::kSortRequest, TPT_SortReq, KIV_TE_SORTREQ_PDU,
     "Failed to convert received SortReq PDU to KIV format\n"},
    {PDU::kExtendedServicesRequest, TPT_ExtendedServicesReq, KIV_TE_EXTENDEDREQ_PDU,
     "Failed to convert received ExtendedServicesReq PDU to KIV format\n"},
    {PDU::kClose, TPT_CloseReq, KIV_TE_CLOSEREQ_PDU, "Failed to convert received Close PDU to KIV format\n"},
    {PDU::kAccessControlResponse, TPT_AccessControlRsp, KIV_OE_ACCCNTRSP_PDU,
     "Failed to convert received AccessControlRsp PDU to KIV format\n"},
    {PDU::kResourceControlResponse, TPT_ResourceControlRsp, KIV_OE_RESCNTRSP_PDU,
     "Failed to convert received ResourceControlRsp PDU to KIV format\n"},
    {PDU::kTriggerResourceControlRequest, TPT_TriggerResourceControlReq, KIV_OE_TRIGRESCNTREQ_PDU, nullptr},
};

const ReceivedKind* receivedKind(int32_t choiceId) {
    for (const ReceivedKind& kind : kReceivedKinds) {
        if (kind.choiceId == choiceId) return &kind;
    }
    return nullptr;
}

void traceReceivedBlock(KivAssocId assocId, const KivTargetPdu& target) {
    SITraceWrite(assocId, Trace_High, "\nReceived the following PDU:\n");
    const auto& body = target.uPdu;
    switch (target.ePduType) {
        case TPT_InitializeReq:
            return SITracePduInitializeReq(assocId, body.psInitializeReq.get());
        case TPT_SearchReq:
            return SITracePduSearchReq(assocId, body.psSearchReq.get());
        case TPT_PresentReq:
            return SITracePduPresentReq(assocId, body.psPresentReq.get());
        case TPT_DeleteResultSetReq:
            return SITracePduDeleteResultSetReq(assocId, body.psDeleteResultSetReq.get());
        case TPT_ScanReq:
            return SITracePduScanReq(assocId, body.psScanReq.get());
        case TPT_ResourceReportReq:
            return SITracePduResourceReportReq(assocId, body.psResourceReportReq.get());
        case TPT_SortReq:
            return SITracePduSortReq(assocId, body.psSortReq.get());
        case TPT_ExtendedServicesReq:
            return SITracePduExtendedServicesReq(assocId, body.psExtendedServicesReq.get());
        case TPT_CloseReq:
            return SITracePduCloseReq(assocId, body.psCloseReq.get());
        case TPT_CloseRsp:
            return SITracePduCloseRsp(assocId, body.psCloseRsp.get());
        case TPT_InvalidApdu:
            return SITracePduInvalidAPDU(assocId, body.psInvalidAPDU.get());
        case TPT_AccessControlRsp:
            return SITracePduAccessControlRsp(assocId, body.psAccessControlRsp.get());
        case TPT_ResourceControlRsp:
            return SITracePduResourceControlRsp(assocId, body.psResourceControlRsp.get());
        case TPT_TriggerResourceControlReq:
            return SITracePduTriggerResourceControlReq(assocId, body.psTriggerResourceControlReq.get());
    }
}

// The banner and the block stay together: a worker's lines (the end of its previous response) cannot come
// between them.
void traceReceivedBody(KivAssocId assocId, const KivTargetPdu& target) {
    siWithTrace(assocId, [&](const SITraceSink&) { traceReceivedBlock(assocId, target); });
}

SIResult deliverInvalid(KivAssocId assocId, const uint8_t* octets, size_t length, KivTargetPdu* target) {
    target->ePduType = TPT_InvalidApdu;
    target->uPdu.psInvalidAPDU = std::make_unique<KivInvalidAPDU>();
    if (length > 0) target->uPdu.psInvalidAPDU->pcValue.assign(reinterpret_cast<const char*>(octets), length);
    traceReceivedBody(assocId, *target);
    SIDumpInvalidPdu(target->uPdu.psInvalidAPDU.get());
    return SI_OK;
}

}  // namespace

SIResult SIDispatchReceivedPdu(KivAssocId assocId, PDU* pdu, const uint8_t* octets, size_t length,
                               KivTargetPdu* target, SIError** error) {
    const ReceivedKind* kind = receivedKind(pdu->choiceId);
    if (kind == nullptr) return deliverInvalid(assocId, octets, length, target);
    int32_t pduType = kind->pduType;
    if (kind->choiceId == PDU::kClose) {
        if (SIGetTraceLevel(assocId) == Trace_High) SITraceWrite(assocId, Trace_High, "Close (in Target)\n");
        if (SIGetState(assocId) == KIV_TS_CLOSE_SENT) pduType = TPT_CloseRsp;
    }
    const bool refused = SIStateEvent(assocId, kind->event, error) != 0;
    if (refused && kind->failureLine != nullptr) {
        SITraceWrite(assocId, Trace_High, kind->failureLine);
        return SI_NOTOK;
    }
    target->ePduType = pduType;
    if (siConvertReceivedPdu(assocId, pdu, target, error) != 0) return SI_NOTOK;
    if (target->ePduType == TPT_InvalidApdu) return deliverInvalid(assocId, octets, length, target);
    traceReceivedBody(assocId, *target);
    return refused ? SI_NOTOK : SI_OK;
}
