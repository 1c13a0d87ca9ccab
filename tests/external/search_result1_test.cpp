// searchResult-1 records through the codec on both identifiers, the members the rules send or receive
// differently, and validation with exact messages and paths. A record's trace prints every member, so two
// records that trace alike are equal.

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "tests/api/codec_external.h"
#include "tests/external/external_round_trip.h"
#include "tests/external/search_result1_samples.h"
#include "tests/util/process_log_fixture.h"
#include "tests/util/validation_messages.h"
#include "toolkit/api/kiv_check_external.h"
#include "toolkit/api/kiv_register_codec_types.h"
#include "toolkit/codec/records/records_f.h"

namespace search_result1_cases {
namespace {

namespace r = codec::records;
using namespace search_result1_test;

const std::string kSearchResult1Path = "psSearchRsp->psAdditionalSearchInfo->";
const std::string kSearchResult1Record =
    kSearchResult1Path + "uExternalValue.psSingleASN1Type->uASN1.psUserInfoSearchResult1";
const std::string kReport = kSearchResult1Record + "->ppsSearchInfoReport[0]->";

class SearchResult1Test : public ProcessLogFixture {
  protected:
    void SetUp() override {
        ProcessLogFixture::SetUp();
        KivRegisterCodecTypes();
    }
};

const KivUserInfoSearchResult1& recordOf(const KivExternal& external) {
    return *external.uExternalValue.psSingleASN1Type->uASN1.psUserInfoSearchResult1;
}

TEST_F(SearchResult1Test, FilledRecordRoundTripsOnBothArcs) {
    for (const char* oid : {"1.2.840.10003.10.1", "1.0.10163.10.1"}) {
        const KivExternal sent = record(oid);
        SIError* error = nullptr;
        EXPECT_EQ(KivCheckExternal(0, &sent, kSearchResult1Path, &error), 0) << oid;
        SIFreeError(&error);
        KivExternal received;
        externalRoundTrip(sent, &received);
        ASSERT_EQ(received.uExternalValue.psSingleASN1Type->eASN1Type, AT_UserInfoSearchResult1);
        EXPECT_EQ(traced(received), traced(sent)) << oid;
        EXPECT_NE(traced(sent).find("dogs"), std::string::npos);  // the query is in the comparison
    }
}

TEST_F(SearchResult1Test, MembersConvertByTheirRules) {
    KivExternal sent = record("1.2.840.10003.10.1");
    firstReport(sent).ppsresultsByDB[0]->psResultSetName = carried::text("");
    CodecExternal codec(sent);
    r::SearchResult1& value = codec.value<r::SearchResult1>();
    auto* report = element<r::SearchInfoReportEntry>(value.searchInfoReport, 0);
    auto* listed = element<r::ResultsByDBEntry>(report->resultsByDB, 0);
    auto* all = element<r::ResultsByDBEntry>(report->resultsByDB, 1);
    EXPECT_EQ(listed->resultSetName.octets, nullptr);
    EXPECT_EQ(ASN_ListCount(listed->databases->list), 2);
    EXPECT_EQ(all->databases->choiceId, r::ResultsByDBDatabases::kAll);
    EXPECT_EQ(all->databases->list, nullptr);
    {
        const KivExternal back = codec.back();
        EXPECT_FALSE(recordOf(back).ppsSearchInfoReport[0]->ppsresultsByDB[0]->psResultSetName);
    }
    // Alternatives the codec does not know arrive as -1.
    report->subqueryExpression->choiceId = r::QueryExpression::kAlternatives;
    all->databases->choiceId = r::ResultsByDBDatabases::kAlternatives;
    const KivExternal back = codec.back();
    const KivSearchInfoReport& received = *recordOf(back).ppsSearchInfoReport[0];
    EXPECT_EQ(received.psSubqueryExpression->eQueryExpressionType, QET_Invalid);
    EXPECT_EQ(received.ppsresultsByDB[1]->sDatabases.eResultsByDBChoiceType, RBDSCT_Invalid);
    report->subqueryExpression->choiceId = r::QueryExpression::kTerm;
    all->databases->choiceId = r::ResultsByDBDatabases::kAll;

    // An empty report array is sent as an empty list and comes back empty.
    KivExternal empty = record("1.0.10163.10.1");
    empty.uExternalValue.psSingleASN1Type->uASN1.psUserInfoSearchResult1->ppsSearchInfoReport =
        KivArray<KivSearchInfoReport>::emptyArray();
    KivExternal received2;
    externalRoundTrip(empty, &received2);
    EXPECT_TRUE(recordOf(received2).ppsSearchInfoReport.present());
    EXPECT_EQ(traced(received2), traced(empty));
}

struct SearchResult1FaultCase {
    const char* what;
    std::function<void(KivUserInfoSearchResult1&)> change;
    long code;
    std::string message;
};

using validation_messages::missing;
using validation_messages::outOfRange;

TEST_F(SearchResult1Test, EachFaultIsReportedWithItsPath) {
    auto report = [](KivUserInfoSearchResult1& r) -> KivSearchInfoReport& {
        return *r.ppsSearchInfoReport[0];
    };
    const std::vector<SearchResult1FaultCase> cases = {
        {"no report array", [](KivUserInfoSearchResult1& r) { r.ppsSearchInfoReport.reset(); }, 64,
         missing(kSearchResult1Record + "->ppsSearchInfoReport")},
        {"full query 2", [&](KivUserInfoSearchResult1& r) { report(r).fFullQuery = 2; }, 72,
         "Invalid boolean value " + kReport + "fFullQuery given"},
        {"expression type 3",
         [&](KivUserInfoSearchResult1& r) { report(r).psSubqueryExpression->eQueryExpressionType = 3; }, 66,
         outOfRange(kReport + "psSubqueryExpression->eQueryExpressionType")},
        {"interpretation without query",
         [&](KivUserInfoSearchResult1& r) {
             report(r).psSubqueryInterpretation->uQueryExpression.psQuery.reset();
         },
         64, missing(kReport + "psSubqueryInterpretation->uQueryExpression.psQuery")},
        {"query type",
         [&](KivUserInfoSearchResult1& r) {
             report(r).psSubqueryInterpretation->uQueryExpression.psQuery->eQueryType = 9;
         },
         66, outOfRange(kReport + "psSubqueryInterpretation->uQueryExpression.psQuery->eQueryType")},
        {"recommendation without term",
         [&](KivUserInfoSearchResult1& r) {
             report(r).psSubqueryRecommendation->uQueryExpression.psTerm.reset();
         },
         64, missing(kReport + "psSubqueryRecommendation->uQueryExpression.psTerm")},
        {"term type",
         [&](KivUserInfoSearchResult1& r) {
             report(r).psSubqueryRecommendation->uQueryExpression.psTerm->sQueryTerm.eTermType = 9;
         },
         66, outOfRange(kReport + "psSubqueryRecommendation->uQueryExpression.psTerm->sQueryTerm.eTermType")},
        {"databases type 0",
         [&](KivUserInfoSearchResult1& r) {
             report(r).ppsresultsByDB[1]->sDatabases.eResultsByDBChoiceType = 0;
         },
         66, outOfRange(kReport + "ppsresultsByDB[1]->sDatabases.eResultsByDBChoiceType")},
        {"database list missing",
         [&](KivUserInfoSearchResult1& r) {
             report(r).ppsresultsByDB[0]->sDatabases.uResultsByDBChoice.ppsList.reset();
         },
         64, missing(kReport + "ppsresultsByDB[0]->sDatabases.uResultsByDBChoice.ppsList")},
    };
    for (const SearchResult1FaultCase& c : cases) {
        createLog();
        KivExternal external = record("1.2.840.10003.10.1");
        c.change(*external.uExternalValue.psSingleASN1Type->uASN1.psUserInfoSearchResult1);
        SIError* error = nullptr;
        EXPECT_EQ(KivCheckExternal(3, &external, kSearchResult1Path, &error), 1) << c.what;
        ASSERT_NE(error, nullptr) << c.what;
        EXPECT_EQ(error->uErrorCode.lIfOsCoError, c.code) << c.what;
        EXPECT_EQ(loggedDiagnostic(), c.message) << c.what;
        SIFreeError(&error);
    }
}

}  // namespace
}  // namespace search_result1_cases
