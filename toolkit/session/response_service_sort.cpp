// KIVSortResponse: the record's check, its conversion into the codec's SortResponse, and the call.
#include "toolkit/api/kiv_check_other_information.h"
#include "toolkit/api/kiv_check_records.h"
#include "toolkit/api/kiv_codec_alloc.h"
#include "toolkit/api/kiv_convert_basic.h"
#include "toolkit/api/kiv_convert_core_records_fields.h"
#include "toolkit/api/kiv_convert_other_information.h"
#include "toolkit/api/kiv_convert_records.h"
#include "toolkit/api/kiv_validation.h"
#include "toolkit/codec/z3950/apdu_two.h"
#include "toolkit/session/pdu_trace.h"
#include "toolkit/session/response_service_steps.h"
#include "toolkit/session/response_services.h"
#include "toolkit/session/state_machine_names.h"

using codec::z3950::PDU;
using codec::z3950::SortResponse;

namespace {

// The protocol counts the result-set status from 1 (empty), the record from 0.
constexpr BerInteger kResultSetStatusOffset = 1;

int checkSortRsp(KivAssocId assocId, const KivSortRsp* rsp, SIError** error) {
    if (rsp == nullptr) return KivReportMissingField(assocId, "psSortRsp", error);
    if (KivIsOutOfRange(static_cast<uint32_t>(rsp->eSortStatus), SOS_Success, SOS_Failure) != 0) {
        return KivReportValueOutOfRange(assocId, "psSortRsp->eSortStatus", error);
    }
    if (rsp->peResultSetStatus.has_value() &&
        KivIsOutOfRange(static_cast<uint32_t>(*rsp->peResultSetStatus), SRSS_Empty, SRSS_None) != 0) {
        return KivReportValueOutOfRange(assocId, "*psSortRsp->peResultSetStatus", error);
    }
    return KivCheckDiagRecList(assocId, &rsp->ppsDiagnostics, "psSortRsp->ppsDiagnostics", error) ||
           KivCheckOtherInformation(assocId, &rsp->ppsOtherInformation, "psSortRsp->ppsOtherInformation",
                                    error);
}

void sortRspToCodec(SortResponse* dst, const KivSortRsp& src) {
    KivOptionalOctetsToCodec(&dst->referenceId, src.psReferenceId.get());
    dst->sortStatus = src.eSortStatus;
    if (src.peResultSetStatus.has_value()) {
        dst->resultSetStatus = kivNewCodecRecord<BerInteger>();
        *dst->resultSetStatus = *src.peResultSetStatus + kResultSetStatusOffset;
    }
    kivArrayToCodec<codec::z3950::DiagRec>(&dst->diagnostics, src.ppsDiagnostics, KivDiagRecToCodec);
    KivOptionalOtherInformationToCodec(&dst->otherInfo, &src.ppsOtherInformation);
}

}  // namespace

SIResult KIVSortResponse(KivAssocId assocId, const KivSortRsp* psSortRsp, SIError** error) {
    return siRespond(assocId,
                     {.name = "KIVSortResponse",
                      .check = [&](SIError** out) { return checkSortRsp(assocId, psSortRsp, out); },
                      .event = [] { return KIV_TE_SORTRESP; },
                      .trace = [&] { SITracePduSortRsp(assocId, psSortRsp); },
                      .toCodec =
                          [&](PDU* pdu) {
                              pdu->choiceId = PDU::kSortResponse;
                              pdu->sortResponse = kivNewCodecRecord<SortResponse>();
                              sortRspToCodec(pdu->sortResponse, *psSortRsp);
                          }},
                     error);
}
