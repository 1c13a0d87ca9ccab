#pragma once
// ResourceReport request and response.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "toolkit/api/kiv_basic_types.h"
#include "toolkit/api/kiv_external.h"
#include "toolkit/api/kiv_other_information.h"

// The value 2 (failure-1) has no constant.
enum KivResourceReportStatus : int32_t {
    RRS_Success = 0,
    RRS_Partial = 1,
    RRS_Failure_2 = 3,
    RRS_Failure_3 = 4,
    RRS_Failure_4 = 5,
    RRS_Failure_5 = 6,
    RRS_Failure_6 = 7,
    RRS_Invalid = -1,
};

struct KivResourceReportReq {
    std::unique_ptr<KivOctets> psReferenceId;
    std::unique_ptr<KivOctets> psOperationId;
    std::optional<std::string> pcPrefResourceReportFormat;
    KivArray<KivOtherInformation> ppsOtherInformation;
};

struct KivResourceReportRsp {
    std::unique_ptr<KivOctets> psReferenceId;
    int32_t eResourceReportStatus{};
    std::unique_ptr<KivExternal> psResourceReport;
    KivArray<KivOtherInformation> ppsOtherInformation;
};
