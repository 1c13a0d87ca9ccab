#pragma once
// Prompt objects with every optional group filled, that conversion, validation and printer tests start from.

#include <memory>
#include <string>

#include "tests/api/carried_records_samples.h"
#include "toolkit/api/kivproto.h"

namespace prompt_object_test {

using carried::text;

inline std::unique_ptr<KivEncryption> encryption(const std::string& data) {
    auto encrypted = std::make_unique<KivEncryption>();
    encrypted->psCryptType = std::make_unique<KivOctets>(KivOctets{"des"});
    encrypted->psCredential = std::make_unique<KivOctets>(KivOctets{"key-7"});
    encrypted->sData.pcValue = data;
    return encrypted;
}

inline KivPromptId enumeratedPrompt(int32_t type) {
    KivPromptId id;
    id.ePromptIdType = PIT_EnumeratedPrompt;
    id.uPromptId.psEnumeratedPrompt = std::make_unique<KivEnumeratedPrompt>();
    id.uPromptId.psEnumeratedPrompt->eType = type;
    return id;
}

inline KivPromptId namedPrompt(const std::string& name) {
    KivPromptId id;
    id.ePromptIdType = PIT_NoneEnumeratedPrompt;
    id.uPromptId.psNonEnumeratedPrompt = text(name);
    return id;
}

inline KivExternal objectExternal(const std::string& oid, std::unique_ptr<KivPromptObject> object) {
    return carried::singleExternal(oid, AT_PromptObject, [&](KivSingleASN1Type& content) {
        content.uASN1.psPromptObject = std::move(object);
    });
}

// Two prompts: a password prompt with every member (encrypted prompt information), and a named prompt with
// a text.
inline KivExternal challenge(const std::string& oid) {
    auto object = std::make_unique<KivPromptObject>();
    object->ePromptObjectType = POT_Challenge;
    auto& prompts = object->uPromptObject.ppsChallenge;
    KivChallenge* full = prompts.emplace();
    full->sPromptId = enumeratedPrompt(EPIT_Password);
    full->sPromptId.uPromptId.psEnumeratedPrompt->psSuggestedString = text("secret");
    full->psDefaultResponse = text("guest");
    full->psPromptInfo = std::make_unique<KivPromptInfo>();
    full->psPromptInfo->ePromptInfoType = PIIT_Encrypted;
    full->psPromptInfo->uPromptInfo.psEncrypted = encryption("cipher");
    full->psRegExpr = text("[a-z]+");
    full->pvResponseRequired = true;
    *full->ppsAllowedValues.emplace() = KivInternationalString{"alpha"};
    *full->ppsAllowedValues.emplace() = KivInternationalString{"beta"};
    full->pvShouldSave = true;
    full->peDataType = DTTT_AlphaNumeric;
    full->psDiagnostic = std::make_unique<KivExternal>(carried::sutrsExternal("1.2.840.10003.5.101", "retry"));
    KivChallenge* named = prompts.emplace();
    named->sPromptId = namedPrompt("Library card");
    named->psPromptInfo = std::make_unique<KivPromptInfo>();
    named->psPromptInfo->ePromptInfoType = PIIT_Character;
    named->psPromptInfo->uPromptInfo.psCharacter = text("on the back of the card");
    return objectExternal(oid, std::move(object));
}

// One answer of each type, RT_String to RT_Encrypted.
inline KivExternal response(const std::string& oid) {
    auto object = std::make_unique<KivPromptObject>();
    object->ePromptObjectType = POT_Response;
    auto& answers = object->uPromptObject.ppsResponse;
    for (int32_t type = RT_String; type <= RT_Encrypted; ++type) {
        KivResponse* answer = answers.emplace();
        answer->sPromptId = type == RT_String ? namedPrompt("Library card") : enumeratedPrompt(type);
        KivPromptResponse& value = answer->sPromptResponse;
        value.eResponseType = type;
        if (type == RT_String) value.uResponse.psCharacter = text("B 1234");
        if (type == RT_Accept) value.uResponse.fAccept = 1;
        if (type == RT_Diagnostic) value.uResponse.psDiagnostic = carried::bib1Diagnostic(1, "no");
        if (type == RT_Encrypted) value.uResponse.psEncryption = encryption("answer");
    }
    return objectExternal(oid, std::move(object));
}

inline KivPromptObject& objectOf(KivExternal& external) {
    return *external.uExternalValue.psSingleASN1Type->uASN1.psPromptObject;
}

}  // namespace prompt_object_test
