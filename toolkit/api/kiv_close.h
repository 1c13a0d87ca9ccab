#pragma once
// The Close APDU, one structure for either direction.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "toolkit/api/kiv_basic_types.h"
#include "toolkit/api/kiv_external.h"
#include "toolkit/api/kiv_other_information.h"

enum KivCloseReason : int32_t {
    CR_Finished = 0,
    CR_ShutDown = 1,
    CR_SystemProblem = 2,
    CR_CostLimit = 3,
    CR_Resources = 4,
    CR_SecurityViolation = 5,
    CR_ProtocolError = 6,
    CR_LackOfActivity = 7,
    CR_PeerAbort = 8,
    CR_Unspecified = 9,
    CR_Invalid = -1,
};

struct KivClose {
    std::unique_ptr<KivOctets> psReferenceId;
    int32_t eCloseReason{};
    std::unique_ptr<KivInternationalString> psDiagnosticInformation;
    std::optional<std::string> pcResourceReportFormat;
    std::unique_ptr<KivExternal> psResourceReport;
    KivArray<KivOtherInformation> ppsOtherInformation;
};
