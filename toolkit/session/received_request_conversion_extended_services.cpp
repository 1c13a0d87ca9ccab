// A received ExtendedServicesRequest as a KivExtendedServicesReq.
#include "toolkit/api/kiv_convert_attributes.h"
#include "toolkit/api/kiv_convert_basic.h"
#include "toolkit/api/kiv_convert_core_records.h"
#include "toolkit/api/kiv_convert_external.h"
#include "toolkit/api/kiv_convert_other_information.h"
#include "toolkit/session/received_request_conversion.h"

void siExtendedServicesReqFromCodec(std::unique_ptr<KivExtendedServicesReq>* dst,
                                    const codec::z3950::ExtendedServicesRequest* src) {
    siNewReceivedRecord(
        dst, src, [](KivExtendedServicesReq& req, const codec::z3950::ExtendedServicesRequest& es) {
            KivOptionalOctetsFromCodec(&req.psReferenceId, &es.referenceId);
            req.eFunction = siEnumFromCodec(es.function, ESF_Create, ESF_Modify, ESF_Invalid);
            KivOidFromCodec(&req.pcPackageType, &es.packageType);
            KivOptionalInternationalStringFromCodec(&req.psPackageName, &es.packageName);
            KivOptionalInternationalStringFromCodec(&req.psUserId, &es.userId);
            KivOptionalIntUnitFromCodec(&req.psRetentionTime, es.retentionTime);
            KivPermissionsFromCodec(&req.ppsPermissions, es.permissions);
            KivOptionalInternationalStringFromCodec(&req.psDescription, &es.description);
            KivOptionalExternalFromCodec(&req.psOriginSpecificParameter, es.taskSpecificParameters);
            req.eWaitAction = siEnumFromCodec(es.waitAction, ESWA_Wait, ESWA_DontReturnPackage, ESWA_Invalid);
            KivOptionalInternationalStringFromCodec(&req.psElements, &es.elements);
            KivOptionalOtherInformationFromCodec(&req.ppsOtherInformation, es.otherInfo);
        });
}
