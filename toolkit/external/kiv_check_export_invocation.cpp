#include "toolkit/external/kiv_check_export_invocation.h"

#include <utility>

#include "toolkit/api/kiv_check_attributes.h"
#include "toolkit/api/kiv_check_external_fields.h"
#include "toolkit/api/kiv_export_package.h"
#include "toolkit/api/kiv_validation_reporters.h"
#include "toolkit/external/kiv_check_export_specification.h"

namespace export_invocation_checks {

int checkExportSpec(KivAssocId assoc, const KivExpInvoExportSpec& exportSpec, const std::string& path,
                    SIError** out) {
    const auto& member = exportSpec.uExpInvoOriginPartToKeepChoice;
    switch (exportSpec.eExpInvoOriginPartToKeepChoiceType) {
        case EI_PackageName:
            if (member.psPackageName) return 0;
            return KivReportMissingField(
                assoc, kivFieldPath(path, "uExpInvoOriginPartToKeepChoice.psPackageName"), out);
        case EI_PackageSpec:
            return kivCheckMember(assoc, member.psPackageSpec.get(), path,
                                  "uExpInvoOriginPartToKeepChoice.psPackageSpec", "->", out, KivCheckExpSpec);
        default:
            return KivReportValueOutOfRange(assoc, kivFieldPath(path, "eExpInvoOriginPartToKeepChoiceType"),
                                            out);
    }
}

int checkRecords(KivAssocId assoc, const KivExpInvoRecords& records, const std::string& path, SIError** out) {
    if (kivCheckRange(assoc, records.eExpInvoRecordsType, RTT_All, RTT_Ranges, path, "eExpInvoRecordsType",
                      out) != 0) {
        return 1;
    }
    if (records.eExpInvoRecordsType == RTT_All || records.uExpInvoRecords.ppsRanges.present()) return 0;
    return KivReportMissingField(assoc, kivFieldPath(path, "uExpInvoRecords.ppsRanges"), out);
}

int checkRequest(KivAssocId assoc, const KivExpInvoRequest* request, const std::string& path, SIError** out) {
    if (checkExportSpec(assoc, request->sToKeep.sExportSpec, kivFieldPath(path, "sToKeep.sExportSpec."),
                        out) != 0) {
        return 1;
    }
    return checkRecords(assoc, request->sNotToKeep.sRecords, kivFieldPath(path, "sNotToKeep.sRecords."), out);
}

int checkResponse(KivAssocId assoc, const KivExpInvoResponse* response, const std::string& path,
                  SIError** out) {
    if (checkExportSpec(assoc, response->sOriginPart.sExportSpec,
                        kivFieldPath(path, "sOriginPart.sExportSpec."), out) != 0) {
        return 1;
    }
    const KivExpInvoTargetPart& target = response->sTargetPart;
    const std::string targetPath = kivFieldPath(path, "sTargetPart.");
    const std::pair<const KivIntUnit*, const char*> units[] = {
        {target.psEstimatedQuantity.get(), "psEstimatedQuantity->"},
        {target.psQuantitySoFar.get(), "psQuantitySoFar->"},
        {target.psEstimatedCost.get(), "psEstimatedCost->"},
        {target.psCostSoFar.get(), "psCostSoFar->"},
    };
    for (const auto& [unit, name] : units) {
        if (KivCheckOptionalIntUnit(assoc, unit, kivFieldPath(targetPath, name), out) != 0) return 1;
    }
    return 0;
}

int checkInvocation(KivAssocId assoc, const KivExpInvoExtendedService* package, const std::string& path,
                    SIError** out) {
    const auto& member = package->uExpInvoReqOrRsp;
    switch (package->eExpInvoReqOrRsp) {
        case EIROR_Request:
            return kivCheckMember(assoc, member.psExpInvoRequest.get(), path,
                                  "uExpInvoReqOrRsp.psExpInvoRequest", "->", out, checkRequest);
        case EIROR_Response:
            return kivCheckMember(assoc, member.psExpInvoResponse.get(), path,
                                  "uExpInvoReqOrRsp.psExpInvoResponse", "->", out, checkResponse);
        default:
            return KivReportValueOutOfRange(assoc, kivFieldPath(path, "eExpInvoReqOrRsp"), out);
    }
}

}  // namespace export_invocation_checks

int KivCheckExpInvoExtendedService(KivAssocId assoc, const KivSingleASN1Type* content,
                                   const std::string& path, SIError** out) {
    return kivCheckMember(assoc, content->uASN1.psExpInvoExtendedService.get(), path,
                          "uASN1.psExpInvoExtendedService", "->", out,
                          export_invocation_checks::checkInvocation);
}
