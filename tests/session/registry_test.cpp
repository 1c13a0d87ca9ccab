#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "tests/session/session_fixture.h"
#include "toolkit/session/association_registry.h"
#include "toolkit/session/trace_registry.h"

namespace {

using AssociationRegistryTest = SessionFixture;

TEST_F(AssociationRegistryTest, RecordsAreAddedFoundAsCopiesAndRemoved) {
    SIAssociation record;
    record.lAssocId = 501;
    record.socketHandle = 17;
    record.peerAddress = "192.0.2.7";
    record.machine.state = 2;
    ASSERT_TRUE(siAddAssociation(record));

    std::optional<SIAssociation> found = siFindAssociation(501);
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->socketHandle, 17);
    EXPECT_EQ(found->peerAddress, "192.0.2.7");
    EXPECT_EQ(found->role, kSIRoleTarget);
    found->machine.state = 9;  // a copy: the registry keeps its own state
    EXPECT_EQ(siFindAssociation(501)->machine.state, 2);

    EXPECT_TRUE(siUpdateAssociation(501, [](SIAssociation& r) { r.socketHandle = 18; }));
    EXPECT_EQ(siFindAssociation(501)->socketHandle, 18);

    EXPECT_TRUE(siRemoveAssociation(501));
    EXPECT_FALSE(siFindAssociation(501).has_value());
    EXPECT_FALSE(siRemoveAssociation(501));
    EXPECT_FALSE(siUpdateAssociation(501, [](SIAssociation&) { ADD_FAILURE() << "updated an unknown id"; }));
}

TEST_F(AssociationRegistryTest, ASecondRecordOfARegisteredIdIsRefused) {
    registerAssociation(502, 5);
    SIAssociation other;
    other.lAssocId = 502;
    other.socketHandle = 99;
    EXPECT_FALSE(siAddAssociation(other));
    EXPECT_EQ(siFindAssociation(502)->machine.state, 5);
    EXPECT_EQ(siFindAssociation(502)->socketHandle, -1);
}

TEST_F(AssociationRegistryTest, RemovingOneLeavesTheOthers) {
    registerAssociation(503);
    registerAssociation(504);
    registerAssociation(505);
    EXPECT_TRUE(siRemoveAssociation(504));
    EXPECT_FALSE(siRemoveAssociation(506));
    EXPECT_TRUE(siFindAssociation(503).has_value());
    EXPECT_FALSE(siFindAssociation(504).has_value());
    EXPECT_TRUE(siFindAssociation(505).has_value());
}

TEST_F(AssociationRegistryTest, RemovingTheRecordKeepsTheTraceAndForgettingDropsBoth) {
    registerAssociation(507);
    trace(507, Trace_Low);
    EXPECT_TRUE(siRemoveAssociation(507));
    EXPECT_EQ(SIGetTraceLevel(507), Trace_Low);

    registerAssociation(508);
    trace(508, Trace_High, "trace508.txt");
    siForgetAssociation(508);
    EXPECT_FALSE(siFindAssociation(508).has_value());
    EXPECT_EQ(SIGetTraceLevel(508), Trace_None);
    SITraceWrite(508, Trace_Low, "after the abort\n");
    EXPECT_EQ(linesAfterBanner("trace508.txt"), "");
}

TEST_F(AssociationRegistryTest, ANewAssociationUnderAnOldIdStartsUntraced) {
    registerAssociation(509);
    trace(509, Trace_High);
    EXPECT_TRUE(siRemoveAssociation(509));  // released without ending its trace
    registerAssociation(509);
    EXPECT_EQ(SIGetTraceLevel(509), Trace_None);
    SITraceWrite(509, Trace_Low, "a line of the new association\n");
    EXPECT_EQ(linesAfterBanner("trace.txt"), "");
}

TEST_F(AssociationRegistryTest, CheckReportsTheStackOrCodes3And4) {
    createLog();
    registerAssociation(510, 2, kSIRoleTarget, kSIStackTcp);
    registerAssociation(511, 2, kSIRoleTarget, kSIStackOsi);
    registerAssociation(512, 2, kSIRoleTarget, 2);
    struct Case {
        KivAssocId id;
        int result;
        KivProtocolStack stack;
        SIErrorClass errorClass;
        long code;
        std::string diagnostic;
    };
    const Case cases[] = {
        {510, 0, TCP_Stack, SI_Communication_Error, 0, ""},
        {511, 0, OSI_Stack, SI_Communication_Error, 0, ""},
        {512, 1, Unknown_Stack, SI_OperatingSystem_Error, 4, "Association 512 has an invalid stack type"},
        {513, 1, Unknown_Stack, SI_Communication_Error, 3, "The association 513 is invalid"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        createLog();
        KivProtocolStack stack = Unknown_Stack;
        SIError* error = nullptr;
        EXPECT_EQ(SICheckAssociation(c.id, &stack, &error), c.result);
        EXPECT_EQ(stack, c.stack);
        if (c.result == 0) {
            EXPECT_EQ(error, nullptr);
            continue;
        }
        ASSERT_NE(error, nullptr);
        EXPECT_EQ(error->eErrorClass, c.errorClass);
        EXPECT_EQ(error->uErrorCode.lIfOsCoError, c.code);
        EXPECT_EQ(error->eAssociationState, Association_Closed);
        EXPECT_EQ(loggedDiagnostic(), c.diagnostic);
        SIFreeError(&error);
    }
}

TEST_F(AssociationRegistryTest, ACheckFailureOfATracedIdGoesToItsTrace) {
    createLog();
    registerAssociation(514);
    trace(514, Trace_Low);
    EXPECT_TRUE(siRemoveAssociation(514));
    SIError* error = nullptr;
    EXPECT_EQ(SICheckAssociation(514, nullptr, &error), 1);
    SIFreeError(&error);
    EXPECT_EQ(logText(), "");
    EXPECT_EQ(linesAfterBanner("trace.txt"),
              "An error has occured, Error structure is:\n"
              "eErrorClass == SI_Communication_Error\n"
              "uErrorCode.lIfOsCoError == 3\n"
              "Diagnostic: The association 514 is invalid\n"
              "eAssociationState == Association_Closed\n");
}

// Threads add, look up, change and remove their own associations while reading each other's; every thread
// must see its own records exactly as it left them, and the registry must end empty.
TEST_F(AssociationRegistryTest, ConcurrentAddFindRemoveKeepEachRecordWhole) {
    constexpr int kThreads = 8;
    constexpr int kRounds = 300;
    std::atomic<int> faults{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([t, &faults] {
            for (int round = 0; round < kRounds; ++round) {
                const KivAssocId id = 10000 + t * kRounds + round;
                SIAssociation record;
                record.lAssocId = id;
                record.socketHandle = static_cast<int>(id);
                record.peerAddress = "peer " + std::to_string(id);
                if (!siAddAssociation(record)) ++faults;
                siUpdateAssociation(id, [](SIAssociation& r) { r.machine.state = 3; });
                std::optional<SIAssociation> found = siFindAssociation(id);
                if (!found || found->socketHandle != id || found->peerAddress != record.peerAddress ||
                    found->machine.state != 3) {
                    ++faults;
                }
                siFindAssociation(10000 + ((t + 1) % kThreads) * kRounds + round);  // another thread's
                if (SICheckAssociation(id, nullptr, nullptr) != 0) ++faults;
                if (round % 2 == 0) {
                    if (!siRemoveAssociation(id)) ++faults;
                } else {
                    siForgetAssociation(id);
                }
                if (siFindAssociation(id)) ++faults;
            }
        });
    }
    for (std::thread& thread : threads) thread.join();
    EXPECT_EQ(faults.load(), 0);
    for (KivAssocId id = 10000; id < 10000 + kThreads * kRounds; ++id) {
        ASSERT_FALSE(siFindAssociation(id).has_value()) << id;
    }
}

}  // namespace
