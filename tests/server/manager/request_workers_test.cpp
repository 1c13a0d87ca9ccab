#include "Quorvane/manager/request_workers.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace {

constexpr auto kDeadline = std::chrono::seconds(20);

TEST(RequestWorkers, RequestsOfOneAssociationRunOneAfterAnotherInOrder) {
    std::mutex mutex;
    std::vector<int> order;
    std::atomic<int> running{0};
    std::atomic<bool> overlapped{false};
    RequestWorkers workers;
    for (int i = 0; i < 20; ++i) {
        ASSERT_TRUE(workers.submit(5, [&, i] {
            if (++running > 1) overlapped = true;
            {
                std::lock_guard<std::mutex> lock(mutex);
                order.push_back(i);
            }
            --running;
        }));
    }
    workers.waitIdle();
    EXPECT_FALSE(overlapped);
    std::vector<int> expected(20);
    for (int i = 0; i < 20; ++i) expected[static_cast<std::size_t>(i)] = i;
    EXPECT_EQ(order, expected);
    EXPECT_FALSE(workers.active(5));
}

TEST(RequestWorkers, RequestsOfDifferentAssociationsRunAtTheSameTime) {
    std::promise<void> secondRan;
    std::future<void> secondRanFuture = secondRan.get_future();
    std::atomic<bool> firstSawSecond{false};
    RequestWorkers workers;
    // The first request can only finish in time when the second runs while it waits.
    ASSERT_TRUE(workers.submit(
        1, [&] { firstSawSecond = secondRanFuture.wait_for(kDeadline) == std::future_status::ready; }));
    ASSERT_TRUE(workers.submit(2, [&] { secondRan.set_value(); }));
    workers.waitIdle();
    EXPECT_TRUE(firstSawSecond);
}

TEST(RequestWorkers, ConcurrentSubmittersKeepEachAssociationInOrderWithFewerThreadsThanAssociations) {
    constexpr int kAssociations = 8;
    constexpr int kRequests = 300;
    struct Seen {
        std::atomic<bool> running{false};
        std::atomic<bool> overlapped{false};
        std::vector<int> order;  // touched only by the association's running request
    };
    std::vector<Seen> seen(kAssociations);
    {
        RequestWorkers workers(3);
        std::vector<std::thread> submitters;
        for (int a = 0; a < kAssociations; ++a) {
            submitters.emplace_back([&workers, &seen, a] {
                for (int i = 0; i < kRequests;) {
                    Seen& mine = seen[static_cast<std::size_t>(a)];
                    const bool taken = workers.submit(static_cast<KivAssocId>(100 + a), [&mine, i] {
                        if (mine.running.exchange(true)) mine.overlapped = true;
                        mine.order.push_back(i);
                        mine.running = false;
                    });
                    if (taken) {
                        ++i;
                    } else {
                        std::this_thread::yield();  // its queue is full: wait for the pool to catch up
                    }
                }
            });
        }
        for (std::thread& submitter : submitters) submitter.join();
        workers.waitIdle();
        for (int a = 0; a < kAssociations; ++a) EXPECT_FALSE(workers.active(static_cast<KivAssocId>(100 + a)));
    }
    for (const Seen& association : seen) {
        EXPECT_FALSE(association.overlapped);
        ASSERT_EQ(association.order.size(), static_cast<std::size_t>(kRequests));
        for (int i = 0; i < kRequests; ++i) EXPECT_EQ(association.order[static_cast<std::size_t>(i)], i);
    }
}

// A request that holds its thread until released, and says when it has started.
struct Blocker {
    std::promise<void> started;
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();

    std::function<void()> task() {
        return [this, released = released] {
            started.set_value();
            released.wait_for(kDeadline);
        };
    }
    bool waitStarted() { return started.get_future().wait_for(kDeadline) == std::future_status::ready; }
};

TEST(RequestWorkers, AThreadIsNeverHeldByTheRequestsWaitingBehindABusyAssociation) {
    Blocker blocker;
    std::atomic<int> ran{0};
    std::promise<void> allRan;
    constexpr int kOthers = 10;
    RequestWorkers workers(2);
    ASSERT_TRUE(workers.submit(1, blocker.task()));
    ASSERT_TRUE(blocker.waitStarted());
    for (int i = 0; i < 5; ++i) ASSERT_TRUE(workers.submit(1, [&ran] { ++ran; }));
    // With one thread held by association 1, the other serves every other association.
    for (int i = 0; i < kOthers; ++i) {
        ASSERT_TRUE(workers.submit(static_cast<KivAssocId>(2 + i % 3), [&] {
            if (++ran == kOthers) allRan.set_value();
        }));
    }
    EXPECT_EQ(allRan.get_future().wait_for(kDeadline), std::future_status::ready);
    blocker.release.set_value();
    workers.waitIdle();
    EXPECT_EQ(ran, kOthers + 5);
}

TEST(RequestWorkers, DroppedRequestsAreDestroyedUnrunAndTheEndRunsEveryOtherRequest) {
    Blocker blocker;
    std::atomic<int> ran{0};
    auto held = std::make_shared<int>(0);
    {
        RequestWorkers workers(3);
        ASSERT_TRUE(workers.submit(7, blocker.task()));
        ASSERT_TRUE(blocker.waitStarted());
        for (int i = 0; i < 4; ++i) ASSERT_TRUE(workers.submit(7, [&ran, held] { ++ran; }));
        workers.drop(7);
        EXPECT_EQ(held.use_count(), 1) << "what the dropped requests held is let go at once";
        EXPECT_TRUE(workers.active(7)) << "the running request goes on";
        for (int i = 0; i < 20; ++i)
            ASSERT_TRUE(workers.submit(static_cast<KivAssocId>(8 + i % 4), [&ran] { ++ran; }));
        blocker.release.set_value();
    }
    EXPECT_EQ(ran, 20) << "the end waited for every request taken and not dropped";
}

TEST(RequestWorkers, AnAssociationMayHaveOnlySoManyRequestsWaiting) {
    std::atomic<int> ran{0};
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    std::promise<void> started;
    RequestWorkers workers;  // declared last: its end waits for the tasks that use the objects above
    ASSERT_TRUE(workers.submit(3, [&started, released] {
        started.set_value();
        released.wait_for(kDeadline);
    }));
    ASSERT_EQ(started.get_future().wait_for(kDeadline), std::future_status::ready);
    for (std::size_t i = 0; i < RequestWorkers::kMaxWaiting; ++i) {
        ASSERT_TRUE(workers.submit(3, [&ran] { ++ran; })) << i;
    }
    EXPECT_FALSE(workers.submit(3, [&ran] { ++ran; }));
    EXPECT_TRUE(workers.submit(4, [&ran] { ++ran; })) << "other associations are not held up";
    EXPECT_TRUE(workers.active(3));

    release.set_value();
    workers.waitIdle();
    EXPECT_EQ(ran, static_cast<int>(RequestWorkers::kMaxWaiting) + 1);
    EXPECT_FALSE(workers.active(3));
    EXPECT_TRUE(workers.submit(3, [&ran] { ++ran; })) << "the association may queue again";
}

}  // namespace
