// KIVDeleteResultSetResponse: the record's check, its conversion into the codec's DeleteResultSetResponse,
// and the call.
#include <string>
#include <string_view>

#include "toolkit/api/kiv_check_other_information.h"
#include "toolkit/api/kiv_codec_alloc.h"
#include "toolkit/api/kiv_convert_basic.h"
#include "toolkit/api/kiv_convert_core_records_fields.h"
#include "toolkit/api/kiv_convert_other_information.h"
#include "toolkit/api/kiv_validation.h"
#include "toolkit/session/pdu_trace.h"
#include "toolkit/session/response_service_steps.h"
#include "toolkit/session/response_services.h"
#include "toolkit/session/state_machine_names.h"

using codec::z3950::DeleteResultSetResponse;
using codec::z3950::ListStatusesItem;
using codec::z3950::PDU;

namespace {

bool isDeleteSetStatus(int32_t status) {
    return KivIsOutOfRange(static_cast<uint32_t>(status), DSS_Success, DSS_ResultSetInUse) == 0;
}

// The status of each list element; a fault is reported on the element's path itself.
int checkListStatuses(KivAssocId assocId, const KivArray<KivListStatus>& statuses, std::string_view name,
                      SIError** error) {
    return KivCheckValueArray(
        assocId, statuses, "psDeleteResultSetRsp->", name, error,
        [](KivAssocId id, const KivListStatus* status, const std::string& path, SIError** out) {
            return isDeleteSetStatus(status->eDeleteSetStatus) ? 0 : KivReportValueOutOfRange(id, path, out);
        });
}

int checkDeleteResultSetRsp(KivAssocId assocId, const KivDeleteResultSetRsp* rsp, SIError** error) {
    if (rsp == nullptr) return KivReportMissingField(assocId, "psDeleteResultSetRsp", error);
    if (!isDeleteSetStatus(rsp->eDeleteOperationStatus)) {
        return KivReportValueOutOfRange(assocId, "psDeleteResultSetRsp->eDeleteOperationStatus", error);
    }
    return checkListStatuses(assocId, rsp->ppsDeleteListStatuses, "ppsDeleteListStatuses", error) ||
           checkListStatuses(assocId, rsp->ppsBulkStatuses, "ppsBulkStatuses", error) ||
           KivCheckOtherInformation(assocId, &rsp->ppsOtherInformation,
                                    "psDeleteResultSetRsp->ppsOtherInformation", error);
}

void listStatusToCodec(ListStatusesItem* dst, const KivListStatus* src) {
    KivInternationalStringToCodec(&dst->id, &src->sResultSetId);
    dst->status = src->eDeleteSetStatus;
}

void deleteResultSetRspToCodec(DeleteResultSetResponse* dst, const KivDeleteResultSetRsp& src) {
    KivOptionalOctetsToCodec(&dst->referenceId, src.psReferenceId.get());
    dst->deleteOperationStatus = src.eDeleteOperationStatus;
    kivArrayToCodec<ListStatusesItem>(&dst->deleteListStatuses, src.ppsDeleteListStatuses, listStatusToCodec);
    KivOptionalIntegerToCodec(&dst->numberNotDeleted, &src.pulNumberNotDeleted);
    kivArrayToCodec<ListStatusesItem>(&dst->bulkStatuses, src.ppsBulkStatuses, listStatusToCodec);
    KivInternationalStringToCodec(&dst->deleteMessage, src.psDeleteMessage.get());
    KivOptionalOtherInformationToCodec(&dst->otherInfo, &src.ppsOtherInformation);
}

}  // namespace

SIResult KIVDeleteResultSetResponse(KivAssocId assocId, const KivDeleteResultSetRsp* psDeleteResultSetRsp,
                                    SIError** error) {
    return siRespond(
        assocId,
        {.name = "KIVDeleteResultSetResponse",
         .check = [&](SIError** out) { return checkDeleteResultSetRsp(assocId, psDeleteResultSetRsp, out); },
         .event = [] { return KIV_TE_DELETERESP; },
         .trace = [&] { SITracePduDeleteResultSetRsp(assocId, psDeleteResultSetRsp); },
         .toCodec =
             [&](PDU* pdu) {
                 pdu->choiceId = PDU::kDeleteResultSetResponse;
                 pdu->deleteResultSetResponse = kivNewCodecRecord<DeleteResultSetResponse>();
                 deleteResultSetRspToCodec(pdu->deleteResultSetResponse, *psDeleteResultSetRsp);
             }},
        error);
}
