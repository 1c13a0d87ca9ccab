#include "toolkit/trace/generic_record_printer.h"

#include "toolkit/api/kiv_external.h"
#include "toolkit/api/kiv_generic_record.h"
#include "toolkit/trace/enum_names.h"
#include "toolkit/trace/external_printer.h"
#include "toolkit/trace/print_depth.h"
#include "toolkit/trace/shared_printers.h"
#include "toolkit/trace/structure_printers.h"
#include "toolkit/trace/value_printers.h"

namespace {

using trace::addressOf;
using trace::printArray;
using trace::printDateText;
using trace::selectorLine;
using trace::structureLine;

constexpr trace::EnumName kElementDataTypes[] = {
    {EDT_Octets, "EDT_Octets"},
    {EDT_Numeric, "EDT_Numeric"},
    {EDT_Date, "EDT_Date"},
    {EDT_Ext, "EDT_Ext"},
    {EDT_String, "EDT_String"},
    {EDT_TrueOrFalse, "EDT_TrueOrFalse"},
    {EDT_Oid, "EDT_Oid"},
    {EDT_IntUnit, "EDT_IntUnit"},
    {EDT_ElementNotThere, "EDT_ElementNotThere"},
    {EDT_ElementEmpty, "EDT_ElementEmpty"},
    {EDT_NoDataRequested, "EDT_NoDataRequested"},
    {EDT_Diagnostic, "EDT_Diagnostic"},
    {EDT_Subtree, "EDT_Subtree"},
    {EDT_Invalid, "EDT_Invalid"},
};

constexpr trace::EnumName kVariantValueTypes[] = {
    {VVT_Int, "VVT_Int"},         {VVT_InternationalString, "VVT_InternationalString"},
    {VVT_Octs, "VVT_Octs"},       {VVT_Oid, "VVT_Oid"},
    {VVT_Bool, "VVT_Bool"},       {VVT_Null, "VVT_Null"},
    {VVT_Unit, "VVT_Unit"},       {VVT_ValueAndUnit, "VVT_ValueAndUnit"},
    {VVT_Invalid, "VVT_Invalid"},
};

constexpr trace::EnumName kUsageTypes[] = {
    {UIT_Redistributable, "UIT_Redistributable"},
    {UIT_Restricted, "UIT_Restricted"},
    {UIT_LicensePointer, "UIT_LicensePointer"},
    {UIT_Invalid, "UIT_Invalid"},
};

void printTaggedElements(std::FILE* file, const KivArray<KivTaggedElement>& elements);

void printVariantValue(std::FILE* file, const KivVariantValue& value) {
    std::fputs("sValue:\n", file);
    selectorLine(file, "eVariantValueType: ", value.eVariantValueType, kVariantValueTypes);
    const auto& member = value.uVariantValueType;
    switch (value.eVariantValueType) {
        case VVT_Int:
            KivPrintNamedInteger(file, "ulInt1", &member.ulInt1);
            break;
        case VVT_InternationalString:
            KivPrintNamedInternationalString(file, "psInternationalString",
                                             member.psInternationalString.get());
            break;
        case VVT_Octs:
            KivPrintNamedOctets(file, "psOcts", member.psOcts.get());
            break;
        case VVT_Oid:
            KivPrintNamedText(file, "pcOid", member.pcOid);
            break;
        case VVT_Bool:
            KivPrintNamedBoolean(file, "fBool", &member.fBool);
            break;
        case VVT_Unit:
            if (const KivUnit* unit = member.psUnit.get(); structureLine(file, "psUnit", unit != nullptr)) {
                KivPrintUnit(file, unit->psUnitSystem.get(), unit->psUnitType.get(), unit->psUnit.get(),
                             addressOf(unit->pulScaleFactor));
            }
            break;
        case VVT_ValueAndUnit:
            KivPrintNamedIntUnit(file, "psValueAndUnit", member.psValueAndUnit.get());
            break;
        default:
            break;
    }
}

// An applied variant, and each supported one.
void printVariant(std::FILE* file, const KivVariant* variant) {
    if (!structureLine(file, "psAppliedVariant", variant != nullptr)) return;
    KivPrintNamedText(file, "pcGlobalVariantSetId", variant->pcGlobalVariantSetId);
    printArray(file, "ppsTriples", variant->ppsTriples, [](std::FILE* out, const KivTriples& triple) {
        std::fputs("psTriples:\n", out);
        KivPrintNamedText(out, "pcVariantSetId", triple.pcVariantSetId);
        KivPrintNamedInteger(out, "ulClass", &triple.ulClass);
        KivPrintNamedInteger(out, "ulType", &triple.ulType);
        printVariantValue(out, triple.sValue);
    });
}

void printTagPath(std::FILE* file, const KivTagPath& step) {
    std::fputs("psTagPath:\n", file);
    KivPrintNamedInteger(file, "pulTagType", addressOf(step.pulTagType));
    KivPrintNamedStringOrNumeric(file, "sTagValue", &step.sTagValue);
    KivPrintNamedInteger(file, "pulTagOccurrence", addressOf(step.pulTagOccurrence));
}

void printHit(std::FILE* file, const KivHits& hit) {
    std::fputs("psHits:\n", file);
    trace::printLabelledTerm(file, "psSatisfier", hit.psSatisfier.get());
    KivPrintNamedIntUnit(file, "psOffsetIntoElement", hit.psOffsetIntoElement.get());
    KivPrintNamedIntUnit(file, "psLength", hit.psLength.get());
    KivPrintNamedInteger(file, "pulHitRank", addressOf(hit.pulHitRank));
    KivPrintNamedOctets(file, "psTargetToken", hit.psTargetToken.get());
}

void printMetaData(std::FILE* file, const KivMetaData* metaData) {
    if (!structureLine(file, "psMetaData", metaData != nullptr)) return;
    if (const KivSeriesOrder* order = metaData->psSeriesOrder.get();
        structureLine(file, "psSeriesOrder", order != nullptr)) {
        KivPrintNamedBoolean(file, "fAscending", &order->fAscending);
        KivPrintNamedInteger(file, "ulOrder", &order->ulOrder);
    }
    if (const KivUsageRight* usage = metaData->psUsageRight.get();
        structureLine(file, "psUsageRight", usage != nullptr)) {
        selectorLine(file, "eType: ", usage->eType, kUsageTypes);
        KivPrintNamedInternationalString(file, "psRestriction", usage->psRestriction.get());
    }
    printArray(file, "ppsHits", metaData->ppsHits, printHit);
    KivPrintNamedInternationalString(file, "psDisplayName", metaData->psDisplayName.get());
    printArray(file, "ppsSupportedVariants", metaData->ppsSupportedVariants,
               [](std::FILE* out, const KivVariant& variant) { printVariant(out, &variant); });
    KivPrintNamedInternationalString(file, "psMessage", metaData->psMessage.get());
    KivPrintNamedOctets(file, "psElementDescriptor", metaData->psElementDescriptor.get());
    printArray(file, "ppsSurrogateFor", metaData->ppsSurrogateFor, printTagPath);
    printArray(file, "ppsSurrogateElement", metaData->ppsSurrogateElement, printTagPath);
    KivPrintNamedExternal(file, "psOther", metaData->psOther.get());
}

void printContent(std::FILE* file, const KivElementDataG& content) {
    std::fputs("sContent:\n", file);
    selectorLine(file, "eElementDataGType: ", content.eElementDataGType, kElementDataTypes);
    const auto& member = content.uElementDataG;
    switch (content.eElementDataGType) {
        case EDT_Octets:
            KivPrintNamedOctets(file, "psOctets", member.psOctets.get());
            break;
        case EDT_Numeric:
            KivPrintNamedInteger(file, "ulNumeric", &member.ulNumeric);
            break;
        case EDT_Date:
            printDateText(file, "pcDate", member.pcDate);
            break;
        case EDT_Ext:
            KivPrintNamedExternal(file, "psExt", member.psExt.get());
            break;
        case EDT_String:
            KivPrintNamedInternationalString(file, "psString", member.psString.get());
            break;
        case EDT_TrueOrFalse:
            KivPrintNamedBoolean(file, "fTrueOrFalse", &member.fTrueOrFalse);
            break;
        case EDT_Oid:
            KivPrintNamedText(file, "pcOid", member.pcOid);
            break;
        case EDT_IntUnit:
            KivPrintNamedIntUnit(file, "psIntUnit", member.psIntUnit.get());
            break;
        case EDT_Diagnostic:
            KivPrintNamedExternal(file, "psDiagnostic", member.psDiagnostic.get());
            break;
        case EDT_Subtree:
            printTaggedElements(file, member.ppsSubTree);
            break;
        default:
            break;
    }
}

void printTaggedElement(std::FILE* file, const KivTaggedElement& element) {
    std::fputs("psTaggedElement:\n", file);
    KivPrintNamedInteger(file, "pulTagType", addressOf(element.pulTagType));
    KivPrintNamedStringOrNumeric(file, "sTagValue", &element.sTagValue);
    KivPrintNamedInteger(file, "pulTagOccurrence", addressOf(element.pulTagOccurrence));
    printContent(file, element.sContent);
    printMetaData(file, element.psMetaData.get());
    printVariant(file, element.psAppliedVariant.get());
}

// The record's elements and a subtree's alike, under the record's label.
void printTaggedElements(std::FILE* file, const KivArray<KivTaggedElement>& elements) {
    const trace::PrintDepthGuard depth;
    if (depth.tooDeep()) {
        std::fputs(trace::kTooDeepLine, file);
        return;
    }
    printArray(file, "ppsTaggedElement", elements, printTaggedElement);
}

}  // namespace

void KivPrintGenericRecordContent(std::FILE* file, const KivExternal* psExternal) {
    const KivSingleASN1Type* content = trace::singleASN1Type(psExternal);
    if (content == nullptr || !content->uASN1.psGenericRecord) return;
    std::fputs("psGenericRecord:\n", file);
    printTaggedElements(file, content->uASN1.psGenericRecord->ppsTaggedElement);
}
