#pragma once
// A searchResult-1 record with every optional group filled, that conversion, validation and printer tests
// start from.

#include <memory>
#include <string>

#include "tests/api/carried_records_samples.h"
#include "tests/api/query_builders.h"
#include "toolkit/api/kivproto.h"

namespace search_result1_test {

using namespace query_test;

inline std::unique_ptr<KivQueryExpression> termExpression(const std::string& word) {
    auto expression = std::make_unique<KivQueryExpression>();
    expression->eQueryExpressionType = QET_Term;
    expression->uQueryExpression.psTerm = std::make_unique<KivQueryExpressionTerm>();
    expression->uQueryExpression.psTerm->sQueryTerm = generalTerm(word);
    expression->uQueryExpression.psTerm->psTermComment = carried::text("truncated");
    return expression;
}

inline std::unique_ptr<KivQueryExpression> queryExpression() {
    auto expression = std::make_unique<KivQueryExpression>();
    expression->eQueryExpressionType = QET_Query;
    expression->uQueryExpression.psQuery =
        std::make_unique<KivQuery>(rpnQuery(operatorNode(kAnd, termNode("cats"), termNode("dogs"))));
    return expression;
}

// Two reports: the first with every member, its databases listed and then all; the second bare.
inline KivExternal record(const std::string& oid) {
    return carried::singleExternal(oid, AT_UserInfoSearchResult1, [](KivSingleASN1Type& content) {
        content.uASN1.psUserInfoSearchResult1 = std::make_unique<KivUserInfoSearchResult1>();
        auto& reports = content.uASN1.psUserInfoSearchResult1->ppsSearchInfoReport;
        KivSearchInfoReport* report = reports.emplace();
        report->psSubqueryId = carried::text("q1");
        report->fFullQuery = 1;
        report->psSubqueryExpression = termExpression("cat*");
        report->psSubqueryInterpretation = queryExpression();
        report->psSubqueryRecommendation = termExpression("cats");
        report->pulSubqueryCount = 42;
        report->psSubqueryWeight = std::make_unique<KivIntUnit>();
        report->psSubqueryWeight->ulValue = 7;
        KivResultsByDB* listed = report->ppsresultsByDB.emplace();
        listed->sDatabases.eResultsByDBChoiceType = RBDSCT_List;
        listed->sDatabases.uResultsByDBChoice.ppsList = KivArray<KivInternationalString>::emptyArray();
        *listed->sDatabases.uResultsByDBChoice.ppsList.emplace() = text("books");
        *listed->sDatabases.uResultsByDBChoice.ppsList.emplace() = text("serials");
        listed->pulCount = 40;
        listed->psResultSetName = carried::text("s1");
        KivResultsByDB* all = report->ppsresultsByDB.emplace();
        all->sDatabases.eResultsByDBChoiceType = RBDSCT_All;
        reports.emplace();
    });
}

inline KivSearchInfoReport& firstReport(KivExternal& external) {
    return *external.uExternalValue.psSingleASN1Type->uASN1.psUserInfoSearchResult1->ppsSearchInfoReport[0];
}

}  // namespace search_result1_test
