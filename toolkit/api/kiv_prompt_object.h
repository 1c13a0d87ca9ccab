#pragma once
// The prompt-1 access-control format: a challenge (the prompts a target asks for) or a response (the
// origin's answers).

#include <cstdint>
#include <memory>
#include <optional>

#include "toolkit/api/kiv_basic_types.h"
#include "toolkit/api/kiv_diagnostics.h"
#include "toolkit/api/kiv_external.h"
#include "toolkit/api/kiv_owning.h"

enum : int32_t {
    POT_Challenge = 1,
    POT_Response = 2,
    POT_Invalid = -1,
};

enum : int32_t {
    PIT_EnumeratedPrompt = 1,
    PIT_NoneEnumeratedPrompt = 2,
    PIT_Invalid = -1,
};

// The numbers of the format's INTEGER, counting from 0.
enum : int32_t {
    EPIT_GroupId = 0,
    EPIT_UserId = 1,
    EPIT_Password = 2,
    EPIT_NewPassword = 3,
    EPIT_Copyright = 4,
    EPIT_SessionId = 5,
    EPIT_Invalid = -1,
};

enum : int32_t {
    PIIT_Character = 1,
    PIIT_Encrypted = 2,
    PIIT_Invalid = -1,
};

enum : int32_t {
    DTTT_Integer = 1,
    DTTT_Date1 = 2,
    DTTT_Float = 3,
    DTTT_AlphaNumeric = 4,
    DTTT_UrlUrn = 5,
    DTTT_Boolean = 6,
    DTTT_Invalid = -1,
};

enum : int32_t {
    RT_String = 1,
    RT_Accept = 2,
    RT_Acknowledge = 3,
    RT_Diagnostic = 4,
    RT_Encrypted = 5,
    RT_Invalid = -1,
};

struct KivEncryption {
    std::unique_ptr<KivOctets> psCryptType;
    std::unique_ptr<KivOctets> psCredential;
    KivOctets sData;
};

struct KivEnumeratedPrompt {
    int32_t eType{};
    std::unique_ptr<KivInternationalString> psSuggestedString;
};

struct KivPromptId {
    int32_t ePromptIdType{};
    struct {
        std::unique_ptr<KivEnumeratedPrompt> psEnumeratedPrompt;
        std::unique_ptr<KivInternationalString> psNonEnumeratedPrompt;
    } uPromptId;
};

// Text or encrypted data shown with a prompt.
struct KivPromptInfo {
    int32_t ePromptInfoType{};
    struct {
        std::unique_ptr<KivInternationalString> psCharacter;
        std::unique_ptr<KivEncryption> psEncrypted;
    } uPromptInfo;
};

// One prompt. The two NULL markers are set when the component is present.
struct KivChallenge {
    KivPromptId sPromptId;
    std::unique_ptr<KivInternationalString> psDefaultResponse;
    std::unique_ptr<KivPromptInfo> psPromptInfo;
    std::unique_ptr<KivInternationalString> psRegExpr;
    bool pvResponseRequired{};
    KivArray<KivInternationalString> ppsAllowedValues;
    bool pvShouldSave{};
    std::optional<int32_t> peDataType;
    std::unique_ptr<KivExternal> psDiagnostic;
};

// The answer of a response: fAccept is held in place; RT_Acknowledge carries nothing.
struct KivPromptResponse {
    int32_t eResponseType{};
    struct {
        std::unique_ptr<KivInternationalString> psCharacter;
        uint32_t fAccept{};
        std::unique_ptr<KivDiagRec> psDiagnostic;
        std::unique_ptr<KivEncryption> psEncryption;
    } uResponse;
};

struct KivResponse {
    KivPromptId sPromptId;
    KivPromptResponse sPromptResponse;
};

struct KivPromptObject {
    int32_t ePromptObjectType{};
    struct {
        KivArray<KivChallenge> ppsChallenge;
        KivArray<KivResponse> ppsResponse;
    } uPromptObject;
};
