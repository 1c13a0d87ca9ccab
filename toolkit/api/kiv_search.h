#pragma once
// Search request and response.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "toolkit/api/kiv_basic_types.h"
#include "toolkit/api/kiv_other_information.h"
#include "toolkit/api/kiv_present.h"
#include "toolkit/api/kiv_query.h"
#include "toolkit/api/kiv_record_composition.h"
#include "toolkit/api/kiv_records.h"

enum KivResultSetStatus : int32_t {
    RSS_Subset = 1,
    RSS_Interim = 2,
    RSS_None = 3,
    RSS_Invalid = -1,
};

struct KivSearchReq {
    std::unique_ptr<KivOctets> psReferenceId;
    uint32_t ulSmallSetUpperBound{};
    uint32_t ulLargeSetLowerBound{};
    uint32_t ulMediumSetPresentNumber{};
    uint32_t fReplaceIndicator{};
    KivInternationalString sResultSetName;
    KivArray<KivInternationalString> ppsDatabaseNames;
    std::unique_ptr<KivElementSetNames> psSmallSetElementNames;
    std::unique_ptr<KivElementSetNames> psMediumSetElementNames;
    std::optional<std::string> pcPreferredRecordSyntax;
    std::unique_ptr<KivQuery> psQuery;
    KivArray<KivOtherInformation> ppsAdditionalSearchInfo;
    KivArray<KivOtherInformation> ppsOtherInformation;
};

// pePresentStatus takes the values of KivPresentStatus.
struct KivSearchRsp {
    std::unique_ptr<KivOctets> psReferenceId;
    uint32_t ulResultCount{};
    uint32_t ulNumberOfRecordsReturned{};
    uint32_t ulNextResultSetPosition{};
    uint32_t fSearchStatus{};
    std::optional<int32_t> peResultSetStatus;
    std::optional<int32_t> pePresentStatus;
    std::unique_ptr<KivRecords> psRecords;
    KivArray<KivOtherInformation> ppsAdditionalSearchInfo;
    KivArray<KivOtherInformation> ppsOtherInformation;
};
