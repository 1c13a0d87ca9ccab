// A received InitializeRequest as a KivInitializeReq.
#include "toolkit/api/kiv_convert_basic.h"
#include "toolkit/api/kiv_convert_core_records_fields.h"
#include "toolkit/api/kiv_convert_external.h"
#include "toolkit/api/kiv_convert_other_information.h"
#include "toolkit/session/received_request_conversion.h"

using codec::z3950::IdAuthentication;
using codec::z3950::IdAuthenticationIdPass;

namespace {

void idPassFromCodec(KivIdPass* dst, const IdAuthenticationIdPass* src) {
    KivOptionalInternationalStringFromCodec(&dst->psGroupId, &src->groupId);
    KivOptionalInternationalStringFromCodec(&dst->psUserId, &src->userId);
    KivOptionalInternationalStringFromCodec(&dst->psPassword, &src->password);
}

void authenticationFromCodec(KivIdAuthentication* dst, const IdAuthentication* src) {
    auto& member = dst->uAuthentication;
    switch (src->choiceId) {
        case IdAuthentication::kOpen:
            dst->eAuthenticationType = IAT_Open;
            KivCStringFromCodec(&member.psOpen, src->open);
            break;
        case IdAuthentication::kIdPass:
            dst->eAuthenticationType = IAT_IdPass;
            kivNewFromCodec(&member.psIdPass, src->idPass, idPassFromCodec);
            break;
        case IdAuthentication::kAnonymous:
            dst->eAuthenticationType = IAT_Anonymous;
            break;
        case IdAuthentication::kOther:
            dst->eAuthenticationType = IAT_Other;
            KivOptionalExternalFromCodec(&member.psOther, src->other);
            break;
        default:
            break;
    }
}

}  // namespace

void siInitializeReqFromCodec(std::unique_ptr<KivInitializeReq>* dst,
                              const codec::z3950::InitializeRequest* src) {
    siNewReceivedRecord(dst, src, [](KivInitializeReq& req, const codec::z3950::InitializeRequest& init) {
        KivOptionalOctetsFromCodec(&req.psReferenceId, &init.referenceId);
        KivBitStringFromCodec(&req.pcProtocolVersion, &init.protocolVersion);
        KivBitStringFromCodec(&req.pcOptions, &init.options);
        req.ulPreferredMessageSize = static_cast<uint32_t>(init.preferredMessageSize);
        req.ulMaxmiumMessageSize = static_cast<uint32_t>(init.exceptionalRecordSize);
        kivNewFromCodec(&req.psAuthentication, init.idAuthentication, authenticationFromCodec);
        KivOptionalInternationalStringFromCodec(&req.psImplementationId, &init.implementationId);
        KivOptionalInternationalStringFromCodec(&req.psImplementationName, &init.implementationName);
        KivOptionalInternationalStringFromCodec(&req.psImplementationVersion, &init.implementationVersion);
        KivOptionalExternalFromCodec(&req.psUserInformationField, init.userInformationField);
        KivOptionalOtherInformationFromCodec(&req.ppsOtherInformation, init.otherInfo);
    });
}
