#include "Quorvane/memory/tracked_alloc.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <limits>

namespace {

constexpr std::size_t kBeyondAllocator = static_cast<std::size_t>(std::numeric_limits<int32_t>::max()) + 1;

TEST(TrackedAlloc, BlocksAreZeroFilledAndZeroGivesOneOctet) {
    auto* one = static_cast<char*>(TrackedAlloc(0));
    ASSERT_NE(one, nullptr);
    EXPECT_EQ(one[0], 0);
    one[0] = 'x';
    TrackedFree(one);

    auto* block = static_cast<unsigned char*>(TrackedAlloc(64));
    ASSERT_NE(block, nullptr);
    for (int i = 0; i < 64; ++i) EXPECT_EQ(block[i], 0) << i;
    TrackedFree(block);
    TrackedFree(nullptr);
}

TEST(TrackedAlloc, SizesBeyondTheAllocatorFailInsteadOfWrapping) {
    EXPECT_EQ(TrackedAlloc(kBeyondAllocator), nullptr);
    EXPECT_EQ(TrackedAlloc(std::numeric_limits<std::size_t>::max()), nullptr);

    auto* block = static_cast<char*>(TrackedAlloc(4));
    ASSERT_NE(block, nullptr);
    std::memcpy(block, "abc", 4);
    EXPECT_EQ(TrackedRealloc(block, kBeyondAllocator), nullptr);
    EXPECT_STREQ(block, "abc");  // the block is kept on failure
    auto* grown = static_cast<char*>(TrackedRealloc(block, 1000));
    ASSERT_NE(grown, nullptr);
    EXPECT_STREQ(grown, "abc");
    TrackedFree(grown);
}

TEST(TrackedAlloc, StrDupAndShrink) {
    EXPECT_EQ(TrackedStrDup(nullptr), nullptr);
    const char* original = "SELECT KEY FROM TITLES";
    char* copy = TrackedStrDup(original);
    ASSERT_NE(copy, nullptr);
    EXPECT_NE(copy, original);
    EXPECT_STREQ(copy, original);
    TrackedFree(copy);

    auto* built = static_cast<char*>(TrackedAlloc(4096));
    ASSERT_NE(built, nullptr);
    std::strcpy(built, "short");
    char* text = built;
    TrackedShrink(&text);
    EXPECT_NE(text, built);  // replaced by an exact-size copy (ASan checks the old block was freed once)
    EXPECT_STREQ(text, "short");
    TrackedFree(text);

    char* none = nullptr;
    TrackedShrink(&none);
    EXPECT_EQ(none, nullptr);
    TrackedShrink(nullptr);
}

}  // namespace
