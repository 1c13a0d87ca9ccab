// A received SortRequest as a KivSortReq, with its sort keys.
#include "toolkit/api/kiv_convert_attributes.h"
#include "toolkit/api/kiv_convert_basic.h"
#include "toolkit/api/kiv_convert_composition.h"
#include "toolkit/api/kiv_convert_core_records_fields.h"
#include "toolkit/api/kiv_convert_other_information.h"
#include "toolkit/session/received_request_conversion.h"

using codec::z3950::SortElement;
using codec::z3950::SortElementDatbaseSpecificItem;
using codec::z3950::SortKey;
using codec::z3950::SortKeySortAttributes;
using codec::z3950::SortKeySpec;
using codec::z3950::SortKeySpecMissingValueAction;

namespace {

// The protocol's sortRelation: ascending 0, descending 1, ascendingByFrequency 3, descendingByfrequency 4.
int32_t sortRelationFromCodec(BerInteger relation) {
    switch (relation) {
        case 0:
            return SRT_Ascending;
        case 1:
            return SRT_Descending;
        case 3:
            return SRT_FrequencyAsc;
        case 4:
            return SRT_FrequencyDesc;
        default:
            return SRT_Invalid;
    }
}

// The protocol's caseSensitivity: caseSensitive 0, caseInsensitive 1.
int32_t sortCaseFromCodec(BerInteger sensitivity) {
    switch (sensitivity) {
        case 0:
            return SCT_CaseSensitive;
        case 1:
            return SCT_CaseInsensitive;
        default:
            return SCT_Invalid;
    }
}

void sortAttributesFromCodec(KivSortAttributes* dst, const SortKeySortAttributes* src) {
    KivOidFromCodec(&dst->pcAttributeSetId, &src->id);
    KivAttributeListFromCodec(&dst->ppsAttributeElement, src->list);
}

void sortKeyFromCodec(KivSortKey* dst, const SortKey* src) {
    auto& member = dst->uSortKey;
    switch (src->choiceId) {
        case SortKey::kSortfield:
            dst->eSortKeyType = SKT_SortField;
            KivNewInternationalStringFromCodec(&member.psSortField, src->sortfield);
            break;
        case SortKey::kElementSpec:
            dst->eSortKeyType = SKT_ElementSpec;
            kivNewFromCodec(&member.psElementSpec, src->elementSpec, KivSpecificationFromCodec);
            break;
        case SortKey::kSortAttributes:
            dst->eSortKeyType = SKT_SortAttributes;
            kivNewFromCodec(&member.psSortAttributes, src->sortAttributes, sortAttributesFromCodec);
            break;
        default:
            break;
    }
}

void dbSpecificFromCodec(KivSortDbSpecific* dst, const SortElementDatbaseSpecificItem* src) {
    KivInternationalStringFromCodec(&dst->sDatabaseName, &src->databaseName);
    if (src->dbSort != nullptr) sortKeyFromCodec(&dst->sDbSort, src->dbSort);
}

void sortElementFromCodec(KivSortElement* dst, const SortElement* src) {
    auto& member = dst->uSortElement;
    switch (src->choiceId) {
        case SortElement::kGeneric:
            dst->eSortElementType = SET_Generic;
            kivNewFromCodec(&member.psGeneric, src->generic, sortKeyFromCodec);
            break;
        case SortElement::kDatbaseSpecific:
            dst->eSortElementType = SET_DbSpecific;
            kivArrayFromCodec<SortElementDatbaseSpecificItem>(&member.ppsDbSpecific, src->datbaseSpecific,
                                                              dbSpecificFromCodec);
            break;
        default:
            break;
    }
}

void missingValueActionFromCodec(KivMVAction* dst, const SortKeySpecMissingValueAction* src) {
    switch (src->choiceId) {
        case SortKeySpecMissingValueAction::kAbort:
            dst->eMVActionType = SMT_Abort;
            break;
        case SortKeySpecMissingValueAction::kNull:
            dst->eMVActionType = SMT_Null;
            break;
        case SortKeySpecMissingValueAction::kMissingValueData:
            dst->eMVActionType = SMT_Constant;
            KivNewOctetsFromCodec(&dst->psConstant, src->missingValueData);
            break;
        default:
            break;
    }
}

void sortKeySpecFromCodec(KivSortKeySpec* dst, const SortKeySpec* src) {
    if (src->sortElement != nullptr) sortElementFromCodec(&dst->sSortElement, src->sortElement);
    dst->eSortRelationType = sortRelationFromCodec(src->sortRelation);
    dst->eSortCaseType = sortCaseFromCodec(src->caseSensitivity);
    kivNewFromCodec(&dst->psMVActionType, src->missingValueAction, missingValueActionFromCodec);
}

}  // namespace

void siSortReqFromCodec(std::unique_ptr<KivSortReq>* dst, const codec::z3950::SortRequest* src) {
    siNewReceivedRecord(dst, src, [](KivSortReq& req, const codec::z3950::SortRequest& sort) {
        KivOptionalOctetsFromCodec(&req.psReferenceId, &sort.referenceId);
        req.ppsInputResultSetName = KivArray<KivInternationalString>::emptyArray();
        KivInternationalStringListFromCodec(&req.ppsInputResultSetName, sort.inputResultSetNames);
        KivInternationalStringFromCodec(&req.sSortedResultSetName, &sort.sortedResultSetName);
        req.ppsSortSequence = KivArray<KivSortKeySpec>::emptyArray();
        kivArrayFromCodec<SortKeySpec>(&req.ppsSortSequence, sort.sortSequence, sortKeySpecFromCodec);
        KivOptionalOtherInformationFromCodec(&req.ppsOtherInformation, sort.otherInfo);
    });
}
