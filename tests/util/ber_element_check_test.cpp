#include "toolkit/util/ber_element_check.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "toolkit/util/ber_limits.h"

namespace {

using Octets = std::vector<uint8_t>;

struct Answer {
    int result;
    int32_t missing;
};

// Checks the octets from a heap block of exactly their size, so a read past the end is caught by ASan.
Answer check(const Octets& octets, size_t count) {
    std::unique_ptr<uint8_t[]> exact(new uint8_t[count == 0 ? 1 : count]);
    std::copy(octets.begin(), octets.begin() + static_cast<std::ptrdiff_t>(count), exact.get());
    Answer answer{};
    answer.missing = -99;
    answer.result = BerDirElementComplete(exact.get(), static_cast<int32_t>(count), &answer.missing);
    return answer;
}

Answer check(const Octets& octets) {
    return check(octets, octets.size());
}

Octets nestedIndefinite(int levels, bool closed) {
    Octets octets;
    for (int i = 0; i < levels; ++i) octets.insert(octets.end(), {0x30, 0x80});
    octets.insert(octets.end(), {0x02, 0x01, 0x05});
    if (closed) {
        for (int i = 0; i < levels; ++i) octets.insert(octets.end(), {0x00, 0x00});
    }
    return octets;
}

struct Case {
    const char* name;
    Octets octets;
    int result;
    int32_t missing;
};

TEST(BerElementCompleteTest, AnswersFromHeaderAndNesting) {
    const std::vector<Case> cases = {
        {"definite whole", {0x30, 0x03, 0x02, 0x01, 0x05}, 1, 5},
        {"definite one short", {0x30, 0x03, 0x02, 0x01}, 0, 1},
        {"identifier only", {0x30}, 0, 0},
        {"trailing octets belong to the next element", {0x30, 0x03, 0x02, 0x01, 0x05, 0xFF, 0x30}, 1, 5},
        {"indefinite whole", {0x30, 0x80, 0x02, 0x01, 0x05, 0x00, 0x00}, 1, 7},
        {"indefinite without last octet", {0x30, 0x80, 0x02, 0x01, 0x05, 0x00}, 0, 0},
        {"nested indefinite whole",
         {0x30, 0x80, 0xA1, 0x80, 0x02, 0x01, 0x05, 0x00, 0x00, 0x00, 0x00},
         1,
         11},
        {"nested indefinite, only inner end", {0x30, 0x80, 0xA1, 0x80, 0x02, 0x01, 0x05, 0x00, 0x00}, 0, 0},
        {"indefinite, nested definite unfinished", {0x30, 0x80, 0x04, 0x05, 0x41, 0x42}, 0, 0},
        {"long form incomplete", {0x30, 0x82, 0x01}, 0, 0},
        {"long form 256, no contents", {0x30, 0x82, 0x01, 0x00}, 0, 256},
        {"empty contents", {0x05, 0x00}, 1, 2},
        {"two-octet identifier", {0xBF, 0x81, 0x49, 0x00}, 1, 4},
        {"identifier still continuing", {0xBF, 0x81}, 0, 0},
        {"continuation octet 0x80 after the first", {0x9F, 0x81, 0x80, 0x00, 0x00}, 1, 5},
        {"largest definite total", {0x04, 0x84, 0x7F, 0xFF, 0xFF, 0xF9}, 0, 0x7FFFFFF9},
        {"no octets", {}, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Answer answer = check(c.octets);
        EXPECT_EQ(answer.result, c.result);
        EXPECT_EQ(answer.missing, c.missing);
    }
}

TEST(BerElementCompleteTest, MalformedIsToldApart) {
    const std::vector<Case> cases = {
        {"five length octets", {0x30, 0x85, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00}, -1, 0},
        {"five length octets, none present", {0x30, 0x85}, -1, 0},
        {"reserved length octet", {0x30, 0xFF}, -1, 0},
        {"length of 2^31", {0x30, 0x84, 0x80, 0x00, 0x00, 0x00}, -1, 0},
        {"length of 2^32 - 1", {0x04, 0x84, 0xFF, 0xFF, 0xFF, 0xFF}, -1, 0},
        {"total beyond 2^31 - 1", {0x04, 0x84, 0x7F, 0xFF, 0xFF, 0xFA}, -1, 0},
        {"indefinite primitive", {0x04, 0x80, 0x41, 0x00, 0x00}, -1, 0},
        {"padded tag number", {0x1F, 0x80, 0x01, 0x00}, -1, 0},
        {"tag number beyond 31 bits", {0x1F, 0x88, 0x80, 0x80, 0x80, 0x80, 0x00, 0x00}, -1, 0},
        {"malformed nested length", {0x30, 0x80, 0x04, 0x85, 0x00, 0x00, 0x00, 0x00, 0x01}, -1, 0},
        {"nested length of 2^31", {0x30, 0x80, 0x04, 0x84, 0x80, 0x00, 0x00, 0x00, 0x00, 0x00}, -1, 0},
        {"indefinite primitive nested", {0x30, 0x80, 0x04, 0x80, 0x00, 0x00, 0x00, 0x00}, -1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Answer answer = check(c.octets);
        EXPECT_EQ(answer.result, kBerElementMalformed);
        EXPECT_EQ(answer.missing, 0);
    }
}

TEST(BerElementCompleteTest, NestingIsBounded) {
    const Answer deepest = check(nestedIndefinite(kBerMaxNesting, true));
    EXPECT_EQ(deepest.result, 1);
    EXPECT_EQ(deepest.missing, kBerMaxNesting * 4 + 3);

    EXPECT_EQ(check(nestedIndefinite(kBerMaxNesting + 1, true)).result, -1);
    // Hostile depth, unterminated and terminated: refused without exhausting anything.
    EXPECT_EQ(check(nestedIndefinite(10000, false)).result, -1);
    EXPECT_EQ(check(nestedIndefinite(10000, true)).result, -1);
}

// Every proper prefix of a well-formed element is incomplete: never complete, never malformed, and the
// missing count, when known, is exact.
TEST(BerElementCompleteTest, EveryPrefixIsIncomplete) {
    struct Whole {
        Octets octets;
        size_t definiteHeader;  // 0 for an indefinite length
    };
    const std::vector<Whole> elements = {
        {{0x30, 0x03, 0x02, 0x01, 0x05}, 2},
        {{0xBF, 0x81, 0x49, 0x06, 0x30, 0x80, 0x05, 0x00, 0x00, 0x00}, 4},
        {{0x24, 0x82, 0x00, 0x03, 0x04, 0x01, 0x41}, 4},
        {{0x30, 0x80, 0xA1, 0x80, 0x02, 0x01, 0x05, 0x00, 0x00, 0x04, 0x81, 0x02, 0x41, 0x42, 0x00, 0x00}, 0},
        {nestedIndefinite(40, true), 0},
    };
    for (const Whole& element : elements) {
        const size_t size = element.octets.size();
        ASSERT_EQ(check(element.octets).result, 1);
        ASSERT_EQ(check(element.octets).missing, static_cast<int32_t>(size));
        for (size_t count = 0; count < size; ++count) {
            SCOPED_TRACE(testing::Message() << "element of " << size << ", count " << count);
            const Answer answer = check(element.octets, count);
            EXPECT_EQ(answer.result, 0);
            const bool lengthKnown = element.definiteHeader != 0 && count >= element.definiteHeader;
            EXPECT_EQ(answer.missing, lengthKnown ? static_cast<int32_t>(size - count) : 0);
        }
    }
}

TEST(BerElementCompleteTest, NullOctetsAreNothingYet) {
    int32_t missing = -99;
    EXPECT_EQ(BerDirElementComplete(nullptr, 5, &missing), 0);
    EXPECT_EQ(missing, 0);
}

TEST(BerHeaderReaderTest, TagOctets) {
    struct TagCase {
        Octets octets;
        int result;
        int32_t tag;
    };
    const std::vector<TagCase> cases = {
        {{0x02}, 1, 2},
        {{0xBE}, 1, 30},
        {{0xBF, 0x1F}, 2, 31},
        {{0xBF, 0x81, 0x49}, 3, 201},
        {{0x9F, 0x81, 0x80, 0x00}, 4, 16384},
        {{0x1F, 0x87, 0xFF, 0xFF, 0xFF, 0x7F}, 6, 0x7FFFFFFF},
        {{0xBF, 0x81}, 0, -1},
        {{}, 0, -1},
        {{0x1F, 0x80, 0x01}, -1, -1},
        {{0x1F, 0x88, 0x80, 0x80, 0x80, 0x00}, -1, -1},
    };
    for (const TagCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "case of " << c.octets.size() << " octets, tag " << c.tag);
        int32_t tag = 0;
        EXPECT_EQ(BerDirTagOctets(&tag, c.octets.data(), static_cast<int32_t>(c.octets.size())), c.result);
        EXPECT_EQ(tag, c.tag);
    }
}

TEST(BerHeaderReaderTest, LengthOctets) {
    struct LengthCase {
        Octets octets;
        int result;
        int32_t length;
    };
    const std::vector<LengthCase> cases = {
        {{0x00}, 1, 0},
        {{0x7F}, 1, 127},
        {{0x80}, 1, -1},
        {{0x81, 0x80}, 2, 128},
        {{0x82, 0x01, 0x00}, 3, 256},
        {{0x84, 0x7F, 0xFF, 0xFF, 0xFF}, 5, 0x7FFFFFFF},
        {{0x82, 0x01}, 0, -1},
        {{}, 0, -1},
        {{0x84, 0x80, 0x00, 0x00, 0x00}, -1, -1},
        {{0x85, 0x00, 0x00, 0x00, 0x00, 0x01}, -1, -1},
        {{0xFF}, -1, -1},
    };
    for (const LengthCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "case of " << c.octets.size() << " octets, length " << c.length);
        int32_t length = 0;
        EXPECT_EQ(BerDirLengthOctets(&length, c.octets.data(), static_cast<int32_t>(c.octets.size())),
                  c.result);
        EXPECT_EQ(length, c.length);
    }
}

}  // namespace
