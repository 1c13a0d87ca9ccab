#include "Quorvane/memory/memory_budget.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace {

TEST(MemoryBudget, ARequestIsRefusedAtItsOwnLimitOrTheProcesssAndGivesBackWhatItHolds) {
    ProcessMemoryBudget process;
    process.setLimit(1000);
    {
        RequestMemory first(600, process);
        EXPECT_TRUE(first.reserve(400));
        EXPECT_FALSE(first.reserve(201)) << "past the request's limit";
        EXPECT_TRUE(first.refused());
        EXPECT_TRUE(first.reserve(200)) << "what fits after a refusal is reserved";

        RequestMemory second(0, process);
        EXPECT_TRUE(second.reserve(400));
        EXPECT_FALSE(second.reserve(1)) << "past the process's limit with the first request's 600";
        EXPECT_EQ(process.reserved(), 1000u);
    }
    EXPECT_EQ(process.reserved(), 0u);

    RequestMemory request(300, process);
    EXPECT_TRUE(request.reserve(300));
    request.release(200);
    EXPECT_TRUE(request.reserve(200)) << "octets given back count no more against the request";
    EXPECT_EQ(process.reserved(), 300u);
}

TEST(MemoryBudget, OctetsHandedOverOutliveTheRequestButStillCountAgainstIt) {
    ProcessMemoryBudget process;
    process.setLimit(1000);
    MemoryReservation kept;
    {
        RequestMemory request(500, process);
        ASSERT_TRUE(request.reserve(450));
        kept = request.take(400);
        EXPECT_EQ(kept.bytes(), 400u);
        EXPECT_EQ(request.held(), 50u);
        EXPECT_FALSE(request.reserve(100)) << "handed over, the 400 still count against the request";
        EXPECT_EQ(request.take(999).bytes(), 50u) << "no more than it holds";
    }
    EXPECT_EQ(process.reserved(), 400u);
    MemoryReservation moved = std::move(kept);
    EXPECT_EQ(kept.bytes(), 0u);
    moved.reset();
    EXPECT_EQ(process.reserved(), 0u);

    process.setLimit(0);
    RequestMemory unlimited(0, process);
    EXPECT_TRUE(unlimited.reserve(std::size_t{1} << 40));
}

TEST(MemoryBudget, ConcurrentRequestsNeverPassTheProcessLimit) {
    ProcessMemoryBudget process;
    constexpr std::size_t kLimit = 10000;
    process.setLimit(kLimit);
    std::vector<std::thread> threads;
    std::vector<std::size_t> held(8, 0);
    std::vector<MemoryReservation> kept(8);
    for (std::size_t t = 0; t < held.size(); ++t) {
        threads.emplace_back([&, t] {
            RequestMemory request(0, process);
            while (request.reserve(7)) {
            }
            held[t] = request.held();
            kept[t] = request.take(request.held());
        });
    }
    for (std::thread& thread : threads) thread.join();
    std::size_t total = 0;
    for (std::size_t octets : held) total += octets;
    EXPECT_LE(total, kLimit);
    EXPECT_GT(total, kLimit - 7 * held.size()) << "every request stopped only at the limit";
    EXPECT_EQ(process.reserved(), total);
}

}  // namespace
