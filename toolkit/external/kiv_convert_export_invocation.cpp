#include "toolkit/external/kiv_convert_export_invocation.h"

#include <memory>

#include "toolkit/api/kiv_convert_attributes.h"
#include "toolkit/api/kiv_convert_basic.h"
#include "toolkit/api/kiv_convert_core_records_fields.h"
#include "toolkit/api/kiv_convert_external_content_types.h"
#include "toolkit/api/kiv_export_package.h"
#include "toolkit/external/kiv_carried_lists.h"
#include "toolkit/external/kiv_convert_export_specification.h"

namespace export_invocation_conversion {

namespace r = codec::records;

// ---- Towards the codec ----

void exportSpecToCodec(r::ExportInvocationExportSpec* dst, const KivExpInvoExportSpec* src) {
    const auto& member = src->uExpInvoOriginPartToKeepChoice;
    switch (src->eExpInvoOriginPartToKeepChoiceType) {
        case EI_PackageName:
            dst->choiceId = r::ExportInvocationExportSpec::kPackageName;
            kivNewToCodec(&dst->packageName, member.psPackageName.get(), KivInternationalStringToCodec);
            break;
        case EI_PackageSpec:
            dst->choiceId = r::ExportInvocationExportSpec::kPackageSpec;
            kivNewToCodec(&dst->packageSpec, member.psPackageSpec.get(), KivExpSpecToCodec);
            break;
        default:
            break;
    }
}

void toKeepToCodec(r::ExportInvocationOriginPartToKeep* dst, const KivExpInvoToKeep* src) {
    kivNewToCodec(&dst->exportSpec, &src->sExportSpec, exportSpecToCodec);
    dst->numberOfCopies = static_cast<BerInteger>(src->ulNumberOfCopies);
}

void rangeToCodec(r::ExportRange* dst, const KivExpInvoRange* src) {
    dst->start = static_cast<BerInteger>(src->ulstart);
    KivOptionalIntegerToCodec(&dst->count, &src->pulCount);
}

void recordsToCodec(r::ExportRecords* dst, const KivExpInvoRecords* src) {
    switch (src->eExpInvoRecordsType) {
        case RTT_All:
            dst->choiceId = r::ExportRecords::kAll;
            break;
        case RTT_Ranges:
            dst->choiceId = r::ExportRecords::kRanges;
            kivArrayToCodec<r::ExportRange>(&dst->ranges, src->uExpInvoRecords.ppsRanges, rangeToCodec);
            break;
        default:
            break;
    }
}

void notToKeepToCodec(r::ExportInvocationOriginPartNotToKeep* dst, const KivExpInvoNotToKeep* src) {
    KivInternationalStringToCodec(&dst->resultSetId, &src->sResultSetId);
    kivNewToCodec(&dst->records, &src->sRecords, recordsToCodec);
}

void targetPartToCodec(r::ExportInvocationTargetPart* dst, const KivExpInvoTargetPart* src) {
    KivOptionalIntUnitToCodec(&dst->estimatedQuantity, src->psEstimatedQuantity.get());
    KivOptionalIntUnitToCodec(&dst->quantitySoFar, src->psQuantitySoFar.get());
    KivOptionalIntUnitToCodec(&dst->estimatedCost, src->psEstimatedCost.get());
    KivOptionalIntUnitToCodec(&dst->costSoFar, src->psCostSoFar.get());
}

void requestToCodec(r::ExportInvocationEsRequest* dst, const KivExpInvoRequest* src) {
    kivNewToCodec(&dst->toKeep, &src->sToKeep, toKeepToCodec);
    kivNewToCodec(&dst->notToKeep, &src->sNotToKeep, notToKeepToCodec);
}

void exportInvocationResponseToCodec(r::ExportInvocationTaskPackage* dst, const KivExpInvoResponse* src) {
    kivNewToCodec(&dst->originPart, &src->sOriginPart, toKeepToCodec);
    kivNewToCodec(&dst->targetPart, &src->sTargetPart, targetPartToCodec);
}

// ---- From the codec ----

void exportSpecFromCodec(KivExpInvoExportSpec* dst, const r::ExportInvocationExportSpec* src) {
    auto& member = dst->uExpInvoOriginPartToKeepChoice;
    switch (src->choiceId) {
        case r::ExportInvocationExportSpec::kPackageName:
            dst->eExpInvoOriginPartToKeepChoiceType = EI_PackageName;
            kivNewFromCodec(&member.psPackageName, src->packageName, KivInternationalStringFromCodec);
            break;
        case r::ExportInvocationExportSpec::kPackageSpec:
            dst->eExpInvoOriginPartToKeepChoiceType = EI_PackageSpec;
            kivNewFromCodec(&member.psPackageSpec, src->packageSpec, KivExpSpecFromCodec);
            break;
        default:
            dst->eExpInvoOriginPartToKeepChoiceType = EI_Invalid;
            break;
    }
}

void toKeepFromCodec(KivExpInvoToKeep* dst, const r::ExportInvocationOriginPartToKeep* src) {
    if (src == nullptr) return;
    if (src->exportSpec != nullptr) exportSpecFromCodec(&dst->sExportSpec, src->exportSpec);
    dst->ulNumberOfCopies = static_cast<uint32_t>(src->numberOfCopies);
}

void rangeFromCodec(KivExpInvoRange* dst, const r::ExportRange& src) {
    dst->ulstart = static_cast<uint32_t>(src.start);
    KivOptionalIntegerFromCodec(&dst->pulCount, src.count);
}

void recordsFromCodec(KivExpInvoRecords* dst, const r::ExportRecords* src) {
    switch (src->choiceId) {
        case r::ExportRecords::kAll:
            dst->eExpInvoRecordsType = RTT_All;
            break;
        case r::ExportRecords::kRanges:
            dst->eExpInvoRecordsType = RTT_Ranges;
            KivArrayFromCodec<r::ExportRange>(&dst->uExpInvoRecords.ppsRanges, src->ranges, rangeFromCodec);
            break;
        default:
            dst->eExpInvoRecordsType = RTT_Invalid;
            break;
    }
}

void notToKeepFromCodec(KivExpInvoNotToKeep* dst, const r::ExportInvocationOriginPartNotToKeep* src) {
    if (src == nullptr) return;
    KivInternationalStringFromCodec(&dst->sResultSetId, &src->resultSetId);
    if (src->records != nullptr) recordsFromCodec(&dst->sRecords, src->records);
}

// The target part is optional in a task package: without it the four members stay absent.
void targetPartFromCodec(KivExpInvoTargetPart* dst, const r::ExportInvocationTargetPart* src) {
    if (src == nullptr) return;
    KivOptionalIntUnitFromCodec(&dst->psEstimatedQuantity, src->estimatedQuantity);
    KivOptionalIntUnitFromCodec(&dst->psQuantitySoFar, src->quantitySoFar);
    KivOptionalIntUnitFromCodec(&dst->psEstimatedCost, src->estimatedCost);
    KivOptionalIntUnitFromCodec(&dst->psCostSoFar, src->costSoFar);
}

void requestFromCodec(KivExpInvoRequest* dst, const r::ExportInvocationEsRequest* src) {
    toKeepFromCodec(&dst->sToKeep, src->toKeep);
    notToKeepFromCodec(&dst->sNotToKeep, src->notToKeep);
}

void exportInvocationResponseFromCodec(KivExpInvoResponse* dst, const r::ExportInvocationTaskPackage* src) {
    toKeepFromCodec(&dst->sOriginPart, src->originPart);
    targetPartFromCodec(&dst->sTargetPart, src->targetPart);
}

}  // namespace export_invocation_conversion

void KivExpInvoExtendedServiceToCodec(BerAny* dst, const KivSingleASN1Type* src) {
    using namespace export_invocation_conversion;
    const KivExpInvoExtendedService* package = src->uASN1.psExpInvoExtendedService.get();
    if (package == nullptr) return;
    auto* value = kivNewContentValue<r::ExportInvocation>(dst);
    const auto& member = package->uExpInvoReqOrRsp;
    switch (package->eExpInvoReqOrRsp) {
        case EIROR_Request:
            value->choiceId = r::ExportInvocation::kEsRequest;
            kivNewToCodec(&value->esRequest, member.psExpInvoRequest.get(), requestToCodec);
            break;
        case EIROR_Response:
            value->choiceId = r::ExportInvocation::kTaskPackage;
            kivNewToCodec(&value->taskPackage, member.psExpInvoResponse.get(), exportInvocationResponseToCodec);
            break;
        default:
            break;
    }
}

void KivExpInvoExtendedServiceFromCodec(KivSingleASN1Type* dst, const BerAny* src) {
    using namespace export_invocation_conversion;
    dst->eASN1Type = AT_ExportInvocation;
    kivFromCodec([&] { dst->uASN1.psExpInvoExtendedService = std::make_unique<KivExpInvoExtendedService>(); });
    KivExpInvoExtendedService* package = dst->uASN1.psExpInvoExtendedService.get();
    const r::ExportInvocation& value = kivContentValue<r::ExportInvocation>(src);
    auto& member = package->uExpInvoReqOrRsp;
    switch (value.choiceId) {
        case r::ExportInvocation::kEsRequest:
            package->eExpInvoReqOrRsp = EIROR_Request;
            kivNewFromCodec(&member.psExpInvoRequest, value.esRequest, requestFromCodec);
            break;
        case r::ExportInvocation::kTaskPackage:
            package->eExpInvoReqOrRsp = EIROR_Response;
            kivNewFromCodec(&member.psExpInvoResponse, value.taskPackage, exportInvocationResponseFromCodec);
            break;
        default:
            package->eExpInvoReqOrRsp = EIROR_Invalid;
            break;
    }
}
