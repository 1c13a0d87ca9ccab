#pragma once
// Init request and response.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "toolkit/api/kiv_basic_types.h"
#include "toolkit/api/kiv_external.h"
#include "toolkit/api/kiv_other_information.h"

enum : int32_t {
    IAT_Open = 1,
    IAT_IdPass = 2,
    IAT_Anonymous = 3,
    IAT_Other = 4,
};

struct KivIdPass {
    std::unique_ptr<KivInternationalString> psGroupId;
    std::unique_ptr<KivInternationalString> psUserId;
    std::unique_ptr<KivInternationalString> psPassword;
};

// IAT_Anonymous holds nothing; psOpen is a text despite its prefix.
struct KivIdAuthentication {
    int32_t eAuthenticationType{};
    struct {
        std::optional<std::string> psOpen;
        std::unique_ptr<KivIdPass> psIdPass;
        std::unique_ptr<KivExternal> psOther;
    } uAuthentication;
};

// pcProtocolVersion and pcOptions hold one '0' or '1' character per bit, bit 0 first.
struct KivInitializeReq {
    std::unique_ptr<KivOctets> psReferenceId;
    std::optional<std::string> pcProtocolVersion;
    std::optional<std::string> pcOptions;
    uint32_t ulPreferredMessageSize{};
    uint32_t ulMaxmiumMessageSize{};
    std::unique_ptr<KivIdAuthentication> psAuthentication;
    std::unique_ptr<KivInternationalString> psImplementationId;
    std::unique_ptr<KivInternationalString> psImplementationName;
    std::unique_ptr<KivInternationalString> psImplementationVersion;
    std::unique_ptr<KivExternal> psUserInformationField;
    KivArray<KivOtherInformation> ppsOtherInformation;
};

struct KivInitializeRsp {
    std::unique_ptr<KivOctets> psReferenceId;
    std::optional<std::string> pcProtocolVersion;
    std::optional<std::string> pcOptions;
    uint32_t ulPreferredMessageSize{};
    uint32_t ulMaxmiumMessageSize{};
    uint32_t fResult{};
    std::unique_ptr<KivInternationalString> psImplementationId;
    std::unique_ptr<KivInternationalString> psImplementationName;
    std::unique_ptr<KivInternationalString> psImplementationVersion;
    std::unique_ptr<KivExternal> psUserInformationField;
    KivArray<KivOtherInformation> ppsOtherInformation;
};
