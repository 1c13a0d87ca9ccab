// The extended-services task package and the permissions it carries.

#include "toolkit/api/kiv_check_attributes.h"
#include "toolkit/api/kiv_check_core_records.h"
#include "toolkit/api/kiv_check_encoded_oid.h"
#include "toolkit/api/kiv_check_external.h"
#include "toolkit/api/kiv_check_external_fields.h"
#include "toolkit/api/kiv_check_records.h"

namespace {

int checkPermissions(KivAssocId assoc, const KivPermissions* item, const std::string& path, SIError** out) {
    return KivCheckAllowableFunctions(assoc, &item->ppeAllowableFunctions, path, out);
}

// The package type is compulsory: the codec's packageType is, and an absent one would be sent empty.
int checkTaskPackage(KivAssocId assoc, const KivEsTaskPackage* package, const std::string& path,
                     SIError** out) {
    const std::string packageType = kivFieldPath(path, "pcPackageType");
    if (!package->pcPackageType) return KivReportMissingField(assoc, packageType, out);
    if (KivCheckEncodedOid(assoc, package->pcPackageType, packageType, out) != 0) return 1;
    if (KivCheckOptionalIntUnit(assoc, package->psRetentionTime.get(),
                                kivFieldPath(path, "psRetentionTime->"), out) != 0) {
        return 1;
    }
    if (KivCheckStructArray(assoc, package->ppsPermissions, path, "ppsPermissions", out, checkPermissions) !=
        0) {
        return 1;
    }
    if (kivCheckRange(assoc, package->eExtServicesTaskStatus, ESTS_Pending, ESTS_Aborted, path,
                      "eExtServicesTaskStatus", out) != 0) {
        return 1;
    }
    if (package->ppsPackageDiagnostics.present() &&
        KivCheckDiagRecList(assoc, &package->ppsPackageDiagnostics,
                            kivFieldPath(path, "ppsPackageDiagnostics"), out) != 0) {
        return 1;
    }
    return KivCheckExternal(assoc, &package->sTaskSpecificParameters,
                            kivFieldPath(path, "sTaskSpecificParameters->"), out);
}

}  // namespace

int KivCheckEsTaskPackage(KivAssocId assoc, const KivSingleASN1Type* content, const std::string& path,
                          SIError** out) {
    return kivCheckMember(assoc, content->uASN1.psEsTaskPackage.get(), path, "uASN1.psEsTaskPackage", "->",
                          out, checkTaskPackage);
}

int KivCheckAllowableFunctions(KivAssocId assoc, const KivArray<int32_t>* functions, const std::string& path,
                               SIError** out) {
    if (!functions->present())
        return KivReportMissingField(assoc, kivFieldPath(path, "ppeAllowableFunctions"), out);
    return KivCheckValueArray(assoc, *functions, path, "ppeAllowableFunctions", out,
                              [](KivAssocId a, const int32_t* value, const std::string& p, SIError** o) {
                                  return kivCheckRange(a, *value, PAF_Delete, PAF_Invoke, p, "", o);
                              });
}
