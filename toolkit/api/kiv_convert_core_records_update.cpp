// The Update extended-services package: the request with its supplied records, and the task package that
// reports the update per record.

#include "toolkit/api/kiv_convert_basic.h"
#include "toolkit/api/kiv_convert_core_records.h"
#include "toolkit/api/kiv_convert_core_records_fields.h"
#include "toolkit/api/kiv_convert_external.h"
#include "toolkit/api/kiv_convert_external_content_types.h"
#include "toolkit/api/kiv_convert_records.h"
#include "toolkit/codec/records/records_f.h"

using codec::records::CorrelationInfo;
using codec::records::RecordOrSurDiag;
using codec::records::SupplementalId;
using codec::records::SuppliedRecord;
using codec::records::SuppliedRecordId;
using codec::records::TaskPackageRecordStructure;
using codec::records::Update;
using codec::records::UpdateEsRequest;
using codec::records::UpdateOriginPartToKeep;
using codec::records::UpdateTargetPart;
using codec::records::UpdateTaskPackage;
using codec::z3950::DiagRec;

namespace {

// ---- Towards the codec ----

void originPartToCodec(UpdateOriginPartToKeep* dst, const KivUpdateOriginPartToKeep* src) {
    dst->action = kivEnumToCodec(src->eAction, UA_RecordInsert, UA_ElementUpdate);
    KivInternationalStringToCodec(&dst->databaseName, &src->sDatabaseName);
    KivOptionalOidToCodec(&dst->schema, src->pcSchema);
    kivOptionalTextToCodec(&dst->elementSetName, src->psElementSetName);
}

void correlationInfoToCodec(CorrelationInfo* dst, const KivCorrelationInfo* src) {
    kivOptionalTextToCodec(&dst->note, src->psNote);
    KivOptionalIntegerToCodec(&dst->id, &src->pulId);
}

void recordIdToCodec(SuppliedRecordId* dst, const KivUpdtRecordId* src) {
    const auto& member = src->uUpdtRecordId;
    switch (src->eRecordIdType) {
        case URIT_Number:
            dst->choiceId = SuppliedRecordId::kNumber;
            dst->number = static_cast<BerInteger>(member.ulNumber);
            break;
        case URIT_String:
            dst->choiceId = SuppliedRecordId::kString;
            KivNewInternationalStringToCodec(&dst->string, member.psString.get());
            break;
        case URIT_Opaque:
            dst->choiceId = SuppliedRecordId::kOpaque;
            KivNewOctetsToCodec(&dst->opaque, member.psOpaque.get());
            break;
        default:
            break;
    }
}

void supplementalIdToCodec(SupplementalId* dst, const KivUpdtSupplementalId* src) {
    const auto& member = src->uUpdtSupplementalId;
    switch (src->eSupplementalIdType) {
        case USIT_Time:
            dst->choiceId = SupplementalId::kTimeStamp;
            dst->timeStamp = kivNewCodecRecord<BerOctets>();
            kivTimeToCodec(dst->timeStamp, member.pcTime);
            break;
        case USIT_Version:
            dst->choiceId = SupplementalId::kVersionNumber;
            KivNewInternationalStringToCodec(&dst->versionNumber, member.psVersion.get());
            break;
        case USIT_PreviousVersion:
            dst->choiceId = SupplementalId::kPreviousVersion;
            KivOptionalExternalToCodec(&dst->previousVersion, member.psPreviousVersion.get());
            break;
        default:
            break;
    }
}

void suppliedRecordToCodec(SuppliedRecord* dst, const KivSuppliedRecord* src) {
    kivNewToCodec(&dst->recordId, src->psUpdtRecordId.get(), recordIdToCodec);
    kivNewToCodec(&dst->supplementalId, src->psUpdtSupplementalId.get(), supplementalIdToCodec);
    kivNewToCodec(&dst->correlationInfo, src->psCorrelationInfo.get(), correlationInfoToCodec);
    KivNewExternalToCodec(&dst->record, &src->sRecord);
}

void recordOrDiagToCodec(RecordOrSurDiag* dst, const KivUpdtRecordOrDiag* src) {
    const auto& member = src->uUpdtRecordOrDiag;
    switch (src->eUpdtRecordOrDiag) {
        case URDT_Record:
            dst->choiceId = RecordOrSurDiag::kRecord;
            KivOptionalExternalToCodec(&dst->record, member.psRecord.get());
            break;
        case URDT_Diagnostic:
            dst->choiceId = RecordOrSurDiag::kDiagnostic;
            KivOptionalDiagRecToCodec(&dst->diagnostic, member.psDiagnostic.get());
            break;
        default:
            break;
    }
}

void taskPackageRecordToCodec(TaskPackageRecordStructure* dst, const KivTaskPackageRecord* src) {
    kivNewToCodec(&dst->recordOrSurDiag, src->psUpdtRecordOrDiag.get(), recordOrDiagToCodec);
    kivNewToCodec(&dst->correlationInfo, src->psCorrelationInfo.get(), correlationInfoToCodec);
    dst->recordStatus = kivEnumToCodec(src->eUpdtRecordStatus, URST_Success, URST_Failure);
}

void targetPartToCodec(UpdateTargetPart* dst, const KivUpdateTargetPart* src) {
    dst->updateStatus = kivEnumToCodec(src->eTaskStatus, UTS_Success, UTS_Failure);
    kivArrayToCodec<DiagRec>(&dst->globalDiagnostics, src->ppsGlobalDiagnostics, KivDiagRecToCodec);
    kivCodecListFrom<TaskPackageRecordStructure>(
        &dst->taskPackageRecords, src->ppsTaskPackageRecord,
        [](TaskPackageRecordStructure* element, const KivTaskPackageRecord& item) {
            taskPackageRecordToCodec(element, &item);
        });
}

void requestToCodec(UpdateEsRequest* dst, const KivUpdateRequest* src) {
    kivNewToCodec(&dst->toKeep, &src->sOriginPartToKeep, originPartToCodec);
    kivCodecListFrom<SuppliedRecord>(&dst->notToKeep, src->ppsSuppliedRecord,
                                     [](SuppliedRecord* element, const KivSuppliedRecord& item) {
                                         suppliedRecordToCodec(element, &item);
                                     });
}

void responseToCodec(UpdateTaskPackage* dst, const KivUpdateResponse* src) {
    kivNewToCodec(&dst->originPart, &src->sOriginPartToKeep, originPartToCodec);
    kivNewToCodec(&dst->targetPart, &src->sTargetPart, targetPartToCodec);
}

// ---- From the codec ----

void originPartFromCodec(KivUpdateOriginPartToKeep* dst, const UpdateOriginPartToKeep* src) {
    dst->eAction = kivEnumFromCodec(src->action, UA_RecordInsert, UA_ElementUpdate);
    KivInternationalStringFromCodec(&dst->sDatabaseName, &src->databaseName);
    KivOptionalOidFromCodec(&dst->pcSchema, &src->schema);
    kivOptionalTextFromCodec(&dst->psElementSetName, src->elementSetName);
}

void correlationInfoFromCodec(KivCorrelationInfo* dst, const CorrelationInfo* src) {
    kivOptionalTextFromCodec(&dst->psNote, src->note);
    KivOptionalIntegerFromCodec(&dst->pulId, src->id);
}

void recordIdFromCodec(KivUpdtRecordId* dst, const SuppliedRecordId* src) {
    auto& member = dst->uUpdtRecordId;
    switch (src->choiceId) {
        case SuppliedRecordId::kNumber:
            dst->eRecordIdType = URIT_Number;
            member.ulNumber = static_cast<uint32_t>(src->number);
            break;
        case SuppliedRecordId::kString:
            dst->eRecordIdType = URIT_String;
            if (src->string != nullptr) KivNewInternationalStringFromCodec(&member.psString, src->string);
            break;
        case SuppliedRecordId::kOpaque:
            dst->eRecordIdType = URIT_Opaque;
            if (src->opaque != nullptr) KivNewOctetsFromCodec(&member.psOpaque, src->opaque);
            break;
        default:
            break;
    }
}

void supplementalIdFromCodec(KivUpdtSupplementalId* dst, const SupplementalId* src) {
    auto& member = dst->uUpdtSupplementalId;
    switch (src->choiceId) {
        case SupplementalId::kTimeStamp:
            dst->eSupplementalIdType = USIT_Time;
            if (src->timeStamp != nullptr) kivTimeFromCodec(&member.pcTime, *src->timeStamp);
            break;
        case SupplementalId::kVersionNumber:
            dst->eSupplementalIdType = USIT_Version;
            if (src->versionNumber != nullptr)
                KivNewInternationalStringFromCodec(&member.psVersion, src->versionNumber);
            break;
        case SupplementalId::kPreviousVersion:
            dst->eSupplementalIdType = USIT_PreviousVersion;
            KivOptionalExternalFromCodec(&member.psPreviousVersion, src->previousVersion);
            break;
        default:
            break;
    }
}

void suppliedRecordFromCodec(KivSuppliedRecord* dst, const SuppliedRecord* src) {
    kivNewFromCodec(&dst->psUpdtRecordId, src->recordId, recordIdFromCodec);
    kivNewFromCodec(&dst->psUpdtSupplementalId, src->supplementalId, supplementalIdFromCodec);
    kivNewFromCodec(&dst->psCorrelationInfo, src->correlationInfo, correlationInfoFromCodec);
    if (src->record != nullptr) KivExternalFromCodec(&dst->sRecord, src->record);
}

void recordOrDiagFromCodec(KivUpdtRecordOrDiag* dst, const RecordOrSurDiag* src) {
    auto& member = dst->uUpdtRecordOrDiag;
    switch (src->choiceId) {
        case RecordOrSurDiag::kRecord:
            dst->eUpdtRecordOrDiag = URDT_Record;
            KivOptionalExternalFromCodec(&member.psRecord, src->record);
            break;
        case RecordOrSurDiag::kDiagnostic:
            dst->eUpdtRecordOrDiag = URDT_Diagnostic;
            KivOptionalDiagRecFromCodec(&member.psDiagnostic, src->diagnostic);
            break;
        default:
            break;
    }
}

void taskPackageRecordFromCodec(KivTaskPackageRecord* dst, const TaskPackageRecordStructure* src) {
    kivNewFromCodec(&dst->psUpdtRecordOrDiag, src->recordOrSurDiag, recordOrDiagFromCodec);
    kivNewFromCodec(&dst->psCorrelationInfo, src->correlationInfo, correlationInfoFromCodec);
    dst->eUpdtRecordStatus = kivEnumFromCodec(src->recordStatus, URST_Success, URST_Failure);
}

void targetPartFromCodec(KivUpdateTargetPart* dst, const UpdateTargetPart* src) {
    dst->eTaskStatus = kivEnumFromCodec(src->updateStatus, UTS_Success, UTS_Failure);
    kivArrayFromCodec<DiagRec>(&dst->ppsGlobalDiagnostics, src->globalDiagnostics, KivDiagRecFromCodec);
    kivArrayFromCodec<TaskPackageRecordStructure>(&dst->ppsTaskPackageRecord, src->taskPackageRecords,
                                                  taskPackageRecordFromCodec);
}

void requestFromCodec(KivUpdateRequest* dst, const UpdateEsRequest* src) {
    if (src->toKeep != nullptr) originPartFromCodec(&dst->sOriginPartToKeep, src->toKeep);
    kivArrayFromCodec<SuppliedRecord>(&dst->ppsSuppliedRecord, src->notToKeep, suppliedRecordFromCodec);
}

void responseFromCodec(KivUpdateResponse* dst, const UpdateTaskPackage* src) {
    if (src->originPart != nullptr) originPartFromCodec(&dst->sOriginPartToKeep, src->originPart);
    if (src->targetPart != nullptr) targetPartFromCodec(&dst->sTargetPart, src->targetPart);
}

}  // namespace

void KivUpdateExtendedServiceToCodec(BerAny* dst, const KivSingleASN1Type* src) {
    const KivUpdateExtendedService* package = src->uASN1.psUpdateExtendedService.get();
    if (package == nullptr) return;
    auto* value = kivNewContentValue<Update>(dst);
    const auto& member = package->uUpdateReqOrRsp;
    switch (package->eUpdateReqRsp) {
        case UROR_Request:
            value->choiceId = Update::kEsRequest;
            kivNewToCodec(&value->esRequest, member.psUpdateRequest.get(), requestToCodec);
            break;
        case UROR_Response:
            value->choiceId = Update::kTaskPackage;
            kivNewToCodec(&value->taskPackage, member.psUpdateResponse.get(), responseToCodec);
            break;
        default:
            break;
    }
}

void KivUpdateExtendedServiceFromCodec(KivSingleASN1Type* dst, const BerAny* src) {
    dst->eASN1Type = AT_UpdateExtendedService;
    kivFromCodec([&] { dst->uASN1.psUpdateExtendedService = std::make_unique<KivUpdateExtendedService>(); });
    KivUpdateExtendedService* package = dst->uASN1.psUpdateExtendedService.get();
    const Update& value = kivContentValue<Update>(src);
    switch (value.choiceId) {
        case Update::kEsRequest:
            package->eUpdateReqRsp = UROR_Request;
            kivNewFromCodec(&package->uUpdateReqOrRsp.psUpdateRequest, value.esRequest, requestFromCodec);
            break;
        case Update::kTaskPackage:
            package->eUpdateReqRsp = UROR_Response;
            kivNewFromCodec(&package->uUpdateReqOrRsp.psUpdateResponse, value.taskPackage, responseFromCodec);
            break;
        default:
            break;
    }
}
