#include "toolkit/external/kiv_convert_prompt_object.h"

#include <memory>

#include "toolkit/api/kiv_convert_basic.h"
#include "toolkit/api/kiv_convert_core_records_fields.h"
#include "toolkit/api/kiv_convert_external.h"
#include "toolkit/api/kiv_convert_external_content_types.h"
#include "toolkit/api/kiv_convert_records.h"
#include "toolkit/api/kiv_prompt_object.h"
#include "toolkit/codec/records/records_e.h"
#include "toolkit/external/kiv_carried_lists.h"

namespace prompt_object_conversion {

namespace r = codec::records;

// ---- Towards the codec ----

// The crypt type and credential when present; the data always, an empty one as an empty octet string.
void encryptionToCodec(r::Encryption* dst, const KivEncryption* src) {
    KivOptionalOctetsToCodec(&dst->cryptType, src->psCryptType.get());
    KivOptionalOctetsToCodec(&dst->credential, src->psCredential.get());
    KivOctetsToCodec(&dst->data, &src->sData);
}

void enumeratedPromptToCodec(r::PromptIdEnummeratedPrompt* dst, const KivEnumeratedPrompt* src) {
    dst->type = kivEnumToCodec(src->eType, EPIT_GroupId, EPIT_SessionId);
    kivOptionalTextToCodec(&dst->suggestedString, src->psSuggestedString);
}

void promptIdToCodec(r::PromptId* dst, const KivPromptId* src) {
    const auto& member = src->uPromptId;
    switch (src->ePromptIdType) {
        case PIT_EnumeratedPrompt:
            dst->choiceId = r::PromptId::kEnummeratedPrompt;
            kivNewToCodec(&dst->enummeratedPrompt, member.psEnumeratedPrompt.get(), enumeratedPromptToCodec);
            break;
        case PIT_NoneEnumeratedPrompt:
            dst->choiceId = r::PromptId::kNonEnumeratedPrompt;
            kivNewToCodec(&dst->nonEnumeratedPrompt, member.psNonEnumeratedPrompt.get(),
                          KivInternationalStringToCodec);
            break;
        default:
            break;
    }
}

void promptInfoToCodec(r::ChallengeItemPromptInfo* dst, const KivPromptInfo* src) {
    const auto& member = src->uPromptInfo;
    switch (src->ePromptInfoType) {
        case PIIT_Character:
            dst->choiceId = r::ChallengeItemPromptInfo::kCharacter;
            kivNewToCodec(&dst->character, member.psCharacter.get(), KivInternationalStringToCodec);
            break;
        case PIIT_Encrypted:
            dst->choiceId = r::ChallengeItemPromptInfo::kEncrypted;
            kivNewToCodec(&dst->encrypted, member.psEncrypted.get(), encryptionToCodec);
            break;
        default:
            break;
    }
}

// A present NULL component is a one-octet marker.
void nullMarkerToCodec(uint8_t** dst, bool present) {
    if (present) *dst = kivNewCodecRecord<uint8_t>();
}

void challengeToCodec(r::ChallengeItem* dst, const KivChallenge* src) {
    kivNewToCodec(&dst->promptId, &src->sPromptId, promptIdToCodec);
    kivOptionalTextToCodec(&dst->defaultResponse, src->psDefaultResponse);
    kivNewToCodec(&dst->promptInfo, src->psPromptInfo.get(), promptInfoToCodec);
    kivOptionalTextToCodec(&dst->regExpr, src->psRegExpr);
    nullMarkerToCodec(&dst->responseRequired, src->pvResponseRequired);
    KivOptionalInternationalStringListToCodec(&dst->allowedValues, &src->ppsAllowedValues);
    nullMarkerToCodec(&dst->shouldSave, src->pvShouldSave);
    if (src->peDataType) {
        dst->dataType = kivNewCodecRecord<BerInteger>();
        *dst->dataType = kivEnumToCodec(*src->peDataType, DTTT_Integer, DTTT_Boolean);
    }
    KivOptionalExternalToCodec(&dst->diagnostic, src->psDiagnostic.get());
}

void promptResponseToCodec(r::ResponseItemPromptResponse* dst, const KivPromptResponse* src) {
    const auto& member = src->uResponse;
    switch (src->eResponseType) {
        case RT_String:
            dst->choiceId = r::ResponseItemPromptResponse::kString;
            kivNewToCodec(&dst->string, member.psCharacter.get(), KivInternationalStringToCodec);
            break;
        case RT_Accept:
            dst->choiceId = r::ResponseItemPromptResponse::kAccept;
            KivBooleanToCodec(&dst->accept, &member.fAccept);
            break;
        case RT_Acknowledge:
            dst->choiceId = r::ResponseItemPromptResponse::kAcknowledge;
            break;
        case RT_Diagnostic:
            dst->choiceId = r::ResponseItemPromptResponse::kDiagnostic;
            KivOptionalDiagRecToCodec(&dst->diagnostic, member.psDiagnostic.get());
            break;
        case RT_Encrypted:
            dst->choiceId = r::ResponseItemPromptResponse::kEncrypted;
            kivNewToCodec(&dst->encrypted, member.psEncryption.get(), encryptionToCodec);
            break;
        default:
            break;
    }
}

void responseItemToCodec(r::ResponseItem* dst, const KivResponse* src) {
    kivNewToCodec(&dst->promptId, &src->sPromptId, promptIdToCodec);
    kivNewToCodec(&dst->promptResponse, &src->sPromptResponse, promptResponseToCodec);
}

// ---- From the codec ----

void encryptionFromCodec(KivEncryption* dst, const r::Encryption* src) {
    KivOptionalOctetsFromCodec(&dst->psCryptType, &src->cryptType);
    KivOptionalOctetsFromCodec(&dst->psCredential, &src->credential);
    KivOctetsFromCodec(&dst->sData, &src->data);
}

void enumeratedPromptFromCodec(KivEnumeratedPrompt* dst, const r::PromptIdEnummeratedPrompt* src) {
    dst->eType = kivEnumFromCodec(src->type, EPIT_GroupId, EPIT_SessionId);
    kivOptionalTextFromCodec(&dst->psSuggestedString, src->suggestedString);
}

void promptIdFromCodec(KivPromptId* dst, const r::PromptId* src) {
    auto& member = dst->uPromptId;
    switch (src->choiceId) {
        case r::PromptId::kEnummeratedPrompt:
            dst->ePromptIdType = PIT_EnumeratedPrompt;
            kivNewFromCodec(&member.psEnumeratedPrompt, src->enummeratedPrompt, enumeratedPromptFromCodec);
            break;
        case r::PromptId::kNonEnumeratedPrompt:
            dst->ePromptIdType = PIT_NoneEnumeratedPrompt;
            kivNewFromCodec(&member.psNonEnumeratedPrompt, src->nonEnumeratedPrompt,
                            KivInternationalStringFromCodec);
            break;
        default:
            dst->ePromptIdType = PIT_Invalid;
            break;
    }
}

void promptInfoFromCodec(KivPromptInfo* dst, const r::ChallengeItemPromptInfo* src) {
    auto& member = dst->uPromptInfo;
    switch (src->choiceId) {
        case r::ChallengeItemPromptInfo::kCharacter:
            dst->ePromptInfoType = PIIT_Character;
            kivNewFromCodec(&member.psCharacter, src->character, KivInternationalStringFromCodec);
            break;
        case r::ChallengeItemPromptInfo::kEncrypted:
            dst->ePromptInfoType = PIIT_Encrypted;
            kivNewFromCodec(&member.psEncrypted, src->encrypted, encryptionFromCodec);
            break;
        default:
            dst->ePromptInfoType = PIIT_Invalid;
            break;
    }
}

void challengeFromCodec(KivChallenge* dst, const r::ChallengeItem* src) {
    if (src->promptId != nullptr) promptIdFromCodec(&dst->sPromptId, src->promptId);
    kivOptionalTextFromCodec(&dst->psDefaultResponse, src->defaultResponse);
    kivNewFromCodec(&dst->psPromptInfo, src->promptInfo, promptInfoFromCodec);
    kivOptionalTextFromCodec(&dst->psRegExpr, src->regExpr);
    KivOptionalNullFromCodec(&dst->pvResponseRequired, src->responseRequired);
    KivInternationalStringListFromCodec(&dst->ppsAllowedValues, src->allowedValues);
    KivOptionalNullFromCodec(&dst->pvShouldSave, src->shouldSave);
    if (src->dataType != nullptr) dst->peDataType = kivEnumFromCodec(*src->dataType, DTTT_Integer, DTTT_Boolean);
    KivOptionalExternalFromCodec(&dst->psDiagnostic, src->diagnostic);
}

void promptResponseFromCodec(KivPromptResponse* dst, const r::ResponseItemPromptResponse* src) {
    auto& member = dst->uResponse;
    switch (src->choiceId) {
        case r::ResponseItemPromptResponse::kString:
            dst->eResponseType = RT_String;
            kivNewFromCodec(&member.psCharacter, src->string, KivInternationalStringFromCodec);
            break;
        case r::ResponseItemPromptResponse::kAccept:
            dst->eResponseType = RT_Accept;
            KivBooleanFromCodec(&member.fAccept, &src->accept);
            break;
        case r::ResponseItemPromptResponse::kAcknowledge:
            dst->eResponseType = RT_Acknowledge;
            break;
        case r::ResponseItemPromptResponse::kDiagnostic:
            dst->eResponseType = RT_Diagnostic;
            KivOptionalDiagRecFromCodec(&member.psDiagnostic, src->diagnostic);
            break;
        case r::ResponseItemPromptResponse::kEncrypted:
            dst->eResponseType = RT_Encrypted;
            kivNewFromCodec(&member.psEncryption, src->encrypted, encryptionFromCodec);
            break;
        default:
            dst->eResponseType = RT_Invalid;
            break;
    }
}

void responseItemFromCodec(KivResponse* dst, const r::ResponseItem* src) {
    if (src->promptId != nullptr) promptIdFromCodec(&dst->sPromptId, src->promptId);
    if (src->promptResponse != nullptr) promptResponseFromCodec(&dst->sPromptResponse, src->promptResponse);
}

}  // namespace prompt_object_conversion

void KivPromptObjectToCodec(BerAny* dst, const KivSingleASN1Type* src) {
    using namespace prompt_object_conversion;
    const KivPromptObject* object = src->uASN1.psPromptObject.get();
    if (object == nullptr) return;
    auto* value = kivNewContentValue<r::PromptObject>(dst);
    const auto& member = object->uPromptObject;
    switch (object->ePromptObjectType) {
        case POT_Challenge:
            value->choiceId = r::PromptObject::kChallenge;
            kivArrayToCodec<r::ChallengeItem>(&value->challenge, member.ppsChallenge, challengeToCodec);
            break;
        case POT_Response:
            value->choiceId = r::PromptObject::kResponse;
            kivArrayToCodec<r::ResponseItem>(&value->response, member.ppsResponse, responseItemToCodec);
            break;
        default:
            break;
    }
}

void KivPromptObjectFromCodec(KivSingleASN1Type* dst, const BerAny* src) {
    using namespace prompt_object_conversion;
    dst->eASN1Type = AT_PromptObject;
    kivFromCodec([&] { dst->uASN1.psPromptObject = std::make_unique<KivPromptObject>(); });
    KivPromptObject* object = dst->uASN1.psPromptObject.get();
    const r::PromptObject& value = kivContentValue<r::PromptObject>(src);
    auto& member = object->uPromptObject;
    // The lists are compulsory: one that did not arrive gives an empty array.
    switch (value.choiceId) {
        case r::PromptObject::kChallenge:
            object->ePromptObjectType = POT_Challenge;
            KivArrayFromCodec<r::ChallengeItem>(
                &member.ppsChallenge, value.challenge,
                [](KivChallenge* item, const r::ChallengeItem& codecItem) { challengeFromCodec(item, &codecItem); });
            break;
        case r::PromptObject::kResponse:
            object->ePromptObjectType = POT_Response;
            KivArrayFromCodec<r::ResponseItem>(
                &member.ppsResponse, value.response,
                [](KivResponse* item, const r::ResponseItem& codecItem) { responseItemFromCodec(item, &codecItem); });
            break;
        default:
            object->ePromptObjectType = POT_Invalid;
            break;
    }
}
