// Byte-exact cases of the Scan and Close APDUs.
#include <gtest/gtest.h>

#include "tests/codec/z3950/generated_codec_harness.h"
#include "toolkit/codec/z3950/apdu_two.h"

namespace z = codec::z3950;

namespace {

// databaseNames "D", termListAndStartPoint (one attribute, general term "t"), numberOfTermsRequested 5.
const char* const kScanRequest =
    "30 1D A3 04 9F 69 01 44 BF 66 11 BF 2C 0A 30 08 9F 78 01 01 9F 79 01 04 9F 2D 01 74 86 01 05";

TEST(GeneratedScanClose, Close) {
    expectCases(GENERATED_TYPE(z, Close, 0x30000000u),
                {
                    {"diagnosticInformation without closeReason", "30 05 82 01 01 83 00", -194},
                    {"[5] around a universal SEQUENCE", "30 09 9F 81 53 01 00 A5 02 30 00", -195},
                    {"a definite length larger than its components ending with otherInfo",
                     "30 0B 9F 81 53 01 00 BF 81 49 00 00 00", -196},
                    {"[6] after closeReason", "30 07 9F 81 53 01 00 86 00", -197},
                    {"resourceReport around an EXTERNAL", "30 0C 9F 81 53 01 01 A5 05 28 03 06 01 2A", 0},
                });
}

TEST(GeneratedScanClose, ScanRequest) {
    expectCases(
        GENERATED_TYPE(z, ScanRequest, 0x30000000u),
        {
            {"only the mandatory components", kScanRequest, 0},
            {"attributeSet after termListAndStartPoint",
             "30 20 A3 04 9F 69 01 44 BF 66 11 BF 2C 0A 30 08 9F 78 01 01 9F 79 01 04 9F 2D 01 74 06 01 2A "
             "86 01 05",
             -171},
            {"a database name that is not [105]", "30 07 A3 05 1B 03 61 62 63", -110},
            {"a constructed numeric term is none of the eleven",
             "30 1D A3 04 9F 69 01 44 BF 66 11 BF 2C 0A 30 08 9F 78 01 01 9F 79 01 04 BF 81 57 00 86 01 05",
             -229},
        });
}

TEST(GeneratedScanClose, ScanResponse) {
    expectCases(GENERATED_TYPE(z, ScanResponse, 0x30000000u),
                {
                    {"indefinite, closed after numberOfEntriesReturned", "30 80 84 01 00 85 01 00 00 00", 0,
                     "30 06 84 01 00 85 01 00"},
                    {"end-of-contents whose second octet is not 0", "30 80 84 01 00 85 01 00 00 01", -28},
                    {"positionOfTerm after entries", "30 0C 84 01 00 85 01 00 A7 00 86 01 01", -177},
                    {"empty ListEntries", "30 08 84 01 00 85 01 00 A7 00", 0},
                    {"scanStatus missing", "30 03 85 01 00", -174},
                });
}

TEST(GeneratedScanClose, EntriesAndOccurrences) {
    expectCases(GENERATED_TYPE(z, Entry, 0),
                {
                    {"termInfo with a constructed general term", "A1 07 BF 2D 04 04 02 61 62", 0,
                     "A1 05 9F 2D 02 61 62"},
                    {"termInfo starting with displayTerm", "A1 03 80 01 61", -135},
                    {"[3]", "A3 00", -139},
                    {"surrogateDiagnostic holding an EXTERNAL", "A2 05 28 03 06 01 2A", 0},
                });
    GeneratedType element = GENERATED_TYPE(z, OccurrenceByAttributesItem, 0x30000000u);
    expectCases(element, {
                             {"global count", "30 0A A1 03 BF 2C 00 A2 03 02 01 07", 0},
                             {"global holding an OCTET STRING", "30 0A A1 03 BF 2C 00 A2 03 04 01 07", -121},
                             {"[4] after attributes", "30 07 A1 03 BF 2C 00 84 00", -126},
                             {"attributes around something else", "30 04 A1 02 30 00", -123},
                         });
    GeneratedRecord record(element);
    ASSERT_EQ(decodeElement(element, hexOctets("30 0A A1 03 BF 2C 00 A2 03 02 01 07"), record.get()).code, 0);
    auto* occurrences = static_cast<z::OccurrenceByAttributesItem*>(record.get())->occurrences;
    EXPECT_EQ(occurrences->choiceId, z::OccurrenceByAttributesItemOccurrences::kGlobal);
    EXPECT_EQ(occurrences->global, 7);
    EXPECT_NE(printRecord(element, record.get()).find("global 7"), std::string::npos);
}

}  // namespace
