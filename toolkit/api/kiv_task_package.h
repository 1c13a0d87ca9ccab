#pragma once
// The extended-services task package.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "toolkit/api/kiv_basic_types.h"
#include "toolkit/api/kiv_diagnostics.h"
#include "toolkit/api/kiv_external.h"
#include "toolkit/api/kiv_permissions.h"
#include "toolkit/api/kiv_units.h"

enum : int32_t {
    ESTS_Pending = 1,
    ESTS_Active = 2,
    ESTS_Complete = 3,
    ESTS_Aborted = 4,
    ESTS_Invalid = -1,
};

struct KivEsTaskPackage {
    std::optional<std::string> pcPackageType;
    std::unique_ptr<KivInternationalString> psPackageName;
    std::unique_ptr<KivInternationalString> psUserId;
    std::unique_ptr<KivIntUnit> psRetentionTime;
    KivArray<KivPermissions> ppsPermissions;
    std::unique_ptr<KivInternationalString> psDescription;
    std::unique_ptr<KivOctets> psTargetReference;
    std::optional<std::string> pcCreationDateTime;
    int32_t eExtServicesTaskStatus{};
    KivArray<KivDiagRec> ppsPackageDiagnostics;
    KivExternal sTaskSpecificParameters;
};
