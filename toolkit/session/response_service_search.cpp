// KIVSearchResponse: the record's check, its conversion into the codec's SearchResponse, and the call.
#include <string>

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
using codec::z3950::SearchResponse;

namespace {

int checkSearchRsp(KivAssocId assocId, const KivSearchRsp* rsp, SIError** error) {
    if (rsp == nullptr) return KivReportMissingField(assocId, "psSearchRsp", error);
    if (KivIsInvalidBoolean(rsp->fSearchStatus) != 0) {
        return KivReportInvalidBoolean(assocId, "psSearchRsp->fSearchStatus", error);
    }
    if (rsp->peResultSetStatus.has_value() &&
        KivIsOutOfRange(static_cast<uint32_t>(*rsp->peResultSetStatus), RSS_Subset, RSS_None) != 0) {
        return KivReportValueOutOfRange(assocId, "*psSearchRsp->peResultSetStatus", error);
    }
    if (rsp->pePresentStatus.has_value() &&
        KivIsOutOfRange(static_cast<uint32_t>(*rsp->pePresentStatus), PS_Success, PS_Failure) != 0) {
        return KivReportValueOutOfRange(assocId, "*psSearchRsp->pePresentStatus", error);
    }
    if (rsp->psRecords != nullptr &&
        KivCheckRecords(assocId, rsp->psRecords.get(), "psSearchRsp->psRecords->", error) != 0) {
        return 1;
    }
    return KivCheckOtherInformation(assocId, &rsp->ppsAdditionalSearchInfo,
                                    "psSearchRsp->ppsAdditionalSearchInfo", error) ||
           KivCheckOtherInformation(assocId, &rsp->ppsOtherInformation, "psSearchRsp->ppsOtherInformation",
                                    error);
}

void searchRspToCodec(SearchResponse* dst, const KivSearchRsp& src) {
    KivOptionalOctetsToCodec(&dst->referenceId, src.psReferenceId.get());
    dst->resultCount = static_cast<BerInteger>(src.ulResultCount);
    dst->numberOfRecordsReturned = static_cast<BerInteger>(src.ulNumberOfRecordsReturned);
    dst->nextResultSetPosition = static_cast<BerInteger>(src.ulNextResultSetPosition);
    KivBooleanToCodec(&dst->searchStatus, &src.fSearchStatus);
    if (src.peResultSetStatus.has_value()) {
        dst->resultSetStatus = kivNewCodecRecord<BerInteger>();
        *dst->resultSetStatus = *src.peResultSetStatus;
    }
    if (src.pePresentStatus.has_value()) {
        dst->presentStatus = kivNewCodecRecord<BerInteger>();
        KivPresentStatusToCodec(dst->presentStatus, &*src.pePresentStatus);
    }
    kivNewToCodec(&dst->records, src.psRecords.get(), KivRecordsToCodec);
    KivOptionalOtherInformationToCodec(&dst->additionalSearchInfo, &src.ppsAdditionalSearchInfo);
    KivOptionalOtherInformationToCodec(&dst->otherInfo, &src.ppsOtherInformation);
}

}  // namespace

SIResult KIVSearchResponse(KivAssocId assocId, const KivSearchRsp* psSearchRsp, SIError** error) {
    return siRespond(assocId,
                     {.name = "KIVSearchResponse",
                      .check = [&](SIError** out) { return checkSearchRsp(assocId, psSearchRsp, out); },
                      .event = [] { return KIV_TE_SEARCHRESP; },
                      .trace = [&] { SITracePduSearchRsp(assocId, psSearchRsp); },
                      .toCodec =
                          [&](PDU* pdu) {
                              pdu->choiceId = PDU::kSearchResponse;
                              pdu->searchResponse = kivNewCodecRecord<SearchResponse>();
                              searchRspToCodec(pdu->searchResponse, *psSearchRsp);
                          }},
                     error);
}
