// Every handler under a failed allocation at points spread over its whole run: the request is still
// answered (its normal answer, or the failure form when the fault hit before the answer was sent), exactly
// once, and the session is given back. This program replaces the global operator new to inject the fault.
#include <gtest/gtest.h>
#include <poll.h>

#include <atomic>
#include <cstdlib>
#include <functional>
#include <new>
#include <string>

#include "Quorvane/handlers/request_handlers.h"
#include "Quorvane/handlers/search_handler.h"
#include "tests/server/replaced_operator_new.h"
#include "tests/server/scan/handler_road_fixture.h"
#include "tests/server/search/rpn_builder.h"

namespace {

std::atomic<long> allocations{0};
std::atomic<long> failingAllocation{0};  // the allocation, counted from 1, that throws; 0 for none

}  // namespace

void* testAllocate(std::size_t size) {
    const long number = ++allocations;
    if (number == failingAllocation.load()) throw std::bad_alloc();
    void* block = std::malloc(size == 0 ? 1 : size);
    if (block == nullptr) throw std::bad_alloc();
    return block;
}

namespace {

using codec::z3950::PDU;

struct HandlerCase {
    const char* name;
    int state;
    void (*handler)(KivAssocId, const KivTargetPdu&);
    std::function<KivTargetPdu()> request;
    int answerChoice;
    bool needsResultSet;
    std::function<bool(const PDU&)> isFailureForm;
};

bool isTemporarySystemError(const codec::z3950::Records* records) {
    return records != nullptr && records->choiceId == codec::z3950::Records::kNonSurrogateDiagnostic &&
           records->nonSurrogateDiagnostic->condition == 2;
}

KivTargetPdu searchPdu() {
    KivTargetPdu pdu;
    pdu.ePduType = TPT_SearchReq;
    pdu.uPdu.psSearchReq = std::make_unique<KivSearchReq>();
    pdu.uPdu.psSearchReq->ppsDatabaseNames.emplace(KivInternationalString{"Default"});
    pdu.uPdu.psSearchReq->psQuery = std::make_unique<KivQuery>();
    pdu.uPdu.psSearchReq->psQuery->eQueryType = QT_Rpn;
    pdu.uPdu.psSearchReq->psQuery->uQuery.psRpnQuery = std::make_unique<KivRPNQuery>(
        rpn::query(rpn::operand({{1, 12}, {2, 5}}, rpn::general("0")), "1.2.840.10003.3.1"));
    return pdu;
}

const HandlerCase kCases[] = {
    {"Init", KIV_TS_INIT_RECVD, HandleInitRequest,
     [] {
         KivTargetPdu pdu;
         pdu.ePduType = TPT_InitializeReq;
         pdu.uPdu.psInitializeReq = std::make_unique<KivInitializeReq>();
         pdu.uPdu.psInitializeReq->pcProtocolVersion = "111";
         pdu.uPdu.psInitializeReq->pcOptions = "11000001";
         pdu.uPdu.psInitializeReq->ulPreferredMessageSize = 65536;
         pdu.uPdu.psInitializeReq->ulMaxmiumMessageSize = 65536;
         return pdu;
     },
     PDU::kInitResponse, false, [](const PDU& answer) { return answer.initResponse->result == 0; }},
    {"Search", KIV_TS_SEARCH_RECVD, HandleSearchRequest, searchPdu, PDU::kSearchResponse, false,
     [](const PDU& answer) { return isTemporarySystemError(answer.searchResponse->records); }},
    {"Present", KIV_TS_PRESENT_RECVD, HandlePresentRequest,
     [] {
         KivTargetPdu pdu;
         pdu.ePduType = TPT_PresentReq;
         pdu.uPdu.psPresentReq = std::make_unique<KivPresentReq>();
         pdu.uPdu.psPresentReq->ulResultSetStartPoint = 1;
         pdu.uPdu.psPresentReq->ulNumberOfRecordsRequested = 5;
         pdu.uPdu.psPresentReq->pcPreferredRecordSyntax = "1.2.840.10003.5.10";
         return pdu;
     },
     PDU::kPresentResponse, true,
     [](const PDU& answer) { return isTemporarySystemError(answer.presentResponse->records); }},
    {"Scan", KIV_TS_SCAN_RECVD, HandleScanRequest,
     [] {
         KivTargetPdu pdu;
         pdu.ePduType = TPT_ScanReq;
         pdu.uPdu.psScanReq = std::make_unique<KivScanReq>();
         pdu.uPdu.psScanReq->ppsDatabaseNames.emplace(KivInternationalString{"Default"});
         pdu.uPdu.psScanReq->sAttributesPlusTerm =
             std::move(*rpn::attributesPlusTerm({{1, 21}}, rpn::general("history")));
         pdu.uPdu.psScanReq->ulNumberOfTermsRequested = 5;
         pdu.uPdu.psScanReq->pulPreferredPositionInResponse = 1;
         return pdu;
     },
     PDU::kScanResponse, false,
     [](const PDU& answer) { return answer.scanResponse->scanStatus == SCS_Failure; }},
    {"Close", KIV_TS_CLOSE_RECVD, HandleCloseRequest,
     [] {
         KivTargetPdu pdu;
         pdu.ePduType = TPT_CloseReq;
         pdu.uPdu.psCloseReq = std::make_unique<KivClose>();
         pdu.uPdu.psCloseReq->eCloseReason = CR_Finished;
         return pdu;
     },
     // A Close response that could not be sent leaves the association closing, so the retry is answered.
     PDU::kClose, false, [](const PDU&) { return false; }},
};

constexpr int64_t kSystemProblemCloseReason = 2;

class HandlerFaultTest : public HandlerRoadTest, public testing::WithParamInterface<HandlerCase> {
  protected:
    // Runs the request on a fresh association with the given allocation failing; answers the number of
    // allocations the handler made, or fails the test.
    long run(long failing, bool& failureForm) {
        const HandlerCase& c = GetParam();
        ReleaseSession(kId);
        siAbortAssociation(kId);
        const int client = associate(c.state);
        if (c.needsResultSet) {
            KivTargetPdu search = searchPdu();
            KivSearchRsp response;
            FillSearchResponse(*FindSession(kId), *search.uPdu.psSearchReq, response);
        }
        const KivTargetPdu pdu = c.request();

        allocations = 0;
        failingAllocation = failing;
        EXPECT_NO_THROW(c.handler(kId, pdu));
        failingAllocation = 0;
        const long made = allocations;

        EXPECT_FALSE(FindSession(kId)->busy) << "the session is given back";
        pollfd ready{client, POLLIN, 0};
        if (::poll(&ready, 1, 0) != 1) {
            ADD_FAILURE() << "no answer";
            return made;
        }
        PDU answer = decodeApdu(readApdu(client));
        // A fault inside the send of the answer itself leaves the fallback: a Close for a system problem.
        const bool fallbackClose = answer.choiceId == PDU::kClose && c.answerChoice != PDU::kClose &&
                                   answer.close->closeReason == kSystemProblemCloseReason;
        if (!fallbackClose) {
            EXPECT_EQ(answer.choiceId, c.answerChoice);
        }
        failureForm = answer.choiceId == c.answerChoice && c.isFailureForm(answer);
        codec::z3950::FreePDU(&answer);
        EXPECT_EQ(::poll(&ready, 1, 0), 0) << "one answer only";
        return made;
    }
};

TEST_P(HandlerFaultTest, AFailedAllocationAnywhereIsAnsweredAndGivesTheSessionBack) {
    bool failureForm = false;
    const long total = run(0, failureForm);
    EXPECT_FALSE(failureForm) << "without a fault the request succeeds";
    int failureForms = 0;
    for (long failing = 1; failing <= total; failing += failing / 2 + 1) {
        SCOPED_TRACE("allocation " + std::to_string(failing) + " of " + std::to_string(total));
        run(failing, failureForm);
        failureForms += failureForm ? 1 : 0;
        if (testing::Test::HasFailure()) break;
    }
    if (GetParam().answerChoice != PDU::kClose) {
        EXPECT_GT(failureForms, 0) << "some faults hit before the answer and got the failure form";
    }
}

INSTANTIATE_TEST_SUITE_P(Handlers, HandlerFaultTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<HandlerCase>& info) { return info.param.name; });

}  // namespace
