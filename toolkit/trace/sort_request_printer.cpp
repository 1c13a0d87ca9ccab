#include "toolkit/trace/sort_request_printer.h"

#include "toolkit/api/kiv_sort.h"
#include "toolkit/trace/apdu_frame.h"
#include "toolkit/trace/attribute_term_printers.h"
#include "toolkit/trace/enum_names.h"

namespace {

constexpr trace::EnumName kRelations[] = {
    {SRT_Ascending, "SRT_Ascending"},       {SRT_Descending, "SRT_Descending"},
    {SRT_FrequencyAsc, "SRT_FrequencyAsc"}, {SRT_FrequencyDesc, "SRT_FrequencyDesc"},
    {SRT_Invalid, "SRT_Invalid"},
};

constexpr trace::EnumName kCases[] = {
    {SCT_CaseSensitive, "SCT_CaseSensitive"},
    {SCT_CaseInsensitive, "SCT_CaseInsensitive"},
    {SCT_Invalid, "SCT_Invalid"},
};

void printSortKey(std::FILE* file, const KivSortKey* key) {
    if (key == nullptr) {
        std::fputs("NULL\n", file);
        return;
    }
    std::fputs("eSortKeyType: ", file);
    switch (key->eSortKeyType) {
        case SKT_SortField:
            KivPrintNamedInternationalString(file, "SKT_SortField", key->uSortKey.psSortField.get());
            break;
        case SKT_ElementSpec:
            std::fputs("SKT_ElementSpec:\n", file);
            KivPrintNamedSpecification(file, "psElementSpec", key->uSortKey.psElementSpec.get());
            break;
        case SKT_SortAttributes: {
            std::fputs("SKT_SortAttributes:\n", file);
            const KivSortAttributes* attributes = key->uSortKey.psSortAttributes.get();
            if (attributes == nullptr) {
                std::fputs("NULL\n", file);
                break;
            }
            KivPrintNamedText(file, "pcAttributeSetId", attributes->pcAttributeSetId);
            std::fputs("ppsAttributeElement:\n", file);
            KivPrintAttributeList(file, attributes->ppsAttributeElement);
            break;
        }
        default:
            break;
    }
}

void printMissingValueAction(std::FILE* file, const KivMVAction* action) {
    if (action == nullptr) {
        std::fputs("NULL\n", file);
        return;
    }
    switch (action->eMVActionType) {
        case SMT_Abort:
            std::fputs("SMT_Abort\n", file);
            break;
        case SMT_Null:
            std::fputs("SMT_Null\n", file);
            break;
        case SMT_Constant:
            KivPrintNamedOctets(file, "SMT_Constant", action->psConstant.get());
            break;
        default:
            break;
    }
}

void printSortKeySpec(std::FILE* file, const KivSortKeySpec& spec) {
    std::fputs("sSortElement: ", file);
    const KivSortElement& element = spec.sSortElement;
    switch (element.eSortElementType) {
        case SET_Generic:
            std::fputs("SET_Generic\n", file);
            printSortKey(file, element.uSortElement.psGeneric.get());
            break;
        case SET_DbSpecific:
            std::fputs("SET_DbSpecific\n", file);
            for (const KivSortDbSpecific& item : element.uSortElement.ppsDbSpecific) {
                KivPrintNamedInternationalString(file, "sDatabaseName", &item.sDatabaseName);
                std::fputs("sDbSort: ", file);
                printSortKey(file, &item.sDbSort);
            }
            std::fputs("\n", file);
            break;
        default:
            break;
    }
    std::fputs("\neSortRelationType: ", file);
    trace::printEnumName(file, spec.eSortRelationType, kRelations);
    std::fputs("eSortCaseType: ", file);
    trace::printEnumName(file, spec.eSortCaseType, kCases);
    std::fputs("psMVActionType: ", file);
    printMissingValueAction(file, spec.psMVActionType.get());
}

}  // namespace

void KivPrintSortReq(std::FILE* file, const KivSortReq* psSortReq) {
    if (!trace::printApduOpening(file, "SortRequest PDU\n", psSortReq)) return;
    const KivSortReq& req = *psSortReq;
    std::fputs("ppsInputResultSetName:\n", file);
    for (const KivInternationalString& name : req.ppsInputResultSetName)
        KivPrintInternationalString(file, &name);
    std::fputs("\n", file);
    KivPrintNamedInternationalString(file, "sSortedResultSetName", &req.sSortedResultSetName);
    std::fputs("ppsSortSequence:\n", file);
    for (const KivSortKeySpec& spec : req.ppsSortSequence) printSortKeySpec(file, spec);
    std::fputs("\n", file);
    trace::printApduClosing(file, req);
}
