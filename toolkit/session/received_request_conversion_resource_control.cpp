// A received ResourceControlResponse as a KivResourceControlRsp, and a received
// TriggerResourceControlRequest as a KivTriggerResourceControlReq.
#include "toolkit/api/kiv_convert_basic.h"
#include "toolkit/api/kiv_convert_other_information.h"
#include "toolkit/session/received_request_conversion.h"

void siResourceControlRspFromCodec(std::unique_ptr<KivResourceControlRsp>* dst,
                                   const codec::z3950::ResourceControlResponse* src) {
    siNewReceivedRecord(dst, src,
                        [](KivResourceControlRsp& rsp, const codec::z3950::ResourceControlResponse& control) {
                            KivOptionalOctetsFromCodec(&rsp.psReferenceId, &control.referenceId);
                            KivBooleanFromCodec(&rsp.fContinueFlag, &control.continueFlag);
                            KivOptionalBooleanFromCodec(&rsp.pfResultSetWanted, control.resultSetWanted);
                            KivOptionalOtherInformationFromCodec(&rsp.ppsOtherInformation, control.otherInfo);
                        });
}

void siTriggerResourceControlReqFromCodec(std::unique_ptr<KivTriggerResourceControlReq>* dst,
                                          const codec::z3950::TriggerResourceControlRequest* src) {
    siNewReceivedRecord(
        dst, src,
        [](KivTriggerResourceControlReq& req, const codec::z3950::TriggerResourceControlRequest& trigger) {
            KivOptionalOctetsFromCodec(&req.psReferenceId, &trigger.referenceId);
            req.eRequestedAction = siEnumFromCodec(trigger.requestedAction, RA_ResourceReport1, RA_Cancel, 0);
            KivOptionalOidFromCodec(&req.pcPreferredResourceReportFormat, &trigger.prefResourceReportFormat);
            KivOptionalBooleanFromCodec(&req.pfResultSetWanted, trigger.resultSetWanted);
            KivOptionalOtherInformationFromCodec(&req.ppsOtherInformation, trigger.otherInfo);
        });
}
