#pragma once
// Diagnostic records: the default format (bib-1 and others) or an externally defined one.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "toolkit/api/kiv_basic_types.h"
#include "toolkit/api/kiv_external.h"

enum : int32_t {
    DT_DefaultFormat = 1,
    DT_ExternallyDefined = 2,
};

enum : int32_t {
    PVIF_Version2 = 1,
    PVIF_Version3 = 2,
};

struct KivAdditionalInfo {
    int32_t eProtocolVersionInForce{};
    struct {
        std::optional<std::string> pcV2;
        std::unique_ptr<KivInternationalString> psV3;
    } uAdditionalInfo;
};

struct KivDefaultDiagFormat {
    std::optional<std::string> pcDiagnosticSetId;  // "1.2.840.10003.4.1" for bib-1
    uint32_t ulCondition{};
    KivAdditionalInfo sAdditionalInfo;
};

struct KivDiagRec {
    int32_t eDiagnosticsType{};
    struct {
        std::unique_ptr<KivDefaultDiagFormat> psDefault;
        std::unique_ptr<KivExternal> psExternallyDefined;
    } uDiagnostics;
};
