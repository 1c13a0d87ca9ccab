// Waiting on several associations and descriptors at once: what is found readable, in which order, and the
// arguments the wait refuses.
#include "toolkit/session/event_location.h"

#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <thread>
#include <vector>

#include "tests/session/transport_fixture.h"

namespace {

class EventLocationTest : public TransportFixture {
  protected:
    struct Found {
        SIResult result;
        std::unique_ptr<SIEventLocation> location;
        SIError* error = nullptr;
        ~Found() { SIFreeError(&error); }
    };

    static KivArray<KivAssocId> ids(const std::vector<KivAssocId>& values) {
        KivArray<KivAssocId> array = KivArray<KivAssocId>::emptyArray();
        for (KivAssocId value : values) array.emplace(value);
        return array;
    }
    static KivArray<uint32_t> descriptors(const std::vector<int>& values) {
        KivArray<uint32_t> array = KivArray<uint32_t>::emptyArray();
        for (int value : values) array.emplace(static_cast<uint32_t>(value));
        return array;
    }
    static void wait(const KivArray<KivAssocId>& assocIds, KivSecs secs, const KivArray<uint32_t>& fds,
                     Found& found) {
        found.result = SIGetEventLocation(assocIds, secs, fds, &found.location, &found.error);
    }
    template <typename T>
    static std::vector<T> values(const KivArray<T>& array) {
        std::vector<T> out;
        for (const T& value : array) out.push_back(value);
        return out;
    }
    // Writes one octet to the socket, so that the other end of its pair is readable.
    static void makeReadable(int socket) { writeAll(socket, {0x01}); }
};

TEST_F(EventLocationTest, FindsWhatIsReadableInListOrder) {
    auto [quiet, quietPeer] = socketPair();
    auto [first, firstPeer] = socketPair();
    auto [second, secondPeer] = socketPair();
    auto [plain, plainPeer] = socketPair();
    auto [closedOne, closedPeer] = socketPair();
    registerOn(21, quiet, KIV_TS_OPEN);
    registerOn(22, first, KIV_TS_OPEN);
    registerOn(23, second, KIV_TS_OPEN);
    makeReadable(firstPeer);
    makeReadable(secondPeer);
    makeReadable(plainPeer);
    closeNow(closedPeer);  // the peer's end of the connection counts as readable

    Found found;
    wait(ids({23, 21, 22}), CALL_BLOCKING, descriptors({quietPeer, closedOne, plain}), found);
    EXPECT_EQ(found.result, SI_OK);
    EXPECT_EQ(found.error, nullptr);
    ASSERT_NE(found.location, nullptr);
    EXPECT_EQ(values(found.location->pplAssocId), (std::vector<KivAssocId>{23, 22}));
    EXPECT_EQ(values(found.location->ppulFileDescriptor),
              (std::vector<uint32_t>{static_cast<uint32_t>(closedOne), static_cast<uint32_t>(plain)}));
}

TEST_F(EventLocationTest, EitherListMayBeEmptyAndItsResultArrayIsThenEmpty) {
    auto [target, peer] = socketPair();
    registerOn(24, target, KIV_TS_OPEN);
    makeReadable(peer);
    Found byAssociation;
    wait(ids({24}), CALL_ASYNCHRONOUS, descriptors({}), byAssociation);
    ASSERT_NE(byAssociation.location, nullptr);
    EXPECT_EQ(values(byAssociation.location->pplAssocId), std::vector<KivAssocId>{24});
    EXPECT_TRUE(byAssociation.location->ppulFileDescriptor.present());
    EXPECT_EQ(byAssociation.location->ppulFileDescriptor.size(), 0u);

    Found byDescriptor;
    wait(ids({}), CALL_ASYNCHRONOUS, descriptors({target}), byDescriptor);
    ASSERT_NE(byDescriptor.location, nullptr);
    EXPECT_TRUE(byDescriptor.location->pplAssocId.present());
    EXPECT_EQ(byDescriptor.location->pplAssocId.size(), 0u);
    EXPECT_EQ(values(byDescriptor.location->ppulFileDescriptor),
              std::vector<uint32_t>{static_cast<uint32_t>(target)});
}

TEST_F(EventLocationTest, NothingReadableLeavesTheRecordAlone) {
    auto [target, peer] = socketPair();
    registerOn(25, target, KIV_TS_OPEN);
    Found found;
    wait(ids({25}), CALL_ASYNCHRONOUS, descriptors({peer}), found);
    EXPECT_EQ(found.result, SI_OK);
    EXPECT_EQ(found.location, nullptr);
    // Any value other than CALL_BLOCKING and a positive one looks once as well.
    wait(ids({25}), -7, descriptors({peer}), found);
    EXPECT_EQ(found.result, SI_OK);
    EXPECT_EQ(found.location, nullptr);
}

TEST_F(EventLocationTest, AWaitOfSecondsSeesWhatArrivesDuringIt) {
    auto [target, peer] = socketPair();
    registerOn(26, target, KIV_TS_OPEN);
    std::thread writer([peer = peer] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        makeReadable(peer);
    });
    Found found;
    wait(ids({26}), 30, descriptors({}), found);
    writer.join();
    ASSERT_NE(found.location, nullptr);
    EXPECT_EQ(values(found.location->pplAssocId), std::vector<KivAssocId>{26});
}

TEST_F(EventLocationTest, AnOsiAssociationIsNamedAndNotWatched) {
    auto [plain, plainPeer] = socketPair();
    registerOn(27, -1, KIV_TS_OPEN, kSIRoleTarget, kSIStackOsi);
    makeReadable(plainPeer);
    Found found;
    testing::internal::CaptureStdout();
    wait(ids({27}), CALL_BLOCKING, descriptors({plain}), found);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "SIGetEventLocation: OSI not supported\n");
    ASSERT_NE(found.location, nullptr);
    EXPECT_EQ(found.location->pplAssocId.size(), 0u);
    EXPECT_EQ(found.location->ppulFileDescriptor.size(), 1u);

    // With nothing left to watch the call returns at once rather than wait for ever.
    Found nothingWatched;
    testing::internal::CaptureStdout();
    wait(ids({27}), CALL_BLOCKING, descriptors({}), nothingWatched);
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(nothingWatched.result, SI_OK);
    EXPECT_EQ(nothingWatched.location, nullptr);
}

TEST_F(EventLocationTest, EntriesPastTheSixtyFourthAreLeftOut) {
    auto [quiet, quietPeer] = socketPair();
    auto [ready, readyPeer] = socketPair();
    makeReadable(readyPeer);
    std::vector<int> list(kSIEventLocationMaxEntries - 1, quiet);
    list.push_back(ready);
    Found within;
    wait(ids({}), CALL_ASYNCHRONOUS, descriptors(list), within);
    ASSERT_NE(within.location, nullptr);
    EXPECT_EQ(values(within.location->ppulFileDescriptor),
              std::vector<uint32_t>{static_cast<uint32_t>(ready)});

    list.insert(list.begin(), quiet);
    Found past;
    wait(ids({}), CALL_ASYNCHRONOUS, descriptors(list), past);
    EXPECT_EQ(past.result, SI_OK);
    EXPECT_EQ(past.location, nullptr);
    (void)quietPeer;
}

TEST_F(EventLocationTest, RefusedArguments) {
    createLog();
    struct RefusedCase {
        const char* name;
        KivArray<KivAssocId> assocIds;
        KivArray<uint32_t> fds;
        SIAssociationState state;
        std::string diagnostic;
    };
    RefusedCase cases[] = {
        {"no association list", KivArray<KivAssocId>(), descriptors({0}), Association_Closed,
         "SIGetEventLocation: pplAssocId must be NULL terminated list"},
        {"no descriptor list", ids({1}), KivArray<uint32_t>(), Association_Closed,
         "SIGetEventLocation: ppulFileDescriptor must be NULL terminated list"},
        {"both lists empty", ids({}), descriptors({}), Association_Unknown_State,
         "SIGetEventLocation: Association list and File Descriptor list cannot both be empty"},
    };
    for (const RefusedCase& c : cases) {
        SCOPED_TRACE(c.name);
        createLog();
        Found found;
        wait(c.assocIds, CALL_BLOCKING, c.fds, found);
        EXPECT_EQ(found.result, SI_NOTOK);
        EXPECT_EQ(found.location, nullptr);
        ASSERT_NE(found.error, nullptr);
        EXPECT_EQ(found.error->eErrorClass, SI_Interface_Error);
        EXPECT_EQ(found.error->uErrorCode.lIfOsCoError, 7);
        EXPECT_EQ(found.error->eAssociationState, c.state);
        EXPECT_EQ(loggedDiagnostic(),
                  "Function called with invalid parameters.\nDiagnostics: " + c.diagnostic);
    }
}

TEST_F(EventLocationTest, AnUnknownAssociationOrAClosedDescriptorEndsTheCall) {
    auto [target, peer] = socketPair();
    makeReadable(peer);
    Found unknown;
    wait(ids({28}), CALL_BLOCKING, descriptors({target}), unknown);
    EXPECT_EQ(unknown.result, SI_NOTOK);
    EXPECT_EQ(unknown.location, nullptr);
    ASSERT_NE(unknown.error, nullptr);
    EXPECT_EQ(unknown.error->uErrorCode.lIfOsCoError, 3);

    registerOn(29, target, KIV_TS_OPEN, kSIRoleTarget, 5);
    Found invalidStack;
    wait(ids({29}), CALL_BLOCKING, descriptors({}), invalidStack);
    EXPECT_EQ(invalidStack.result, SI_NOTOK);
    ASSERT_NE(invalidStack.error, nullptr);
    EXPECT_EQ(invalidStack.error->uErrorCode.lIfOsCoError, 4);

    struct ClosedCase {
        const char* name;
        uint32_t descriptor;
    };
    for (const ClosedCase& c :
         {ClosedCase{"not open", 999'999}, ClosedCase{"beyond any descriptor", UINT32_MAX}}) {
        SCOPED_TRACE(c.name);
        KivArray<uint32_t> fds = descriptors({target});
        fds.emplace(c.descriptor);
        Found closed;
        wait(ids({}), CALL_BLOCKING, fds, closed);
        EXPECT_EQ(closed.result, SI_NOTOK);
        EXPECT_EQ(closed.location, nullptr);
        ASSERT_NE(closed.error, nullptr);
        EXPECT_EQ(closed.error->eErrorClass, SI_Communication_Error);
        EXPECT_EQ(closed.error->uErrorCode.lIfOsCoError, 8);
        EXPECT_EQ(closed.error->eAssociationState, Association_Unknown_State);
    }
}

}  // namespace
