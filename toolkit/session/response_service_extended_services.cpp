// KIVExtendedServicesResponse: the record's check, its conversion into the codec's ExtendedServicesResponse,
// and the call.
#include "toolkit/api/kiv_check_external.h"
#include "toolkit/api/kiv_check_other_information.h"
#include "toolkit/api/kiv_check_records.h"
#include "toolkit/api/kiv_codec_alloc.h"
#include "toolkit/api/kiv_convert_basic.h"
#include "toolkit/api/kiv_convert_core_records_fields.h"
#include "toolkit/api/kiv_convert_external.h"
#include "toolkit/api/kiv_convert_other_information.h"
#include "toolkit/api/kiv_convert_records.h"
#include "toolkit/api/kiv_validation.h"
#include "toolkit/codec/z3950/apdu_two.h"
#include "toolkit/session/pdu_trace.h"
#include "toolkit/session/response_service_steps.h"
#include "toolkit/session/response_services.h"
#include "toolkit/session/state_machine_names.h"

using codec::z3950::ExtendedServicesResponse;
using codec::z3950::PDU;

namespace {

int checkExtendedServicesRsp(KivAssocId assocId, const KivExtendedServicesRsp* rsp, SIError** error) {
    if (rsp == nullptr) return KivReportMissingField(assocId, "psExtendedServicesRsp", error);
    if (KivIsOutOfRange(static_cast<uint32_t>(rsp->eOperationStatus), ESOS_Done, ESOS_Failure) != 0) {
        return KivReportValueOutOfRange(assocId, "psExtendedServicesRsp->eOperationStatus", error);
    }
    return KivCheckDiagRecList(assocId, &rsp->ppsDiagnostics, "psExtendedServicesRsp->ppsDiagnostics",
                               error) ||
           KivCheckOptionalExternal(assocId, rsp->psTaskPackage.get(),
                                    "psExtendedServicesRsp->psTaskPackage->", error) ||
           KivCheckOtherInformation(assocId, &rsp->ppsOtherInformation,
                                    "psExtendedServicesRsp->ppsOtherInformation", error);
}

void extendedServicesRspToCodec(ExtendedServicesResponse* dst, const KivExtendedServicesRsp& src) {
    KivOptionalOctetsToCodec(&dst->referenceId, src.psReferenceId.get());
    dst->operationStatus = src.eOperationStatus;
    kivArrayToCodec<codec::z3950::DiagRec>(&dst->diagnostics, src.ppsDiagnostics, KivDiagRecToCodec);
    KivOptionalExternalToCodec(&dst->taskPackage, src.psTaskPackage.get());
    KivOptionalOtherInformationToCodec(&dst->otherInfo, &src.ppsOtherInformation);
}

}  // namespace

SIResult KIVExtendedServicesResponse(KivAssocId assocId, const KivExtendedServicesRsp* psExtendedServicesRsp,
                                     SIError** error) {
    return siRespond(
        assocId,
        {.name = "KIVExtendedServicesResponse",
         .check =
             [&](SIError** out) { return checkExtendedServicesRsp(assocId, psExtendedServicesRsp, out); },
         .event = [] { return KIV_TE_EXTENDEDRESP; },
         .trace = [&] { SITracePduExtendedServicesRsp(assocId, psExtendedServicesRsp); },
         .toCodec =
             [&](PDU* pdu) {
                 pdu->choiceId = PDU::kExtendedServicesResponse;
                 pdu->extendedServicesResponse = kivNewCodecRecord<ExtendedServicesResponse>();
                 extendedServicesRspToCodec(pdu->extendedServicesResponse, *psExtendedServicesRsp);
             }},
        error);
}
