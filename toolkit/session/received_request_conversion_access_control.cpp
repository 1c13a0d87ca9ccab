// A received AccessControlResponse as a KivAccessControlRsp.
#include "toolkit/api/kiv_convert_basic.h"
#include "toolkit/api/kiv_convert_core_records_fields.h"
#include "toolkit/api/kiv_convert_external.h"
#include "toolkit/api/kiv_convert_other_information.h"
#include "toolkit/api/kiv_convert_records.h"
#include "toolkit/session/received_request_conversion.h"

using codec::z3950::AccessControlResponseSecurityChallengeResponse;

namespace {

void challengeFromCodec(KivSecurityChallengeRsp* dst,
                        const AccessControlResponseSecurityChallengeResponse* src) {
    auto& member = dst->uSecurityChallengeRsp;
    switch (src->choiceId) {
        case AccessControlResponseSecurityChallengeResponse::kSimpleForm:
            dst->eSecurityChallengeRspType = SECT_SimpleForm;
            KivOptionalOctetsFromCodec(&member.psSimpleForm, src->simpleForm);
            break;
        case AccessControlResponseSecurityChallengeResponse::kExternallyDefined:
            dst->eSecurityChallengeRspType = SECT_ExternallyDefined;
            KivOptionalExternalFromCodec(&member.psExternallyDefinedInfo, src->externallyDefined);
            break;
        default:
            break;
    }
}

}  // namespace

void siAccessControlRspFromCodec(std::unique_ptr<KivAccessControlRsp>* dst,
                                 const codec::z3950::AccessControlResponse* src) {
    siNewReceivedRecord(dst, src,
                        [](KivAccessControlRsp& rsp, const codec::z3950::AccessControlResponse& access) {
                            KivOptionalOctetsFromCodec(&rsp.psReferenceId, &access.referenceId);
                            kivNewFromCodec(&rsp.psSecurityChallengeRsp, access.securityChallengeResponse,
                                            challengeFromCodec);
                            KivOptionalDiagRecFromCodec(&rsp.psDiagnostic, access.diagnostic);
                            KivOptionalOtherInformationFromCodec(&rsp.ppsOtherInformation, access.otherInfo);
                        });
}
