// The Update extended-services package: request with supplied records, or task-package response.

#include "toolkit/api/kiv_check_core_records.h"
#include "toolkit/api/kiv_check_encoded_oid.h"
#include "toolkit/api/kiv_check_external.h"
#include "toolkit/api/kiv_check_external_fields.h"
#include "toolkit/api/kiv_check_records.h"

namespace {

int checkOriginPart(KivAssocId assoc, const KivUpdateOriginPartToKeep* part, const std::string& path,
                    SIError** out) {
    if (kivCheckRange(assoc, part->eAction, UA_RecordInsert, UA_ElementUpdate, path, "eAction", out) != 0)
        return 1;
    return KivCheckOptionalEncodedOid(assoc, part->pcSchema, kivFieldPath(path, "pcSchema"), out);
}

int checkRecordId(KivAssocId assoc, const KivUpdtRecordId* id, const std::string& path, SIError** out) {
    const auto& member = id->uUpdtRecordId;
    switch (id->eRecordIdType) {
        case URIT_Number:
            return 0;
        case URIT_String:
            if (!member.psString)
                return KivReportMissingField(assoc, kivFieldPath(path, "uUpdtRecordId.psString"), out);
            return 0;
        case URIT_Opaque:
            if (!member.psOpaque)
                return KivReportMissingField(assoc, kivFieldPath(path, "uUpdtRecordId.psOpaque"), out);
            return 0;
        default:
            return KivReportValueOutOfRange(assoc, kivFieldPath(path, "eRecordIdType"), out);
    }
}

int checkSupplementalId(KivAssocId assoc, const KivUpdtSupplementalId* id, const std::string& path,
                        SIError** out) {
    const auto& member = id->uUpdtSupplementalId;
    switch (id->eSupplementalIdType) {
        case USIT_Time:
            if (!member.pcTime)
                return KivReportMissingField(assoc, kivFieldPath(path, "uUpdtSupplementalId.pcTime"), out);
            return 0;
        case USIT_Version:
            if (!member.psVersion) {
                return KivReportMissingField(assoc, kivFieldPath(path, "uUpdtSupplementalId.psVersion"), out);
            }
            return 0;
        case USIT_PreviousVersion:
            return kivCheckMember(assoc, member.psPreviousVersion.get(), path,
                                  "uUpdtSupplementalId.psPreviousVersion", "->", out, KivCheckExternal);
        default:
            return KivReportValueOutOfRange(assoc, kivFieldPath(path, "eSupplementalIdType"), out);
    }
}

int checkSuppliedRecord(KivAssocId assoc, const KivSuppliedRecord* record, const std::string& path,
                        SIError** out) {
    if (record->psUpdtRecordId && checkRecordId(assoc, record->psUpdtRecordId.get(),
                                                kivFieldPath(path, "psUpdtRecordId->"), out) != 0) {
        return 1;
    }
    if (record->psUpdtSupplementalId &&
        checkSupplementalId(assoc, record->psUpdtSupplementalId.get(),
                            kivFieldPath(path, "psUpdtSupplementalId->"), out) != 0) {
        return 1;
    }
    return KivCheckExternal(assoc, &record->sRecord, kivFieldPath(path, "sRecord."), out);
}

int checkRecordOrDiag(KivAssocId assoc, const KivUpdtRecordOrDiag* value, const std::string& path,
                      SIError** out) {
    const auto& member = value->uUpdtRecordOrDiag;
    switch (value->eUpdtRecordOrDiag) {
        case URDT_Record:
            return kivCheckMember(assoc, member.psRecord.get(), path, "uUpdtRecordOrDiag.psRecord", "->", out,
                                  KivCheckExternal);
        case URDT_Diagnostic:
            return kivCheckMember(assoc, member.psDiagnostic.get(), path, "uUpdtRecordOrDiag.psDiagnostic",
                                  "->", out, KivCheckDiagRec);
        default:
            return KivReportValueOutOfRange(assoc, kivFieldPath(path, "eUpdtRecordOrDiag"), out);
    }
}

int checkTaskPackageRecord(KivAssocId assoc, const KivTaskPackageRecord* record, const std::string& path,
                           SIError** out) {
    if (record->psUpdtRecordOrDiag &&
        checkRecordOrDiag(assoc, record->psUpdtRecordOrDiag.get(), kivFieldPath(path, "psUpdtRecordOrDiag->"),
                          out) != 0) {
        return 1;
    }
    return kivCheckRange(assoc, record->eUpdtRecordStatus, URST_Success, URST_Failure, path,
                         "eUpdtRecordStatus", out);
}

int checkTargetPart(KivAssocId assoc, const KivUpdateTargetPart* part, const std::string& path,
                    SIError** out) {
    if (kivCheckRange(assoc, part->eTaskStatus, UTS_Success, UTS_Failure, path, "eTaskStatus", out) != 0)
        return 1;
    if (part->ppsGlobalDiagnostics.present() &&
        KivCheckDiagRecList(assoc, &part->ppsGlobalDiagnostics, kivFieldPath(path, "ppsGlobalDiagnostics"),
                            out) != 0) {
        return 1;
    }
    return kivCheckArray(assoc, part->ppsTaskPackageRecord, path, "ppsTaskPackageRecord", out,
                         checkTaskPackageRecord);
}

int checkRequest(KivAssocId assoc, const KivUpdateRequest* request, const std::string& path, SIError** out) {
    if (checkOriginPart(assoc, &request->sOriginPartToKeep, kivFieldPath(path, "sOriginPartToKeep."), out) !=
        0) {
        return 1;
    }
    return kivCheckArray(assoc, request->ppsSuppliedRecord, path, "ppsSuppliedRecord", out,
                         checkSuppliedRecord);
}

int checkResponse(KivAssocId assoc, const KivUpdateResponse* response, const std::string& path,
                  SIError** out) {
    if (checkOriginPart(assoc, &response->sOriginPartToKeep, kivFieldPath(path, "sOriginPartToKeep."), out) !=
        0) {
        return 1;
    }
    return checkTargetPart(assoc, &response->sTargetPart, kivFieldPath(path, "sTargetPart."), out);
}

int checkUpdate(KivAssocId assoc, const KivUpdateExtendedService* package, const std::string& path,
                SIError** out) {
    const auto& member = package->uUpdateReqOrRsp;
    switch (package->eUpdateReqRsp) {
        case UROR_Request:
            return kivCheckMember(assoc, member.psUpdateRequest.get(), path,
                                  "uUpdateReqOrRsp.psUpdateRequest", "->", out, checkRequest);
        case UROR_Response:
            return kivCheckMember(assoc, member.psUpdateResponse.get(), path,
                                  "uUpdateReqOrRsp.psUpdateResponse", "->", out, checkResponse);
        default:
            return KivReportValueOutOfRange(assoc, kivFieldPath(path, "eUpdateReqRsp"), out);
    }
}

}  // namespace

int KivCheckUpdateExtendedService(KivAssocId assoc, const KivSingleASN1Type* content, const std::string& path,
                                  SIError** out) {
    return kivCheckMember(assoc, content->uASN1.psUpdateExtendedService.get(), path,
                          "uASN1.psUpdateExtendedService", "->", out, checkUpdate);
}
