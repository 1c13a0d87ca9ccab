// KIVResourceReportResponse: the record's check, its conversion into the codec's ResourceReportResponse, and
// the call.
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
#include "toolkit/session/state_machine_names.h"

using codec::z3950::PDU;
using codec::z3950::ResourceReportResponse;

namespace {

// The last status, failure-6.
constexpr uint32_t kLastResourceReportStatus = RRS_Failure_6;

int checkResourceReportRsp(KivAssocId assocId, const KivResourceReportRsp* rsp, SIError** error) {
    if (rsp == nullptr) return KivReportMissingField(assocId, "psResourceReportRsp", error);
    if (KivIsOutOfRange(static_cast<uint32_t>(rsp->eResourceReportStatus), RRS_Success,
                        kLastResourceReportStatus) != 0) {
        return KivReportValueOutOfRange(assocId, "psResourceReportRsp->eResourceReportStatus", error);
    }
    return KivCheckOptionalExternal(assocId, rsp->psResourceReport.get(),
                                    "psResourceReportRsp->psResourceReport->", error) ||
           KivCheckOtherInformation(assocId, &rsp->ppsOtherInformation,
                                    "psResourceReportRsp->ppsOtherInformation", error);
}

void resourceReportRspToCodec(ResourceReportResponse* dst, const KivResourceReportRsp& src) {
    KivOptionalOctetsToCodec(&dst->referenceId, src.psReferenceId.get());
    dst->resourceReportStatus = src.eResourceReportStatus;
    KivOptionalExternalToCodec(&dst->resourceReport, src.psResourceReport.get());
    KivOptionalOtherInformationToCodec(&dst->otherInfo, &src.ppsOtherInformation);
}

}  // namespace

SIResult KIVResourceReportResponse(KivAssocId assocId, const KivResourceReportRsp* psResourceReportRsp,
                                   SIError** error) {
    return siRespond(
        assocId,
        {.name = "KIVResourceReportResponse",
         .check = [&](SIError** out) { return checkResourceReportRsp(assocId, psResourceReportRsp, out); },
         .event = [] { return KIV_TE_RESOURCERESP; },
         .trace = [&] { SITracePduResourceReportRsp(assocId, psResourceReportRsp); },
         .toCodec =
             [&](PDU* pdu) {
                 pdu->choiceId = PDU::kResourceReportResponse;
                 pdu->resourceReportResponse = kivNewCodecRecord<ResourceReportResponse>();
                 resourceReportRspToCodec(pdu->resourceReportResponse, *psResourceReportRsp);
             }},
        error);
}
