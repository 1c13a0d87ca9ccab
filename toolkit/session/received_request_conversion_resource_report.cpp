// A received ResourceReportRequest as a KivResourceReportReq.
#include "toolkit/api/kiv_convert_basic.h"
#include "toolkit/api/kiv_convert_other_information.h"
#include "toolkit/session/received_request_conversion.h"

void siResourceReportReqFromCodec(std::unique_ptr<KivResourceReportReq>* dst,
                                  const codec::z3950::ResourceReportRequest* src) {
    siNewReceivedRecord(
        dst, src, [](KivResourceReportReq& req, const codec::z3950::ResourceReportRequest& report) {
            KivOptionalOctetsFromCodec(&req.psReferenceId, &report.referenceId);
            KivOptionalOctetsFromCodec(&req.psOperationId, &report.opId);
            KivOptionalOidFromCodec(&req.pcPrefResourceReportFormat, &report.prefResourceReportFormat);
            KivOptionalOtherInformationFromCodec(&req.ppsOtherInformation, report.otherInfo);
        });
}
