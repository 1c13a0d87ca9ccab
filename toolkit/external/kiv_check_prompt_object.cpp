#include "toolkit/external/kiv_check_prompt_object.h"

#include "toolkit/api/kiv_check_external.h"
#include "toolkit/api/kiv_check_external_fields.h"
#include "toolkit/api/kiv_check_records.h"
#include "toolkit/api/kiv_prompt_object.h"
#include "toolkit/api/kiv_validation_checks.h"
#include "toolkit/api/kiv_validation_reporters.h"

namespace prompt_object_checks {

int checkEnumeratedPrompt(KivAssocId assoc, const KivEnumeratedPrompt* prompt, const std::string& path,
                          SIError** out) {
    return kivCheckRange(assoc, prompt->eType, EPIT_GroupId, EPIT_SessionId, path, "eType", out);
}

int checkPromptId(KivAssocId assoc, const KivPromptId& id, const std::string& path, SIError** out) {
    const auto& member = id.uPromptId;
    switch (id.ePromptIdType) {
        case PIT_EnumeratedPrompt:
            return kivCheckMember(assoc, member.psEnumeratedPrompt.get(), path, "uPromptId.psEnumeratedPrompt",
                                  "->", out, checkEnumeratedPrompt);
        case PIT_NoneEnumeratedPrompt:
            if (member.psNonEnumeratedPrompt) return 0;
            return KivReportMissingField(assoc, kivFieldPath(path, "uPromptId.psNonEnumeratedPrompt"), out);
        default:
            return KivReportValueOutOfRange(assoc, kivFieldPath(path, "ePromptIdType"), out);
    }
}

int checkPromptInfo(KivAssocId assoc, const KivPromptInfo* info, const std::string& path, SIError** out) {
    const auto& member = info->uPromptInfo;
    switch (info->ePromptInfoType) {
        case PIIT_Character:
            if (member.psCharacter) return 0;
            return KivReportMissingField(assoc, kivFieldPath(path, "uPromptInfo.psCharacter"), out);
        case PIIT_Encrypted:
            if (member.psEncrypted) return 0;
            return KivReportMissingField(assoc, kivFieldPath(path, "uPromptInfo.psEncrypted"), out);
        default:
            return KivReportValueOutOfRange(assoc, kivFieldPath(path, "ePromptInfoType"), out);
    }
}

int checkChallenge(KivAssocId assoc, const KivChallenge* challenge, const std::string& path, SIError** out) {
    if (checkPromptId(assoc, challenge->sPromptId, kivFieldPath(path, "sPromptId."), out) != 0) return 1;
    if (challenge->psPromptInfo &&
        checkPromptInfo(assoc, challenge->psPromptInfo.get(), kivFieldPath(path, "psPromptInfo->"), out) != 0) {
        return 1;
    }
    if (challenge->peDataType &&
        kivCheckRange(assoc, *challenge->peDataType, DTTT_Integer, DTTT_Boolean, path, "peDataType", out) != 0) {
        return 1;
    }
    return KivCheckOptionalExternal(assoc, challenge->psDiagnostic.get(), kivFieldPath(path, "psDiagnostic->"),
                                    out);
}

int checkPromptResponse(KivAssocId assoc, const KivPromptResponse& response, const std::string& path,
                        SIError** out) {
    const auto& member = response.uResponse;
    switch (response.eResponseType) {
        case RT_String:
            if (member.psCharacter) return 0;
            return KivReportMissingField(assoc, kivFieldPath(path, "uResponse.psCharacter"), out);
        case RT_Accept:
            return KivCheckBoolean(assoc, &member.fAccept, kivFieldPath(path, "uResponse.fAccept"), out);
        case RT_Acknowledge:
            return 0;
        case RT_Diagnostic:
            return kivCheckMember(assoc, member.psDiagnostic.get(), path, "uResponse.psDiagnostic", "->", out,
                                  KivCheckDiagRec);
        case RT_Encrypted:
            if (member.psEncryption) return 0;
            return KivReportMissingField(assoc, kivFieldPath(path, "uResponse.psEncryption"), out);
        default:
            return KivReportValueOutOfRange(assoc, kivFieldPath(path, "eResponseType"), out);
    }
}

int checkResponse(KivAssocId assoc, const KivResponse* response, const std::string& path, SIError** out) {
    if (checkPromptId(assoc, response->sPromptId, kivFieldPath(path, "sPromptId."), out) != 0) return 1;
    return checkPromptResponse(assoc, response->sPromptResponse, kivFieldPath(path, "sPromptResponse."), out);
}

int checkPromptObject(KivAssocId assoc, const KivPromptObject* object, const std::string& path, SIError** out) {
    const auto& member = object->uPromptObject;
    const std::string arrays = kivFieldPath(path, "uPromptObject.");
    switch (object->ePromptObjectType) {
        case POT_Challenge:
            return kivCheckArray(assoc, member.ppsChallenge, arrays, "ppsChallenge", out, checkChallenge);
        case POT_Response:
            return kivCheckArray(assoc, member.ppsResponse, arrays, "ppsResponse", out, checkResponse);
        default:
            return KivReportValueOutOfRange(assoc, kivFieldPath(path, "ePromptObjectType"), out);
    }
}

}  // namespace prompt_object_checks

int KivCheckPromptObject(KivAssocId assoc, const KivSingleASN1Type* content, const std::string& path,
                         SIError** out) {
    return kivCheckMember(assoc, content->uASN1.psPromptObject.get(), path, "uASN1.psPromptObject", "->", out,
                          prompt_object_checks::checkPromptObject);
}
