#pragma once
// Sort request and response with the sort keys.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "toolkit/api/kiv_attributes.h"
#include "toolkit/api/kiv_basic_types.h"
#include "toolkit/api/kiv_diagnostics.h"
#include "toolkit/api/kiv_other_information.h"
#include "toolkit/api/kiv_record_composition.h"

enum KivSortStatus : int32_t {
    SOS_Success = 0,
    SOS_Partial_1 = 1,
    SOS_Failure = 2,
    SOS_Invalid = -1,
};

// Members 0 to 3 stand for the protocol's values 1 to 4.
enum KivSortResultSetStatus : int32_t {
    SRSS_Empty = 0,
    SRSS_Interim = 1,
    SRSS_Unchanged = 2,
    SRSS_None = 3,
    SRSS_Invalid = -1,
};

enum KivSortRelation : int32_t {
    SRT_Ascending = 1,
    SRT_Descending = 2,
    SRT_FrequencyAsc = 3,
    SRT_FrequencyDesc = 4,
    SRT_Invalid = -1,
};

enum KivSortCase : int32_t {
    SCT_CaseSensitive = 1,
    SCT_CaseInsensitive = 2,
    SCT_Invalid = -1,
};

enum : int32_t {
    SET_Generic = 1,
    SET_DbSpecific = 2,
};

enum : int32_t {
    SKT_SortField = 1,
    SKT_ElementSpec = 2,
    SKT_SortAttributes = 3,
};

enum : int32_t {
    SMT_Abort = 1,
    SMT_Null = 2,
    SMT_Constant = 3,
};

struct KivSortAttributes {
    std::optional<std::string> pcAttributeSetId;
    KivArray<KivAttributeElement> ppsAttributeElement;
};

struct KivSortKey {
    int32_t eSortKeyType{};
    struct {
        std::unique_ptr<KivInternationalString> psSortField;
        std::unique_ptr<KivSpecification> psElementSpec;
        std::unique_ptr<KivSortAttributes> psSortAttributes;
    } uSortKey;
};

struct KivSortDbSpecific {
    KivInternationalString sDatabaseName;
    KivSortKey sDbSort;
};

struct KivSortElement {
    int32_t eSortElementType{};
    struct {
        std::unique_ptr<KivSortKey> psGeneric;
        KivArray<KivSortDbSpecific> ppsDbSpecific;
    } uSortElement;
};

// psConstant is set for SMT_Constant.
struct KivMVAction {
    int32_t eMVActionType{};
    std::unique_ptr<KivOctets> psConstant;
};

struct KivSortKeySpec {
    KivSortElement sSortElement;
    int32_t eSortRelationType{};
    int32_t eSortCaseType{};
    std::unique_ptr<KivMVAction> psMVActionType;
};

struct KivSortReq {
    std::unique_ptr<KivOctets> psReferenceId;
    KivArray<KivInternationalString> ppsInputResultSetName;
    KivInternationalString sSortedResultSetName;
    KivArray<KivSortKeySpec> ppsSortSequence;
    KivArray<KivOtherInformation> ppsOtherInformation;
};

struct KivSortRsp {
    std::unique_ptr<KivOctets> psReferenceId;
    int32_t eSortStatus{};
    std::optional<int32_t> peResultSetStatus;
    KivArray<KivDiagRec> ppsDiagnostics;
    KivArray<KivOtherInformation> ppsOtherInformation;
};
