// Waits with a limit: a wait of any number of seconds, however large, waits without overflowing the clock
// (the sanitizer build checks the arithmetic), and a signal neither ends a wait early nor fails it.
#include "toolkit/session/poll_wait.h"

#include <gtest/gtest.h>
#include <pthread.h>

#include <chrono>
#include <climits>
#include <csignal>
#include <thread>

#include "tests/session/transport_fixture.h"
#include "toolkit/api/kiv_close.h"
#include "toolkit/session/event_location.h"
#include "toolkit/session/receive_pdu.h"

namespace {

using std::chrono::milliseconds;
using Clock = std::chrono::steady_clock;

constexpr milliseconds kPeerDelay{50};

// Second counts past INT_MAX whose conversion to a clock's ticks overflows without the cap.
constexpr KivSecs kHugeWaits[] = {static_cast<KivSecs>(INT_MAX) + 1, 10'000'000'000'000L, KivSecs{1} << 62,
                                  LONG_MAX};

class PollWaitTest : public TransportFixture {
  protected:
    // Writes the octets to the socket after kPeerDelay, from another thread joined after the test.
    void writeLater(int socket, std::vector<uint8_t> octets) {
        writers_.emplace_back([socket, octets = std::move(octets)] {
            std::this_thread::sleep_for(kPeerDelay);
            writeAll(socket, octets);
        });
    }
    void TearDown() override {
        for (std::thread& writer : writers_) writer.join();
        TransportFixture::TearDown();
    }

  private:
    std::vector<std::thread> writers_;
};

TEST(WaitSecondsTest, PositiveSecondsAreCappedAtIntMaxSeconds) {
    struct Case {
        KivSecs secs;
        milliseconds limit;
    };
    const Case cases[] = {
        {1, milliseconds(1000)},
        {INT_MAX, std::chrono::seconds(INT_MAX)},
        {static_cast<KivSecs>(INT_MAX) + 1, kSILongestWait},
        {LONG_MAX, kSILongestWait},
        {0, milliseconds(0)},
        {LONG_MIN, milliseconds(0)},
    };
    for (const Case& c : cases) EXPECT_EQ(siWaitSeconds(c.secs), c.limit) << c.secs;
    EXPECT_EQ(kSILongestWait, std::chrono::seconds(INT_MAX));
}

TEST_F(PollWaitTest, AReceiveWithAHugeWaitWaitsForTheApdu) {
    KivAssocId id = 0;
    for (KivSecs secs : kHugeWaits) {
        ++id;
        auto [target, peer] = socketPair();
        registerOn(id, target, KIV_TS_OPEN);
        writeLater(peer, closeOctets(CR_Finished, "late"));
        codec::z3950::PDU pdu{};
        std::vector<uint8_t> octets;
        SIError* error = nullptr;
        EXPECT_EQ(SIReceivePdu(id, &pdu, target, secs, &octets, &error), kSIReceiveDecoded) << secs;
        EXPECT_EQ(pdu.choiceId, codec::z3950::PDU::kClose) << secs;
        EXPECT_EQ(error, nullptr) << secs;
        codec::z3950::FreePDU(&pdu);
        SIFreeError(&error);
    }
}

TEST_F(PollWaitTest, AnEventLocationWithAHugeWaitWaitsForTheConnection) {
    KivAssocId id = 10;
    for (KivSecs secs : kHugeWaits) {
        ++id;
        auto [target, peer] = socketPair();
        registerOn(id, target, KIV_TS_OPEN);
        writeLater(peer, {0x01});
        KivArray<KivAssocId> ids = KivArray<KivAssocId>::emptyArray();
        ids.emplace(id);
        std::unique_ptr<SIEventLocation> found;
        SIError* error = nullptr;
        EXPECT_EQ(SIGetEventLocation(ids, secs, KivArray<uint32_t>::emptyArray(), &found, &error), SI_OK)
            << secs;
        ASSERT_NE(found, nullptr) << secs;
        ASSERT_EQ(found->pplAssocId.size(), 1u) << secs;
        EXPECT_EQ(*found->pplAssocId.begin(), id);
        SIFreeError(&error);
    }
}

TEST_F(PollWaitTest, ALimitPastTheLongestWaitStillWaitsForTheEntry) {
    auto [watched, peer] = socketPair();
    writeLater(peer, {0x01});
    pollfd entry{watched, POLLIN, 0};
    EXPECT_EQ(siPollWithin(&entry, 1, milliseconds::max()), 1);
    EXPECT_NE(entry.revents & POLLIN, 0);
}

void ignoreSignal(int) {}

TEST_F(PollWaitTest, ASignalNeitherEndsNorFailsTheWait) {
    struct sigaction action {};
    struct sigaction previous {};
    action.sa_handler = ignoreSignal;  // no SA_RESTART: poll() fails with EINTR
    sigemptyset(&action.sa_mask);
    ASSERT_EQ(sigaction(SIGUSR1, &action, &previous), 0);
    const pthread_t waiter = pthread_self();
    std::thread signaller([waiter] {
        std::this_thread::sleep_for(kPeerDelay);
        pthread_kill(waiter, SIGUSR1);
    });

    auto [watched, peer] = socketPair();
    pollfd entry{watched, POLLIN, 0};
    const milliseconds limit = kPeerDelay * 4;
    const Clock::time_point start = Clock::now();
    EXPECT_EQ(siPollWithin(&entry, 1, limit), 0);
    EXPECT_GE(Clock::now() - start, limit);
    signaller.join();
    sigaction(SIGUSR1, &previous, nullptr);
    (void)peer;
}

}  // namespace
