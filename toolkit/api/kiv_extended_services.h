#pragma once
// ExtendedServices request and response.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "toolkit/api/kiv_basic_types.h"
#include "toolkit/api/kiv_diagnostics.h"
#include "toolkit/api/kiv_external.h"
#include "toolkit/api/kiv_other_information.h"
#include "toolkit/api/kiv_permissions.h"
#include "toolkit/api/kiv_units.h"

enum KivEsFunction : int32_t {
    ESF_Create = 1,
    ESF_Delete = 2,
    ESF_Modify = 3,
    ESF_Invalid = -1,
};

enum KivWaitAction : int32_t {
    ESWA_Wait = 1,
    ESWA_WaitIfPossible = 2,
    ESWA_DontWait = 3,
    ESWA_DontReturnPackage = 4,
    ESWA_Invalid = -1,
};

enum KivOperationStatus : int32_t {
    ESOS_Done = 1,
    ESOS_Queued = 2,
    ESOS_Failure = 3,
    ESOS_Invalid = -1,
};

// psOriginSpecificParameter carries the task-specific parameters; psElements is an element-set name.
struct KivExtendedServicesReq {
    std::unique_ptr<KivOctets> psReferenceId;
    int32_t eFunction{};
    std::optional<std::string> pcPackageType;
    std::unique_ptr<KivInternationalString> psPackageName;
    std::unique_ptr<KivInternationalString> psUserId;
    std::unique_ptr<KivIntUnit> psRetentionTime;
    KivArray<KivPermissions> ppsPermissions;
    std::unique_ptr<KivInternationalString> psDescription;
    std::unique_ptr<KivExternal> psOriginSpecificParameter;
    int32_t eWaitAction{};
    std::unique_ptr<KivInternationalString> psElements;
    KivArray<KivOtherInformation> ppsOtherInformation;
};

struct KivExtendedServicesRsp {
    std::unique_ptr<KivOctets> psReferenceId;
    int32_t eOperationStatus{};
    KivArray<KivDiagRec> ppsDiagnostics;
    std::unique_ptr<KivExternal> psTaskPackage;
    KivArray<KivOtherInformation> ppsOtherInformation;
};
