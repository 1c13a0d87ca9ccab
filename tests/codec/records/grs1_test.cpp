// Byte-exact cases of the GRS-1 record syntax.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/codec/z3950/generated_codec_harness.h"
#include "toolkit/codec/records/records_d.h"

namespace r = codec::records;

namespace {

TEST(GenericRecord, TaggedElement) {
    GeneratedType type = GENERATED_TYPE(r, TaggedElement, kSequence);
    const char* const stringElement = "30 0F 81 01 02 A2 04 81 02 61 62 A4 04 1B 02 63 64";
    expectCases(type, {
                          {"tagType 2, string tagValue, string content", stringElement, 0},
                          {"tagValue missing", "30 05 81 01 02 A3 00", -157},
                          {"content missing", "30 0B 81 01 02 A2 04 81 02 61 62 A5 00", -158},
                          {"identifier of no component after content",
                           "30 0C A2 04 81 02 61 62 A4 02 82 00 87 00", -160},
                          {"octets left after appliedVariant",
                           "30 10 A2 04 81 02 61 62 A4 02 82 00 A6 02 A2 00 05 00", -159},
                      });
    GeneratedRecord record(type);
    ASSERT_EQ(decodeElement(type, hexOctets(stringElement), record.get()).code, 0);
    auto* element = static_cast<r::TaggedElement*>(record.get());
    ASSERT_NE(element->tagType, nullptr);
    EXPECT_EQ(*element->tagType, 2);
    EXPECT_EQ(element->tagOccurrence, nullptr);
    EXPECT_EQ(element->metaData, nullptr);
    EXPECT_EQ(element->appliedVariant, nullptr);
    ASSERT_NE(element->content, nullptr);
    EXPECT_EQ(element->content->choiceId, r::ElementData::kString);
}

TEST(GenericRecord, ElementData) {
    GeneratedType type = GENERATED_TYPE(r, ElementData, 0);
    // A subtree of a TaggedElement whose content is a subtree of one TaggedElement with elementEmpty.
    const char* const nested =
        "A6 1A 30 18 30 16 A2 03 82 01 02 A4 0F A6 0D 30 0B 30 09 A2 03 82 01 01 A4 02 83 00";
    expectCases(type, {
                          {"elementEmpty", "83 00", 0},
                          {"numeric", "02 01 05", 0},
                          {"date in constructed form", "38 04 04 02 31 39", 0, "18 02 31 39"},
                          {"subtrees nested two deep", nested, 0},
                          {"subtree around something else than a SEQUENCE", "A6 02 31 00", -161},
                          {"identifier of no alternative", "87 00", -162},
                          {"numeric in constructed form", "22 03 02 01 05", -162},
                      });
    GeneratedRecord record(type);
    ASSERT_EQ(decodeElement(type, hexOctets("83 00"), record.get()).code, 0);
    auto* data = static_cast<r::ElementData*>(record.get());
    EXPECT_EQ(data->choiceId, r::ElementData::kElementEmpty);
    EXPECT_EQ(data->slot, nullptr);
}

TEST(GenericRecord, RecordAndItsHolder) {
    expectCases(GENERATED_TYPE(r, GenericRecordChoice, 0),
                {
                    {"empty record", "30 00", 0},
                    {"one element", "30 11 30 0F 81 01 02 A2 04 81 02 61 62 A4 04 1B 02 63 64", 0},
                    {"identifier not 0x30", "31 00", -164},
                    {"element not a SEQUENCE", "30 02 31 00", -163},
                    {"end-of-contents inside a definite record", "30 02 00 00", -163},
                });
    GeneratedType type = GENERATED_TYPE(r, GenericRecordChoice, 0);
    GeneratedRecord record(type);
    ASSERT_EQ(decodeElement(type, hexOctets("30 00"), record.get()).code, 0);
    auto* choice = static_cast<r::GenericRecordChoice*>(record.get());
    ASSERT_NE(choice->genericRecord, nullptr);
    EXPECT_EQ(choice->genericRecord->count, 0);
}

TEST(GenericRecord, Variants) {
    GeneratedType triple = GENERATED_TYPE(r, VariantTriple, kSequence);
    expectCases(triple, {
                            {"without variantSetId", "30 0B 81 01 01 82 01 02 A3 03 02 01 05", 0},
                            {"class missing", "30 05 A3 03 02 01 05", -120},
                            {"type missing", "30 08 81 01 01 A3 03 02 01 05", -121},
                            {"value missing", "30 08 81 01 01 82 01 02 A4 00", -123},
                            {"octets left after value", "30 0D 81 01 01 82 01 02 A3 03 02 01 05 05 00", -122},
                        });
    GeneratedRecord record(triple);
    ASSERT_EQ(decodeElement(triple, hexOctets("30 0B 81 01 01 82 01 02 A3 03 01 01 FF"), record.get()).code,
              0);
    EXPECT_EQ(static_cast<r::VariantTriple*>(record.get())->variantSetId.octets, nullptr);
    EXPECT_THAT(printRecord(triple, record.get()), ::testing::HasSubstr("\n    value TRUE\n"));

    GeneratedType value = GENERATED_TYPE(r, VariantValue, 0);
    expectCases(value, {
                           {"NULL", "05 00", 0},
                           {"InternationalString in constructed form", "3B 03 04 01 61", 0, "1B 01 61"},
                           {"identifier of no alternative", "83 00", -100},
                       });
    GeneratedRecord unit(value);
    ASSERT_EQ(decodeElement(value, hexOctets("A1 03 84 01 03"), unit.get()).code, 0);
    EXPECT_THAT(printRecord(value, unit.get()), ::testing::StartsWith("unit {"));

    expectCases(GENERATED_TYPE(r, Variant, kSequence),
                {
                    {"no triples", "30 02 A2 00", 0},
                    {"triples missing", "30 02 A3 00", -140},
                    {"triples element not a SEQUENCE", "30 04 A2 02 31 00", -125},
                    {"octets left after triples", "30 04 A2 00 05 00", -139},
                });
}

TEST(GenericRecord, MetaData) {
    expectCases(GENERATED_TYPE(r, ElementMetaData, kSequence),
                {
                    {"empty", "30 00", 0},
                    {"other under its two identifier octets", "30 06 BF 63 03 06 01 2A", 0},
                    {"identifier of no component", "30 02 8A 00", -151},
                    {"octets left after other", "30 08 BF 63 03 06 01 2A 05 00", -150},
                    {"hits element not a SEQUENCE", "30 04 A3 02 31 00", -126},
                    {"supportedVariants element not a SEQUENCE", "30 04 A5 02 31 00", -147},
                    {"surrogateFor element not a SEQUENCE", "30 04 A8 02 31 00", -135},
                });
    expectCases(GENERATED_TYPE(r, Order, kSequence),
                {
                    {"both", "30 06 81 01 FF 82 01 03", 0},
                    {"ascending missing", "30 03 82 01 03", -114},
                    {"order missing", "30 06 81 01 FF 83 01 03", -116},
                    {"octets left after order", "30 08 81 01 FF 82 01 03 05 00", -115},
                });
    expectCases(GENERATED_TYPE(r, Usage, kSequence),
                {
                    {"type only", "30 03 81 01 01", 0},
                    {"type missing", "30 03 82 01 61", -136},
                    {"identifier of no component after type", "30 05 81 01 01 83 00", -138},
                    {"octets left after restriction", "30 08 81 01 01 82 01 61 05 00", -137},
                });
    expectCases(GENERATED_TYPE(r, HitVector, kSequence),
                {
                    {"empty", "30 00", 0},
                    {"satisfier of the general Term alternative", "30 04 9F 2D 01 61", 0},
                    {"satisfier of the null Term alternative", "30 04 9F 81 5D 00", 0},
                    {"identifier of no component", "30 02 85 00", -119},
                    {"octets left after targetToken", "30 05 84 01 61 05 00", -118},
                });
    expectCases(GENERATED_TYPE(r, GrsTagPathElement, kSequence),
                {
                    {"tagValue only", "30 05 A2 03 82 01 01", 0},
                    {"tagValue missing", "30 05 81 01 01 A3 00", -101},
                    {"identifier of no component after tagValue", "30 07 A2 03 82 01 01 84 00", -103},
                    {"octets left after tagOccurrence", "30 0A A2 03 82 01 01 83 01 01 05 00", -102},
                });
}

}  // namespace
