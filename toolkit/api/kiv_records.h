#pragma once
// The records part of Search, Present and Segment: response records or non-surrogate diagnostics.

#include <cstdint>
#include <memory>

#include "toolkit/api/kiv_basic_types.h"
#include "toolkit/api/kiv_diagnostics.h"
#include "toolkit/api/kiv_external.h"

enum : int32_t {
    RT_Response = 1,
    RT_NonSurrDiagnostics = 2,
    RT_MultipleNonSurrDiagnostics = 3,
};

enum : int32_t {
    DRT_Retrieval = 1,
    DRT_SurrogateDiagnostics = 2,
    DRT_StartingFragment = 3,
    DRT_IntermediateFragment = 4,
    DRT_FinalFragment = 5,
};

enum : int32_t {
    FST_ExternallyTagged = 1,
    FST_NotExternallyTagged = 2,
};

struct KivFragmentSyntax {
    int32_t eFragmentSyntaxType{};
    struct {
        std::unique_ptr<KivExternal> psExternallyTagged;
        std::unique_ptr<KivOctets> psNotExternallyTagged;
    } uFragmentSyntax;
};

struct KivResponseRecord {
    std::unique_ptr<KivInternationalString> psDatabaseName;
    int32_t eDbRecordType{};
    struct {
        std::unique_ptr<KivExternal> psRetrievalRecord;
        std::unique_ptr<KivDiagRec> psSurrogateDiagnostic;
        std::unique_ptr<KivFragmentSyntax> psStartingFragment;
        std::unique_ptr<KivFragmentSyntax> psIntermediateFragment;
        std::unique_ptr<KivFragmentSyntax> psFinalFragment;
    } uDbRecord;
};

struct KivRecords {
    int32_t eRecordType{};
    struct {
        KivArray<KivResponseRecord> ppsResponseRecord;
        std::unique_ptr<KivDefaultDiagFormat> psNonSurrogateDiag;
        KivArray<KivDiagRec> ppsMultipleNonSurrogateDiag;
    } uRecord;
};
