// Byte-exact cases of the Search APDUs and the query types, and the nesting bound on received queries.
#include <gtest/gtest.h>

#include <string>

#include "tests/codec/z3950/generated_codec_harness.h"
#include "toolkit/codec/z3950/apdu_one.h"

namespace z = codec::z3950;

namespace {

// A leaf operand: [0] around the result set "a", indefinite.
const std::string kLeaf = "A0 80 9F 1F 01 61 00 00 ";

// An RPN query whose tree is `levels` operator nodes deep along rpn1.
std::vector<uint8_t> deepQuery(int levels) {
    std::string text = "30 80 06 01 2A ";
    for (int i = 0; i < levels; ++i) text += "A1 80 ";
    text += kLeaf;
    for (int i = 0; i < levels; ++i) text += kLeaf + "BF 2E 02 80 00 00 00 ";
    text += "00 00";
    return hexOctets(text);
}

TEST(GeneratedApduSearch, DeepQueriesStopAtTheNestingBound) {
    GeneratedType type = GENERATED_TYPE(z, RPNQuery, 0x30000000u);
    {
        GeneratedRecord record(type);
        DecodeOutcome outcome = decodeElement(type, deepQuery(100), record.get());
        EXPECT_EQ(outcome.code, 0);
    }
    GeneratedRecord record(type);
    DecodeOutcome outcome = decodeElement(type, deepQuery(100000), record.get());
    EXPECT_EQ(outcome.code, kBerNestingTooDeep);
    EXPECT_EQ(outcome.depthAfter, 0);
}

TEST(GeneratedApduSearch, Queries) {
    expectCases(GENERATED_TYPE(z, Query, 0),
                {
                    {"type-0 keeps its contents", "80 03 01 02 03", 0},
                    {"type-2 around a VisibleString", "A2 03 1A 01 61", -253},
                    {"type-100 around an OCTET STRING", "BF 64 03 04 01 61", 0},
                    {"[104] is no query type", "BF 68 00", -256},
                    {"type-SQL starting with a primitive [0]", "BF 67 06 80 01 01 81 01 61", -129},
                    {"type-SQL with the flag and a constructed expression",
                     "BF 67 0B A0 03 01 01 FF A1 04 04 02 61 62", 0, "BF 67 09 A0 03 01 01 FF 81 02 61 62"},
                    {"type-SQL flag around an INTEGER", "BF 67 08 A0 03 02 01 01 81 01 61", -127},
                    {"rpn operator node with and",
                     "A1 17 06 01 2A A1 12 A0 05 9F 1F 02 72 31 A0 04 9F 1F 01 32 BF 2E 02 80 00", 0},
                    {"operator without its [46] wrapper",
                     "A1 14 06 01 2A A1 0F A0 05 9F 1F 02 72 31 A0 04 9F 1F 01 32 80 00", -246},
                    {"a primitive prox operator",
                     "A1 17 06 01 2A A1 12 A0 05 9F 1F 02 72 31 A0 04 9F 1F 01 32 BF 2E 02 83 00", -179},
                    {"an and with contents",
                     "A1 18 06 01 2A A1 13 A0 05 9F 1F 02 72 31 A0 04 9F 1F 01 32 BF 2E 03 80 01 00", -17},
                    {"rpn that is neither [0] nor [1]", "A1 05 06 01 2A A2 00", -251},
                    {"operand resultAttr without attributes",
                     "A1 0E 06 01 2A A0 09 BF 81 56 05 9F 1F 01 61 00", -219},
                });
}

TEST(GeneratedApduSearch, ProximityAndAttributes) {
    GeneratedType proximity = GENERATED_TYPE(z, ProximityOperator, 0x30000000u);
    GeneratedRecord record(proximity);
    ASSERT_EQ(
        decodeElement(proximity, hexOctets("30 0E 82 01 01 83 01 00 84 01 02 A5 03 81 01 02"), record.get())
            .code,
        0);
    auto* value = static_cast<z::ProximityOperator*>(record.get());
    EXPECT_EQ(value->exclusion, nullptr);
    EXPECT_EQ(value->proximityUnitCode->known, 2);
    EXPECT_NE(printRecord(proximity, record.get()).find("proximityUnitCode known 2"), std::string::npos);
    expectCases(proximity,
                {{"unit code of no alternative", "30 0E 82 01 01 83 01 00 84 01 02 A5 03 83 01 02", -117},
                 {"relationType missing", "30 0B 82 01 01 83 01 00 A5 03 81 01 02", -123}});
    expectCases(GENERATED_TYPE(z, AttributeElement, 0x30000000u),
                {
                    {"complex with an empty list", "30 0A 9F 78 01 01 BF 81 60 02 A1 00", 0},
                    {"complex ending with [3]", "30 0D 9F 78 01 01 BF 81 60 04 A1 00 A3 00", -161},
                    {"attributeValue missing", "30 07 9F 78 01 01 9F 7A 00", -182},
                });
    expectCases(GENERATED_TYPE(z, Term, 0), {
                                                {"null", "9F 81 5D 00", 0},
                                                {"constructed numeric", "BF 81 57 00", -221},
                                            });
}

TEST(GeneratedApduSearch, SearchApdus) {
    const std::string mandatory = "8D 01 00 8E 01 01 8F 01 00 90 01 FF 91 01 61 B2 03 9F 69 00 ";
    const std::string query = "B5 0D A1 0B 06 01 2A A0 06 9F 1F 03 72 73 31";
    expectCases(
        GENERATED_TYPE(z, SearchRequest, 0x30000000u),
        {
            {"mandatory components", ("30 23 " + mandatory + query).c_str(), 0},
            {"preferredRecordSyntax before mediumSetElementSetNames",
             ("30 2D " + mandatory + "9F 68 01 2A BF 65 03 80 01 46 " + query).c_str(), -263},
            {"query missing", ("30 14 " + mandatory).c_str(), -26},
            {"indefinite, closed right after query", ("30 80 " + mandatory + query + " 00 00").c_str(), 0,
             ("30 23 " + mandatory + query).c_str()},
        });
    expectCases(GENERATED_TYPE(z, SearchResponse, 0x30000000u),
                {
                    {"records as a nonSurrogateDiagnostic",
                     "30 18 97 01 00 98 01 00 99 01 00 96 01 00 BF 81 02 08 06 01 2A 02 01 01 1B 00", 0},
                    {"presentStatus before resultSetStatus",
                     "30 12 97 01 00 98 01 00 99 01 00 96 01 00 9B 01 00 9A 01 00", -236},
                });
}

}  // namespace
