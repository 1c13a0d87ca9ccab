#include "toolkit/trace/cip_specific_info_printer.h"

#include "toolkit/api/kiv_cip_specific_info.h"
#include "toolkit/api/kiv_external.h"
#include "toolkit/trace/enum_names.h"
#include "toolkit/trace/external_printer.h"
#include "toolkit/trace/shared_printers.h"
#include "toolkit/trace/value_printers.h"

namespace {

constexpr trace::EnumName kInfoTypes[] = {
    {CSIT_SearchControl, "CSIT_SearchControl"},
    {CSIT_Term, "CSIT_Term"},
    {CSIT_ExplainInfo, "CSIT_ExplainInfo"},
};

constexpr trace::EnumName kItemDescriptors[] = {
    {SCI_CollectionDescriptorSearch, "SCI_CollectionDescriptorSearch"},
    {SCI_ProductDescriptorSearch, "SCI_ProductDescriptorSearch"},
};

constexpr trace::EnumName kSearchScopes[] = {
    {SCI1_LocalSearch, "SCI1_LocalSearch"},
    {SCI1_WideSearch, "SCI1_WideSearch"},
};

constexpr trace::EnumName kTermTypes[] = {
    {CTT_Wrsgrs, "CTT_Wrsgrs"},
    {CTT_Circle, "CTT_Circle"},
    {CTT_TemporalPeriod, "CTT_TemporalPeriod"},
};

// The label, then the constant's name; a value outside the table prints an empty name.
void printSelector(std::FILE* file, const char* label, int32_t value,
                   std::span<const trace::EnumName> names) {
    std::fputs(label, file);
    trace::printEnumName(file, value, names, "");
}

// "%s: NULL\n" for null, else "%s:\n"; true when there is a value to print.
bool printHead(std::FILE* file, const char* label, const void* value) {
    std::fputs(label, file);
    std::fputs(value == nullptr ? ": NULL\n" : ":\n", file);
    return value != nullptr;
}

void printSearchControl(std::FILE* file, const KivSearchControl* control) {
    if (!printHead(file, "psSearchControl", control)) return;
    printSelector(file, "eItemDescriptorType: ", control->eItemDescriptorType, kItemDescriptors);
    printSelector(file, "eSearchScope: ", control->eSearchScope, kSearchScopes);
}

void printWrsgrs(std::FILE* file, const KivWrsgrs* wrsgrs) {
    if (!printHead(file, "psWrsgrs", wrsgrs)) return;
    KivPrintNamedInteger(file, "ulTrack", &wrsgrs->ulTrack);
    if (!wrsgrs->ppsFrames) {
        std::fputs("ppsFrames: NULL\n", file);
        return;
    }
    std::fputs("ppsFrames:\n", file);
    for (const uint32_t& frame : wrsgrs->ppsFrames) KivPrintNamedInteger(file, "psUlong", &frame);
}

void printCircle(std::FILE* file, const KivCircle* circle) {
    if (!printHead(file, "psCircle", circle)) return;
    std::fputs("sPoint:\n", file);
    KivPrintNamedInternationalString(file, "sLatitude", &circle->sPoint.sLatitude);
    KivPrintNamedInternationalString(file, "sLongitude", &circle->sPoint.sLongitude);
    KivPrintNamedIntUnit(file, "sRadius", &circle->sRadius);
}

void printTemporalPeriod(std::FILE* file, const KivTemporalPeriod* period) {
    if (!printHead(file, "psTemporalPeriod", period)) return;
    KivPrintNamedInternationalString(file, "sStartDate", &period->sStartDate);
    KivPrintNamedIntUnit(file, "sPeriodDuration", &period->sPeriodDuration);
    KivPrintNamedIntUnit(file, "sPeriodCycle", &period->sPeriodCycle);
}

void printTerm(std::FILE* file, const KivCIPTerm* term) {
    if (!printHead(file, "psTerm", term)) return;
    printSelector(file, "eCIPTermType: ", term->eCIPTermType, kTermTypes);
    const auto& chosen = term->uCIPTermType;
    switch (term->eCIPTermType) {
        case CTT_Wrsgrs:
            printWrsgrs(file, chosen.psWrsgrs.get());
            break;
        case CTT_Circle:
            printCircle(file, chosen.psCircle.get());
            break;
        case CTT_TemporalPeriod:
            printTemporalPeriod(file, chosen.psTemporalPeriod.get());
            break;
        default:
            break;
    }
}

void printExplainInfo(std::FILE* file, const KivExplainInfo* explain) {
    if (!printHead(file, "psExplainInfo", explain)) return;
    KivPrintNamedInternationalString(file, "psShortMeaning", explain->psShortMeaning.get());
    if (const KivUnit* unit = explain->psUnit.get(); printHead(file, "psUnit", unit)) {
        KivPrintUnit(file, unit->psUnitSystem.get(), unit->psUnitType.get(), unit->psUnit.get(),
                     trace::addressOf(unit->pulScaleFactor));
    }
    KivPrintNamedInternationalString(file, "psSpecificInstance", explain->psSpecificInstance.get());
    KivPrintNamedInternationalString(file, "psComment", explain->psComment.get());
    KivPrintNamedInternationalString(file, "sVersion", &explain->sVersion);
    KivPrintNamedInternationalString(file, "sValueSyntax", &explain->sValueSyntax);
}

}  // namespace

void KivPrintCIPSpecificInfoContent(std::FILE* file, const KivExternal* psExternal) {
    const KivSingleASN1Type* content = trace::singleASN1Type(psExternal);
    if (content == nullptr || content->uASN1.psCIPSpecificInfo == nullptr) return;
    KivPrintCIPSpecificInfo(file, content->uASN1.psCIPSpecificInfo.get());
}

void KivPrintCIPSpecificInfo(std::FILE* file, const KivCIPSpecificInfo* psCIPSpecificInfo) {
    if (!printHead(file, "psCIPSpecificInfo", psCIPSpecificInfo)) return;
    printSelector(file, "eCIPSpecificInfoType: ", psCIPSpecificInfo->eCIPSpecificInfoType, kInfoTypes);
    const auto& chosen = psCIPSpecificInfo->uCIPSpecificInfo;
    switch (psCIPSpecificInfo->eCIPSpecificInfoType) {
        case CSIT_SearchControl:
            printSearchControl(file, chosen.psSearchControl.get());
            break;
        case CSIT_Term:
            printTerm(file, chosen.psTerm.get());
            break;
        case CSIT_ExplainInfo:
            printExplainInfo(file, chosen.psExplainInfo.get());
            break;
        default:
            break;
    }
}
