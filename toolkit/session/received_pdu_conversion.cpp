// The conversion of a received Close; every other APDU is left to be delivered as an invalid APDU.
#include "toolkit/session/received_pdu_conversion.h"

#include "toolkit/api/kiv_conversion_error.h"
#include "toolkit/session/close_service_conversion.h"

int siConvertReceivedPdu(KivAssocId assocId, codec::z3950::PDU* pdu, KivTargetPdu* target, SIError** error) {
    return KivConvertOrReport(assocId, error, [&] {
        switch (target->ePduType) {
            case TPT_CloseReq:
                siCloseFromCodec(&target->uPdu.psCloseReq, pdu->close);
                break;
            case TPT_CloseRsp:
                siCloseFromCodec(&target->uPdu.psCloseRsp, pdu->close);
                break;
            default:
                target->ePduType = TPT_InvalidApdu;
        }
    });
}
