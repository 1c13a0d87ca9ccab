#include "toolkit/session/state_machine.h"

#include <gtest/gtest.h>

#include <array>
#include <sstream>
#include <string>
#include <vector>

#include "tests/util/process_log_fixture.h"
#include "toolkit/session/state_machine_names.h"

void PrintTo(SIEventOutcome outcome, std::ostream* out) {
    const char* names[] = {"Accepted", "Invalid", "Error"};
    *out << names[static_cast<int>(outcome)];
}

namespace {

struct Row {
    int event;
    std::string name;
    std::string cells;
};

// clang-format off
const std::vector<std::string> kTargetStates = {
    "KIV_TS_CLOSED",
    "KIV_TS_ASSOC_INPROGRESS",
    "KIV_TS_ASSOCIATION",
    "KIV_TS_INIT_RECVD",
    "KIV_TS_OPEN",
    "KIV_TS_SEARCH_RECVD",
    "KIV_TS_PRESENT_RECVD",
    "KIV_TS_DELETE_RECVD",
    "KIV_TS_SCAN_RECVD",
    "KIV_TS_RESOURCE_REPORT_RECVD",
    "KIV_TS_SORT_RECVD",
    "KIV_TS_EXTENDED_SERVICE_RECVD",
    "KIV_TS_ARELEASE_REQ_RECVD",
    "KIV_TS_CLOSE_SENT",
    "KIV_TS_CLOSE_RECVD",
    "KIV_TS_ERROR",
    "KIV_TS_DEAD",
    "KIV_TS_ACCCNT_SENT",
    "KIV_TS_RESCNT_SENT",
    "KIV_TS_TRIGRESCNT_RECVD",
};

const std::vector<std::string> kOriginStates = {
    "KIV_OS_CLOSED",
    "KIV_OS_ASSOCREQ_INPROGRESS",
    "KIV_OS_ASSOCIATION",
    "KIV_OS_INITSENT",
    "KIV_OS_OPEN",
    "KIV_OS_SEARCH_SENT",
    "KIV_OS_PRESENT_SENT",
    "KIV_OS_DELETE_SENT",
    "KIV_OS_SCAN_SENT",
    "KIV_OS_RESOURCE_REPORT_SENT",
    "KIV_OS_SORT_REQUEST_SENT",
    "KIV_OS_EXTENDED_SERVICE_SENT",
    "KIV_OS_RELEASEREQ_SENT",
    "KIV_OS_CLOSE_SENT",
    "KIV_OS_CLOSE_RCVD",
    "KIV_OS_ERROR",
    "KIV_OS_DEAD",
    "KIV_OS_ACCCNT_RCVD",
    "KIV_OS_RESCNT_RCVD",
    "KIV_OS_TRIGRESCNT_SENT",
};

// Each row: the event, its name, and its non-zero cells as "states -> cell; ...".
const std::vector<Row> kTargetRows = {
    {1, "KIV_TE_AASOCREQ_IND", "1 -> 2"},
    {2, "KIV_TE_IASSOCRESP_TRUE", "2 -> 3"},
    {3, "KIV_TE_IASSOCRESP_FALSE", "2 -> 17"},
    {4, "KIV_TE_INITREQ_PDU", "3 -> 4; 4-12, 15 -> 16"},
    {5, "KIV_TE_INITRESP_TRUE", "4 -> 5"},
    {6, "KIV_TE_INITRESP_FALSE", "4 -> 3"},
    {7, "KIV_TE_SEARCHREQ_PDU", "3-4, 6-12, 15 -> 16; 5 -> 6; 14 -> 14"},
    {8, "KIV_TE_SEARCHRESP", "6 -> 5"},
    {9, "KIV_TE_PRESENTREQ_PDU", "3-4, 6-12, 15 -> 16; 5 -> 7; 14 -> 14"},
    {10, "KIV_TE_PRESENTRESP", "7 -> 5"},
    {11, "KIV_TE_DELETEREQ_PDU", "3-4, 6-12, 15 -> 16; 5 -> 8; 14 -> 14"},
    {12, "KIV_TE_DELETERESP", "8 -> 5"},
    {13, "KIV_TE_SCANREQ_PDU", "3-4, 6-12, 15 -> 16; 5 -> 9; 14 -> 14"},
    {14, "KIV_TE_SCANRESP", "9 -> 5"},
    {15, "KIV_TE_RESOURCEREQ_PDU", "3-4, 6-12, 15 -> 16; 5 -> 10; 14 -> 14"},
    {16, "KIV_TE_RESOURCERESP", "10 -> 5"},
    {17, "KIV_TE_SORTREQ_PDU", "3-4, 6-12, 15 -> 16; 5 -> 11; 14 -> 14"},
    {18, "KIV_TE_SORTRESP", "11 -> 5"},
    {19, "KIV_TE_SEGMENTREQ", "7 -> 7"},
    {20, "KIV_TE_EXTENDEDREQ_PDU", "3-4, 6-12, 15 -> 16; 5 -> 12; 14 -> 14"},
    {21, "KIV_TE_EXTENDEDRESP", "12 -> 5"},
    {22, "KIV_TE_AREL_IND", "3, 5 -> 13; 4, 6-15 -> 16"},
    {23, "KIV_TE_IRELRESP", "13 -> 17"},
    {24, "KIV_TE_AABORT_IND", "2-16 -> 17"},
    {25, "KIV_TE_IABORTREQ", "2-16 -> 17"},
    {26, "KIV_TE_CLOSEREQ_PDU", "3-4 -> 16; 5-12, 16 -> 15; 14 -> 3"},
    {27, "KIV_TE_CLOSEREQ", "5-12, 16 -> 14"},
    {28, "KIV_TE_CLOSERESP", "15 -> 3"},
    {29, "KIV_TE_DECODE_FAILED", "3-12, 14-15 -> 16"},
    {30, "KIV_OE_ACCCNTREQ", "4, 6-12 -> 18"},
    {31, "KIV_OE_ACCCNTRSP_PDU", "18 -> 98"},
    {32, "KIV_OE_RESCNTREQ", "4, 6-12 -> 19"},
    {33, "KIV_OE_RESCNTRSP_PDU", "19 -> 99"},
    {34, "KIV_OE_TRIGRESCNTREQ_PDU", "6 -> 6; 7 -> 7; 8 -> 8; 9 -> 9; 10 -> 10; 11 -> 11; 12 -> 12; 13 -> 13; 14 -> 14; 15 -> 15"},
};

const std::vector<Row> kOriginRows = {
    {1, "KIV_OE_IASSOCREQ", "1 -> 2"},
    {2, "KIV_OE_AASSOCIATERESP_IND_TRUE", "2 -> 3"},
    {3, "KIV_OE_AASSOCIATERESP_IND_FALSE", "2 -> 17"},
    {4, "KIV_OE_INITREQ", "3 -> 4"},
    {5, "KIV_OE_INITRESP_PDU_TRUE", "3, 5-15 -> 16; 4 -> 5"},
    {6, "KIV_OE_INITRESP_PDU_FALSE", "3, 5-15 -> 16; 4 -> 3"},
    {7, "KIV_OE_SEARCHREQ", "5 -> 6"},
    {8, "KIV_OE_SEARCHRESP_PDU", "3-5, 7-12, 15 -> 16; 6 -> 5; 13 -> 13; 14 -> 14"},
    {9, "KIV_OE_PRESENTREQ", "5 -> 7"},
    {10, "KIV_OE_PRESENTRESP_PDU", "3-6, 8-12, 15 -> 16; 7 -> 5; 13 -> 13; 14 -> 14"},
    {11, "KIV_OE_DELETEREQ", "5 -> 8"},
    {12, "KIV_OE_DELETERESP_PDU", "3-7, 9-12, 15 -> 16; 8 -> 5; 13 -> 13; 14 -> 14"},
    {13, "KIV_OE_SCANREQ", "5 -> 9"},
    {14, "KIV_OE_SCANRESP_PDU", "3-8, 10-12, 15 -> 16; 9 -> 5; 13 -> 13; 14 -> 14"},
    {15, "KIV_OE_RESOURCEREQ", "5 -> 10"},
    {16, "KIV_OE_RESOURCERESP_PDU", "3-9, 11-12, 15 -> 16; 10 -> 5; 13 -> 13; 14 -> 14"},
    {17, "KIV_OE_SORTREQ", "5 -> 11"},
    {18, "KIV_OE_SORTRESP_PDU", "3-10, 12, 15 -> 16; 11 -> 5; 13 -> 13; 14 -> 14"},
    {19, "KIV_OE_SEGMENTREQ_PDU", "3-6, 8-12, 15 -> 16; 7 -> 7; 13 -> 13; 14 -> 14"},
    {20, "KIV_OE_EXTENDEDREQ", "5 -> 12"},
    {21, "KIV_OE_EXTENDEDRESP_PDU", "3-11, 15 -> 16; 12 -> 5; 13 -> 13; 14 -> 14"},
    {22, "KIV_OE_IRELREQ", "3, 5 -> 13"},
    {23, "KIV_OE_ARELREQ_IND", "3-15 -> 16"},
    {24, "KIV_OE_ARELRESP_IND", "3-12, 14-15 -> 16; 13 -> 17"},
    {25, "KIV_OE_AABORT_IND", "2-16 -> 17"},
    {26, "KIV_OE_IABORTREQ", "2-16 -> 17"},
    {27, "KIV_OE_CLOSEREQ_PDU", "3-4 -> 16; 5-12, 16 -> 15; 13 -> 13; 14 -> 3"},
    {28, "KIV_OE_CLOSEREQ", "5-12, 16 -> 14"},
    {29, "KIV_OE_CLOSERESP", "2 -> 17; 15 -> 3"},
    {30, "KIV_OE_DECODE_FAILED", "3-12, 14-15 -> 16"},
    {31, "KIV_OE_ACCCNTREQ_PDU", "4, 6-12 -> 18"},
    {32, "KIV_OE_ACCCNTRSP", "18 -> 98"},
    {33, "KIV_OE_RESCNTREQ_PDU", "4, 6-12 -> 19"},
    {34, "KIV_OE_RESCNTRSP", "19 -> 99"},
    {35, "KIV_OE_TRIGRESCNTREQ", "6 -> 6; 7 -> 7; 8 -> 8; 9 -> 9; 10 -> 10; 11 -> 11; 12 -> 12; 13 -> 13; 14 -> 14; 15 -> 15"},
};
// clang-format on

// The cells of a row by current state (index 1 to 20); 0 for the states the row does not list.
std::array<int, 21> expandCells(const std::string& cells) {
    std::array<int, 21> byState{};
    std::istringstream groups(cells);
    std::string group;
    while (std::getline(groups, group, ';')) {
        const size_t arrow = group.find("->");
        const int cell = std::stoi(group.substr(arrow + 2));
        std::istringstream ranges(group.substr(0, arrow));
        std::string range;
        while (std::getline(ranges, range, ',')) {
            const size_t dash = range.find('-');
            const int first = std::stoi(range);
            const int last = dash == std::string::npos ? first : std::stoi(range.substr(dash + 1));
            for (int state = first; state <= last; ++state) byState.at(state) = cell;
        }
    }
    return byState;
}

struct Machine {
    SIMachine kind;
    std::string role;
    const std::vector<std::string>& states;
    const std::vector<Row>& rows;
    int lastEvent;
};

const Machine kMachines[] = {
    {SIMachine::Target, "TARGET", kTargetStates, kTargetRows, kSILastTargetEvent},
    {SIMachine::Origin, "ORIGIN", kOriginStates, kOriginRows, kSILastOriginEvent},
};

std::string invalidMessage(const std::string& event, const std::string& state) {
    return "Event " + event + " is invalid for state " + state;
}

std::string errorMessage(const std::string& event, const std::string& state) {
    return "Incoming event " + event + " is an error for state " + state;
}

class StateMachineTest : public ProcessLogFixture {
  protected:
    // Reports the transition with the process log switched on and checks the result, the error record and
    // the logged message; an accepted event reports nothing.
    void expectReport(const SIStateTransition& transition, long code, const std::string& message) {
        createLog();
        SIError* error = nullptr;
        const SIResult result = siReportStateEvent(42, transition, &error);
        if (code == 0) {
            EXPECT_EQ(result, SI_OK);
            EXPECT_EQ(error, nullptr);
            EXPECT_EQ(logText(), "");
            return;
        }
        EXPECT_EQ(result, SI_NOTOK);
        ASSERT_NE(error, nullptr);
        EXPECT_EQ(error->eErrorClass, SI_Interface_Error);
        EXPECT_EQ(error->uErrorCode.lIfOsCoError, code);
        EXPECT_EQ(error->eAssociationState, Association_Open);
        EXPECT_EQ(loggedDiagnostic(), message);
        SIFreeError(&error);
    }
};

TEST(StateMachineNames, EveryStateAndEventHasItsNameAndNumbersOutsideAreEmpty) {
    for (const Machine& machine : kMachines) {
        ASSERT_EQ(machine.states.size(), static_cast<size_t>(kSILastState));
        ASSERT_EQ(machine.rows.size(), static_cast<size_t>(machine.lastEvent));
        for (int state = 1; state <= kSILastState; ++state) {
            EXPECT_EQ(siStateName(machine.kind, state), machine.states[state - 1]);
        }
        for (const Row& row : machine.rows) EXPECT_EQ(siEventName(machine.kind, row.event), row.name);
        for (int outside : {-1, 0, kSILastState + 1}) EXPECT_STREQ(siStateName(machine.kind, outside), "");
        for (int outside : {-1, 0, machine.lastEvent + 1})
            EXPECT_STREQ(siEventName(machine.kind, outside), "");
    }
    EXPECT_EQ(siMachineForRole(1), SIMachine::Origin);
    EXPECT_EQ(siMachineForRole(2), SIMachine::Target);
    EXPECT_EQ(siMachineForRole(0), SIMachine::Target);
}

// Every (event, state) pair of both tables: the outcome, the state in force, the saved state, the trace
// lines and the reported error.
TEST_F(StateMachineTest, EveryCellOfBothTables) {
    constexpr int kSaved = 11;
    for (const Machine& machine : kMachines) {
        for (const Row& row : machine.rows) {
            const std::array<int, 21> cells = expandCells(row.cells);
            for (int state = 1; state <= kSILastState; ++state) {
                SCOPED_TRACE(machine.role + " " + row.name + " in " + machine.states[state - 1]);
                SIStateMachine sm{state, kSaved, 1};
                const SIStateTransition t = siApplyStateEvent(sm, machine.kind, row.event);
                const int cell = cells[state];
                SIEventOutcome outcome = SIEventOutcome::Accepted;
                int after = cell;
                int saved = state;
                if (cell == 0) {
                    outcome = SIEventOutcome::Invalid;
                    after = state;
                    saved = kSaved;
                } else if (cell == 16) {
                    outcome = SIEventOutcome::Error;
                    saved = kSaved;
                } else if (cell == 98 || cell == 99) {
                    after = kSaved;
                    saved = kSaved;
                }
                EXPECT_EQ(t.outcome, outcome);
                EXPECT_EQ(t.machine, machine.kind);
                EXPECT_EQ(t.event, row.event);
                EXPECT_EQ(t.stateBefore, state);
                EXPECT_EQ(t.stateAfter, after);
                EXPECT_EQ(sm.state, after);
                EXPECT_EQ(sm.savedState, saved);
                EXPECT_EQ(sm.resourceControlResponseRequired, 1);
                EXPECT_TRUE(t.traced);
                const std::vector<std::string> lines = {
                    machine.role + " EVENT is: " + row.name + "\n",
                    "Current " + machine.role + " STATE is: " + machine.states[after - 1] + "\n"};
                EXPECT_EQ(siStateEventTraceLines(t), lines);
                const std::string& stateName = machine.states[state - 1];
                if (outcome == SIEventOutcome::Invalid) {
                    expectReport(t, 80, invalidMessage(row.name, stateName));
                } else if (outcome == SIEventOutcome::Error) {
                    expectReport(t, 81, errorMessage(row.name, stateName));
                } else {
                    expectReport(t, 0, "");
                }
            }
        }
    }
}

// A request that opens an access-control or resource-control exchange, and the response that ends it.
TEST(StateMachineExchanges, ResponseReturnsToTheStateTheRequestLeft) {
    struct Case {
        SIMachine kind;
        int from;
        int request;
        int during;
        int response;
    };
    const Case cases[] = {
        {SIMachine::Target, KIV_TS_INIT_RECVD, KIV_OE_ACCCNTREQ, KIV_TS_ACCCNT_SENT, KIV_OE_ACCCNTRSP_PDU},
        {SIMachine::Target, KIV_TS_EXTENDED_SERVICE_RECVD, KIV_OE_ACCCNTREQ, KIV_TS_ACCCNT_SENT,
         KIV_OE_ACCCNTRSP_PDU},
        {SIMachine::Target, KIV_TS_SEARCH_RECVD, KIV_OE_RESCNTREQ, KIV_TS_RESCNT_SENT, KIV_OE_RESCNTRSP_PDU},
        {SIMachine::Origin, KIV_OS_PRESENT_SENT, KIV_OE_ACCCNTREQ_PDU, KIV_OS_ACCCNT_RCVD, KIV_OE_ACCCNTRSP},
        {SIMachine::Origin, KIV_OS_SORT_REQUEST_SENT, KIV_OE_RESCNTREQ_PDU, KIV_OS_RESCNT_RCVD,
         KIV_OE_RESCNTRSP},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(siEventName(c.kind, c.request)) + " from " + siStateName(c.kind, c.from));
        SIStateMachine sm{c.from, 0, 1};
        EXPECT_EQ(siApplyStateEvent(sm, c.kind, c.request).outcome, SIEventOutcome::Accepted);
        EXPECT_EQ(sm.state, c.during);
        EXPECT_EQ(siApplyStateEvent(sm, c.kind, c.response).outcome, SIEventOutcome::Accepted);
        EXPECT_EQ(sm.state, c.from);
    }
}

TEST(StateMachineExchanges, AnotherAssociationsTransitionsDoNotMoveTheSavedState) {
    SIStateMachine serving{KIV_TS_SEARCH_RECVD, 0, 1};
    siApplyStateEvent(serving, SIMachine::Target, KIV_OE_ACCCNTREQ);
    ASSERT_EQ(serving.state, KIV_TS_ACCCNT_SENT);

    SIStateMachine other{KIV_TS_ASSOCIATION, 0, 1};
    siApplyStateEvent(other, SIMachine::Target, KIV_TE_INITREQ_PDU);
    siApplyStateEvent(other, SIMachine::Target, KIV_TE_INITRESP_TRUE);
    ASSERT_EQ(other.state, KIV_TS_OPEN);

    siApplyStateEvent(serving, SIMachine::Target, KIV_OE_ACCCNTRSP_PDU);
    EXPECT_EQ(serving.state, KIV_TS_SEARCH_RECVD);
}

// A resource-control request that expects no response changes nothing and writes no trace lines; every
// other event keeps to the table whatever the flag.
TEST_F(StateMachineTest, ResourceControlRequestWithoutResponse) {
    struct Case {
        SIMachine kind;
        int required;
        int state;
        int event;
        SIEventOutcome outcome;
        int after;
        bool traced;
    };
    constexpr auto kAccepted = SIEventOutcome::Accepted;
    const Case cases[] = {
        {SIMachine::Target, 0, KIV_TS_SEARCH_RECVD, KIV_OE_RESCNTREQ, kAccepted, KIV_TS_SEARCH_RECVD, false},
        {SIMachine::Target, 0, KIV_TS_ASSOCIATION, KIV_OE_RESCNTREQ, kAccepted, KIV_TS_ASSOCIATION, false},
        {SIMachine::Target, 0, KIV_TS_RESCNT_SENT, KIV_OE_RESCNTREQ, SIEventOutcome::Invalid,
         KIV_TS_RESCNT_SENT, false},
        {SIMachine::Target, 1, KIV_TS_SEARCH_RECVD, KIV_OE_RESCNTREQ, kAccepted, KIV_TS_RESCNT_SENT, true},
        {SIMachine::Target, 0, KIV_TS_RESCNT_SENT, KIV_OE_RESCNTRSP_PDU, kAccepted, KIV_TS_SCAN_RECVD, true},
        {SIMachine::Target, 0, KIV_TS_OPEN, KIV_TE_SEARCHREQ_PDU, kAccepted, KIV_TS_SEARCH_RECVD, true},
        {SIMachine::Origin, 0, KIV_OS_ASSOCIATION, KIV_OE_RESCNTREQ_PDU, kAccepted, KIV_OS_ASSOCIATION,
         false},
        {SIMachine::Origin, 0, KIV_OS_RESCNT_RCVD, KIV_OE_RESCNTREQ_PDU, kAccepted, KIV_OS_RESCNT_RCVD,
         false},
        {SIMachine::Origin, 0, KIV_OS_SEARCH_SENT, KIV_OE_ACCCNTREQ_PDU, kAccepted, KIV_OS_ACCCNT_RCVD, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(siEventName(c.kind, c.event)) + " in " + siStateName(c.kind, c.state) +
                     " with flag " + std::to_string(c.required));
        SIStateMachine sm{c.state, KIV_TS_SCAN_RECVD, c.required};
        const SIStateTransition t = siApplyStateEvent(sm, c.kind, c.event);
        EXPECT_EQ(t.outcome, c.outcome);
        EXPECT_EQ(sm.state, c.after);
        EXPECT_EQ(t.traced, c.traced);
        EXPECT_EQ(siStateEventTraceLines(t).size(), c.traced ? 2u : 0u);
        if (!c.traced) {
            EXPECT_EQ(sm.savedState, KIV_TS_SCAN_RECVD);
        }
    }

    SIStateMachine waiting{KIV_TS_RESCNT_SENT, KIV_TS_SEARCH_RECVD, 0};
    expectReport(siApplyStateEvent(waiting, SIMachine::Target, KIV_OE_RESCNTREQ), 80,
                 "Event KIV_OE_RESCNTREQ is invalid for state KIV_TS_RESCNT_SENT");
}

// An event or a state that no table has is refused as invalid and changes nothing.
TEST_F(StateMachineTest, NumbersOutsideTheTablesAreInvalid) {
    struct Case {
        SIMachine kind;
        int state;
        int event;
        std::string message;
    };
    const Case cases[] = {
        {SIMachine::Target, KIV_TS_OPEN, 0, invalidMessage("", "KIV_TS_OPEN")},
        {SIMachine::Target, KIV_TS_OPEN, kSILastTargetEvent + 1, invalidMessage("", "KIV_TS_OPEN")},
        {SIMachine::Origin, KIV_OS_OPEN, kSILastOriginEvent + 1, invalidMessage("", "KIV_OS_OPEN")},
        {SIMachine::Origin, KIV_OS_OPEN, -1, invalidMessage("", "KIV_OS_OPEN")},
        {SIMachine::Target, 0, KIV_TE_AABORT_IND, invalidMessage("KIV_TE_AABORT_IND", "")},
        {SIMachine::Target, kSILastState + 1, KIV_TE_AABORT_IND, invalidMessage("KIV_TE_AABORT_IND", "")},
        {SIMachine::Origin, -3, KIV_OE_AABORT_IND, invalidMessage("KIV_OE_AABORT_IND", "")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        SIStateMachine sm{c.state, KIV_TS_OPEN, 1};
        const SIStateTransition t = siApplyStateEvent(sm, c.kind, c.event);
        EXPECT_EQ(t.outcome, SIEventOutcome::Invalid);
        EXPECT_EQ(sm.state, c.state);
        EXPECT_EQ(sm.savedState, KIV_TS_OPEN);
        expectReport(t, 80, c.message);
    }
}

TEST(StateMachineChecking, StartsOn) {
    EXPECT_EQ(SIStateChecking.load(), 1);
}

}  // namespace
