// The generic tests every generated unit's table is run through (see generated_codec_harness.h).
#include <gtest/gtest.h>

#include "tests/codec/z3950/generated_codec_harness.h"

namespace {

TEST_P(GeneratedCodecTest, SamplesDecodeAndEncodeBackToTheSameOctets) {
    const GeneratedType& type = GetParam();
    for (const GeneratedSample& sample : type.samples) {
        SCOPED_TRACE(sample.name);
        GeneratedRecord record(type);
        DecodeOutcome outcome = decodeElement(type, sample.octets, record.get());
        ASSERT_EQ(outcome.code, 0);
        EXPECT_EQ(outcome.consumed, sample.octets.size());
        EXPECT_EQ(outcome.depthAfter, 0);
        EXPECT_EQ(encodeElement(type, record.get()), sample.octets);
    }
}

TEST_P(GeneratedCodecTest, SamplesPrintAsSpecified) {
    const GeneratedType& type = GetParam();
    for (const GeneratedSample& sample : type.samples) {
        SCOPED_TRACE(sample.name);
        GeneratedRecord record(type);
        ASSERT_EQ(decodeElement(type, sample.octets, record.get()).code, 0);
        EXPECT_EQ(printRecord(type, record.get()), sample.printed);
    }
}

TEST_P(GeneratedCodecTest, IndefiniteLengthsDecodeToTheSameValue) {
    const GeneratedType& type = GetParam();
    for (const GeneratedSample& sample : type.samples) {
        SCOPED_TRACE(sample.name);
        std::vector<uint8_t> indefinite = indefiniteForm(sample.octets);
        GeneratedRecord record(type);
        DecodeOutcome outcome = decodeElement(type, indefinite, record.get());
        ASSERT_EQ(outcome.code, 0);
        EXPECT_EQ(outcome.consumed, indefinite.size());
        EXPECT_EQ(encodeElement(type, record.get()), sample.octets);
    }
}

TEST_P(GeneratedCodecTest, EveryTruncationFailsWithACode) {
    const GeneratedType& type = GetParam();
    for (const GeneratedSample& sample : type.samples) {
        SCOPED_TRACE(sample.name);
        for (const std::vector<uint8_t>& whole : {sample.octets, indefiniteForm(sample.octets)}) {
            for (size_t cut = 0; cut < whole.size(); ++cut) {
                std::vector<uint8_t> prefix(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(cut));
                GeneratedRecord record(type);
                DecodeOutcome outcome = decodeElement(type, prefix, record.get());
                ASSERT_LT(outcome.code, 0) << "cut at " << cut;
                ASSERT_EQ(outcome.depthAfter, 0) << "cut at " << cut;
            }
        }
    }
}

// Free clears what it released: a second free, an encode and a print of the emptied record touch no released
// memory (the allocator or the sanitizer stops a double free or a use after free).
TEST_P(GeneratedCodecTest, FreedRecordsCanBeFreedEncodedAndPrintedAgain) {
    const GeneratedType& type = GetParam();
    for (const GeneratedSample& sample : type.samples) {
        SCOPED_TRACE(sample.name);
        GeneratedRecord record(type);
        ASSERT_EQ(decodeElement(type, sample.octets, record.get()).code, 0);
        type.free(record.get());
        type.free(record.get());
        EXPECT_LE(encodeElement(type, record.get()).size(), sample.octets.size());
        printRecord(type, record.get());
    }
}

// A record whose mandatory pointers are null encodes those components empty instead of following them.
TEST_P(GeneratedCodecTest, ZeroFilledRecordsEncodeAndPrintWithoutFollowingNullPointers) {
    const GeneratedType& type = GetParam();
    GeneratedRecord record(type);
    std::vector<uint8_t> octets = encodeElement(type, record.get());
    if (type.tag != 0) {
        EXPECT_GE(octets.size(), 2u);
    }
    EXPECT_FALSE(printRecord(type, record.get()).empty() && type.tag != 0);
}

}  // namespace
