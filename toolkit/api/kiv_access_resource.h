#pragma once
// Access-control and resource-control APDUs.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "toolkit/api/kiv_basic_types.h"
#include "toolkit/api/kiv_diagnostics.h"
#include "toolkit/api/kiv_external.h"
#include "toolkit/api/kiv_other_information.h"

enum KivSecurityChallengeType : int32_t {
    SECT_SimpleForm = 1,
    SECT_ExternallyDefined = 2,
    SECT_Invalid = -1,
};

enum KivPartialResultsAvailable : int32_t {
    PRA_Subset = 1,
    PRA_Interim2 = 2,
    PRA_None2 = 3,
    PRA_Invalid = -1,
};

enum KivRequestedAction : int32_t {
    RA_ResourceReport1 = 1,
    RA_ResourceControl = 2,
    RA_Cancel = 3,
    RA_Invalid = -1,
};

// The security challenge: the same alternatives in both directions, under field names that say the direction.
struct KivSecurityChallengeReq {
    int32_t eSecurityChallengeReqType{};
    struct {
        std::unique_ptr<KivOctets> psSimpleForm;
        std::unique_ptr<KivExternal> psExternallyDefinedInfo;
    } uSecurityChallengeReq;
};

struct KivSecurityChallengeRsp {
    int32_t eSecurityChallengeRspType{};
    struct {
        std::unique_ptr<KivOctets> psSimpleForm;
        std::unique_ptr<KivExternal> psExternallyDefinedInfo;
    } uSecurityChallengeRsp;
};

struct KivAccessControlReq {
    std::unique_ptr<KivOctets> psReferenceId;
    KivSecurityChallengeReq sSecurityChallengeReq;
    KivArray<KivOtherInformation> ppsOtherInformation;
};

struct KivAccessControlRsp {
    std::unique_ptr<KivOctets> psReferenceId;
    std::unique_ptr<KivSecurityChallengeRsp> psSecurityChallengeRsp;
    std::unique_ptr<KivDiagRec> psDiagnostic;
    KivArray<KivOtherInformation> ppsOtherInformation;
};

struct KivResourceControlReq {
    std::unique_ptr<KivOctets> psReferenceId;
    std::optional<uint32_t> pfSuspendedFlag;
    std::unique_ptr<KivExternal> psResourceReport;
    std::optional<int32_t> pePartialResultsAvailable;
    uint32_t fResponseRequired{};
    std::optional<uint32_t> pfTriggeredRequestFlag;
    KivArray<KivOtherInformation> ppsOtherInformation;
};

struct KivResourceControlRsp {
    std::unique_ptr<KivOctets> psReferenceId;
    uint32_t fContinueFlag{};
    std::optional<uint32_t> pfResultSetWanted;
    KivArray<KivOtherInformation> ppsOtherInformation;
};

struct KivTriggerResourceControlReq {
    std::unique_ptr<KivOctets> psReferenceId;
    int32_t eRequestedAction{};
    std::optional<std::string> pcPreferredResourceReportFormat;
    std::optional<uint32_t> pfResultSetWanted;
    KivArray<KivOtherInformation> ppsOtherInformation;
};
