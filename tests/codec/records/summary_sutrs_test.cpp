// Byte-exact cases of the Summary record syntax and of SUTRS.
#include <gtest/gtest.h>

#include "tests/codec/records/whole_value.h"
#include "tests/codec/z3950/generated_codec_harness.h"
#include "toolkit/codec/records/records_d.h"
#include "toolkit/codec/records/sutrs_record.h"

namespace r = codec::records;

namespace {

TEST(SummaryRecord, BriefBib) {
    expectCases(GENERATED_TYPE(r, BriefBib, kSequence),
                {
                    {"title only", "30 04 81 02 61 62", 0},
                    {"ending right after author", "30 08 81 02 61 62 82 02 63 64", 0},
                    {"title in constructed form is joined", "30 0A A1 08 04 02 61 62 04 02 63 64", 0,
                     "30 06 81 04 61 62 63 64"},
                    {"title missing", "30 04 82 02 63 64", -132},
                    {"second component [20]", "30 06 81 02 61 62 94 00", -134},
                    {"rank in constructed form", "30 09 81 02 61 62 AB 03 02 01 01", -134},
                    {"octets left after otherInfo", "30 0A 81 02 61 62 BF 81 49 00 05 00", -133},
                    {"format element not a SEQUENCE", "30 08 81 02 61 62 A6 02 31 00", -127},
                });
    expectCases(GENERATED_TYPE(r, FormatSpec, kSequence),
                {
                    {"type, size and bestPosn", "30 0A 81 02 61 62 82 01 05 83 01 01", 0},
                    {"type missing", "30 03 82 01 01", -111},
                    {"identifier of no component after type", "30 07 81 02 61 62 84 01 01", -113},
                    {"octets left after bestPosn", "30 09 81 02 61 62 83 01 01 05 00", -112},
                });
    expectCases(GENERATED_TYPE(r, BriefBibChoice, 0), {{"identifier not 0x30", "31 00", -149}});
}

TEST(SummaryRecord, TitleOnlyLeavesEveryOptionalComponentAbsent) {
    GeneratedType type = GENERATED_TYPE(r, BriefBibChoice, 0);
    GeneratedRecord record(type);
    ASSERT_EQ(decodeElement(type, hexOctets("30 04 81 02 61 62"), record.get()).code, 0);
    auto* choice = static_cast<r::BriefBibChoice*>(record.get());
    ASSERT_EQ(choice->choiceId, r::BriefBibChoice::kBriefBib);
    const r::BriefBib* bib = choice->briefBib;
    EXPECT_EQ(bib->title.length, 2);
    EXPECT_EQ(bib->author.octets, nullptr);
    EXPECT_EQ(bib->format, nullptr);
    EXPECT_EQ(bib->rank, nullptr);
    EXPECT_EQ(bib->abstract.octets, nullptr);
    EXPECT_EQ(bib->otherInfo, nullptr);
}

// A holder of another choiceId encodes to nothing, prints nothing and leaves the pointer alone.
TEST(SummaryRecord, HolderOfAnotherChoiceIdIsLeftAlone) {
    GeneratedType type = GENERATED_TYPE(r, BriefBibChoice, 0);
    r::BriefBib notOwned{};
    r::BriefBibChoice choice{};
    choice.choiceId = 1;
    choice.briefBib = &notOwned;
    uint8_t block[4];
    BerBuffer buf = berEncodeBuffer(block, sizeof block);
    EXPECT_EQ(r::EncodeBriefBibChoiceContent(buf, &choice), 0u);
    EXPECT_EQ(printRecord(type, &choice), "");
    r::FreeBriefBibChoice(&choice);
    EXPECT_EQ(choice.briefBib, &notOwned);
}

TEST(SutrsRecord, GeneralStringThroughTheRuntime) {
    const BerAnyEntry sutrs = WHOLE_ENTRY(r, SutrsRecord);
    WholeOutcome primitive = decodeWhole(sutrs, hexOctets("1B 03 61 62 63"));
    EXPECT_EQ(primitive.code, 0);
    EXPECT_EQ(primitive.consumed, 5u);
    EXPECT_EQ(primitive.encoded, hexOctets("1B 03 61 62 63"));
    EXPECT_EQ(primitive.printed, "'616263'H  -- \"abc\" --");

    WholeOutcome constructed = decodeWhole(sutrs, hexOctets("3B 0A 04 03 61 62 63 04 03 64 65 66"));
    EXPECT_EQ(constructed.code, 0);
    EXPECT_EQ(constructed.encoded, hexOctets("1B 06 61 62 63 64 65 66"));

    EXPECT_EQ(decodeWhole(sutrs, hexOctets("04 01 61")).code, -59);
}

}  // namespace
