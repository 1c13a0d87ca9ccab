// The extended-services task package, with the permissions it carries.

#include "toolkit/api/kiv_convert_attributes.h"
#include "toolkit/api/kiv_convert_basic.h"
#include "toolkit/api/kiv_convert_core_records.h"
#include "toolkit/api/kiv_convert_core_records_fields.h"
#include "toolkit/api/kiv_convert_external.h"
#include "toolkit/api/kiv_convert_external_content_types.h"
#include "toolkit/api/kiv_convert_records.h"
#include "toolkit/codec/records/records_d.h"
#include "toolkit/codec/z3950/apdu_two.h"

using codec::records::TaskPackage;
using codec::records::TaskPackageChoice;
using codec::z3950::DiagRec;
using codec::z3950::PermissionsItem;

namespace {

void permissionsItemToCodec(PermissionsItem* dst, const KivPermissions* src) {
    KivInternationalStringToCodec(&dst->userId, &src->sUserId);
    kivCodecListFrom<BerInteger>(&dst->allowableFunctions, src->ppeAllowableFunctions,
                                 [](BerInteger* element, const int32_t& item) {
                                     *element = kivEnumToCodec(item, PAF_Delete, PAF_Invoke);
                                 });
}

void permissionsItemFromCodec(KivPermissions* dst, const PermissionsItem* src) {
    KivInternationalStringFromCodec(&dst->sUserId, &src->userId);
    kivFromCodec([&] {
        dst->ppeAllowableFunctions = KivArray<int32_t>::emptyArray();
        kivForEachCodecListValue<BerInteger>(src->allowableFunctions, [&](const BerInteger& value) {
            dst->ppeAllowableFunctions.emplace(kivEnumFromCodec(value, PAF_Delete, PAF_Invoke));
        });
    });
}

void taskPackageToCodec(TaskPackage* dst, const KivEsTaskPackage* src) {
    KivOptionalOidToCodec(&dst->packageType, src->pcPackageType);
    kivOptionalTextToCodec(&dst->packageName, src->psPackageName);
    kivOptionalTextToCodec(&dst->userId, src->psUserId);
    KivOptionalIntUnitToCodec(&dst->retentionTime, src->psRetentionTime.get());
    KivPermissionsToCodec(&dst->permissions, &src->ppsPermissions);
    kivOptionalTextToCodec(&dst->description, src->psDescription);
    KivOptionalOctetsToCodec(&dst->targetReference, src->psTargetReference.get());
    kivTimeToCodec(&dst->creationDateTime, src->pcCreationDateTime);
    // taskStatus counts from 0 (pending) where the structure counts from 1.
    const int32_t status = src->eExtServicesTaskStatus;
    dst->taskStatus = status >= ESTS_Pending && status <= ESTS_Aborted ? status - ESTS_Pending : 0;
    kivArrayToCodec<DiagRec>(&dst->packageDiagnostics, src->ppsPackageDiagnostics, KivDiagRecToCodec);
    KivNewExternalToCodec(&dst->taskSpecificParameters, &src->sTaskSpecificParameters);
}

void taskPackageFromCodec(KivEsTaskPackage* dst, const TaskPackage* src) {
    KivOidFromCodec(&dst->pcPackageType, &src->packageType);
    kivOptionalTextFromCodec(&dst->psPackageName, src->packageName);
    kivOptionalTextFromCodec(&dst->psUserId, src->userId);
    KivOptionalIntUnitFromCodec(&dst->psRetentionTime, src->retentionTime);
    KivPermissionsFromCodec(&dst->ppsPermissions, src->permissions);
    kivOptionalTextFromCodec(&dst->psDescription, src->description);
    KivOptionalOctetsFromCodec(&dst->psTargetReference, &src->targetReference);
    kivTimeFromCodec(&dst->pcCreationDateTime, src->creationDateTime);
    const BerInteger status = src->taskStatus;
    dst->eExtServicesTaskStatus =
        status >= 0 && status <= ESTS_Aborted - ESTS_Pending ? status + ESTS_Pending : ESTS_Invalid;
    kivArrayFromCodec<DiagRec>(&dst->ppsPackageDiagnostics, src->packageDiagnostics, KivDiagRecFromCodec);
    if (src->taskSpecificParameters != nullptr) {
        KivExternalFromCodec(&dst->sTaskSpecificParameters, src->taskSpecificParameters);
    }
}

}  // namespace

void KivPermissionsToCodec(BerList** dst, const KivArray<KivPermissions>* src) {
    kivArrayToCodec<PermissionsItem>(dst, *src, permissionsItemToCodec);
}

void KivPermissionsFromCodec(KivArray<KivPermissions>* dst, const BerList* src) {
    kivArrayFromCodec<PermissionsItem>(dst, src, permissionsItemFromCodec);
}

void KivEsTaskPackageToCodec(BerAny* dst, const KivSingleASN1Type* src) {
    const KivEsTaskPackage* package = src->uASN1.psEsTaskPackage.get();
    if (package == nullptr) return;
    auto* choice = kivNewContentValue<TaskPackageChoice>(dst);
    choice->choiceId = TaskPackageChoice::kTaskPackage;
    kivNewToCodec(&choice->taskPackage, package, taskPackageToCodec);
}

void KivEsTaskPackageFromCodec(KivSingleASN1Type* dst, const BerAny* src) {
    dst->eASN1Type = AT_EsTaskPackage;
    kivFromCodec([&] { dst->uASN1.psEsTaskPackage = std::make_unique<KivEsTaskPackage>(); });
    const TaskPackage* package = kivContentValue<TaskPackageChoice>(src).taskPackage;
    if (package != nullptr) taskPackageFromCodec(dst->uASN1.psEsTaskPackage.get(), package);
}
