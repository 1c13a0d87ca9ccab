// Byte-exact cases of the CIP specific information.
#include "toolkit/codec/extensions/cipspecific.h"

#include <gtest/gtest.h>

#include "tests/codec/z3950/generated_codec_harness.h"

namespace ext = codec::extensions;

namespace {

TEST(CipSpecificInfo, Alternatives) {
    expectCases(
        GENERATED_TYPE(ext, CIPSpecificInfo, 0),
        {
            {"search control 3, 2", "A1 06 81 01 03 82 01 02", 0},
            {"WRS/GRS term, track 7, frames 1 and 2", "A2 0F A1 0D 81 01 07 A2 08 30 06 02 01 01 02 01 02",
             0},
            {"WRS/GRS term without frames", "A2 09 A1 07 81 01 07 A2 02 30 00", 0},
            {"explain information with version and value syntax only", "A3 06 85 01 76 86 01 73", 0},
            {"explain information beginning with [7]", "A3 02 87 00", -106},
            {"explain information of indefinite length ending after version", "A3 80 85 01 76 00 00", -108},
            {"[4]", "A4 00", -128},
            {"term whose own identifier is [4]", "A2 02 A4 00", -127},
            {"frames around a SET", "A2 09 A1 07 81 01 07 A2 02 31 00", -115},
            {"a frame that is not an INTEGER", "A2 0C A1 0A 81 01 07 A2 05 30 03 04 01 01", -100},
        });

    GeneratedType type = GENERATED_TYPE(ext, CIPSpecificInfo, 0);
    GeneratedRecord explain(type);
    ASSERT_EQ(decodeElement(type, hexOctets("A3 06 85 01 76 86 01 73"), explain.get()).code, 0);
    const ext::CIPExplainInfo& info = *static_cast<ext::CIPSpecificInfo*>(explain.get())->explainInfo;
    EXPECT_EQ(info.shortMeaning.octets, nullptr);
    EXPECT_EQ(info.unit, nullptr);
    EXPECT_EQ(info.specificInstance.octets, nullptr);
    EXPECT_EQ(info.comment.octets, nullptr);

    GeneratedRecord withoutFrames(type);
    ASSERT_EQ(decodeElement(type, hexOctets("A2 09 A1 07 81 01 07 A2 02 30 00"), withoutFrames.get()).code,
              0);
    const BerList* frames = static_cast<ext::CIPSpecificInfo*>(withoutFrames.get())->term->wrsgrs->frames;
    ASSERT_NE(frames, nullptr);
    EXPECT_EQ(frames->count, 0);
}

TEST(CipSpecificInfo, AConstructedStartDateIsJoined) {
    GeneratedType type = GENERATED_TYPE(ext, CIPTemporalPeriod, 0x30000000u);
    expectCases(type, {{"startDate in two segments",
                        "30 16 A1 06 04 01 32 04 01 30 A2 05 81 01 05 A2 00 A3 05 81 01 01 A2 00", 0,
                        "30 12 81 02 32 30 A2 05 81 01 05 A2 00 A3 05 81 01 01 A2 00"}});
}

TEST(CipSpecificInfo, ACirclePrintsItsPointAndRadiusOneStepIn) {
    GeneratedType type = GENERATED_TYPE(ext, CIPCircle, 0x30000000u);
    GeneratedRecord record(type);
    ASSERT_EQ(
        decodeElement(type, hexOctets("30 0F A1 06 81 01 4E 82 01 45 A2 05 81 01 05 A2 00"), record.get())
            .code,
        0);
    EXPECT_EQ(printRecord(type, record.get()),
              "{ -- SEQUENCE --\n"
              "    point { -- SEQUENCE --\n"
              "        latitude '4e'H  -- \"N\" --,\n"
              "        longitude '45'H  -- \"E\" --\n"
              "    },\n"
              "    radius { -- SEQUENCE --\n"
              "        value 5,\n"
              "        unitUsed { -- SEQUENCE --\n"
              "\n"
              "        }\n"
              "    }\n"
              "}");
}

}  // namespace
