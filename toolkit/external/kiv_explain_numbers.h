#pragma once
// The named numbers of the Explain module's INTEGER components, as the programming interface keeps them.

#include <cstdint>

#include "toolkit/api/kiv_explain_record.h"

inline bool kivIsAccessType(int32_t value) {
    return value >= AT_Any && value <= AT_ByDatabase;
}
inline bool kivIsPrimitiveDataType(int32_t value) {
    return (value >= PDT_OctetString && value <= PDT_Empty) || value == PDT_NoneOfTheAbove;
}
inline bool kivIsSearchCost(int32_t value) {
    return value >= SC_Optimized && value <= SC_Filter;
}
inline bool kivIsWaitAction(int32_t value) {
    return value >= ESII_WaitSupported && value <= ESII_NotSaying;
}
inline bool kivIsCaseSensitivity(int32_t value) {
    return value >= CSE_Always && value <= CSE_DefaultNo;
}
inline bool kivIsProcessingContext(int32_t value) {
    return value >= PC_Access && value <= PC_RecordHandling;
}
