#pragma once
// Present request and response, and the Segment request that carries part of a present response.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "toolkit/api/kiv_basic_types.h"
#include "toolkit/api/kiv_other_information.h"
#include "toolkit/api/kiv_range.h"
#include "toolkit/api/kiv_record_composition.h"
#include "toolkit/api/kiv_records.h"

enum KivPresentStatus : int32_t {
    PS_Success = 0,
    PS_Partial_1 = 1,
    PS_Partial_2 = 2,
    PS_Partial_3 = 3,
    PS_Partial_4 = 4,
    PS_Failure = 5,
    PS_Invalid = -1,
};

struct KivPresentReq {
    std::unique_ptr<KivOctets> psReferenceId;
    KivInternationalString sResultSetId;
    uint32_t ulResultSetStartPoint{};
    uint32_t ulNumberOfRecordsRequested{};
    KivArray<KivRange> ppsAdditionalRanges;
    std::unique_ptr<KivRecordComposition> psRecordComposition;
    std::optional<std::string> pcPreferredRecordSyntax;
    std::optional<uint32_t> pulMaxSegmentCount;
    std::optional<uint32_t> pulMaxRecordSize;
    std::optional<uint32_t> pulMaxSegmentSize;
    KivArray<KivOtherInformation> ppsOtherInformation;
};

struct KivPresentRsp {
    std::unique_ptr<KivOctets> psReferenceId;
    uint32_t ulNumberOfRecordsReturned{};
    uint32_t ulNextResultSetPosition{};
    int32_t ePresentStatus{};
    std::unique_ptr<KivRecords> psRecords;
    KivArray<KivOtherInformation> ppsOtherInformation;
};

struct KivSegmentReq {
    std::unique_ptr<KivOctets> psReferenceId;
    uint32_t ulNumberOfRecordsReturned{};
    KivArray<KivResponseRecord> ppsSegmentRecords;
    KivArray<KivOtherInformation> ppsOtherInformation;
};
