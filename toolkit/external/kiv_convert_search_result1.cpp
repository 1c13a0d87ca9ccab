#include "toolkit/external/kiv_convert_search_result1.h"

#include <memory>

#include "toolkit/api/kiv_convert_attributes.h"
#include "toolkit/api/kiv_convert_basic.h"
#include "toolkit/api/kiv_convert_core_records_fields.h"
#include "toolkit/api/kiv_convert_external_content_types.h"
#include "toolkit/api/kiv_convert_query.h"
#include "toolkit/api/kiv_search_result1.h"
#include "toolkit/codec/records/records_f.h"

using codec::records::QueryExpression;
using codec::records::QueryExpressionTerm;
using codec::records::ResultsByDBDatabases;
using codec::records::ResultsByDBEntry;
using codec::records::SearchInfoReportEntry;
using codec::records::SearchResult1;

namespace {

// ---- Towards the codec ----

void queryTermToCodec(QueryExpressionTerm* dst, const KivQueryExpressionTerm* src) {
    dst->queryTerm = kivNewCodecRecord<codec::z3950::Term>();
    KivTermToCodec(dst->queryTerm, &src->sQueryTerm);
    kivOptionalTextToCodec(&dst->termComment, src->psTermComment);
}

void expressionToCodec(QueryExpression* dst, const KivQueryExpression* src) {
    const auto& member = src->uQueryExpression;
    switch (src->eQueryExpressionType) {
        case QET_Term:
            dst->choiceId = QueryExpression::kTerm;
            kivNewToCodec(&dst->term, member.psTerm.get(), queryTermToCodec);
            break;
        case QET_Query:
            dst->choiceId = QueryExpression::kQuery;
            if (member.psQuery) KivNewQueryToCodec(&dst->query, member.psQuery.get());
            break;
        default:
            break;
    }
}

void databasesToCodec(ResultsByDBDatabases* dst, const KivDatabases* src) {
    switch (src->eResultsByDBChoiceType) {
        case RBDSCT_All:
            dst->choiceId = ResultsByDBDatabases::kAll;
            break;
        case RBDSCT_List:
            dst->choiceId = ResultsByDBDatabases::kList;
            KivOptionalInternationalStringListToCodec(&dst->list, &src->uResultsByDBChoice.ppsList);
            break;
        default:
            break;
    }
}

void resultsByDBToCodec(ResultsByDBEntry* dst, const KivResultsByDB* src) {
    kivNewToCodec(&dst->databases, &src->sDatabases, databasesToCodec);
    KivOptionalIntegerToCodec(&dst->count, &src->pulCount);
    kivOptionalTextToCodec(&dst->resultSetName, src->psResultSetName);
}

void reportToCodec(SearchInfoReportEntry* dst, const KivSearchInfoReport* src) {
    kivOptionalTextToCodec(&dst->subqueryId, src->psSubqueryId);
    KivBooleanToCodec(&dst->fullQuery, &src->fFullQuery);
    kivNewToCodec(&dst->subqueryExpression, src->psSubqueryExpression.get(), expressionToCodec);
    kivNewToCodec(&dst->subqueryInterpretation, src->psSubqueryInterpretation.get(), expressionToCodec);
    kivNewToCodec(&dst->subqueryRecommendation, src->psSubqueryRecommendation.get(), expressionToCodec);
    KivOptionalIntegerToCodec(&dst->subqueryCount, &src->pulSubqueryCount);
    KivOptionalIntUnitToCodec(&dst->subqueryWeight, src->psSubqueryWeight.get());
    kivArrayToCodec<ResultsByDBEntry>(&dst->resultsByDB, src->ppsresultsByDB, resultsByDBToCodec);
}

// ---- From the codec ----

void queryTermFromCodec(KivQueryExpressionTerm* dst, const QueryExpressionTerm* src) {
    if (src->queryTerm != nullptr) KivTermFromCodec(&dst->sQueryTerm, src->queryTerm);
    kivOptionalTextFromCodec(&dst->psTermComment, src->termComment);
}

void expressionFromCodec(KivQueryExpression* dst, const QueryExpression* src) {
    auto& member = dst->uQueryExpression;
    switch (src->choiceId) {
        case QueryExpression::kTerm:
            dst->eQueryExpressionType = QET_Term;
            kivNewFromCodec(&member.psTerm, src->term, queryTermFromCodec);
            break;
        case QueryExpression::kQuery:
            dst->eQueryExpressionType = QET_Query;
            if (src->query != nullptr) KivNewQueryFromCodec(&member.psQuery, src->query);
            break;
        default:
            dst->eQueryExpressionType = QET_Invalid;
            break;
    }
}

void databasesFromCodec(KivDatabases* dst, const ResultsByDBDatabases* src) {
    switch (src->choiceId) {
        case ResultsByDBDatabases::kAll:
            dst->eResultsByDBChoiceType = RBDSCT_All;
            break;
        case ResultsByDBDatabases::kList:
            dst->eResultsByDBChoiceType = RBDSCT_List;
            KivInternationalStringListFromCodec(&dst->uResultsByDBChoice.ppsList, src->list);
            break;
        default:
            dst->eResultsByDBChoiceType = RBDSCT_Invalid;
            break;
    }
}

void resultsByDBFromCodec(KivResultsByDB* dst, const ResultsByDBEntry* src) {
    if (src->databases != nullptr) databasesFromCodec(&dst->sDatabases, src->databases);
    KivOptionalIntegerFromCodec(&dst->pulCount, src->count);
    kivOptionalTextFromCodec(&dst->psResultSetName, src->resultSetName);
}

void reportFromCodec(KivSearchInfoReport* dst, const SearchInfoReportEntry* src) {
    kivOptionalTextFromCodec(&dst->psSubqueryId, src->subqueryId);
    KivBooleanFromCodec(&dst->fFullQuery, &src->fullQuery);
    kivNewFromCodec(&dst->psSubqueryExpression, src->subqueryExpression, expressionFromCodec);
    kivNewFromCodec(&dst->psSubqueryInterpretation, src->subqueryInterpretation, expressionFromCodec);
    kivNewFromCodec(&dst->psSubqueryRecommendation, src->subqueryRecommendation, expressionFromCodec);
    KivOptionalIntegerFromCodec(&dst->pulSubqueryCount, src->subqueryCount);
    KivOptionalIntUnitFromCodec(&dst->psSubqueryWeight, src->subqueryWeight);
    kivArrayFromCodec<ResultsByDBEntry>(&dst->ppsresultsByDB, src->resultsByDB, resultsByDBFromCodec);
}

}  // namespace

void KivUserInfoSearchResult1ToCodec(BerAny* dst, const KivSingleASN1Type* src) {
    const KivUserInfoSearchResult1* record = src->uASN1.psUserInfoSearchResult1.get();
    if (record == nullptr) return;
    auto* value = kivNewContentValue<SearchResult1>(dst);
    value->choiceId = SearchResult1::kSearchInfoReport;
    kivCodecListFrom<SearchInfoReportEntry>(
        &value->searchInfoReport, record->ppsSearchInfoReport,
        [](SearchInfoReportEntry* element, const KivSearchInfoReport& item) {
            reportToCodec(element, &item);
        });
}

void KivUserInfoSearchResult1FromCodec(KivSingleASN1Type* dst, const BerAny* src) {
    dst->eASN1Type = AT_UserInfoSearchResult1;
    kivFromCodec([&] { dst->uASN1.psUserInfoSearchResult1 = std::make_unique<KivUserInfoSearchResult1>(); });
    const SearchResult1& value = kivContentValue<SearchResult1>(src);
    if (value.choiceId != SearchResult1::kSearchInfoReport) return;
    kivArrayFromCodec<SearchInfoReportEntry>(&dst->uASN1.psUserInfoSearchResult1->ppsSearchInfoReport,
                                             value.searchInfoReport, reportFromCodec);
}
