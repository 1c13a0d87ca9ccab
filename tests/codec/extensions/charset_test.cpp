// Byte-exact cases of the character-set and language negotiation format.
#include "toolkit/codec/extensions/charset.h"

#include <gtest/gtest.h>

#include "tests/codec/records/whole_value.h"
#include "tests/codec/z3950/generated_codec_harness.h"

namespace x = codec::extensions;

namespace {

TEST(CharsetFormat, TopValue) {
    const BerAnyEntry entry = WHOLE_ENTRY(x, CharSetandLanguageNegotiation);
    // An empty proposal, definite or indefinite, decodes to a proposal with every component absent.
    for (const char* octets : {"A1 00", "A1 80 00 00"}) {
        SCOPED_TRACE(octets);
        GeneratedType type = GENERATED_TYPE(x, CharSetandLanguageNegotiation, 0);
        GeneratedRecord record(type);
        ASSERT_EQ(decodeElement(type, hexOctets(octets), record.get()).code, 0);
        const auto* value = static_cast<x::CharSetandLanguageNegotiation*>(record.get());
        ASSERT_EQ(value->choiceId, x::CharSetandLanguageNegotiation::kProposal);
        ASSERT_NE(value->proposal, nullptr);
        EXPECT_EQ(value->proposal->proposedCharSets, nullptr);
        EXPECT_EQ(value->proposal->proposedlanguages, nullptr);
        EXPECT_EQ(value->proposal->recordsInSelectedCharSets, nullptr);
        EXPECT_EQ(encodeElement(type, record.get()), hexOctets("A1 00"));
    }
    // The selected set none: A1 02 84 00 inside the response.
    WholeOutcome none = decodeWhole(entry, hexOctets("A2 04 A1 02 84 00"));
    ASSERT_EQ(none.code, 0);
    EXPECT_EQ(none.encoded, hexOctets("A2 04 A1 02 84 00"));
    EXPECT_EQ(none.printed,
              "response { -- SEQUENCE --\n"
              "        selectedCharSets none NULL\n"
              "    }");
    EXPECT_EQ(decodeWhole(entry, hexOctets("A3 00")).code, -141);
    EXPECT_EQ(decodeWhole(entry, hexOctets("30 00")).code, -141);
}

TEST(CharsetFormat, ProposalAndResponse) {
    expectCases(
        GENERATED_TYPE(x, OriginProposal, kSequence),
        {
            {"an ISO 10646 set, the language en, records in the selected sets",
             "30 1D A1 12 A2 10 81 06 28 CF 06 01 00 08 82 06 28 CF 06 01 00 08 A2 04 1B 02 65 6E 83 "
             "01 FF",
             0},
            {"a language in constructed form", "30 08 A2 06 3B 04 04 02 65 6E", 0, "30 06 A2 04 1B 02 65 6E"},
            {"an element of proposedCharSets tagged [4] (none)", "30 04 A1 02 84 00", -136},
            {"a language that is an OCTET STRING", "30 04 A2 02 04 00", -117},
            {"a component after recordsInSelectedCharSets", "30 07 83 01 FF A2 02 1B 00", -137},
            {"an identifier that is none of the components", "30 02 84 00", -138},
            {"[1] after [2]", "30 04 A2 00 A1 00", -138},
        });
    expectCases(GENERATED_TYPE(x, TargetResponse, kSequence),
                {
                    {"selectedLanguage constructed", "30 08 A2 06 04 01 65 04 01 6E", 0, "30 04 82 02 65 6E"},
                    {"a private set previously agreed upon", "30 09 A1 04 A3 02 83 00 83 01 00", 0},
                    {"a component after recordsInSelectedCharSets", "30 05 83 01 00 82 00", -139},
                    {"an identifier that is none of the components", "30 02 85 00", -140},
                    {"selectedCharSets [5]", "30 04 A1 02 85 00", -135},
                });
}

TEST(CharsetFormat, CharacterSets) {
    expectCases(GENERATED_TYPE(x, ProposedCharSet, 0),
                {
                    {"ISO 2022 origin proposal with an environment",
                     "A1 29 A1 27 A0 02 82 00 A1 03 02 01 01 A2 14 30 12 80 01 00 81 01 01 82 01 02 83 01 03 "
                     "84 01 04 85 01 05 A3 06 83 01 00 84 01 01",
                     0},
                    {"private via two identifiers", "A3 0C A1 0A 06 03 28 CF 06 06 03 2A 03 04", 0},
                    {"an Iso2022 alternative [3]", "A1 02 A3 00", -134},
                    {"a private alternative [4]", "A3 02 A4 00", -118},
                });
    expectCases(
        GENERATED_TYPE(x, Iso2022OriginProposal, kSequence),
        {
            {"an environment [3]", "30 04 A0 02 83 00", -103},
            {"proposedSets missing", "30 02 A2 00", -129},
            {"a set number that is not an INTEGER", "30 04 A1 02 04 00", -101},
            {"proposedInitialSets missing", "30 04 A1 00 A3 00", -130},
            {"an initial set that is not a SEQUENCE", "30 06 A1 00 A2 02 31 00", -116},
            {"proposedLeftAndRight missing", "30 06 A1 00 A2 00 A4 00", -132},
            {"octets after proposedLeftAndRight", "30 0E A1 00 A2 00 A3 06 83 01 00 84 01 00 05 00", -131},
        });
    expectCases(
        GENERATED_TYPE(x, Iso2022TargetResponse, kSequence),
        {
            {"every component",
             "30 25 A0 02 81 00 A1 03 02 01 01 A2 12 80 01 00 81 01 01 82 01 02 83 01 03 84 01 04 85 "
             "01 05 A3 06 83 01 01 84 01 02",
             0},
            {"selectedEnvironment missing", "30 02 A1 00", -123},
            {"a set number that is not an INTEGER", "30 08 A0 02 81 00 A1 02 04 00", -100},
            {"selectedSets missing", "30 06 A0 02 81 00 A2 00", -124},
            {"selectedinitialSet missing", "30 08 A0 02 81 00 A1 00 A3 00", -125},
            {"selectedLeftAndRight missing",
             "30 1C A0 02 81 00 A1 00 A2 12 80 01 00 81 01 01 82 01 02 83 01 03 84 01 04 85 01 05 A4 00",
             -127},
        });
    expectCases(GENERATED_TYPE(x, PrivateCharacterSet, 0),
                {{"an identifier that is not an OBJECT IDENTIFIER", "A1 02 04 00", -102}});
}

// A component missing at the end of a definite length is seen at the identifier that follows the value.
TEST(CharsetFormat, MandatoryNumbers) {
    expectCases(
        GENERATED_TYPE(x, InitialSet, kSequence),
        {
            {"g0 missing, the others there", "30 0F 81 01 00 82 01 00 83 01 00 84 01 00 85 01 00", -104},
            {"g2 missing", "30 0C 80 01 00 81 01 00 83 01 00 84 01 00", -106},
            {"c1 missing", "30 0F 80 01 00 81 01 00 82 01 00 83 01 00 84 01 00 05 00", -110},
            {"octets after c1", "30 14 80 01 00 81 01 00 82 01 00 83 01 00 84 01 00 85 01 00 05 00", -109},
        });
    expectCases(GENERATED_TYPE(x, LeftAndRight, kSequence),
                {
                    {"gLeft missing", "30 03 84 01 00 05 00", -119},
                    {"gRight missing", "30 03 83 01 00 05 00", -121},
                    {"octets after gRight", "30 08 83 01 00 84 01 00 05 00", -120},
                });
    expectCases(GENERATED_TYPE(x, Iso10646, kSequence),
                {
                    {"collections missing", "30 03 82 01 28", -112},
                    {"encodingLevel missing", "30 03 81 01 28 05 00", -114},
                    {"octets after encodingLevel", "30 08 81 01 28 82 01 28 05 00", -113},
                });
}

}  // namespace
