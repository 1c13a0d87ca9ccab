// KIVResourceControlRequest: the record's check, its conversion into the codec's ResourceControlRequest, and
// the call.
#include <string>

#include "toolkit/api/kiv_check_external.h"
#include "toolkit/api/kiv_check_other_information.h"
#include "toolkit/api/kiv_codec_alloc.h"
#include "toolkit/api/kiv_convert_basic.h"
#include "toolkit/api/kiv_convert_external.h"
#include "toolkit/api/kiv_convert_other_information.h"
#include "toolkit/api/kiv_validation.h"
#include "toolkit/codec/z3950/apdu_two.h"
#include "toolkit/session/pdu_trace.h"
#include "toolkit/session/response_service_steps.h"
#include "toolkit/session/response_services.h"
#include "toolkit/session/state_event.h"
#include "toolkit/session/state_machine_names.h"

using codec::z3950::PDU;
using codec::z3950::ResourceControlRequest;

namespace {

const std::string kPrefix = "psResourceControlReq->";

int checkResourceControlReq(KivAssocId assocId, const KivResourceControlReq* req, SIError** error) {
    if (req == nullptr) return KivReportMissingField(assocId, "psResourceControlReq", error);
    if (KivCheckOptionalBoolean(assocId, req->pfSuspendedFlag, "*" + kPrefix + "pfSuspendedFlag", error) !=
            0 ||
        KivCheckOptionalExternal(assocId, req->psResourceReport.get(), kPrefix + "psResourceReport->",
                                 error) != 0) {
        return 1;
    }
    if (req->pePartialResultsAvailable.has_value() &&
        KivIsOutOfRange(static_cast<uint32_t>(*req->pePartialResultsAvailable), PRA_Subset, PRA_None2) != 0) {
        return KivReportValueOutOfRange(assocId, "*" + kPrefix + "pePartialResultsAvailable", error);
    }
    return KivCheckBoolean(assocId, &req->fResponseRequired, kPrefix + "fResponseRequired", error) ||
           KivCheckOptionalBoolean(assocId, req->pfTriggeredRequestFlag,
                                   "*" + kPrefix + "pfTriggeredRequestFlag", error) ||
           KivCheckOtherInformation(assocId, &req->ppsOtherInformation, kPrefix + "ppsOtherInformation",
                                    error);
}

void resourceControlReqToCodec(ResourceControlRequest* dst, const KivResourceControlReq& src) {
    KivOptionalOctetsToCodec(&dst->referenceId, src.psReferenceId.get());
    KivOptionalBooleanToCodec(&dst->suspendedFlag, &src.pfSuspendedFlag);
    KivOptionalExternalToCodec(&dst->resourceReport, src.psResourceReport.get());
    if (src.pePartialResultsAvailable.has_value()) {
        dst->partialResultsAvailable = kivNewCodecRecord<BerInteger>();
        *dst->partialResultsAvailable = *src.pePartialResultsAvailable;
    }
    KivBooleanToCodec(&dst->responseRequired, &src.fResponseRequired);
    KivOptionalBooleanToCodec(&dst->triggeredRequestFlag, &src.pfTriggeredRequestFlag);
    KivOptionalOtherInformationToCodec(&dst->otherInfo, &src.ppsOtherInformation);
}

}  // namespace

SIResult KIVResourceControlRequest(KivAssocId assocId, const KivResourceControlReq* psResourceControlReq,
                                   SIError** error) {
    return siRespond(
        assocId,
        {.name = "KIVResourceControlRequest",
         .check = [&](SIError** out) { return checkResourceControlReq(assocId, psResourceControlReq, out); },
         .event =
             [&] {
                 // The machine decides the request's state from whether a response is required.
                 siSetResourceControlResponseRequired(
                     assocId, static_cast<int>(psResourceControlReq->fResponseRequired));
                 return KIV_OE_RESCNTREQ;
             },
         .trace = [&] { SITracePduResourceControlReq(assocId, psResourceControlReq); },
         .toCodec =
             [&](PDU* pdu) {
                 pdu->choiceId = PDU::kResourceControlRequest;
                 pdu->resourceControlRequest = kivNewCodecRecord<ResourceControlRequest>();
                 resourceControlReqToCodec(pdu->resourceControlRequest, *psResourceControlReq);
             }},
        error);
}
