// Byte-exact cases of the eSpec-1 element specification.
#include <gtest/gtest.h>

#include "tests/codec/records/whole_value.h"
#include "tests/codec/z3950/generated_codec_harness.h"
#include "toolkit/codec/records/records_f.h"

namespace r = codec::records;

namespace {

// elements: one compositeElement whose elementList is primitives "a", "b" and whose deliveryTag is wildPath.
const char* const kCompositeOfPrimitives = "30 12 A5 10 A2 0E A1 08 A1 06 1B 01 61 1B 01 62 A2 02 83 00";

TEST(Espec1Format, WholeValue) {
    const BerAnyEntry entry = WHOLE_ENTRY(r, Espec1);
    EXPECT_EQ(decodeWhole(entry, hexOctets("30 00")).encoded, hexOctets("30 00"));
    EXPECT_EQ(decodeWhole(entry, hexOctets(kCompositeOfPrimitives)).encoded,
              hexOctets(kCompositeOfPrimitives));
    EXPECT_EQ(decodeWhole(entry, hexOctets("A0 00")).code, -290);

    GeneratedType type = GENERATED_TYPE(r, Espec1, kSequence);
    expectCases(type, {
                          {"every component",
                           "30 17 A1 03 1B 01 46 82 01 2A A3 02 A2 00 84 01 02 A5 06 A1 04 A1 02 83 00", 0},
                          {"an elementSetNames element in constructed form", "30 07 A1 05 3B 03 04 01 46", 0,
                           "30 05 A1 03 1B 01 46"},
                          {"an elementSetNames element that is an OCTET STRING", "30 04 A1 02 04 00", -104},
                          {"an elements element [3]", "30 04 A5 02 A3 00", -264},
                          {"defaultTagType in constructed form", "30 02 A4 00", -292},
                          {"[6]", "30 02 A6 00", -292},
                          {"octets left after elements", "30 04 A5 00 05 00", -291},
                      });
    GeneratedRecord record(type);
    ASSERT_EQ(decodeElement(type, hexOctets("30 00"), record.get()).code, 0);
    auto* empty = static_cast<r::Espec1*>(record.get());
    EXPECT_EQ(empty->elementSetNames, nullptr);
    EXPECT_EQ(empty->defaultVariantSetId.octets, nullptr);
    EXPECT_EQ(empty->defaultVariantRequest, nullptr);
    EXPECT_EQ(empty->defaultTagType, nullptr);
    EXPECT_EQ(empty->elements, nullptr);
}

TEST(Espec1Format, SimpleElementsAndTagPaths) {
    expectCases(GENERATED_TYPE(r, SimpleElement, kSequence),
                {
                    {"a path of one wildPath step", "30 04 A1 02 83 00", 0},
                    {"a wildThing step", "30 06 A1 04 A2 02 82 00", 0},
                    {"a specificTag step", "30 09 A1 07 A1 05 A2 03 82 01 05", 0},
                    {"a path step [4]", "30 04 A1 02 84 00", -187},
                    {"a wildThing step [4]", "30 06 A1 04 A2 02 84 00", -183},
                    {"path missing", "30 02 A2 00", -246},
                    {"[3] after path", "30 06 A1 02 83 00 A3 00", -248},
                    {"octets left after variantRequest", "30 0A A1 02 83 00 A2 02 A2 00 05 00", -247},
                });
    expectCases(GENERATED_TYPE(r, SpecificTag, kSequence),
                {
                    {"numeric tagValue only", "30 05 A2 03 82 01 05", 0},
                    {"string tagValue only", "30 06 A2 04 81 02 61 62", 0},
                    {"tagType, tagValue and occurrence", "30 0C 81 01 01 A2 03 82 01 05 A3 02 82 00", 0},
                    {"tagType in constructed form", "30 08 A1 01 01 A2 03 82 01 05", -184},
                    {"[4] after tagValue", "30 07 A2 03 82 01 05 84 00", -186},
                    {"octets left after occurrence", "30 0B A2 03 82 01 05 A3 02 82 00 05 00", -185},
                });
    expectCases(GENERATED_TYPE(r, Occurrences, 0), {
                                                       {"values from 1 without howMany", "A3 03 81 01 01", 0},
                                                       {"all", "81 00", 0},
                                                       {"all in constructed form", "A1 00", -183},
                                                       {"[4]", "84 00", -183},
                                                   });
    expectCases(GENERATED_TYPE(r, OccurrenceValues, kSequence),
                {
                    {"start and howMany", "30 06 81 01 01 82 01 02", 0},
                    {"start missing", "30 03 82 01 02", -100},
                    {"howMany in constructed form", "30 05 81 01 01 A2 00", -102},
                    {"octets left after howMany", "30 08 81 01 01 82 01 02 05 00", -101},
                });
}

TEST(Espec1Format, CompositeElements) {
    expectCases(
        GENERATED_TYPE(r, CompositeElement, kSequence),
        {
            {"specs holding a simple element with an empty path", "30 0C A1 06 A2 04 30 02 A1 00 A2 02 83 00",
             0},
            {"elementList missing", "30 04 A2 02 83 00", -251},
            {"elementList [3]", "30 08 A1 02 A3 00 A2 02 83 00", -250},
            {"deliveryTag missing", "30 06 A1 02 A1 00 A3 00", -252},
            {"a specs element that is not a SEQUENCE", "30 0A A1 04 A2 02 31 00 A2 02 83 00", -249},
            {"a primitives element that is an OCTET STRING", "30 08 A1 04 A1 02 04 00 A2 00", -103},
            {"[4] after deliveryTag", "30 0A A1 02 A1 00 A2 02 83 00 A4 00", -254},
            {"octets left after variantRequest", "30 0E A1 02 A1 00 A2 02 83 00 A3 02 A2 00 05 00", -253},
        });
}

}  // namespace
