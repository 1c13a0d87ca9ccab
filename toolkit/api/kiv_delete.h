#pragma once
// DeleteResultSet request and response.

#include <cstdint>
#include <memory>
#include <optional>

#include "toolkit/api/kiv_basic_types.h"
#include "toolkit/api/kiv_other_information.h"

enum KivDeleteFunction : int32_t {
    DF_List = 0,
    DF_All = 1,
    DF_Invalid = -1,
};

enum KivDeleteSetStatus : int32_t {
    DSS_Success = 0,
    DSS_ResultSetDidNotExist = 1,
    DSS_PreviouslyDeletedByTarget = 2,
    DSS_SystemProblemAtTarget = 3,
    DSS_AccessNotAllowed = 4,
    DSS_ResourceControlAtOrigin = 5,
    DSS_ResourceControlAtTarget = 6,
    DSS_BulkDeleteNotSupported = 7,
    DSS_NotAllSetsDeletedOnBulkDlt = 8,
    DSS_NotAllRequestedSetsDeleted = 9,
    DSS_ResultSetInUse = 10,
    DSS_Invalid = -1,
};

struct KivListStatus {
    KivInternationalString sResultSetId;
    int32_t eDeleteSetStatus{};
};

struct KivDeleteResultSetReq {
    std::unique_ptr<KivOctets> psReferenceId;
    int32_t eDeleteFunction{};
    KivArray<KivInternationalString> ppsResultSetId;
    KivArray<KivOtherInformation> ppsOtherInformation;
};

struct KivDeleteResultSetRsp {
    std::unique_ptr<KivOctets> psReferenceId;
    int32_t eDeleteOperationStatus{};
    KivArray<KivListStatus> ppsDeleteListStatuses;
    std::optional<uint32_t> pulNumberNotDeleted;
    KivArray<KivListStatus> ppsBulkStatuses;
    std::unique_ptr<KivInternationalString> psDeleteMessage;
    KivArray<KivOtherInformation> ppsOtherInformation;
};
