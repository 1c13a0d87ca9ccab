#include "Quorvane/database/area_block.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace {

// Each case runs on a thread of its own, whose free blocks start empty.
template <typename Body>
void onFreshThread(Body body) {
    std::thread thread(body);
    thread.join();
}

TEST(AreaBlock, AGivenBackBlockServesTheNextFetchItHoldsTheSmallestFirst) {
    onFreshThread([] {
        char* large = nullptr;
        char* small = nullptr;
        {
            AreaBlock first(8192);
            AreaBlock second(2048);
            large = first.data();
            small = second.data();
        }
        AreaBlock fits(1000);
        EXPECT_EQ(fits.data(), small);
        EXPECT_EQ(fits.size(), 2048u);
        AreaBlock next(3000);
        EXPECT_EQ(next.data(), large);
        AreaBlock none(4000);
        EXPECT_EQ(none.size(), 4000u) << "no free block left: a new one of the size asked";
    });
}

TEST(AreaBlock, AThreadKeepsAFewBlocksTheLargestAndNoneAboveTheLimit) {
    onFreshThread([] {
        {
            std::vector<AreaBlock> blocks;
            for (std::size_t kb = 1; kb <= AreaBlock::kKeptBlocks + 1; ++kb) blocks.emplace_back(kb * 1024);
            blocks.emplace_back(AreaBlock::kLargestKept + 1);
        }
        // Kept: the kKeptBlocks largest of those within the limit; the 1 KB block made room.
        std::vector<AreaBlock> again;
        for (std::size_t i = 0; i < AreaBlock::kKeptBlocks; ++i) again.emplace_back(1);
        for (std::size_t i = 0; i < AreaBlock::kKeptBlocks; ++i) EXPECT_EQ(again[i].size(), (i + 2) * 1024);
        AreaBlock over(AreaBlock::kLargestKept + 1);
        EXPECT_EQ(over.size(), AreaBlock::kLargestKept + 1);
        AreaBlock fresh(1);
        EXPECT_EQ(fresh.size(), 1u);
    });
}

TEST(AreaBlock, AMovedBlockIsGivenBackOnceByItsLastHolder) {
    onFreshThread([] {
        char* octets = nullptr;
        {
            AreaBlock first(512);
            octets = first.data();
            AreaBlock moved(std::move(first));
            AreaBlock assigned;
            assigned = std::move(moved);
            EXPECT_EQ(assigned.data(), octets);
        }
        AreaBlock reused(512);
        EXPECT_EQ(reused.data(), octets);
        AreaBlock other(512);
        EXPECT_NE(other.data(), octets) << "the block was kept once, not once per holder";
    });
}

}  // namespace
