// The choice of the conversion that makes a received APDU into the record of its delivered type.
#include "toolkit/session/received_pdu_conversion.h"

#include "toolkit/api/kiv_conversion_error.h"
#include "toolkit/session/close_service_conversion.h"
#include "toolkit/session/received_request_conversion.h"

using codec::z3950::PDU;

namespace {

// Converts the APDU's alternative into *dst when the APDU is of the kind the delivered type names.
template <typename Record, typename Codec>
bool convertAs(const PDU& pdu, int32_t choiceId, std::unique_ptr<Record>* dst,
               void (*convert)(std::unique_ptr<Record>*, const Codec*)) {
    if (pdu.choiceId != choiceId) return false;
    convert(dst, static_cast<const Codec*>(pdu.slot));
    return true;
}

bool convertBody(const PDU& pdu, KivTargetPdu* target) {
    auto& body = target->uPdu;
    switch (target->ePduType) {
        case TPT_InitializeReq:
            return convertAs(pdu, PDU::kInitRequest, &body.psInitializeReq, siInitializeReqFromCodec);
        case TPT_SearchReq:
            return convertAs(pdu, PDU::kSearchRequest, &body.psSearchReq, siSearchReqFromCodec);
        case TPT_PresentReq:
            return convertAs(pdu, PDU::kPresentRequest, &body.psPresentReq, siPresentReqFromCodec);
        case TPT_DeleteResultSetReq:
            return convertAs(pdu, PDU::kDeleteResultSetRequest, &body.psDeleteResultSetReq,
                             siDeleteResultSetReqFromCodec);
        case TPT_ScanReq:
            return convertAs(pdu, PDU::kScanRequest, &body.psScanReq, siScanReqFromCodec);
        case TPT_ResourceReportReq:
            return convertAs(pdu, PDU::kResourceReportRequest, &body.psResourceReportReq,
                             siResourceReportReqFromCodec);
        case TPT_SortReq:
            return convertAs(pdu, PDU::kSortRequest, &body.psSortReq, siSortReqFromCodec);
        case TPT_ExtendedServicesReq:
            return convertAs(pdu, PDU::kExtendedServicesRequest, &body.psExtendedServicesReq,
                             siExtendedServicesReqFromCodec);
        case TPT_CloseReq:
            return convertAs(pdu, PDU::kClose, &body.psCloseReq, siCloseFromCodec);
        case TPT_CloseRsp:
            return convertAs(pdu, PDU::kClose, &body.psCloseRsp, siCloseFromCodec);
        case TPT_AccessControlRsp:
            return convertAs(pdu, PDU::kAccessControlResponse, &body.psAccessControlRsp,
                             siAccessControlRspFromCodec);
        case TPT_ResourceControlRsp:
            return convertAs(pdu, PDU::kResourceControlResponse, &body.psResourceControlRsp,
                             siResourceControlRspFromCodec);
        case TPT_TriggerResourceControlReq:
            return convertAs(pdu, PDU::kTriggerResourceControlRequest, &body.psTriggerResourceControlReq,
                             siTriggerResourceControlReqFromCodec);
        default:
            return false;
    }
}

}  // namespace

int siConvertReceivedPdu(KivAssocId assocId, PDU* pdu, KivTargetPdu* target, SIError** error) {
    return KivConvertOrReport(assocId, error, [&] {
        if (!convertBody(*pdu, target)) target->ePduType = TPT_InvalidApdu;
    });
}
