// The Present handler answering over the connection, after a Search of the generated sample catalogue.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "Quorvane/handlers/request_handlers.h"
#include "Quorvane/handlers/search_handler.h"
#include "tests/server/scan/handler_road_fixture.h"
#include "tests/server/search/rpn_builder.h"

namespace {

using codec::z3950::NamePlusRecord;
using codec::z3950::NamePlusRecordRecord;
using codec::z3950::PDU;
using codec::z3950::Records;

class PresentRoadTest : public HandlerRoadTest {
  protected:
    // Searches the session's Default database for every record; answers the hit count.
    std::uint32_t searchEveryRecord() {
        KivSearchReq request;
        request.ppsDatabaseNames.emplace(KivInternationalString{"Default"});
        request.psQuery = std::make_unique<KivQuery>();
        request.psQuery->eQueryType = QT_Rpn;
        request.psQuery->uQuery.psRpnQuery = std::make_unique<KivRPNQuery>(
            rpn::query(rpn::operand({{1, 12}, {2, 5}}, rpn::general("0")), "1.2.840.10003.3.1"));
        KivSearchRsp response;
        FillSearchResponse(*FindSession(kId), request, response);
        return response.ulResultCount;
    }

    static KivTargetPdu presentPdu(std::uint32_t start, std::uint32_t count) {
        KivTargetPdu pdu;
        pdu.ePduType = TPT_PresentReq;
        pdu.uPdu.psPresentReq = std::make_unique<KivPresentReq>();
        KivPresentReq& request = *pdu.uPdu.psPresentReq;
        request.psReferenceId.reset(new KivOctets{std::string("p\0r", 3)});
        request.ulResultSetStartPoint = start;
        request.ulNumberOfRecordsRequested = count;
        request.pcPreferredRecordSyntax = "1.2.840.10003.5.10";
        return pdu;
    }
};

TEST_F(PresentRoadTest, RecordsAreSentAndTheAnswerLogged) {
    const int client = associate(KIV_TS_PRESENT_RECVD);
    ASSERT_EQ(searchEveryRecord(), static_cast<std::uint32_t>(GeneratedCatalogue::kRecords));
    HandlePresentRequest(kId, presentPdu(2, 3));

    PDU answer = decodeApdu(readApdu(client));
    ASSERT_EQ(answer.choiceId, PDU::kPresentResponse);
    const codec::z3950::PresentResponse& present = *answer.presentResponse;
    EXPECT_EQ(text(present.referenceId), std::string("p\0r", 3));
    EXPECT_EQ(present.numberOfRecordsReturned, 3);
    EXPECT_EQ(present.nextResultSetPosition, 5);
    EXPECT_EQ(present.presentStatus, PS_Success);
    ASSERT_NE(present.records, nullptr);
    ASSERT_EQ(present.records->choiceId, Records::kResponseRecords);
    const std::vector<NamePlusRecord*> records = elements<NamePlusRecord>(present.records->responseRecords);
    ASSERT_EQ(records.size(), 3u);
    for (const NamePlusRecord* record : records) {
        EXPECT_EQ(text(record->name), "DEFAULT") << "the name the Search made current";
        EXPECT_EQ(record->record->choiceId, NamePlusRecordRecord::kRetrievalRecord);
    }
    codec::z3950::FreePDU(&answer);
    EXPECT_EQ(loggedLines().back(), "Sent PresentResponse PDU from association id 4712");
    EXPECT_FALSE(FindSession(kId)->busy);
}

TEST_F(PresentRoadTest, RefusalIsSentAsADiagnostic) {
    const int client = associate(KIV_TS_PRESENT_RECVD);
    HandlePresentRequest(kId, presentPdu(1, 1));

    PDU answer = decodeApdu(readApdu(client));
    ASSERT_EQ(answer.choiceId, PDU::kPresentResponse);
    EXPECT_EQ(answer.presentResponse->presentStatus, PS_Failure);
    ASSERT_EQ(answer.presentResponse->records->choiceId, Records::kNonSurrogateDiagnostic);
    EXPECT_EQ(answer.presentResponse->records->nonSurrogateDiagnostic->condition, 30) << "no result set";
    codec::z3950::FreePDU(&answer);
    EXPECT_EQ(loggedLines().back(), "Sent PresentResponse PDU from association id 4712");
}

TEST_F(PresentRoadTest, WithoutASessionNothingIsAnswered) {
    auto [target, client] = socketPair();
    registerOn(kId, target, KIV_TS_PRESENT_RECVD);
    HandlePresentRequest(kId, presentPdu(1, 1));
    EXPECT_TRUE(readAvailable(client).empty());
    EXPECT_EQ(out_.str(), "");
}

}  // namespace
