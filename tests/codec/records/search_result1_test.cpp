// Byte-exact cases of the searchResult-1 format.
#include <gtest/gtest.h>

#include "tests/codec/records/whole_value.h"
#include "tests/codec/z3950/generated_codec_harness.h"
#include "toolkit/codec/records/records_f.h"

namespace r = codec::records;

namespace {

TEST(SearchResult1Format, Report) {
    const BerAnyEntry entry = WHOLE_ENTRY(r, SearchResult1);
    EXPECT_EQ(decodeWhole(entry, hexOctets("30 00")).encoded, hexOctets("30 00"));
    EXPECT_EQ(decodeWhole(entry, hexOctets("A0 00")).code, -245);
    EXPECT_EQ(decodeWhole(entry, hexOctets("A1 00")).code, -245);
    EXPECT_EQ(decodeWhole(entry, hexOctets("30 02 31 00")).code, -220);
    EXPECT_EQ(decodeWhole(entry, hexOctets("30 02 00 00")).code, -220);

    // The holder prints the list alone, one step deeper, with no label of its own.
    WholeOutcome one = decodeWhole(entry, hexOctets("30 05 30 03 82 01 FF"));
    ASSERT_EQ(one.code, 0);
    EXPECT_EQ(one.printed,
              "{ -- SEQUENCE OF -- \n"
              "        { -- SEQUENCE --\n"
              "            fullQuery TRUE\n"
              "        }\n"
              "    }");

    GeneratedType type = GENERATED_TYPE(r, SearchResult1, 0);
    GeneratedRecord record(type);
    ASSERT_EQ(decodeElement(type, hexOctets("30 00"), record.get()).code, 0);
    auto* report = static_cast<r::SearchResult1*>(record.get());
    EXPECT_EQ(report->choiceId, r::SearchResult1::kSearchInfoReport);
    ASSERT_NE(report->searchInfoReport, nullptr);  // present and empty
    EXPECT_EQ(report->searchInfoReport->count, 0);
}

TEST(SearchResult1Format, Entries) {
    expectCases(
        GENERATED_TYPE(r, SearchInfoReportEntry, kSequence),
        {
            {"fullQuery TRUE only", "30 03 82 01 FF", 0},
            {"every component but subqueryRecommendation",
             "30 2E 81 01 31 82 01 00 A3 08 A1 06 A1 04 9F 2D 01 61 A4 04 A2 02 80 00 86 01 05 A7 05 81 01 "
             "01 A2 00 A8 0C 30 0A A1 02 81 00 82 01 03 83 01 73",
             0},
            {"fullQuery then subqueryCount, indefinite", "30 80 82 01 00 86 01 05 00 00", 0,
             "30 06 82 01 00 86 01 05"},
            {"first identifier [3]", "30 02 A3 00", -217},
            // subqueryCount accepts only 0x86; the identifier is then not [8].
            {"subqueryCount in constructed form", "30 05 82 01 FF A6 00", -219},
            {"subqueryExpression [3]", "30 07 82 01 FF A3 02 A3 00", -182},
            {"octets left after resultsByDB", "30 07 82 01 FF A8 00 05 00", -218},
        });
    expectCases(GENERATED_TYPE(r, QueryExpressionTerm, kSequence),
                {
                    {"queryTerm and termComment", "30 08 A1 03 9F 2D 00 82 01 63", 0},
                    {"queryTerm missing", "30 02 82 00", -105},
                    {"[3] after queryTerm", "30 07 A1 03 9F 2D 00 83 00", -107},
                    {"octets left after termComment", "30 09 A1 03 9F 2D 00 82 00 05 00", -106},
                });
}

TEST(SearchResult1Format, ResultsByDatabase) {
    expectCases(GENERATED_TYPE(r, ResultsByDBEntry, kSequence),
                {
                    {"databases all: 0xA1 0x02 0x81 0x00", "30 04 A1 02 81 00", 0},
                    {"a list of two names, the second in constructed form",
                     "30 0E A1 0C A2 0A 9F 69 01 61 BF 69 03 04 01 62", 0,
                     "30 0C A1 0A A2 08 9F 69 01 61 9F 69 01 62"},
                    {"a name sent as a GeneralString", "30 06 A1 04 A2 02 1B 00", -108},
                    {"databases missing", "30 03 82 01 01", -139},
                    {"databases [3]", "30 04 A1 02 83 00", -138},
                    {"[4] after databases", "30 06 A1 02 81 00 84 00", -141},
                    {"octets left after resultSetName", "30 09 A1 02 81 00 83 01 73 05 00", -140},
                });
    expectCases(GENERATED_TYPE(r, ResultsByDB, kSequence),
                {{"element that is not a SEQUENCE", "30 02 31 00", -181}});
}

}  // namespace
