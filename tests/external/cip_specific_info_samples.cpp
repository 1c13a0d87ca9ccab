#include "tests/external/cip_specific_info_samples.h"

#include <string>
#include <utility>

#include "tests/api/carried_records_samples.h"

namespace cip_test {

namespace {

using carried::text;

KivIntUnit intUnit(uint32_t value, const std::string& unit) {
    KivIntUnit result;
    result.ulValue = value;
    result.sUnitUsed.psUnitSystem = text("SI");
    result.sUnitUsed.psUnit = std::make_unique<KivStringOrNumeric>();
    result.sUnitUsed.psUnit->eStringOrNumeric = 1;
    result.sUnitUsed.psUnit->uStringOrNumeric.psString = text(unit);
    result.sUnitUsed.pulScaleFactor = 3;
    return result;
}

}  // namespace

std::unique_ptr<KivExternal> cipExternal(KivCIPSpecificInfo info, const char* oid) {
    auto external = std::make_unique<KivExternal>();
    external->pcObjectIdentifier = oid;
    external->eValueType = EVT_SingleASN1Type;
    auto& content = external->uExternalValue.psSingleASN1Type;
    content = std::make_unique<KivSingleASN1Type>();
    content->eASN1Type = AT_CIPSpecificInfo;
    content->uASN1.psCIPSpecificInfo = std::make_unique<KivCIPSpecificInfo>(std::move(info));
    return external;
}

KivCIPSpecificInfo searchControl(int32_t item, int32_t scope) {
    KivCIPSpecificInfo info;
    info.eCIPSpecificInfoType = CSIT_SearchControl;
    info.uCIPSpecificInfo.psSearchControl = std::make_unique<KivSearchControl>(KivSearchControl{item, scope});
    return info;
}

KivCIPSpecificInfo term(int32_t type) {
    KivCIPSpecificInfo info;
    info.eCIPSpecificInfoType = CSIT_Term;
    auto& chosen = info.uCIPSpecificInfo.psTerm;
    chosen = std::make_unique<KivCIPTerm>();
    chosen->eCIPTermType = type;
    auto& member = chosen->uCIPTermType;
    if (type == CTT_Wrsgrs) {
        member.psWrsgrs = std::make_unique<KivWrsgrs>();
        member.psWrsgrs->ulTrack = 7;
        member.psWrsgrs->ppsFrames.emplace(1u);
        member.psWrsgrs->ppsFrames.emplace(2u);
    } else if (type == CTT_Circle) {
        member.psCircle = std::make_unique<KivCircle>();
        member.psCircle->sPoint = KivPoint{{"51.28N"}, {"1.08E"}};
        member.psCircle->sRadius = intUnit(20, "km");
    } else if (type == CTT_TemporalPeriod) {
        member.psTemporalPeriod = std::make_unique<KivTemporalPeriod>();
        member.psTemporalPeriod->sStartDate = KivInternationalString{"20270101"};
        member.psTemporalPeriod->sPeriodDuration = intUnit(30, "day");
        member.psTemporalPeriod->sPeriodCycle = intUnit(1, "year");
    }
    return info;
}

KivCIPSpecificInfo explainInfo() {
    KivCIPSpecificInfo info;
    info.eCIPSpecificInfoType = CSIT_ExplainInfo;
    auto& explain = info.uCIPSpecificInfo.psExplainInfo;
    explain = std::make_unique<KivExplainInfo>();
    explain->psShortMeaning = text("cloud cover");
    explain->psUnit = std::make_unique<KivUnit>(std::move(intUnit(0, "percent").sUnitUsed));
    explain->psSpecificInstance = text("scene 4");
    explain->psComment = text("estimated");
    explain->sVersion = KivInternationalString{"1.0"};
    explain->sValueSyntax = KivInternationalString{"integer"};
    return info;
}

}  // namespace cip_test
