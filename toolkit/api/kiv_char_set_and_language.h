#pragma once
// Character-set and language negotiation: an origin's proposal of character sets and languages, or a
// target's response naming the ones it selected.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "toolkit/api/kiv_basic_types.h"
#include "toolkit/api/kiv_external.h"
#include "toolkit/api/kiv_owning.h"

// eCharSetAndLanguageType.
enum : int32_t {
    CSALT_Proposal = 1,
    CSALT_Response = 2,
    CSALT_Invalid = -1,
};

// eProposedCharSetType.
enum : int32_t {
    PRCST_Iso2022 = 1,
    PRCST_Iso10646 = 2,
    PRCST_Private = 3,
    PRCST_Invalid = -1,
};

// eSelectedCharSetType.
enum : int32_t {
    SCST_Iso2022 = 1,
    SCST_Iso10646 = 2,
    SCST_Private = 3,
    SCST_None = 4,
    SCST_Invalid = -1,
};

// eIso2022Type.
enum : int32_t {
    I2022T_OriginProposal = 1,
    I2022T_TargetResponse = 2,
    I2022T_Invalid = -1,
};

// eEnvironmentType.
enum : int32_t {
    ENT_SevenBit = 1,
    ENT_EightBit = 2,
    ENT_Invalid = -1,
};

// ePrivateCharacterSetType.
enum : int32_t {
    PCST_ViaOid = 1,
    PCST_ExternallySpecified = 2,
    PCST_PreviouslyAgreedUpon = 3,
    PCST_Invalid = -1,
};

struct KivEnvironment {
    int32_t eEnvironmentType{};
};

struct KivInitialSet {
    uint32_t ulG0{};
    uint32_t ulG1{};
    uint32_t ulG2{};
    uint32_t ulG3{};
    uint32_t ulC0{};
    uint32_t ulC1{};
};

struct KivLeftAndRight {
    uint32_t ulGLeft{};
    uint32_t ulGRight{};
};

// Every member but the environment is compulsory.
struct KivIso2022OriginProposal {
    std::unique_ptr<KivEnvironment> psProposedEnvironment;
    KivArray<uint32_t> ppulProposedSets;
    KivArray<KivInitialSet> ppsProposedInitialSets;
    std::unique_ptr<KivLeftAndRight> psProposedLeftAndRight;
};

// Every member is compulsory.
struct KivIso2022TargetResponse {
    std::unique_ptr<KivEnvironment> psSelectedEnvironment;
    KivArray<uint32_t> ppulSelectedSets;
    std::unique_ptr<KivInitialSet> psSelectedInitialSet;
    std::unique_ptr<KivLeftAndRight> psSelectedLeftAndRight;
};

struct KivIso2022 {
    int32_t eIso2022Type{};
    struct {
        std::unique_ptr<KivIso2022OriginProposal> psOriginProposal;
        std::unique_ptr<KivIso2022TargetResponse> psTargetResponse;
    } uIso2022Type;
};

// Both identifiers are compulsory dotted texts.
struct KivIso10646 {
    std::optional<std::string> pcCollections;
    std::optional<std::string> pcEncodingLevel;
};

// PCST_PreviouslyAgreedUpon holds nothing.
struct KivPrivateCharacterSet {
    int32_t ePrivateCharacterSetType{};
    struct {
        KivArray<std::string> ppcViaOid;
        std::unique_ptr<KivExternal> psExternallySpecified;
    } uPrivateCharacterSet;
};

struct KivProposedCharSet {
    int32_t eProposedCharSetType{};
    struct {
        std::unique_ptr<KivIso2022> psIso2022;
        std::unique_ptr<KivIso10646> psIso10646;
        std::unique_ptr<KivPrivateCharacterSet> psPrivate;
    } uProposedCharSet;
};

// SCST_None holds nothing.
struct KivSelectedCharSet {
    int32_t eSelectedCharSetType{};
    struct {
        std::unique_ptr<KivIso2022> psIso2022;
        std::unique_ptr<KivIso10646> psIso10646;
        std::unique_ptr<KivPrivateCharacterSet> psPrivate;
    } uSelectedCharSet;
};

// Every member is optional; a language is a language code.
struct KivCharSetProposal {
    KivArray<KivProposedCharSet> ppsProposedCharSets;
    KivArray<KivInternationalString> ppsProposedLanguages;
    std::optional<uint32_t> pfRecordsInSelectedCharSets;
};

// Every member is optional.
struct KivCharSetResponse {
    std::unique_ptr<KivSelectedCharSet> psSelectedCharSets;
    std::unique_ptr<KivInternationalString> psSelectedLanguage;
    std::optional<uint32_t> pfRecordsInSelectedCharSets;
};

// The record (content type 18, AT_CharSetAndLanguage).
struct KivCharSetAndLanguage {
    int32_t eCharSetAndLanguageType{};
    struct {
        std::unique_ptr<KivCharSetProposal> psProposal;
        std::unique_ptr<KivCharSetResponse> psResponse;
    } uCharSetAndLanguage;
};
