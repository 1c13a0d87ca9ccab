// Byte-exact cases of the Sort APDUs, sort keys and sort elements.
#include <gtest/gtest.h>

#include <string>

#include "tests/codec/z3950/generated_codec_harness.h"
#include "toolkit/codec/z3950/apdu_two.h"

namespace z = codec::z3950;

namespace {

// sortElement generic sortfield "t", sortRelation 0, caseSensitivity 0.
const char* const kSortKeySpec = "30 0B A1 03 80 01 74 81 01 00 82 01 00";

TEST(GeneratedApduSort, SortRequest) {
    expectCases(
        GENERATED_TYPE(z, SortRequest, 0xBF2B0000u),
        {
            {"two input names, a sorted name and one generic sortfield key",
             "BF 2B 1A A3 06 1B 01 41 1B 01 42 84 01 43 A5 0D 30 0B A1 03 80 01 74 81 01 00 82 01 00", 0},
            {"a constructed sortedResultSetName", "BF 2B 0D A3 03 1B 01 41 A4 04 04 02 43 44 A5 00", 0,
             "BF 2B 0B A3 03 1B 01 41 84 02 43 44 A5 00"},
            {"an input name that is an OCTET STRING", "BF 2B 05 A3 03 04 01 41", -105},
            {"an end-of-contents among the input names", "BF 2B 04 A3 02 00 00", -105},
            {"a sort key that is not a SEQUENCE", "BF 2B 0C A3 03 1B 01 41 84 01 43 A5 02 31 00", -145},
            {"inputResultSetNames missing", "BF 2B 05 84 01 43 A5 00", -178},
            {"sortedResultSetName missing", "BF 2B 07 A3 03 1B 01 41 A5 00", -179},
            {"sortSequence missing: the octets after the value are read in its place",
             "BF 2B 08 A3 03 1B 01 41 84 01 43 05 00", -180},
            {"otherInfo followed by a spare octet", "BF 2B 0F A3 03 1B 01 41 84 01 43 A5 00 BF 81 49 00 00",
             -181},
            {"[6] after sortSequence", "BF 2B 0C A3 03 1B 01 41 84 01 43 A5 00 86 00", -182},
        });
}

TEST(GeneratedApduSort, SortKeySpec) {
    GeneratedType type = GENERATED_TYPE(z, SortKeySpec, 0x30000000u);
    expectCases(
        type,
        {
            {"ends after caseSensitivity", kSortKeySpec, 0},
            {"caseSensitivity before sortRelation", "30 0B A1 03 80 01 74 82 01 00 81 01 00", -141},
            {"followed by [4]", "30 0D A1 03 80 01 74 81 01 00 82 01 00 84 00", -144},
            {"missingValueData in constructed form is joined",
             "30 15 A1 03 80 01 74 81 01 00 82 01 00 A3 08 A3 06 04 01 61 04 01 62", 0,
             "30 11 A1 03 80 01 74 81 01 00 82 01 00 A3 04 83 02 61 62"},
            {"missingValueAction holding [4]", "30 0F A1 03 80 01 74 81 01 00 82 01 00 A3 02 84 00", -104},
            {"missingValueAction abort", "30 0F A1 03 80 01 74 81 01 00 82 01 00 A3 02 81 00", 0},
            {"sortElement [3]", "30 08 A3 00 81 01 00 82 01 00", -140},
            {"sortElement generic in primitive form", "30 08 81 00 81 01 00 82 01 00", -140},
            {"caseSensitivity missing", "30 08 A1 03 80 01 74 81 01 00 05 00", -142},
            {"octets after missingValueAction", "30 11 A1 03 80 01 74 81 01 00 82 01 00 A3 02 82 00 05 00",
             -143},
        });

    GeneratedRecord record(type);
    ASSERT_EQ(decodeElement(type, hexOctets("30 11 A1 03 80 01 74 81 01 00 82 01 00 A3 04 83 02 61 62"),
                            record.get())
                  .code,
              0);
    z::SortKeySpecMissingValueAction* action = static_cast<z::SortKeySpec*>(record.get())->missingValueAction;
    ASSERT_EQ(action->choiceId, z::SortKeySpecMissingValueAction::kMissingValueData);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(action->missingValueData->octets),
                          action->missingValueData->length),
              "ab");

    GeneratedRecord abort(type);
    ASSERT_EQ(
        decodeElement(type, hexOctets("30 0F A1 03 80 01 74 81 01 00 82 01 00 A3 02 81 00"), abort.get())
            .code,
        0);
    EXPECT_NE(printRecord(type, abort.get()).find("    missingValueAction abort NULL\n}"), std::string::npos);
}

TEST(GeneratedApduSort, SortElementAndSortKey) {
    GeneratedType element = GENERATED_TYPE(z, SortElement, 0);
    expectCases(element, {
                             {"a database-specific key", "A2 0A 30 08 9F 69 01 44 80 02 74 69", 0},
                             {"dbSort [3]", "A2 08 30 06 9F 69 01 44 A3 00", -132},
                             {"an element starting with an OCTET STRING", "A2 04 30 02 04 00", -130},
                             {"an element that is not a SEQUENCE", "A2 02 31 00", -134},
                             {"generic around [3]", "A1 02 83 00", -128},
                             {"[3]", "A3 00", -138},
                         });
    GeneratedRecord record(element);
    ASSERT_EQ(decodeElement(element, hexOctets("A2 0A 30 08 9F 69 01 44 80 02 74 69"), record.get()).code, 0);
    EXPECT_EQ(printRecord(element, record.get()).rfind("datbaseSpecific { -- SEQUENCE OF -- \n", 0), 0u);

    expectCases(
        GENERATED_TYPE(z, SortKey, 0),
        {
            {"sortAttributes", "A2 06 06 01 2A BF 2C 00", 0},
            {"sortAttributes starting with an OCTET STRING", "A2 02 04 00", -100},
            {"sortAttributes with a second OID in place of its list", "A2 06 06 01 2A 06 01 2B", -102},
            {"sortAttributes with octets after its list", "A2 08 06 01 2A BF 2C 00 05 00", -101},
            {"elementSpec of length 0", "A1 00", 0},
        });
}

TEST(GeneratedApduSort, SortResponse) {
    GeneratedType type = GENERATED_TYPE(z, SortResponse, 0xBF2C0000u);
    expectCases(
        type,
        {
            {"referenceId and resultSetStatus without sortStatus", "BF 2C 06 82 01 01 84 01 00", -183},
            {"sortStatus and one externally defined diagnostic", "BF 2C 0A 83 01 00 A5 05 28 03 06 01 2A", 0},
            {"a diagnostic that is an OCTET STRING: the DiagRec code of the first file",
             "BF 2C 07 83 01 00 A5 02 04 00", -184},
            {"otherInfo followed by a spare octet", "BF 2C 08 83 01 00 BF 81 49 00 00", -184},
            {"[6] after sortStatus", "BF 2C 05 83 01 00 86 00", -185},
        });
}

}  // namespace
