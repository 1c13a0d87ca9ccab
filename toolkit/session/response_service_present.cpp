// KIVPresentResponse: the record's check, its conversion into the codec's PresentResponse, and the call.
#include "toolkit/api/kiv_check_other_information.h"
#include "toolkit/api/kiv_check_records.h"
#include "toolkit/api/kiv_codec_alloc.h"
#include "toolkit/api/kiv_convert_basic.h"
#include "toolkit/api/kiv_convert_core_records_fields.h"
#include "toolkit/api/kiv_convert_other_information.h"
#include "toolkit/api/kiv_convert_records.h"
#include "toolkit/api/kiv_validation.h"
#include "toolkit/session/pdu_trace.h"
#include "toolkit/session/response_service_steps.h"
#include "toolkit/session/response_services.h"
#include "toolkit/session/state_machine_names.h"

using codec::z3950::PDU;
using codec::z3950::PresentResponse;

namespace {

int checkPresentRsp(KivAssocId assocId, const KivPresentRsp* rsp, SIError** error) {
    if (rsp == nullptr) return KivReportMissingField(assocId, "psPresentRsp", error);
    if (KivIsOutOfRange(static_cast<uint32_t>(rsp->ePresentStatus), PS_Success, PS_Failure) != 0) {
        return KivReportValueOutOfRange(assocId, "psPresentRsp->ePresentStatus", error);
    }
    if (rsp->psRecords != nullptr &&
        KivCheckRecords(assocId, rsp->psRecords.get(), "psPresentRsp->psRecords->", error) != 0) {
        return 1;
    }
    return KivCheckOtherInformation(assocId, &rsp->ppsOtherInformation, "psPresentRsp->ppsOtherInformation",
                                    error);
}

void presentRspToCodec(PresentResponse* dst, const KivPresentRsp& src) {
    KivOptionalOctetsToCodec(&dst->referenceId, src.psReferenceId.get());
    dst->numberOfRecordsReturned = static_cast<BerInteger>(src.ulNumberOfRecordsReturned);
    dst->nextResultSetPosition = static_cast<BerInteger>(src.ulNextResultSetPosition);
    KivPresentStatusToCodec(&dst->presentStatus, &src.ePresentStatus);
    kivNewToCodec(&dst->records, src.psRecords.get(), KivRecordsToCodec);
    KivOptionalOtherInformationToCodec(&dst->otherInfo, &src.ppsOtherInformation);
}

}  // namespace

SIResult KIVPresentResponse(KivAssocId assocId, const KivPresentRsp* psPresentRsp, SIError** error) {
    return siRespond(assocId,
                     {.name = "KIVPresentResponse",
                      .check = [&](SIError** out) { return checkPresentRsp(assocId, psPresentRsp, out); },
                      .event = [] { return KIV_TE_PRESENTRESP; },
                      .trace = [&] { SITracePduPresentRsp(assocId, psPresentRsp); },
                      .toCodec =
                          [&](PDU* pdu) {
                              pdu->choiceId = PDU::kPresentResponse;
                              pdu->presentResponse = kivNewCodecRecord<PresentResponse>();
                              presentRspToCodec(pdu->presentResponse, *psPresentRsp);
                          }},
                     error);
}
