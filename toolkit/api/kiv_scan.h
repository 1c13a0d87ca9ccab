#pragma once
// Scan request and response with the term list entries.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "toolkit/api/kiv_attributes.h"
#include "toolkit/api/kiv_basic_types.h"
#include "toolkit/api/kiv_diagnostics.h"
#include "toolkit/api/kiv_other_information.h"

enum KivScanStatus : int32_t {
    SCS_Success = 0,
    SCS_Partial_1 = 1,
    SCS_Partial_2 = 2,
    SCS_Partial_3 = 3,
    SCS_Partial_4 = 4,
    SCS_Partial_5 = 5,
    SCS_Failure = 6,
    SCS_Invalid = -1,
};

enum : int32_t {
    ET_TermInfo = 1,
    ET_SurrogateDiagnostic = 2,
};

enum : int32_t {
    OT_Global = 1,
    OT_ByDatabase = 2,
};

struct KivOccurrenceByDb {
    KivInternationalString sDatabaseName;
    std::optional<uint32_t> pulNumber;
    KivArray<KivOtherInformation> ppsOtherInformation;
};

struct KivOccurrence {
    int32_t eOccurrenceType{};
    struct {
        uint32_t ulGlobal{};
        KivArray<KivOccurrenceByDb> ppsOccurrenceByDb;
    } uOccurrence;
};

struct KivOccurrenceByAttributes {
    KivArray<KivAttributeElement> ppsAttributeElement;
    std::unique_ptr<KivOccurrence> psOccurrence;
    KivArray<KivOtherInformation> ppsOtherInformation;
};

struct KivTermInfo {
    KivTerm sTerm;
    std::unique_ptr<KivInternationalString> psDisplayTerm;
    KivArray<KivAttributeElement> ppsSuggestedAttribute;
    KivArray<KivAttributesPlusTerm> ppsAlternativeTerm;
    std::optional<uint32_t> pulGlobalOccurrences;
    KivArray<KivOccurrenceByAttributes> ppsByAttributes;
    KivArray<KivOtherInformation> ppsOtherInformation;
};

struct KivEntry {
    int32_t eEntryType{};
    struct {
        std::unique_ptr<KivTermInfo> psTermInfo;
        std::unique_ptr<KivDiagRec> psSurrogateDiagnostic;
    } uEntry;
};

struct KivListEntries {
    KivArray<KivEntry> ppsEntry;
    KivArray<KivDiagRec> ppsNonSurrogateDiagnostics;
};

struct KivScanReq {
    std::unique_ptr<KivOctets> psReferenceId;
    KivArray<KivInternationalString> ppsDatabaseNames;
    std::optional<std::string> pcAttributeSetId;
    KivAttributesPlusTerm sAttributesPlusTerm;
    std::optional<uint32_t> pulStepSize;
    uint32_t ulNumberOfTermsRequested{};
    std::optional<uint32_t> pulPreferredPositionInResponse;
    KivArray<KivOtherInformation> ppsOtherInformation;
};

struct KivScanRsp {
    std::unique_ptr<KivOctets> psReferenceId;
    std::optional<uint32_t> pulStepSize;
    int32_t eScanStatus{};
    uint32_t ulNumberOfEntriesReturned{};
    std::optional<uint32_t> pulPositionOfTerm;
    std::unique_ptr<KivListEntries> psEntries;
    std::optional<std::string> pcAttributeSetId;
    KivArray<KivOtherInformation> ppsOtherInformation;
};
