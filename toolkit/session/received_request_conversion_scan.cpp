// A received ScanRequest as a KivScanReq.
#include "toolkit/api/kiv_convert_attributes.h"
#include "toolkit/api/kiv_convert_basic.h"
#include "toolkit/api/kiv_convert_other_information.h"
#include "toolkit/session/received_request_conversion.h"

void siScanReqFromCodec(std::unique_ptr<KivScanReq>* dst, const codec::z3950::ScanRequest* src) {
    siNewReceivedRecord(dst, src, [](KivScanReq& req, const codec::z3950::ScanRequest& scan) {
        KivOptionalOctetsFromCodec(&req.psReferenceId, &scan.referenceId);
        req.ppsDatabaseNames = KivArray<KivInternationalString>::emptyArray();
        KivInternationalStringListFromCodec(&req.ppsDatabaseNames, scan.databaseNames);
        KivOptionalOidFromCodec(&req.pcAttributeSetId, &scan.attributeSet);
        if (scan.termListAndStartPoint != nullptr) {
            KivAttributesPlusTermFromCodec(&req.sAttributesPlusTerm, scan.termListAndStartPoint);
        }
        KivOptionalIntegerFromCodec(&req.pulStepSize, scan.stepSize);
        req.ulNumberOfTermsRequested = static_cast<uint32_t>(scan.numberOfTermsRequested);
        KivOptionalIntegerFromCodec(&req.pulPreferredPositionInResponse, scan.preferredPositionInResponse);
        KivOptionalOtherInformationFromCodec(&req.ppsOtherInformation, scan.otherInfo);
    });
}
