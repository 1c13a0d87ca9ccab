// A received DeleteResultSetRequest as a KivDeleteResultSetReq.
#include "toolkit/api/kiv_convert_basic.h"
#include "toolkit/api/kiv_convert_other_information.h"
#include "toolkit/session/received_request_conversion.h"

void siDeleteResultSetReqFromCodec(std::unique_ptr<KivDeleteResultSetReq>* dst,
                                   const codec::z3950::DeleteResultSetRequest* src) {
    siNewReceivedRecord(
        dst, src, [](KivDeleteResultSetReq& req, const codec::z3950::DeleteResultSetRequest& del) {
            KivOptionalOctetsFromCodec(&req.psReferenceId, &del.referenceId);
            req.eDeleteFunction = siEnumFromCodec(del.deleteFunction, DF_List, DF_All, DF_Invalid);
            KivInternationalStringListFromCodec(&req.ppsResultSetId, del.resultSetList);
            KivOptionalOtherInformationFromCodec(&req.ppsOtherInformation, del.otherInfo);
        });
}
