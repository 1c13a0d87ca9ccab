#include "toolkit/session/state_event.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "tests/session/session_fixture.h"
#include "toolkit/session/state_machine.h"

namespace {

using StateEventTest = SessionFixture;

TEST_F(StateEventTest, EventsMoveTheRegisteredAssociationAndAreTraced) {
    registerAssociation(601, KIV_TS_CLOSED);
    SISetState(601, KIV_TS_ASSOC_INPROGRESS);
    trace(601, Trace_Low);
    SIError* error = nullptr;
    EXPECT_EQ(SIStateEvent(601, KIV_TE_IASSOCRESP_TRUE, &error), 0);
    EXPECT_EQ(SIStateEvent(601, KIV_TE_INITREQ_PDU, &error), 0);
    EXPECT_EQ(SIStateEvent(601, KIV_TE_INITRESP_TRUE, &error), 0);
    EXPECT_EQ(error, nullptr);
    EXPECT_EQ(SIGetState(601), KIV_TS_OPEN);
    EXPECT_EQ(linesAfterBanner("trace.txt"),
              "TARGET EVENT is: KIV_TE_IASSOCRESP_TRUE\n"
              "Current TARGET STATE is: KIV_TS_ASSOCIATION\n"
              "TARGET EVENT is: KIV_TE_INITREQ_PDU\n"
              "Current TARGET STATE is: KIV_TS_INIT_RECVD\n"
              "TARGET EVENT is: KIV_TE_INITRESP_TRUE\n"
              "Current TARGET STATE is: KIV_TS_OPEN\n");
}

TEST_F(StateEventTest, RefusedEventsReportTheirErrorBeforeTheEventLines) {
    struct Case {
        int stateBefore;
        int event;
        long code;
        int stateAfter;
        std::string message;
    };
    const Case cases[] = {
        {KIV_TS_OPEN, KIV_TE_SEARCHRESP, 80, KIV_TS_OPEN,
         "Event KIV_TE_SEARCHRESP is invalid for state KIV_TS_OPEN"},
        {KIV_TS_ASSOCIATION, KIV_TE_SEARCHREQ_PDU, 81, KIV_TS_ERROR,
         "Incoming event KIV_TE_SEARCHREQ_PDU is an error for state KIV_TS_ASSOCIATION"},
    };
    KivAssocId id = 610;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        registerAssociation(++id, c.stateBefore);
        const std::string name = "trace" + std::to_string(id) + ".txt";
        trace(id, Trace_Low, name);
        SIError* error = nullptr;
        EXPECT_EQ(SIStateEvent(id, c.event, &error), 1);
        ASSERT_NE(error, nullptr);
        EXPECT_EQ(error->eErrorClass, SI_Interface_Error);
        EXPECT_EQ(error->uErrorCode.lIfOsCoError, c.code);
        EXPECT_EQ(error->eAssociationState, Association_Open);
        SIFreeError(&error);
        EXPECT_EQ(SIGetState(id), c.stateAfter);
        EXPECT_EQ(linesAfterBanner(name),
                  "An error has occured, Error structure is:\n"
                  "eErrorClass == SI_Interface_Error\n"
                  "uErrorCode.lIfOsCoError == " +
                      std::to_string(c.code) + "\nDiagnostic: " + c.message +
                      "\neAssociationState == Association_Open\n"
                      "TARGET EVENT is: " +
                      siEventName(SIMachine::Target, c.event) +
                      "\nCurrent TARGET STATE is: " + siStateName(SIMachine::Target, c.stateAfter) + "\n");
    }
}

TEST_F(StateEventTest, AnOriginAssociationRunsTheOriginMachine) {
    registerAssociation(620, KIV_OS_OPEN, kSIRoleOrigin);
    trace(620, Trace_High);
    EXPECT_EQ(SIStateEvent(620, KIV_OE_SEARCHREQ, nullptr), 0);
    EXPECT_EQ(SIGetState(620), KIV_OS_SEARCH_SENT);
    EXPECT_EQ(linesAfterBanner("trace.txt"),
              "ORIGIN EVENT is: KIV_OE_SEARCHREQ\nCurrent ORIGIN STATE is: KIV_OS_SEARCH_SENT\n");
}

TEST_F(StateEventTest, UnknownAssociations) {
    createLog();
    SIError* error = nullptr;
    EXPECT_EQ(SIStateEvent(630, KIV_TE_SEARCHRESP, &error), 1);
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(error->uErrorCode.lIfOsCoError, 3);
    SIFreeError(&error);

    SISetState(630, KIV_TS_OPEN);  // changes nothing, and nobody gets the error
    EXPECT_FALSE(siFindAssociation(630).has_value());
    EXPECT_EQ(SIGetState(630), KIV_TS_ERROR);
    // The three errors are written down, though only the first was handed to a caller.
    const std::string log = logText();
    size_t written = 0;
    for (size_t at = log.find("The association 630 is invalid\n"); at != std::string::npos;
         at = log.find("The association 630 is invalid\n", at + 1)) {
        ++written;
    }
    EXPECT_EQ(written, 3u);
}

TEST_F(StateEventTest, WithoutStateCheckingEveryEventIsAcceptedUnchanged) {
    registerAssociation(640, KIV_TS_OPEN);
    SIStateChecking = 0;
    const int result = SIStateEvent(640, KIV_TE_SEARCHRESP, nullptr);
    const int unknown = SIStateEvent(641, KIV_TE_SEARCHRESP, nullptr);
    SIStateChecking = 1;
    EXPECT_EQ(result, 0);
    EXPECT_EQ(unknown, 0);
    EXPECT_EQ(SIGetState(640), KIV_TS_OPEN);
}

TEST_F(StateEventTest, AResourceControlRequestMovesTheStateOnlyWhenItExpectsAResponse) {
    registerAssociation(650, KIV_TS_SEARCH_RECVD);
    trace(650, Trace_Low);
    EXPECT_EQ(SIStateEvent(650, KIV_OE_RESCNTREQ, nullptr), 0);
    EXPECT_EQ(SIGetState(650), KIV_TS_SEARCH_RECVD);
    EXPECT_EQ(linesAfterBanner("trace.txt"), "");

    siSetResourceControlResponseRequired(650, 1);
    EXPECT_EQ(SIStateEvent(650, KIV_OE_RESCNTREQ, nullptr), 0);
    EXPECT_EQ(SIGetState(650), KIV_TS_RESCNT_SENT);
    EXPECT_EQ(SIStateEvent(650, KIV_OE_RESCNTRSP_PDU, nullptr), 0);
    EXPECT_EQ(SIGetState(650), KIV_TS_SEARCH_RECVD);
}

// Each association returns to its own state after an access-control exchange, however the exchanges of
// different associations interleave.
TEST_F(StateEventTest, InterleavedExchangesReturnEachAssociationToItsOwnState) {
    registerAssociation(660, KIV_TS_SEARCH_RECVD);
    registerAssociation(661, KIV_TS_SCAN_RECVD);
    EXPECT_EQ(SIStateEvent(660, KIV_OE_ACCCNTREQ, nullptr), 0);
    EXPECT_EQ(SIStateEvent(661, KIV_OE_ACCCNTREQ, nullptr), 0);
    EXPECT_EQ(SIGetState(660), KIV_TS_ACCCNT_SENT);
    EXPECT_EQ(SIStateEvent(660, KIV_OE_ACCCNTRSP_PDU, nullptr), 0);
    EXPECT_EQ(SIStateEvent(661, KIV_OE_ACCCNTRSP_PDU, nullptr), 0);
    EXPECT_EQ(SIGetState(660), KIV_TS_SEARCH_RECVD);
    EXPECT_EQ(SIGetState(661), KIV_TS_SCAN_RECVD);
}

TEST_F(StateEventTest, ConcurrentAssociationsFollowTheirOwnMachines) {
    constexpr int kThreads = 8;
    constexpr int kRounds = 200;
    for (int t = 0; t < kThreads; ++t) registerAssociation(700 + t, KIV_TS_OPEN);
    std::atomic<int> refused{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([t, &refused] {
            const KivAssocId id = 700 + t;
            for (int round = 0; round < kRounds; ++round) {
                refused += SIStateEvent(id, KIV_TE_SEARCHREQ_PDU, nullptr);
                refused += SIStateEvent(id, KIV_OE_ACCCNTREQ, nullptr);
                refused += SIStateEvent(id, KIV_OE_ACCCNTRSP_PDU, nullptr);
                refused += SIStateEvent(id, KIV_TE_SEARCHRESP, nullptr);
            }
        });
    }
    for (std::thread& thread : threads) thread.join();
    EXPECT_EQ(refused.load(), 0);
    for (int t = 0; t < kThreads; ++t) EXPECT_EQ(SIGetState(700 + t), KIV_TS_OPEN);
}

}  // namespace
