// Byte-exact cases of the OPAC record syntax.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/codec/z3950/generated_codec_harness.h"
#include "toolkit/codec/records/records_d.h"
#include "toolkit/codec/z3950/external.h"

namespace r = codec::records;

namespace {

// bibliographicRecord, then holdingsData with a marcHoldingsRecord and a holdingsAndCirc (callNumber "QA" and
// one CircRecord); both EXTERNALs are USMARC, octet-aligned "abc".
const char* const kFullRecord =
    "30 35"
    " A1 0E 06 07 2A 86 48 CE 13 05 0A 81 03 61 62 63"
    " A2 23"
    "  A1 0E 06 07 2A 86 48 CE 13 05 0A 81 03 61 62 63"
    "  A2 11 8B 02 51 41 B3 0B 30 09 81 01 FF 86 01 00 87 01 00";

TEST(OpacRecord, RecordAndItsHolder) {
    expectCases(GENERATED_TYPE(r, OPACRecord, kSequence),
                {
                    {"neither component", "30 00", 0},
                    {"neither component, indefinite", "30 80 00 00", 0, "30 00"},
                    {"both components, holdings of both kinds", kFullRecord, 0},
                    {"holdingsData element under 0x30", "30 04 A2 02 30 00", -148},
                    {"stray identifier", "30 02 83 00", -154},
                    {"octets left after holdingsData", "30 04 A2 00 05 00", -153},
                    {"holdingsData in primitive form", "30 02 82 00", -154},
                });
    expectCases(GENERATED_TYPE(r, OPACRecordChoice, 0), {
                                                            {"empty record", "30 00", 0},
                                                            {"identifier not 0x30", "31 00", -155},
                                                        });
}

TEST(OpacRecord, HoldingsDecodeWithTheirAlternatives) {
    GeneratedType type = GENERATED_TYPE(r, OPACRecordChoice, 0);
    GeneratedRecord record(type);
    ASSERT_EQ(decodeElement(type, hexOctets(kFullRecord), record.get()).code, 0);
    auto* choice = static_cast<r::OPACRecordChoice*>(record.get());
    ASSERT_EQ(choice->choiceId, r::OPACRecordChoice::kOpacRecord);
    r::OPACRecord* opac = choice->opacRecord;
    ASSERT_NE(opac->bibliographicRecord, nullptr);
    EXPECT_EQ(opac->bibliographicRecord->octetAligned.length, 3);
    ASSERT_NE(opac->holdingsData, nullptr);
    ASSERT_EQ(opac->holdingsData->count, 2);
    auto* marc = *static_cast<r::HoldingsRecord**>(ASN_ListSlot(opac->holdingsData->first));
    auto* circ = *static_cast<r::HoldingsRecord**>(ASN_ListSlot(opac->holdingsData->last));
    EXPECT_EQ(marc->choiceId, r::HoldingsRecord::kMarcHoldingsRecord);
    ASSERT_EQ(circ->choiceId, r::HoldingsRecord::kHoldingsAndCirc);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(circ->holdingsAndCirc->callNumber.octets)), "QA");
    ASSERT_NE(circ->holdingsAndCirc->circulationData, nullptr);
    EXPECT_EQ(circ->holdingsAndCirc->circulationData->count, 1);
    // The holder prints the record alone, one step deeper, with no label of its own.
    std::string printed = printRecord(type, record.get());
    EXPECT_THAT(printed, ::testing::StartsWith("{ -- SEQUENCE --\n        bibliographicRecord {"));
    EXPECT_THAT(printed, ::testing::EndsWith("\n    }"));
}

TEST(OpacRecord, CircRecord) {
    GeneratedType type = GENERATED_TYPE(r, CircRecord, kSequence);
    expectCases(type, {
                          {"the three BOOLEANs only", "30 09 81 01 FF 86 01 00 87 01 FF", 0},
                          {"BOOLEAN 0x01 is true, written back as 0xFF", "30 09 81 01 01 86 01 00 87 01 01",
                           0, "30 09 81 01 FF 86 01 00 87 01 FF"},
                          {"first identifier not availableNow", "30 03 82 01 61", -106},
                          {"availableNow in constructed form", "30 05 A1 03 01 01 FF", -106},
                          {"renewable missing", "30 06 81 01 FF 87 01 00", -107},
                          {"onHold missing", "30 09 81 01 FF 86 01 00 88 01 61", -108},
                          {"restrictions after onHold", "30 0C 81 01 FF 86 01 00 87 01 00 84 01 61", -110},
                          {"octets left after temporaryLocation",
                           "30 0E 81 01 FF 86 01 00 87 01 00 8A 01 61 05 00", -109},
                      });
    GeneratedRecord record(type);
    ASSERT_EQ(decodeElement(type, hexOctets("30 0C 81 01 FF 82 01 61 86 01 00 87 01 00"), record.get()).code,
              0);
    EXPECT_THAT(printRecord(type, record.get()), ::testing::HasSubstr("\n    availablityDate '61'H"));
}

TEST(OpacRecord, HoldingsAndCircDataAndVolume) {
    expectCases(GENERATED_TYPE(r, HoldingsAndCircData, kSequence),
                {
                    {"volumes element not a SEQUENCE", "30 04 B2 02 31 00", -129},
                    {"circulationData element not a SEQUENCE", "30 04 B3 02 31 00", -128},
                    {"end-of-contents inside a definite circulationData", "30 04 B3 02 00 00", -128},
                    {"volumes in primitive form", "30 02 92 00", -131},
                    {"identifier of no component", "30 02 94 00", -131},
                    {"octets left after circulationData", "30 04 B3 00 05 00", -130},
                    {"a string in constructed form", "30 08 AB 06 04 01 51 04 01 41", 0, "30 04 8B 02 51 41"},
                });
    expectCases(GENERATED_TYPE(r, Volume, kSequence),
                {
                    {"empty", "30 00", 0},
                    {"all three", "30 09 81 01 31 82 01 32 83 01 33", 0},
                    {"out of order", "30 06 82 01 32 81 01 31", -105},
                    {"octets left after enumAndChron", "30 05 83 01 33 05 00", -104},
                });
}

}  // namespace
