#include "toolkit/trace/es_package_printers.h"

#include "toolkit/api/kiv_external.h"
#include "toolkit/trace/enum_names.h"
#include "toolkit/trace/external_printer.h"
#include "toolkit/trace/shared_printers.h"
#include "toolkit/trace/value_printers.h"

namespace {

constexpr trace::EnumName kTaskStatuses[] = {
    {ESTS_Pending, "ESTS_Pending"}, {ESTS_Active, "ESTS_Active"},   {ESTS_Complete, "ESTS_Complete"},
    {ESTS_Aborted, "ESTS_Aborted"}, {ESTS_Invalid, "ESTS_Invalid"},
};

constexpr trace::EnumName kUpdateActions[] = {
    {UA_RecordInsert, "UA_RecordInsert"}, {UA_RecordReplace, "UA_RecordReplace"},
    {UA_RecordDelete, "UA_RecordDelete"}, {UA_ElementUpdate, "UA_ElementUpdate"},
    {UA_Invalid, "UA_Invalid"},
};

constexpr trace::EnumName kUpdateTaskStatuses[] = {
    {UTS_Success, "UTS_Success"},
    {UTS_Partial, "UTS_Partial"},
    {UTS_Failure, "UTS_Failure"},
    {UTS_Invalid, "UTS_Invalid"},
};

constexpr trace::EnumName kRecordStatuses[] = {
    {URST_Success, "URST_Success"}, {URST_Queued, "URST_Queued"},   {URST_InProcess, "URST_InProcess"},
    {URST_Failure, "URST_Failure"}, {URST_Invalid, "URST_Invalid"},
};

void printOriginPart(std::FILE* file, const KivUpdateOriginPartToKeep& origin) {
    std::fputs("psOriginPartToKeep:\n", file);
    std::fputs("eAction: ", file);
    trace::printEnumName(file, origin.eAction, kUpdateActions, "unknown");
    KivPrintNamedInternationalString(file, "sDatabaseName", &origin.sDatabaseName);
    KivPrintNamedText(file, "pcSchema", origin.pcSchema);
    KivPrintNamedInternationalString(file, "psElementSetName", origin.psElementSetName.get());
}

void printRecordId(std::FILE* file, const KivUpdtRecordId& recordId) {
    std::fputs("\neRecordIdType: ", file);
    switch (recordId.eRecordIdType) {
        case URIT_Number:
            std::fputs("URIT_Number\n", file);
            std::fputs("ulNumber: ", file);
            trace::printUnsignedLine(file, recordId.uUpdtRecordId.ulNumber);
            break;
        case URIT_String:
            std::fputs("URIT_String\n", file);
            KivPrintNamedInternationalString(file, "psString", recordId.uUpdtRecordId.psString.get());
            break;
        case URIT_Opaque:
            std::fputs("URIT_Opaque\n", file);
            KivPrintNamedOctets(file, "psOpaque", recordId.uUpdtRecordId.psOpaque.get());
            break;
        default:
            std::fputs("Unknown\n", file);
            break;
    }
}

void printSupplementalId(std::FILE* file, const KivUpdtSupplementalId& supplementalId) {
    std::fputs("\neSupplementalIdType: ", file);
    switch (supplementalId.eSupplementalIdType) {
        case USIT_Time:
            std::fputs("USIT_Time\n", file);
            KivPrintNamedText(file, "pcTime", supplementalId.uUpdtSupplementalId.pcTime);
            break;
        case USIT_Version:
            std::fputs("USIT_Version\n", file);
            KivPrintNamedInternationalString(file, "psVersion",
                                             supplementalId.uUpdtSupplementalId.psVersion.get());
            break;
        case USIT_PreviousVersion:
            std::fputs("USIT_PreviousVersion\n", file);
            KivPrintExternal(file, supplementalId.uUpdtSupplementalId.psPreviousVersion.get());
            break;
        default:
            std::fputs("Unknown\n", file);
            break;
    }
}

void printCorrelationInfo(std::FILE* file, const KivCorrelationInfo* correlation) {
    if (correlation == nullptr) {
        std::fputs("NULL\n", file);
        return;
    }
    KivPrintNamedInternationalString(file, "\npsNote", correlation->psNote.get());
    std::fputs("pulId: ", file);
    trace::printOptionalUnsignedLine(file, correlation->pulId);
}

void printSuppliedRecord(std::FILE* file, const KivSuppliedRecord& supplied) {
    std::fputs("\n\npsSuppliedRecord:\n", file);
    std::fputs("psUpdtRecordId: ", file);
    if (supplied.psUpdtRecordId == nullptr) {
        std::fputs("NULL\n", file);
    } else {
        printRecordId(file, *supplied.psUpdtRecordId);
    }
    std::fputs("psUpdtSupplementalId: ", file);
    if (supplied.psUpdtSupplementalId == nullptr) {
        std::fputs("NULL\n", file);
    } else {
        printSupplementalId(file, *supplied.psUpdtSupplementalId);
    }
    std::fputs("psCorrelationInfo: ", file);
    printCorrelationInfo(file, supplied.psCorrelationInfo.get());
    std::fputs("sRecord:\n", file);
    KivPrintExternal(file, &supplied.sRecord);
}

void printTaskPackageRecord(std::FILE* file, const KivTaskPackageRecord& record) {
    std::fputs("psUpdtRecordOrDiag: ", file);
    const KivUpdtRecordOrDiag* recordOrDiag = record.psUpdtRecordOrDiag.get();
    if (recordOrDiag == nullptr) {
        std::fputs("NULL\n", file);
    } else {
        std::fputs("\neUpdtRecordOrDiag: ", file);
        switch (recordOrDiag->eUpdtRecordOrDiag) {
            case URDT_Record:
                std::fputs("URDT_Record\n", file);
                KivPrintExternal(file, recordOrDiag->uUpdtRecordOrDiag.psRecord.get());
                break;
            case URDT_Diagnostic:
                std::fputs("URDT_Diagnostic\n", file);
                KivPrintDiagRec(file, recordOrDiag->uUpdtRecordOrDiag.psDiagnostic.get());
                break;
            default:
                std::fputs("Unknown\n", file);
                break;
        }
    }
    std::fputs("psCorrelationInfo: ", file);
    printCorrelationInfo(file, record.psCorrelationInfo.get());
    std::fputs("eUpdtRecordStatus: ", file);
    trace::printEnumName(file, record.eUpdtRecordStatus, kRecordStatuses, "Unknown");
}

void printTargetPart(std::FILE* file, const KivUpdateTargetPart& target) {
    std::fputs("psTargetPart:\n", file);
    std::fputs("eTaskStatus: ", file);
    trace::printEnumName(file, target.eTaskStatus, kUpdateTaskStatuses, "Unknown");
    std::fputs("ppsGlobalDiagnostics: ", file);
    trace::printDiagRecListOrNull(file, target.ppsGlobalDiagnostics);
    std::fputs("ppsTaskPackageRecord: ", file);
    if (!target.ppsTaskPackageRecord) {
        std::fputs("NULL\n", file);
        return;
    }
    for (const KivTaskPackageRecord& record : target.ppsTaskPackageRecord) {
        std::fputs("\n", file);
        printTaskPackageRecord(file, record);
    }
    std::fputs("\n", file);
}

}  // namespace

void KivPrintEsTaskPackageContent(std::FILE* file, const KivExternal* psExternal) {
    const KivSingleASN1Type* content = trace::singleASN1Type(psExternal);
    if (content == nullptr || content->uASN1.psEsTaskPackage == nullptr) return;
    const KivEsTaskPackage& package = *content->uASN1.psEsTaskPackage;
    std::fputs("psEsTaskPackage:\n", file);
    KivPrintNamedText(file, "pcPackageType", package.pcPackageType);
    KivPrintNamedInternationalString(file, "psPackageName", package.psPackageName.get());
    KivPrintNamedInternationalString(file, "psUserId", package.psUserId.get());
    std::fputs("psRetentionTime:\n", file);
    KivPrintIntUnit(file, package.psRetentionTime.get());
    std::fputs("ppsPermissions: ", file);
    if (package.ppsPermissions) {
        KivPrintPermissionsList(file, package.ppsPermissions);
    } else {
        std::fputs("NULL\n", file);
    }
    KivPrintNamedInternationalString(file, "psDescription", package.psDescription.get());
    KivPrintNamedOctets(file, "psTargetReference", package.psTargetReference.get());
    KivPrintNamedText(file, "pcCreationDateTime", package.pcCreationDateTime);
    std::fputs("eExtServicesTaskStatus: ", file);
    trace::printEnumName(file, package.eExtServicesTaskStatus, kTaskStatuses);
    std::fputs("ppsPackageDiagnostics:\n", file);
    trace::printDiagRecListOrNull(file, package.ppsPackageDiagnostics);
    std::fputs("sTaskSpecificParameters:\n", file);
    KivPrintExternal(file, &package.sTaskSpecificParameters);
}

void KivPrintUpdateExtendedServiceContent(std::FILE* file, const KivExternal* psExternal) {
    const KivSingleASN1Type* content = trace::singleASN1Type(psExternal);
    if (content == nullptr || content->uASN1.psUpdateExtendedService == nullptr) return;
    const KivUpdateExtendedService& update = *content->uASN1.psUpdateExtendedService;
    std::fputs("psUpdateExtendedService: \n", file);
    std::fputs("eUpdateReqRsp:\n", file);
    switch (update.eUpdateReqRsp) {
        case UROR_Request: {
            std::fputs("UROR_Request\n", file);
            const KivUpdateRequest* request = update.uUpdateReqOrRsp.psUpdateRequest.get();
            if (request == nullptr) {
                std::fputs("NULL\n", file);
                break;
            }
            printOriginPart(file, request->sOriginPartToKeep);
            std::fputs("ppsSuppliedRecord:\n", file);
            for (const KivSuppliedRecord& supplied : request->ppsSuppliedRecord)
                printSuppliedRecord(file, supplied);
            std::fputs("\n", file);
            break;
        }
        case UROR_Response: {
            std::fputs("UROR_Response\n", file);
            const KivUpdateResponse* response = update.uUpdateReqOrRsp.psUpdateResponse.get();
            if (response == nullptr) {
                std::fputs("NULL\n", file);
                break;
            }
            printOriginPart(file, response->sOriginPartToKeep);
            printTargetPart(file, response->sTargetPart);
            break;
        }
        default:
            std::fputs("Unknown\n", file);
            break;
    }
}
