// KIVScanResponse: the record's check, its conversion into the codec's ScanResponse, and the call.
#include "toolkit/api/kiv_check_encoded_oid.h"
#include "toolkit/api/kiv_check_other_information.h"
#include "toolkit/api/kiv_codec_alloc.h"
#include "toolkit/api/kiv_convert_basic.h"
#include "toolkit/api/kiv_convert_core_records_fields.h"
#include "toolkit/api/kiv_convert_other_information.h"
#include "toolkit/api/kiv_validation.h"
#include "toolkit/codec/z3950/apdu_two.h"
#include "toolkit/session/pdu_trace.h"
#include "toolkit/session/response_service_scan_entries_check.h"
#include "toolkit/session/response_service_scan_entries_conversion.h"
#include "toolkit/session/response_service_steps.h"
#include "toolkit/session/response_services.h"
#include "toolkit/session/state_machine_names.h"

using codec::z3950::PDU;
using codec::z3950::ScanResponse;

namespace {

int checkScanRsp(KivAssocId assocId, const KivScanRsp* rsp, SIError** error) {
    if (rsp == nullptr) return KivReportMissingField(assocId, "psScanRsp", error);
    if (KivIsOutOfRange(static_cast<uint32_t>(rsp->eScanStatus), SCS_Success, SCS_Failure) != 0) {
        return KivReportValueOutOfRange(assocId, "psScanRsp->eScanStatus", error);
    }
    if (rsp->psEntries != nullptr &&
        siCheckScanEntries(assocId, rsp->psEntries.get(), "psScanRsp->psEntries->", error) != 0) {
        return 1;
    }
    return KivCheckOptionalEncodedOid(assocId, rsp->pcAttributeSetId, "psScanRsp->pcAttributeSetId", error) ||
           KivCheckOtherInformation(assocId, &rsp->ppsOtherInformation, "psScanRsp->ppsOtherInformation",
                                    error);
}

void scanRspToCodec(ScanResponse* dst, const KivScanRsp& src) {
    KivOptionalOctetsToCodec(&dst->referenceId, src.psReferenceId.get());
    KivOptionalIntegerToCodec(&dst->stepSize, &src.pulStepSize);
    dst->scanStatus = src.eScanStatus;
    dst->numberOfEntriesReturned = static_cast<BerInteger>(src.ulNumberOfEntriesReturned);
    KivOptionalIntegerToCodec(&dst->positionOfTerm, &src.pulPositionOfTerm);
    kivNewToCodec(&dst->entries, src.psEntries.get(), siListEntriesToCodec);
    KivOptionalOidToCodec(&dst->attributeSet, src.pcAttributeSetId);
    KivOptionalOtherInformationToCodec(&dst->otherInfo, &src.ppsOtherInformation);
}

}  // namespace

SIResult KIVScanResponse(KivAssocId assocId, const KivScanRsp* psScanRsp, SIError** error) {
    return siRespond(assocId,
                     {.name = "KIVScanResponse",
                      .check = [&](SIError** out) { return checkScanRsp(assocId, psScanRsp, out); },
                      .event = [] { return KIV_TE_SCANRESP; },
                      .trace = [&] { SITracePduScanRsp(assocId, psScanRsp); },
                      .toCodec =
                          [&](PDU* pdu) {
                              pdu->choiceId = PDU::kScanResponse;
                              pdu->scanResponse = kivNewCodecRecord<ScanResponse>();
                              scanRspToCodec(pdu->scanResponse, *psScanRsp);
                          }},
                     error);
}
