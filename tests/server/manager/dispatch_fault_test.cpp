// A request whose worker can allocate nothing at all: its handler can send neither its answer, nor the
// failure form, nor a Close, and its failure escapes to the dispatcher. The dispatcher ends the connection,
// so that the client is not left waiting, and the worker thread lives on. This program replaces the global
// operator new to make every allocation of the worker threads fail.
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>
#include <thread>

#include "Quorvane/manager/association_manager.h"
#include "Quorvane/manager/association_slots.h"
#include "Quorvane/association/session_table.h"
#include "tests/server/replaced_operator_new.h"
#include "tests/server/scan/handler_road_fixture.h"
#include "toolkit/api/kiv_close.h"

namespace {

const std::thread::id kTestThread = std::this_thread::get_id();
std::atomic<bool> failOtherThreads{false};

}  // namespace

void* testAllocate(std::size_t size) {
    if (failOtherThreads.load() && std::this_thread::get_id() != kTestThread) throw std::bad_alloc();
    void* block = std::malloc(size == 0 ? 1 : size);
    if (block == nullptr) throw std::bad_alloc();
    return block;
}

namespace {

class NoHost : public ConnectionHost {
  public:
    int dropConnection(KivAssocId) override { return 0; }
    void makeCurrent() override {}
};

class DispatchFault : public HandlerRoadTest {
  protected:
    // An open association of kId with its session and slot on a new socket pair: {target end, client end}.
    std::pair<int, int> openAssociation() {
        ReleaseSession(kId);
        siAbortAssociation(kId);
        auto [target, client] = socketPair();
        registerOn(kId, target, KIV_TS_OPEN);
        EXPECT_TRUE(SessionSetUp(kId, target));
        if (SlotLookup(kId) == 0) {
            EXPECT_GT(SlotTake(kId), 0);
        }
        return {target, client};
    }
};

TEST_F(DispatchFault, ARequestThatCanAnswerNothingEndsItsConnection) {
    ASSERT_TRUE(StartRequestWorkers());
    associate(KIV_TS_OPEN);  // the configuration and the catalogue
    auto [target, client] = openAssociation();
    auto connection = std::make_shared<platform::Connection>(::dup(target));
    const std::vector<std::uint8_t> close = closeOctets(CR_Finished);
    NoHost host;

    failOtherThreads = true;
    DispatchPdu(kId, close.data(), close.size(), host, connection);
    WaitForRequests();
    failOtherThreads = false;

    EXPECT_TRUE(connection->closed());
    pollfd ready{client, POLLIN, 0};
    ASSERT_EQ(::poll(&ready, 1, 10'000), 1);
    char octet = 0;
    EXPECT_EQ(::recv(client, &octet, 1, 0), 0) << "the connection ends without an answer";
    EXPECT_FALSE(FindSession(kId)->busy) << "the session is given back";

    // The worker that met the failure serves the next request.
    auto [nextTarget, nextClient] = openAssociation();
    DispatchPdu(kId, close.data(), close.size(), host,
                std::make_shared<platform::Connection>(::dup(nextTarget)));
    WaitForRequests();
    codec::z3950::PDU answer = decodeApdu(readApdu(nextClient));
    EXPECT_EQ(answer.choiceId, codec::z3950::PDU::kClose);
    codec::z3950::FreePDU(&answer);
}

}  // namespace
