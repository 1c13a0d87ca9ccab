// The searchResult-1 record in the trace: a filled record against golden output, and the lines of absent
// members.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "tests/external/search_result1_samples.h"
#include "tests/trace/trace_capture.h"
#include "toolkit/trace/trace_printers.h"

namespace search_result1_printer_cases {
namespace {

using namespace search_result1_test;

std::string printSearchResultContent(const KivExternal& external) {
    return trace_test::printed([&](std::FILE* f) { KivPrintUserInfoSearchResult1Content(f, &external); });
}

TEST(TraceSearchResult1Printer, FilledRecordMatchesGolden) {
    const KivExternal external = record("1.0.10163.10.1");
    const std::string printed = trace_test::printed([&](std::FILE* f) { KivPrintExternal(f, &external); });
    EXPECT_EQ(printed, trace_test::readFile(QUORVANE_TEST_SOURCE_DIR "/golden/search_result1.txt"));
}

TEST(TraceSearchResult1Printer, AbsentMembersPrintNull) {
    KivExternal external = record("1.2.840.10003.10.1");
    auto& reports =
        external.uExternalValue.psSingleASN1Type->uASN1.psUserInfoSearchResult1->ppsSearchInfoReport;
    reports = KivArray<KivSearchInfoReport>::emptyArray();
    KivSearchInfoReport& bare = *reports.emplace();
    bare.psSubqueryExpression = termExpression("x");
    bare.psSubqueryExpression->uQueryExpression.psTerm.reset();
    bare.ppsresultsByDB.emplace()->sDatabases.eResultsByDBChoiceType = RBDSCT_List;
    EXPECT_EQ(printSearchResultContent(external),
              "psUserInfoSearchResult1:\nppsSearchInfoReport:\npsSearchInfoReport:\npsSubqueryId: NULL\n"
              "fFullQuery: KIV_FALSE\npsSubqueryExpression:\neQueryExpressionType: QET_Term\npsTerm: NULL\n"
              "psSubqueryInterpretation: NULL\npsSubqueryRecommendation: NULL\npulSubqueryCount: NULL\n"
              "psSubqueryWeight: NULL\nppsresultsByDB:\npsresultsByDB:\nsDatabases:\n"
              "eResultsByDBChoiceType: RBDSCT_List\nppsList: NULL\npulCount: NULL\npsResultSetName: NULL\n");
    external.uExternalValue.psSingleASN1Type->uASN1.psUserInfoSearchResult1.reset();
    EXPECT_EQ(printSearchResultContent(external), "psUserInfoSearchResult1: NULL\n");
}

}  // namespace
}  // namespace search_result1_printer_cases
