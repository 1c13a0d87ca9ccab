// Byte-exact cases of the Present APDUs and the record-composition types.
#include <gtest/gtest.h>

#include <string>

#include "tests/codec/z3950/generated_codec_harness.h"
#include "toolkit/codec/z3950/apdu_one.h"

namespace z = codec::z3950;

namespace {

// resultSetId "A", resultSetStartPoint 1, numberOfRecordsRequested 10.
const char* const kMandatoryPresent = "B8 0A 9F 1F 01 41 9E 01 01 9D 01 0A";

TEST(GeneratedApduPresent, PresentRequest) {
    expectCases(
        GENERATED_TYPE(z, PresentRequest, 0xB8000000u),
        {
            {"only the mandatory components", kMandatoryPresent, 0},
            {"simple element set name F", "B8 0F 9F 1F 01 41 9E 01 01 9D 01 0A B3 03 80 01 46", 0},
            {"simple of indefinite length", "B8 11 9F 1F 01 41 9E 01 01 9D 01 0A B3 80 80 01 46 00 00", 0,
             "B8 0F 9F 1F 01 41 9E 01 01 9D 01 0A B3 03 80 01 46"},
            {"complex holding only selectAlternativeSyntax",
             "B8 11 9F 1F 01 41 9E 01 01 9D 01 0A BF 81 51 03 81 01 FF", 0},
            {"maxRecordSize before maxSegmentCount",
             "B8 14 9F 1F 01 41 9E 01 01 9D 01 0A 9F 81 4E 01 05 9F 81 4C 01 01", -204},
            {"additionalRanges holding one Range",
             "B8 16 9F 1F 01 41 9E 01 01 9D 01 0A BF 81 54 08 30 06 81 01 01 82 01 0A", 0},
            {"a Range holding only [1], followed by the next element",
             "B8 18 9F 1F 01 41 9E 01 01 9D 01 0A BF 81 54 0A 30 03 81 01 01 30 03 81 01 02", -105},
            {"an additionalRanges element that is not a SEQUENCE",
             "B8 10 9F 1F 01 41 9E 01 01 9D 01 0A BF 81 54 02 31 00", -116},
            {"recordComposition [20]", "B8 0C 9F 1F 01 41 9E 01 01 9D 01 0A B4 00", -204},
            {"resultSetId missing", "B8 06 9E 01 01 9D 01 0A", -200},
            {"numberOfRecordsRequested before resultSetStartPoint", "B8 0A 9F 1F 01 41 9D 01 0A 9E 01 01",
             -201},
            {"resultSetStartPoint without numberOfRecordsRequested", "B8 07 9F 1F 01 41 9E 01 01 00 00",
             -202},
            {"a definite length larger than its components ending with otherInfo",
             "B8 0F 9F 1F 01 41 9E 01 01 9D 01 0A BF 81 49 00 00", -203},
            {"a constructed preferredRecordSyntax", "B8 0F 9F 1F 01 41 9E 01 01 9D 01 0A BF 68 02 06 00",
             -204},
        });

    GeneratedType type = GENERATED_TYPE(z, PresentRequest, 0xB8000000u);
    GeneratedRecord record(type);
    ASSERT_EQ(
        decodeElement(type, hexOctets("B8 0F 9F 1F 01 41 9E 01 01 9D 01 0A B3 03 80 01 46"), record.get())
            .code,
        0);
    auto* request = static_cast<z::PresentRequest*>(record.get());
    EXPECT_EQ(request->resultSetStartPoint, 1);
    EXPECT_EQ(request->numberOfRecordsRequested, 10);
    EXPECT_EQ(request->additionalRanges, nullptr);
    EXPECT_EQ(request->maxSegmentCount, nullptr);
    ASSERT_EQ(request->recordComposition->choiceId, z::PresentRequestRecordComposition::kSimple);
    z::ElementSetNames* names = request->recordComposition->simple;
    ASSERT_EQ(names->choiceId, z::ElementSetNames::kGenericElementSetName);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(names->genericElementSetName->octets),
                          names->genericElementSetName->length),
              "F");
}

TEST(GeneratedApduPresent, CompSpec) {
    expectCases(
        GENERATED_TYPE(z, CompSpec, 0xBF815100u),
        {
            {"only selectAlternativeSyntax", "BF 81 51 03 81 01 00", 0},
            {"selectAlternativeSyntax missing", "BF 81 51 02 A2 00", -186},
            {"a dbSpecific element", "BF 81 51 0F 81 01 00 A3 0A 30 08 A1 04 9F 69 01 44 A2 00", 0},
            {"a dbSpecific element whose [1] is of indefinite length",
             "BF 81 51 11 81 01 00 A3 0C 30 0A A1 80 9F 69 01 44 00 00 A2 00", 0,
             "BF 81 51 0F 81 01 00 A3 0A 30 08 A1 04 9F 69 01 44 A2 00"},
            {"db without its [1] wrapper", "BF 81 51 0C 81 01 00 A3 07 30 05 9F 69 02 44 42", -149},
            {"db wrapping a GeneralString", "BF 81 51 0D 81 01 00 A3 08 30 06 A1 04 1B 02 44 42", -148},
            {"db followed by the next element", "BF 81 51 0F 81 01 00 A3 0A 30 06 A1 04 9F 69 01 44 30 00",
             -151},
            {"a dbSpecific element that is not a SEQUENCE", "BF 81 51 07 81 01 00 A3 02 04 00", -153},
            {"a recordSyntax element that is an OCTET STRING", "BF 81 51 07 81 01 00 A4 02 04 00", -100},
            {"recordSyntax before dbSpecific", "BF 81 51 0A 81 01 00 A4 03 06 01 2A A3 00", -187},
            {"[5] after selectAlternativeSyntax", "BF 81 51 05 81 01 00 85 00", -188},
        });

    GeneratedType type = GENERATED_TYPE(z, CompSpec, 0xBF815100u);
    GeneratedRecord record(type);
    ASSERT_EQ(decodeElement(type, hexOctets("BF 81 51 03 81 01 FF"), record.get()).code, 0);
    auto* spec = static_cast<z::CompSpec*>(record.get());
    EXPECT_NE(spec->selectAlternativeSyntax, 0);
    EXPECT_EQ(spec->generic, nullptr);
    EXPECT_EQ(spec->dbSpecific, nullptr);
    EXPECT_EQ(spec->recordSyntax, nullptr);
}

TEST(GeneratedApduPresent, RangePrintsBothLines) {
    GeneratedType type = GENERATED_TYPE(z, Range, 0x30000000u);
    GeneratedRecord record(type);
    ASSERT_EQ(decodeElement(type, hexOctets("30 06 81 01 01 82 01 0A"), record.get()).code, 0);
    EXPECT_EQ(printRecord(type, record.get()),
              "{ -- SEQUENCE --\n    startingPosition 1,\n    numberOfRecords 10\n}");
    expectCases(type, {
                          {"numberOfRecords first", "30 03 82 01 0A", -103},
                          {"octets after numberOfRecords", "30 08 81 01 01 82 01 0A 05 00", -104},
                      });
}

TEST(GeneratedApduPresent, PresentResponse) {
    // Two DiagRecs: a default-format one and an externally defined one.
    const char* const kMultipleDiagnostics =
        "B9 1C 98 01 00 99 01 01 9B 01 00 BF 81 4D 0F 30 08 06 01 2A 02 01 01 1B 00 28 03 06 01 2A";
    expectCases(GENERATED_TYPE(z, PresentResponse, 0xB9000000u),
                {
                    {"the three counts", "B9 09 98 01 00 99 01 01 9B 01 00", 0},
                    {"presentStatus missing before records", "B9 08 98 01 00 99 01 01 BC 00", -239},
                    {"numberOfRecordsReturned missing", "B9 06 99 01 01 9B 01 00", -237},
                    {"nextResultSetPosition missing", "B9 06 98 01 00 9B 01 00", -238},
                    {"multiple non-surrogate diagnostics", kMultipleDiagnostics, 0},
                    {"one retrieval record",
                     "B9 16 98 01 01 99 01 02 9B 01 00 BC 0B 30 09 A1 07 A1 05 28 03 06 01 2A", 0},
                    {"otherInfo before records", "B9 0F 98 01 00 99 01 01 9B 01 00 BF 81 49 00 BC 00", -240},
                    {"[2] after presentStatus", "B9 0B 98 01 00 99 01 01 9B 01 00 A2 00", -241},
                });

    GeneratedType type = GENERATED_TYPE(z, PresentResponse, 0xB9000000u);
    GeneratedRecord record(type);
    ASSERT_EQ(decodeElement(type, hexOctets(kMultipleDiagnostics), record.get()).code, 0);
    z::Records* records = static_cast<z::PresentResponse*>(record.get())->records;
    ASSERT_EQ(records->choiceId, z::Records::kMultipleNonSurDiagnostics);
    EXPECT_EQ(ASN_ListCount(records->multipleNonSurDiagnostics), 2);
}

}  // namespace
