// The resource-1 and resource-2 report formats.

#include "toolkit/api/kiv_check_attributes.h"
#include "toolkit/api/kiv_check_core_records.h"
#include "toolkit/api/kiv_check_external_fields.h"

namespace {

int checkEstimate1(KivAssocId assoc, const KivEstimate1* estimate, const std::string& path, SIError** out) {
    return kivCheckRange(assoc, estimate->eEstimateType, ET_CurrentSearchRecords, ET_CurrentOtherAssocCost,
                         path, "eEstimateType", out);
}

int checkEstimate2(KivAssocId assoc, const KivEstimate2* estimate, const std::string& path, SIError** out) {
    if (KivCheckStringOrNumeric(assoc, &estimate->sType, kivFieldPath(path, "sType."), out) != 0) return 1;
    return KivCheckIntUnit(assoc, &estimate->sValue, kivFieldPath(path, "sValue."), out);
}

}  // namespace

int KivCheckResourceReport1(KivAssocId assoc, const KivSingleASN1Type* content, const std::string& path,
                            SIError** out) {
    return kivCheckMember(
        assoc, content->uASN1.psResourceReport1.get(), path, "uASN1.psResourceReport1", "->", out,
        [](KivAssocId a, const KivResourceReport1* report, const std::string& p, SIError** o) {
            return kivCheckArray(a, report->ppsEstimate, p, "ppsEstimate", o, checkEstimate1);
        });
}

int KivCheckResourceReport2(KivAssocId assoc, const KivSingleASN1Type* content, const std::string& path,
                            SIError** out) {
    return kivCheckMember(
        assoc, content->uASN1.psResourceReport2.get(), path, "uASN1.psResourceReport2", "->", out,
        [](KivAssocId a, const KivResourceReport2* report, const std::string& p, SIError** o) {
            return KivCheckStructArray(a, report->ppsEstimate, p, "ppsEstimate", o, checkEstimate2);
        });
}
