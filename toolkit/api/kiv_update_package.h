#pragma once
// The Update extended-services package: request and task-package response.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "toolkit/api/kiv_basic_types.h"
#include "toolkit/api/kiv_diagnostics.h"
#include "toolkit/api/kiv_external.h"

enum : int32_t {
    UROR_Request = 1,
    UROR_Response = 2,
};

enum : int32_t {
    UA_RecordInsert = 1,
    UA_RecordReplace = 2,
    UA_RecordDelete = 3,
    UA_ElementUpdate = 4,
    UA_Invalid = -1,
};

enum : int32_t {
    URIT_Number = 1,
    URIT_String = 2,
    URIT_Opaque = 3,
};

enum : int32_t {
    USIT_Time = 1,
    USIT_Version = 2,
    USIT_PreviousVersion = 3,
};

enum : int32_t {
    UTS_Success = 1,
    UTS_Partial = 2,
    UTS_Failure = 3,
    UTS_Invalid = -1,
};

enum : int32_t {
    URST_Success = 1,
    URST_Queued = 2,
    URST_InProcess = 3,
    URST_Failure = 4,
    URST_Invalid = -1,
};

enum : int32_t {
    URDT_Record = 1,
    URDT_Diagnostic = 2,
};

struct KivUpdateOriginPartToKeep {
    int32_t eAction{};
    KivInternationalString sDatabaseName;
    std::optional<std::string> pcSchema;
    std::unique_ptr<KivInternationalString> psElementSetName;
};

struct KivUpdtRecordId {
    int32_t eRecordIdType{};
    struct {
        uint32_t ulNumber{};
        std::unique_ptr<KivInternationalString> psString;
        std::unique_ptr<KivOctets> psOpaque;
    } uUpdtRecordId;
};

struct KivUpdtSupplementalId {
    int32_t eSupplementalIdType{};
    struct {
        std::optional<std::string> pcTime;
        std::unique_ptr<KivInternationalString> psVersion;
        std::unique_ptr<KivExternal> psPreviousVersion;
    } uUpdtSupplementalId;
};

struct KivCorrelationInfo {
    std::unique_ptr<KivInternationalString> psNote;
    std::optional<uint32_t> pulId;
};

struct KivSuppliedRecord {
    std::unique_ptr<KivUpdtRecordId> psUpdtRecordId;
    std::unique_ptr<KivUpdtSupplementalId> psUpdtSupplementalId;
    std::unique_ptr<KivCorrelationInfo> psCorrelationInfo;
    KivExternal sRecord;
};

struct KivUpdtRecordOrDiag {
    int32_t eUpdtRecordOrDiag{};
    struct {
        std::unique_ptr<KivExternal> psRecord;
        std::unique_ptr<KivDiagRec> psDiagnostic;
    } uUpdtRecordOrDiag;
};

struct KivTaskPackageRecord {
    std::unique_ptr<KivUpdtRecordOrDiag> psUpdtRecordOrDiag;
    std::unique_ptr<KivCorrelationInfo> psCorrelationInfo;
    int32_t eUpdtRecordStatus{};
};

struct KivUpdateTargetPart {
    int32_t eTaskStatus{};
    KivArray<KivDiagRec> ppsGlobalDiagnostics;
    KivArray<KivTaskPackageRecord> ppsTaskPackageRecord;
};

struct KivUpdateRequest {
    KivUpdateOriginPartToKeep sOriginPartToKeep;
    KivArray<KivSuppliedRecord> ppsSuppliedRecord;
};

struct KivUpdateResponse {
    KivUpdateOriginPartToKeep sOriginPartToKeep;
    KivUpdateTargetPart sTargetPart;
};

struct KivUpdateExtendedService {
    int32_t eUpdateReqRsp{};
    struct {
        std::unique_ptr<KivUpdateRequest> psUpdateRequest;
        std::unique_ptr<KivUpdateResponse> psUpdateResponse;
    } uUpdateReqOrRsp;
};
