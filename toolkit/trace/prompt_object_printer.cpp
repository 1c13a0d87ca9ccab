#include "toolkit/trace/prompt_object_printer.h"

#include "toolkit/api/kiv_external.h"
#include "toolkit/api/kiv_prompt_object.h"
#include "toolkit/trace/enum_names.h"
#include "toolkit/trace/external_printer.h"
#include "toolkit/trace/shared_printers.h"
#include "toolkit/trace/value_printers.h"

namespace prompt_object_printing {

constexpr trace::EnumName kPromptTypes[] = {
    {EPIT_GroupId, "EPIT_GroupId"},       {EPIT_UserId, "EPIT_UserId"},
    {EPIT_Password, "EPIT_Password"},     {EPIT_NewPassword, "EPIT_NewPassword"},
    {EPIT_Copyright, "EPIT_Copyright"},   {EPIT_SessionId, "EPIT_SessionId"},
    {EPIT_Invalid, "EPIT_Invalid"},
};

constexpr trace::EnumName kDataTypes[] = {
    {DTTT_Integer, "DTTT_Integer"},         {DTTT_Date1, "DTTT_Date1"}, {DTTT_Float, "DTTT_Float"},
    {DTTT_AlphaNumeric, "DTTT_AlphaNumeric"}, {DTTT_UrlUrn, "DTTT_UrlUrn"}, {DTTT_Boolean, "DTTT_Boolean"},
    {DTTT_Invalid, "DTTT_Invalid"},
};

void printEncryption(std::FILE* file, const KivEncryption* encryption) {
    if (encryption == nullptr) {
        std::fputs("NULL\n", file);
        return;
    }
    std::fputs("\npsCryptType: ", file);
    KivPrintOctets(file, encryption->psCryptType.get());
    std::fputs("psCredential: ", file);
    KivPrintOctets(file, encryption->psCredential.get());
    std::fputs("sData: ", file);
    KivPrintOctets(file, &encryption->sData);
}

void printPromptId(std::FILE* file, const KivPromptId& id) {
    std::fputs("\nePromptIdType: ", file);
    switch (id.ePromptIdType) {
        case PIT_EnumeratedPrompt:
            std::fputs("PIT_EnumeratedPrompt\npsEnumeratedPrompt:\n", file);
            if (const KivEnumeratedPrompt* prompt = id.uPromptId.psEnumeratedPrompt.get()) {
                std::fputs("eType: ", file);
                trace::printEnumName(file, prompt->eType, kPromptTypes);
                std::fputs("psSuggestedString: ", file);
                KivPrintInternationalString(file, prompt->psSuggestedString.get());
            } else {
                std::fputs("NULL\n", file);
            }
            break;
        case PIT_NoneEnumeratedPrompt:
            std::fputs("PIT_NoneEnumeratedPrompt\npsNonEnumeratedPrompt:\n", file);
            KivPrintInternationalString(file, id.uPromptId.psNonEnumeratedPrompt.get());
            break;
        case PIT_Invalid:
            std::fputs("PIT_Invalid\n", file);
            break;
        default:
            break;
    }
}

void printPromptInfo(std::FILE* file, const KivPromptInfo* info) {
    if (info == nullptr) {
        std::fputs("NULL\n", file);
        return;
    }
    std::fputs("\nePromptInfoType: ", file);
    switch (info->ePromptInfoType) {
        case PIIT_Character:
            std::fputs("PIIT_Character\npsCharacter: ", file);
            KivPrintInternationalString(file, info->uPromptInfo.psCharacter.get());
            break;
        case PIIT_Encrypted:
            std::fputs("PIIT_Encrypted\npsEncrypted: ", file);
            printEncryption(file, info->uPromptInfo.psEncrypted.get());
            break;
        case PIIT_Invalid:
            std::fputs("PIIT_Invalid\n", file);
            break;
        default:
            break;
    }
}

void printChallenge(std::FILE* file, const KivChallenge& challenge) {
    std::fputs("sPromptId: ", file);
    printPromptId(file, challenge.sPromptId);
    std::fputs("psDefaultResponse: ", file);
    KivPrintInternationalString(file, challenge.psDefaultResponse.get());
    std::fputs("psPromptInfo: ", file);
    printPromptInfo(file, challenge.psPromptInfo.get());
    std::fputs("psRegExpr: ", file);
    KivPrintInternationalString(file, challenge.psRegExpr.get());
    KivPrintNamedNull(file, "pvResponseRequired", challenge.pvResponseRequired);
    if (challenge.ppsAllowedValues.present()) {
        std::fputs("ppsAllowedValues:\n", file);
        for (const KivInternationalString& value : challenge.ppsAllowedValues) {
            std::fputs("psInternationalString: ", file);
            KivPrintInternationalString(file, &value);
        }
    } else {
        std::fputs("ppsAllowedValues: NULL\n", file);
    }
    KivPrintNamedNull(file, "pvShouldSave", challenge.pvShouldSave);
    std::fputs("peDataType: ", file);
    if (challenge.peDataType) {
        std::fputs("\npeDataType: ", file);
        trace::printEnumName(file, *challenge.peDataType, kDataTypes);
    } else {
        std::fputs("NULL\n", file);
    }
    std::fputs("psDiagnostic: ", file);
    KivPrintExternal(file, challenge.psDiagnostic.get());
}

void printPromptResponse(std::FILE* file, const KivPromptResponse& response) {
    const auto& member = response.uResponse;
    std::fputs("\neResponseType: ", file);
    switch (response.eResponseType) {
        case RT_String:
            std::fputs("RT_String\npsString: ", file);
            KivPrintInternationalString(file, member.psCharacter.get());
            break;
        case RT_Accept:
            std::fputs("RT_Accept\nfAccept: ", file);
            KivPrintBoolean(file, &member.fAccept);
            break;
        case RT_Acknowledge:
            std::fputs("RT_Acknowledge\n", file);
            break;
        case RT_Diagnostic:
            std::fputs("RT_Diagnostic\npsDiagnostic: ", file);
            KivPrintDiagRec(file, member.psDiagnostic.get());
            break;
        case RT_Encrypted:
            std::fputs("RT_Encrypted\npsEncryption: ", file);
            printEncryption(file, member.psEncryption.get());
            break;
        default:
            break;
    }
}

void printResponse(std::FILE* file, const KivResponse& response) {
    std::fputs("sPromptId: ", file);
    printPromptId(file, response.sPromptId);
    std::fputs("sPromptResponse: ", file);
    printPromptResponse(file, response.sPromptResponse);
}

// "NULL" for an absent array; else each element followed by an empty line.
template <typename T, typename Print>
void printElements(std::FILE* file, const KivArray<T>& array, Print&& print) {
    if (!array.present()) {
        std::fputs("NULL\n", file);
        return;
    }
    for (const T& element : array) {
        print(file, element);
        std::fputs("\n", file);
    }
}

}  // namespace prompt_object_printing

void KivPrintPromptObjectContent(std::FILE* file, const KivExternal* psExternal) {
    using namespace prompt_object_printing;
    const KivSingleASN1Type* content = trace::singleASN1Type(psExternal);
    const KivPromptObject* object = content == nullptr ? nullptr : content->uASN1.psPromptObject.get();
    if (object == nullptr) return;
    std::fputs("\tpsPromptObject: \nePromptObjectType: ", file);
    switch (object->ePromptObjectType) {
        case POT_Challenge:
            std::fputs("POT_Challenge\nppsChallenge:\n", file);
            printElements(file, object->uPromptObject.ppsChallenge, printChallenge);
            break;
        case POT_Response:
            std::fputs("POT_Response\nppsResponse:\n", file);
            printElements(file, object->uPromptObject.ppsResponse, printResponse);
            break;
        case POT_Invalid:
            std::fputs("POT_Invalid\n", file);
            break;
        default:
            break;
    }
}
