#pragma once
// The resource-1 and resource-2 report formats carried in an EXTERNAL.

#include <cstdint>
#include <memory>
#include <optional>

#include "toolkit/api/kiv_basic_types.h"
#include "toolkit/api/kiv_units.h"

enum : int32_t {
    ET_CurrentSearchRecords = 1,
    ET_FinalSearchRecords = 2,
    ET_CurrentPresentRecords = 3,
    ET_FinalPresentRecords = 4,
    ET_CurrentOpTimeProcessing = 5,
    ET_FinalOpTimeProcessing = 6,
    ET_CurrentAssocTime = 7,
    ET_CurrentOperationCost = 8,
    ET_FinalOperationCost = 9,
    ET_CurrentAssocCost = 10,
    ET_FinalOpTimeElapsed = 11,
    ET_PercentComplete = 12,
    ET_CurrentSearchAssocCost = 13,
    ET_CurrentPresentAssocCost = 14,
    ET_CurrentConnectAssocCost = 15,
    ET_CurrentOtherAssocCost = 16,
    ET_Invalid = -1,
};

struct KivEstimate1 {
    int32_t eEstimateType{};
    uint32_t ulValue{};
    std::optional<uint32_t> pulCurrencyCode;
};

struct KivResourceReport1 {
    KivArray<KivEstimate1> ppsEstimate;
    KivInternationalString sMessage;
};

struct KivEstimate2 {
    KivStringOrNumeric sType;
    KivIntUnit sValue;
};

struct KivResourceReport2 {
    KivArray<KivEstimate2> ppsEstimate;
    std::unique_ptr<KivInternationalString> psMessage;
};
