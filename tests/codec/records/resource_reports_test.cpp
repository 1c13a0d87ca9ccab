// Byte-exact cases of the resource-1 and resource-2 report formats.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/codec/records/whole_value.h"
#include "tests/codec/z3950/generated_codec_harness.h"
#include "toolkit/codec/records/records_e.h"

namespace r = codec::records;

namespace {

// Two estimates, the second with a currency-code, and the message "ok".
const char* const kReport1 =
    "30 19 A1 13 30 06 81 01 01 82 01 0A 30 09 81 01 08 82 01 64 83 01 02 82 02 6F 6B";

size_t occurrences(const std::string& text, const std::string& part) {
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

TEST(ResourceReport, Report1) {
    expectCases(GENERATED_TYPE(r, ResourceReport1, kSequence),
                {
                    {"two estimates and a message", kReport1, 0},
                    {"[3] where message must be", "30 04 A1 00 83 00", -155},
                    {"message first", "30 04 82 02 6F 6B", -153},
                    {"estimates element not a SEQUENCE", "30 06 A1 02 31 00 82 00", -151},
                    {"octets left after message", "30 06 A1 00 82 00 05 00", -154},
                });
    expectCases(GENERATED_TYPE(r, Estimate1, kSequence),
                {
                    {"[4] after value", "30 08 81 01 01 82 01 0A 84 00", -132},
                    {"type missing", "30 03 82 01 0A", -129},
                    {"value missing", "30 06 81 01 01 83 01 01", -130},
                    {"octets left after currency-code", "30 0B 81 01 01 82 01 0A 83 01 01 05 00", -131},
                });

    const BerAnyEntry report1 = WHOLE_ENTRY(r, ResourceReport1);
    WholeOutcome whole = decodeWhole(report1, hexOctets(kReport1));
    ASSERT_EQ(whole.code, 0);
    EXPECT_EQ(whole.encoded, hexOctets(kReport1));
    EXPECT_EQ(occurrences(whole.printed, "currency-code 2"), 1u);
    EXPECT_EQ(decodeWhole(report1, hexOctets("A1 00")).code, -152);
}

TEST(ResourceReport, Report2) {
    expectCases(GENERATED_TYPE(r, ResourceReport2, kSequence),
                {
                    {"message only", "30 04 82 02 6F 6B", 0},
                    {"[3] after the estimates", "30 04 A1 00 83 00", -134},
                    {"octets left after message", "30 06 82 02 6F 6B 05 00", -133},
                    {"estimates element not a SEQUENCE", "30 04 A1 02 31 00", -128},
                });
    expectCases(GENERATED_TYPE(r, Estimate2, kSequence),
                {
                    {"string type, IntUnit value", "30 0D A1 04 81 02 6B 62 A2 05 81 01 05 A2 00", 0},
                    {"type not [1]", "30 02 A2 00", -101},
                    {"[3] where value must be", "30 08 A1 04 81 02 6B 62 A3 00", -103},
                    {"octets left after value", "30 0F A1 04 81 02 6B 62 A2 05 81 01 05 A2 00 05 00", -102},
                });

    const BerAnyEntry report2 = WHOLE_ENTRY(r, ResourceReport2Choice);
    WholeOutcome empty = decodeWhole(report2, hexOctets("30 00"));
    ASSERT_EQ(empty.code, 0);
    EXPECT_EQ(empty.encoded, hexOctets("30 00"));
    EXPECT_EQ(decodeWhole(report2, hexOctets("A1 00")).code, -157);

    // The holder prints the report's SEQUENCE with no label in front of it.
    WholeOutcome message = decodeWhole(report2, hexOctets("30 04 82 02 6F 6B"));
    EXPECT_THAT(message.printed, ::testing::StartsWith("{ -- SEQUENCE --\n"));
}

TEST(ResourceReport, EmptyReport2HasBothComponentsAbsent) {
    GeneratedType type = GENERATED_TYPE(r, ResourceReport2Choice, 0);
    GeneratedRecord record(type);
    ASSERT_EQ(decodeElement(type, hexOctets("30 00"), record.get()).code, 0);
    auto* choice = static_cast<r::ResourceReport2Choice*>(record.get());
    ASSERT_EQ(choice->choiceId, 0);
    ASSERT_NE(choice->resourceReport2, nullptr);
    EXPECT_EQ(choice->resourceReport2->estimates, nullptr);
    EXPECT_EQ(choice->resourceReport2->message.octets, nullptr);
}

}  // namespace
