#include "toolkit/util/memory.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(MemAlloc, GivesZeroFilledBlocksAndOneByteForZero) {
    auto* empty = static_cast<unsigned char*>(MemAlloc(0));
    auto* other = static_cast<unsigned char*>(MemAlloc(0));
    ASSERT_NE(empty, nullptr);
    ASSERT_NE(other, nullptr);
    EXPECT_NE(empty, other);
    EXPECT_EQ(empty[0], 0);

    auto* block = static_cast<unsigned char*>(MemAlloc(64));
    ASSERT_NE(block, nullptr);
    for (int i = 0; i < 64; ++i) EXPECT_EQ(block[i], 0) << i;
    MemFree(block);
    MemFree(other);
    MemFree(empty);
}

TEST(MemAlloc, NegativeSizeGivesNull) {
    EXPECT_EQ(MemAlloc(-1), nullptr);
}

TEST(MemRealloc, KeepsContentsUpToTheSmallerSize) {
    auto* block = static_cast<char*>(MemAlloc(4));
    std::memcpy(block, "abc", 4);
    block = static_cast<char*>(MemRealloc(block, 4096));
    ASSERT_NE(block, nullptr);
    EXPECT_STREQ(block, "abc");
    block = static_cast<char*>(MemRealloc(block, 2));
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(std::memcmp(block, "ab", 2), 0);
    MemFree(block);
}

TEST(MemRealloc, ZeroKeepsOneByteAndFailureKeepsTheBlock) {
    auto* block = static_cast<char*>(MemAlloc(8));
    block[0] = 'x';
    block = static_cast<char*>(MemRealloc(block, 0));
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(block[0], 'x');

    EXPECT_EQ(MemRealloc(block, -5), nullptr);
    EXPECT_EQ(block[0], 'x');  // still valid
    MemFree(block);
}

TEST(MemFree, NullDoesNothing) {
    MemFree(nullptr);
}
