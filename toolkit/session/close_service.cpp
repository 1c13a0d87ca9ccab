#include "toolkit/session/close_service.h"

#include <optional>
#include <string>

#include "toolkit/api/kiv_check_encoded_oid.h"
#include "toolkit/api/kiv_check_external.h"
#include "toolkit/api/kiv_check_other_information.h"
#include "toolkit/api/kiv_codec_alloc.h"
#include "toolkit/api/kiv_conversion_error.h"
#include "toolkit/api/kiv_validation_reporters.h"
#include "toolkit/codec/z3950/apdu_two.h"
#include "toolkit/session/association_registry.h"
#include "toolkit/session/call_trace.h"
#include "toolkit/session/close_service_conversion.h"
#include "toolkit/session/pdu_trace.h"
#include "toolkit/session/send_pdu.h"
#include "toolkit/session/state_event.h"
#include "toolkit/session/state_machine_names.h"
#include "toolkit/session/state_rollback.h"
#include "toolkit/session/trace_registry.h"

namespace {

// What tells the two calls apart.
struct CloseCall {
    const char* name;
    const char* recordName;
    int targetEvent;
    int originEvent;
    void (*tracePdu)(KivAssocId, const KivClose*);
};

constexpr CloseCall kCloseRequest{"KIVCloseRequest", "psCloseReq", KIV_TE_CLOSEREQ, KIV_OE_CLOSEREQ,
                                  SITracePduCloseReq};
constexpr CloseCall kCloseResponse{"KIVCloseResponse", "psCloseRsp", KIV_TE_CLOSERESP, KIV_OE_CLOSERESP,
                                   SITracePduCloseRsp};

// 1 after reporting the first fault of the record, 0 when it is valid.
int checkClose(KivAssocId assocId, const CloseCall& call, const KivClose* close, SIError** error) {
    if (close == nullptr) return KivReportMissingField(assocId, call.recordName, error);
    const std::string prefix = std::string(call.recordName) + "->";
    if (close->eCloseReason < CR_Finished || close->eCloseReason > CR_Unspecified) {
        return KivReportValueOutOfRange(assocId, prefix + "eCloseReason", error);
    }
    return KivCheckOptionalEncodedOid(assocId, close->pcResourceReportFormat,
                                      prefix + "pcResourceReportFormat", error) ||
           KivCheckOptionalExternal(assocId, close->psResourceReport.get(), prefix + "psResourceReport->",
                                    error) ||
           KivCheckOtherInformation(assocId, &close->ppsOtherInformation, prefix + "ppsOtherInformation",
                                    error);
}

SIResult sendClose(KivAssocId assocId, const CloseCall& call, const KivClose* close, SIError** error) {
    if (SICheckAssociation(assocId, nullptr, error) != 0) return SI_NOTOK;
    SITraceWrite(assocId, Trace_High, "\nSending the following PDU:\n");
    call.tracePdu(assocId, close);
    codec::z3950::PDU pdu{};
    pdu.choiceId = codec::z3950::PDU::kClose;
    const int failed = KivConvertOrReport(assocId, error, [&] {
        pdu.close = kivNewCodecRecord<codec::z3950::Close>();
        siCloseToCodec(pdu.close, close);
    });
    if (failed != 0) {
        codec::z3950::FreePDU(&pdu);
        return SI_NOTOK;
    }
    return SISendPdu(&pdu, assocId, error) == 0 ? SI_OK : SI_NOTOK;
}

SIResult closeCall(KivAssocId assocId, const CloseCall& call, const KivClose* close, SIError** error) {
    if (checkClose(assocId, call, close, error) != 0) return SI_NOTOK;
    const std::optional<SIAssociation> record = siFindAssociation(assocId);
    if (SICheckAssociation(assocId, nullptr, error) != 0 || !record) return SI_NOTOK;
    SITraceEnter(call.name, assocId);
    SIResult result = SI_OK;
    if (record->role == kSIRoleTarget || record->role == kSIRoleOrigin) {
        const int event = record->role == kSIRoleTarget ? call.targetEvent : call.originEvent;
        SIStateRollback rollback(assocId);
        if (SIStateEvent(assocId, event, error) != 0) {
            rollback.keep();
            result = SI_NOTOK;
        } else {
            result = sendClose(assocId, call, close, error);
            if (result == SI_OK) rollback.keep();
        }
    }
    SITraceLeave(call.name, assocId, result);
    return result;
}

}  // namespace

SIResult KIVCloseRequest(KivAssocId assocId, const KivClose* psCloseReq, SIError** error) {
    return closeCall(assocId, kCloseRequest, psCloseReq, error);
}

SIResult KIVCloseResponse(KivAssocId assocId, const KivClose* psCloseRsp, SIError** error) {
    return closeCall(assocId, kCloseResponse, psCloseRsp, error);
}
