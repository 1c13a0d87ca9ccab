#include "toolkit/external/kiv_check_cip_specific_info.h"

#include "toolkit/api/kiv_check_attributes.h"
#include "toolkit/api/kiv_check_external_fields.h"
#include "toolkit/api/kiv_cip_specific_info.h"
#include "toolkit/api/kiv_validation.h"

namespace {

int checkSearchControl(KivAssocId assoc, const KivSearchControl* control, const std::string& path,
                       SIError** out) {
    if (kivCheckRange(assoc, control->eItemDescriptorType, SCI_CollectionDescriptorSearch,
                      SCI_ProductDescriptorSearch, path, "eItemDescriptorType", out) != 0) {
        return 1;
    }
    return kivCheckRange(assoc, control->eSearchScope, SCI1_LocalSearch, SCI1_WideSearch, path,
                         "eSearchScope", out);
}

int checkWrsgrs(KivAssocId assoc, const KivWrsgrs* wrsgrs, const std::string& path, SIError** out) {
    if (wrsgrs->ppsFrames.present()) return 0;
    return KivReportMissingField(assoc, kivFieldPath(path, "ppsFrames"), out);
}

int checkCircle(KivAssocId assoc, const KivCircle* circle, const std::string& path, SIError** out) {
    return KivCheckIntUnit(assoc, &circle->sRadius, kivFieldPath(path, "sRadius."), out);
}

int checkTemporalPeriod(KivAssocId assoc, const KivTemporalPeriod* period, const std::string& path,
                        SIError** out) {
    if (KivCheckIntUnit(assoc, &period->sPeriodDuration, kivFieldPath(path, "sPeriodDuration."), out) != 0) {
        return 1;
    }
    return KivCheckIntUnit(assoc, &period->sPeriodCycle, kivFieldPath(path, "sPeriodCycle."), out);
}

int checkCipTerm(KivAssocId assoc, const KivCIPTerm* term, const std::string& path, SIError** out) {
    const auto& chosen = term->uCIPTermType;
    switch (term->eCIPTermType) {
        case CTT_Wrsgrs:
            return kivCheckMember(assoc, chosen.psWrsgrs.get(), path, "uCIPTermType.psWrsgrs", "->", out,
                                  checkWrsgrs);
        case CTT_Circle:
            return kivCheckMember(assoc, chosen.psCircle.get(), path, "uCIPTermType.psCircle", "->", out,
                                  checkCircle);
        case CTT_TemporalPeriod:
            return kivCheckMember(assoc, chosen.psTemporalPeriod.get(), path, "uCIPTermType.psTemporalPeriod",
                                  "->", out, checkTemporalPeriod);
        default:
            return KivReportValueOutOfRange(assoc, kivFieldPath(path, "eCIPTermType"), out);
    }
}

int checkExplainInfo(KivAssocId assoc, const KivExplainInfo* explain, const std::string& path,
                     SIError** out) {
    return KivCheckUnit(assoc, explain->psUnit.get(), kivFieldPath(path, "psUnit->"), out);
}

}  // namespace

int KivCheckCIPSpecificInfo(KivAssocId assoc, const KivSingleASN1Type* single, const std::string& path,
                            SIError** out) {
    const std::string infoPath = kivFieldPath(path, "uASN1.psCIPSpecificInfo");
    const KivCIPSpecificInfo* info = single->uASN1.psCIPSpecificInfo.get();
    if (info == nullptr) return KivReportMissingField(assoc, infoPath, out);
    const std::string fieldsPath = kivFieldPath(infoPath, "->");
    const auto& chosen = info->uCIPSpecificInfo;
    switch (info->eCIPSpecificInfoType) {
        case CSIT_SearchControl:
            return kivCheckMember(assoc, chosen.psSearchControl.get(), fieldsPath,
                                  "uCIPSpecificInfo.psSearchControl", "->", out, checkSearchControl);
        case CSIT_Term:
            return kivCheckMember(assoc, chosen.psTerm.get(), fieldsPath, "uCIPSpecificInfo.psTerm", "->",
                                  out, checkCipTerm);
        case CSIT_ExplainInfo:
            return kivCheckMember(assoc, chosen.psExplainInfo.get(), fieldsPath,
                                  "uCIPSpecificInfo.psExplainInfo", "->", out, checkExplainInfo);
        default:
            return KivReportValueOutOfRange(assoc, kivFieldPath(fieldsPath, "eCIPSpecificInfoType"), out);
    }
}
