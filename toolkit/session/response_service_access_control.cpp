// KIVAccessControlRequest: the record's check, its conversion into the codec's AccessControlRequest, and the
// call.
#include <string>

#include "toolkit/api/kiv_check_external.h"
#include "toolkit/api/kiv_check_other_information.h"
#include "toolkit/api/kiv_codec_alloc.h"
#include "toolkit/api/kiv_convert_basic.h"
#include "toolkit/api/kiv_convert_external.h"
#include "toolkit/api/kiv_convert_other_information.h"
#include "toolkit/api/kiv_validation.h"
#include "toolkit/codec/z3950/apdu_two.h"
#include "toolkit/session/pdu_trace.h"
#include "toolkit/session/response_service_steps.h"
#include "toolkit/session/response_services.h"
#include "toolkit/session/state_machine_names.h"

using codec::z3950::AccessControlRequest;
using codec::z3950::AccessControlRequestSecurityChallenge;
using codec::z3950::PDU;

namespace {

int checkChallenge(KivAssocId assocId, const KivSecurityChallengeReq& challenge, SIError** error) {
    const std::string path = "psAccessControlReq->sSecurityChallengeReq.";
    const auto& member = challenge.uSecurityChallengeReq;
    switch (challenge.eSecurityChallengeReqType) {
        case SECT_SimpleForm:
            if (member.psSimpleForm == nullptr) {
                return KivReportMissingField(assocId, path + "uSecurityChallengeReq.psSimpleForm", error);
            }
            return 0;
        case SECT_ExternallyDefined: {
            const std::string external = path + "uSecurityChallengeReq.psExternallyDefinedInfo";
            if (member.psExternallyDefinedInfo == nullptr)
                return KivReportMissingField(assocId, external, error);
            return KivCheckExternal(assocId, member.psExternallyDefinedInfo.get(), external + "->", error);
        }
        default:
            return KivReportValueOutOfRange(assocId, path + "eSecurityChallengeReqType", error);
    }
}

int checkAccessControlReq(KivAssocId assocId, const KivAccessControlReq* req, SIError** error) {
    if (req == nullptr) return KivReportMissingField(assocId, "psAccessControlReq", error);
    return checkChallenge(assocId, req->sSecurityChallengeReq, error) ||
           KivCheckOtherInformation(assocId, &req->ppsOtherInformation,
                                    "psAccessControlReq->ppsOtherInformation", error);
}

void challengeToCodec(AccessControlRequestSecurityChallenge* dst, const KivSecurityChallengeReq& src) {
    const auto& member = src.uSecurityChallengeReq;
    if (src.eSecurityChallengeReqType == SECT_SimpleForm) {
        dst->choiceId = AccessControlRequestSecurityChallenge::kSimpleForm;
        KivNewOctetsToCodec(&dst->simpleForm, member.psSimpleForm.get());
    } else {
        dst->choiceId = AccessControlRequestSecurityChallenge::kExternallyDefined;
        KivNewExternalToCodec(&dst->externallyDefined, member.psExternallyDefinedInfo.get());
    }
}

void accessControlReqToCodec(AccessControlRequest* dst, const KivAccessControlReq& src) {
    KivOptionalOctetsToCodec(&dst->referenceId, src.psReferenceId.get());
    dst->securityChallenge = kivNewCodecRecord<AccessControlRequestSecurityChallenge>();
    challengeToCodec(dst->securityChallenge, src.sSecurityChallengeReq);
    KivOptionalOtherInformationToCodec(&dst->otherInfo, &src.ppsOtherInformation);
}

}  // namespace

SIResult KIVAccessControlRequest(KivAssocId assocId, const KivAccessControlReq* psAccessControlReq,
                                 SIError** error) {
    return siRespond(
        assocId,
        {.name = "KIVAccessControlRequest",
         .check = [&](SIError** out) { return checkAccessControlReq(assocId, psAccessControlReq, out); },
         .event = [] { return KIV_OE_ACCCNTREQ; },
         .trace = [&] { SITracePduAccessControlReq(assocId, psAccessControlReq); },
         .toCodec =
             [&](PDU* pdu) {
                 pdu->choiceId = PDU::kAccessControlRequest;
                 pdu->accessControlRequest = kivNewCodecRecord<AccessControlRequest>();
                 accessControlReqToCodec(pdu->accessControlRequest, *psAccessControlReq);
             }},
        error);
}
